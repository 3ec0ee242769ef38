// The window and its platform services: it keeps the services it is given,
// starts without a dialog, and the error box of a failing handler goes to
// the process's services, here a scripted double, so nothing blocks.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include <memory>

#include "app/background1.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/services_qt.h"
#include "app/tests/test_support.h"

TEST(WindowServices, TheDesktopServicesUnlessTheWindowIsGivenOthers) {
    ScratchDir user, program;
    EXPECT_NE(dynamic_cast<qtapp::QtServices*>(TestEnv(user, program).Services.get()), nullptr);

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
