#pragma once
// The map window's picture areas on Windows. The window paints them; each
// keeps its visibility in the window's layout state.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>

#include "forms/mover_layout_state.h"
#include "platform/controls.h"
#include "platform/win32/mover_pictures.h"

namespace tessary {

class DibPicture;

class Win32PictureArea final : public PictureArea {
public:
    // changed() asks the window to repaint.
    Win32PictureArea(MoverLayoutState& state, std::size_t row, const DibPicture* skin,
                     std::function<void()> changed);

    void SetVisible(bool visible) override;
    bool Visible() const override;
    // Reads a BMP file; a missing, corrupt, truncated or oversized file is
    // refused and leaves the area as it was.
    void LoadPicture(const std::string& path) override;
    void ClearPicture() override;

    bool HasPicture() const { return skin_ != nullptr || preview_.has_value(); }
    // Draws the picture pixel for pixel from the area's top-left corner, cut
    // to the area.
    void Draw(HDC dc, const LayoutRect& place) const;

private:
    MoverLayoutState& state_;
    std::size_t row_;
    const DibPicture* skin_;
    std::optional<PreviewBitmap> preview_;
    std::function<void()> changed_;
};

}  // namespace tessary
