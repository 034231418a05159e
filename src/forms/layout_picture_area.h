#pragma once
// The map window's picture areas as both fronts keep them: the visibility
// lives in the layout state, the picture is the built-in skin or a loaded
// preview, and every change asks the window to repaint.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "forms/mover_layout_state.h"
#include "platform/canvas.h"
#include "platform/controls.h"

namespace tessary {

class LayoutPictureArea final : public PictureArea {
public:
    // skin is the area's built-in picture, or null for none.
    LayoutPictureArea(MoverLayoutState& state, MapControl control, const CanvasPicture* skin,
                      MoverPictures& pictures, std::function<void()> changed);

    void SetVisible(bool visible) override;
    bool Visible() const override;
    // A file that cannot be read as a picture leaves the area as it was.
    void LoadPicture(const std::string& path) override;
    // Back to the built-in picture, if the area has one.
    void ClearPicture() override;

    // What the area shows: the loaded preview, else the skin; null for none.
    const CanvasPicture* Picture() const { return preview_ ? preview_.get() : skin_; }

private:
    MoverLayoutState& state_;
    MapControl control_;
    const CanvasPicture* skin_;
    MoverPictures& pictures_;
    std::function<void()> changed_;
    std::unique_ptr<CanvasPicture> preview_;
};

}  // namespace tessary
