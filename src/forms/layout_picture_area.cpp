#include "forms/layout_picture_area.h"

#include <utility>

namespace tessary {

LayoutPictureArea::LayoutPictureArea(MoverLayoutState& state, MapControl control, const CanvasPicture* skin,
                                     MoverPictures& pictures, std::function<void()> changed)
    : state_(state), control_(control), skin_(skin), pictures_(pictures), changed_(std::move(changed)) {}

void LayoutPictureArea::SetVisible(bool visible) {
    state_.SetVisible(control_, visible);
    changed_();
}

bool LayoutPictureArea::Visible() const { return state_.Visible(control_); }

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
