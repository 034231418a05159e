#include "front/win32/dib_picture.h"

#include <cstdint>
#include <cstring>
#include <map>

#include "forms/bmp_picture.h"
#include "forms/startup_layout.h"

namespace tessary {

void StretchPixels(HDC dc, int x, int y, int drawnWidth, int drawnHeight, int width, int height,
                   const void* bits, const BITMAPINFO* info) {
    const int saved = SaveDC(dc);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, x, y, drawnWidth, drawnHeight, 0, 0, width, height, bits, info, DIB_RGB_COLORS,
                  SRCCOPY);
    RestoreDC(dc, saved);
}

std::optional<DibPicture> DibPicture::FromBmpBytes(const unsigned char* bytes, std::size_t size) {
    if (bytes == nullptr) return std::nullopt;
    const auto layout = ReadPlainBmpLayout({bytes, size});
    if (!layout) return std::nullopt;
    DibPicture picture;
    // GDI takes the bitmap header and palette as they stand in the file.
    const std::size_t infoBytes = layout->paletteEnd - layout->infoHeaderAt;
    picture.info_.resize((infoBytes + 3) / 4);
    std::memcpy(picture.info_.data(), bytes + layout->infoHeaderAt, infoBytes);
    picture.bits_ = bytes + layout->pixelsAt;
    picture.width_ = layout->width;
    picture.height_ = layout->height;
    return picture;
}

void DibPicture::Draw(HDC dc, int x, int y, int width, int height) const {
    if (info_.empty()) return;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(info_.data());
    if (width == width_ && height == height_) {
        SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                          static_cast<UINT>(height_), bits_, info, DIB_RGB_COLORS);
        return;
    }
    StretchPixels(dc, x, y, width, height, width_, height_, bits_, info);
}

const DibPicture* EmbeddedPicture(std::string_view name) {
    static const auto pictures = [] {
        std::map<std::string_view, std::optional<DibPicture>> decoded;
        for (const EmbeddedAsset& asset : EmbeddedPictures()) {
            decoded.emplace(asset.name, DibPicture::FromBmpBytes(asset.bytes, asset.size));
        }
        return decoded;
    }();
    const auto it = pictures.find(name);
    return (it == pictures.end() || !it->second) ? nullptr : &*it->second;
}

const DibPicture* SplashPicture() { return EmbeddedPicture(kSplashPictureName); }

const DibPicture* FramePicture() { return EmbeddedPicture(kMainFramePictureName); }

}  // namespace tessary
