#include "forms/bmp_picture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "support/bmp_writer.h"

// The files below are written with designated initializers that leave the
// other fields at their defaults, which GCC 12 warns about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tessary {
namespace {

using testing::BmpFields;
using testing::WriteBmp;
using Row = std::vector<std::uint8_t>;

constexpr std::uint32_t Opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

// A colour that differs in every channel for every pixel of a small picture.
constexpr std::uint32_t ColourAt(int x, int y) {
    return static_cast<std::uint32_t>((x * 40 + 7) << 16 | (y * 70 + 3) << 8 | ((x + 2 * y) * 13 + 1));
}

Row Row24(const std::vector<std::uint32_t>& colours) {
    Row row;
    for (const auto c : colours) {
        row.push_back(static_cast<std::uint8_t>(c));
        row.push_back(static_cast<std::uint8_t>(c >> 8));
        row.push_back(static_cast<std::uint8_t>(c >> 16));
    }
    return row;
}

Row RowOfWords(const std::vector<std::uint32_t>& words, int bytesPerWord) {
    Row row;
    for (const auto w : words) {
        for (int i = 0; i < bytesPerWord; ++i) row.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    return row;
}

// Packs palette indices of 1, 4 or 8 bits, leftmost pixel in the high bits.
Row RowOfIndices(const std::vector<int>& indices, int bits) {
    Row row((indices.size() * bits + 7) / 8, 0);
    for (std::size_t x = 0; x < indices.size(); ++x) {
        const std::size_t bit = x * bits;
        row[bit / 8] |= static_cast<std::uint8_t>(indices[x] << (8 - bits - bit % 8));
    }
    return row;
}

DecodeResult Decode(const std::vector<std::uint8_t>& bytes) { return DecodeBmp(bytes); }

// Decodes and expects a picture of the given size and pixels (top row first).
void ExpectPicture(const std::vector<std::uint8_t>& bytes, int width, int height,
                   const std::vector<std::uint32_t>& pixels) {
    const auto result = Decode(bytes);
    ASSERT_EQ(result.error, PictureError::None) << result.reason;
    ASSERT_TRUE(result.picture.has_value());
    EXPECT_TRUE(result.reason.empty());
    EXPECT_EQ(result.picture->width, width);
    EXPECT_EQ(result.picture->height, height);
    EXPECT_EQ(result.picture->pixels, pixels);
}

// 24 bits, bottom-up and top-down, at widths whose rows need 0 to 3 bytes of padding.
class Bmp24Test : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(Bmp24Test, DecodesEveryPixelAndSkipsRowPadding) {
    const auto [width, topDown] = GetParam();
    const int height = 3;
    BmpFields bmp{.width = width, .height = topDown ? -height : height};
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < height; ++y) {
        std::vector<std::uint32_t> colours;
        for (int x = 0; x < width; ++x) colours.push_back(ColourAt(x, y));
        for (const auto c : colours) expected.push_back(Opaque(c));
        bmp.rows.push_back(Row24(colours));
    }
    if (!topDown) std::reverse(bmp.rows.begin(), bmp.rows.end());
    ExpectPicture(WriteBmp(bmp), width, height, expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, Bmp24Test,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4, 5, 7), ::testing::Bool()));

TEST(BmpPalette, EightBitsLookUpThePaletteAndGiveBlackBeyondIt) {
    BmpFields bmp{.width = 5, .height = 2, .bitCount = 8, .colorsUsed = 3};
    bmp.palette = {0x102030, 0xA0B0C0, 0xFFFFFF};
    bmp.rows = {RowOfIndices({2, 1, 0, 3, 255}, 8), RowOfIndices({0, 1, 2, 1, 0}, 8)};
    ExpectPicture(WriteBmp(bmp), 5, 2,
                  {Opaque(0x102030), Opaque(0xA0B0C0), Opaque(0xFFFFFF), Opaque(0xA0B0C0), Opaque(0x102030),
                   Opaque(0xFFFFFF), Opaque(0xA0B0C0), Opaque(0x102030), Opaque(0), Opaque(0)});
}

