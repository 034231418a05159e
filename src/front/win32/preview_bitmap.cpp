#include "front/win32/preview_bitmap.h"

#include <algorithm>
#include <cstdint>

#include "front/win32/dib_picture.h"
#include "front/win32/handle.h"
#include "front/win32/long_path.h"
#include "platform/failure.h"

namespace tessary {

void DrawPreview(HDC dc, const Picture& picture, int x, int y, int drawnWidth, int drawnHeight) {
    if (picture.width <= 0 || picture.height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (drawnWidth != picture.width || drawnHeight != picture.height) {
        StretchPixels(dc, x, y, drawnWidth, drawnHeight, picture.width, picture.height, picture.pixels.data(),
                      &info);
        return;
    }
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0,
                      0, static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
}

std::string ReadPictureFileStart(const std::string& path, std::size_t maxBytes) {
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
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) {
        throw RuntimeFailure(kInvalidPicture, "Cannot read the picture \"" + path + "\"");
    }
    // A byte more than the size, up to the limit, finds a file that grew
    // since its size was taken.
    std::string bytes(static_cast<std::size_t>(
                          std::min<std::uint64_t>(static_cast<std::uint64_t>(size.QuadPart) + 1, maxBytes)),
                      '\0');
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
    bytes.resize(done);
    return bytes;
}

}  // namespace tessary
