#pragma once
// Hands a mouse press or click, as the layout's hit test resolved it, to the
// map window's handler for it. Every other event of every control does nothing.

#include "forms/mover_layout_state.h"
#include "mapwindow/mover.h"

namespace tessary {

// Mouse-down with any button: Image6, Image12, Image13, Image22, and the bare
// window (drag). A press on a list belongs to the list itself.
void DeliverMouseDown(Mover& mover, const MoverHit& hit);

// Click (press and release on the same control): Image2 and Image4.
void DeliverClick(Mover& mover, const MoverHit& hit);

}  // namespace tessary
