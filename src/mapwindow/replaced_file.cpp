#include "mapwindow/replaced_file.h"

#include <optional>

#include "platform/failure.h"
#include "platform/files.h"
#include "platform/path.h"

namespace tessary {

namespace {

// The most numbered names tried before the replaced maps folder counts as full.
constexpr int kMostNumberedNames = 999;

// Tells steps, when there are any, what happens to paths[indexes[i]].
struct Teller {
    SetAsideSteps* steps;
    std::vector<std::size_t> indexes;
    void Trying(std::size_t i, const SetAside& target) const {
        if (steps != nullptr) steps->Trying(indexes[i], target);
    }
    void Done(std::size_t i, const SetAside& where) const {
        if (steps != nullptr) steps->Done(indexes[i], where);
    }
    void Back(std::size_t i) const {
        if (steps != nullptr) steps->Back(indexes[i]);
    }
};

// Puts back those of paths already set aside, the last first.
void PutBackAll(Files& files, const std::vector<SetAside>& asides, const std::vector<std::string>& paths,
                const Teller& tell) {
    for (std::size_t i = asides.size(); i-- > 0;) {
        if (PutBack(files, asides[i], paths[i])) tell.Back(i);
    }
}

std::vector<SetAside> MoveToReplacedMaps(Files& files, const std::vector<std::string>& paths,
                                         const std::string& replacedFolder, const Teller& tell) {
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
            const std::string name(NameOfPath(path));
            targets.push_back(JoinPath(replacedFolder, n == 1 ? name : NumberedName(name, n)));
            free = free && !files.NameTaken(targets.back());
        }
        if (!free) continue;
        std::vector<SetAside> asides;
        try {
            // The move never replaces, so a name taken meanwhile only fails it.
            for (std::size_t i = 0; i < paths.size(); ++i) {
                const SetAside target{SetAside::Place::ReplacedMaps, targets[i]};
                tell.Trying(i, target);
                files.Move(paths[i], targets[i]);
                asides.push_back(target);
                tell.Done(i, target);
            }
        } catch (const RuntimeFailure&) {
            PutBackAll(files, asides, paths, tell);
            throw;
        }
        return asides;
    }
    throw RuntimeFailure(kFileAlreadyExists, "No free name for \"" + std::string(NameOfPath(paths.front())) +
                                                 "\" in \"" + replacedFolder + "\"");
}

}  // namespace

std::string NumberedName(const std::string& name, int n) {
    const auto dot = name.rfind('.');
    const std::string number = " (" + std::to_string(n) + ")";
    if (dot == std::string::npos || dot == 0) return name + number;
    return name.substr(0, dot) + number + name.substr(dot);
}

std::vector<SetAside> SetAsideTogether(Files& files, const std::vector<std::string>& paths,
                                       const std::string& replacedFolder, SetAsideSteps* steps) {
    if (paths.empty()) return {};
    Teller all{steps, {}};
    for (std::size_t i = 0; i < paths.size(); ++i) all.indexes.push_back(i);
    std::vector<SetAside> trashed;
    try {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            all.Trying(i, {SetAside::Place::Trash, ""});
            trashed.push_back({SetAside::Place::Trash, files.MoveToTrash(paths[i])});
            all.Done(i, trashed.back());
        }
        return trashed;
    } catch (const RuntimeFailure&) {}
    // All or none in the trash: those that went are taken back; one that
    // cannot be stays safe in the trash, and the others go together.
    std::vector<std::optional<SetAside>> slots(paths.size());
    std::vector<std::string> left;
    Teller rest{steps, {}};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i < trashed.size() && !PutBack(files, trashed[i], paths[i])) {
            slots[i] = trashed[i];
        } else {
            if (i < trashed.size()) all.Back(i);
            left.push_back(paths[i]);
            rest.indexes.push_back(i);
        }
    }
    std::vector<SetAside> moved =
        left.empty() ? std::vector<SetAside>{} : MoveToReplacedMaps(files, left, replacedFolder, rest);
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
    if (aside.place != SetAside::Place::Trash || files.NameTaken(path)) return false;
    try {
        files.Copy(aside.path, path);
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

}  // namespace tessary
