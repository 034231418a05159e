#include "platform/qt/window_geometry.h"

#include <QWidget>

#include "platform/screen.h"

namespace tessary {

void MoveToTwips(QWidget& window, const Screen& screen, double topTwips, double leftTwips) {
    const ScreenPixel at = PixelAtTwips(screen, topTwips, leftTwips);
    window.move(at.x, at.y);
}

}  // namespace tessary
