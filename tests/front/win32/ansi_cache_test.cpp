// The location cache on Windows: 8-bit text in the ANSI code page, and UTF-8
// after a byte order mark for a folder the code page cannot hold exactly.
// Wine gives code page 1252 under an English or C locale.
#include <gtest/gtest.h>

#include "fakes/fake_startup.h"
#include "front/win32/win32_files.h"
#include "startup/location_cache.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

class AnsiCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetACP() != 1252) GTEST_SKIP() << "the cases are written for code page 1252, not " << GetACP();
        fakes.application.programFolder = folder.Path();
    }
    std::string CacheBytes() const { return WinTempFolder::ReadBytes(folder / "maplog.txt"); }

    WinTempFolder folder;
    Win32Files files;
    fakes::StartupFakes fakes;
    LocationCache cache{fakes.application, files, files};
};

TEST_F(AnsiCacheTest, FolderInTheCodePageIsWrittenAsAnsiBytesAndReadBack) {
    cache.Write("G:\\Jeux\\For\xc3\xaat \xe2\x82\xac\\Home\\Maps");  // "Forêt €"
    EXPECT_EQ(CacheBytes(), "\"G:\\Jeux\\For\xeat \x80\\Home\\Maps\"\r\n");
    EXPECT_EQ(cache.Read(), "G:\\Jeux\\For\xc3\xaat \xe2\x82\xac\\Home\\Maps");
}

TEST_F(AnsiCacheTest, FolderOutsideTheCodePageIsWrittenAsUtf8AfterAMarkAndReadBack) {
    // "ā" would best-fit to "a"; "Ω" and "中" have no byte at all.
    for (const std::string folderText :
         {"G:\\M\xc4\x81ps\\Home\\Maps", "G:\\\xce\xa9\\Home\\Maps", "G:\\\xe4\xb8\xad\\Home\\Maps"}) {
        cache.Write(folderText);
        EXPECT_EQ(CacheBytes(), "\xef\xbb\xbf\"" + folderText + "\"\r\n");
        EXPECT_EQ(cache.Read(), folderText);
    }
}

TEST_F(AnsiCacheTest, CacheSavedWithAByteOrderMarkIsRead) {
    WinTempFolder::WriteBytes(folder / "maplog.txt",
                              "\xef\xbb\xbf\"G:\\\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b\\Home\\Maps\"\r\n");
    EXPECT_EQ(cache.Read(), "G:\\\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b\\Home\\Maps");  // "Игры"
}

TEST_F(AnsiCacheTest, Utf8WithoutAMarkIsReadAndAnsiBytesThatLookLikeUtf8GetTheMark) {
    WinTempFolder::WriteBytes(folder / "maplog.txt",
                              "\"G:\\\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b\\Home\\Maps\"\r\n");
    EXPECT_EQ(cache.Read(), "G:\\\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b\\Home\\Maps");  // "Игры"

    // "Ã©" is C3 A9 in code page 1252, which is UTF-8 for "é".
    cache.Write("G:\\\xc3\x83\xc2\xa9\\Home\\Maps");
    EXPECT_EQ(cache.Read(), "G:\\\xc3\x83\xc2\xa9\\Home\\Maps");
}

TEST_F(AnsiCacheTest, BlanksAndDotsAfterTheFolderAreReadAsWindowsReadsThem) {
    WinTempFolder::WriteBytes(folder / "maplog.txt", "\"G:\\Games\\Home\\Maps . .\"\r\n");
    EXPECT_EQ(cache.Read(), "G:\\Games\\Home\\Maps");
}

}  // namespace
}  // namespace tessary
