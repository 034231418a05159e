#include "front/posix/posix_file_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/failure.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

TEST(PosixFileList, ShowsTheFolderThroughItsPattern) {
    TempFolder folder;
    folder.Write("b.gmx", "x");
    folder.Write("a.txt", "x");
    PosixFileList list;
    EXPECT_FALSE(list.HasFolder());
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_EQ(list.SelectedFileName(), "");
    list.SetFolder(folder.Path());
    EXPECT_EQ(list.Entries(), (Names{"a.txt", "b.gmx"}));
    list.SetPattern("*.gmx; *.GMX");
    EXPECT_EQ(list.Entries(), (Names{"b.gmx"}));
    EXPECT_EQ(list.Folder(), folder.Path());
    EXPECT_EQ(list.Pattern(), "*.gmx; *.GMX");
    // A folder set with its trailing separator reads back without it.
    list.SetFolder(folder.Path() + "//");
    EXPECT_EQ(list.Folder(), folder.Path());
    EXPECT_EQ(list.Entries(), (Names{"b.gmx"}));
    list.SetFolder("/");
    EXPECT_EQ(list.Folder(), "/");
}

TEST(PosixFileList, AFileAddedOutsideAppearsOnlyAfterARefresh) {
    TempFolder folder;
    PosixFileList list;
    list.SetPattern("*.gmx; *.GMX");
    list.SetFolder(folder.Path());
    EXPECT_TRUE(list.Entries().empty());
    folder.Write("New.GMX", "x");
    EXPECT_TRUE(list.Entries().empty());
    list.Refresh();
    EXPECT_EQ(list.Entries(), (Names{"New.GMX"}));
    std::filesystem::remove(folder / "New.GMX");
    list.SetFolder(folder.Path());
    EXPECT_TRUE(list.Entries().empty());
}

TEST(PosixFileList, SelectionFollowsItsNameAcrossReReads) {
    TempFolder folder;
    for (const char* name : {"b.gmx", "c.gmx"}) folder.Write(name, "x");
    PosixFileList list;
    list.SetFolder(folder.Path());
    list.Select(1);
    EXPECT_EQ(list.SelectedFileName(), "c.gmx");
    folder.Write("a.gmx", "x");
    list.Refresh();
    EXPECT_EQ(list.SelectedIndex(), 2u);
    EXPECT_EQ(list.SelectedFileName(), "c.gmx");
    std::filesystem::remove(folder / "c.gmx");
    list.Refresh();
    EXPECT_EQ(list.SelectedIndex(), std::nullopt);
    EXPECT_EQ(list.SelectedFileName(), "");
    list.Select(7);
    EXPECT_EQ(list.SelectedIndex(), std::nullopt);
    list.Select(0);
    std::filesystem::create_directory(folder / "other");
    folder.Write("other/a.gmx", "x");
    list.SetFolder(folder / "other");
    EXPECT_EQ(list.SelectedIndex(), std::nullopt);
}

TEST(PosixFileList, AFailingFolderKeepsTheOldOne) {
    TempFolder folder;
    folder.Write("a.gmx", "x");
    PosixFileList list;
    try {
        list.SetFolder(folder / "missing");
        ADD_FAILURE() << "set a missing folder";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.Number(), kPathNotFound);
    }
    EXPECT_FALSE(list.HasFolder());
    EXPECT_EQ(list.Folder(), "");
    list.Refresh();  // nothing to read
    list.SetFolder(folder.Path());
    list.Select(0);
    EXPECT_THROW(list.SetFolder(folder / "missing"), RuntimeFailure);
    EXPECT_EQ(list.Folder(), folder.Path());
    EXPECT_EQ(list.SelectedFileName(), "a.gmx");
    // The folder itself removed: a re-read fails and the entries stay.
    const std::string moved = folder / "moved";
    std::filesystem::create_directory(moved);
    list.SetFolder(moved);
    std::filesystem::remove(moved);
    EXPECT_THROW(list.Refresh(), RuntimeFailure);
    EXPECT_EQ(list.Folder(), moved);
}

}  // namespace
}  // namespace tessary
