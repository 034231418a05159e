#include "front/qt/main_frame.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

#include "forms/startup_layout.h"
#include "front/qt/asset_picture.h"
#include "front/qt/window_geometry.h"

namespace tessary {

MainFrameWindow::MainFrameWindow() : picture_(ToQString(kMainFramePictureName)) {
    setObjectName(ToQString(kMainFrameName));
    setWindowTitle(ToQString(kMainFrameCaption));
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kMainFrameClientSize.width, kMainFrameClientSize.height);
    FitOnScreen();
}

void MainFrameWindow::paintEvent(QPaintEvent* event) {
    memory_.Wait();
    QPainter painter(this);
    const QRegion dirty = event->region();
    for (const QRect& rest : dirty.subtracted(QRect(QPoint(0, 0), picture_.Size()))) {
        const ClippedTo clipped(painter, rest);
        painter.fillRect(rest, Qt::black);
    }
    picture_.Draw(painter, dirty);
}

void MainFrameWindow::FitOnScreen() {
    // Smaller where the screen's free area (at the screen's scale) leaves
    // less room, with the window system's frame around it.
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const QSize frame = outer.size() - inner.size();
    const QSize size = inner.size().boundedTo(WindowArea(*this).size() - frame).expandedTo(QSize(1, 1));
    if (size != inner.size()) resize(size);
    KeepOnItsArea(*this);
}

void MainFrameWindow::resizeEvent(QResizeEvent* event) {
    memory_.Wait();
    QWidget::resizeEvent(event);
}

void MainFrameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window system's frame is known once the window is first on the
    // screen; later the player places and sizes the frame.
    if (std::exchange(fittedWhenShown_, true)) return;
    QTimer::singleShot(0, this, [this] { FitOnScreen(); });
}

void MainFrameWindow::closeEvent(QCloseEvent* event) {
    // The windows it opened: windows of their own, or inside its client area.
    for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (window->isVisible()) window->close();
    }
    QWidget::closeEvent(event);
}

QtMainFrame::QtMainFrame(std::function<void(QWidget&)> onLoad) : onLoad_(std::move(onLoad)) {}

QtMainFrame::~QtMainFrame() = default;

void QtMainFrame::Show() {
    if (window_ == nullptr) {
        window_ = std::make_unique<MainFrameWindow>();
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
        window_->PrepareMemory();
        window_->activateWindow();
        // The frame's load step: it loads and shows the map window, in front of it.
        if (onLoad_) onLoad_(*window_);
        return;
    }
    window_->show();
}

void QtMainFrame::Unload() {
    if (window_ == nullptr) return;
    // Hidden, not closed: closing the frame ends the program, and after a
    // failed start-up the splash window stays up for the player to close.
    for (QWidget* window : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (window->isWindow()) window->hide();
    }
    window_->hide();
}

}  // namespace tessary
