// The least a Qt program does to show a window of the map window's size.
// With --text the window also holds a list of one line in the platform's
// default font, as the map window's lists are: the bare cost of showing text.
#include <QApplication>
#include <QListWidget>
#include <QWidget>

#include <cstring>

#include "first_paint.h"

int main(int argc, char** argv) {
    tessary::bench::FirstPaint firstPaint(QStringLiteral("Bare"));
    QApplication app(argc, argv);
    app.installEventFilter(&firstPaint);
    QWidget window;
    window.setObjectName(QStringLiteral("Bare"));
    window.resize(627, 402);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* list = new QListWidget(&window);
        list->setGeometry(40, 40, 160, 150);
        list->addItem(QStringLiteral("Aspen Valley.gmx"));
    }
    window.show();
    return QApplication::exec();
}
