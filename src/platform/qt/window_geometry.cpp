#include "platform/qt/window_geometry.h"

#include <QImageReader>
#include <QPixmap>
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
    // Read as the PNG it is: left to guess, the reader would load every
    // image format plugin first.
    static const QIcon icon = [] {
        QImageReader reader(QStringLiteral(":/assets/tessary_icon.png"), "png");
        reader.setAutoDetectImageFormat(false);
        return QIcon(QPixmap::fromImage(reader.read()));
    }();
    return icon;
}

}  // namespace tessary
