#include "startup/start_sequence.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/message_title.h"
#include "forms/startup_layout.h"
#include "platform/application.h"
#include "platform/drives.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/game_folder_chooser.h"
#include "platform/message_boxes.h"
#include "platform/path.h"
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
constexpr const char* kChooseQuestion = "Do you want to choose the game's folder yourself?";
constexpr const char* kChooseTitle = "Choose the folder that holds Marrowby.exe";
// The exit status when the program ends without the game.
constexpr int kGameNotFoundStatus = 1;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

StartSequence::StartSequence(StartupServices services, GameFolderChoice choice)
    : services_(services), choice_(choice) {}

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
    if (!found) found = MapsFolderThePlayerChooses();

    splash.SetProgress(85);
    gameMapsFolder_ = std::move(*found);
    splash.SetProgress(90);
    services_.cache.Write(gameMapsFolder_);
    splash.SetProgress(95);
    pointer.Set(PointerShape::Default);
}

std::string StartSequence::MapsFolderThePlayerChooses() {
    const std::string places = services_.drives.SearchedPlaces();
    const std::string notFound = places.empty() ? kNotFoundText : kNotFoundText + ("\n\n" + places);
    std::string text = notFound;
    while (choice_.chooser.AskToChoose(text + "\n\n" + kChooseQuestion, kNotFoundCaption)) {
        const std::string folder = choice_.chooser.ChooseFolder(kChooseTitle);
        // Cancelling the folder dialog asks again.
        if (folder.empty()) continue;
        if (const std::optional<std::string> exe = GameExeIn(folder)) return GameMapsFolderOf(*exe);
        text = std::string(kGameExeName) + " is not in the folder " + folder + ".";
    }
    services_.pointer.Set(PointerShape::Default);
    services_.application.EndProcessWithStatus(kGameNotFoundStatus);
    std::abort();  // not reached
}

std::optional<std::string> StartSequence::GameExeIn(const std::string& folder) const {
    std::vector<std::string> names;
    try {
        names = choice_.files.NamesIn(folder);
    } catch (const RuntimeFailure&) {
        return std::nullopt;  // a folder that cannot be read holds no game for the program
    }
    for (const std::string& name : names) {
        if (!SameIgnoringCase(name, kGameExeName)) continue;
        const std::string path =
            folder.back() == kPathSeparator ? folder + name : JoinPath(folder, name);
        if (choice_.files.FileExists(path)) return path;
    }
    return std::nullopt;
}

}  // namespace tessary
