// The pictures built into the program: formats, sizes and byte counts exactly
// as the windows expect them, the frame's palette, the icon and the resource
// list.

#include "support/binary_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <regex>
#include <set>

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

fs::path AssetsDir() { return SourceDir() / "src" / "forms" / "assets"; }
fs::path PreviewsDir() { return SourceDir() / "demo" / "previews"; }

struct Rgb {
    int r, g, b;
};

// An uncompressed BMP as read from its headers.
struct Bmp {
    Bytes bytes;
    std::uint32_t fileSizeField = 0, offset = 0, headerSize = 0, compression = 0, coloursUsed = 0;
    std::int32_t width = 0, height = 0;
    int planes = 0, bitCount = 0;

    static Bmp Read(const fs::path& path) {
        Bmp bmp;
        bmp.bytes = ReadBytes(path);
        const Bytes& b = bmp.bytes;
        if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
            throw std::runtime_error(path.string() + " is no BMP");
        bmp.fileSizeField = U32(b, 2);
        bmp.offset = U32(b, 10);
        bmp.headerSize = U32(b, 14);
        bmp.width = I32(b, 18);
        bmp.height = I32(b, 22);
        bmp.planes = U16(b, 26);
        bmp.bitCount = U16(b, 28);
        bmp.compression = U32(b, 30);
        bmp.coloursUsed = U32(b, 46);
        return bmp;
    }

    std::size_t RowBytes() const { return (std::size_t(width) * bitCount + 31) / 32 * 4; }

    // A pixel of a bottom-up 24-bit picture, (0, 0) being the top-left.
    Rgb At(int x, int y) const {
        const std::size_t at = offset + RowBytes() * std::size_t(height - 1 - y) + std::size_t(x) * 3;
        return {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)};
    }
};

struct Expected24 {
    const char* name;
    int width, height;
    std::size_t bytes;
};

// Every 24-bit picture of the windows, with the byte count each must have.
constexpr Expected24 kPictures[] = {
    {"mover_background.bmp", 639, 385, 739254},
    {"image21_game.bmp", 170, 137, 70198},
    {"badge.bmp", 99, 52, 15654},
    {"image16_maps_pressed.bmp", 93, 58, 16294},
    {"image6_maps.bmp", 93, 58, 16294},
    {"image15_emblem.bmp", 53, 54, 8694},
    {"image14_exit_pressed.bmp", 121, 35, 12794},
    {"image4_exit.bmp", 121, 35, 12794},
    {"image13_store_ready.bmp", 121, 35, 12794},
    {"image3_store_idle.bmp", 121, 35, 12794},
    {"image12_install_ready.bmp", 121, 35, 12794},
    {"image2_install_idle.bmp", 121, 35, 12794},
    {"blank_face.bmp", 121, 35, 12794},
    {"image9_title_stored.bmp", 99, 18, 5454},
    {"image8_title_game.bmp", 136, 20, 8214},
    {"list_frame.bmp", 198, 181, 107930},
    {"image10_arrow_left.bmp", 59, 23, 4194},
    {"image11_arrow_right.bmp", 59, 23, 4194},
    {"splash.bmp", 628, 377, 710322},
};

void Expect24Bit(const fs::path& path, int width, int height, std::size_t bytes) {
    SCOPED_TRACE(path.filename().string());
    const Bmp bmp = Bmp::Read(path);
    EXPECT_EQ(bmp.bytes.size(), bytes);
    EXPECT_EQ(bmp.fileSizeField, bmp.bytes.size());
    EXPECT_EQ(bmp.offset, 54u);
    EXPECT_EQ(bmp.headerSize, 40u);
    EXPECT_EQ(bmp.width, width);
    EXPECT_EQ(bmp.height, height);  // positive: rows stored bottom-up
    EXPECT_EQ(bmp.planes, 1);
    EXPECT_EQ(bmp.bitCount, 24);
    EXPECT_EQ(bmp.compression, 0u);  // BI_RGB
    EXPECT_EQ(bmp.offset + bmp.RowBytes() * std::size_t(height), bmp.bytes.size());
}

bool IsGreen(Rgb c) { return c.g > 150 && c.g > c.r + 60 && c.g > c.b + 60; }
bool IsLightGrey(Rgb c) { return c.r > 180 && std::abs(c.r - c.g) < 12 && std::abs(c.g - c.b) < 12; }

template <typename Test>
int CountPixels(const Bmp& bmp, Test test) {
    int count = 0;
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) count += test(bmp.At(x, y)) ? 1 : 0;
    return count;
}

TEST(AssetsTest, EveryWindowPictureIsAnUncompressed24BitBmpOfItsExactSize) {
    for (const auto& p : kPictures) Expect24Bit(AssetsDir() / p.name, p.width, p.height, p.bytes);
}