TEST(BmpPalette, ColoursUsedZeroMeansAFullPalette) {
    BmpFields bmp{.width = 2, .height = 1, .bitCount = 4};
    for (std::uint32_t i = 0; i < 16; ++i) bmp.palette.push_back(i * 0x111111);
    bmp.rows = {RowOfIndices({15, 7}, 4)};
    ExpectPicture(WriteBmp(bmp), 2, 1, {Opaque(0xFFFFFF), Opaque(0x777777)});
}

TEST(BmpPalette, FourBitsWithAnOddWidth) {
    BmpFields bmp{.width = 3, .height = 2, .bitCount = 4, .colorsUsed = 4};
    bmp.palette = {0x000001, 0x000002, 0x000003, 0x000004};
    bmp.rows = {RowOfIndices({3, 2, 1}, 4), RowOfIndices({0, 1, 2}, 4)};
    ExpectPicture(WriteBmp(bmp), 3, 2, {Opaque(1), Opaque(2), Opaque(3), Opaque(4), Opaque(3), Opaque(2)});
}

TEST(BmpPalette, OneBitAcrossAByteBoundary) {
    BmpFields bmp{.width = 10, .height = 1, .bitCount = 1};
    bmp.palette = {0x000000, 0xFFFFFF};
    const std::vector<int> bits = {1, 0, 1, 1, 0, 0, 0, 1, 0, 1};
    bmp.rows = {RowOfIndices(bits, 1)};
    std::vector<std::uint32_t> expected;
    for (const int b : bits) expected.push_back(Opaque(b ? 0xFFFFFF : 0));
    ExpectPicture(WriteBmp(bmp), 10, 1, expected);
}

TEST(BmpPalette, CoreHeaderUsesThreeByteEntries) {
    BmpFields bmp{.headerBytes = 12, .width = 3, .height = 2, .bitCount = 1};
    bmp.palette = {0x123456, 0xABCDEF};
    bmp.rows = {RowOfIndices({1, 1, 0}, 1), RowOfIndices({0, 1, 0}, 1)};
    ExpectPicture(WriteBmp(bmp), 3, 2,
                  {Opaque(0x123456), Opaque(0xABCDEF), Opaque(0x123456), Opaque(0xABCDEF), Opaque(0xABCDEF),
                   Opaque(0x123456)});
}

TEST(BmpMasks, ThirtyTwoBitsWithBitFieldsInEveryHeaderThatCarriesThem) {
    // Blue in the low byte is the usual order; this file puts red there.
    const std::vector<std::uint32_t> masks = {0x000000FFu, 0x0000FF00u, 0x00FF0000u};
    for (const std::uint32_t header : {40u, 52u, 56u, 108u, 124u}) {
        SCOPED_TRACE(header);
        BmpFields bmp{.headerBytes = header, .width = 2, .height = -1, .bitCount = 32, .compression = 3};
        bmp.masks = masks;
        bmp.rows = {RowOfWords({0xAA332211u, 0x00CCBBAAu}, 4)};
        ExpectPicture(WriteBmp(bmp), 2, 1, {Opaque(0x112233), Opaque(0xAABBCC)});
    }
}

TEST(BmpMasks, ThirtyTwoBitsPlainIgnoreTheFourthByte) {
    BmpFields bmp{.width = 2, .height = 1, .bitCount = 32};
    bmp.rows = {RowOfWords({0x00123456u, 0x7F654321u}, 4)};
    ExpectPicture(WriteBmp(bmp), 2, 1, {Opaque(0x123456), Opaque(0x654321)});
}

TEST(BmpMasks, SixteenBits565ScaleEachChannelToEightBits) {
    BmpFields bmp{.width = 3, .height = 1, .bitCount = 16, .compression = 3};
    bmp.masks = {0xF800u, 0x07E0u, 0x001Fu};
    // Full red; full green; red 16 of 31, green 32 of 63, blue 1 of 31.
    bmp.rows = {RowOfWords({0xF800u, 0x07E0u, (16u << 11) | (32u << 5) | 1u}, 2)};
    ExpectPicture(WriteBmp(bmp), 3, 1, {Opaque(0xFF0000), Opaque(0x00FF00), Opaque(0x848208)});
}

