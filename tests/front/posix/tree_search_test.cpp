// The tree search against real folder trees.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "front/posix/tree_search.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace tessary {
namespace {

const std::string kExe = "Marrowby.exe";

std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

class TreeSearchTest : public ::testing::Test {
protected:
    std::string Find() { return search.Find(tree.Path() + "/", kExe); }
    testing::TempFolder tree;
    PosixTreeSearch search;
};

TEST_F(TreeSearchTest, FindsTheNameInAnyLetterCase) {
    tree.Write("Games/Hunt/MARROWBY.EXE");
    tree.Write("Games/Hunt/Marrowby.exe.bak");
    tree.Write("Games/Marrowby.ex");
    EXPECT_EQ(Find(), tree.Path() + "/Games/Hunt/MARROWBY.EXE");
    // A root given without its separator gets one.
    EXPECT_EQ(search.Find(tree.Path(), "marrowby.exe"), tree.Path() + "/Games/Hunt/MARROWBY.EXE");
}

// A link to the root of the system must not lead into /proc, where every
// process's working folder and open files can be reached.
TEST_F(TreeSearchTest, NeverEntersTheProcessFileSystem) {
    tree.Link("/proc/self", "drive/self");
    EXPECT_EQ(search.Find(tree.Path(), "status"), "");
    EXPECT_EQ(search.Find("/proc/self", "status"), "");
}

TEST_F(TreeSearchTest, NothingFoundGivesEmpty) {
    tree.Write("a/b/c/Other.exe");
    tree.Folder("a/Marrowby.exe");  // a folder of that name is no match
    EXPECT_EQ(Find(), "");
    EXPECT_EQ(search.Find(tree / "missing/", kExe), "");
    EXPECT_EQ(search.Find("", kExe), "");
}

TEST_F(TreeSearchTest, VisitsFilesFirstThenSubfoldersInByteOrder) {
    tree.Write("b/Marrowby.exe");
    tree.Write("a/x/y/Marrowby.exe");
    tree.Write("B/z/Marrowby.exe");  // "B" sorts before "a"
    EXPECT_EQ(Find(), tree.Path() + "/B/z/Marrowby.exe");

    tree.Write("marrowby.exe");
    tree.Write("MarrowBY.exe");
    EXPECT_EQ(Find(), tree.Path() + "/MarrowBY.exe");
}

TEST_F(TreeSearchTest, FollowsLinksButEndsLinkLoops) {
    tree.Folder("a/b");
    tree.Link("..", "a/b/up");
    tree.Link(".", "a/self");
    tree.Link(tree.Path(), "a/b/root");
    EXPECT_EQ(Find(), "");

    testing::TempFolder elsewhere;
    elsewhere.Write("Hunt/Marrowby.exe");
    tree.Link(elsewhere / "Hunt", "a/b/zlink");
    EXPECT_EQ(Find(), tree.Path() + "/a/b/zlink/Marrowby.exe");
}

TEST_F(TreeSearchTest, MatchesLinksToFilesButNotDanglingLinksOrSpecialFiles) {
    tree.Folder("a");
    ASSERT_EQ(::mkfifo((tree / "a/Marrowby.exe").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((tree / "a/fifo").c_str(), 0644), 0);
    tree.Link("../nowhere", "b/Marrowby.exe");
    EXPECT_EQ(Find(), "");

    tree.Write("real.bin");
    tree.Link("../real.bin", "c/MARROWBY.exe");
    EXPECT_EQ(Find(), tree.Path() + "/c/MARROWBY.exe");
}

TEST_F(TreeSearchTest, HandlesAnyByteInNames) {
    const std::string odd = std::string("\xff\x01 name\t") + "\xc3\xa9";
    tree.Write(odd + "/" + kExe);
    EXPECT_EQ(Find(), tree.Path() + "/" + odd + "/" + kExe);
}

TEST_F(TreeSearchTest, DeepTreesKeepFewFoldersOpenAndComeBackCorrectly) {
    // A chain far deeper than the folders kept open, with the file in the
    // last branch of a folder near the bottom and a second copy later.
    std::string deep;
    for (int i = 0; i < 70; ++i) deep += "d" + std::to_string(i) + "/";
    tree.Folder(deep + "a/empty");
    tree.Write(deep.substr(0, deep.size() / 2) + "zz/" + kExe);
    tree.Write("zzz/" + kExe);
    const std::size_t before = OpenDescriptors();
    EXPECT_EQ(Find(), tree.Path() + "/" + deep.substr(0, deep.size() / 2) + "zz/" + kExe);
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST_F(TreeSearchTest, SkipsFoldersItCannotRead) {
    tree.Write("a/" + kExe);
    tree.Write("b/" + kExe);
    const std::string found = testing::AsUnprivileged(
        tree.Path(), [&] { return ::chmod((tree / "a").c_str(), 0) == 0 ? Find() : "chmod failed"; });
    EXPECT_EQ(found, tree.Path() + "/b/" + kExe);
}

TEST_F(TreeSearchTest, ARowOfRootsReadsEachFolderOnceAndStopsAtTheFirstRootsFile) {
    for (int i = 0; i < 40; ++i) tree.Folder("big/f" + std::to_string(i) + "/g/h");
    tree.Write("first/" + kExe);
    PosixTreeSearch rowSearch(/*walkEachFolderOnce=*/true, /*threads=*/2);
    // "big" again through a link, inside the later root: read once.
    tree.Link(tree / "big", "first/again");
    const std::optional<FoundInRow> found = rowSearch.FindFirst({tree / "first", tree / "big"}, kExe, {});
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->root, 0u);
    EXPECT_EQ(found->path, tree / "first/" + kExe);
    // The later root is left as soon as the first root's file is found:
    // at most a few of its 121 folders are read.
    EXPECT_LE(rowSearch.FoldersRead(), 5u);

    std::remove((tree / "first/" + kExe).c_str());
    PosixTreeSearch again(/*walkEachFolderOnce=*/true, /*threads=*/2);
    EXPECT_EQ(again.FindFirst({tree / "first", tree / "big"}, kExe, {}), std::nullopt);
    EXPECT_EQ(again.FoldersRead(), 1u + 1u + 40u * 3u);
}

}  // namespace
}  // namespace tessary
