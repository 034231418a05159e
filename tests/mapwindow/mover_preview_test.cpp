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
        mover.Form_Load();
        ClearLog();
    }
};

TEST(MoverPreview, APictureIsShownAndTheLabelHidden) {
    Loaded f;
    f.disk.AddFile(f.Game("Lake.gmx"), "map");
    f.disk.AddFile(f.Game("Lake.bmp"), "BM picture");
    f.File1.selected = "Lake.gmx";
    f.mover.File1_Click();
    EXPECT_EQ(f.log,
              (EventLog{"Image2 hidden", "Image12 hidden", "Image17 shown", "Image18 hidden", "Image3 hidden",
                        "Image13 shown", "Label1 hidden", "Image1 load " + f.Game("Lake.bmp")}));
    EXPECT_EQ(f.Image(1).picture, f.Game("Lake.bmp"));
    EXPECT_FALSE(f.Label1.Visible());
    EXPECT_EQ(f.mover.SelectedGameMap, f.Game("Lake.gmx"));
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, f.Game("Lake.bmp"));
    EXPECT_EQ(f.mover.NameLength, static_cast<std::int16_t>(f.Game("Lake.gmx").size() - 3));
}

TEST(MoverPreview, MissingOrBrokenPictureShowsTheLabelWithTheMapStillChosen) {
    Loaded f;
    f.disk.AddFile(f.Stored("Elk.GMX"), "map");
    f.disk.AddFile(f.Stored("Bad.gmx"), "map");
    f.disk.AddFile(f.Stored("Bad.bmp"), "not a picture");
    f.disk.AddFile(f.Game("Lake.bmp"), "BM picture");
    f.File1.selected = "Lake.gmx";
    f.mover.File1_Click();
    ASSERT_TRUE(f.Image(1).picture.has_value());

    for (const char* name : {"Elk.GMX", "Bad.gmx"}) {
        f.ClearLog();
        f.File2.selected = name;
        f.mover.File2_Click();
        const std::string stem = std::string(name).substr(0, 4);
        EXPECT_EQ(f.log.back(), "Label1 shown") << name;
        EXPECT_EQ(f.log[f.log.size() - 2], "Image1 cleared") << name;
        // A picture that is not there is not even tried.
        if (f.disk.HasFile(f.Stored(stem + "bmp")))
            EXPECT_EQ(f.log[f.log.size() - 3], "Image1 load " + f.Stored(stem + "bmp")) << name;
        EXPECT_FALSE(f.Image(1).picture.has_value());
        EXPECT_TRUE(f.Label1.Visible());
        // Chosen before the load: the map can be moved all the same.
        EXPECT_EQ(f.mover.SelectedStoredMap, f.Stored(name));
        EXPECT_EQ(f.mover.SelectedGameMap, "");
        EXPECT_EQ(f.mover.PreviewPicturePath, f.Stored(stem + "bmp"));
        EXPECT_EQ(f.Looks(), "12 18");
    }

    // Back to a map with a picture: the label goes again.
    f.File1.selected = "Lake.gmx";
    f.mover.File1_Click();
    EXPECT_FALSE(f.Label1.Visible());
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.Looks(), "17 13");
}

TEST(MoverPreview, NamesThatGiveNoPictureNameNeverCrash) {
    Loaded f;
    const std::int16_t before = f.mover.NameLength;
    f.File2.selected = "ab";
    f.mover.File2_Click();
    EXPECT_EQ(f.mover.SelectedStoredMap, f.Stored("ab"));
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_EQ(f.mover.NameLength, before);
    EXPECT_TRUE(f.Label1.Visible());
    for (const auto& event : f.log) EXPECT_NE(event.rfind("Image1 load", 0), 0u) << event;

    // Nothing selected: nothing is chosen.
    f.File2.selected = "";
    f.mover.File2_Click();
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_TRUE(f.Label1.Visible());

    // A path too long for the 16-bit working length.
    const std::string deep = JoinPath(f.kGame, std::string(40000, 'd'));
    f.disk.AddFolder(deep);
    f.File1.SetFolder(deep);
    f.File1.selected = "Far.gmx";
    f.ClearLog();
    f.mover.File1_Click();
    EXPECT_EQ(f.mover.SelectedGameMap, JoinPath(deep, "Far.gmx"));
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_EQ(f.mover.NameLength, before);
    EXPECT_EQ(f.log.back(), "Label1 shown");
}

TEST(MoverCommands, LosingTheStoredListsFocusForgetsOnlyTheStoredMap) {
    Loaded f;
    f.File2.selected = "Elk.gmx";
    f.mover.File2_Click();
    const std::string picture = f.mover.PreviewPicturePath;
    f.ClearLog();
    f.mover.File2_LostFocus();
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, picture);
    // No install button stays up with nothing behind it.
    EXPECT_EQ(f.Looks(), "2 3");

    f.File1.selected = "Lake.gmx";
    f.mover.File1_Click();
    f.ClearLog();
    f.mover.File2_LostFocus();
    EXPECT_TRUE(f.log.empty());
    EXPECT_EQ(f.mover.SelectedGameMap, f.Game("Lake.gmx"));
    EXPECT_EQ(f.Looks(), "17 13");
}

}  // namespace
}  // namespace tessary
