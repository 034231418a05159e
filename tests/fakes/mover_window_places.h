#pragma once
// Where a player finds the map window's controls at 96 dpi, in client
// pixels: the places the window tests of every front press and look at.

#include "fakes/mover_looks.h"
#include "forms/layout_geometry.h"

namespace tessary::fakes {

struct ClientPoint {
    int x;
    int y;
};

// The middle of the store and install places (either face).
inline constexpr ClientPoint kStoreFace{288, 227};
inline constexpr ClientPoint kInstallFace{343, 188};
inline constexpr LayoutRect kGameListPlace{45, 76, 175, 158};
inline constexpr LayoutRect kStoredListPlace{410, 76, 175, 158};
inline constexpr LayoutRect kQuitPlace{499, 324, 121, 35};

}  // namespace tessary::fakes
