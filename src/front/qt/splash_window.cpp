#include "front/qt/splash_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

#include <cmath>

#include "forms/startup_layout.h"
#include "front/qt/asset_picture.h"
#include "front/qt/window_geometry.h"
#include "platform/screen.h"

namespace tessary {

namespace {
// How long the splash waits for the window system to put it on the screen.
constexpr int kLongestWaitToBeOnScreenMs = 1000;
}  // namespace

SplashWidget::SplashWidget(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), progressBar_(new QProgressBar(this)) {
    setObjectName(ToQString(kSplashName));
    setWindowTitle(ToQString(kSplashCaption));
    setWindowIcon(ProgramIcon());
    setFixedSize(kSplashClientSize.width, kSplashClientSize.height);
    setAutoFillBackground(false);
    progressBar_->setObjectName(ToQString(kProgressBarName));
    progressBar_->setGeometry(kProgressBarRect.left, kProgressBarRect.top, kProgressBarRect.width,
                              kProgressBarRect.height);
    progressBar_->setRange(0, kProgressBarMaximum);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setFocusPolicy(Qt::StrongFocus);
}

void SplashWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // Read when first painted: a start-up that finds the game at once
    // unloads the window before it is ever painted.
    if (picture_.isNull()) picture_ = AssetPicture(ToQString(kSplashPictureName));
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

void SplashWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashWidget::closeEvent(QCloseEvent* event) {
    // Closed by the user: the start-up has stopped here, so the program ends.
    event->accept();
    QCoreApplication::quit();
}

QtSplashWindow::QtSplashWindow(const Screen& screen) : screen_(screen) {}

QtSplashWindow::~QtSplashWindow() = default;

SplashWidget* QtSplashWindow::Widget() { return loaded_ ? &Made() : nullptr; }

SplashWidget& QtSplashWindow::Made() {
    if (widget_ == nullptr) {
        widget_ = std::make_unique<SplashWidget>();
        if (topLeftTwips_) MoveToTwips(*widget_, screen_, topLeftTwips_->first, topLeftTwips_->second);
        widget_->ProgressBar1()->setValue(barValue_);
    }
    return *widget_;
}

void QtSplashWindow::SetTopLeft(double topTwips, double leftTwips) {
    loaded_ = true;
    topLeftTwips_ = {topTwips, leftTwips};
    if (widget_ != nullptr) MoveToTwips(*widget_, screen_, topTwips, leftTwips);
}

void QtSplashWindow::SetProgress(float value) {
    loaded_ = true;
    value_ = value;
    barValue_ = static_cast<int>(std::lround(value));
    if (widget_ == nullptr) return;
    widget_->ProgressBar1()->setValue(barValue_);
    // The drive scan blocks the program between its two pending-event
    // points, so the bar is painted here and now.
    if (widget_->isVisible()) PaintNow(*widget_);
}

void QtSplashWindow::PaintNow(SplashWidget& widget) {
    // Under a window manager the window reaches the screen a little after it
    // was shown; until the window system says so, nothing can be painted.
    // Waiting for that lets no input in: only the window system's own news.
    // It waits once; later it only looks.
    if (!widget.testAttribute(Qt::WA_Mapped)) {
        const QDeadlineTimer deadline(waitedForScreen_ ? 0 : kLongestWaitToBeOnScreenMs);
        waitedForScreen_ = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        while (!widget.testAttribute(Qt::WA_Mapped) && !deadline.hasExpired()) {
            QThread::msleep(5);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    widget.repaint();
}

float QtSplashWindow::Progress() const { return value_; }

void QtSplashWindow::Show() {
    loaded_ = true;
    // The window goes on the screen when the program next lets the window
    // system in (the event loop, or a wait for pending events): a start-up
    // that finds the game at once unloads it before then, and no empty
    // window flashes up (nor is one made).
    showPending_ = true;
    QTimer::singleShot(0, &pendingShows_, [this] {
        if (!std::exchange(showPending_, false)) return;  // unloaded meanwhile
        SplashWidget& widget = Made();
        widget.show();
        widget.raise();
        widget.activateWindow();
        PaintNow(widget);
    });
}

void QtSplashWindow::Unload() {
    loaded_ = false;
    showPending_ = false;
    topLeftTwips_.reset();
    barValue_ = 0;
    if (widget_ == nullptr) return;
    // Unloading is not the user closing it: it must not end the program.
    widget_->hide();
    widget_.release()->deleteLater();
}

}  // namespace tessary
