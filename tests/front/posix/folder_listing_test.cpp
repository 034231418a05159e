#include "front/posix/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/failure.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace tessary {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

const FilePattern kMaps("*.gmx; *.GMX");

TEST(ListMatchingFiles, ListsOnlyMatchingFilesDirectlyInTheFolder) {
    TempFolder folder;
    for (const char* name : {"Lake.gmx", "PINES.GMX", "notes.txt", "Lake.bmp", "mixed.Gmx", "gmx", ".gmx"}) {
        folder.Write(name, "x");
    }
    std::filesystem::create_directory(folder / "Stored Maps");
    folder.Write("Stored Maps/Hidden.gmx", "x");
    std::filesystem::create_directory(folder / "folder.gmx");
    std::filesystem::create_symlink(folder / "Lake.gmx", folder / "Linked.gmx");
    std::filesystem::create_symlink(folder / "missing.gmx", folder / "Broken.gmx");
    std::filesystem::create_directory_symlink(folder / "Stored Maps", folder / "dirlink.gmx");

    EXPECT_EQ(ListMatchingFiles(folder.Path(), kMaps),
              (Names{".gmx", "Lake.gmx", "Linked.gmx", "PINES.GMX"}));
    EXPECT_EQ(ListMatchingFiles(folder / "Stored Maps", kMaps), (Names{"Hidden.gmx"}));
    EXPECT_EQ(ListMatchingFiles(folder.Path(), FilePattern("*.txt")), (Names{"notes.txt"}));
    EXPECT_TRUE(ListMatchingFiles(folder.Path(), FilePattern("")).empty());
}

TEST(ListMatchingFiles, MissingFolderOrAFileIsPathNotFound) {
    TempFolder folder;
    folder.Write("a.gmx", "x");
    for (const std::string& path : {folder / "missing", folder / "a.gmx", std::string()}) {
        try {
            ListMatchingFiles(path, kMaps);
            ADD_FAILURE() << "listed " << path;
        } catch (const RuntimeFailure& failure) {
            EXPECT_EQ(failure.Number(), kPathNotFound) << path;
            EXPECT_NE(failure.Description().find(path), std::string::npos);
        }
    }
}

TEST(ListMatchingFiles, UnreadableFolderIsPermissionDenied) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "locked");
    const std::string outcome = testing::AsUnprivileged(folder.Path(), [&]() -> std::string {
        if (chmod((folder / "locked").c_str(), 0) != 0) return "chmod failed";
        try {
            ListMatchingFiles(folder / "locked", kMaps);
            return "listed a locked folder";
        } catch (const RuntimeFailure& failure) {
            return "failure " + std::to_string(failure.Number());
        }
    });
    EXPECT_EQ(outcome, "failure " + std::to_string(kPermissionDenied));
}

TEST(ListMatchingFiles, OddNamesComeBackAsTheirBytes) {
    TempFolder folder;
    const Names odd = {"with space.gmx",
                       "quote\"d'.gmx",
                       std::string("latin\xe9\xff.gmx"),
                       std::string(251, 'n') + ".gmx",
                       "-dash.gmx",
                       "semi;colon.gmx",
                       "star*.gmx"};
    for (const auto& name : odd) folder.Write(name, name);
    auto expected = odd;
    std::sort(expected.begin(), expected.end(), NaturalLess);
    const auto listed = ListMatchingFiles(folder.Path(), kMaps);
    EXPECT_EQ(listed, expected);
    for (const auto& name : listed) EXPECT_EQ(testing::ReadAll(folder / name), name);
}

TEST(NaturalLess, OrdersAsAPlayerExpects) {
    Names names = {"map10.gmx",
                   "Map2.gmx",
                   "map1.gmx",
                   "map02.gmx",
                   "MAP2.gmx",
                   "alpha.gmx",
                   "Beta.gmx",
                   "map.gmx",
                   "map2b.gmx",
                   "99.gmx",
                   "100.gmx",
                   "map2.gmx",
                   "map18446744073709551616.gmx",
                   "map18446744073709551615.gmx",
                   std::string("\xc3\xa9t\xc3\xa9.gmx"),
                   "_x.gmx"};
    std::sort(names.begin(), names.end(), NaturalLess);
    EXPECT_EQ(names, (Names{"99.gmx", "100.gmx", "_x.gmx", "alpha.gmx", "Beta.gmx", "map.gmx", "map1.gmx",
                            "MAP2.gmx", "Map2.gmx", "map02.gmx", "map2.gmx", "map2b.gmx", "map10.gmx",
                            "map18446744073709551615.gmx", "map18446744073709551616.gmx",
                            std::string("\xc3\xa9t\xc3\xa9.gmx")}));
}

TEST(NaturalLess, IsAStrictTotalOrder) {
    const Names pool = {"a", "A", "a1",   "a01", "a001", "a1b", "a10", "a2", "A2",
                        "b", "",  "0",    "00",  "1",    "a0",  "a00", "a_", "a-",
                        "Z", "z", "\x80", "a9",  "a09x", "a9x", "a9X"};
    for (const auto& x : pool) {
        EXPECT_FALSE(NaturalLess(x, x)) << x;
        for (const auto& y : pool) {
            if (x != y) {
                EXPECT_NE(NaturalLess(x, y), NaturalLess(y, x)) << x << " / " << y;
            }
            for (const auto& z : pool) {
                if (NaturalLess(x, y) && NaturalLess(y, z)) {
                    EXPECT_TRUE(NaturalLess(x, z)) << x << " / " << y << " / " << z;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessary
