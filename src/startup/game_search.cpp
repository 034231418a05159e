// The two passes over the drives and the game maps folder of a found
// executable.
#include "startup/game_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>

#include "platform/drives.h"
#include "platform/path.h"

namespace tessary {

namespace {

// The drive-type code of a fixed disk.
constexpr std::int32_t kFixedDriveType = 3;
// Each pass moves the bar by 30, shared out evenly among the drives (2 a
// drive on a machine of 15); a bar that shows whole numbers would swallow
// smaller steps if they were added to the value read back.
constexpr double kTypePassStart = 5;
constexpr double kSearchPassStart = 35;
constexpr double kPassSpan = 30;

float PassProgress(double start, int index, int driveCount) {
    return static_cast<float>(start + kPassSpan * (index + 1) / driveCount);
}

}  // namespace

// The game folder with its separator, then "Home" and "Maps". The search
// matched the executable's name, so the path ends with it in some letter
// case; a shorter path keeps nothing of itself.
std::string GameMapsFolderOf(const std::string& gameExePath) {
    const std::size_t nameLength = std::strlen(kGameExeName);
    const std::size_t keep = gameExePath.size() > nameLength ? gameExePath.size() - nameLength : 0;
    std::string folder = gameExePath.substr(0, keep);
    folder += "Home";
    folder += kPathSeparator;
    folder += "Maps";
    return folder;
}

GameSearch::GameSearch(Drives& drives, TreeSearch& treeSearch) : drives_(drives), treeSearch_(treeSearch) {}

void GameSearch::FindFixedDrives(const SearchProgress& progress) {
    const int driveCount = std::max(drives_.Count(), 0);
    fixed_.assign(driveCount, false);
    for (int i = 0; i < driveCount; ++i) {
        progress(PassProgress(kTypePassStart, i, driveCount));
        fixed_[i] = drives_.DriveType(drives_.Root(i)) == kFixedDriveType;
    }
}

// The fixed drives are handed over as one row; the bar moves as the search
// comes to each drive, as it would searching them one by one.
std::optional<std::string> GameSearch::FindGameMapsFolder(const SearchProgress& progress) {
    const int driveCount = static_cast<int>(fixed_.size());
    std::vector<std::string> roots;
    std::vector<int> driveOfRoot;
    for (int i = 0; i < driveCount; ++i) {
        if (!fixed_[i]) continue;
        roots.push_back(drives_.Root(i));
        driveOfRoot.push_back(i);
    }
    int told = 0;
    const auto tellUpTo = [&](int drive) {
        for (; told <= drive; ++told) progress(PassProgress(kSearchPassStart, told, driveCount));
    };
    std::optional<FoundInRow> found;
    try {
        found = treeSearch_.FindFirst(roots, kGameExeName,
                                      [&](std::size_t root) { tellUpTo(driveOfRoot[root]); });
    } catch (const std::exception&) {
        // Searched in vain.
    }
    if (found && NamesAPlace(found->path)) {
        tellUpTo(driveOfRoot[found->root]);
        return GameMapsFolderOf(found->path);
    }
    tellUpTo(driveCount - 1);
    return std::nullopt;
}

}  // namespace tessary
