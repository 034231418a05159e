// The least a Qt program does to show a window of the map window's size.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    tessary::bench::FirstPaint firstPaint(QStringLiteral("Bare"));
    QApplication app(argc, argv);
    app.installEventFilter(&firstPaint);
    QWidget window;
    window.setObjectName(QStringLiteral("Bare"));
    window.resize(627, 402);
    window.show();
    return QApplication::exec();
}
