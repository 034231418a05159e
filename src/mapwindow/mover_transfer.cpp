// Moving a map with its preview picture between the game maps folder and the
// stored maps folder.
#include <optional>
#include <string>

#include "mapwindow/button_looks.h"
#include "mapwindow/mover.h"
#include "mapwindow/picture_name.h"
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

// Every step runs, whatever the steps before it did, except that a source
// file is deleted only when its copy succeeded, so a failed copy never loses
// a map or a picture, and the picture moves only when its map did, so a map
// that stays keeps its picture.
void Transfer(Mover& mover, const MoverControls& controls, Pointer& pointer, Files& files,
              const Direction& direction) {
    SetButtonLook(controls, direction.readyLook);
    if (direction.chosenMap.empty()) {
        SetButtonLook(controls, ButtonLook::Idle);
        return;
    }
    const std::string chosenMap = direction.chosenMap;
    const std::string picture = mover.PreviewPicturePath;
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
        files.Copy(chosenMap, JoinPath(direction.destination.Folder(), name));
    });
    const bool pictureCopied = mapCopied && RunStep([&] {
        if (!pictureName || picture.empty()) throw RuntimeFailure(kFileNotFound, "The map has no picture name");
        files.Copy(picture, JoinPath(direction.destination.Folder(), *pictureName));
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
             {ButtonLook::InstallReady, 12, controls_.File2, controls_.File1, SelectedStoredMap});
}

void Mover::Image13_MouseDown() {
    Transfer(*this, controls_, services_.pointer, services_.files,
             {ButtonLook::StoreReady, 13, controls_.File1, controls_.File2, SelectedGameMap});
}

void Mover::Image2_Click() {
    SetButtonLook(controls_, ButtonLook::InstallReady);
    SetButtonLook(controls_, ButtonLook::Idle);
}

}  // namespace tessary
