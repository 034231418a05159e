// Tessary: the Qt front. Builds the platform services and runs Main.
#include <QApplication>

#include "platform/qt/qt_resources.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessary::InitResources();
    return 0;
}
