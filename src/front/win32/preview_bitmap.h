#pragma once
// The preview pictures read from the maps' ".bmp" files.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessary {

// A decoded preview picture, drawn pixel for pixel.
struct PreviewBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first

    // Stretched to drawnWidth x drawnHeight pixels from (x, y); pixel for
    // pixel when that is its own size.
    void Draw(HDC dc, int x, int y, int drawnWidth, int drawnHeight) const;
};

// Reads a map's preview picture with the program's own BMP reader, reading
// at most kMaxPictureFileBytes. A missing file fails with kFileNotFound, a
// corrupt, truncated, foreign or oversized one with kInvalidPicture.
PreviewBitmap ReadPreviewBitmap(const std::string& path);

}  // namespace tessary
