#include "front/qt/qt_program.h"

#include <QApplication>

#include <utility>

#include "front/qt/fonts_ahead.h"
#include "front/qt/mover_window.h"
#include "front/qt/window_geometry.h"

namespace tessary {

QtProgram::QtProgram(std::vector<std::string> openedFiles)
    : fontList_(ReadFontListAhead()),
      drives_(LauncherDrives::FromEnvironment()),
      openedFiles_(std::move(openedFiles)),
      splash_(screen_),
      mainFrame_([this](QWidget& frame) { LoadMover(frame); }),
      start_(StartupServices{screen_, pointer_, application_, messages_, drives_, treeSearch_, splash_,
                             mainFrame_, locationCache_},
             GameFolderChoice{folderChooser_, files_}) {}

QtProgram::~QtProgram() {
    // The frame and the map window it owns go first: they use the services
    // and the location cache.
    mainFrame_.DestroyWindow();
}

int QtProgram::Run() {
    start_.Run();
    return QApplication::exec();
}

bool QtProgram::BringToFront(const std::vector<std::string>& files) {
    MainFrameWindow* frame = mainFrame_.Window();
    QtMoverWindow* mover = mover_.data();
    if (frame == nullptr || mover == nullptr || !frame->isVisible()) return false;
    frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    frame->raise();
    mover->show();
    mover->raise();
    mover->activateWindow();
    if (!files.empty()) mover->AddDropLater(files, DropTarget::GameMaps);
    return true;
}

void QtProgram::LoadMover(QWidget& frame) {
    // The map window lives in front of the frame and goes with it: a window
    // of its own, cut to its outline, where the program places its windows
    // itself; elsewhere (Wayland) inside the frame's client area, where it
    // can be placed and cut, and the frame shows around its outline.
    const bool ownWindow = TopLevelWindowsGoWherePut();
    frameInside_.SetWindow(&frame);
    Screen& area = ownWindow ? static_cast<Screen&>(screen_) : frameInside_;
    mover_ = new QtMoverWindow(
        GameMapsPlace{start_.GameMapsFolder(), [this] { locationCache_.Delete(); }},
        MoverWindowServices{area, pointer_, messages_, moverFiles_, shell_, application_}, &frame,
        ownWindow ? QtMoverWindow::Host::OwnWindow : QtMoverWindow::Host::InsideParent);
    mover_->TakeDrops(dropReader_);
    mover_->LoadAndShow();
    if (!openedFiles_.empty()) mover_->AddDropLater(std::exchange(openedFiles_, {}), DropTarget::GameMaps);
}

}  // namespace tessary
