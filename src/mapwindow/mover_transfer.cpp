// Moving a map with its preview picture between the game maps folder and the
// stored maps folder.
#include <optional>
#include <string>
#include <vector>

#include "mapwindow/button_looks.h"
#include "mapwindow/mover.h"
#include "mapwindow/picture_name.h"
#include "mapwindow/replaced_file.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/path.h"
#include "platform/pointer.h"

namespace tessary {

namespace {

struct Direction {
    ButtonLook readyLook;
    int pressedImage;
    FileList& source;
    FileList& destination;
    const std::string& chosenMap;
    // The stored maps list, whose folder holds the replaced maps folder.
    FileList& stored;
};

// Runs one step of the transfer; a failing step is skipped and the transfer
// goes on. True when the step ran to its end.
template <typename Step>
bool RunStep(Step&& step) {
    try {
        step();
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

std::string NameOf(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A file put at its destination: renamed there, or copied there with its
// source still in place (stamped before the copy).
struct Placed {
    std::string from;
    std::string to;
    bool renamed = false;
    FileStamp stamp;
};

// Puts the file at from at the free path to: renamed within one file
// system, which is atomic and needs no room; else copied, the source staying.
Placed Place(Files& files, const std::string& from, const std::string& to) {
    try {
        files.Move(from, to);
        return {from, to, true, {}};
    } catch (const RuntimeFailure&) {}
    if (files.FileExists(to)) throw RuntimeFailure(kFileAlreadyExists, "\"" + to + "\" appeared meanwhile");
    const FileStamp stamp = files.Stamp(from);
    files.Copy(from, to);
    return {from, to, false, stamp};
}

// Takes a placed file back: renamed back, or its copy removed. False when
// it stays at its destination (still whole there).
bool Unplace(Files& files, const Placed& placed) {
    return RunStep([&] {
        if (placed.renamed) {
            files.Move(placed.to, placed.from);
        } else {
            files.Delete(placed.to);
        }
    });
}

// The source of a copy is still the very file that was copied, unchanged.
bool Unchanged(Files& files, const Placed& placed) {
    if (placed.renamed) return true;
    try {
        return files.Stamp(placed.from) == placed.stamp;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

// Moves a map and its picture (when it has one) together or not at all.
// The map and picture they replace at the destination are first set aside
// together (trash, else the replaced maps folder); when that is impossible
// nothing moves. Whatever fails later, what was done is taken back and the
// set-aside files are put back, so both folders hold what they held. A
// copied source that another program changed meanwhile is left alone, and
// its copy kept.
void MovePair(Files& files, const std::string& map, const std::optional<std::string>& picture,
              const std::string& destinationMap, const std::optional<std::string>& destinationPicture,
              const std::string& replacedFolder) {
    if (!files.FileExists(map)) throw RuntimeFailure(kFileNotFound, "\"" + map + "\" is gone");
    const bool hasPicture = picture && destinationPicture && files.FileExists(*picture);
    if (files.FileExists(destinationMap) && files.Stamp(destinationMap) == files.Stamp(map)) {
        throw RuntimeFailure(kPathFileAccessError, "\"" + map + "\" is already at its destination");
    }
    std::vector<std::string> replaced;
    const bool replacesMap = files.FileExists(destinationMap);
    if (replacesMap) replaced.push_back(destinationMap);
    // A replaced map's picture goes with it, and never stays to pass as the
    // new map's picture.
    if (destinationPicture && (hasPicture || replacesMap) && files.FileExists(*destinationPicture)) {
        replaced.push_back(*destinationPicture);
    }
    const std::vector<SetAside> asides = SetAsideTogether(files, replaced, replacedFolder);
    std::vector<Placed> placed;
    const auto undo = [&] {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) Unplace(files, *it);
        for (std::size_t i = asides.size(); i-- > 0;) PutBack(files, asides[i], replaced[i]);
    };
    try {
        placed.push_back(Place(files, map, destinationMap));
        if (hasPicture) placed.push_back(Place(files, *picture, *destinationPicture));
    } catch (const RuntimeFailure&) {
        undo();
        throw;
    }
    for (const Placed& file : placed) {
        // Changed meanwhile: both versions stay, the source where it was.
        if (!Unchanged(files, file)) return;
    }
    // The copies' sources go, the picture's first: when the map's cannot
    // go, the picture comes back from its copy.
    Placed* copiedPicture = placed.size() > 1 && !placed[1].renamed ? &placed[1] : nullptr;
    if (copiedPicture != nullptr) {
        try {
            files.Delete(copiedPicture->from);
        } catch (const RuntimeFailure&) {
            undo();
            throw;
        }
    }
    if (!placed[0].renamed) {
        try {
            files.Delete(placed[0].from);
        } catch (const RuntimeFailure&) {
            if (copiedPicture != nullptr) {
                // Its source is gone: back by a copy, and only then is its
                // destination copy taken away.
                if (!RunStep([&] { files.Copy(copiedPicture->to, copiedPicture->from); })) placed.pop_back();
            }
            undo();
            throw;
        }
    }
}

// Moves the chosen map, and its picture with it, between the folders. The
// map moves under its own name: when the source list's selection no longer
// names the chosen map, nothing moves.
void Transfer(Mover& mover, const MoverControls& controls, Pointer& pointer, Files& files,
              const Direction& direction) {
    SetButtonLook(controls, direction.readyLook);
    if (direction.chosenMap.empty()) {
        SetButtonLook(controls, ButtonLook::Idle);
        return;
    }
    const std::string chosenMap = direction.chosenMap;
    std::string replacedFolder;
    RunStep([&] {
        const std::string storedFolder = direction.stored.Folder();
        if (!storedFolder.empty()) replacedFolder = JoinPath(storedFolder, kReplacedMapsName);
    });
    RunStep([&] { pointer.Set(PointerShape::Busy); });
    RunStep([&] { ShowImage(controls, direction.pressedImage, true); });

    RunStep([&] {
        const std::string name = direction.source.SelectedFileName();
        if (name.empty()) throw RuntimeFailure(kFileNotFound, "No map is selected");
        if (name != NameOf(chosenMap)) throw RuntimeFailure(kFileNotFound, "The selection is another map");
        const std::optional<std::string> pictureName = PictureFor(name, name.size(), mover.NameLength);
        std::int16_t unused = 0;
        const std::optional<std::string> picture = PictureFor(chosenMap, name.size(), unused);
        const std::string folder = direction.destination.Folder();
        std::optional<std::string> destinationPicture;
        if (pictureName) destinationPicture = JoinPath(folder, *pictureName);
        MovePair(files, chosenMap, picture, JoinPath(folder, name), destinationPicture, replacedFolder);
    });
    RunStep([&] { pointer.Set(PointerShape::Default); });
    RunStep([&] { mover.RefreshMapLists(); });
    SetButtonLook(controls, ButtonLook::Idle);
}

}  // namespace

void Mover::Image12_MouseDown() {
    Transfer(
        *this, controls_, services_.pointer, services_.files,
        {ButtonLook::InstallReady, 12, controls_.File2, controls_.File1, SelectedStoredMap, controls_.File2});
}

void Mover::Image13_MouseDown() {
    Transfer(
        *this, controls_, services_.pointer, services_.files,
        {ButtonLook::StoreReady, 13, controls_.File1, controls_.File2, SelectedGameMap, controls_.File2});
}

void Mover::Image2_Click() {
    SetButtonLook(controls_, ButtonLook::InstallReady);
    SetButtonLook(controls_, ButtonLook::Idle);
}

}  // namespace tessary
