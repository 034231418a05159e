// Main: splash window, location cache or drive scan, main frame.
#include "startup/module1.h"

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
constexpr std::int16_t kLastDriveIndex = 14;
constexpr float kProgressPerDrive = 2;
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

            for (DriveIndex = 0; DriveIndex <= kLastDriveIndex; ++DriveIndex) {
                splash.SetProgress(splash.Progress() + kProgressPerDrive);
                SetDriveRoot();
                DriveTypeCode = services_.drives.DriveType(DriveRoot);
                if (const char* name = DriveTypeName(DriveTypeCode)) DriveTypeNames[DriveIndex] = name;
            }

            pointer.Set(PointerShape::Default);
            services_.application.ProcessPendingEvents();

            GameExePath.clear();
            bool found = false;
            for (DriveIndex = 0; DriveIndex <= kLastDriveIndex; ++DriveIndex) {
                splash.SetProgress(splash.Progress() + kProgressPerDrive);
                if (DriveTypeNames[DriveIndex] == "FIXED") {
                    SetDriveRoot();
                    GameExePath = FindFileInTree(DriveRoot, kGameExeName);
                }
                found = GameExePath.size() > kShortestAbsent;
                if (found) break;
            }
            // Drive O: passed without a usable path (a stray short result
            // included): the game is not on this computer.
            if (!found) {
                services_.messages.ShowOk(kNotFoundText, kNotFoundCaption);
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
