#include <gtest/gtest.h>

#include "fakes/fake_mover.h"
#include "forms/message_title.h"
#include "mapwindow/mover_messages.h"
#include "platform/path.h"

namespace tessary {
namespace {

using fakes::EventLog;
using fakes::MoverFakes;
using Names = std::vector<std::string>;

// The stored maps folder as the load step first names it, with a closing separator.

const std::string kPattern = "File1 pattern *.gmx; *.GMX";
const EventLog kShapePlaceAndLooks = {"SetWindowRgn live redraw",
                                      "place 4365 4898",
                                      "Label1 hidden",
                                      "Image2 shown",
                                      "Image3 shown",
                                      "Image4 shown",
                                      "Image6 shown",
                                      "Image12 hidden",
                                      "Image13 hidden",
                                      "Image14 hidden",
                                      "Image16 hidden",
                                      "Image17 hidden",
                                      "Image18 hidden"};

EventLog Concat(EventLog a, const EventLog& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(MoverLoad, FirstRunShapesPlacesAndCreatesTheStoredMapsFolderSilently) {
    MoverFakes f;
    for (const char* name : {"Lake.gmx", "PINES.GMX", "notes.txt", "Lake.bmp"})
        f.disk.AddFile(f.Game(name), "x");
    f.mover.Form_Load();
    EXPECT_EQ(f.log, Concat(kShapePlaceAndLooks,
                            {"File1 folder " + MoverFakes::kGame, "File1 pattern *.gmx; *.GMX",
                             "File2 folder " + MoverFakes::kStored, "create " + MoverFakes::kStored,
                             "File2 folder " + MoverFakes::kStored, "File2 pattern *.gmx; *.GMX",
                             "tidy " + MoverFakes::kGame, "tidy " + MoverFakes::kStored}));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.File1.Entries(), (Names{"Lake.gmx", "PINES.GMX"}));
    EXPECT_TRUE(f.File2.Entries().empty());
    EXPECT_EQ(f.File2.Folder(), MoverFakes::kStored);
    EXPECT_EQ(f.Looks(), "2 3");
    EXPECT_EQ(f.mover.SelectedGameMap, "");
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, "");

    // The window took the region the member keeps: the outline, and only it, is alive.
    ASSERT_NE(f.mover.ShapeRegion, kNoRegion);
    EXPECT_EQ(f.window.shape, f.mover.ShapeRegion);
    EXPECT_EQ(f.window.regions.LiveRegionCount(), 1u);
    const SoftwareRegion& shape = f.window.regions.Region(f.mover.ShapeRegion);
    EXPECT_TRUE(shape.Contains(313, 200));
    EXPECT_FALSE(shape.Contains(0, 0));

    // Second run: the folder is there, nothing is created.
    MoverFakes again;
    again.disk.AddFolder(again.kStored);
    again.disk.AddFile(again.Stored("Kept.GMX"), "x");
    again.mover.Form_Load();
    for (const auto& event : again.log) EXPECT_NE(event.rfind("create", 0), 0u) << event;
    EXPECT_EQ(again.File2.Entries(), (Names{"Kept.GMX"}));
    EXPECT_TRUE(again.messages.shown.empty());
}

TEST(MoverLoad, PlacementUsesTheScreenInSinglePrecision) {
    MoverFakes f;
    f.screen.width = 24000;      // 2000 pixels at 12 twips per pixel
    f.screen.height = 33554434;  // halves to 16777217, which single precision cannot hold
    f.screen.twipsX = f.screen.twipsY = 12;
    f.mover.Form_Load();
    EXPECT_EQ(f.window.left, 12000 - 4702);
    EXPECT_EQ(f.window.top, 16777216 - 3315);
}

TEST(MoverLoad, OtherFailuresShowNumberThenDescriptionAndStop) {
    MoverFakes f;
    f.disk.AddFolder(f.kStored);
    f.disk.FailOn("list " + MoverFakes::kStored, kPermissionDenied);
    f.mover.Form_Load();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].first, "70, planted failure: list " + MoverFakes::kStored);
    EXPECT_EQ(f.messages.shown[0].second, kApplicationTitle);
    EXPECT_EQ(f.log.back(), "message 70, planted failure: list " + MoverFakes::kStored);
    EXPECT_EQ(f.File2.Folder(), "");

    // A game maps folder that cannot be listed is forgotten, as a missing one is.
    MoverFakes game;
    game.disk.FailOn("list " + MoverFakes::kGame, kDeviceIOError);
    game.mover.Form_Load();
    EXPECT_EQ(game.gameForgotten, 1);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].first, "57, planted failure: list " + MoverFakes::kGame);
    for (const auto& event : game.log) EXPECT_EQ(event.find("File2"), std::string::npos) << event;
    EXPECT_EQ(game.File2.Folder(), "");
}

