#include "mapwindow/mover_events.h"

namespace tessary {

void DeliverMouseDown(Mover& mover, const MoverHit& hit) {
    if (hit.target == MoverHit::Target::Window) {
        mover.Form_MouseDown();
        return;
    }
    if (hit.target != MoverHit::Target::Control) return;
    if (hit.name == "Image6") mover.Image6_MouseDown();
    else if (hit.name == "Image12") mover.Image12_MouseDown();
    else if (hit.name == "Image13") mover.Image13_MouseDown();
    else if (hit.name == "Image22") mover.Image22_MouseDown();
}

void DeliverClick(Mover& mover, const MoverHit& hit) {
    if (hit.target != MoverHit::Target::Control) return;
    if (hit.name == "Image2") mover.Image2_Click();
    else if (hit.name == "Image4") mover.Image4_Click();
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
    if (released.target == pressed.target && released.row == pressed.row) DeliverClick(mover, released);
}

void MoverLoadSteps::Load(Mover& mover) {
    if (loaded_) return;
    loaded_ = true;
    mover.Form_Load();
}

void MoverLoadSteps::Unload(Mover& mover) {
    if (!loaded_) return;
    loaded_ = false;
    mover.Form_Unload();
}

}  // namespace tessary
