#pragma once
// What the map window's form needs of a front to draw itself: a surface to
// paint on, and the front's own pictures (the built-in skin and the maps'
// preview pictures), which only that front's surface can draw.

#include <memory>
#include <string>
#include <string_view>

#include "forms/layout_geometry.h"

namespace tessary {

// A picture as a front holds it, ready to be drawn by that front's canvas.
class CanvasPicture {
public:
    virtual ~CanvasPicture() = default;
    virtual PixelSize Size() const = 0;
};

class MoverPictures {
public:
    virtual ~MoverPictures() = default;
    // The built-in picture of that file name, or null when the program has
    // none of that name. It lives as long as the program.
    virtual const CanvasPicture* Skin(std::string_view name) = 0;
    // Reads a map's preview picture; a missing, corrupt, truncated or
    // oversized file fails.
    virtual std::unique_ptr<CanvasPicture> ReadPreview(const std::string& path) = 0;
};

class MoverCanvas {
public:
    virtual ~MoverCanvas() = default;
    virtual void Fill(const LayoutRect& place, Rgb colour) = 0;
    // The picture pixel for pixel from the place's top-left corner, cut to
    // the place.
    virtual void DrawPicture(const CanvasPicture& picture, const LayoutRect& place) = 0;
    // One line in the window's font from the place's top-left corner; it may
    // run past the place rather than be cut off.
    virtual void WriteText(const LayoutRect& place, std::string_view text, Rgb colour) = 0;
    // A border of that width just inside the place.
    virtual void DrawBorder(const LayoutRect& place, Rgb colour, int width) = 0;
};

}  // namespace tessary
