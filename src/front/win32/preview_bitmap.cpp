#include "front/win32/preview_bitmap.h"

#include <algorithm>

#include "forms/bmp_picture.h"
#include "platform/failure.h"
#include "front/win32/dib_picture.h"
#include "front/win32/handle.h"
#include "front/win32/long_path.h"

namespace tessary {

void PreviewBitmap::Draw(HDC dc, int x, int y, int drawnWidth, int drawnHeight) const {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (drawnWidth != width || drawnHeight != height) {
        StretchPixels(dc, x, y, drawnWidth, drawnHeight, width, height, pixels.data(), &info);
        return;
    }
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

PreviewBitmap ReadPreviewBitmap(const std::string& path) {
    Handle file(CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) throw RuntimeFailure(kFileNotFound, "Cannot open the picture \"" + path + "\"");
    // Only a file on a disk: a pipe or a device of the picture's name could
    // hold up the window for good.
    BY_HANDLE_FILE_INFORMATION kind{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.Get(), &kind) ||
        (kind.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        throw RuntimeFailure(kInvalidPicture, "The picture \"" + path + "\" is not a file");
    }
    // Never read more than any acceptable picture can need; one byte more
    // tells a file that is too large.
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) {
        throw RuntimeFailure(kInvalidPicture, "Cannot read the picture \"" + path + "\"");
    }
    const auto expected = static_cast<std::uint64_t>(size.QuadPart);
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(expected, kMaxPictureFileBytes)) + 1);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, chunk, &got, nullptr)) {
            throw RuntimeFailure(kInvalidPicture, "Cannot read the picture \"" + path + "\"");
        }
        if (got == 0) break;
        done += got;
    }
    if (done > kMaxPictureFileBytes) {
        throw RuntimeFailure(kInvalidPicture, "The picture \"" + path + "\" is too large");
    }
    bytes.resize(done);
    auto result = DecodeBmp(bytes);
    if (!result.picture) throw RuntimeFailure(kInvalidPicture, "Invalid picture: " + result.reason);
    return PreviewBitmap{result.picture->width, result.picture->height, std::move(result.picture->pixels)};
}

}  // namespace tessary
