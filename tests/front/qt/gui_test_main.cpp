// One QApplication for the whole GUI test executable.
#include <QApplication>

#include <gtest/gtest.h>

#include "front/qt/qt_resources.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // GUI tests run without a display unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tessary::InitResources();
    return RUN_ALL_TESTS();
}
