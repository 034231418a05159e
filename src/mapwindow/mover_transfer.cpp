// Moving a map with its preview picture between the game maps folder and the
// stored maps folder.
#include <optional>
#include <string>

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

// Copies from to to. A file already at to is first set aside (trash, else
// the replaced maps folder); when that is impossible nothing is copied. When
// the copy then fails, the old file is put back. Fails unless the copy is
// made; the copy itself is whole or absent.
void CopyKeepingReplaced(Files& files, const std::string& from, const std::string& to,
                         const std::string& replacedFolder) {
    std::optional<SetAside> aside;
    if (to != from && files.FileExists(from) && files.FileExists(to)) {
        aside = SetAsideReplaced(files, to, replacedFolder);
    }
    try {
        files.Copy(from, to);
    } catch (const RuntimeFailure&) {
        if (aside) PutBack(files, *aside, to);
        throw;
    }
}

// Every step runs, whatever the steps before it did, except that a source
// file is deleted only when its copy succeeded, so a failed copy never loses
// a map or a picture, and the picture moves only when its map did, so a map
// that stays keeps its picture. A file the copy replaces is kept (see
// CopyKeepingReplaced), and is not replaced when it cannot be kept.
void Transfer(Mover& mover, const MoverControls& controls, Pointer& pointer, Files& files,
              const Direction& direction) {
    SetButtonLook(controls, direction.readyLook);
    if (direction.chosenMap.empty()) {
        SetButtonLook(controls, ButtonLook::Idle);
        return;
    }
    const std::string chosenMap = direction.chosenMap;
    const std::string picture = mover.PreviewPicturePath;
    std::string replacedFolder;
    RunStep([&] {
        const std::string storedFolder = direction.stored.Folder();
        if (!storedFolder.empty()) replacedFolder = JoinPath(storedFolder, kReplacedMapsName);
    });
    RunStep([&] { pointer.Set(PointerShape::Busy); });
    RunStep([&] { ShowImage(controls, direction.pressedImage, true); });

    std::optional<std::string> pictureName;
    RunStep([&] {
        const std::string name = direction.source.SelectedFileName();
        pictureName = PictureFor(name, name.size(), mover.NameLength);
    });
    const bool mapCopied = RunStep([&] {
        const std::string name = direction.source.SelectedFileName();
        if (name.empty()) throw RuntimeFailure(kFileNotFound, "No map is selected");
        CopyKeepingReplaced(files, chosenMap, JoinPath(direction.destination.Folder(), name), replacedFolder);
    });
    const bool pictureCopied = mapCopied && RunStep([&] {
        if (!pictureName || picture.empty()) throw RuntimeFailure(kFileNotFound, "The map has no picture name");
        CopyKeepingReplaced(files, picture, JoinPath(direction.destination.Folder(), *pictureName),
                            replacedFolder);
    });
    if (mapCopied) RunStep([&] { files.Delete(chosenMap); });
    if (pictureCopied) RunStep([&] { files.Delete(picture); });
    RunStep([&] { pointer.Set(PointerShape::Default); });
    RunStep([&] { mover.RefreshMapLists(); });
    SetButtonLook(controls, ButtonLook::Idle);
}

}  // namespace

void Mover::Image12_MouseDown() {
    Transfer(*this, controls_, services_.pointer, services_.files,
             {ButtonLook::InstallReady, 12, controls_.File2, controls_.File1, SelectedStoredMap,
              controls_.File2});
}

void Mover::Image13_MouseDown() {
    Transfer(*this, controls_, services_.pointer, services_.files,
             {ButtonLook::StoreReady, 13, controls_.File1, controls_.File2, SelectedGameMap,
              controls_.File2});
}

void Mover::Image2_Click() {
    SetButtonLook(controls_, ButtonLook::InstallReady);
    SetButtonLook(controls_, ButtonLook::Idle);
}

}  // namespace tessary
