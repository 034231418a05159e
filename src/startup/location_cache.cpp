// The location cache: the game maps folder of an earlier run, kept as one
// quoted line in "maplog.txt" beside the program.
//
// Reading a file this program did not write:
// - a first line that starts with a double quote gives the text up to the
//   next double quote on that line; a quote not closed on the first line
//   gives nothing;
// - a first line without a leading quote gives the whole line up to CR or LF;
// - a value holding a NUL byte, or an empty or unreadable file, gives nothing.
// A folder whose text would not read back exactly (one holding a double
// quote, CR, LF or NUL, or one too long to be read whole) is never written: the old cache is removed instead,
// so that it cannot send the next start to a stale folder.
#include "startup/location_cache.h"

#include <exception>
#include <string_view>

#include "platform/application.h"
#include "platform/files.h"
#include "platform/path.h"
#include "startup/module1.h"

namespace tessary {

std::string ParseLocationCache(std::string_view content) {
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

std::string Module1::LocationCachePath() const {
    return JoinPath(services_.application.ProgramFolder(), kLocationCacheName);
}

void Module1::ReadLocationCache() {
    try {
        GameMapsFolder = ParseLocationCache(services_.textFiles.ReadStart(LocationCachePath(), kCacheReadLimit));
    } catch (const std::exception&) {
        GameMapsFolder.clear();
    }
}

void Module1::WriteLocationCache() {
    if (!LocationCacheReadsBack(GameMapsFolder)) {
        DeleteLocationCache();
        return;
    }
    try {
        services_.textFiles.WriteWhole(LocationCachePath(), LocationCacheText(GameMapsFolder));
    } catch (const std::exception&) {
        // The next start scans the drives again.
    }
}

void Module1::DeleteLocationCache() {
    try {
        services_.files.Delete(LocationCachePath());
    } catch (const std::exception&) {
        // Missing or locked: nothing to do.
    }
}

}  // namespace tessary
