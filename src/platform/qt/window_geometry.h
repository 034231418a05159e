#pragma once
// Placement of top-level windows given in twips.

class QWidget;

namespace tessary {

class Screen;

// Moves the window so that its top-left corner lies at the given twips.
void MoveToTwips(QWidget& window, const Screen& screen, double topTwips, double leftTwips);

}  // namespace tessary
