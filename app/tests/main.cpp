// Window tests run on the offscreen platform unless told otherwise; numbers
// are read and written with "." and the windows have their look, as the
// program does.  The process's services are loud scripted ones: an error of
// a guarded handler that no test records, or a dialog no test scripted,
// fails the running test instead of waiting on a modal box.
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/qtapp/guarded.h"
#include "platform/qtapp/services.h"
#include "app/startup.h"
#include "app/tests/test_support.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtapp::GuardedApplication app(argc, argv);
    qtapp::UseCNumericLocale();
    UseProgramLook();
    qtapp::SetProcessServices(LoudServices());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
