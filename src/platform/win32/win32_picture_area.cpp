#include "platform/win32/win32_picture_area.h"

#include "platform/win32/dib_picture.h"

namespace tessary {

Win32PictureArea::Win32PictureArea(MoverLayoutState& state, std::size_t row, const DibPicture* skin,
                                   std::function<void()> changed)
    : state_(state), row_(row), skin_(skin), changed_(std::move(changed)) {}

void Win32PictureArea::SetVisible(bool visible) {
    state_.SetVisible(row_, visible);
    changed_();
}

bool Win32PictureArea::Visible() const { return state_.Visible(row_); }

void Win32PictureArea::LoadPicture(const std::string& path) {
    PreviewBitmap picture = ReadPreviewBitmap(path);
    state_.SetPreviewPictureSize(PixelSize{picture.width, picture.height});
    preview_ = std::move(picture);
    changed_();
}

void Win32PictureArea::ClearPicture() {
    preview_.reset();
    state_.SetPreviewPictureSize(std::nullopt);
    changed_();
}

void Win32PictureArea::Draw(HDC dc, const LayoutRect& place) const {
    if (!HasPicture()) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, place.left, place.top, place.Right(), place.Bottom());
    if (preview_) {
        preview_->Draw(dc, place.left, place.top);
    } else {
        skin_->Draw(dc, place.left, place.top);
    }
    RestoreDC(dc, saved);
}

}  // namespace tessary