TEST(AssetsTest, DemoPreviewsAreUncompressed24BitBmps) {
    const char* small[] = {"aspen_valley.bmp", "birch_lake.bmp", "ridgeline.bmp", "old_quarry.bmp",
                           "winter_pines.bmp"};
    for (const char* name : small) Expect24Bit(PreviewsDir() / name, 200, 120, 54 + 600 * 120);
    Expect24Bit(PreviewsDir() / "canyon_run.bmp", 400, 200, 54 + 1200 * 200);
    // Distinct maps have distinct previews.
    std::set<std::string> contents;
    for (const char* name : small) {
        const Bytes bytes = ReadBytes(PreviewsDir() / name);
        contents.emplace(bytes.begin(), bytes.end());
    }
    EXPECT_EQ(contents.size(), std::size(small));
}

TEST(AssetsTest, ButtonFacesCarryLightGreyOrGreenLettering) {
    // Lettering that failed to draw (a missing font) leaves a face without it.
    for (const char* idle :
         {"image2_install_idle.bmp", "image3_store_idle.bmp", "image4_exit.bmp", "image6_maps.bmp"}) {
        SCOPED_TRACE(idle);
        const Bmp bmp = Bmp::Read(AssetsDir() / idle);
        EXPECT_GT(CountPixels(bmp, IsLightGrey), 30);
        EXPECT_EQ(CountPixels(bmp, IsGreen), 0);
    }
    for (const char* green :
         {"image12_install_ready.bmp", "image13_store_ready.bmp", "image14_exit_pressed.bmp",
          "image16_maps_pressed.bmp", "image8_title_game.bmp", "image9_title_stored.bmp"}) {
        SCOPED_TRACE(green);
        EXPECT_GT(CountPixels(Bmp::Read(AssetsDir() / green), IsGreen), 30);
    }
    const Bmp blank = Bmp::Read(AssetsDir() / "blank_face.bmp");
    EXPECT_EQ(CountPixels(blank, IsLightGrey) + CountPixels(blank, IsGreen), 0);
}

TEST(AssetsTest, MoverBackgroundIsBlackOutsideTheWindowOutline) {
    const Bmp bmp = Bmp::Read(AssetsDir() / "mover_background.bmp");
    const auto black = [&](int x, int y) {
        const Rgb c = bmp.At(x, y);
        return c.r == 0 && c.g == 0 && c.b == 0;
    };
    // Above the panel beside the dome, and the columns right of the outline.
    for (int x : {0, 20, 100, 530, 638}) EXPECT_TRUE(black(x, 10)) << x;
    for (int y = 0; y < 385; y += 40) EXPECT_TRUE(black(632, y)) << y;
    EXPECT_TRUE(black(5, 380));
    // The panel and the dome are painted.
    EXPECT_FALSE(black(316, 20));
    EXPECT_FALSE(black(300, 100));
    EXPECT_FALSE(black(2, 200));
}

TEST(AssetsTest, ListFrameOpeningSuitsBothListPlacements) {
    // The game maps list leaves row 11 of the opening free, the stored maps
    // list row 169: both rows have the lists' own back colour, so either
    // placement looks the same.
    const Bmp frame = Bmp::Read(AssetsDir() / "list_frame.bmp");
    for (int y : {11, 12, 90, 168, 169})
        for (int x : {11, 100, 185}) {
            const Rgb c = frame.At(x, y);
            EXPECT_TRUE(c.r == 64 && c.g == 64 && c.b == 64) << x << "," << y;
        }
    const Rgb edge = frame.At(10, 90);
    EXPECT_FALSE(edge.r == 64 && edge.g == 64 && edge.b == 64);
}

TEST(AssetsTest, FrameIsA4BitPictureOfNineGreysOnBlack) {
    const Bmp bmp = Bmp::Read(AssetsDir() / "frame.bmp");
    EXPECT_EQ(bmp.bytes.size(), 614518u);
    EXPECT_EQ(bmp.fileSizeField, bmp.bytes.size());
    EXPECT_EQ(bmp.width, 1280);
    EXPECT_EQ(bmp.height, 960);
    EXPECT_EQ(bmp.bitCount, 4);
    EXPECT_EQ(bmp.compression, 0u);
    EXPECT_TRUE(bmp.coloursUsed == 0 || bmp.coloursUsed == 16);
    ASSERT_EQ(bmp.offset, 14u + 40u + 16u * 4u);

    const std::array<int, 9> greys{0, 8, 16, 25, 33, 41, 49, 58, 66};
    for (int i = 0; i < 16; ++i) {
        const std::size_t at = 54 + std::size_t(i) * 4;  // blue, green, red, reserved
        const int level = i < 9 ? greys[std::size_t(i)] : 255;
        EXPECT_EQ(bmp.bytes[at], level) << i;
        EXPECT_EQ(bmp.bytes[at + 1], level) << i;
        EXPECT_EQ(bmp.bytes[at + 2], level) << i;
        if (i > 0 && i < 9) {
            const int step = greys[std::size_t(i)] - greys[std::size_t(i - 1)];
            EXPECT_TRUE(step == 8 || step == 9) << i;
        }
    }

    std::array<long, 16> uses{};
    long topLeft = 0;
    for (int y = 0; y < 960; ++y)
        for (int x = 0; x < 1280; ++x) {
            const std::uint8_t byte =
                bmp.bytes[bmp.offset + bmp.RowBytes() * std::size_t(959 - y) + std::size_t(x / 2)];
            const int index = x % 2 == 0 ? byte >> 4 : byte & 0x0F;
            ++uses[std::size_t(index)];
            if (index != 0 && x < 300 && y < 60) ++topLeft;
        }
    for (int i = 9; i < 16; ++i) EXPECT_EQ(uses[std::size_t(i)], 0) << "white entry " << i << " is used";
    EXPECT_GT(uses[0], 1280L * 960 * 9 / 10);  // almost entirely black
    EXPECT_GT(topLeft, 200);                   // the maker's name in the corner
}

