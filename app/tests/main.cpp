// Window tests run on the offscreen platform unless told otherwise; numbers
// are read and written with "." as the program does.
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/qtapp/guarded.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtapp::GuardedApplication app(argc, argv);
    qtapp::UseCNumericLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
