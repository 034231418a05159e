// The map window over a folder of a Linux disk seen through Wine, where
// names that differ only in letter case stand side by side (prefix_test.sh
// makes it): each map keeps its own picture, and a transfer never renames a
// file nor sets aside a map of another name.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fakes/real_folders_mover.h"
#include "front/win32/win32_file_list.h"
#include "front/win32/win32_files.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

using TwinsMover = fakes::RealFoldersMover<Win32FileList, Win32Files>;

// "Lake.gmx" and "LAKE.GMX" with "lake.bmp" and "LAKE.bmp".
TEST(Win32MoverOnPreparedTwins, EachMapKeepsItsOwnPictureAndNothingIsRenamedOrSetAside) {
    const char* folder = std::getenv("TESSARY_TWINS_FOLDER");
    ASSERT_NE(folder, nullptr);
    TwinsMover m(folder);
    m.mover.Load();
    m.ClickGame("LAKE.GMX");
    EXPECT_EQ(m.controls.Preview(), m.game + "\\LAKE.bmp");
    m.ClickGame("Lake.gmx");
    EXPECT_EQ(m.controls.Preview(), m.game + "\\lake.bmp");

    m.mover.Store();
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(WinTempFolder::Listing(m.stored), "Lake.gmx;lake.bmp;");
    EXPECT_EQ(WinTempFolder::ReadBytes(m.stored + "\\lake.bmp"), "BM lake");

    // Windows takes "LAKE.GMX" for the stored "Lake.gmx": it stays.
    m.ClickGame("LAKE.GMX");
    m.mover.Store();
    EXPECT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(WinTempFolder::Listing(m.stored), "Lake.gmx;lake.bmp;");
    EXPECT_EQ(WinTempFolder::ReadBytes(m.stored + "\\Lake.gmx"), "lake map");
    EXPECT_EQ(WinTempFolder::Listing(m.game), "LAKE.GMX;LAKE.bmp;Stored Maps;");
}

}  // namespace
}  // namespace tessary
