#include "forms/layout_picture_area.h"

#include <utility>

namespace tessary {

LayoutPictureArea::LayoutPictureArea(MoverLayoutState& state, std::size_t row, const CanvasPicture* skin,
                                     MoverPictures& pictures, std::function<void()> changed)
    : state_(state), row_(row), skin_(skin), pictures_(pictures), changed_(std::move(changed)) {}

void LayoutPictureArea::SetVisible(bool visible) {
    state_.SetVisible(row_, visible);
    changed_();
}

bool LayoutPictureArea::Visible() const { return state_.Visible(row_); }

void LayoutPictureArea::LoadPicture(const std::string& path) {
    std::unique_ptr<CanvasPicture> picture = pictures_.ReadPreview(path);
    state_.SetPreviewPictureSize(picture->Size());
    preview_ = std::move(picture);
    changed_();
}

void LayoutPictureArea::ClearPicture() {
    preview_.reset();
    state_.SetPreviewPictureSize(std::nullopt);
    changed_();
}

}  // namespace tessary
