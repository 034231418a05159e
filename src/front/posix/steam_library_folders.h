#pragma once
// Steam's list of its library folders, steamapps/libraryfolders.vdf: a text
// of quoted keys and values and braced sections,
//   "libraryfolders" { "0" { "path" "/home/me/.local/share/Steam" ... } }
// Older files give the folder itself under a numbered key:
//   "LibraryFolders" { "TimeNextStatsReport" "…" "1" "/mnt/games/SteamLibrary" }

#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// The library folders in the order the file lists them. Any text is safe:
// what does not parse is passed over, and unbalanced braces end nothing
// that was not opened.
std::vector<std::string> SteamLibraryPaths(std::string_view vdf);

}  // namespace tessary
