// Each launcher's files as the launcher writes them (tests/data/launchers),
// and the Wine prefix or Steam library found from them where the launcher
// itself would look.
#include <gtest/gtest.h>

#include <algorithm>

#include "front/posix/game_places.h"
#include "support/temp_folder.h"
#include "support/wine_prefix.h"

namespace tessary {
namespace {

using testing::MakePrefix;

class LauncherLayouts : public ::testing::Test {
protected:
    bool Found(PlaceKind kind, const std::string& folder) const {
        const std::vector<GamePlace> places = FindGamePlaces(home.Path());
        return std::any_of(places.begin(), places.end(),
                           [&](const GamePlace& p) { return p.kind == kind && p.folder == folder; });
    }

    testing::TempFolder home;
    testing::TempFolder disk;
};

TEST_F(LauncherLayouts, SteamLibraryPathInAnotherLetterCase) {
    testing::CopyLauncherFiles("steam-library-case", home, disk);
    disk.Folder("games/steamlibrary/steamapps/common/Fennock Marrowby");
    EXPECT_TRUE(Found(PlaceKind::SteamLibrary, disk / "games/steamlibrary/steamapps/common/"));
}

TEST_F(LauncherLayouts, SteamAppsInMixedCase) {
    testing::CopyLauncherFiles("steam-steamapps-case", home, disk);
    const std::string proton = MakePrefix(disk, "SteamLibrary/SteamApps/compatdata/1149460/pfx");
    EXPECT_TRUE(Found(PlaceKind::SteamProton, proton));
}

TEST_F(LauncherLayouts, HeroicGameRunWithProton) {
    testing::CopyLauncherFiles("heroic-proton", home, disk);
    const std::string pfx = MakePrefix(disk, "Prefixes/Fennock Marrowby/pfx");
    EXPECT_TRUE(Found(PlaceKind::Heroic, pfx));
}

TEST_F(LauncherLayouts, HeroicDefaultPrefix) {
    testing::CopyLauncherFiles("heroic-default-prefix", home, disk);
    const std::string prefix = MakePrefix(home, "Wine/Heroic Default");
    EXPECT_TRUE(Found(PlaceKind::Heroic, prefix));
}

TEST_F(LauncherLayouts, LutrisGamesThatNameOnlyTheirExecutable) {
    testing::CopyLauncherFiles("lutris-exe-only", home, disk);
    const std::string above = MakePrefix(disk, "Games/fennock-marrowby");
    disk.Write("Games/fennock-marrowby/drive_c/Games/Fennock Marrowby/Marrowby.exe", "MZ");
    const std::string beside = MakePrefix(disk, "Games/fennock-marrowby-gog/pfx");
    disk.Write("Games/fennock-marrowby-gog/game/Marrowby.exe", "MZ");
    EXPECT_TRUE(Found(PlaceKind::Lutris, above));
    EXPECT_TRUE(Found(PlaceKind::Lutris, beside));
}

TEST_F(LauncherLayouts, BottlesBottleAtACustomPath) {
    testing::CopyLauncherFiles("bottles-custom-path", home, disk);
    const std::string bottle = MakePrefix(disk, "Bottles/Fennock-Marrowby");
    EXPECT_TRUE(Found(PlaceKind::Bottles, bottle));
}

}  // namespace
}  // namespace tessary
