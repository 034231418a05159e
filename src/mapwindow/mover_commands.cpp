// The small commands of the map window: drag, quit, the maker's web pages and
// forgetting the chosen stored map.
#include "mapwindow/button_looks.h"
#include "mapwindow/maker_site.h"
#include "mapwindow/mover.h"
#include "mapwindow/mover_window.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/shell.h"

namespace tessary {

namespace {

// A page that cannot be opened (no browser, no network) is no concern of the
// user's here: nothing is shown.
void OpenPage(Shell& shell, const Application& application, const std::string& address) {
    try {
        shell.Open(address, application.ProgramFolder());
    } catch (const RuntimeFailure&) {}
}

}  // namespace

void Mover::Form_MouseDown() { services_.window.BeginDrag(); }

void Mover::Image4_Click() {
    ShowImage(controls_, 14, true);
    services_.application.EndProcess();
}

void Mover::Image6_MouseDown() {
    ShowImage(controls_, 6, false);
    ShowImage(controls_, 16, true);
    // The browser may take a while to start: the pressed face shows meanwhile.
    services_.window.PaintNow();
    OpenPage(services_.shell, services_.application, CustomMapsPageAddress());
    ShowImage(controls_, 6, true);
    ShowImage(controls_, 16, false);
}

void Mover::Image22_MouseDown() { OpenPage(services_.shell, services_.application, HomePageAddress()); }

void Mover::File2_LostFocus() {
    // The install button must not stay up with no map behind it.
    if (controls_.Image[12] != nullptr && controls_.Image[12]->Visible()) {
        SetButtonLook(controls_, ButtonLook::Idle);
    }
    SelectedStoredMap.clear();
}

}  // namespace tessary
