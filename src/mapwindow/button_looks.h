#pragma once
// The looks of the install and store places: which of their three pictures
// each shows.

#include "mapwindow/mover.h"

namespace tessary {

enum class ButtonLook {
    Idle,          // Image2 and Image3
    InstallReady,  // Image12 (install button) and Image18 (blank)
    StoreReady,    // Image17 (blank) and Image13 (store button)
};

// Six visibility assignments, always in the order Image2, Image12, Image17,
// Image18, Image3, Image13.
void SetButtonLook(const MoverControls& controls, ButtonLook look);

// Shows or hides ImageK; a missing picture area is left alone.
void ShowImage(const MoverControls& controls, int k, bool visible);

}  // namespace tessary
