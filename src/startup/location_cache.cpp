// The location cache: the game maps folder of an earlier run, kept as one
// quoted line in "maplog.txt" beside the program. Where the program's folder
// cannot be written (an installed program), the same file is kept in the
// user's own cache folder instead, and read from there when the program's
// folder holds none.
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

namespace {

// The folder a cache file names, or "" when it cannot be read.
std::string ReadCacheFile(TextFiles& textFiles, const std::string& path) {
    try {
        return ParseLocationCache(textFiles.ReadStart(path, kCacheReadLimit));
    } catch (const std::exception&) {
        return {};
    }
}

std::string ParentFolder(const std::string& folder) {
    const auto separator = folder.find_last_of(kPathSeparator);
    return separator == std::string::npos || separator == 0 ? std::string() : folder.substr(0, separator);
}

}  // namespace

std::string Module1::LocationCachePath() const {
    const std::string userFolder = services_.application.UserCacheFolder();
    return JoinPath(userFolder.empty() ? services_.application.ProgramFolder() : userFolder,
                    kLocationCacheName);
}

void Module1::ReadLocationCache() {
    const std::string besideProgram = JoinPath(services_.application.ProgramFolder(), kLocationCacheName);
    GameMapsFolder = ReadCacheFile(services_.textFiles, besideProgram);
    const std::string inUse = LocationCachePath();
    if (GameMapsFolder.empty() && inUse != besideProgram)
        GameMapsFolder = ReadCacheFile(services_.textFiles, inUse);
}

void Module1::WriteLocationCache() {
    if (!LocationCacheReadsBack(GameMapsFolder)) {
        DeleteLocationCache();
        return;
    }
    const std::string path = LocationCachePath();
    if (const std::string userFolder = services_.application.UserCacheFolder(); !userFolder.empty()) {
        // The user's cache folder is made on first use, with its parent
        // (~/.cache on a new account); either may be there already.
        for (const std::string& folder : {ParentFolder(userFolder), userFolder}) {
            if (folder.empty()) continue;
            try {
                services_.files.CreateFolder(folder);
            } catch (const std::exception&) {
                // Already there, or the write below fails.
            }
        }
    }
    try {
        services_.textFiles.WriteWhole(path, LocationCacheText(GameMapsFolder));
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
