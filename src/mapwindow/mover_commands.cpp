// The small commands of the map window: drag, quit, the maker's web pages and
// forgetting the chosen stored map.
#include "mapwindow/button_looks.h"
#include "mapwindow/maker_site.h"
#include "mapwindow/mover.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/map_window.h"
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

void Mover::StartDrag() { window_.BeginDrag(); }

void Mover::Quit() {
    ShowImage(controls_, MapControl::QuitPressed, true);
    services_.application.EndProcess();
}

void Mover::OpenCustomMapsPage() {
    ShowImage(controls_, MapControl::CustomMapsButton, false);
    ShowImage(controls_, MapControl::CustomMapsPressed, true);
    // The browser may take a while to start: the pressed face shows meanwhile.
    window_.PaintNow();
    OpenPage(services_.shell, services_.application, CustomMapsPageAddress());
    ShowImage(controls_, MapControl::CustomMapsButton, true);
    ShowImage(controls_, MapControl::CustomMapsPressed, false);
}

void Mover::OpenHomePage() { OpenPage(services_.shell, services_.application, HomePageAddress()); }

void Mover::ForgetStoredMap() {
    // The install button must not stay up with no map behind it.
    if (controls_.Picture(MapControl::InstallButton).Visible()) SetButtonLook(controls_, ButtonLook::Idle);
    SelectedStoredMap.clear();
}

}  // namespace tessary
