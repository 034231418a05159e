// Where the program keeps its cache: in the user's cache folder when its own
// folder cannot be written or it is installed for every user.
#include <gtest/gtest.h>

#include <cstdlib>

#include "front/posix/user_cache_folder.h"
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

// Root can write /usr/bin; the cache goes to root's own cache folder all the same.
TEST(UserCacheFolder, AlwaysForAProgramUnderUsrOrOpt) {
    ::setenv("HOME", "/home/u", 1);
    ::unsetenv("XDG_CACHE_HOME");
    for (const char* folder : {"/usr/bin", "/usr/local/bin", "/opt/tessary"}) {
        EXPECT_TRUE(InstalledForAllUsers(folder)) << folder;
        EXPECT_EQ(UserCacheFolderFor(folder), "/home/u/.cache/tessary") << folder;
    }
    for (const char* folder : {"/usr2/bin", "/optional", "/home/u/opt/usr", "/"})
        EXPECT_FALSE(InstalledForAllUsers(folder)) << folder;
}

}  // namespace
}  // namespace tessary
