// The game maps folder a search finds, from the executable's path as the
// tree search reports it.
#include <gtest/gtest.h>

#include <optional>

#include "fakes/fake_startup.h"
#include "platform/path.h"
#include "startup/game_search.h"

namespace tessary {
namespace {

// The maps folder found when the one fixed drive, C:, holds the game at exePath.
std::optional<std::string> MapsFolderFor(const std::string& exePath) {
    fakes::StartupFakes fakes;
    fakes.drives.types = {{2, 3}};
    fakes.treeSearch.results["C:\\"] = exePath;
    GameSearch search(fakes.drives, fakes.treeSearch);
    const auto ignore = [](float) {};
    search.FindFixedDrives(ignore);
    return search.FindGameMapsFolder(ignore);
}

TEST(GameSearch, ReplacesTheExecutableNameWithHomeMaps) {
    const std::string homeMaps = std::string("Home") + kPathSeparator + "Maps";
    EXPECT_EQ(MapsFolderFor("D:\\Games\\Hunt\\Marrowby.exe"), "D:\\Games\\Hunt\\" + homeMaps);
    EXPECT_EQ(MapsFolderFor("D:\\GAMES\\HUNT\\MARROWBY.EXE"), "D:\\GAMES\\HUNT\\" + homeMaps);
    EXPECT_EQ(MapsFolderFor("E:\\Marrowby.exe"), "E:\\" + homeMaps);
    EXPECT_EQ(MapsFolderFor("/w/dosdevices/d:/Hunt/marrowby.EXE"), "/w/dosdevices/d:/Hunt/" + homeMaps);
    // Shorter than the name: nothing of it is kept rather than reading past its start.
    EXPECT_EQ(MapsFolderFor("x.exe"), homeMaps);
    // Three characters or fewer is no game.
    EXPECT_EQ(MapsFolderFor("C:\\"), std::nullopt);
}

}  // namespace
}  // namespace tessary
