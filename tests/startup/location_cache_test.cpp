// The location cache file: its exact bytes, reading files it did not
// write, and folders it refuses to store.
#include <gtest/gtest.h>

#include "fakes/fake_startup.h"
#include "platform/path.h"
#include "startup/location_cache.h"
#include "startup/location_cache_text.h"

namespace tessary {
namespace {

class LocationCacheTest : public ::testing::Test {
protected:
    std::string CachePath() const { return JoinPath(fakes.application.programFolder, "maplog.txt"); }
    std::string ReadBack(const std::string& content) {
        fakes.files.contents[CachePath()] = content;
        return cache.Read();
    }

    fakes::StartupFakes fakes;
    LocationCache& cache = fakes.cache;
};

TEST_F(LocationCacheTest, WritesTheFolderAsOneQuotedLine) {
    EXPECT_EQ(cache.Path(), "/opt/tessary" + std::string(1, kPathSeparator) + "maplog.txt");
    cache.Write("D:\\Games\\Hunt\\Home\\Maps");
    const std::string& bytes = fakes.files.contents[CachePath()];
    EXPECT_EQ(bytes.size(), 27u);
    EXPECT_EQ(bytes, "\"D:\\Games\\Hunt\\Home\\Maps\"\r\n");
}

TEST_F(LocationCacheTest, ReadsBackWhatItWrote) {
    for (const std::string folder : {"D:\\Games\\Hunt\\Home\\Maps", "/home/a b/x,y;z/Home/Maps", "C:\\",
                                     "\xe9t\xc3\xa9/Home/Maps", ""}) {
        cache.Write(folder);
        EXPECT_EQ(cache.Read(), folder);
    }
}

TEST_F(LocationCacheTest, OverwritesAnOlderCache) {
    fakes.files.contents[CachePath()] = "\"E:\\Old\\Home\\Maps\"\r\n\"junk\"\r\n";
    cache.Write("F:\\New\\Home\\Maps");
    EXPECT_EQ(fakes.files.contents[CachePath()], "\"F:\\New\\Home\\Maps\"\r\n");
}

TEST_F(LocationCacheTest, ReadsFilesItDidNotWrite) {
    EXPECT_EQ(ReadBack(""), "");
    EXPECT_EQ(ReadBack("\"D:\\Maps\""), "D:\\Maps");                      // no line end
    EXPECT_EQ(ReadBack("\"D:\\Maps\"tail\r\n"), "D:\\Maps");              // text after the field
    EXPECT_EQ(ReadBack("D:\\Plain\\Maps\r\nsecond"), "D:\\Plain\\Maps");  // no quotes: the line
    EXPECT_EQ(ReadBack("D:\\Plain\\Maps\nsecond"), "D:\\Plain\\Maps");
    EXPECT_EQ(ReadBack("\"D:\\Never closed\r\nmore\"\r\n"), "");  // quote not closed on its line
    EXPECT_EQ(ReadBack("\"unclosed"), "");
    EXPECT_EQ(ReadBack("\r\n\"D:\\Maps\"\r\n"), "");             // empty first line
    EXPECT_EQ(ReadBack(std::string("\"D:\\\0x\"\r\n", 8)), "");  // NUL inside the value
    EXPECT_EQ(ReadBack(std::string("\x7f"
                                   "ELF\0\0\x01",
                                   7)),
              "");  // binary junk
}

TEST_F(LocationCacheTest, AnEditorsByteOrderMarkIsNoPartOfTheFolder) {
    EXPECT_EQ(ReadBack("\xef\xbb\xbf\"/home/p/Games/Home/Maps\"\n"), "/home/p/Games/Home/Maps");
}

TEST_F(LocationCacheTest, MissingOrHugeFileGivesNothingAndReadsAtMostALittle) {
    EXPECT_EQ(cache.Read(), "");

    EXPECT_EQ(ReadBack(std::string(1 << 20, 'a')), "");
    EXPECT_GT(fakes.files.lastReadLimit, 300u);
    EXPECT_LE(fakes.files.lastReadLimit, 1u << 16);
}

TEST_F(LocationCacheTest, RefusesFoldersThatWouldNotReadBackAndDropsTheOldCache) {
    for (const std::string& folder :
         {std::string("D:\\a\"b\\Home\\Maps"), std::string("D:\\a\rb"), std::string("D:\\a\nb"),
          std::string("D:\\a\0b", 6), "/" + std::string(kCacheReadLimit - 4, 'a')}) {
        fakes.files.contents[CachePath()] = "\"E:\\Old\\Home\\Maps\"\r\n";
        cache.Write(folder);
        EXPECT_EQ(fakes.files.contents.count(CachePath()), 0u);
        EXPECT_EQ(fakes.files.writes, 0);
    }
    // The longest folder that is written reads back whole.
    const std::string longest(kCacheReadLimit - 4, 'a');
    EXPECT_TRUE(LocationCacheReadsBack(longest));
    EXPECT_EQ(ParseLocationCache(LocationCacheText(longest).substr(0, kCacheReadLimit)), longest);
}

TEST_F(LocationCacheTest, WriteAndDeleteFailuresAreIgnored) {
    fakes.files.failWrites = true;
    EXPECT_NO_THROW(cache.Write("D:\\Games\\Hunt\\Home\\Maps"));
    EXPECT_EQ(fakes.files.contents.count(CachePath()), 0u);
    EXPECT_NO_THROW(cache.Delete());  // nothing to delete
    fakes.files.contents[CachePath()] = "x";
    cache.Delete();
    EXPECT_EQ(fakes.files.contents.count(CachePath()), 0u);
}

// A program whose folder cannot be written keeps its cache in the user's
// cache folder, made on first use; one beside the program is read only when
// the user's has none.
TEST_F(LocationCacheTest, KeepsTheCacheInTheUsersFolderWhenTheProgramsFolderIsReadOnly) {
    const std::string cacheHome = JoinPath("/home/u", ".cache");
    fakes.application.userCacheFolder = JoinPath(cacheHome, "tessary");
    fakes.files.missingFolders = {cacheHome, fakes.application.userCacheFolder};
    const std::string userCache = JoinPath(fakes.application.userCacheFolder, "maplog.txt");
    EXPECT_EQ(cache.Path(), userCache);

    cache.Write("/games/Home/Maps");
    EXPECT_EQ(fakes.files.contents[userCache], "\"/games/Home/Maps\"\r\n");
    EXPECT_EQ(fakes.files.contents.count(CachePath()), 0u);

    EXPECT_EQ(cache.Read(), "/games/Home/Maps");

    cache.Delete();
    EXPECT_EQ(fakes.files.contents.count(userCache), 0u);
    EXPECT_EQ(ReadBack("\"/shipped/Home/Maps\"\r\n"), "/shipped/Home/Maps");
}

// A stale cache beside a program whose folder cannot be written cannot be
// deleted where it was read: the next start passes it over and searches.
TEST_F(LocationCacheTest, PassesOverAStaleCacheThatCannotBeDeleted) {
    fakes.application.userCacheFolder = JoinPath(JoinPath("/home/u", ".cache"), "tessary");
    fakes.files.undeletable = {CachePath()};
    EXPECT_EQ(ReadBack("\"/gone/Home/Maps\"\r\n"), "/gone/Home/Maps");
    cache.Delete();
    ASSERT_EQ(fakes.files.contents.count(CachePath()), 1u);
    EXPECT_EQ(cache.Read(), "");
}

// A program installed for every user never takes a cache beside itself
// (another user's, left there by an older version) for its own.
TEST_F(LocationCacheTest, AProgramInstalledForAllUsersReadsNoCacheBesideItself) {
    fakes.application.userCacheFolder = JoinPath(JoinPath("/home/u", ".cache"), "tessary");
    fakes.application.installedForAllUsers = true;
    EXPECT_EQ(ReadBack("\"/root/.wine/drive_c/Hunt/Home/Maps\"\r\n"), "");
}

}  // namespace
}  // namespace tessary
