#include "forms/bmp_picture.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "forms/bmp_rle.h"

namespace tessary {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint64_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kBlack = 0xFF000000u;
// Run-length codes describe at most this many pixels per byte of the file.
constexpr std::uint64_t kRlePixelsPerByte = 255;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6,
};

// Little-endian fields; callers have checked that the bytes are there.
std::uint32_t U16(Bytes b, std::uint64_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t U32(Bytes b, std::uint64_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
std::int32_t I32(Bytes b, std::uint64_t at) { return static_cast<std::int32_t>(U32(b, at)); }

struct Refusal {
    PictureError error;
    std::string reason;
};
// Empty when a step succeeded.
using Step = std::optional<Refusal>;

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    std::uint32_t Extract(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t raw = (pixel & mask) >> shift;
        // Scaled to the nearest of the 256 levels, for narrow and wide
        // channels alike (a 10-bit 514 is 128, not 128.25 cut to 128).
        const std::uint64_t max = (std::uint64_t{1} << bits) - 1;
        return static_cast<std::uint32_t>((raw * std::uint64_t{255} + max / 2) / max);
    }
};

// What the headers announce, filled in and checked step by step.
struct Layout {
    std::uint32_t headerBytes = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::uint64_t paletteAt = 0;  // first byte after the headers and masks
    std::uint64_t paletteEnd = 0;
    std::uint64_t pixelsAt = 0;
    std::uint64_t stride = 0;
    Channel red, green, blue;
};

Step ReadFileAndInfoHeader(Bytes bytes, Layout& layout) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return Refusal{PictureError::NotABitmap, "the file does not start with \"BM\""};
    }
    if (bytes.size() < kFileHeaderBytes + 4) {
        return Refusal{PictureError::Truncated, "the file ends inside its file header"};
    }
    layout.pixelsAt = U32(bytes, 10);
    layout.headerBytes = U32(bytes, kFileHeaderBytes);
    const auto size = layout.headerBytes;
    if (size < kCoreHeaderBytes) return Refusal{PictureError::Corrupt, "the bitmap header is too short"};
    if (size != kCoreHeaderBytes && size != kInfoHeaderBytes && size != 52 && size != 56 && size != 108 &&
        size != 124) {
        return Refusal{PictureError::Unsupported,
                       "unknown bitmap header of " + std::to_string(size) + " bytes"};
    }
    if (kFileHeaderBytes + size > bytes.size()) {
        return Refusal{PictureError::Truncated, "the file ends inside its bitmap header"};
    }
    std::uint32_t planes = 0;
    if (size == kCoreHeaderBytes) {
        layout.width = U16(bytes, 18);
        layout.height = U16(bytes, 20);
        planes = U16(bytes, 22);
        layout.bitCount = U16(bytes, 24);
    } else {
        layout.width = I32(bytes, 18);
        layout.height = I32(bytes, 22);
        planes = U16(bytes, 26);
        layout.bitCount = U16(bytes, 28);
        layout.compression = U32(bytes, 30);
        layout.colorsUsed = U32(bytes, 46);
    }
    if (layout.height < 0) {
        layout.topDown = true;
        layout.height = -layout.height;  // 64-bit: safe even for INT32_MIN
    }
    if (layout.width <= 0 || layout.height <= 0) {
        return Refusal{PictureError::Corrupt, "the width or height is not positive"};
    }
    if (planes != 1) return Refusal{PictureError::Corrupt, "the plane count is not 1"};
    return std::nullopt;
}

