#pragma once
// What changes in the map window's layout while it is open (the visibility of
// each row and the preview area's size), and what follows from it: pixel
// rectangles, the paint order and the hit testing of a mouse press.

#include <array>
#include <optional>
#include <vector>

#include "forms/mover_layout.h"

namespace tessary {

class MoverLayoutState {
public:
    // Every row with its starting visibility; the preview area without a picture.
    MoverLayoutState();

    bool Visible(MapControl control) const { return visible_[Row(control)]; }
    void SetVisible(MapControl control, bool visible) { visible_[Row(control)] = visible; }

    // The pixel size of the picture in the preview area, or nothing when it
    // holds none. The area takes that size, but never grows beyond its own
    // place; its top-left corner stays put.
    const std::optional<PixelSize>& PreviewPictureSize() const { return previewPicture_; }
    void SetPreviewPictureSize(std::optional<PixelSize> size) { previewPicture_ = size; }

    // A control's place in pixels: its twips rectangle converted, except the
    // preview area while it holds a picture.
    LayoutRect Pixels(MapControl control, LayoutScale scale) const;

private:
    std::array<bool, kMoverControlCount> visible_{};
    std::optional<PixelSize> previewPicture_;
};

// One step of painting the client area.
struct PaintStep {
    enum class Layer { BackColour, BackgroundPicture, Control, ChildList };
    Layer layer;
    MapControl control = MapControl::Preview;  // for Control and ChildList
    friend bool operator==(const PaintStep&, const PaintStep&) = default;
};

// Back colour, background picture, then every visible picture area and the
// label from the last row to the first, then the visible file lists (from the
// last row to the first as well). An empty picture area is listed all the
// same: the preview area draws its border, the hot spot draws nothing.
std::vector<PaintStep> PaintOrder(const MoverLayoutState& state);

// Who receives a mouse press in the client area.
struct MoverHit {
    enum class Target { List, Control, Window, Outside };
    Target target;
    MapControl control = MapControl::Preview;  // for List and Control
};

// A press at pixel (x, y): a visible file list first; else the first visible
// row whose rectangle holds the point, whether or not it has a picture or a
// handler; else the window itself (where the drag starts). The preview area
// is an ordinary row here: a press on it is taken by the area and never drags
// the window. A point outside the client area is Outside.
MoverHit HitTest(const MoverLayoutState& state, int x, int y, LayoutScale scale);

}  // namespace tessary
