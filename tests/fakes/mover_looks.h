#pragma once
// What a player sees at the install and store places of the map window, in
// words: "idle", "install" (the install button up), "store" (the store button
// up), or, for any other mix, the faces shown.

#include <functional>
#include <string>
#include <utility>

#include "forms/mover_layout.h"

namespace tessary::fakes {

inline std::string ButtonLooks(const std::function<bool(MapControl)>& visible) {
    using C = MapControl;
    const std::pair<C, const char*> faces[] = {
        {C::InstallIdle, "install idle"},   {C::InstallButton, "install button"},
        {C::InstallBlank, "install blank"}, {C::StoreIdle, "store idle"},
        {C::StoreButton, "store button"},   {C::StoreBlank, "store blank"},
    };
    std::string shown;
    for (const auto& [face, name] : faces) {
        if (visible(face)) shown += (shown.empty() ? "" : ", ") + std::string(name);
    }
    if (shown == "install idle, store idle") return "idle";
    if (shown == "install button, store blank") return "install";
    if (shown == "install blank, store button") return "store";
    return shown;
}

}  // namespace tessary::fakes