Step CheckFormat(const Layout& layout) {
    const auto bits = layout.bitCount;
    const bool core = layout.headerBytes == kCoreHeaderBytes;
    // A JPEG or PNG inside a bitmap has no bit count of its own.
    if (!core && (layout.compression == kJpeg || layout.compression == kPng)) {
        return Refusal{PictureError::Unsupported, "embedded JPEG or PNG pictures are not supported"};
    }
    if (bits == 0 || bits == 2) {
        return Refusal{PictureError::Unsupported, std::to_string(bits) + "-bit pictures are not supported"};
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && (core || (bits != 16 && bits != 32))) {
        return Refusal{PictureError::Corrupt, "invalid bit count " + std::to_string(bits)};
    }
    switch (layout.compression) {
    case kRgb: break;
    case kBitFields:
    case kAlphaBitFields:
        if (bits != 16 && bits != 32) {
            return Refusal{PictureError::Corrupt,
                           "bit-field masks on a " + std::to_string(bits) + "-bit picture"};
        }
        break;
    case kRle8:
    case kRle4:
        if (bits != (layout.compression == kRle8 ? 8u : 4u)) {
            return Refusal{PictureError::Corrupt,
                           "run-length encoding does not fit " + std::to_string(bits) + " bits"};
        }
        if (layout.topDown) return Refusal{PictureError::Corrupt, "a run-length encoded picture is top-down"};
        break;
    case kJpeg:
    case kPng: return Refusal{PictureError::Unsupported, "embedded JPEG or PNG pictures are not supported"};
    default:
        return Refusal{PictureError::Unsupported,
                       "unknown compression " + std::to_string(layout.compression)};
    }
    if (layout.width * layout.height > kMaxPicturePixels) {
        return Refusal{PictureError::TooLarge, "the picture has " + std::to_string(layout.width) + " x " +
                                                   std::to_string(layout.height) + " pixels"};
    }
    return std::nullopt;
}

Step MakeChannel(std::uint32_t mask, std::uint32_t bitCount, Channel& channel) {
    if (mask == 0) return std::nullopt;  // the channel stays 0
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const std::uint64_t run = (std::uint64_t{1} << bits) - 1;
    if ((mask >> shift) != run) return Refusal{PictureError::Corrupt, "a colour mask is not contiguous"};
    if (bitCount == 16 && mask > 0xFFFFu)
        return Refusal{PictureError::Corrupt, "a colour mask exceeds 16 bits"};
    channel = Channel{mask, shift, bits};
    return std::nullopt;
}

// Sets the colour channels of 16- and 32-bit pictures and where the palette
// (if any) starts. Masks follow a 40-byte header and lie inside longer ones.
Step ReadMasks(Bytes bytes, Layout& layout) {
    layout.paletteAt = kFileHeaderBytes + layout.headerBytes;
    if (layout.bitCount != 16 && layout.bitCount != 32) return std::nullopt;
    std::uint32_t masks[3] = {0x7C00u, 0x03E0u, 0x001Fu};
    if (layout.bitCount == 32) {
        masks[0] = 0xFF0000u;
        masks[1] = 0x00FF00u;
        masks[2] = 0x0000FFu;
    }
    if (layout.compression != kRgb) {
        const std::uint64_t at = kFileHeaderBytes + kInfoHeaderBytes;
        if (layout.headerBytes == kInfoHeaderBytes) {
            layout.paletteAt += layout.compression == kAlphaBitFields ? 16 : 12;
            if (layout.paletteAt > bytes.size()) {
                return Refusal{PictureError::Truncated, "the file ends inside its colour masks"};
            }
        }
        for (int i = 0; i < 3; ++i) masks[i] = U32(bytes, at + 4 * i);
        if ((masks[0] | masks[1] | masks[2]) == 0)
            return Refusal{PictureError::Corrupt, "all colour masks are 0"};
    }
    for (auto step : {MakeChannel(masks[0], layout.bitCount, layout.red),
                      MakeChannel(masks[1], layout.bitCount, layout.green),
                      MakeChannel(masks[2], layout.bitCount, layout.blue)}) {
        if (step) return step;
    }
    return std::nullopt;
}

