#include "platform/win32/dib_picture.h"

#include <cstdint>
#include <cstring>

namespace tessary {

extern const unsigned char kSplashPicture[];
extern const std::size_t kSplashPictureSize;
extern const unsigned char kFramePicture[];
extern const std::size_t kFramePictureSize;

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(const unsigned char* b) {
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}
std::uint16_t U16(const unsigned char* b) { return std::uint16_t(b[0] | b[1] << 8); }

}  // namespace

std::optional<DibPicture> DibPicture::FromBmpBytes(const unsigned char* bytes, std::size_t size) {
    if (bytes == nullptr || size < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const unsigned char* header = bytes + kFileHeaderSize;
    const std::uint32_t headerSize = U32(header);
    const auto width = static_cast<std::int32_t>(U32(header + 4));
    const auto height = static_cast<std::int32_t>(U32(header + 8));
    const std::uint16_t bitCount = U16(header + 14);
    const std::uint32_t compression = U32(header + 16);
    std::uint32_t coloursUsed = U32(header + 32);
    if (headerSize < kInfoHeaderSize || headerSize > size - kFileHeaderSize) return std::nullopt;
    if (compression != BI_RGB || width <= 0 || height == 0 || height == INT32_MIN || width > 32768) {
        return std::nullopt;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return std::nullopt;
    if (bitCount <= 8 && coloursUsed == 0) coloursUsed = 1u << bitCount;
    if (bitCount == 24) coloursUsed = 0;
    if (coloursUsed > 256) return std::nullopt;

    const std::uint64_t rows = height < 0 ? std::uint64_t(-std::int64_t(height)) : std::uint64_t(height);
    const std::uint64_t stride = ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
    const std::uint64_t paletteEnd = kFileHeaderSize + headerSize + std::uint64_t(coloursUsed) * 4;
    const std::uint64_t offset = U32(bytes + 10);
    if (paletteEnd > size || offset < paletteEnd || offset > size || stride * rows > size - offset) {
        return std::nullopt;
    }
    DibPicture picture;
    const std::size_t infoBytes = static_cast<std::size_t>(paletteEnd) - kFileHeaderSize;
    picture.info_.resize((infoBytes + 3) / 4);
    std::memcpy(picture.info_.data(), header, infoBytes);
    picture.bits_ = bytes + offset;
    picture.width_ = width;
    picture.height_ = static_cast<int>(rows);
    return picture;
}

void DibPicture::Draw(HDC dc, int x, int y) const {
    if (info_.empty()) return;
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                      static_cast<UINT>(height_), bits_, reinterpret_cast<const BITMAPINFO*>(info_.data()), DIB_RGB_COLORS);
}

const DibPicture* SplashPicture() {
    static const std::optional<DibPicture> picture = DibPicture::FromBmpBytes(kSplashPicture, kSplashPictureSize);
    return picture ? &*picture : nullptr;
}

const DibPicture* FramePicture() {
    static const std::optional<DibPicture> picture = DibPicture::FromBmpBytes(kFramePicture, kFramePictureSize);
    return picture ? &*picture : nullptr;
}

}  // namespace tessary
