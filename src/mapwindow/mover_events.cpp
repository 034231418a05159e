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

}  // namespace tessary
