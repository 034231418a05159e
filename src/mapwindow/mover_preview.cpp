// Choosing a map in either list and showing its preview picture.
#include <optional>
#include <string>
#include <string_view>

#include "mapwindow/button_looks.h"
#include "mapwindow/mover.h"
#include "mapwindow/picture_name.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/files.h"
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
void Preview(Mover& mover, const MoverControls& controls, const Files& files, const PreviewSide& side) {
    try {
        SetButtonLook(controls, side.readyLook);
        controls.noPictureLabel.SetVisible(false);
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
        const auto picture = PictureFor(side.chosenMap, name.size());
        if (!picture) throw RuntimeFailure(kInvalidProcedureCall, "The map's name gives no picture name");
        mover.PreviewPicturePath = *picture;
        // The file the folder holds for the map, under its own name; none
        // at all when the folder holds none, even where the disk would open
        // another map's picture under the name PictureFor gives.
        std::optional<std::string> found;
        try {
            found = FindPictureName(
                files.NamesIn(side.list.Folder()), name,
                [&files](std::string_view a, std::string_view b) { return files.LookAlike(a, b); });
        } catch (const RuntimeFailure&) {
            found = std::string(NameOfPath(*picture));  // the folder cannot be read: try the name itself
        }
        if (!found) throw RuntimeFailure(kFileNotFound, "The map has no picture");
        mover.PreviewPicturePath = JoinPath(side.list.Folder(), *found);
        controls.Picture(MapControl::Preview).LoadPicture(mover.PreviewPicturePath);
    } catch (const RuntimeFailure&) {
        controls.Picture(MapControl::Preview).ClearPicture();
        controls.noPictureLabel.SetVisible(true);
    }
}

}  // namespace

void Mover::ChooseGameMap() {
    Preview(*this, controls_, services_.files,
            {ButtonLook::StoreReady, controls_.gameList, SelectedStoredMap, SelectedGameMap});
}

void Mover::ChooseStoredMap() {
    Preview(*this, controls_, services_.files,
            {ButtonLook::InstallReady, controls_.storedList, SelectedGameMap, SelectedStoredMap});
}

}  // namespace tessary
