#pragma once
// Test paths are written with '/'; the program joins folders and names with
// the platform's separator. NativePath turns the one into the other so the
// same expectations hold on every platform.

#include <algorithm>
#include <string>

#include "platform/path.h"

namespace tessary::fakes {

inline std::string NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '/', kPathSeparator);
    return path;
}

}  // namespace tessary::fakes
