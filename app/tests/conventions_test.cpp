// The window conventions: guarded handlers, the up/down control and the
// splash window's timers and close veto.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <clocale>
#include <cstdio>
#include <stdexcept>

#include "platform/core/errors.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/updown.h"
#include "app/spashform.h"
#include "app/tests/test_support.h"

TEST(Guarded, ErrorsInHandlersAreShownAndTheProgramGoesOn) {
    ErrorRecorder rec;
    QPushButton button;
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked,
                     qtapp::Guarded([] { throw rtl::RangeError(); }));
    QObject::connect(&button, &QPushButton::clicked, qtapp::Guarded([&after] { ++after; }));
    button.click();
    QObject::connect(&button, &QPushButton::pressed,
                     qtapp::Guarded([] { throw std::runtime_error("disk on fire"); }));
    button.click();
    ASSERT_EQ(rec.errors.size(), 3);
    EXPECT_EQ(rec.errors[0], "Range check error");
    EXPECT_EQ(rec.errors[1], "disk on fire");
    EXPECT_EQ(rec.errors[2], "Range check error");
    EXPECT_EQ(after, 2);
}

TEST(Guarded, HandlersGetTheSignalsArgumentsWhenTheyWantThem) {
    ErrorRecorder rec;
    QPushButton button;
    button.setCheckable(true);
    bool seen = false;
    QObject::connect(&button, &QPushButton::toggled, qtapp::Guarded([&seen](bool on) { seen = on; }));
    button.click();
    EXPECT_TRUE(seen);
}

TEST(Guarded, NumbersUseThePointWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool cGerman = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    ASSERT_EQ(QLocale().toString(2.25), "2,25");
    qtapp::UseCNumericLocale();
    EXPECT_EQ(QLocale().toString(2.25), "2.25");
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", 3.5);
    EXPECT_STREQ(buf, "3.50") << (cGerman ? "German C locale was set" : "");
}

TEST(UpDown, MovesOnlyInsideItsRangeAndClicksOnlyWhenItMoves) {
    qtapp::UpDown ud;
    ud.SetRange(0, 3);
    ud.SetIncrement(2);
    ud.SetPosition(1);
    std::vector<qtapp::UDBtnType> clicks;
    QObject::connect(&ud, &qtapp::UpDown::Click, [&clicks](qtapp::UDBtnType b) { clicks.push_back(b); });
    ud.UpButton()->click();  // 1 -> 3
    EXPECT_EQ(ud.Position(), 3);
    ud.UpButton()->click();  // 5 is outside: nothing
    EXPECT_EQ(ud.Position(), 3);
    ud.DownButton()->click();  // 3 -> 1
    ud.DownButton()->click();  // -1 is outside: nothing
    EXPECT_EQ(ud.Position(), 1);
    EXPECT_EQ(clicks, (std::vector<qtapp::UDBtnType>{qtapp::UDBtnType::Next, qtapp::UDBtnType::Prev}));
    // From code: no click, kept inside the range; 16 bits at most.
    ud.SetPosition(100);
    EXPECT_EQ(ud.Position(), 3);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_THROW(ud.SetPosition(40000), rtl::RangeError);
    EXPECT_THROW(ud.SetRange(0, 70000), rtl::RangeError);
    EXPECT_EQ(ud.Position(), 3);
}

TEST(Splash, LooksAndTimers) {
    TForm2 s;
    EXPECT_EQ(s.windowTitle(), "Corvane Audio Orandel");
    EXPECT_TRUE(s.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(s.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(s.Label1->text(), "Corvane Audio Orandel 4.1 ");
    EXPECT_EQ(s.Timer1->interval(), 2000);
    EXPECT_EQ(s.Timer3->interval(), 1000);
    EXPECT_TRUE(s.Timer1->isActive());
    EXPECT_TRUE(s.Timer3->isActive());
    EXPECT_EQ(s.AlphaBlendValue(), 255);
    s.Timer3Timer();
    EXPECT_EQ(s.AlphaBlendValue(), 30);
    EXPECT_FALSE(s.Timer3->isActive());
}

TEST(Splash, RefusesToCloseUntilItsTimeIsUp) {
    TForm2 s;
    s.show();
    EXPECT_FALSE(s.close());
    EXPECT_TRUE(s.isVisible());
    // The caption is placed below the picture's middle on every request.
    EXPECT_FALSE(s.Label1->isHidden());
    EXPECT_EQ(s.Label1->y(), qRound(0.95 * s.spalsh->height()));
    s.Timer1Timer();
    EXPECT_FALSE(s.Timer1->isActive());
    EXPECT_FALSE(s.isVisible());
    // Closed, not gone: it can still be asked.
    EXPECT_TRUE(s.FormCloseQuery());
}

TEST(Connect, EachControlRunsItsHandlerTheAgreedWay) {
    ErrorRecorder rec;
    QWidget host;
    QRadioButton a(&host), b(&host);
    QCheckBox box;
    QLineEdit edit;
    QComboBox list;
    list.addItems({"one", "two", "three"});
    int radioA = 0, checks = 0, edits = 0, choices = 0;
    qtapp::OnRadioClick(&a, &host, [&] { ++radioA; });
    qtapp::OnCheckChange(&box, &host, [&] { ++checks; });
    qtapp::OnEditChange(&edit, &host, [&] { ++edits; });
    qtapp::OnListChoice(&list, &host, [&] { ++choices; });

    a.setChecked(true);   // by code: runs
    a.setChecked(true);   // no change: nothing
    b.setChecked(true);   // a goes off: nothing
    a.click();            // by the user: runs
    EXPECT_EQ(radioA, 2);

    box.setChecked(true);
    box.setChecked(false);
    EXPECT_EQ(checks, 2);

    edit.setText("1");
    edit.setText("12");
    edit.setText("12");
    EXPECT_EQ(edits, 2);

    list.setCurrentIndex(2);  // by code: nothing
    EXPECT_EQ(choices, 0);
    emit list.activated(1);   // what a user's choice sends
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(rec.errors.isEmpty());
}

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw rtl::OverflowError();
        return QObject::event(e);
    }
};

}  // namespace

TEST(Guarded, ApplicationCatchesWhatSlipsPastTheHandlers) {
    ErrorRecorder rec;
    Throwing target;
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&target, &e);
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    ASSERT_EQ(rec.errors.size(), 2);
    EXPECT_EQ(rec.errors[0], "Integer overflow");
}
