#pragma once
// The program's services a map window hands on to its behaviour.

#include "mapwindow/mover.h"
#include "platform/map_window.h"

namespace tessary {

struct MoverWindowServices {
    Screen& screen;
    Pointer& pointer;
    MessageBoxes& messages;
    Files& files;
    Shell& shell;
    Application& application;

    MoverServices For(MoverWindow& window) const {
        return MoverServices{window, screen, pointer, messages, files, shell, application};
    }
};

}  // namespace tessary
