// The location cache: the game maps folder of an earlier run, kept as one
// quoted line in "maplog.txt" beside the program. Where the program's folder
// is no place for it (it cannot be written, or the program is installed for
// every user), the same file is kept in the user's own cache folder instead.
// The cache in use is read first; a file there decides, even one naming no
// folder. Only when it has none is a "maplog.txt" beside the program read,
// and never beside a program installed for every user.
// An unreadable file gives no folder (its text: location_cache_text.cpp).
// A folder whose text would not read back exactly (one holding a double
// quote, CR, LF or NUL, or one too long to be read whole) is never written:
// the old cache is removed instead, so that it cannot send the next start
// to a stale folder.
#include "startup/location_cache.h"

#include <exception>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/application.h"
#include "platform/files.h"
#include "platform/path.h"
#include "startup/location_cache_text.h"

namespace tessary {

namespace {

// The folder a cache file names ("" for none), as the file system reads it
// (a line edited by hand may end in blanks or dots that Windows ignores), or
// nothing when the file cannot be read.
std::optional<std::string> ReadCacheFile(TextFiles& textFiles, const Files& files, const std::string& path) {
    std::string folder;
    try {
        folder = ParseLocationCache(textFiles.ReadStart(path, kCacheReadLimit));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    try {
        return folder.empty() ? folder : files.SystemPath(folder);
    } catch (const std::exception&) {
        return std::string();  // no path at all
    }
}

std::string ParentFolder(const std::string& folder) {
    const auto separator = folder.find_last_of(kPathSeparator);
    return separator == std::string::npos || separator == 0 ? std::string() : folder.substr(0, separator);
}

}  // namespace

LocationCache::LocationCache(Application& application, TextFiles& textFiles, Files& files)
    : application_(application), textFiles_(textFiles), files_(files) {}

std::string LocationCache::Path() const {
    const std::string userFolder = application_.UserCacheFolder();
    return JoinPath(userFolder.empty() ? application_.ProgramFolder() : userFolder, kLocationCacheName);
}

std::string LocationCache::Read() {
    const std::string inUse = Path();
    const std::string besideProgram = JoinPath(application_.ProgramFolder(), kLocationCacheName);
    std::vector<std::string> places{inUse};
    if (besideProgram != inUse && !application_.InstalledForAllUsers()) places.push_back(besideProgram);
    read_.clear();
    for (const std::string& path : places) {
        if (std::optional<std::string> folder = ReadCacheFile(textFiles_, files_, path)) {
            read_ = path;
            return std::move(*folder);
        }
    }
    return {};
}

void LocationCache::Write(const std::string& folder) {
    if (!LocationCacheReadsBack(folder)) {
        Delete();
        return;
    }
    WriteFile(LocationCacheText(folder));
}

void LocationCache::WriteFile(const std::string& text) {
    if (const std::string userFolder = application_.UserCacheFolder(); !userFolder.empty()) {
        // The user's cache folder is made on first use, with its parent
        // (~/.cache on a new account); either may be there already.
        for (const std::string& folder : {ParentFolder(userFolder), userFolder}) {
            if (folder.empty()) continue;
            try {
                files_.CreateFolder(folder);
            } catch (const std::exception&) {
                // Already there, or the write below fails.
            }
        }
    }
    try {
        textFiles_.WriteWhole(Path(), text);
    } catch (const std::exception&) {
        // The next start scans the drives again.
    }
}

void LocationCache::Delete() {
    const auto tryDelete = [this](const std::string& path) {
        try {
            files_.Delete(path);
        } catch (const std::exception&) {
            // Missing or locked: nothing to do here.
        }
    };
    const std::string inUse = Path();
    tryDelete(inUse);
    // The file that was read may lie elsewhere: beside a program whose folder
    // cannot be written. When it stays there, a cache naming no folder in
    // the user's folder makes the next start pass it over and search.
    if (read_.empty() || read_ == inUse) return;
    tryDelete(read_);
    if (files_.NameTaken(read_)) WriteFile(LocationCacheText(""));
}

}  // namespace tessary
