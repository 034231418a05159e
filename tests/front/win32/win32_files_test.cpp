// File operations on a real Windows file system: whole copies or none,
// failures that lose nothing, Unicode and long names.
#include <gtest/gtest.h>

#include <functional>

#include "platform/failure.h"
#include "front/win32/replacing_file.h"
#include "front/win32/win32_files.h"
#include "support/journal_checks.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

int FailureNumberOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const RuntimeFailure& failure) {
        return failure.Number();
    }
    return 0;
}

class Win32FilesTest : public ::testing::Test {
protected:
    WinTempFolder folder;
    Win32Files files;
};

TEST_F(Win32FilesTest, CopyNeverReplacesWorksUnderAnyNameAndLeavesNoTemporaryFile) {
    // Names outside every ANSI code page; a file in the way is never replaced.
    const std::string source =
        folder.Write("\xd0\x9a\xd0\xb0\xd1\x80\xd1\x82\xd0\xb0 \xc4\x81.gmx", std::string(300000, 'm'));
    const std::string target = folder.Write("target.gmx", std::string(500000, 'o'));
    EXPECT_EQ(FailureNumberOf([&] { files.Copy(source, target); }), kFileAlreadyExists);
    EXPECT_EQ(WinTempFolder::ReadBytes(target), std::string(500000, 'o'));
    files.Delete(target);
    files.Copy(source, target);
    EXPECT_EQ(WinTempFolder::ReadBytes(target), std::string(300000, 'm'));
    EXPECT_EQ(WinTempFolder::ReadBytes(source), std::string(300000, 'm'));
    EXPECT_EQ(WinTempFolder::Listing(folder.Path()),
              "target.gmx;\xd0\x9a\xd0\xb0\xd1\x80\xd1\x82\xd0\xb0 \xc4\x81.gmx;");
    EXPECT_TRUE(files.FileExists(target));
    EXPECT_FALSE(files.FileExists(folder.Path()));
}

// What a copy cut off by a crash left behind goes; files that only look
// alike stay.
TEST_F(Win32FilesTest, RemovesOnlyTheTemporaryFilesOfCutOffCopies) {
    folder.Write(".tessary-12-0-345.tmp", "half a map");
    folder.Write(".tessary-12-0-345.gmx", "a map");
    folder.Write(".tessary-notes.tmp", "notes");
    folder.Write("map.gmx", "map");
    // A copy still being written is not a leftover.
    Win32ReplacingFile underWay(folder / "live.gmx");
    underWay.WriteAll("half", 4);
    files.RemoveTemporaryFiles(folder.Path());
    underWay.WriteAll(" a map", 6);
    underWay.Commit(Win32ReplacingFile::Existing::Keep);
    EXPECT_EQ(WinTempFolder::Listing(folder.Path()),
              ".tessary-12-0-345.gmx;.tessary-notes.tmp;live.gmx;map.gmx;");
    EXPECT_EQ(WinTempFolder::ReadBytes(folder / "live.gmx"), "half a map");
}

// A new file never goes over what stands at its name (under any letter
// case), and one that is not finished is gone.
TEST_F(Win32FilesTest, NewFileRefusesATakenNameAndGoesWhenNotFinished) {
    const std::string taken = folder.Write("taken.gmx", "old");
    EXPECT_EQ(FailureNumberOf([&] { files.CreateNewFile(folder / "TAKEN.GMX"); }), kFileAlreadyExists);
    EXPECT_EQ(WinTempFolder::ReadBytes(taken), "old");

    files.CreateNewFile(folder / "cut.gmx")->Write("part", 4);
    const auto out = files.CreateNewFile(folder / "new.gmx");
    out->Write("whole", 5);
    out->Finish();
    EXPECT_EQ(WinTempFolder::ReadBytes(folder / "new.gmx"), "whole");
    EXPECT_EQ(WinTempFolder::Listing(folder.Path()), "new.gmx;taken.gmx;");
}