TEST(MoverLoad, MissingGameFolderIsExplainedAndForgotten) {
    MoverFakes f{"/games/gone/Home/Maps"};
    f.mover.Form_Load();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].first, MissingGameMapsFolderText("/games/gone/Home/Maps"));
    EXPECT_NE(f.messages.shown[0].first.find("\n/games/gone/Home/Maps\n"), std::string::npos);
    EXPECT_EQ(f.messages.shown[0].second, kApplicationTitle);
    EXPECT_EQ(f.gameForgotten, 1);
    EXPECT_EQ(f.File1.Folder(), "");
    EXPECT_EQ(f.File2.Folder(), "");
    EXPECT_TRUE(f.File1.Entries().empty());
    EXPECT_TRUE(f.File2.Entries().empty());
    for (const auto& event : f.log) EXPECT_EQ(event.rfind("create", 0), std::string::npos) << event;
    EXPECT_EQ(f.Looks(), "2 3");
}

TEST(MoverLoad, StoredMapsFolderThatCannotBeMadeOrReadIsExplained) {
    MoverFakes f;
    f.disk.FailOn("create " + MoverFakes::kStored);
    f.mover.Form_Load();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].first, StoredMapsFolderNotCreatedText(MoverFakes::kStored));
    EXPECT_EQ(f.File2.Folder(), "");
    EXPECT_EQ(f.File1.Folder(), MoverFakes::kGame);

    MoverFakes unreadable;
    unreadable.disk.FailOn("list " + MoverFakes::kStored);
    unreadable.mover.Form_Load();
    ASSERT_EQ(unreadable.messages.shown.size(), 1u);
    EXPECT_EQ(unreadable.messages.shown[0].first, StoredMapsFolderNotReadText(MoverFakes::kStored));
    EXPECT_TRUE(unreadable.disk.IsFolder(unreadable.kStored));
    EXPECT_EQ(unreadable.messages.shown[0].second, kApplicationTitle);
}

TEST(MoverLoad, AShapeFailureIsNotTheLoadStepsToHandle) {
    MoverFakes f;
    f.screen.twipsX = 0;
    EXPECT_THROW(f.mover.Form_Load(), RuntimeFailure);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(f.log.empty());
}

TEST(MoverUnload, ReleasesTheShapeOnce) {
    MoverFakes f;
    f.mover.Form_Load();
    f.mover.Form_Unload();
    EXPECT_EQ(f.window.regions.LiveRegionCount(), 0u);
    EXPECT_EQ(f.mover.ShapeRegion, kNoRegion);
    f.mover.Form_Unload();
    EXPECT_EQ(f.window.regions.LiveRegionCount(), 0u);
}

TEST(MoverRefresh, RePointsAndReReadsBothLists) {
    MoverFakes f;
    f.disk.AddFolder(f.kStored);
    f.mover.Form_Load();
    f.disk.AddFile(f.Game("New.gmx"), "x");
    f.disk.AddFile(f.Stored("Old.GMX"), "x");
    EXPECT_TRUE(f.File1.Entries().empty());
    f.ClearLog();
    f.mover.RefreshMapLists();
    EXPECT_EQ(f.log, (EventLog{"File1 folder " + MoverFakes::kGame, kPattern, "File1 refresh",
                               "File2 folder " + MoverFakes::kStored, "File2 pattern *.gmx; *.GMX",
                               "File2 refresh"}));
    EXPECT_EQ(f.File2.Folder(), MoverFakes::kStored);
    EXPECT_EQ(f.File1.Entries(), (Names{"New.gmx"}));
    EXPECT_EQ(f.File2.Entries(), (Names{"Old.GMX"}));

    // The stored maps folder removed meanwhile: the refresh stops there, uncreated.
    f.disk.folders.erase(f.kStored);
    f.ClearLog();
    EXPECT_THROW(f.mover.RefreshMapLists(), RuntimeFailure);
    EXPECT_EQ(f.log.back(), "File2 folder " + MoverFakes::kStored);
    EXPECT_FALSE(f.disk.IsFolder(f.kStored));
}

}  // namespace
}  // namespace tessary
