// The lists following their folders: a re-read when the folders change on
// disk or the player asks for one, kept out of the way of a move.
#include <string>

#include "mapwindow/button_looks.h"
#include "mapwindow/mover.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/path.h"

namespace tessary {

namespace {

// The chosen map is the entry its list highlights.
bool Highlighted(const FileList& list, const std::string& chosenMap) {
    if (chosenMap.empty()) return false;
    const std::string name = list.SelectedFileName();
    return !name.empty() && JoinPath(list.Folder(), name) == chosenMap;
}

}  // namespace

void Mover::FollowFolders() {
    if (moving_) {
        followWaiting_ = true;
        return;
    }
    // A chosen map that no longer matches its highlight (the move that took
    // it away explains itself) is left as it is.
    const bool gameHeld = Highlighted(controls_.gameList, SelectedGameMap);
    const bool storedHeld = Highlighted(controls_.storedList, SelectedStoredMap);
    for (FileList* list : {&controls_.gameList, &controls_.storedList}) {
        // A folder that cannot be read keeps the entries it showed.
        try {
            list->Refresh();
        } catch (const RuntimeFailure&) {}
    }
    const bool gone = (gameHeld && !Highlighted(controls_.gameList, SelectedGameMap)) ||
                      (storedHeld && !Highlighted(controls_.storedList, SelectedStoredMap));
    if (!gone) return;
    SelectedGameMap.clear();
    SelectedStoredMap.clear();
    PreviewPicturePath.clear();
    controls_.Picture(MapControl::Preview).ClearPicture();
    controls_.noPictureLabel.SetVisible(false);
    SetButtonLook(controls_, ButtonLook::Idle);
}

void Mover::WhileMoving(const std::function<void()>& move) {
    struct Moving {
        Mover& mover;
        explicit Moving(Mover& m) : mover(m) { mover.moving_ = true; }
        ~Moving() { mover.moving_ = false; }
    };
    {
        const Moving moving(*this);
        move();
    }
    if (followWaiting_) {
        followWaiting_ = false;
        FollowFolders();
    }
}

}  // namespace tessary