// Reads the palette of 1-, 4- and 8-bit pictures as opaque 0xAARRGGBB.
Step ReadPalette(Bytes bytes, Layout& layout, std::vector<std::uint32_t>& palette) {
    layout.paletteEnd = layout.paletteAt;
    if (layout.bitCount > 8) return std::nullopt;  // a palette there is only a display hint
    const std::uint64_t most = std::uint64_t{1} << layout.bitCount;
    std::uint64_t stored = layout.colorsUsed == 0 ? most : layout.colorsUsed;
    if (stored > most) {
        return Refusal{PictureError::Corrupt, "the palette claims " + std::to_string(stored) +
                                                  " colours for " + std::to_string(layout.bitCount) +
                                                  "-bit pixels"};
    }
    const bool core = layout.headerBytes == kCoreHeaderBytes;
    const std::uint64_t entryBytes = core ? 3 : 4;
    // A core header cannot say how many colours it uses: where the pixels
    // start before a full palette would end, the palette is that short.
    if (core && layout.pixelsAt >= layout.paletteAt) {
        stored = std::min(stored, (layout.pixelsAt - layout.paletteAt) / entryBytes);
    }
    const std::uint64_t count = stored;
    layout.paletteEnd = layout.paletteAt + stored * entryBytes;
    if (layout.paletteEnd > bytes.size()) {
        return Refusal{PictureError::Truncated, "the file ends inside its palette"};
    }
    palette.resize(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto at = layout.paletteAt + i * entryBytes;
        palette[i] =
            kBlack | std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 1]} << 8 | bytes[at];
    }
    return std::nullopt;
}

Step LocatePixels(Bytes bytes, Layout& layout) {
    if (layout.pixelsAt > bytes.size()) {
        return Refusal{PictureError::Truncated, "the file ends before its pixel data would start"};
    }
    if (layout.pixelsAt < layout.paletteEnd) {
        return Refusal{PictureError::Corrupt, "the pixel data would start inside the headers or palette"};
    }
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        // Two bytes of codes cover at most 255 pixels (deltas aside), so a few bytes cannot stand for a
        // huge picture; the codes themselves are checked as they are decoded.
        const std::uint64_t codeBytes = bytes.size() - layout.pixelsAt;
        if (static_cast<std::uint64_t>(layout.width * layout.height) > kRlePixelsPerByte * codeBytes) {
            return Refusal{PictureError::Truncated, "too few run-length codes for the picture's size"};
        }
        return std::nullopt;
    }
    // Width and height are at most kMaxPicturePixels each, so none of this overflows.
    layout.stride = (static_cast<std::uint64_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
    const std::uint64_t needed = layout.stride * static_cast<std::uint64_t>(layout.height);
    if (needed > bytes.size() - layout.pixelsAt) {
        return Refusal{PictureError::Truncated,
                       "the file holds " + std::to_string(bytes.size() - layout.pixelsAt) +
                           " bytes of pixel data, the header promises " + std::to_string(needed)};
    }
    return std::nullopt;
}

