// The map window's load and unload steps and the re-read of both lists.
#include "mapwindow/mover.h"

#include <string>
#include <utility>
#include <vector>

#include "forms/message_title.h"
#include "mapwindow/button_looks.h"
#include "mapwindow/map_move.h"
#include "mapwindow/mover_messages.h"
#include "mapwindow/staging.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/map_window.h"
#include "platform/message_boxes.h"
#include "platform/path.h"
#include "platform/screen.h"
#include "shape/window_shape.h"

namespace tessary {

Mover::Mover(GameMapsPlace game, MoverControls controls, MoverWindow& window,
             const MoverWindowServices& services)
    : game_(std::move(game)),
      storedMapsFolder_(JoinPath(game_.folder, kStoredMapsName)),
      controls_(controls),
      window_(window),
      services_(services) {}

void Mover::Load() {
    // The shape, the place and the first looks: a failure here is not the
    // load step's to handle.
    const TwipsPerPixel twips{services_.screen.TwipsPerPixelX(), services_.screen.TwipsPerPixelY()};
    window_.SetWindowRgn(BuildWindowShape(window_.Regions(), twips, ShapeRegion), true);
    const float top = static_cast<float>(services_.screen.HeightTwips()) / 2.0f -
                      static_cast<float>(kMoverTopFromMiddleTwips);
    const float left = static_cast<float>(services_.screen.WidthTwips()) / 2.0f -
                       static_cast<float>(kMoverLeftFromMiddleTwips);
    window_.SetTopLeft(top, left);
    controls_.noPictureLabel.SetVisible(false);
    using C = MapControl;
    for (C shown : {C::InstallIdle, C::StoreIdle, C::QuitButton, C::CustomMapsButton}) {
        ShowImage(controls_, shown, true);
    }
    for (C hidden : {C::InstallButton, C::StoreButton, C::QuitPressed, C::CustomMapsPressed, C::InstallBlank,
                     C::StoreBlank}) {
        ShowImage(controls_, hidden, false);
    }

    try {
        // A transfer cut off when the program last ran (a crash, a kill, a
        // power cut) is finished or taken back before the lists are read.
        std::vector<Recovered> recovered;
        try {
            recovered = RecoverCutOffMoves(services_.files, storedMapsFolder_);
        } catch (const RuntimeFailure&) {}
        for (const auto& move : recovered) {
            services_.messages.ShowOk(CutOffMoveText(move.map, move.finished, move.complete, move.adding),
                                      kApplicationTitle);
        }
        try {
            controls_.gameList.SetFolder(game_.folder);
        } catch (const RuntimeFailure& failure) {
            // The remembered game is gone, or its folder cannot be listed: say
            // so, forget it (the next start looks for the game again), and
            // leave both lists empty.
            services_.messages.ShowOk(failure.Number() == kPathNotFound
                                          ? MissingGameMapsFolderText(game_.folder)
                                          : LoadFailureText(failure),
                                      kApplicationTitle);
            game_.forget();
            return;
        }
        controls_.gameList.SetPattern(kMapPattern);
        try {
            controls_.storedList.SetFolder(storedMapsFolder_);
        } catch (const RuntimeFailure& failure) {
            if (failure.Number() != kPathNotFound) throw;
            // First run on this machine: make the folder, silently.
            const std::string& folder = storedMapsFolder_;
            try {
                services_.files.CreateFolder(folder);
            } catch (const RuntimeFailure&) {
                services_.messages.ShowOk(StoredMapsFolderNotCreatedText(folder), kApplicationTitle);
                return;
            }
            try {
                controls_.storedList.SetFolder(storedMapsFolder_);
            } catch (const RuntimeFailure&) {
                services_.messages.ShowOk(StoredMapsFolderNotReadText(folder), kApplicationTitle);
                return;
            }
        }
        controls_.storedList.SetPattern(kMapPattern);
        // A transfer cut off in its copy (power loss, the process killed)
        // left its hidden temporary file behind.
        for (const auto& folder : {game_.folder, storedMapsFolder_}) {
            try {
                services_.files.RemoveTemporaryFiles(folder);
            } catch (const RuntimeFailure&) {}
        }
        // An add cut off left the copies it was writing in a staging
        // folder. They stay while a transfer waits to be taken back: it
        // puts its files back there.
        try {
            if (services_.files.AbandonedJournals(storedMapsFolder_).empty()) {
                for (const auto& folder : {game_.folder, storedMapsFolder_})
                    RemoveLeftStagingFolders(services_.files, folder);
            }
        } catch (const RuntimeFailure&) {}
    } catch (const RuntimeFailure& failure) {
        services_.messages.ShowOk(LoadFailureText(failure), kApplicationTitle);
    }
}

void Mover::Unload() {
    // Released once, however often the window system asks.
    if (ShapeRegion == kNoRegion) return;
    window_.Regions().DeleteObject(ShapeRegion);
    ShapeRegion = kNoRegion;
}

void Mover::RefreshMapLists() {
    controls_.gameList.SetFolder(game_.folder);
    controls_.gameList.SetPattern(kMapPattern);
    controls_.gameList.Refresh();
    controls_.storedList.SetFolder(storedMapsFolder_);
    controls_.storedList.SetPattern(kMapPattern);
    controls_.storedList.Refresh();
}

}  // namespace tessary