TEST(BmpMasks, SixteenBitsPlainAre555) {
    BmpFields bmp{.width = 2, .height = 1, .bitCount = 16};
    bmp.rows = {RowOfWords({0x7C00u, 0x801Fu}, 2)};  // the top bit is unused
    ExpectPicture(WriteBmp(bmp), 2, 1, {Opaque(0xFF0000), Opaque(0x0000FF)});
}

// Run-length codes for an 8-bit picture of 4 x 2 pixels with a 3-colour palette.
BmpFields Rle8(std::vector<std::uint8_t> codes) {
    BmpFields bmp{.width = 4, .height = 2, .bitCount = 8, .compression = 1, .colorsUsed = 3};
    bmp.palette = {0x0000AA, 0x00BB00, 0xCC0000};
    bmp.raw = std::move(codes);
    return bmp;
}

TEST(BmpRunLength, EightBitRunsAbsoluteRunsDeltasAndClipping) {
    BmpFields bmp = Rle8({
        0x02, 0x01,                          // bottom row: two of colour 1,
        0x00, 0x03, 0x02, 0x05, 0x00, 0x00,  // three stored pixels and a pad byte; 5 is beyond the
                                             // palette and the last pixel falls off the row
        0x00, 0x00,                          // end of line
        0x00, 0x02, 0x02, 0x01,              // two pixels right, one row up: the middle row stays empty
        0x01, 0x01,                          // one of colour 1
        0x00, 0x01,                          // end of bitmap
    });
    bmp.height = 3;
    ExpectPicture(WriteBmp(bmp), 4, 3,
                  {Opaque(0), Opaque(0), Opaque(0x00BB00), Opaque(0),  //
                   Opaque(0), Opaque(0), Opaque(0), Opaque(0),         //
                   Opaque(0x00BB00), Opaque(0x00BB00), Opaque(0xCC0000), Opaque(0)});
}

TEST(BmpRunLength, FourBitRunsAlternateNibblesAndStopAtTheEndCode) {
    BmpFields bmp{.width = 8, .height = 1, .bitCount = 4, .compression = 2};
    for (std::uint32_t i = 0; i < 16; ++i) bmp.palette.push_back(i);
    // Five pixels alternating 1 and 2; three stored pixels 3, 4, 5; end of bitmap; junk after it.
    bmp.raw = {0x05, 0x12, 0x00, 0x03, 0x34, 0x50, 0x00, 0x01, 0x07, 0xFF};
    ExpectPicture(WriteBmp(bmp), 8, 1,
                  {Opaque(1), Opaque(2), Opaque(1), Opaque(2), Opaque(1), Opaque(3), Opaque(4), Opaque(5)});
}

// A small valid picture, the base of the refusals below.
BmpFields Valid24() {
    BmpFields bmp{.width = 3, .height = 2};
    bmp.rows = {Row24({1, 2, 3}), Row24({4, 5, 6})};
    return bmp;
}

