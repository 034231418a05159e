#pragma once
// The map window's fixed layout: the window's own properties and the table
// of its 25 controls in their stored order. The stored order is the stacking
// order: a row lies above every row after it; the two file lists are child
// windows and lie above everything.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "forms/layout_geometry.h"

namespace tessary {

enum class ControlKind { FileList, PictureArea, Label };

// The controls, in their stored order: each value is its row in the table.
enum class MapControl : std::size_t {
    StoredList,         // the stored maps, right-hand side
    GameList,           // the maps in the game, left-hand side
    HomePageSpot,       // over the maker's badge: opens the maker's home page; draws nothing
    GamePicture,        // the game's picture at the top centre
    Badge,              // the maker's badge
    BadgeBelow,         // the same badge, under the first
    CustomMapsPressed,  // "Download Maps" (the maker's custom-maps page), pressed
    Emblem,
    QuitPressed,    // the quit button, pressed
    StoreButton,    // the store button, ready
    InstallButton,  // the install button, ready
    StoredListTitle,
    GameListTitle,
    Preview,  // the chosen map's picture
    StoredListFrame,
    GameListFrame,
    QuitButton,
    CustomMapsButton,  // "Download Maps"
    StoreIdle,         // the store place with nothing to store
    InstallIdle,       // the install place with nothing to install
    NoPictureLabel,    // "No Picture is Available"
    LeftArrow,
    RightArrow,
    InstallBlank,  // the install place while the store button is up
    StoreBlank,    // the store place while the install button is up
};

inline constexpr std::size_t Row(MapControl control) { return static_cast<std::size_t>(control); }

struct ControlRow {
    MapControl control;
    // What the control is, in words (the name a toolkit may give its widget).
    std::string_view purpose;
    // The name the control was drawn under in the layout, kept only to trace
    // a row back to it.
    std::string_view designName;
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
// Its top-left from the middle of the screen: centred across (half its width,
// rounded down) and 300 twips higher than centred down.
inline constexpr int kMoverLeftFromMiddleTwips = kMoverClientWidthTwips / 2;
inline constexpr int kMoverTopFromMiddleTwips = kMoverClientHeightTwips / 2 + 300;
inline constexpr std::string_view kMoverCaption = "Tessary";
inline constexpr Rgb kMoverBackColour{0, 0, 0};
inline constexpr std::string_view kMoverBackgroundPicture = "mover_background.bmp";
inline constexpr PixelSize kMoverBackgroundSize{639, 385};

// The file lists.
struct FileListLook {
    Rgb backColour;
    Rgb textColour;
    bool flat;
    std::string_view toolTip;
    // What a screen reader calls the list.
    std::string_view accessibleName;
};
inline constexpr FileListLook kGameListLook{{64, 64, 64}, {192, 192, 192}, true,
                                            "Select a map you would like to store for later use.",
                                            "Maps in the Game"};
inline constexpr FileListLook kStoredListLook{{64, 64, 64}, {192, 192, 192}, true,
                                              "Select a map you would like to install into the game.",
                                              "Stored Maps"};

// The label: its text starts at its left edge and it never takes the focus.
inline constexpr std::string_view kNoPictureCaption = "No Picture is Available";
inline constexpr Rgb kNoPictureTextColour{224, 224, 224};

// The preview area: a one-pixel border line of this colour. It takes the
// pixel size of the picture put into it and gets its layout size back when
// the picture is taken out.
inline constexpr int kPreviewBorderWidth = 1;
inline constexpr Rgb kPreviewBorderColour{128, 128, 128};

// The 25 rows in stored order.
const std::array<ControlRow, kMoverControlCount>& MoverControlTable();

const ControlRow& MoverControl(MapControl control);

// The client area in pixels.
PixelSize MoverClientPixels(LayoutScale scale);

// A twips rectangle in pixels: the edges are divided by the twips per pixel
// and rounded to the nearest pixel, so controls that touch in twips touch in
// pixels and controls with the same twips rectangle share one pixel rectangle.
LayoutRect ToPixels(const TwipsRect& twips, LayoutScale scale);

}  // namespace tessary
