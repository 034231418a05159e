// The Windows folder listing behind the list boxes: only the matching files
// directly in the folder (the extension in any letter case, as Windows
// compares names), in the natural order, with any name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "front/win32/folder_listing.h"
#include "front/win32/long_path.h"
#include "front/win32/win32_file_list.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;
using Names = std::vector<std::string>;

const FilePattern kMaps("*.gmx; *.GMX");

TEST(Win32FolderListing, ListsOnlyMatchingFilesDirectlyInTheFolderInNaturalOrder) {
    WinTempFolder folder;
    for (const char* name :
         {"map10.gmx", "map2.gmx", "Map1.GMX", "Lake.Gmx", "LAKE2.gMx", "readme.txt", "a.bmp", "zeta.gmx"}) {
        folder.Write(name);
    }
    CreateDirectoryW(LongPath(folder / "Stored Maps").c_str(), nullptr);
    CreateDirectoryW(LongPath(folder / "folder.gmx").c_str(), nullptr);
    folder.Write("Stored Maps\\inner.gmx");
    EXPECT_EQ(ListMatchingWindowsFiles(folder.Path(), kMaps),
              (Names{"Lake.Gmx", "LAKE2.gMx", "Map1.GMX", "map2.gmx", "map10.gmx", "zeta.gmx"}));
    EXPECT_EQ(ListMatchingWindowsFiles(folder / "Stored Maps", kMaps), Names{"inner.gmx"});
}

TEST(Win32FolderListing, KeepsAnyNameAsUtf8) {
    WinTempFolder folder;
    const std::string names[] = {"\xC3\x84rger.gmx", "\xE6\xA3\xAE.gmx", "\xF0\x9F\xA6\x8C Deer.gmx"};
    for (const auto& name : names) folder.Write(name);
    const Names listed = ListMatchingWindowsFiles(folder.Path(), kMaps);
    ASSERT_EQ(listed.size(), 3u);
    for (const auto& name : names) {
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
        EXPECT_NE(WinTempFolder::ReadBytes(folder / name), "<missing>") << name;
    }
}

TEST(Win32FolderListing, AMissingFolderOrAFileIsPathNotFound) {
    WinTempFolder folder;
    const std::string file = folder.Write("plain.gmx");
    for (const std::string& path : {folder / "missing", file}) {
        try {
            ListMatchingWindowsFiles(path, kMaps);
            ADD_FAILURE() << path << " was listed";
        } catch (const RuntimeFailure& failure) {
            EXPECT_EQ(failure.Number(), kPathNotFound) << path;
        }
    }
    EXPECT_TRUE(ListMatchingWindowsFiles(folder / ".", FilePattern("*.txt")).empty());
}

TEST(Win32FileList, FolderReadsBackWithoutTrailingSeparatorsButADriveRootKeepsIt) {
    WinTempFolder folder;
    folder.Write("one.gmx");
    Win32FileList list;
    list.SetPattern("*.gmx; *.GMX");
    list.SetFolder(folder.Path() + "\\\\");
    EXPECT_EQ(list.Folder(), folder.Path());
    EXPECT_EQ(list.Entries(), Names{"one.gmx"});
    list.SetFolder("C:\\");
    EXPECT_EQ(list.Folder(), "C:\\");
    // A failing folder keeps the list as it was.
    EXPECT_THROW(list.SetFolder(folder / "gone"), RuntimeFailure);
    EXPECT_EQ(list.Folder(), "C:\\");
}

}  // namespace
}  // namespace tessary
