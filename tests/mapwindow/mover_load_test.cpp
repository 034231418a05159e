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

const std::string kPattern = "game list pattern *.gmx; *.GMX";
const EventLog kShapeAndPlace = {"SetWindowRgn live redraw", "place 4365 4898"};

EventLog Concat(EventLog a, const EventLog& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(MoverLoad, FirstRunShapesPlacesAndCreatesTheStoredMapsFolderSilently) {
    MoverFakes f;
    for (const char* name : {"Lake.gmx", "PINES.GMX", "notes.txt", "Lake.bmp"})
        f.disk.AddFile(f.Game(name), "x");
    f.mover.Load();
    EXPECT_EQ(f.log, Concat(kShapeAndPlace,
                            {"game list folder " + MoverFakes::kGame, "game list pattern *.gmx; *.GMX",
                             "stored list folder " + MoverFakes::kStored, "create " + MoverFakes::kStored,
                             "stored list folder " + MoverFakes::kStored, "stored list pattern *.gmx; *.GMX",
                             "tidy " + MoverFakes::kGame, "tidy " + MoverFakes::kStored}));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.gameList.Entries(), (Names{"Lake.gmx", "PINES.GMX"}));
    EXPECT_TRUE(f.storedList.Entries().empty());
    EXPECT_EQ(f.storedList.Folder(), MoverFakes::kStored);
    EXPECT_EQ(f.Looks(), "idle");
    EXPECT_TRUE(f.controls.Visible(MapControl::QuitButton));
    EXPECT_FALSE(f.controls.Visible(MapControl::QuitPressed));
    EXPECT_TRUE(f.controls.Visible(MapControl::CustomMapsButton));
    EXPECT_FALSE(f.controls.Visible(MapControl::CustomMapsPressed));
    EXPECT_FALSE(f.controls.NoPictureShown());
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
    again.mover.Load();
    for (const auto& event : again.log) EXPECT_NE(event.rfind("create", 0), 0u) << event;
    EXPECT_EQ(again.storedList.Entries(), (Names{"Kept.GMX"}));
    EXPECT_TRUE(again.messages.shown.empty());
}

TEST(MoverLoad, PlacementUsesTheScreenInSinglePrecision) {
    MoverFakes f;
    f.screen.width = 24000;      // 2000 pixels at 12 twips per pixel
    f.screen.height = 33554434;  // halves to 16777217, which single precision cannot hold
    f.screen.twipsX = f.screen.twipsY = 12;
    f.mover.Load();
    EXPECT_EQ(f.window.left, 12000 - 4702);
    EXPECT_EQ(f.window.top, 16777216 - 3315);
}

TEST(MoverLoad, OtherFailuresShowNumberThenDescriptionAndStop) {
    MoverFakes f;
    f.disk.AddFolder(f.kStored);
    f.disk.FailOn("list " + MoverFakes::kStored, kPermissionDenied);
    f.mover.Load();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].first, "70, planted failure: list " + MoverFakes::kStored);
    EXPECT_EQ(f.messages.shown[0].second, kApplicationTitle);
    EXPECT_EQ(f.log.back(), "message 70, planted failure: list " + MoverFakes::kStored);
    EXPECT_EQ(f.storedList.Folder(), "");

    // A game maps folder that cannot be listed is forgotten, as a missing one is.
    MoverFakes game;
    game.disk.FailOn("list " + MoverFakes::kGame, kDeviceIOError);
    game.mover.Load();
    EXPECT_EQ(game.gameForgotten, 1);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].first, "57, planted failure: list " + MoverFakes::kGame);
    for (const auto& event : game.log) EXPECT_EQ(event.find("stored list"), std::string::npos) << event;
    EXPECT_EQ(game.storedList.Folder(), "");
}

