#include "platform/qt/main_frame.h"

#include <QCloseEvent>
#include <QPainter>

#include "forms/startup_layout.h"
#include "platform/qt/asset_picture.h"
#include "platform/qt/window_geometry.h"

namespace tessary {

FrameBackdrop::FrameBackdrop(QWidget* parent) : QMdiArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setBackground(Qt::black);
}

void FrameBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::black);
    ReadPictureFor(viewport()->size());
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

void FrameBackdrop::ReadPictureFor(QSize shown) {
    // The picture is larger than the frame usually is: only the part the
    // frame shows is read, and read again when the frame grows beyond it
    // (unless the picture already ended there).
    const bool wider = shown.width() > readFor_.width() && picture_.width() == readFor_.width();
    const bool taller = shown.height() > readFor_.height() && picture_.height() == readFor_.height();
    if (!wider && !taller) return;
    readFor_ = shown.expandedTo(readFor_);
    picture_ = AssetPicture(ToQString(kMainFramePictureName), readFor_);
}

MainFrameWindow::MainFrameWindow() : backdrop_(new FrameBackdrop(this)) {
    setObjectName(ToQString(kMainFrameName));
    setWindowTitle(ToQString(kMainFrameCaption));
    setWindowIcon(ProgramIcon());
    setCentralWidget(backdrop_);
    resize(kMainFrameClientSize.width, kMainFrameClientSize.height);
}

void MainFrameWindow::closeEvent(QCloseEvent* event) {
    for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (window->isWindow() && window->isVisible()) window->close();
    }
    QMainWindow::closeEvent(event);
}

QtMainFrame::QtMainFrame(std::function<void(QWidget&)> onLoad) : onLoad_(std::move(onLoad)) {}

QtMainFrame::~QtMainFrame() = default;

void QtMainFrame::Show() {
    if (window_ == nullptr) {
        window_ = std::make_unique<MainFrameWindow>();
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
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
