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

// The name a path ends with: what follows its last separator ("/" separates
// on Windows as well; on Linux a "\\" is part of a name).
inline std::string_view NameOfPath(std::string_view path) {
#ifdef _WIN32
    const auto separator = path.find_last_of("/\\");
#else
    const auto separator = path.find_last_of('/');
#endif
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// The folder part of a path: what comes before its last separator ("" for a
// bare name).
inline std::string_view FolderOfPath(std::string_view path) {
    const std::string_view name = NameOfPath(path);
    if (name.size() == path.size()) return {};
    return path.substr(0, path.size() - name.size() - 1);
}

// folder + separator + name, exactly; no normalisation.
inline std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    joined += kPathSeparator;
    joined += name;
    return joined;
}

}  // namespace tessary
