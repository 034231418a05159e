#pragma once
// File names for the W calls: full, with the "\\?\" prefix, so that paths
// of any length work and no part of a name is reinterpreted.

#include <string>

namespace tessary {

// The full path of a UTF-8 path ("." and ".." resolved, "/" turned into
// "\"), as "\\?\C:\..." or "\\?\UNC\server\share\...". A path that already
// carries a "\\?\" or "\\.\" prefix is taken as it is. Fails
// (RuntimeFailure) on text that is not UTF-8 or not a path.
std::wstring LongPath(const std::string& path);

// The same for a path already in UTF-16.
std::wstring LongPath(const std::wstring& path);

// The folder part of a path: everything before its last "\" or "/"; "." for
// a bare name.
std::string FolderOfWindowsPath(const std::string& path);

}  // namespace tessary
