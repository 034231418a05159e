#include "mapwindow/replaced_file.h"

#include <optional>

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

// Puts back those of paths already set aside, the last first.
void PutBackAll(Files& files, const std::vector<SetAside>& asides, const std::vector<std::string>& paths) {
    for (std::size_t i = asides.size(); i-- > 0;) PutBack(files, asides[i], paths[i]);
}

std::vector<SetAside> MoveToReplacedMaps(Files& files, const std::vector<std::string>& paths,
                                         const std::string& replacedFolder) {
    if (replacedFolder.empty()) throw RuntimeFailure(kPathNotFound, "No folder for replaced maps");
    // Made on first need; a folder already there fails this harmlessly, and
    // any other failure (a plain file of that name) shows in the move.
    try {
        files.CreateFolder(replacedFolder);
    } catch (const RuntimeFailure&) {}
    for (int n = 1; n <= kMostNumberedNames; ++n) {
        std::vector<std::string> targets;
        bool free = true;
        for (const auto& path : paths) {
            const std::string name = NameOf(path);
            targets.push_back(JoinPath(replacedFolder, n == 1 ? name : NumberedName(name, n)));
            free = free && !files.FileExists(targets.back());
        }
        if (!free) continue;
        std::vector<SetAside> asides;
        try {
            // The move never replaces, so a name taken meanwhile only fails it.
            for (std::size_t i = 0; i < paths.size(); ++i) {
                files.Move(paths[i], targets[i]);
                asides.push_back({SetAside::Place::ReplacedMaps, targets[i]});
            }
        } catch (const RuntimeFailure&) {
            PutBackAll(files, asides, paths);
            throw;
        }
        return asides;
    }
    throw RuntimeFailure(kFileAlreadyExists,
                         "No free name for \"" + NameOf(paths.front()) + "\" in \"" + replacedFolder + "\"");
}

}  // namespace

std::string NumberedName(const std::string& name, int n) {
    const auto dot = name.rfind('.');
    const std::string number = " (" + std::to_string(n) + ")";
    if (dot == std::string::npos || dot == 0) return name + number;
    return name.substr(0, dot) + number + name.substr(dot);
}

SetAside SetAsideReplaced(Files& files, const std::string& path, const std::string& replacedFolder) {
    return SetAsideTogether(files, {path}, replacedFolder).front();
}

std::vector<SetAside> SetAsideTogether(Files& files, const std::vector<std::string>& paths,
                                       const std::string& replacedFolder) {
    if (paths.empty()) return {};
    std::vector<SetAside> trashed;
    try {
        for (const auto& path : paths) {
            trashed.push_back({SetAside::Place::Trash, files.MoveToTrash(path)});
        }
        return trashed;
    } catch (const RuntimeFailure&) {}
    // All or none in the trash: those that went are taken back; one that
    // cannot be stays safe in the trash, and the others go together.
    std::vector<std::optional<SetAside>> slots(paths.size());
    std::vector<std::string> left;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i < trashed.size() && !PutBack(files, trashed[i], paths[i])) {
            slots[i] = trashed[i];
        } else {
            left.push_back(paths[i]);
        }
    }
    std::vector<SetAside> moved =
        left.empty() ? std::vector<SetAside>{} : MoveToReplacedMaps(files, left, replacedFolder);
    std::vector<SetAside> result;
    std::size_t next = 0;
    for (auto& slot : slots) result.push_back(slot ? *slot : moved[next++]);
    return result;
}

bool PutBack(Files& files, const SetAside& aside, const std::string& path) {
    if (aside.path.empty()) return false;
    // A move needs no room on the disk, which a failed copy may have lacked.
    try {
        if (aside.place == SetAside::Place::Trash) {
            files.RestoreFromTrash(aside.path, path);
        } else {
            files.Move(aside.path, path);
        }
        return true;
    } catch (const RuntimeFailure&) {}
    // The trash's own entry may refuse to move; then a copy, which leaves it there.
    // A copy would replace a file that now stands at path: never.
    if (aside.place != SetAside::Place::Trash || files.FileExists(path)) return false;
    try {
        files.Copy(aside.path, path);
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

}  // namespace tessary
