#pragma once
// Paths are kept as the file system's own bytes (std::string). Where the
// program joins a folder and a name it uses the platform's separator.

#include <string>
#include <string_view>

namespace tessary {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// folder + separator + name, exactly; no normalisation.
inline std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    joined += kPathSeparator;
    joined += name;
    return joined;
}

}  // namespace tessary
