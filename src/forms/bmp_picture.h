#pragma once
// Decoding of map preview pictures (".bmp" files beside the maps). The files
// come from the web and may be anything, so every header field is checked
// before it is used and a bad file is refused with a reason, never trusted.
//
// Accepted: a file header followed by a core (12-byte), info (40-byte),
// V2/V3 (52/56-byte), V4 (108-byte) or V5 (124-byte) header; 1, 4 and 8 bits
// with a palette, 16 and 32 bits plain or with bit-field masks, 24 bits;
// rows stored bottom-up or top-down (negative height); 4- and 8-bit
// run-length encoding. Embedded JPEG/PNG pictures are refused as Unsupported.
//
// Choices for the odd cases:
// - A palette index beyond the palette gives a black pixel; so do pixels
//   that run-length codes skip, and runs past a row's end are cut off.
// - Colour channels of 16- and 32-bit pictures, narrower or wider than 8
//   bits, are scaled to the nearest 8-bit level.
// - A core (OS/2) header has no colour count: a palette cut short by the
//   start of the pixels holds just the colours before them.
// - Every pixel comes out opaque (alpha 0xFF): alpha channels and alpha
//   masks are ignored, as the preview area draws pictures without blending.
// - The size field of the file header is ignored (many writers get it
//   wrong); only the real length of the bytes counts.
// - Bytes after the pixel array are ignored.
// - Run-length encoded pictures may have at most 255 pixels per byte of codes,
//   so a tiny file cannot make the decoder fill a huge picture; pictures
//   that skip most of their area with delta codes are refused for it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessary {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first, width * height entries
};

enum class PictureError {
    None,
    NotABitmap,   // no "BM" signature: empty, garbage, another format
    Unsupported,  // a valid bitmap of a kind not decoded here (JPEG, PNG, 2 bits ...)
    Truncated,    // the file ends before the end of the headers, palette or pixel array it announces
    TooLarge,     // more than kMaxPicturePixels pixels, or a file beyond kMaxPictureFileBytes
    Corrupt,      // fields that contradict each other or make no sense
};

struct DecodeResult {
    std::optional<Picture> picture;  // set exactly when error is None
    PictureError error = PictureError::None;
    std::string reason;  // why the file was refused, in plain words; empty on success
};

// A reader of preview files checks the file's size first and refuses (or
// does not read) a file longer than this; DecodeBmp refuses longer input.
inline constexpr std::size_t kMaxPictureFileBytes = 64 * 1024 * 1024;
// No picture with more pixels than this is decoded (64 MB of 0xAARRGGBB).
inline constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;

// Where the palette and pixel rows of a checked BMP file lie, in bytes from
// the file's start.
struct BmpLayout {
    int width = 0;
    int height = 0;  // positive; topDown tells the row order
    bool topDown = false;
    int bitCount = 0;
    std::size_t infoHeaderAt = 14;  // the bitmap header, then the palette
    std::size_t paletteAt = 0;      // four bytes a colour: blue, green, red, unused
    std::size_t paletteEnd = 0;
    std::size_t pixelsAt = 0;
    std::size_t stride = 0;  // bytes a row, padded to four
};

// The layout of an uncompressed 1-, 4-, 8- or 24-bit BMP with a bitmap
// header of 40 bytes or more, whose palette and every row of pixels lie
// within the bytes: the form of the program's own artwork, which the fronts
// draw natively. Every other file gives nothing.
std::optional<BmpLayout> ReadPlainBmpLayout(std::span<const std::uint8_t> bytes);

// Decodes a whole BMP file held in memory. Never reads outside the bytes,
// allocates only after the file is known to hold every pixel it announces
// (for run-length codes: enough bytes to describe them), and takes time
// linear in the pixel count and the file's length.
DecodeResult DecodeBmp(std::span<const std::uint8_t> bytes);

}  // namespace tessary
