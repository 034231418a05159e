#include "platform/posix/user_cache_folder.h"

#include <unistd.h>

#include <cstdlib>

namespace tessary {

namespace {

// The variable's value when it is an absolute path, else "".
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

}  // namespace

std::string UserCacheFolderFor(const std::string& programFolder) {
    if (::access(programFolder.c_str(), W_OK | X_OK) == 0) return {};
    if (std::string cache = AbsoluteFromEnvironment("XDG_CACHE_HOME"); !cache.empty())
        return cache + "/tessary";
    if (std::string home = AbsoluteFromEnvironment("HOME"); !home.empty()) return home + "/.cache/tessary";
    return {};
}

}  // namespace tessary
