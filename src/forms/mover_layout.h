#pragma once
// The map window's fixed layout: the window's own properties and the table
// of its 25 controls in their stored order. The stored order is the stacking
// order: a row lies above every row after it; the two file lists are child
// windows and lie above everything.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/layout_geometry.h"

namespace tessary {

enum class ControlKind { FileList, PictureArea, Label };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    TwipsRect twips;
    // The picture's asset name (a file among the assets), or empty for none.
    std::string_view picture;
    bool startVisible;
};

inline constexpr std::size_t kMoverControlCount = 25;

// The window itself.
inline constexpr int kMoverClientWidthTwips = 9405;
inline constexpr int kMoverClientHeightTwips = 6030;
inline constexpr std::string_view kMoverCaption = "Tessary";
inline constexpr Rgb kMoverBackColour{0, 0, 0};
inline constexpr std::string_view kMoverBackgroundPicture = "mover_background.bmp";
inline constexpr PixelSize kMoverBackgroundSize{639, 385};

// The file lists.
struct FileListLook {
    Rgb backColour;
    Rgb textColour;
    bool flat;
    int tabIndex;
    std::string_view toolTip;
};
inline constexpr FileListLook kFile1Look{
    {64, 64, 64}, {192, 192, 192}, true, 0, "Select a map you would like to store for later use."};
inline constexpr FileListLook kFile2Look{
    {64, 64, 64}, {192, 192, 192}, true, 1, "Select a map you would like to install into the game."};

// The label: its text starts at its left edge and it never takes the focus.
inline constexpr std::string_view kLabel1Caption = "No Picture is Available";
inline constexpr Rgb kLabel1TextColour{224, 224, 224};
inline constexpr int kLabel1TabIndex = 2;

// The preview area: a one-pixel border line of this colour. It takes the
// pixel size of the picture put into it and gets its layout size back when
// the picture is taken out.
inline constexpr int kImage1BorderWidth = 1;
inline constexpr Rgb kImage1BorderColour{128, 128, 128};

// The 25 rows in stored order.
const std::array<ControlRow, kMoverControlCount>& MoverControlTable();

// The row index of a control, or nothing for an unknown name.
std::optional<std::size_t> MoverControlIndex(std::string_view name);
const ControlRow& MoverControl(std::string_view name);  // throws std::out_of_range
// K of a picture area named "ImageK".
std::size_t ImageNumber(std::string_view pictureAreaName);

// The client area in pixels.
PixelSize MoverClientPixels(LayoutScale scale);

// A twips rectangle in pixels: the edges are divided by the twips per pixel
// and rounded to the nearest pixel, so controls that touch in twips touch in
// pixels and controls with the same twips rectangle share one pixel rectangle.
LayoutRect ToPixels(const TwipsRect& twips, LayoutScale scale);

}  // namespace tessary
