// Drive roots, drive-type names, the absorbed tree search and the game maps
// folder derivation.
#include <gtest/gtest.h>

#include "fakes/fake_startup.h"
#include "platform/path.h"
#include "startup/module1.h"

namespace tessary {
namespace {

TEST(SetDriveRoot, GivesTheRootOfDrivesAToOAndKeepsItOtherwise) {
    fakes::StartupFakes fakes;
    Module1 module(fakes.Services());
    module.DriveIndex = 2;
    module.SetDriveRoot();
    EXPECT_EQ(module.DriveRoot, "C:\\");
    module.DriveIndex = 14;
    module.SetDriveRoot();
    EXPECT_EQ(module.DriveRoot, "O:\\");
    module.DriveIndex = 15;
    module.SetDriveRoot();
    EXPECT_EQ(module.DriveRoot, "O:\\");
    module.DriveIndex = -1;
    module.SetDriveRoot();
    EXPECT_EQ(module.DriveRoot, "O:\\");
}

TEST(DriveTypeName, NamesTheKnownCodesOnly) {
    const std::map<std::int32_t, std::string> named = {{0, "UNDETERMINED"}, {2, "REMOVABLE"}, {3, "FIXED"},
                                                       {4, "REMOTE"},       {5, "CDROM"},     {6, "RAMDISK"}};
    for (std::int32_t code = -2; code <= 8; ++code) {
        const auto it = named.find(code);
        if (it == named.end()) {
            EXPECT_EQ(DriveTypeName(code), nullptr) << code;
        } else {
            ASSERT_NE(DriveTypeName(code), nullptr) << code;
            EXPECT_EQ(std::string(DriveTypeName(code)), it->second);
        }
    }
}

TEST(FindFileInTree, PassesTheResultOnAndAbsorbsFailures) {
    fakes::StartupFakes fakes;
    fakes.treeSearch.results["D:\\"] = "D:\\x\\Marrowby.exe";
    fakes.treeSearch.failingRoots["E:\\"] = true;
    Module1 module(fakes.Services());
    EXPECT_EQ(module.FindFileInTree("D:\\", "Marrowby.exe"), "D:\\x\\Marrowby.exe");
    EXPECT_EQ(module.FindFileInTree("E:\\", "Marrowby.exe"), "");
    EXPECT_EQ(module.FindFileInTree("F:\\", "Marrowby.exe"), "");
}

TEST(DeriveGameMapsFolder, ReplacesTheExecutableNameWithHomeMaps) {
    const std::string homeMaps = std::string("Home") + kPathSeparator + "Maps";
    EXPECT_EQ(DeriveGameMapsFolder("D:\\Games\\Hunt\\Marrowby.exe"), "D:\\Games\\Hunt\\" + homeMaps);
    EXPECT_EQ(DeriveGameMapsFolder("D:\\GAMES\\HUNT\\MARROWBY.EXE"), "D:\\GAMES\\HUNT\\" + homeMaps);
    EXPECT_EQ(DeriveGameMapsFolder("E:\\Marrowby.exe"), "E:\\" + homeMaps);
    EXPECT_EQ(DeriveGameMapsFolder("/w/dosdevices/d:/Hunt/marrowby.EXE"),
              "/w/dosdevices/d:/Hunt/" + homeMaps);
    // Shorter than the name: nothing of it is kept rather than reading past its start.
    EXPECT_EQ(DeriveGameMapsFolder("x.exe"), homeMaps);
}

}  // namespace
}  // namespace tessary
