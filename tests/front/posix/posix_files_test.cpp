// File operations and text files against real temporary folders.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "platform/failure.h"
#include "front/posix/posix_files.h"
#include "mapwindow/staging.h"
#include "support/journal_checks.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

using testing::ReadAll;

class PosixFilesTest : public ::testing::Test {
protected:
    // The names directly in a folder.
    std::set<std::string> Names(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
    int FailureNumber(const std::function<void()>& operation) {
        try {
            operation();
        } catch (const RuntimeFailure& failure) {
            return failure.Number();
        }
        return 0;
    }
    mode_t Mode(const std::string& path) const {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    testing::TempFolder folder;
    PosixFiles files;
};

// Another program rewriting the source in place while it is copied: the
// copy would hold the old head and the new tail, so it is not made.
TEST_F(PosixFilesTest, CopyFailsWhenTheSourceIsRewrittenMeanwhile) {
    const std::string from = folder.Write("maps/big.gmx", std::string(32 << 20, 'o'));
    const std::string to = folder.Write("store/big.gmx", "old");
    std::atomic<bool> copying{true};
    std::thread writer([&] {
        const int fd = ::open(from.c_str(), O_WRONLY);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        for (char c = 'a'; copying; c = c == 'z' ? 'a' : char(c + 1)) {
            const std::string block(4096, c);
            ASSERT_EQ(::pwrite(fd, block.data(), block.size(), 0), 4096);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        ::close(fd);
    });
    EXPECT_THROW(files.Copy(from, to), RuntimeFailure);
    copying = false;
    writer.join();
    EXPECT_EQ(ReadAll(to), "old");
    EXPECT_EQ(Names(folder / "store"), std::set<std::string>{"big.gmx"});
}

TEST_F(PosixFilesTest, CopyNeverReplacesAndKeepsTheSourcesPermissions) {
    std::string content(300000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = char(i * 7 % 251);
    const std::string from = folder.Write("maps/a.gmx", content);
    ::chmod(from.c_str(), 0640);
    const std::string to = folder.Write("store/a.gmx", "old and longer than nothing");
    ::chmod(to.c_str(), 0600);
    ASSERT_EQ(::symlink("nowhere", (folder / "store/b.gmx").c_str()), 0);

    EXPECT_THROW(files.Copy(from, to), RuntimeFailure);
    EXPECT_THROW(files.Copy(from, folder / "store/b.gmx"), RuntimeFailure);
    EXPECT_EQ(ReadAll(to), "old and longer than nothing");
    EXPECT_EQ(Names(folder / "store"), (std::set<std::string>{"a.gmx", "b.gmx"}));
    files.Delete(to);
    files.Copy(from, to);
    EXPECT_EQ(ReadAll(to), content);
    EXPECT_EQ(Mode(to), 0640u);
    EXPECT_EQ(ReadAll(from), content);

    folder.Write("empty.bmp", "");
    files.Copy(folder / "empty.bmp", folder / "store/new.bmp");
    EXPECT_EQ(ReadAll(folder / "store/new.bmp"), "");
}

TEST_F(PosixFilesTest, CopyOntoItselfIsRefusedAndLeavesTheSource) {
    const std::string from = folder.Write("a.gmx", "map");
    folder.Link("a.gmx", "link.gmx");
    std::filesystem::create_hard_link(from, folder / "hard.gmx");
    EXPECT_NE(FailureNumber([&] { files.Copy(from, from); }), 0);
    EXPECT_NE(FailureNumber([&] { files.Copy(from, folder / "link.gmx"); }), 0);
    EXPECT_NE(FailureNumber([&] { files.Copy(folder / "link.gmx", folder / "hard.gmx"); }), 0);
    EXPECT_EQ(ReadAll(from), "map");
    EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"a.gmx", "link.gmx", "hard.gmx"}));
}

TEST_F(PosixFilesTest, FailedCopyLeavesNothingBehind) {
    const std::string from = folder.Write("a.gmx", "map");
    folder.Write("plain", "file");
    folder.Folder("store/taken.gmx");

    EXPECT_EQ(FailureNumber([&] { files.Copy(from, folder / "missing/a.gmx"); }), kPathNotFound);
    EXPECT_NE(FailureNumber([&] { files.Copy(from, folder / "plain/a.gmx"); }), 0);
    EXPECT_NE(FailureNumber([&] { files.Copy(from, folder / "store/taken.gmx"); }), 0);
    EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"a.gmx", "plain", "store"}));
    EXPECT_EQ(Names(folder / "store"), std::set<std::string>{"taken.gmx"});
}