TEST_F(Win32FilesTest, CopyOntoItselfUnderAnySpellingFailsAndKeepsTheFile) {
    const std::string map = folder.Write("map.gmx", "map");
    EXPECT_NE(FailureNumberOf([&] { files.Copy(map, map); }), 0);
    EXPECT_NE(FailureNumberOf([&] { files.Copy(map, folder / "MAP.GMX"); }), 0);
    EXPECT_NE(FailureNumberOf([&] { files.Copy(map, folder.Path() + "\\.\\map.gmx"); }), 0);
    EXPECT_EQ(WinTempFolder::ReadBytes(map), "map");
    EXPECT_EQ(WinTempFolder::Listing(folder.Path()), "map.gmx;");
}

TEST_F(Win32FilesTest, CopyOntoAReadOnlyFileFailsLosingNothing) {
    const std::string source = folder.Write("new.gmx", "new");
    const std::string target = folder.Write("old.gmx", "old");
    ASSERT_TRUE(SetFileAttributesW(LongPath(target).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_NE(FailureNumberOf([&] { files.Copy(source, target); }), 0);
    EXPECT_EQ(WinTempFolder::ReadBytes(target), "old");
    EXPECT_EQ(WinTempFolder::ReadBytes(source), "new");
    EXPECT_EQ(WinTempFolder::Listing(folder.Path()), "new.gmx;old.gmx;");
    EXPECT_NE(FailureNumberOf([&] { files.WriteWhole(target, "text"); }), 0);
    EXPECT_EQ(WinTempFolder::ReadBytes(target), "old");
}

TEST_F(Win32FilesTest, MissingFilesAndFoldersFailWithTheirNumbers) {
    const std::string source = folder.Write("map.gmx", "map");
    EXPECT_NE(FailureNumberOf([&] { files.Copy(folder / "none.gmx", folder / "copy.gmx"); }), 0);
    EXPECT_EQ(FailureNumberOf([&] { files.Copy(source, folder / "none\\copy.gmx"); }), kPathNotFound);
    EXPECT_EQ(FailureNumberOf([&] { files.Delete(folder / "none.gmx"); }), kFileNotFound);
    EXPECT_EQ(FailureNumberOf([&] { files.Delete(folder / "none\\map.gmx"); }), kPathNotFound);
    EXPECT_EQ(FailureNumberOf([&] { files.CreateFolder(folder / "none\\Stored Maps"); }), kPathNotFound);
    files.CreateFolder(folder / "Stored Maps");
    EXPECT_NE(FailureNumberOf([&] { files.CreateFolder(folder / "Stored Maps"); }), 0);
    EXPECT_NE(FailureNumberOf([&] { files.ReadStart(folder / "none.txt", 100); }), 0);
    EXPECT_EQ(WinTempFolder::Listing(folder.Path()), "Stored Maps;map.gmx;");
    files.Delete(source);
    EXPECT_FALSE(files.FileExists(source));
}

TEST_F(Win32FilesTest, PathsLongerThan260CharactersWork) {
    std::string deep = folder.Path();
    while (deep.size() < 400) {
        deep += "\\" + std::string(40, 'd');
        files.CreateFolder(deep);
    }
    const std::string source = folder.Write("map.gmx", "map");
    files.Copy(source, deep + "\\map.gmx");
    EXPECT_TRUE(files.FileExists(deep + "\\map.gmx"));
    files.Copy(deep + "\\map.gmx", deep + "\\back.gmx");
    EXPECT_EQ(files.ReadStart(deep + "\\back.gmx", 100), "map");
    files.Delete(deep + "\\map.gmx");
    EXPECT_FALSE(files.FileExists(deep + "\\map.gmx"));
}

// A journal counts as abandoned only once its program has let it go.
TEST_F(Win32FilesTest, AJournalIsAbandonedOnlyWhenItsProgramLetsGo) {
    testing::ExpectJournalAbandonedOnlyWhenLetGo(files, folder.Path());
}

}  // namespace
}  // namespace tessary
