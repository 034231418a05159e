// Drive roots and types of a Wine prefix, and the system.reg reading.
#include <gtest/gtest.h>

#include "front/posix/wine_drives.h"
#include "front/posix/wine_registry.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

const std::string kRegHead =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n";

TEST(ParseWineDriveTypes, ReadsOnlyTheDrivesKey) {
    const std::string reg = kRegHead +
                            "[Software\\\\Wine\\\\Fonts] 1700000000\n\"e:\"=\"cdrom\"\n\n"
                            "[SOFTWARE\\\\wine\\\\DRIVES] 1700000001\r\n#time=1d9\r\n"
                            "\"D:\"=\"CDRom\"\r\n\"x:\"=\"network\"\n\"ab\"=\"hd\"\n\"1:\"=\"hd\"\n"
                            "\"f:\"=dword:00000001\n\"g:\"=\"unclosed\n\"h:\"\"floppy\"\n\"i:\"=\"a\\\"b\"\n"
                            "[Software\\\\Wine\\\\Drives\\\\Sub] 1\n\"j:\"=\"ramdisk\"\n";
    const std::map<char, std::string> expected = {{'d', "cdrom"}, {'x', "network"}, {'i', "a\"b"}};
    EXPECT_EQ(ParseWineDriveTypes(reg), expected);
}

TEST(ParseWineDriveTypes, MalformedTextGivesNoTypes) {
    for (const std::string& text : {std::string(), std::string("["), std::string("\"a:\"=\"floppy\""),
                                    std::string("[Software\\\\Wine\\\\Drives"), std::string("\0\0\xff", 3),
                                    std::string("[Software\\\\Wine\\\\Drives]\n\"\\")}) {
        EXPECT_TRUE(ParseWineDriveTypes(text).empty());
    }
}

TEST(WineDriveTypeCode, MapsValuesAndDefaults) {
    const std::map<char, std::string> types = {{'a', "hd"},      {'c', "floppy"},  {'d', "cdrom"},
                                               {'e', "network"}, {'f', "ramdisk"}, {'g', "tape"}};
    EXPECT_EQ(WineDriveTypeCode(types, 'a'), 3);
    EXPECT_EQ(WineDriveTypeCode(types, 'b'), 2);
    EXPECT_EQ(WineDriveTypeCode(types, 'B'), 2);
    EXPECT_EQ(WineDriveTypeCode(types, 'c'), 2);
    EXPECT_EQ(WineDriveTypeCode(types, 'D'), 5);
    EXPECT_EQ(WineDriveTypeCode(types, 'e'), 4);
    EXPECT_EQ(WineDriveTypeCode(types, 'f'), 6);
    EXPECT_EQ(WineDriveTypeCode(types, 'g'), 3);
    EXPECT_EQ(WineDriveTypeCode(types, 'h'), 3);
}

class WineDrivesTest : public ::testing::Test {
protected:
    void SetUp() override {
        prefix.Folder("drive_c");
        prefix.Folder("media/cd");
        prefix.Folder("dosdevices");
        prefix.Link("../drive_c", "dosdevices/c:");
        prefix.Link(prefix / "media/cd", "dosdevices/d:");
        prefix.Link("/", "dosdevices/z:");
    }
    testing::TempFolder prefix;
    WineDrives drives{prefix.Path()};
};

TEST_F(WineDrivesTest, RootsAreTheDosdevicesEntries) {
    EXPECT_EQ(drives.Root(0), prefix.Path() + "/dosdevices/a:/");
    EXPECT_EQ(drives.Root(2), prefix.Path() + "/dosdevices/c:/");
    EXPECT_EQ(drives.Root(14), prefix.Path() + "/dosdevices/o:/");
}

TEST_F(WineDrivesTest, TypesFollowLinksAndTheRegistry) {
    prefix.Write("system.reg", kRegHead +
                                   "[Software\\\\Wine\\\\Drives] 1\n\"d:\"=\"cdrom\"\n\"e:\"=\"floppy\"\n"
                                   "\"f:\"=\"network\"\n\"g:\"=\"ramdisk\"\n\"h:\"=\"hd\"\n\"i:\"=\"odd\"\n");
    for (const char letter : std::string("abefghi")) prefix.Folder(std::string("drive_") + letter);
    for (const char letter : std::string("abefghi")) {
        prefix.Link(std::string("../drive_") + letter, std::string("dosdevices/") + letter + ":");
    }
    prefix.Link("../gone", "dosdevices/j:");  // dangling
    prefix.Write("file");
    prefix.Link("../file", "dosdevices/k:");  // a file, not a folder
    const std::map<int, int> expected = {{0, 2}, {1, 2}, {2, 3}, {3, 5},  {4, 2},  {5, 4}, {6, 6},
                                         {7, 3}, {8, 3}, {9, 1}, {10, 1}, {11, 1}, {14, 1}};
    for (const auto& [index, type] : expected) EXPECT_EQ(drives.DriveType(drives.Root(index)), type) << index;
    EXPECT_EQ(drives.DriveType(prefix.Path() + "/dosdevices/z:/"), 3);
}

TEST_F(WineDrivesTest, MissingOrMalformedRegistryGivesDefaults) {
    prefix.Folder("drive_a");
    prefix.Link("../drive_a", "dosdevices/a:");
    EXPECT_EQ(drives.DriveType(drives.Root(0)), 2);
    EXPECT_EQ(drives.DriveType(drives.Root(3)), 3);

    testing::TempFolder other;
    other.Folder("dosdevices");
    other.Link(prefix / "media/cd", "dosdevices/d:");
    other.Write("system.reg", std::string("\xff\xfe[Software\\\\Wine\\\\Drives]") + '\0' + "\"d:\"=\"cdrom");
    WineDrives broken(other.Path());
    EXPECT_EQ(broken.DriveType(broken.Root(3)), 3);
    // A root that is no drive letter of a prefix but a folder: type unknown.
    EXPECT_EQ(broken.DriveType(other.Path() + "/"), 0);
}

}  // namespace
}  // namespace tessary
