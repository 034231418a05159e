#pragma once
// An uncompressed BMP held in memory (the pictures built into the program),
// drawn pixel for pixel with SetDIBitsToDevice, or stretched.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tessary {

// The bits of a picture of width x height stretched to the place given,
// smoothed where the window system can.
void StretchPixels(HDC dc, int x, int y, int drawnWidth, int drawnHeight, int width, int height,
                   const void* bits, const BITMAPINFO* info);

class DibPicture {
public:
    // The picture in the bytes of a BMP file, or nothing when they are not
    // an uncompressed 1-, 4-, 8- or 24-bit BMP whose pixels all lie within
    // the bytes.
    static std::optional<DibPicture> FromBmpBytes(const unsigned char* bytes, std::size_t size);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Draws the whole picture, unscaled, with its top-left pixel at (x, y).
    void Draw(HDC dc, int x, int y) const { Draw(dc, x, y, width_, height_); }
    // The whole picture stretched to width x height pixels from (x, y);
    // pixel for pixel when that is its own size.
    void Draw(HDC dc, int x, int y, int width, int height) const;

private:
    // The header and palette, copied so that GDI reads them aligned.
    std::vector<std::uint32_t> info_;
    const void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

struct EmbeddedAsset {
    std::string_view name;  // the picture's file name among the assets
    const unsigned char* bytes;
    std::size_t size;
};

// Every picture built into the program: the ".bmp" files of the assets.
std::span<const EmbeddedAsset> EmbeddedPictures();

// The built-in picture of that file name, or null for an unknown name or
// broken data.
const DibPicture* EmbeddedPicture(std::string_view name);

// The splash and main frame pictures; null when their data is broken.
const DibPicture* SplashPicture();
const DibPicture* FramePicture();

}  // namespace tessary
