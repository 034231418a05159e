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

namespace tessary {

enum class ControlKind { FileList, PictureArea, Label };

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A rectangle in twips, measured from the client area's top-left corner.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelSize {
    int width;
    int height;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A rectangle in pixels; right and bottom are excluded.
struct LayoutRect {
    int left;
    int top;
    int width;
    int height;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Contains(int x, int y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// The display's twips per pixel (15 at 96 dots per inch).
struct LayoutScale {
    double x = 15.0;
    double y = 15.0;
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    TwipsRect twips;
    // The picture's asset name (a file under kAssetPrefix), or empty for none.
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
inline constexpr std::string_view kAssetPrefix = ":/assets/";

// The file lists.
struct FileListLook {
    Rgb backColour;
    Rgb textColour;
    bool flat;
    int tabIndex;
    std::string_view toolTip;
};
inline constexpr FileListLook kFile1Look{{64, 64, 64}, {192, 192, 192}, true, 0,
                                         "Select a map you would like to store for later use."};
inline constexpr FileListLook kFile2Look{{64, 64, 64}, {192, 192, 192}, true, 1,
                                         "Select a map you would like to install into the game."};

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

// The client area in pixels.
PixelSize MoverClientPixels(LayoutScale scale);

// A twips rectangle in pixels: the edges are divided by the twips per pixel
// and rounded to the nearest pixel, so controls that touch in twips touch in
// pixels and controls with the same twips rectangle share one pixel rectangle.
LayoutRect ToPixels(const TwipsRect& twips, LayoutScale scale);

}  // namespace tessary
