// The pieces of the game search: drive roots, drive-type names, the tree
// search of one drive and the game maps folder of a found executable.
#include <cstring>
#include <exception>

#include "platform/drives.h"
#include "platform/path.h"
#include "startup/module1.h"

namespace tessary {

void Module1::SetDriveRoot() {
    if (DriveIndex < 0 || DriveIndex >= services_.drives.Count()) return;
    DriveRoot = services_.drives.Root(DriveIndex);
}

const char* DriveTypeName(std::int32_t code) {
    switch (code) {
    case 0: return "UNDETERMINED";
    case 2: return "REMOVABLE";
    case 3: return "FIXED";
    case 4: return "REMOTE";
    case 5: return "CDROM";
    case 6: return "RAMDISK";
    default: return nullptr;  // 1 (no root folder) and unknown codes
    }
}

std::string Module1::FindFileInTree(const std::string& root, const std::string& fileName) {
    // A drive that cannot be searched counts as a drive without the game.
    try {
        return services_.treeSearch.Find(root, fileName);
    } catch (const std::exception&) {
        return {};
    }
}

std::string DeriveGameMapsFolder(const std::string& gameExePath) {
    // The search matched the executable's name, so the path ends with it in
    // some letter case; what is left is the game folder with its separator.
    const std::size_t nameLength = std::strlen(kGameExeName);
    const std::size_t keep = gameExePath.size() > nameLength ? gameExePath.size() - nameLength : 0;
    std::string folder = gameExePath.substr(0, keep);
    folder += "Home";
    folder += kPathSeparator;
    folder += "Maps";
    return folder;
}

}  // namespace tessary
