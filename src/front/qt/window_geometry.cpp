#include "front/qt/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "forms/layout_geometry.h"
#include "platform/screen.h"

namespace tessary {

namespace {

LayoutRect ToLayoutRect(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

QPoint PlaceOnArea(const QWidget& window, QPoint topLeft, Oversized oversized) {
    // The frame the window system draws around a top-level window belongs
    // on the area too.
    const QRect inner = window.geometry();
    const QRect outer = window.isWindow() ? window.frameGeometry() : inner;
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const LayoutRect wanted = ToLayoutRect(QRect(topLeft, inner.size()).marginsAdded(frame));
    const LayoutRect kept = KeepOnArea(wanted, ToLayoutRect(WindowArea(window)), oversized);
    return {kept.left + frame.left(), kept.top + frame.top()};
}

}  // namespace

void MoveToTwips(QWidget& window, const Screen& screen, double topTwips, double leftTwips) {
    const ScreenPixel at = PixelAtTwips(screen, topTwips, leftTwips);
    window.move(at.x, at.y);
}

void MoveToTwipsOnArea(QWidget& window, const Screen& screen, double topTwips, double leftTwips) {
    const ScreenPixel at = PixelAtTwips(screen, topTwips, leftTwips);
    window.move(PlaceOnArea(window, QPoint(at.x, at.y), Oversized::StartsAtEdge));
}

void KeepOnItsArea(QWidget& window) {
    // Moved only when it must: a window the program moves is no longer
    // placed by the window manager.
    const QPoint kept = PlaceOnArea(window, window.pos(), Oversized::CoversArea);
    if (kept != window.pos()) window.move(kept);
}

QRect WindowArea(const QWidget& window) {
    if (!window.isWindow() && window.parentWidget() != nullptr) return window.parentWidget()->rect();
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect(window.pos(), window.size()) : screen->availableGeometry();
}

bool TopLevelWindowsGoWherePut() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace tessary
