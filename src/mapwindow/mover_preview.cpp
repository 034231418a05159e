// Choosing a map in either list and showing its preview picture.
#include <string>

#include "mapwindow/button_looks.h"
#include "mapwindow/mover.h"
#include "mapwindow/picture_name.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/path.h"

namespace tessary {

namespace {

struct PreviewSide {
    ButtonLook readyLook;
    FileList& list;
    std::string& clearedMap;
    std::string& chosenMap;
};

// The chosen map and PreviewPicturePath are set before the picture is
// loaded, so the map can be moved whether or not it has a picture. Any
// failure empties the preview area and shows "No Picture is Available".
void Preview(Mover& mover, const MoverControls& controls, const PreviewSide& side) {
    try {
        SetButtonLook(controls, side.readyLook);
        controls.Label1.SetVisible(false);
        side.clearedMap.clear();
        const std::string name = side.list.SelectedFileName();
        if (name.empty()) {
            // Nothing picked after all: nothing is chosen.
            side.chosenMap.clear();
            mover.PreviewPicturePath.clear();
            throw RuntimeFailure(kFileNotFound, "No map is selected");
        }
        side.chosenMap = JoinPath(side.list.Folder(), name);
        // PreviewPicturePath only ever names a picture, never the map itself.
        mover.PreviewPicturePath.clear();
        const auto picture = PictureFor(side.chosenMap, name.size(), mover.NameLength);
        if (!picture) throw RuntimeFailure(kInvalidProcedureCall, "The map's name gives no picture name");
        mover.PreviewPicturePath = *picture;
        if (controls.Image[1] == nullptr) throw RuntimeFailure(kInvalidPicture, "No preview area");
        controls.Image[1]->LoadPicture(mover.PreviewPicturePath);
    } catch (const RuntimeFailure&) {
        if (controls.Image[1] != nullptr) controls.Image[1]->ClearPicture();
        controls.Label1.SetVisible(true);
    }
}

}  // namespace

void Mover::File1_Click() {
    Preview(*this, controls_, {ButtonLook::StoreReady, controls_.File1, SelectedStoredMap, SelectedGameMap});
}

void Mover::File2_Click() {
    Preview(*this, controls_,
            {ButtonLook::InstallReady, controls_.File2, SelectedGameMap, SelectedStoredMap});
}

}  // namespace tessary
