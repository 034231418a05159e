// The drive types Windows reports for the drives of a prefix that
// prefix_test.sh prepares with dosdevices links and system.reg entries.
#include <gtest/gtest.h>

#include <cstdlib>

#include "front/win32/win32_drives.h"

namespace tessary {
namespace {

TEST(Win32DrivesOnPreparedPrefix, ReportTheTypesOfLinksAndRegistryEntries) {
    if (std::getenv("TESSARY_PREPARED_PREFIX") == nullptr) GTEST_SKIP() << "run by prefix_test.sh";
    Win32Drives drives;
    const std::string expected = "2 2 3 5 4 3 3 6 2 3 1 1 1 1 1";
    std::string actual;
    for (int index = 0; index <= 14; ++index) {
        if (index > 0) actual += ' ';
        actual += std::to_string(drives.DriveType(drives.Root(index)));
    }
    EXPECT_EQ(actual, expected);
}

TEST(Win32Drives, RootsAreTheLettersAToO) {
    Win32Drives drives;
    EXPECT_EQ(drives.Root(0), "A:\\");
    EXPECT_EQ(drives.Root(14), "O:\\");
    EXPECT_EQ(drives.Root(15), "");
    EXPECT_EQ(drives.Root(-1), "");
}

}  // namespace
}  // namespace tessary
