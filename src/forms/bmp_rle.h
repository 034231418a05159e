#pragma once
// Run-length encoded pixels of 4- and 8-bit bitmaps, a helper of DecodeBmp.

#include <cstdint>
#include <span>
#include <vector>

namespace tessary {

// Decodes the runs in data into pixels (width * height entries, top row
// first, filled beforehand with the colour of skipped pixels). The runs
// start at the bottom row. Indices are looked up in the palette, black
// beyond it; runs that reach past the picture's edge are clipped. Returns
// false when the data ends before the end-of-bitmap code or the last row.
bool DecodeRle(std::span<const std::uint8_t> data, int bitsPerIndex, int width, int height,
               const std::vector<std::uint32_t>& palette, std::vector<std::uint32_t>& pixels);

}  // namespace tessary
