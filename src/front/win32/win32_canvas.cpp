#include "front/win32/win32_canvas.h"

#include <algorithm>
#include <cmath>

#include "forms/preview_picture.h"
#include "front/win32/dib_picture.h"
#include "front/win32/gdi_object.h"
#include "front/win32/preview_bitmap.h"
#include "front/win32/wide_text.h"
#include "platform/screen.h"

namespace tessary {

namespace {

RECT ToRect(const LayoutRect& place) { return RECT{place.left, place.top, place.Right(), place.Bottom()}; }

// A picture's length on the screen: at least a pixel for a picture of any.
int Zoomed(int length, double zoom) {
    if (length <= 0) return 0;
    return std::max(1, static_cast<int>(std::lround(length * zoom)));
}

}  // namespace

PictureZoom ZoomForScreen(const Screen& screen) {
    // 15 twips make a pixel at 96 dots per inch.
    const LayoutScale pictures;
    const double x = screen.TwipsPerPixelX(), y = screen.TwipsPerPixelY();
    return PictureZoom{x > 0 ? pictures.x / x : 1, y > 0 ? pictures.y / y : 1};
}

PixelSize Win32Picture::Size() const {
    const PixelSize own =
        preview_ ? PixelSize{preview_->width, preview_->height} : PixelSize{skin_->Width(), skin_->Height()};
    return {Zoomed(own.width, zoom_.x), Zoomed(own.height, zoom_.y)};
}

void Win32Picture::Draw(HDC dc, int x, int y) const {
    const PixelSize size = Size();
    if (preview_) {
        DrawPreview(dc, *preview_, x, y, size.width, size.height);
    } else {
        skin_->Draw(dc, x, y, size.width, size.height);
    }
}

const CanvasPicture* Win32MoverPictures::Skin(std::string_view name) {
    auto it = skins_.find(name);
    if (it == skins_.end()) {
        const DibPicture* skin = EmbeddedPicture(name);
        if (skin == nullptr) return nullptr;
        it = skins_.emplace(std::string(name), Win32Picture(*skin, zoom_)).first;
    }
    return &it->second;
}

std::unique_ptr<CanvasPicture> Win32MoverPictures::ReadPreview(const std::string& path) {
    return std::make_unique<Win32Picture>(ReadPreviewPicture(path, ReadPictureFileStart), zoom_);
}

void Win32Canvas::Fill(const LayoutRect& place, Rgb colour) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(colour)));
    const RECT rect = ToRect(place);
    FillRect(dc_, &rect, brush.get());
}

void Win32Canvas::DrawPicture(const CanvasPicture& picture, const LayoutRect& place) {
    const int saved = SaveDC(dc_);
    IntersectClipRect(dc_, place.left, place.top, place.Right(), place.Bottom());
    static_cast<const Win32Picture&>(picture).Draw(dc_, place.left, place.top);
    RestoreDC(dc_, saved);
}

void Win32Canvas::WriteText(const LayoutRect& place, std::string_view text, Rgb colour) {
    const SelectedObject font(dc_, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc_, ToColorRef(colour));
    SetBkMode(dc_, TRANSPARENT);
    RECT rect = ToRect(place);
    const std::wstring wide = Widen(text);
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

void Win32Canvas::DrawBorder(const LayoutRect& place, Rgb colour, int width) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(colour)));
    RECT rect = ToRect(place);
    for (int ring = 0; ring < width; ++ring) {
        FrameRect(dc_, &rect, brush.get());
        InflateRect(&rect, -1, -1);
    }
}

}  // namespace tessary
