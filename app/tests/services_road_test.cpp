// The window and its platform services: it keeps the services it is given,
// starts without a dialog, and the error box of a failing handler goes to
// the process's services, here a scripted double, so nothing blocks.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

#include "app/background1.h"
#include "platform/core/errors.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/services_qt.h"
#include "app/tests/test_support.h"

TEST(WindowServices, TheDesktopServicesUnlessTheWindowIsGivenOthers) {
    ScratchDir user, program;
    EXPECT_NE(dynamic_cast<qtapp::QtServices*>(TForm1Environment{}.Services.get()), nullptr);

    auto scripted = std::make_shared<qtapp::ScriptedServices>();
    qtapp::ScopedProcessServices process(scripted);
    TForm1Environment env = TestEnv(user, program);
    env.Services = scripted;
    env.Arguments = QStringList{QString::fromStdString(user.Path("no such hall.ven"))};
    TForm1 w(env);
    EXPECT_EQ(w.Environment().Services, scripted);
    // Start-up, first paint and the command line's missing file ask nothing.
    w.Timer1Timer();
    EXPECT_EQ(scripted->Kinds(), QStringList{});
}

TEST(WindowServices, AFailingHandlerShowsItsErrorThroughTheServices) {
    ScratchDir user, program;
    auto scripted = std::make_shared<qtapp::ScriptedServices>();
    qtapp::ScopedProcessServices process(scripted);
    TForm1Environment env = TestEnv(user, program);
    env.Services = scripted;
    TForm1 w(env);
    w.P1Height->setText("abc");
    w.ImperialRad->setChecked(true);
    EXPECT_EQ(scripted->Errors(), QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(scripted->Kinds(), QStringList{"ShowError"});
}

// A window test starts with scripted services: a dialog the test did not
// script ends the handler at once and fails the test, instead of waiting
// for a user.
TEST(WindowServices, AWindowUnderTestAsksNoDialogTheTestDidNotScript) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    qtapp::ScriptedServices* services = ScriptedOf(w);
    ASSERT_NE(services, nullptr);
    EXPECT_NONFATAL_FAILURE(w.LoadTBut->click(), "no answer queued for OpenFileName");
    EXPECT_EQ(services->Unanswered(), 1);
    ASSERT_EQ(rec.errors.size(), 1);
    EXPECT_TRUE(rec.errors[0].contains(QStringLiteral("OpenFileName"))) << rec.errors[0].toStdString();
}

// The error of a guarded handler that no test records fails the test that
// caused it; the process never opens an error box of the desktop's.
TEST(WindowServices, AnErrorNoTestRecordsFailsTheTest) {
    ASSERT_NE(dynamic_cast<qtapp::ScriptedServices*>(&qtapp::ProcessServices()), nullptr);
    EXPECT_NONFATAL_FAILURE(qtapp::RunGuarded([] { throw rtl::RuntimeError(1, "No such hall"); }),
                            "error box shown: No such hall");
}
