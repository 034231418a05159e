#pragma once
// The looks of the install and store places: which of their three pictures
// each shows.

#include "mapwindow/mover.h"

namespace tessary {

enum class ButtonLook {
    Idle,          // both places idle
    InstallReady,  // the install button up, the store place blank
    StoreReady,    // the install place blank, the store button up
};

// Sets the visibility of all six pictures of the two places.
void SetButtonLook(const MoverControls& controls, ButtonLook look);

void ShowImage(const MoverControls& controls, MapControl picture, bool visible);

}  // namespace tessary
