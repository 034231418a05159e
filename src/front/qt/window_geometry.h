#pragma once
// Placement of windows given in twips, kept on the area they belong to.

#include <QRect>

class QWidget;

namespace tessary {

class Screen;

// Moves the window so that its top-left corner lies at the given twips.
void MoveToTwips(QWidget& window, const Screen& screen, double topTwips, double leftTwips);

// The same, then as little further as keeps the window on its area (see
// WindowArea); a window larger than the area starts at its top-left corner.
void MoveToTwipsOnArea(QWidget& window, const Screen& screen, double topTwips, double leftTwips);

// Moves the window as little as keeps it on its area, or, where it is larger
// than the area, covering the area.
void KeepOnItsArea(QWidget& window);

// The area a window lives on: for a top-level window the part of its screen
// that panels and docks leave free; for a window inside another, that
// window's inside. In the coordinates the window is moved in.
QRect WindowArea(const QWidget& window);

// Whether the window system puts top-level windows where the program asks.
// A Wayland compositor places every top-level window itself.
bool TopLevelWindowsGoWherePut();

}  // namespace tessary
