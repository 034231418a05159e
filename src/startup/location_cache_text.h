#pragma once
// The text of the location cache, apart from the files that hold it.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessary {

// Far more than any folder path; a larger file is not read to its end.
inline constexpr std::size_t kCacheReadLimit = 64 * 1024;

// The folder a cache file's first kCacheReadLimit bytes name, or "" when
// they name none.
std::string ParseLocationCache(std::string_view content);

// True when the folder, written as the cache writes it, parses back as
// exactly that folder.
bool LocationCacheReadsBack(std::string_view folder);

// The cache's text for a folder that reads back.
inline std::string LocationCacheText(const std::string& folder) { return '"' + folder + "\"\r\n"; }

}  // namespace tessary
