#pragma once
// What the map window's behaviour needs of its real window, besides its
// controls: the shape, the place and the drag.

#include "platform/region_ops.h"

namespace tessary {

class MoverWindow : public ShapedWindow {
public:
    virtual void SetTopLeft(double topTwips, double leftTwips) = 0;
    // Give up any mouse capture and let the window system move the window
    // with the mouse as if its title bar had been grabbed.
    virtual void BeginDrag() = 0;
    // While a control on the window is pressed, the release must come back
    // to the window wherever it happens. Window systems that keep the mouse
    // with the pressed window by themselves need do nothing.
    virtual void HoldMouse() {}
    virtual void LetGoOfMouse() {}
    // Draws what changed on the window at once, before returning: a look set
    // before a call that holds up the program shows while the call lasts.
    virtual void PaintNow() = 0;
};

}  // namespace tessary
