#pragma once
// Builds BMP files in memory for the picture decoder's tests, field by field,
// so a test can write exactly the header (right or wrong) it needs.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessary::testing {

struct BmpFields {
    std::uint32_t headerBytes = 40;  // 12 writes a core header
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    // Colour masks: after a 40-byte header, inside longer ones.
    std::vector<std::uint32_t> masks;
    // 0x00RRGGBB entries; written as B, G, R (and 0 unless the header is a core header).
    std::vector<std::uint32_t> palette;
    // Pixel rows in file order, unpadded; each is padded to 4 bytes with 0xEE.
    std::vector<std::vector<std::uint8_t>> rows;
    // Bytes written as they are after the rows, such as run-length codes.
    std::vector<std::uint8_t> raw;
    // Where the pixels start; by default right after the palette.
    std::optional<std::uint32_t> pixelsAt;
};

inline void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    Put16(out, at, value);
    Put16(out, at + 2, value >> 16);
}

inline std::vector<std::uint8_t> WriteBmp(const BmpFields& bmp) {
    const bool core = bmp.headerBytes == 12;
    // Room for every field even when the header claims to be shorter.
    std::vector<std::uint8_t> out(14 + std::max(bmp.headerBytes, std::uint32_t{40}), 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 14, bmp.headerBytes);
    if (core) {
        Put16(out, 18, static_cast<std::uint32_t>(bmp.width));
        Put16(out, 20, static_cast<std::uint32_t>(bmp.height));
        Put16(out, 22, bmp.planes);
        Put16(out, 24, bmp.bitCount);
    } else {
        Put32(out, 18, static_cast<std::uint32_t>(bmp.width));
        Put32(out, 22, static_cast<std::uint32_t>(bmp.height));
        Put16(out, 26, bmp.planes);
        Put16(out, 28, bmp.bitCount);
        Put32(out, 30, bmp.compression);
        Put32(out, 46, bmp.colorsUsed);
    }
    out.resize(14 + bmp.headerBytes);
    for (std::size_t i = 0; i < bmp.masks.size(); ++i) {
        if (bmp.headerBytes == 40) out.resize(out.size() + 4);
        const std::size_t at = bmp.headerBytes == 40 ? out.size() - 4 : 54 + 4 * i;
        Put32(out, at, bmp.masks[i]);
    }
    for (const auto colour : bmp.palette) {
        out.push_back(static_cast<std::uint8_t>(colour));
        out.push_back(static_cast<std::uint8_t>(colour >> 8));
        out.push_back(static_cast<std::uint8_t>(colour >> 16));
        if (!core) out.push_back(0);
    }
    Put32(out, 10, bmp.pixelsAt.value_or(static_cast<std::uint32_t>(out.size())));
    for (auto row : bmp.rows) {
        while (row.size() % 4 != 0) row.push_back(0xEE);
        out.insert(out.end(), row.begin(), row.end());
    }
    out.insert(out.end(), bmp.raw.begin(), bmp.raw.end());
    Put32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

}  // namespace tessary::testing
