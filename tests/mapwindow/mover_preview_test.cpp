#include <gtest/gtest.h>

#include "fakes/fake_mover.h"
#include "platform/path.h"

namespace tessary {
namespace {

using fakes::EventLog;
using fakes::MoverFakes;

struct Loaded : MoverFakes {
    Loaded() {
        disk.AddFolder(kStored);
        mover.Load();
        ClearLog();
    }
};

TEST(MoverPreview, APictureIsShownAndTheLabelHidden) {
    Loaded f;
    f.disk.AddFile(f.Game("Lake.gmx"), "map");
    f.disk.AddFile(f.Game("Lake.bmp"), "BM picture");
    f.gameList.selected = "Lake.gmx";
    f.mover.ChooseGameMap();
    EXPECT_EQ(f.Looks(), "store");
    EXPECT_EQ(f.controls.Preview(), f.Game("Lake.bmp"));
    EXPECT_FALSE(f.controls.NoPictureShown());
    EXPECT_EQ(f.mover.SelectedGameMap, f.Game("Lake.gmx"));
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, f.Game("Lake.bmp"));
}

TEST(MoverPreview, MissingOrBrokenPictureShowsTheLabelWithTheMapStillChosen) {
    Loaded f;
    f.disk.AddFile(f.Stored("Elk.GMX"), "map");
    f.disk.AddFile(f.Stored("Bad.gmx"), "map");
    f.disk.AddFile(f.Stored("Bad.bmp"), "not a picture");
    f.disk.AddFile(f.Game("Lake.bmp"), "BM picture");
    f.gameList.selected = "Lake.gmx";
    f.mover.ChooseGameMap();
    ASSERT_TRUE(f.controls.Preview().has_value());

    for (const char* name : {"Elk.GMX", "Bad.gmx"}) {
        f.ClearLog();
        f.storedList.selected = name;
        f.mover.ChooseStoredMap();
        const std::string stem = std::string(name).substr(0, 4);
        EXPECT_FALSE(f.controls.Preview().has_value()) << name;
        EXPECT_TRUE(f.controls.NoPictureShown());
        // Chosen before the load: the map can be moved all the same.
        EXPECT_EQ(f.mover.SelectedStoredMap, f.Stored(name));
        EXPECT_EQ(f.mover.SelectedGameMap, "");
        EXPECT_EQ(f.mover.PreviewPicturePath, f.Stored(stem + "bmp"));
        EXPECT_EQ(f.Looks(), "install");
    }

    // Back to a map with a picture: the label goes again.
    f.gameList.selected = "Lake.gmx";
    f.mover.ChooseGameMap();
    EXPECT_FALSE(f.controls.NoPictureShown());
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.Looks(), "store");
}

TEST(MoverPreview, NamesThatGiveNoPictureNameNeverCrash) {
    Loaded f;
    f.storedList.selected = "ab";
    f.mover.ChooseStoredMap();
    EXPECT_EQ(f.mover.SelectedStoredMap, f.Stored("ab"));
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_TRUE(f.controls.NoPictureShown());

    // Nothing selected: nothing is chosen.
    f.storedList.selected = "";
    f.mover.ChooseStoredMap();
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_TRUE(f.controls.NoPictureShown());

    // A path too long to give a picture name.
    const std::string deep = JoinPath(f.kGame, std::string(40000, 'd'));
    f.disk.AddFolder(deep);
    f.gameList.SetFolder(deep);
    f.gameList.selected = "Far.gmx";
    f.ClearLog();
    f.mover.ChooseGameMap();
    EXPECT_EQ(f.mover.SelectedGameMap, JoinPath(deep, "Far.gmx"));
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_TRUE(f.controls.NoPictureShown());
}

TEST(MoverCommands, LosingTheStoredListsFocusForgetsOnlyTheStoredMap) {
    Loaded f;
    f.storedList.selected = "Elk.gmx";
    f.mover.ChooseStoredMap();
    const std::string picture = f.mover.PreviewPicturePath;
    f.ClearLog();
    f.mover.ForgetStoredMap();
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, picture);
    // No install button stays up with nothing behind it.
    EXPECT_EQ(f.Looks(), "idle");

    f.gameList.selected = "Lake.gmx";
    f.mover.ChooseGameMap();
    f.mover.ForgetStoredMap();
    EXPECT_EQ(f.mover.SelectedGameMap, f.Game("Lake.gmx"));
    EXPECT_EQ(f.Looks(), "store");
}

}  // namespace
}  // namespace tessary
