#include "platform/qt/window_geometry.h"

#include <QWidget>

#include <cmath>

#include "platform/screen.h"

namespace tessary {

void MoveToTwips(QWidget& window, const Screen& screen, double topTwips, double leftTwips) {
    const auto left = static_cast<int>(std::lround(leftTwips / screen.TwipsPerPixelX()));
    const auto top = static_cast<int>(std::lround(topTwips / screen.TwipsPerPixelY()));
    window.move(left, top);
}

QIcon ProgramIcon() {
    static const QIcon icon(QStringLiteral(":/assets/tessary_icon.png"));
    return icon;
}

}  // namespace tessary
