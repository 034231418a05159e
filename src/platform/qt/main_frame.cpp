#include "platform/qt/main_frame.h"

#include <QCloseEvent>
#include <QPainter>

#include "platform/qt/window_geometry.h"

namespace tessary {

namespace {
constexpr int kDesignClientWidth = 675;
constexpr int kDesignClientHeight = 563;
}  // namespace

FrameBackdrop::FrameBackdrop(QWidget* parent)
    : QMdiArea(parent), picture_(QStringLiteral(":/assets/frame.bmp")) {
    setFrameShape(QFrame::NoFrame);
    setBackground(Qt::black);
}

void FrameBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::black);
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

MainFrameWindow::MainFrameWindow() : backdrop_(new FrameBackdrop(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromUtf8(kMainFrameCaption));
    setWindowIcon(ProgramIcon());
    setCentralWidget(backdrop_);
    resize(kDesignClientWidth, kDesignClientHeight);
}

void MainFrameWindow::closeEvent(QCloseEvent* event) {
    for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (window->isWindow() && window->isVisible()) window->close();
    }
    QMainWindow::closeEvent(event);
}

QtMainFrame::QtMainFrame(std::function<void(QWidget&)> onLoad) : onLoad_(std::move(onLoad)) {}

QtMainFrame::~QtMainFrame() { delete window_; }

void QtMainFrame::Show() {
    if (window_ == nullptr) {
        window_ = new MainFrameWindow;
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->show();
        window_->activateWindow();
        // The frame's load step: it loads and shows the map window, in front of it.
        if (onLoad_) onLoad_(*window_);
        return;
    }
    window_->show();
}

}  // namespace tessary
