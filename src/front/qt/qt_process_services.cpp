#include "front/qt/qt_process_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

#include "platform/failure.h"
#include "forms/message_text.h"
#include "front/posix/user_cache_folder.h"
#include "front/qt/asset_picture.h"

namespace tessary {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QScreen* PrimaryScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) throw RuntimeFailure(kDeviceIOError, "No screen is available");
    return screen;
}

// Shows the box (its text fitted to any screen, as a path many folders deep
// would make it taller than the screen) until the user dismisses it.
int RunBox(QMessageBox& box) {
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowIcon(ProgramIcon());
    // Without a window manager nothing activates a new window; the box must
    // have the keyboard so that Enter or Escape dismiss it.
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    return box.exec();
}

}  // namespace

void QtMessageBoxes::ShowOk(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(FitMessageText(text)), QMessageBox::Ok);
    RunBox(box);
}

bool QtMessageBoxes::AskOkCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(FitMessageText(text)), QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    // Escape, and closing the box, answer Cancel.
    box.setEscapeButton(QMessageBox::Cancel);
    return RunBox(box) == QMessageBox::Ok;
}

void QtPointer::Set(PointerShape shape) {
    if (shape == PointerShape::Busy) {
        if (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
        } else {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else {
        while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
    }
}

double QtScreen::TwipsPerPixelX() const { return kTwipsPerInch / PrimaryScreen()->logicalDotsPerInchX(); }
double QtScreen::TwipsPerPixelY() const { return kTwipsPerInch / PrimaryScreen()->logicalDotsPerInchY(); }
double QtScreen::WidthTwips() const { return PrimaryScreen()->geometry().width() * TwipsPerPixelX(); }
double QtScreen::HeightTwips() const { return PrimaryScreen()->geometry().height() * TwipsPerPixelY(); }

double QtInsideOfWindow::WidthTwips() const { return window_ ? window_->width() * TwipsPerPixelX() : 0.0; }
double QtInsideOfWindow::HeightTwips() const { return window_ ? window_->height() * TwipsPerPixelY() : 0.0; }

void QtApplication::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void QtApplication::EndProcessWithStatus(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

std::string QtApplication::ProgramFolder() const {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

std::string QtApplication::UserCacheFolder() const { return UserCacheFolderFor(ProgramFolder()); }

bool QtApplication::InstalledForAllUsers() const { return tessary::InstalledForAllUsers(ProgramFolder()); }

void QtShell::Open(const std::string& address, const std::string& /*workingFolder*/) {
    // The desktop opens web addresses itself; a working folder has no meaning there.
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(address)))) {
        throw RuntimeFailure(kFileNotFound, "No program opens " + address);
    }
}

}  // namespace tessary