TEST(MoverLoad, MissingGameFolderIsExplainedAndForgotten) {
    MoverFakes f{"/games/gone/Home/Maps"};
    f.mover.Load();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].first, MissingGameMapsFolderText("/games/gone/Home/Maps"));
    EXPECT_NE(f.messages.shown[0].first.find("\n/games/gone/Home/Maps\n"), std::string::npos);
    EXPECT_EQ(f.messages.shown[0].second, kApplicationTitle);
    EXPECT_EQ(f.gameForgotten, 1);
    EXPECT_EQ(f.gameList.Folder(), "");
    EXPECT_EQ(f.storedList.Folder(), "");
    EXPECT_TRUE(f.gameList.Entries().empty());
    EXPECT_TRUE(f.storedList.Entries().empty());
    for (const auto& event : f.log) EXPECT_EQ(event.rfind("create", 0), std::string::npos) << event;
    EXPECT_EQ(f.Looks(), "idle");
}

TEST(MoverLoad, StoredMapsFolderThatCannotBeMadeOrReadIsExplained) {
    MoverFakes f;
    f.disk.FailOn("create " + MoverFakes::kStored);
    f.mover.Load();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].first, StoredMapsFolderNotCreatedText(MoverFakes::kStored));
    EXPECT_EQ(f.storedList.Folder(), "");
    EXPECT_EQ(f.gameList.Folder(), MoverFakes::kGame);

    MoverFakes unreadable;
    unreadable.disk.FailOn("list " + MoverFakes::kStored);
    unreadable.mover.Load();
    ASSERT_EQ(unreadable.messages.shown.size(), 1u);
    EXPECT_EQ(unreadable.messages.shown[0].first, StoredMapsFolderNotReadText(MoverFakes::kStored));
    EXPECT_TRUE(unreadable.disk.IsFolder(unreadable.kStored));
    EXPECT_EQ(unreadable.messages.shown[0].second, kApplicationTitle);
}

TEST(MoverLoad, AShapeFailureIsNotTheLoadStepsToHandle) {
    MoverFakes f;
    f.screen.twipsX = 0;
    EXPECT_THROW(f.mover.Load(), RuntimeFailure);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(f.log.empty());
}

TEST(MoverUnload, ReleasesTheShapeOnce) {
    MoverFakes f;
    f.mover.Load();
    f.mover.Unload();
    EXPECT_EQ(f.window.regions.LiveRegionCount(), 0u);
    EXPECT_EQ(f.mover.ShapeRegion, kNoRegion);
    f.mover.Unload();
    EXPECT_EQ(f.window.regions.LiveRegionCount(), 0u);
}

TEST(MoverRefresh, RePointsAndReReadsBothLists) {
    MoverFakes f;
    f.disk.AddFolder(f.kStored);
    f.mover.Load();
    f.disk.AddFile(f.Game("New.gmx"), "x");
    f.disk.AddFile(f.Stored("Old.GMX"), "x");
    EXPECT_TRUE(f.gameList.Entries().empty());
    f.ClearLog();
    f.mover.RefreshMapLists();
    EXPECT_EQ(f.log, (EventLog{"game list folder " + MoverFakes::kGame, kPattern, "game list refresh",
                               "stored list folder " + MoverFakes::kStored,
                               "stored list pattern *.gmx; *.GMX", "stored list refresh"}));
    EXPECT_EQ(f.storedList.Folder(), MoverFakes::kStored);
    EXPECT_EQ(f.gameList.Entries(), (Names{"New.gmx"}));
    EXPECT_EQ(f.storedList.Entries(), (Names{"Old.GMX"}));

    // The stored maps folder removed meanwhile: the refresh stops there, uncreated.
    f.disk.folders.erase(f.kStored);
    f.ClearLog();
    EXPECT_THROW(f.mover.RefreshMapLists(), RuntimeFailure);
    EXPECT_EQ(f.log.back(), "stored list folder " + MoverFakes::kStored);
    EXPECT_FALSE(f.disk.IsFolder(f.kStored));
}

}  // namespace
}  // namespace tessary
