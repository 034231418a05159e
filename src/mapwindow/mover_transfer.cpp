// Moving a map with its preview picture between the game maps folder and the
// stored maps folder.
#include <optional>
#include <string>
#include <vector>

#include "forms/message_title.h"
#include "mapwindow/button_looks.h"
#include "mapwindow/map_move.h"
#include "mapwindow/move_plan.h"
#include "mapwindow/mover.h"
#include "mapwindow/mover_messages.h"
#include "mapwindow/replaced_file.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/path.h"
#include "platform/pointer.h"

namespace tessary {

namespace {

struct Direction {
    bool install;
    ButtonLook readyLook;
    MapControl pressedButton;
    FileList& source;
    FileList& destination;
    const std::string& chosenMap;
    // The stored maps list, whose folder holds the replaced maps folder.
    FileList& stored;
};

// Runs one step of the transfer's frame (looks, pointer, lists); a failing
// step is skipped and the transfer goes on. The move itself reports.
template <typename Step>
void RunStep(Step&& step) {
    try {
        step();
    } catch (const RuntimeFailure&) {}
}

// Moves the chosen map, and its picture with it, between the folders. The
// map moves under its own name: when the source list's selection no longer
// names the chosen map, nothing moves. A move that does not happen is
// explained once the window shows the lists as they are.
void Transfer(Mover& mover, const MoverControls& controls, const MoverWindowServices& services,
              const Direction& direction) {
    SetButtonLook(controls, direction.readyLook);
    if (direction.chosenMap.empty()) {
        SetButtonLook(controls, ButtonLook::Idle);
        return;
    }
    const std::string chosenMap = direction.chosenMap;
    RunStep([&] { services.pointer.Set(PointerShape::Busy); });
    RunStep([&] { ShowImage(controls, direction.pressedButton, true); });

    std::optional<std::string> problem;
    const std::string mapName(NameOfPath(chosenMap));
    try {
        const std::string name = direction.source.SelectedFileName();
        if (name.empty() || name != mapName) {
            problem = MoveNotStartedText(mapName, direction.install, kSelectionLostReason);
        } else {
            const std::string storedFolder = direction.stored.Folder();
            const std::string folder = direction.destination.Folder();
            if (storedFolder.empty() || folder.empty()) {
                // Never a move to the top of the disk: without its folder
                // there is nowhere to put the map.
                problem = MoveNotStartedText(mapName, direction.install, kNoStoredMapsFolderReason);
            } else {
                MapMove move;
                problem = PlanMove(services.files, chosenMap, folder, move);
                if (problem) {
                    problem = MoveNotStartedText(mapName, direction.install, *problem);
                } else {
                    move.replacedFolder = JoinPath(storedFolder, kReplacedMapsName);
                    move.journalFolder = storedFolder;
                    MoveMapPair(services.files, move);
                }
            }
        }
    } catch (const MoveFailure& failure) {
        problem = MoveFailedText(mapName, direction.install, failure, failure.EverythingBack());
    } catch (const RuntimeFailure& failure) {
        problem = MoveFailedText(mapName, direction.install, failure, true);
    }
    RunStep([&] { services.pointer.Set(PointerShape::Default); });
    RunStep([&] { mover.RefreshMapLists(); });
    SetButtonLook(controls, ButtonLook::Idle);
    if (problem) RunStep([&] { services.messages.ShowOk(*problem, kApplicationTitle); });
}

}  // namespace

void Mover::Install() {
    WhileMoving([this] {
        Transfer(*this, controls_, services_,
                 {true, ButtonLook::InstallReady, MapControl::InstallButton, controls_.storedList,
                  controls_.gameList, SelectedStoredMap, controls_.storedList});
    });
}

void Mover::Store() {
    WhileMoving([this] {
        Transfer(*this, controls_, services_,
                 {false, ButtonLook::StoreReady, MapControl::StoreButton, controls_.gameList,
                  controls_.storedList, SelectedGameMap, controls_.storedList});
    });
}

void Mover::StoreHighlightedMap() {
    // With nothing highlighted there is nothing to click, so nothing happens.
    if (controls_.gameList.SelectedFileName().empty()) return;
    ChooseGameMap();
    Store();
}

void Mover::InstallHighlightedMap() {
    if (controls_.storedList.SelectedFileName().empty()) return;
    ChooseStoredMap();
    Install();
}

void Mover::FlickInstallIdle() {
    SetButtonLook(controls_, ButtonLook::InstallReady);
    SetButtonLook(controls_, ButtonLook::Idle);
}

}  // namespace tessary
