#pragma once
// The maps' preview pictures on Windows: their bytes read from the disk,
// and their decoded pixels drawn on a device context.

#include <windows.h>

#include <cstddef>
#include <string>

#include "forms/bmp_picture.h"

namespace tessary {

// The decoded picture stretched to drawnWidth x drawnHeight pixels from
// (x, y); pixel for pixel when that is its own size.
void DrawPreview(HDC dc, const Picture& picture, int x, int y, int drawnWidth, int drawnHeight);

// At most maxBytes from the start of a file on a disk, byte for byte. A
// missing file fails with kFileNotFound; a folder, a pipe or a device, or a
// file that cannot be read, with kInvalidPicture.
std::string ReadPictureFileStart(const std::string& path, std::size_t maxBytes);

}  // namespace tessary
