#include "mapwindow/replaced_file.h"

#include "platform/failure.h"
#include "platform/files.h"
#include "platform/path.h"

namespace tessary {

namespace {

// The most numbered names tried before the replaced maps folder counts as full.
constexpr int kMostNumberedNames = 999;

std::string NameOf(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

SetAside MoveToReplacedMaps(Files& files, const std::string& path, const std::string& replacedFolder) {
    if (replacedFolder.empty()) throw RuntimeFailure(kPathNotFound, "No folder for replaced maps");
    // Made on first need; a folder already there fails this harmlessly, and
    // any other failure shows in the move.
    try {
        files.CreateFolder(replacedFolder);
    } catch (const RuntimeFailure&) {
    }
    const std::string name = NameOf(path);
    for (int n = 1; n <= kMostNumberedNames; ++n) {
        const std::string target = JoinPath(replacedFolder, n == 1 ? name : NumberedName(name, n));
        if (files.FileExists(target)) continue;
        // The move never replaces, so a name taken meanwhile only fails it.
        files.Move(path, target);
        return {SetAside::Place::ReplacedMaps, target};
    }
    throw RuntimeFailure(kFileAlreadyExists,
                         "No free name for \"" + name + "\" in \"" + replacedFolder + "\"");
}

}  // namespace

std::string NumberedName(const std::string& name, int n) {
    const auto dot = name.rfind('.');
    const std::string number = " (" + std::to_string(n) + ")";
    if (dot == std::string::npos || dot == 0) return name + number;
    return name.substr(0, dot) + number + name.substr(dot);
}

SetAside SetAsideReplaced(Files& files, const std::string& path, const std::string& replacedFolder) {
    try {
        return {SetAside::Place::Trash, files.MoveToTrash(path)};
    } catch (const RuntimeFailure&) {
    }
    return MoveToReplacedMaps(files, path, replacedFolder);
}

bool PutBack(Files& files, const SetAside& aside, const std::string& path) {
    if (aside.path.empty()) return false;
    // A move needs no room on the disk, which a failed copy may have lacked.
    try {
        files.Move(aside.path, path);
        return true;
    } catch (const RuntimeFailure&) {
    }
    // The trash's own entry may refuse to move; then a copy, which leaves it there.
    if (aside.place != SetAside::Place::Trash) return false;
    try {
        files.Copy(aside.path, path);
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

}  // namespace tessary
