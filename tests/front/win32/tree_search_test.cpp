// The folder walker on a real Windows file system: order, letter case,
// paths longer than 260 characters, and (with the prepared tree of
// prefix_test.sh) Unix links that loop.
#include <gtest/gtest.h>

#include <cstdlib>

#include "front/win32/tree_search.h"
#include "front/win32/win32_files.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

class Win32TreeSearchTest : public ::testing::Test {
protected:
    void MakeFolders(const std::string& path) {
        std::string at = folder.Path();
        std::size_t start = 0;
        while (start <= path.size()) {
            const std::size_t end = std::min(path.find('\\', start), path.size());
            at += '\\';
            at.append(path, start, end - start);
            CreateDirectoryW(LongPath(at).c_str(), nullptr);
            start = end + 1;
        }
    }

    WinTempFolder folder;
    Win32TreeSearch search;
};

TEST_F(Win32TreeSearchTest, FilesComeBeforeSubfoldersAndNamesMatchInAnyCase) {
    MakeFolders("a\\b");
    MakeFolders("c");
    folder.Write("a\\b\\Marrowby.exe");
    folder.Write("c\\MARROWBY.EXE");
    folder.Write("c\\marrowby.exe.bak");
    EXPECT_EQ(search.Find(folder.Path(), "Marrowby.exe"), folder.Path() + "\\a\\b\\Marrowby.exe");
    folder.Write("a\\marrowby.EXE");
    EXPECT_EQ(search.Find(folder.Path(), "Marrowby.exe"), folder.Path() + "\\a\\marrowby.EXE");
    EXPECT_EQ(search.Find(folder.Path() + "\\c\\", "marrowby.exe"), folder.Path() + "\\c\\MARROWBY.EXE");
    EXPECT_EQ(search.Find(folder.Path(), "Other.exe"), "");
    EXPECT_EQ(search.Find(folder / "none", "Marrowby.exe"), "");
}

TEST_F(Win32TreeSearchTest, FindsAFileBelowAPathLongerThan260Characters) {
    std::string deep;
    while (deep.size() < 600) deep += (deep.empty() ? "" : "\\") + std::string(50, 'x');
    MakeFolders(deep);
    folder.Write(deep + "\\Marrowby.exe");
    const std::string found = search.Find(folder.Path(), "Marrowby.exe");
    EXPECT_EQ(found, folder.Path() + "\\" + deep + "\\Marrowby.exe");
    EXPECT_GT(found.size(), 600u);
}

// The tree prefix_test.sh makes: loop\sub\back is a link to loop, and the
// game lies behind a link that leads to a folder met again through another.
TEST(Win32TreeSearchOnPreparedTree, EndsInLinkLoopsAndFollowsLinksToFolders) {
    const char* tree = std::getenv("TESSARY_LINK_TREE");
    if (tree == nullptr) GTEST_SKIP() << "run by prefix_test.sh";
    Win32TreeSearch search;
    const std::string root = tree;
    EXPECT_EQ(search.Find(root + "\\loop", "Marrowby.exe"), "");
    EXPECT_EQ(search.Find(root + "\\linked", "Marrowby.exe"), root + "\\linked\\a-link\\Marrowby.exe");
}

}  // namespace
}  // namespace tessary
