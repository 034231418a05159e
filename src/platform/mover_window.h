#pragma once
// What the map window's behaviour needs of its real window, besides its
// controls.

#include <cstdint>

#include "shape/region_ops.h"

namespace tessary {

class MoverWindow {
public:
    virtual ~MoverWindow() = default;
    virtual std::uintptr_t Handle() const = 0;
    // The window takes the shape of the region (built with the RegionOps this
    // window hands out); the region stays the caller's to release.
    virtual void SetWindowRgn(RegionHandle region, bool redraw) = 0;
    virtual RegionOps& Regions() = 0;
    virtual void SetTopLeft(double topTwips, double leftTwips) = 0;
    // Give up any mouse capture and let the window system move the window
    // with the mouse as if its title bar had been grabbed.
    virtual void BeginDrag() = 0;
};

}  // namespace tessary