TEST(AssetsTest, IconFileHoldsOne64PixelTrueColourImageWithOpaqueMask) {
    const Bytes ico = ReadBytes(AssetsDir() / "tessary.ico");
    ASSERT_EQ(ico.size(), 12862u);
    EXPECT_EQ(U16(ico, 0), 0);
    EXPECT_EQ(U16(ico, 2), 1);  // icon
    EXPECT_EQ(U16(ico, 4), 1);  // one image
    EXPECT_EQ(ico[6], 64);
    EXPECT_EQ(ico[7], 64);
    EXPECT_EQ(ico[8], 0);  // no palette
    EXPECT_EQ(U16(ico, 10), 1);
    EXPECT_EQ(U16(ico, 12), 24);
    EXPECT_EQ(U32(ico, 14), 12840u);
    ASSERT_EQ(U32(ico, 18), 22u);

    const Bytes dib(ico.begin() + 22, ico.end());
    EXPECT_EQ(U32(dib, 0), 40u);
    EXPECT_EQ(I32(dib, 4), 64);
    EXPECT_EQ(I32(dib, 8), 128);  // colour rows and mask rows
    EXPECT_EQ(U16(dib, 12), 1);
    EXPECT_EQ(U16(dib, 14), 24);
    EXPECT_EQ(U32(dib, 16), 0u);
    const std::size_t mask = 40 + 64 * 64 * 3;
    ASSERT_EQ(dib.size(), mask + 64 * 8);
    EXPECT_TRUE(std::all_of(dib.begin() + long(mask), dib.end(), [](std::uint8_t b) { return b == 0; }));
    // The image is no blank square: the disc is lighter than the black corners.
    const auto level = [&](int x, int y) {
        return dib[40 + std::size_t(63 - y) * 192 + std::size_t(x) * 3 + 1];
    };
    EXPECT_EQ(level(0, 0), 0);
    EXPECT_GT(level(14, 32), 60);

    // The resource parts are the same image.
    EXPECT_EQ(ReadBytes(AssetsDir() / "icon_image.bin"), dib);
    const Bytes group = ReadBytes(AssetsDir() / "icon_group.bin");
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(U16(group, 2), 1);
    EXPECT_EQ(U16(group, 4), 1);
    EXPECT_EQ(group[6], 64);
    EXPECT_EQ(group[7], 64);
    EXPECT_EQ(group[8], 0);
    EXPECT_EQ(U16(group, 10), 1);
    EXPECT_EQ(U16(group, 12), 24);
    EXPECT_EQ(U32(group, 14), 12840u);
    EXPECT_EQ(U16(group, 18), 30001);
}

TEST(AssetsTest, IconPngIs64By64) {
    const Bytes png = ReadBytes(AssetsDir() / "tessary_icon.png");
    ASSERT_GT(png.size(), 24u);
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    const auto big32 = [&](std::size_t at) {
        return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    };
    EXPECT_EQ(big32(16), 64);
    EXPECT_EQ(big32(20), 64);
}

TEST(AssetsTest, ResourceListNamesEveryPictureAndNothingElse) {
    const Bytes qrc = ReadBytes(AssetsDir() / "assets.qrc");
    const std::string text(qrc.begin(), qrc.end());
    EXPECT_NE(text.find("prefix=\"/assets\""), std::string::npos);
    std::set<std::string> listed;
    const std::regex file("<file>([^<]+)</file>");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), file); it != std::sregex_iterator(); ++it)
        listed.insert((*it)[1]);
    std::set<std::string> pictures;
    for (const auto& entry : fs::directory_iterator(AssetsDir())) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".bmp" || ext == ".png" || ext == ".ico")
            pictures.insert(entry.path().filename().string());
    }
    EXPECT_EQ(listed, pictures);
    for (const auto& p : kPictures) EXPECT_EQ(listed.count(p.name), 1u) << p.name;
    EXPECT_EQ(listed.count("frame.bmp"), 1u);
}

}  // namespace
}  // namespace tessary::testing
