#pragma once
// The map window's picture areas. They are painted by the window itself;
// each keeps its visibility in the window's layout state.

#include <QImage>
#include <QPixmap>

#include <cstddef>
#include <functional>

#include "forms/mover_layout_state.h"
#include "platform/controls.h"

namespace tessary {

class QtPictureArea final : public PictureArea {
public:
    // changed() asks the window to repaint.
    QtPictureArea(MoverLayoutState& state, std::size_t row, std::function<void()> changed);

    void SetVisible(bool visible) override;
    bool Visible() const override;
    // Reads a BMP file; a missing, corrupt, truncated or oversized file is
    // refused and leaves the area as it was.
    void LoadPicture(const std::string& path) override;
    void ClearPicture() override;

    // The skin picture built into the program, for areas that have one.
    void SetSkinPicture(const QPixmap& picture) { picture_ = picture; }
    const QPixmap& Picture() const { return picture_; }

private:
    MoverLayoutState& state_;
    std::size_t row_;
    std::function<void()> changed_;
    QPixmap picture_;
};

// A decoded picture as an image the window can draw.
QImage ReadPreviewPicture(const std::string& path);

}  // namespace tessary