// A new file never goes over or through what stands at its name, and one
// that is not finished is gone.
TEST_F(PosixFilesTest, NewFileRefusesATakenNameOrALinkAndGoesWhenNotFinished) {
    const std::string taken = folder.Write("taken.gmx", "old");
    const std::string target = folder.Write("target.gmx", "target");
    folder.Link(target, "link.gmx");
    folder.Link(folder / "nowhere.gmx", "dangling.gmx");
    for (const char* name : {"taken.gmx", "link.gmx", "dangling.gmx"}) {
        EXPECT_EQ(FailureNumber([&] { files.CreateNewFile(folder / name); }), kFileAlreadyExists) << name;
    }
    EXPECT_EQ(ReadAll(taken), "old");
    EXPECT_EQ(ReadAll(target), "target");
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere.gmx"));

    files.CreateNewFile(folder / "cut.gmx")->Write("part", 4);
    EXPECT_FALSE(files.NameTaken(folder / "cut.gmx"));
    const auto out = files.CreateNewFile(folder / "new.gmx");
    out->Write("whole", 5);
    out->Finish();
    EXPECT_EQ(ReadAll(folder / "new.gmx"), "whole");
}

// Staging folders an add left behind go with their files; a link of such a
// name is no staging folder, and what it leads to stays untouched.
TEST_F(PosixFilesTest, LeftStagingFoldersGoButNeverThroughALink) {
    folder.Write("Maps/.tessary-adding-1/Lake.gmx", "staged");
    const std::string map = folder.Write("Other/Hill.gmx", "hill");
    folder.Link(folder / "Other", "Maps/.tessary-adding-2");
    RemoveLeftStagingFolders(files, folder / "Maps");
    EXPECT_EQ(Names(folder / "Maps"), std::set<std::string>{".tessary-adding-2"});
    EXPECT_EQ(ReadAll(map), "hill");
}

TEST_F(PosixFilesTest, CopyNeedsARegularSourceFile) {
    folder.Folder("dir");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    EXPECT_EQ(FailureNumber([&] { files.Copy(folder / "none.gmx", folder / "b.gmx"); }), kPathNotFound);
    EXPECT_NE(FailureNumber([&] { files.Copy(folder / "dir", folder / "b.gmx"); }), 0);
    EXPECT_NE(FailureNumber([&] { files.Copy(folder / "fifo", folder / "b.gmx"); }), 0);
    EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"dir", "fifo"}));
}

TEST_F(PosixFilesTest, DeleteRemovesAFileAndFailsWhenThereIsNone) {
    const std::string path = folder.Write("a.gmx");
    files.Delete(path);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(FailureNumber([&] { files.Delete(path); }), kFileNotFound);
    EXPECT_EQ(FailureNumber([&] { files.Delete(folder / "none/a.gmx"); }), kPathNotFound);
    folder.Folder("dir");
    EXPECT_NE(FailureNumber([&] { files.Delete(folder / "dir"); }), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir"));
}

TEST_F(PosixFilesTest, CreateFolderNeedsItsParent) {
    files.CreateFolder(folder / "Stored Maps");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Stored Maps"));
    EXPECT_EQ(FailureNumber([&] { files.CreateFolder(folder / "no/such"); }), kPathNotFound);
    EXPECT_NE(FailureNumber([&] { files.CreateFolder(folder / "Stored Maps"); }), 0);
}

TEST_F(PosixFilesTest, FileExistsOnlyForFiles) {
    folder.Write("a.gmx");
    folder.Folder("dir");
    folder.Link("a.gmx", "link");
    folder.Link("none", "dangling");
    EXPECT_TRUE(files.FileExists(folder / "a.gmx"));
    EXPECT_TRUE(files.FileExists(folder / "link"));
    EXPECT_FALSE(files.FileExists(folder / "dir"));
    EXPECT_FALSE(files.FileExists(folder / "dangling"));
    EXPECT_FALSE(files.FileExists(folder / "none"));
}

TEST_F(PosixFilesTest, WriteWholeAndReadStartRoundTrip) {
    const std::string path = folder / "maplog.txt";
    const std::string bytes = std::string("\"D:\\Games\\Hunt\\Home\\Maps\"\r\n") + '\0' + "\xff";
    files.WriteWhole(path, bytes);
    EXPECT_EQ(files.ReadStart(path, 1 << 16), bytes);
    EXPECT_EQ(files.ReadStart(path, 5), bytes.substr(0, 5));
    EXPECT_EQ(Mode(path), 0644u);

    ::chmod(path.c_str(), 0600);
    files.WriteWhole(path, "short");
    EXPECT_EQ(ReadAll(path), "short");
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"maplog.txt"});

    const std::string big(200000, 'b');
    files.WriteWhole(path, big);
    EXPECT_EQ(files.ReadStart(path, 1 << 20), big);
    EXPECT_EQ(files.ReadStart(path, 70000), big.substr(0, 70000));
}

