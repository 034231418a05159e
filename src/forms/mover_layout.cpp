#include "forms/mover_layout.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace tessary {

namespace {

using C = MapControl;
using K = ControlKind;

// clang-format off
constexpr std::array<ControlRow, kMoverControlCount> kRows{{
    {C::StoredList, "stored maps list", "File2", K::FileList, {6150, 1140, 2625, 2370}, "", true},
    {C::GameList, "game maps list", "File1", K::FileList, {675, 1140, 2625, 2370}, "", true},
    {C::HomePageSpot, "home page hot spot", "Image22", K::PictureArea, {7470, 3825, 1530, 810}, "", true},
    {C::GamePicture, "game picture", "Image21", K::PictureArea, {3405, 450, 2550, 2055}, "image21_game.bmp", true},
    {C::Badge, "maker badge", "Image20", K::PictureArea, {7440, 3825, 1485, 780}, "badge.bmp", true},
    {C::BadgeBelow, "maker badge below", "Image19", K::PictureArea, {7440, 3825, 1485, 780}, "badge.bmp", true},
    {C::CustomMapsPressed, "download maps button pressed", "Image16", K::PictureArea, {420, 4515, 1395, 870}, "image16_maps_pressed.bmp", false},
    {C::Emblem, "emblem", "Image15", K::PictureArea, {825, 3735, 795, 810}, "image15_emblem.bmp", true},
    {C::QuitPressed, "quit button pressed", "Image14", K::PictureArea, {7485, 4860, 1815, 525}, "image14_exit_pressed.bmp", false},
    {C::StoreButton, "store button", "Image13", K::PictureArea, {3420, 3150, 1815, 525}, "image13_store_ready.bmp", false},
    {C::InstallButton, "install button", "Image12", K::PictureArea, {4245, 2565, 1815, 525}, "image12_install_ready.bmp", false},
    {C::StoredListTitle, "stored maps title", "Image9", K::PictureArea, {6795, 750, 1485, 270}, "image9_title_stored.bmp", true},
    {C::GameListTitle, "game maps title", "Image8", K::PictureArea, {885, 720, 2040, 300}, "image8_title_game.bmp", true},
    {C::Preview, "preview", "Image1", K::PictureArea, {1920, 3705, 5415, 2100}, "", true},
    {C::StoredListFrame, "stored maps frame", "Image7", K::PictureArea, {5985, 975, 2970, 2715}, "list_frame.bmp", true},
    {C::GameListFrame, "game maps frame", "Image5", K::PictureArea, {510, 960, 2970, 2715}, "list_frame.bmp", true},
    {C::QuitButton, "quit button", "Image4", K::PictureArea, {7485, 4860, 1815, 525}, "image4_exit.bmp", true},
    {C::CustomMapsButton, "download maps button", "Image6", K::PictureArea, {420, 4515, 1395, 870}, "image6_maps.bmp", true},
    {C::StoreIdle, "store place idle", "Image3", K::PictureArea, {3420, 3150, 1815, 525}, "image3_store_idle.bmp", true},
    {C::InstallIdle, "install place idle", "Image2", K::PictureArea, {4245, 2565, 1815, 525}, "image2_install_idle.bmp", true},
    {C::NoPictureLabel, "no picture label", "Label1", K::Label, {4005, 4410, 1740, 255}, "", false},
    {C::LeftArrow, "left arrow", "Image10", K::PictureArea, {3375, 2610, 885, 345}, "image10_arrow_left.bmp", true},
    {C::RightArrow, "right arrow", "Image11", K::PictureArea, {5145, 3195, 885, 345}, "image11_arrow_right.bmp", true},
    {C::InstallBlank, "install place blank", "Image17", K::PictureArea, {4245, 2565, 1815, 525}, "blank_face.bmp", false},
    {C::StoreBlank, "store place blank", "Image18", K::PictureArea, {3420, 3150, 1815, 525}, "blank_face.bmp", false},
}};
// clang-format on

int ToPixel(int twips, double twipsPerPixel) {
    if (!(twipsPerPixel >= 1.0 && twipsPerPixel <= 1440.0)) {
        throw std::invalid_argument("twips per pixel out of range: " + std::to_string(twipsPerPixel));
    }
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// Each row is where its control says.
constexpr bool InOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (Row(kRows[i].control) != i) return false;
    }
    return true;
}
static_assert(InOrder());

}  // namespace

const std::array<ControlRow, kMoverControlCount>& MoverControlTable() { return kRows; }

const ControlRow& MoverControl(MapControl control) { return kRows.at(Row(control)); }

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

}  // namespace tessary
