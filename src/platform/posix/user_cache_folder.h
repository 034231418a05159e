#pragma once
#include <string>

namespace tessary {

// Where the program keeps its cached files when programFolder cannot be
// written: $XDG_CACHE_HOME/tessary, else $HOME/.cache/tessary (a variable
// counts only when it holds an absolute path). "" when programFolder can be
// written, or when neither variable names a folder.
std::string UserCacheFolderFor(const std::string& programFolder);

}  // namespace tessary
