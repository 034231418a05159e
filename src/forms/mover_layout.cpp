#include "forms/mover_layout.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace tessary {

namespace {

using K = ControlKind;

constexpr std::array<ControlRow, kMoverControlCount> kRows{{
    {"File2", K::FileList, {6150, 1140, 2625, 2370}, "", true},
    {"File1", K::FileList, {675, 1140, 2625, 2370}, "", true},
    {"Image22", K::PictureArea, {7470, 3825, 1530, 810}, "", true},
    {"Image21", K::PictureArea, {3405, 450, 2550, 2055}, "image21_game.bmp", true},
    {"Image20", K::PictureArea, {7440, 3825, 1485, 780}, "badge.bmp", true},
    {"Image19", K::PictureArea, {7440, 3825, 1485, 780}, "badge.bmp", true},
    {"Image16", K::PictureArea, {420, 4515, 1395, 870}, "image16_maps_pressed.bmp", false},
    {"Image15", K::PictureArea, {825, 3735, 795, 810}, "image15_emblem.bmp", true},
    {"Image14", K::PictureArea, {7485, 4860, 1815, 525}, "image14_exit_pressed.bmp", false},
    {"Image13", K::PictureArea, {3420, 3150, 1815, 525}, "image13_store_ready.bmp", false},
    {"Image12", K::PictureArea, {4245, 2565, 1815, 525}, "image12_install_ready.bmp", false},
    {"Image9", K::PictureArea, {6795, 750, 1485, 270}, "image9_title_stored.bmp", true},
    {"Image8", K::PictureArea, {885, 720, 2040, 300}, "image8_title_game.bmp", true},
    {"Image1", K::PictureArea, {1920, 3705, 5415, 2100}, "", true},
    {"Image7", K::PictureArea, {5985, 975, 2970, 2715}, "list_frame.bmp", true},
    {"Image5", K::PictureArea, {510, 960, 2970, 2715}, "list_frame.bmp", true},
    {"Image4", K::PictureArea, {7485, 4860, 1815, 525}, "image4_exit.bmp", true},
    {"Image6", K::PictureArea, {420, 4515, 1395, 870}, "image6_maps.bmp", true},
    {"Image3", K::PictureArea, {3420, 3150, 1815, 525}, "image3_store_idle.bmp", true},
    {"Image2", K::PictureArea, {4245, 2565, 1815, 525}, "image2_install_idle.bmp", true},
    {"Label1", K::Label, {4005, 4410, 1740, 255}, "", false},
    {"Image10", K::PictureArea, {3375, 2610, 885, 345}, "image10_arrow_left.bmp", true},
    {"Image11", K::PictureArea, {5145, 3195, 885, 345}, "image11_arrow_right.bmp", true},
    {"Image17", K::PictureArea, {4245, 2565, 1815, 525}, "blank_face.bmp", false},
    {"Image18", K::PictureArea, {3420, 3150, 1815, 525}, "blank_face.bmp", false},
}};

int ToPixel(int twips, double twipsPerPixel) {
    if (!(twipsPerPixel >= 1.0 && twipsPerPixel <= 1440.0)) {
        throw std::invalid_argument("twips per pixel out of range: " + std::to_string(twipsPerPixel));
    }
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

const std::array<ControlRow, kMoverControlCount>& MoverControlTable() { return kRows; }

std::optional<std::size_t> MoverControlIndex(std::string_view name) {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].name == name) return i;
    }
    return std::nullopt;
}

const ControlRow& MoverControl(std::string_view name) {
    const auto index = MoverControlIndex(name);
    if (!index) throw std::out_of_range("no map window control named " + std::string(name));
    return kRows[*index];
}

PixelSize MoverClientPixels(LayoutScale scale) {
    return {ToPixel(kMoverClientWidthTwips, scale.x), ToPixel(kMoverClientHeightTwips, scale.y)};
}

LayoutRect ToPixels(const TwipsRect& twips, LayoutScale scale) {
    const int left = ToPixel(twips.left, scale.x);
    const int top = ToPixel(twips.top, scale.y);
    const int right = ToPixel(twips.left + twips.width, scale.x);
    const int bottom = ToPixel(twips.top + twips.height, scale.y);
    return {left, top, right - left, bottom - top};
}

std::size_t ImageNumber(std::string_view pictureAreaName) {
    constexpr std::string_view kPrefix = "Image";
    std::size_t number = 0;
    for (const char digit : pictureAreaName.substr(kPrefix.size())) number = number * 10 + (digit - '0');
    return number;
}

}  // namespace tessary
