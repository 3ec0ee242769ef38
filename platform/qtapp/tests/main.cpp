// The platform services' tests run on the offscreen platform unless told
// otherwise, under the same guarded application as the program.  The
// process's services are scripted: an error of a guarded handler that no
// test expects fails the running test instead of opening a modal box.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

#include "platform/qtapp/guarded.h"
#include "platform/qtapp/scripted_services.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtapp::GuardedApplication app(argc, argv);
    auto services = std::make_shared<qtapp::ScriptedServices>();
    services->ReportFailuresTo([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
    qtapp::SetProcessServices(services);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
