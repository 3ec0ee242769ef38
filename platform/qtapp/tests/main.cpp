// The platform services' tests run on the offscreen platform unless told
// otherwise, under the same guarded application as the program.
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/qtapp/guarded.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtapp::GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
