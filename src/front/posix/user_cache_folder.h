#pragma once
#include <string>

namespace tessary {

// True for a program installed for every user: one in a folder under /usr or
// /opt, or any program of a build configured with TESSARY_INSTALLED.
bool InstalledForAllUsers(const std::string& programFolder);

// Where the program keeps its cached files when programFolder is no place
// for them (it cannot be written, or the program is installed for every
// user): $XDG_CACHE_HOME/tessary, else $HOME/.cache/tessary (a variable
// counts only when it holds an absolute path). "" when programFolder is
// where they belong, or when neither variable names a folder.
std::string UserCacheFolderFor(const std::string& programFolder);

}  // namespace tessary
