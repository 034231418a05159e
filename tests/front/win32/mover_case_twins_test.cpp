// The map window over a folder of a Linux disk seen through Wine, where
// names that differ only in letter case stand side by side (prefix_test.sh
// makes it): each map keeps its own picture, and a transfer never renames a
// file nor sets aside a map of another name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "fakes/fake_mover.h"
#include "front/win32/win32_file_list.h"
#include "front/win32/win32_files.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

// A picture area that remembers the path it was asked to load.
class PathPictureArea : public PictureArea {
public:
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Visible() const override { return visible_; }
    void LoadPicture(const std::string& path) override {
        if (!Win32Files().FileExists(path)) throw RuntimeFailure(kFileNotFound, "File not found");
        picture = path;
    }
    void ClearPicture() override { picture.reset(); }
    std::optional<std::string> picture;

private:
    bool visible_ = true;
};

struct TwinsMover {
    explicit TwinsMover(const std::string& folder) : game(folder), stored(folder + "\\Stored Maps") {}
    static std::array<PictureArea*, kImageSlotCount> PointersTo(
        std::array<PathPictureArea, kImageSlotCount>& areas) {
        std::array<PictureArea*, kImageSlotCount> pointers{};
        for (std::size_t k = 1; k < pointers.size(); ++k) pointers[k] = &areas[k];
        return pointers;
    }
    void ClickGame(const std::string& name) {
        const auto& entries = File1.Entries();
        const auto it = std::find(entries.begin(), entries.end(), name);
        ASSERT_NE(it, entries.end()) << name;
        File1.Select(static_cast<std::size_t>(it - entries.begin()));
        mover.File1_Click();
    }

    std::string game, stored;
    fakes::EventLog log;
    Win32FileList File1, File2;
    std::array<PathPictureArea, kImageSlotCount> images;
    std::array<PictureArea*, kImageSlotCount> imageArray = PointersTo(images);
    fakes::FakeLabel Label1{log};
    fakes::FakeMoverWindow window{log};
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    Win32Files files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    Mover mover{GameMapsPlace{game, [] {}}, MoverControls{File1, File2, imageArray, Label1},
                MoverServices{window, screen, pointer, messages, files, shell, application}};
};

// "Lake.gmx" and "LAKE.GMX" with "lake.bmp" and "LAKE.bmp".
TEST(Win32MoverOnPreparedTwins, EachMapKeepsItsOwnPictureAndNothingIsRenamedOrSetAside) {
    const char* folder = std::getenv("TESSARY_TWINS_FOLDER");
    ASSERT_NE(folder, nullptr);
    TwinsMover m(folder);
    m.mover.Form_Load();
    m.ClickGame("LAKE.GMX");
    EXPECT_EQ(m.images[1].picture, m.game + "\\LAKE.bmp");
    m.ClickGame("Lake.gmx");
    EXPECT_EQ(m.images[1].picture, m.game + "\\lake.bmp");

    m.mover.Image13_MouseDown();
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(WinTempFolder::Listing(m.stored), "Lake.gmx;lake.bmp;");
    EXPECT_EQ(WinTempFolder::ReadBytes(m.stored + "\\lake.bmp"), "BM lake");

    // Windows takes "LAKE.GMX" for the stored "Lake.gmx": it stays.
    m.ClickGame("LAKE.GMX");
    m.mover.Image13_MouseDown();
    EXPECT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(WinTempFolder::Listing(m.stored), "Lake.gmx;lake.bmp;");
    EXPECT_EQ(WinTempFolder::ReadBytes(m.stored + "\\Lake.gmx"), "lake map");
    EXPECT_EQ(WinTempFolder::Listing(m.game), "LAKE.GMX;LAKE.bmp;Stored Maps;");
}

}  // namespace
}  // namespace tessary
