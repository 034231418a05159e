// Tessary on Linux: the Qt front.
#include <QApplication>

#include "platform/qt/qt_program.h"
#include "platform/qt/qt_resources.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessary::InitResources();
    tessary::QtProgram program;
    return program.Run();
}
