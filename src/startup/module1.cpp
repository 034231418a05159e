// Main: splash window, location cache or drive scan, main frame.
#include "startup/module1.h"

#include <algorithm>
#include <string>

#include "platform/application.h"
#include "platform/drives.h"
#include "platform/failure.h"
#include "platform/message_boxes.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/startup_windows.h"

namespace tessary {

namespace {

// Half the splash window's height and width.
constexpr double kSplashHalfHeightTwips = 2895;
constexpr double kSplashHalfWidthTwips = 4725;
// Each drive pass moves the bar by 30, shared out evenly among the drives
// (2 a drive on a machine of 15); a bar that shows whole numbers would
// swallow smaller steps if they were added to the value read back.
constexpr double kTypePassStart = 5;
constexpr double kSearchPassStart = 35;
constexpr double kPassSpan = 30;
// A folder or path of this length or less ("C:\") counts as absent.
constexpr std::size_t kShortestAbsent = 3;

constexpr const char* kNotFoundText = "The game cannot be found on this computer.";
constexpr const char* kNotFoundCaption = "Game not found";

}  // namespace

Module1::Module1(StartupServices services) : services_(services) {}

void Module1::Main() {
    auto& splash = services_.splash;
    auto& pointer = services_.pointer;

    pointer.Set(PointerShape::Busy);
    splash.SetTopLeft(services_.screen.HeightTwips() / 2 - kSplashHalfHeightTwips,
                      services_.screen.WidthTwips() / 2 - kSplashHalfWidthTwips);
    splash.SetProgress(0);
    splash.Show();

    try {
        pointer.Set(PointerShape::Busy);
        ReadLocationCache();
        splash.SetProgress(5);

        if (GameMapsFolder.size() > kShortestAbsent) {
            pointer.Set(PointerShape::Default);
        } else {
            pointer.Set(PointerShape::Busy);
            services_.application.ProcessPendingEvents();

            const std::int32_t driveCount = std::max(services_.drives.Count(), 0);
            DriveTypeNames.assign(driveCount, std::string());
            const auto passProgress = [driveCount](double start, std::int32_t index) {
                return static_cast<float>(start + kPassSpan * (index + 1) / driveCount);
            };
            for (DriveIndex = 0; DriveIndex < driveCount; ++DriveIndex) {
                splash.SetProgress(passProgress(kTypePassStart, DriveIndex));
                SetDriveRoot();
                DriveTypeCode = services_.drives.DriveType(DriveRoot);
                if (const char* name = DriveTypeName(DriveTypeCode)) DriveTypeNames[DriveIndex] = name;
            }

            pointer.Set(PointerShape::Default);
            services_.application.ProcessPendingEvents();

            GameExePath.clear();
            bool found = false;
            for (DriveIndex = 0; DriveIndex < driveCount; ++DriveIndex) {
                splash.SetProgress(passProgress(kSearchPassStart, DriveIndex));
                if (DriveTypeNames[DriveIndex] == "FIXED") {
                    SetDriveRoot();
                    GameExePath = FindFileInTree(DriveRoot, kGameExeName);
                }
                found = GameExePath.size() > kShortestAbsent;
                if (found) break;
            }
            // The last drive passed without a usable path (a stray short
            // result included): the game is not on this computer.
            if (!found) {
                const std::string places = services_.drives.SearchedPlaces();
                services_.messages.ShowOk(places.empty() ? kNotFoundText : kNotFoundText + ("\n\n" + places),
                                          kNotFoundCaption);
                pointer.Set(PointerShape::Default);
                services_.application.EndProcess();
            }

            splash.SetProgress(85);
            GameMapsFolder = DeriveGameMapsFolder(GameExePath);
            splash.SetProgress(90);
            WriteLocationCache();
            splash.SetProgress(95);
            pointer.Set(PointerShape::Default);
        }

        services_.mainFrame.Show();
        splash.Unload();
    } catch (const RuntimeFailure& failure) {
        // A failure in the frame's load step (the map window's load) comes
        // after the frame went on screen: it is not left open.
        services_.mainFrame.Unload();
        services_.messages.ShowOk(failure.Description() + ", " + std::to_string(failure.Number()),
                                  kApplicationTitle);
        DeleteLocationCache();
        pointer.Set(PointerShape::Default);
        // The splash window stays up; the user closes it to end the program.
    }
}

}  // namespace tessary
