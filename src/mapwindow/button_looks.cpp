#include "mapwindow/button_looks.h"

#include "platform/controls.h"

namespace tessary {

void ShowImage(const MoverControls& controls, int k, bool visible) {
    if (k <= 0 || static_cast<std::size_t>(k) >= controls.Image.size()) return;
    if (PictureArea* image = controls.Image[static_cast<std::size_t>(k)]) image->SetVisible(visible);
}

void SetButtonLook(const MoverControls& controls, ButtonLook look) {
    const bool idle = look == ButtonLook::Idle;
    const bool install = look == ButtonLook::InstallReady;
    const bool store = look == ButtonLook::StoreReady;
    ShowImage(controls, 2, idle);
    ShowImage(controls, 12, install);
    ShowImage(controls, 17, store);
    ShowImage(controls, 18, install);
    ShowImage(controls, 3, idle);
    ShowImage(controls, 13, store);
}

}  // namespace tessary
