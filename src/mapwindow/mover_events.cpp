#include "mapwindow/mover_events.h"

namespace tessary {

void DeliverMouseDown(Mover& mover, const MoverHit& hit) {
    if (hit.target == MoverHit::Target::Window) {
        mover.StartDrag();
        return;
    }
    if (hit.target != MoverHit::Target::Control) return;
    switch (hit.control) {
    case MapControl::CustomMapsButton: mover.OpenCustomMapsPage(); break;
    case MapControl::InstallButton: mover.Install(); break;
    case MapControl::StoreButton: mover.Store(); break;
    case MapControl::HomePageSpot: mover.OpenHomePage(); break;
    default: break;
    }
}

void DeliverClick(Mover& mover, const MoverHit& hit) {
    if (hit.target != MoverHit::Target::Control) return;
    switch (hit.control) {
    case MapControl::InstallIdle: mover.FlickInstallIdle(); break;
    case MapControl::QuitButton: mover.Quit(); break;
    default: break;
    }
}

MoverHit MoverClicks::Press(const MoverLayoutState& state, int x, int y, LayoutScale scale) {
    const MoverHit hit = HitTest(state, x, y, scale);
    pressed_ = hit;
    return hit;
}

void MoverClicks::Release(Mover& mover, const MoverLayoutState& state, int x, int y, LayoutScale scale) {
    if (!pressed_) return;
    const MoverHit pressed = *pressed_;
    pressed_.reset();
    const MoverHit released = HitTest(state, x, y, scale);
    // A click is a press and a release on the same control.
    if (released.target == pressed.target && released.control == pressed.control)
        DeliverClick(mover, released);
}

void MoverLoadSteps::Load(Mover& mover) {
    if (loaded_) return;
    loaded_ = true;
    mover.Load();
}

void MoverLoadSteps::Unload(Mover& mover) {
    if (!loaded_) return;
    loaded_ = false;
    mover.Unload();
}

}  // namespace tessary
