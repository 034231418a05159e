#pragma once
// Hands a mouse press or click, as the layout's hit test resolved it, to the
// map window's handler for it. Every other event of every control does nothing.

#include <optional>

#include "forms/mover_layout_state.h"
#include "mapwindow/mover.h"

namespace tessary {

// Mouse-down with any button: the custom-maps button, the install and store
// buttons, the home page hot spot, and the bare window (drag). A press on a
// list belongs to the list itself.
void DeliverMouseDown(Mover& mover, const MoverHit& hit);

// Click (press and release on the same control): the idle install place and
// the quit button.
void DeliverClick(Mover& mover, const MoverHit& hit);

// The mouse button on the window's painted surface: a press goes to the
// control under it at once, and a release on the control that was pressed
// makes a click.
class MoverClicks {
public:
    // Keeps the press and says where it is; the window then takes the mouse
    // if it must, and calls MouseDown.
    MoverHit Press(const MoverLayoutState& state, int x, int y, LayoutScale scale);
    static void MouseDown(Mover& mover, const MoverHit& hit) { DeliverMouseDown(mover, hit); }
    // Ends the press; a release over the pressed control is its click.
    void Release(Mover& mover, const MoverLayoutState& state, int x, int y, LayoutScale scale);
    // The press ends without a click (the mouse was taken away).
    void Forget() { pressed_.reset(); }

private:
    std::optional<MoverHit> pressed_;
};

// The window's load and unload steps: each runs once for each load, however
// often the window system asks.
class MoverLoadSteps {
public:
    void Load(Mover& mover);
    void Unload(Mover& mover);

private:
    bool loaded_ = false;
};

}  // namespace tessary
