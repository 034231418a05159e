// The location cache: the game maps folder of an earlier run, kept as one
// quoted line in "maplog.txt" beside the program.
// An unreadable file gives no folder (its text: location_cache_text.cpp).
// A folder whose text would not read back exactly (one holding a double
// quote, CR, LF or NUL, or one too long to be read whole) is never written:
// the old cache is removed instead, so that it cannot send the next start
// to a stale folder.
#include "startup/location_cache.h"

#include <exception>
#include <string_view>

#include "platform/application.h"
#include "platform/files.h"
#include "platform/path.h"
#include "startup/module1.h"

namespace tessary {

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
