#include "platform/qt/qt_program.h"

#include <QApplication>
#include <QWidget>

namespace tessary {
class QtMoverWindow : public QWidget {};
}  // namespace tessary

namespace tessary {

QtProgram::QtProgram()
    : drives_(WineDrives::PrefixFromEnvironment()),
      splash_(screen_),
      mainFrame_([this](QWidget& frame) { LoadMover(frame); }),
      module1_(StartupServices{screen_, pointer_, application_, messages_, files_, drives_, treeSearch_,
                               splash_, mainFrame_, files_}) {}

QtProgram::~QtProgram() = default;

int QtProgram::Run() {
    module1_.Main();
    return QApplication::exec();
}

void QtProgram::LoadMover(QWidget& /*frame*/) {
    // The map window comes with its own window class.
}

}  // namespace tessary
