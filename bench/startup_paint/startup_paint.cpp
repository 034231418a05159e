// Tessary started as src/main.cpp starts it, ended once the map window has
// painted for the first time.
#include <QApplication>

#include "first_paint.h"
#include "front/qt/qt_program.h"
#include "front/qt/qt_resources.h"

int main(int argc, char** argv) {
    tessary::bench::FirstPaint firstPaint(QStringLiteral("Mover"));
    QApplication app(argc, argv);
    app.installEventFilter(&firstPaint);
    tessary::InitResources();
    tessary::QtProgram program;
    return program.Run();
}
