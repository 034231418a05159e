// One QApplication for the whole GUI test executable.
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/qt/qt_resources.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tessary::InitResources();
    return RUN_ALL_TESTS();
}
