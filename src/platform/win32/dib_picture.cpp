#include "platform/win32/dib_picture.h"

#include <cstdint>
#include <cstring>
#include <map>

#include "forms/bmp_picture.h"
#include "forms/startup_layout.h"

namespace tessary {

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

void DibPicture::Draw(HDC dc, int x, int y) const {
    if (info_.empty()) return;
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                      static_cast<UINT>(height_), bits_, reinterpret_cast<const BITMAPINFO*>(info_.data()),
                      DIB_RGB_COLORS);
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
