#include "startup/start_sequence.h"

#include <optional>
#include <string>
#include <utility>

#include "forms/message_title.h"
#include "forms/startup_layout.h"
#include "platform/application.h"
#include "platform/drives.h"
#include "platform/failure.h"
#include "platform/message_boxes.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/startup_windows.h"
#include "startup/game_search.h"
#include "startup/location_cache.h"

namespace tessary {

namespace {

// The splash is centred as laid out, at 15 twips a pixel, whatever the
// screen's own scale.
constexpr LayoutScale kSplashScale{};
constexpr double kSplashHalfHeightTwips = kSplashClientSize.height * kSplashScale.y / 2;
constexpr double kSplashHalfWidthTwips = kSplashClientSize.width * kSplashScale.x / 2;

constexpr const char* kNotFoundText = "The game cannot be found on this computer.";
constexpr const char* kNotFoundCaption = "Game not found";

}  // namespace

StartSequence::StartSequence(StartupServices services) : services_(services) {}

void StartSequence::Run() {
    auto& splash = services_.splash;
    auto& pointer = services_.pointer;

    pointer.Set(PointerShape::Busy);
    splash.SetTopLeft(services_.screen.HeightTwips() / 2 - kSplashHalfHeightTwips,
                      services_.screen.WidthTwips() / 2 - kSplashHalfWidthTwips);
    splash.SetProgress(0);
    splash.Show();

    try {
        pointer.Set(PointerShape::Busy);
        gameMapsFolder_ = services_.cache.Read();
        splash.SetProgress(5);

        if (NamesAPlace(gameMapsFolder_)) {
            pointer.Set(PointerShape::Default);
        } else {
            SearchTheDrives();
        }

        services_.mainFrame.Show();
        splash.Unload();
    } catch (const RuntimeFailure& failure) {
        // A failure in the frame's load step (the map window's load) comes
        // after the frame went on screen: it is not left open.
        services_.mainFrame.Unload();
        services_.messages.ShowOk(failure.Description() + ", " + std::to_string(failure.Number()),
                                  kApplicationTitle);
        services_.cache.Delete();
        pointer.Set(PointerShape::Default);
        // The splash window stays up; the user closes it to end the program.
    }
}

void StartSequence::SearchTheDrives() {
    auto& splash = services_.splash;
    auto& pointer = services_.pointer;
    const auto showProgress = [&splash](float value) { splash.SetProgress(value); };
    GameSearch search(services_.drives, services_.treeSearch);

    pointer.Set(PointerShape::Busy);
    services_.application.ProcessPendingEvents();
    search.FindFixedDrives(showProgress);

    pointer.Set(PointerShape::Default);
    services_.application.ProcessPendingEvents();
    std::optional<std::string> found = search.FindGameMapsFolder(showProgress);
    if (!found) {
        const std::string places = services_.drives.SearchedPlaces();
        services_.messages.ShowOk(places.empty() ? kNotFoundText : kNotFoundText + ("\n\n" + places),
                                  kNotFoundCaption);
        pointer.Set(PointerShape::Default);
        services_.application.EndProcess();
    }

    splash.SetProgress(85);
    gameMapsFolder_ = std::move(*found);
    splash.SetProgress(90);
    services_.cache.Write(gameMapsFolder_);
    splash.SetProgress(95);
    pointer.Set(PointerShape::Default);
}

}  // namespace tessary