void DecodeRow(const std::uint8_t* row, const Layout& layout, const std::vector<std::uint32_t>& palette,
               std::uint32_t* out) {
    const auto width = static_cast<std::size_t>(layout.width);
    const auto lookUp = [&palette](std::uint32_t index) {
        return index < palette.size() ? palette[index] : kBlack;
    };
    const auto fromMasks = [&layout](std::uint32_t pixel) {
        return kBlack | layout.red.Extract(pixel) << 16 | layout.green.Extract(pixel) << 8 |
               layout.blue.Extract(pixel);
    };
    for (std::size_t x = 0; x < width; ++x) {
        switch (layout.bitCount) {
        case 1: out[x] = lookUp((row[x / 8] >> (7 - x % 8)) & 1u); break;
        case 4: out[x] = lookUp((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu); break;
        case 8: out[x] = lookUp(row[x]); break;
        case 16: out[x] = fromMasks(std::uint32_t{row[2 * x]} | std::uint32_t{row[2 * x + 1]} << 8); break;
        case 24:
            out[x] = kBlack | std::uint32_t{row[3 * x + 2]} << 16 | std::uint32_t{row[3 * x + 1]} << 8 |
                     row[3 * x];
            break;
        default:  // 32
            out[x] = fromMasks(std::uint32_t{row[4 * x]} | std::uint32_t{row[4 * x + 1]} << 8 |
                               std::uint32_t{row[4 * x + 2]} << 16 | std::uint32_t{row[4 * x + 3]} << 24);
            break;
        }
    }
}

Step DecodePixels(Bytes bytes, const Layout& layout, const std::vector<std::uint32_t>& palette,
                  Picture& picture) {
    picture.width = static_cast<int>(layout.width);
    picture.height = static_cast<int>(layout.height);
    const auto width = static_cast<std::size_t>(layout.width);
    const auto height = static_cast<std::size_t>(layout.height);
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        picture.pixels.assign(width * height, kBlack);  // the colour of pixels the runs skip
        if (!DecodeRle(bytes.subspan(layout.pixelsAt), static_cast<int>(layout.bitCount), picture.width,
                       picture.height, palette, picture.pixels)) {
            return Refusal{PictureError::Truncated, "the file ends inside its run-length encoded pixels"};
        }
        return std::nullopt;
    }
    picture.pixels.resize(width * height);
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t stored = layout.topDown ? y : height - 1 - y;
        const std::uint8_t* row = bytes.data() + layout.pixelsAt + stored * layout.stride;
        DecodeRow(row, layout, palette, picture.pixels.data() + y * width);
    }
    return std::nullopt;
}

}  // namespace

std::optional<BmpLayout> ReadPlainBmpLayout(std::span<const std::uint8_t> bytes) {
    Layout layout;
    std::vector<std::uint32_t> palette;
    Step step = ReadFileAndInfoHeader(bytes, layout);
    if (!step) step = CheckFormat(layout);
    if (step || layout.compression != kRgb || layout.headerBytes < kInfoHeaderBytes) return std::nullopt;
    if (layout.bitCount != 1 && layout.bitCount != 4 && layout.bitCount != 8 && layout.bitCount != 24) {
        return std::nullopt;
    }
    if (!step) step = ReadMasks(bytes, layout);
    if (!step) step = ReadPalette(bytes, layout, palette);
    if (!step) step = LocatePixels(bytes, layout);
    if (step) return std::nullopt;
    BmpLayout plain;
    plain.width = static_cast<int>(layout.width);
    plain.height = static_cast<int>(layout.height);
    plain.topDown = layout.topDown;
    plain.bitCount = static_cast<int>(layout.bitCount);
    plain.infoHeaderAt = kFileHeaderBytes;
    plain.paletteAt = static_cast<std::size_t>(layout.paletteAt);
    plain.paletteEnd = static_cast<std::size_t>(layout.paletteEnd);
    plain.pixelsAt = static_cast<std::size_t>(layout.pixelsAt);
    plain.stride = static_cast<std::size_t>(layout.stride);
    return plain;
}

DecodeResult DecodeBmp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxPictureFileBytes) {
        return {std::nullopt, PictureError::TooLarge, "the file is longer than a preview picture may be"};
    }
    Layout layout;
    std::vector<std::uint32_t> palette;
    Step step = ReadFileAndInfoHeader(bytes, layout);
    if (!step) step = CheckFormat(layout);
    if (!step) step = ReadMasks(bytes, layout);
    if (!step) step = ReadPalette(bytes, layout, palette);
    if (!step) step = LocatePixels(bytes, layout);
    Picture picture;
    if (!step) step = DecodePixels(bytes, layout, palette, picture);
    if (step) return {std::nullopt, step->error, std::move(step->reason)};
    return {std::move(picture), PictureError::None, {}};
}

}  // namespace tessary
