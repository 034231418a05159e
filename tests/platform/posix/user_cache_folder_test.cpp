// Where an installed program keeps its cache: only when its own folder
// cannot be written, and then in the user's cache folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/posix/user_cache_folder.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

TEST(UserCacheFolder, OnlyForAProgramFolderThatCannotBeWritten) {
    testing::TempFolder temp;
    // Not writable even for root: a folder below a plain file.
    const std::string readOnly = temp.Write("file") + "/bin";
    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_CACHE_HOME", "/var/cache/u", 1);
    EXPECT_EQ(UserCacheFolderFor(temp.Path()), "");
    EXPECT_EQ(UserCacheFolderFor(readOnly), "/var/cache/u/tessary");
    ::setenv("XDG_CACHE_HOME", "relative/cache", 1);  // ignored, as the base directory rules say
    EXPECT_EQ(UserCacheFolderFor(readOnly), "/home/u/.cache/tessary");
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(UserCacheFolderFor(readOnly), "/home/u/.cache/tessary");
    ::unsetenv("HOME");
    EXPECT_EQ(UserCacheFolderFor(readOnly), "");
}

}  // namespace
}  // namespace tessary
