#include "mapwindow/button_looks.h"

#include "platform/controls.h"

namespace tessary {

void ShowImage(const MoverControls& controls, MapControl picture, bool visible) {
    controls.Picture(picture).SetVisible(visible);
}

void SetButtonLook(const MoverControls& controls, ButtonLook look) {
    const bool idle = look == ButtonLook::Idle;
    const bool install = look == ButtonLook::InstallReady;
    const bool store = look == ButtonLook::StoreReady;
    ShowImage(controls, MapControl::InstallIdle, idle);
    ShowImage(controls, MapControl::InstallButton, install);
    ShowImage(controls, MapControl::InstallBlank, store);
    ShowImage(controls, MapControl::StoreBlank, install);
    ShowImage(controls, MapControl::StoreIdle, idle);
    ShowImage(controls, MapControl::StoreButton, store);
}

}  // namespace tessary