struct Refused {
    std::string name;
    std::vector<std::uint8_t> bytes;
    PictureError error;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << r.name; }

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Prefix(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

BmpFields With(BmpFields bmp, auto change) {
    change(bmp);
    return bmp;
}

std::vector<Refused> RefusedFiles() {
    const auto valid = WriteBmp(Valid24());
    const auto headerOnly = [](std::int32_t w, std::int32_t h, std::uint16_t bits) {
        return WriteBmp({.width = w, .height = h, .bitCount = bits});
    };
    const auto layout8 = [] {
        BmpFields bmp{.width = 2, .height = 1, .bitCount = 8, .colorsUsed = 2};
        bmp.palette = {0x111111, 0x222222};
        bmp.rows = {RowOfIndices({0, 1}, 8)};
        return bmp;
    };
    const auto layout32 = [](std::vector<std::uint32_t> masks, std::uint16_t bits = 32) {
        BmpFields bmp{.width = 1, .height = 1, .bitCount = bits, .compression = 3};
        bmp.masks = std::move(masks);
        bmp.rows = {Row(4, 0)};
        return bmp;
    };
    using E = PictureError;
    return {
        {"Empty", {}, E::NotABitmap},
        {"Garbage", Bytes("this is not a picture at all, just words"), E::NotABitmap},
        {"PngSignature",
         {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'},
         E::NotABitmap},
        {"BmAlone", Bytes("BM"), E::Truncated},
        {"CutByOneByte", Prefix(valid, valid.size() - 1), E::Truncated},
        {"CutInsideHeader", Prefix(valid, 30), E::Truncated},
        {"Huge60000Square", headerOnly(60000, 60000, 24), E::TooLarge},
        {"OneBeyondPixelLimit", headerOnly(4096, 4097, 24), E::TooLarge},
        {"LargeButWithinLimitYetEmpty", headerOnly(4000, 4000, 24), E::Truncated},
        {"AreaOverflows32Bits", headerOnly(65536, 65536, 24), E::TooLarge},
        {"RowBitsOverflow32Bits", headerOnly(0x40000001, 1, 32), E::TooLarge},
        {"HeightIntMin", headerOnly(1, INT_MIN, 24), E::TooLarge},
        {"PixelsBeyondFile", WriteBmp(With(Valid24(), [](auto& s) { s.pixelsAt = 0xFFFFFF00u; })),
         E::Truncated},
        {"PixelsInsideHeader", WriteBmp(With(Valid24(), [](auto& s) { s.pixelsAt = 20; })), E::Corrupt},
        {"PixelsInsidePalette", WriteBmp(With(layout8(), [](auto& s) { s.pixelsAt = 56; })), E::Corrupt},
        {"HugeColoursUsed", WriteBmp(With(layout8(), [](auto& s) { s.colorsUsed = 0xFFFFFFFFu; })),
         E::Corrupt},
        {"MoreColoursThanIndices",
         WriteBmp(With(layout8(),
                       [](auto& s) {
                           s.bitCount = 1;
                           s.colorsUsed = 3;
                       })),
         E::Corrupt},
        {"PaletteCutShort", WriteBmp({.width = 1, .height = 1, .bitCount = 8, .colorsUsed = 200}),
         E::Truncated},
        {"NegativeWidth", WriteBmp(With(Valid24(), [](auto& s) { s.width = -3; })), E::Corrupt},
        {"ZeroWidth", WriteBmp(With(Valid24(), [](auto& s) { s.width = 0; })), E::Corrupt},
        {"ZeroHeight", WriteBmp(With(Valid24(), [](auto& s) { s.height = 0; })), E::Corrupt},
        {"ZeroPlanes", WriteBmp(With(Valid24(), [](auto& s) { s.planes = 0; })), E::Corrupt},
        {"TwoPlanes", WriteBmp(With(Valid24(), [](auto& s) { s.planes = 2; })), E::Corrupt},
        {"BitCount7", WriteBmp(With(Valid24(), [](auto& s) { s.bitCount = 7; })), E::Corrupt},
        {"CoreWith32Bits",
         WriteBmp(With(Valid24(),
                       [](auto& s) {
                           s.headerBytes = 12;
                           s.bitCount = 32;
                       })),
         E::Corrupt},
        {"EmbeddedPng",
         WriteBmp(With(Valid24(),
                       [](auto& s) {
                           s.bitCount = 0;
                           s.compression = 5;
                       })),
         E::Unsupported},
        {"RunLengthCodesCutShort", WriteBmp(Rle8({0x02, 0x01, 0x00})), E::Truncated},
        {"RunLengthWithoutEnd", WriteBmp(Rle8({0x02, 0x01, 0x00, 0x00})), E::Truncated},
        {"RunLengthAbsoluteCutShort", WriteBmp(Rle8({0x00, 0x04, 0x01, 0x01, 0x01})), E::Truncated},
        {"RunLengthDeltaCutShort", WriteBmp(Rle8({0x00, 0x02, 0x01})), E::Truncated},
        {"RunLengthTooFewCodesForItsSize",
         WriteBmp(With(Rle8({0x00, 0x01}),
                       [](auto& s) {
                           s.width = 4000;
                           s.height = 4000;
                       })),
         E::Truncated},
        {"RunLength8On4Bits", WriteBmp(With(Rle8({0, 1}), [](auto& s) { s.bitCount = 4; })), E::Corrupt},
        {"RunLength4On8Bits", WriteBmp(With(Rle8({0, 1}), [](auto& s) { s.compression = 2; })), E::Corrupt},
        {"RunLengthTopDown", WriteBmp(With(Rle8({0, 1}), [](auto& s) { s.height = -2; })), E::Corrupt},
        {"UnknownCompression", WriteBmp(With(Valid24(), [](auto& s) { s.compression = 77; })),
         E::Unsupported},
        {"Os2Header", WriteBmp(With(Valid24(), [](auto& s) { s.headerBytes = 64; })), E::Unsupported},
        {"HeaderTooShort", WriteBmp(With(Valid24(), [](auto& s) { s.headerBytes = 8; })), E::Corrupt},
        {"HeaderLongerThanFile", Prefix(WriteBmp(With(Valid24(), [](auto& s) { s.headerBytes = 124; })), 100),
         E::Truncated},
        {"BitFieldsOn24Bits", WriteBmp(With(Valid24(), [](auto& s) { s.compression = 3; })), E::Corrupt},
        {"MasksCutOff", Prefix(WriteBmp(layout32({0xFF0000u, 0xFF00u, 0xFFu})), 60), E::Truncated},
        {"AllMasksZero", WriteBmp(layout32({0, 0, 0})), E::Corrupt},
        {"MaskWithAGap", WriteBmp(layout32({0xF0F0u, 0xFF0000u, 0xFF000000u})), E::Corrupt},
        {"MaskBeyond16Bits", WriteBmp(layout32({0x1F0000u, 0x07E0u, 0x001Fu}, 16)), E::Corrupt},
    };
}

class BmpRefusalTest : public ::testing::TestWithParam<Refused> {};

TEST_P(BmpRefusalTest, IsRefusedWithItsReason) {
    const auto result = Decode(GetParam().bytes);
    EXPECT_EQ(result.error, GetParam().error) << result.reason;
    EXPECT_FALSE(result.picture.has_value());
    EXPECT_FALSE(result.reason.empty());
}

INSTANTIATE_TEST_SUITE_P(BadFiles, BmpRefusalTest, ::testing::ValuesIn(RefusedFiles()),
                         [](const auto& info) { return info.param.name; });

// The player is told what the picture is, not that it has no bits.
TEST(BmpRefusal, EmbeddedJpegIsRefusedAsJpeg) {
    const auto result = Decode(WriteBmp({.bitCount = 0, .compression = 4}));
    EXPECT_EQ(result.error, PictureError::Unsupported);
    EXPECT_THAT(result.reason, ::testing::HasSubstr("JPEG"));
}

// Every file cut short anywhere, from each kind of header and depth, is refused.
TEST(BmpRefusal, EveryPrefixOfAValidFileIsRefused) {
    BmpFields masked{.headerBytes = 40, .width = 1, .height = 1, .bitCount = 16, .compression = 3};
    masked.masks = {0xF800u, 0x07E0u, 0x001Fu};
    masked.rows = {Row(2, 0)};
    BmpFields core{.headerBytes = 12, .width = 2, .height = 1, .bitCount = 8};
    core.palette.assign(256, 0x808080);
    core.rows = {Row{1, 2}};
    for (const auto& bmp : {Valid24(), masked, core}) {
        const auto bytes = WriteBmp(bmp);
        ASSERT_EQ(Decode(bytes).error, PictureError::None);
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            SCOPED_TRACE(size);
            const auto result = DecodeBmp(std::span(bytes.data(), size));
            EXPECT_EQ(result.error, size < 2 ? PictureError::NotABitmap : PictureError::Truncated)
                << result.reason;
            EXPECT_FALSE(result.picture.has_value());
        }
    }
}

TEST(BmpRefusal, InputLongerThanAPreviewFileMayBeIsTooLarge) {
    auto bytes = WriteBmp(Valid24());
    bytes.resize(kMaxPictureFileBytes + 1, 0);
    EXPECT_EQ(Decode(bytes).error, PictureError::TooLarge);
    bytes.resize(kMaxPictureFileBytes);
    EXPECT_EQ(Decode(bytes).error, PictureError::None);  // trailing bytes are ignored
}

}  // namespace
}  // namespace tessary
