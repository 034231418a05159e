// Reading the location cache's text. A file this program did not write:
// - a first line that starts with a double quote gives the text up to the
//   next double quote on that line; a quote not closed on the first line
//   gives nothing;
// - a first line without a leading quote gives the whole line up to CR or LF;
// - a value holding a NUL byte, or an empty file, gives nothing;
// - a UTF-8 byte order mark that an editor put first is no part of the line.
#include "startup/location_cache_text.h"

namespace tessary {

std::string ParseLocationCache(std::string_view content) {
    if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    const auto lineEnd = content.find_first_of("\r\n");
    const bool complete = lineEnd != std::string_view::npos || content.size() < kCacheReadLimit;
    const std::string_view line = content.substr(0, lineEnd);
    std::string_view value;
    if (!line.empty() && line.front() == '"') {
        const auto close = line.find('"', 1);
        if (close == std::string_view::npos) return {};
        value = line.substr(1, close - 1);
    } else {
        if (!complete) return {};
        value = line;
    }
    if (value.find('\0') != std::string_view::npos) return {};
    return std::string(value);
}

bool LocationCacheReadsBack(std::string_view folder) {
    // The reader stops after kCacheReadLimit bytes, quotes and line end included.
    if (folder.size() > kCacheReadLimit - 4) return false;
    return folder.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string_view::npos;
}

}  // namespace tessary