TEST_F(PosixFilesTest, TextFilesFailCleanly) {
    EXPECT_EQ(FailureNumber([&] { files.ReadStart(folder / "none.txt", 10); }), kPathNotFound);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    EXPECT_NE(FailureNumber([&] { files.ReadStart(folder / "fifo", 10); }), 0);
    EXPECT_EQ(FailureNumber([&] { files.WriteWhole(folder / "none/maplog.txt", "x"); }), kPathNotFound);
    folder.Folder("dir");
    EXPECT_NE(FailureNumber([&] { files.WriteWhole(folder / "dir", "x"); }), 0);
    EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"fifo", "dir"}));
}

}  // namespace
}  // namespace tessary

namespace tessary {
namespace {

TEST_F(PosixFilesTest, MoveRenamesButNeverReplaces) {
    const std::string from = folder.Write("maps/a.gmx", "map a");
    const std::string taken = folder.Write("maps/Replaced Maps/a.gmx", "older a");
    EXPECT_EQ(FailureNumber([&] { files.Move(from, taken); }), kFileAlreadyExists);
    EXPECT_EQ(ReadAll(taken), "older a");
    EXPECT_EQ(ReadAll(from), "map a");

    const std::string to = folder / "maps/Replaced Maps/a (2).gmx";
    files.Move(from, to);
    EXPECT_EQ(ReadAll(to), "map a");
    EXPECT_FALSE(files.FileExists(from));
    EXPECT_EQ(FailureNumber([&] { files.Move(from, to + "x"); }), kPathNotFound);
    EXPECT_EQ(FailureNumber([&] { files.Move(to, folder / "missing/a.gmx"); }), kPathNotFound);
    EXPECT_EQ(FailureNumber([&] { files.Move(folder / "maps", folder / "moved"); }), kPathFileAccessError);
    EXPECT_TRUE(files.FileExists(to));
}

TEST_F(PosixFilesTest, ThereIsNoTrashWithoutADesktop) {
    const std::string path = folder.Write("a.gmx", "map a");
    EXPECT_NE(FailureNumber([&] { files.MoveToTrash(path); }), 0);
    EXPECT_EQ(ReadAll(path), "map a");
}

// A journal counts as abandoned only once its program has let it go, and a
// request to quit waits while it is open.
TEST_F(PosixFilesTest, AJournalIsAbandonedOnlyWhenItsProgramLetsGoAndHoldsQuitRequests) {
    testing::ExpectJournalAbandonedOnlyWhenLetGo(files, folder.Path());
    if (HasFatalFailure()) return;

    const std::string done = folder.Path() + "/done";
    const pid_t child = ::fork();
    if (child == 0) {
        auto held = files.StartJournal(folder.Path());
        ::kill(::getpid(), SIGTERM);
        ::close(::open(done.c_str(), O_CREAT | O_WRONLY, 0600));
        held->Finish();
        held.reset();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_TRUE(std::filesystem::exists(done));
}

}  // namespace
}  // namespace tessary
