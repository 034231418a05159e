#include "front/posix/user_cache_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace tessary {

namespace {

// The variable's value when it is an absolute path, else "".
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

bool InOrBelow(std::string_view folder, std::string_view top) {
    return folder.substr(0, top.size()) == top && (folder.size() == top.size() || folder[top.size()] == '/');
}

}  // namespace

bool InstalledForAllUsers(const std::string& programFolder) {
#ifdef TESSARY_INSTALLED
    (void)programFolder;
    return true;
#else
    return InOrBelow(programFolder, "/usr") || InOrBelow(programFolder, "/opt");
#endif
}

std::string UserCacheFolderFor(const std::string& programFolder) {
    // Root can write /usr/bin, but a cache there would outlive the package
    // and send every other user to root's maps folder.
    if (!InstalledForAllUsers(programFolder) && ::access(programFolder.c_str(), W_OK | X_OK) == 0) return {};
    if (std::string cache = AbsoluteFromEnvironment("XDG_CACHE_HOME"); !cache.empty())
        return cache + "/tessary";
    if (std::string home = AbsoluteFromEnvironment("HOME"); !home.empty()) return home + "/.cache/tessary";
    return {};
}

}  // namespace tessary
