// The map window's load and unload steps and the re-read of both lists.
#include "mapwindow/mover.h"

#include <string>
#include <utility>
#include <vector>

#include "forms/message_title.h"
#include "mapwindow/button_looks.h"
#include "mapwindow/map_move.h"
#include "mapwindow/mover_messages.h"
#include "mapwindow/mover_window.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/path.h"
#include "platform/screen.h"
#include "shape/window_shape.h"

namespace tessary {

namespace {

constexpr float kTopFromMiddle = 3315.0f;
constexpr float kLeftFromMiddle = 4702.0f;

}  // namespace

Mover::Mover(GameMapsPlace game, MoverControls controls, MoverServices services)
    : game_(std::move(game)),
      storedMapsFolder_(JoinPath(game_.folder, kStoredMapsName)),
      controls_(controls),
      services_(services) {}

void Mover::Form_Load() {
    // The shape, the place and the first looks: a failure here is not the
    // load step's to handle.
    const float horizontalScale = 1.0f, verticalScale = 1.0f;
    const std::int16_t horizontalOffset = 0, verticalOffset = 0;
    const TwipsPerPixel twips{services_.screen.TwipsPerPixelX(), services_.screen.TwipsPerPixelY()};
    const RegionHandle region =
        BuildWindowShape(services_.window.Regions(), twips, ShapeRegion, horizontalScale, verticalScale,
                         horizontalOffset, verticalOffset);
    services_.window.SetWindowRgn(region, true);
    const float top = static_cast<float>(services_.screen.HeightTwips()) / 2.0f - kTopFromMiddle;
    const float left = static_cast<float>(services_.screen.WidthTwips()) / 2.0f - kLeftFromMiddle;
    services_.window.SetTopLeft(top, left);
    controls_.Label1.SetVisible(false);
    for (int k : {2, 3, 4, 6}) ShowImage(controls_, k, true);
    for (int k : {12, 13, 14, 16, 17, 18}) ShowImage(controls_, k, false);

    try {
        // A transfer cut off when the program last ran (a crash, a kill, a
        // power cut) is finished or taken back before the lists are read.
        std::vector<Recovered> recovered;
        try {
            recovered =
                RecoverCutOffMoves(services_.files, storedMapsFolder_);
        } catch (const RuntimeFailure&) {}
        for (const auto& move : recovered) {
            services_.messages.ShowOk(CutOffMoveText(move.map, move.finished, move.complete),
                                      kApplicationTitle);
        }
        try {
            controls_.File1.SetFolder(game_.folder);
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
        controls_.File1.SetPattern(kMapPattern);
        try {
            controls_.File2.SetFolder(storedMapsFolder_);
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
                controls_.File2.SetFolder(storedMapsFolder_);
            } catch (const RuntimeFailure&) {
                services_.messages.ShowOk(StoredMapsFolderNotReadText(folder), kApplicationTitle);
                return;
            }
        }
        controls_.File2.SetPattern(kMapPattern);
        // A transfer cut off in its copy (power loss, the process killed)
        // left its hidden temporary file behind.
        for (const auto& folder : {game_.folder, storedMapsFolder_}) {
            try {
                services_.files.RemoveTemporaryFiles(folder);
            } catch (const RuntimeFailure&) {}
        }
    } catch (const RuntimeFailure& failure) {
        services_.messages.ShowOk(LoadFailureText(failure), kApplicationTitle);
    }
}

void Mover::Form_Unload() {
    // Released once, however often the window system asks.
    if (ShapeRegion == kNoRegion) return;
    services_.window.Regions().DeleteObject(ShapeRegion);
    ShapeRegion = kNoRegion;
}

void Mover::RefreshMapLists() {
    controls_.File1.SetFolder(game_.folder);
    controls_.File1.SetPattern(kMapPattern);
    controls_.File1.Refresh();
    controls_.File2.SetFolder(storedMapsFolder_);
    controls_.File2.SetPattern(kMapPattern);
    controls_.File2.Refresh();
}

}  // namespace tessary
