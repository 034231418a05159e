#pragma once
// Placement of top-level windows given in twips, and the program icon.

#include <QIcon>

class QWidget;

namespace tessary {

class Screen;

// Moves the window so that its top-left corner lies at the given twips.
void MoveToTwips(QWidget& window, const Screen& screen, double topTwips, double leftTwips);

// The program icon, shared by every window.
QIcon ProgramIcon();

}  // namespace tessary
