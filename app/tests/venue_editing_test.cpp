// The venue page's editing: the value up/downs with their rules, the ear
// heights, the edits as outputs, the design start with its trim search, the
// tool bar at start-up and help.  Controls are found by name.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/background1.h"
#include "model/arrays/arraytypes.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "venue/storage/venue_storage.h"
#include "app/form_venue_values.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

using qtapp::UDBtnType;

struct Window {
    ScratchDir user, program;
    std::shared_ptr<qtapp::ScriptedServices> services = std::make_shared<qtapp::ScriptedServices>();
    std::unique_ptr<TForm1> w;
    explicit Window(bool withHelp = false) {
        if (withHelp) WriteFile(program.Path("odhelp4.html"), "<html></html>");
        TForm1Environment env = TestEnv(user, program);
        env.Services = services;
        w = std::make_unique<TForm1>(env);
    }
    template <class T>
    T* Find(const char* name) const {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    qtapp::UpDown* UpDown(const char* name) const { return Find<qtapp::UpDown>(name); }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
};

// Counts the recalculations that show the rigging results.
class CountingReadout : public TRigReadout {
public:
    explicit CountingReadout(int* calls) : calls_(calls) {}
    uint8_t SafetyLevel() override { return static_cast<uint8_t>(++*calls_ * 0); }
    TArrayRigResults RigResults() override { return {}; }
    double Mass() override { return 100.0; }
    double FrontPickLoad() override { return 50.0; }
    double RearPickLoad() override { return 50.0; }
    int BestHole() override { return 3; }
    double LiftBarAngle() override { return 0.0; }
    double TopAngleOffset() override { return 0.0; }
    uint8_t TypeCode() override { return 0; }
    double BottomAngle() override { return 0.0; }

private:
    int* calls_;
};

}  // namespace

TEST(VenueEditing, OnlyLoadAndDesignOnTheToolBarAtStartUp) {
    ErrorRecorder rec;
    Window t;
    for (QToolButton* b : t.w->PagesToolBar->findChildren<QToolButton*>()) {
        const QString n = b->objectName();
        if (n.isEmpty()) continue;  // the up/down's own arrows live elsewhere
        const bool shown = n == "LoadTBut" || n == "DesignTBut";
        EXPECT_EQ(!b->isHidden(), shown) << n.toStdString();
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(VenueEditing, DesignStartTrimsTheLowestCabinetJustAboveTheMinimum) {
    ErrorRecorder rec;
    Window t;
    TForm1& w = *t.w;
    t.Edit("MinTrimHeight")->setText("3.0");
    w.DesignTBut->click();
    ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
    EXPECT_EQ(w.FNoDesign, 0);
    EXPECT_DOUBLE_EQ(w.FMinTrimHeight, 3.0);
    EXPECT_GE(w.FVenue->LowestHeight, 3.0);
    EXPECT_LT(w.FVenue->LowestHeight, 3.01);
    EXPECT_EQ(w.FStatusText, "AUTO DESIGNED ARRAY. Edit data by clicking on up/down symbols");
    // The page tabs are hidden, and the user stays on the venue page.
    EXPECT_EQ(w.PageControl1->currentWidget(), w.VenueTab);
    EXPECT_EQ(t.UpDown("arrhupdn")->Position(), static_cast<int>(std::lround(w.FArrayHeight / 0.1)));
    EXPECT_EQ(t.UpDown("mintrimupdn")->Position(), 30);
    EXPECT_EQ(t.UpDown("P1Lupdn")->Position(), 60);
    for (const char* n : {"maxpickupdn", "arrhupdn", "P3distupdn"}) EXPECT_FALSE(t.UpDown(n)->isHidden()) << n;
    for (QToolButton* b : {w.VenTBut, w.ArrayTBut, w.RigTBut, w.HelpTBut, w.tbauto, w.tbman})
        EXPECT_FALSE(b->isHidden()) << b->objectName().toStdString();
    // The edits are outputs now: typed text is replaced by the stored value.
    w.FArrayHeight = 6.0;
    t.Edit("ArrayHeight")->setText("12");
    EXPECT_EQ(t.Edit("ArrayHeight")->text(), "6.0");
    w.FMetric = 0;
    t.Edit("ArrayHeight")->setText("x");
    EXPECT_EQ(t.Edit("ArrayHeight")->text(), "19.7");
}

// Every array type, flown, with the counts it starts with and with its
// largest: the design start hangs the lowest point at the minimum trim, at
// the first centimetre of array height that puts it at or above it, whether
// the window is fresh or has designed another array before, and a second
// press finds the same height.
TEST(VenueEditing, EveryTypeFlownHangsAtTheMinimumTrimFromTheFirstPress) {
    constexpr double kTrim = 3.0;
    for (std::size_t code = 0; code < kArrayTypeCount; ++code) {
        const TArrayType type = static_cast<TArrayType>(code);
        for (const bool largest : {false, true}) {
            for (const bool designedBefore : {false, true}) {
                SCOPED_TRACE(std::string(ArrayTypeInfo(type).Name) + (largest ? ", largest counts" : ", start counts") +
                             (designedBefore ? ", after another design" : ", fresh window"));
                ErrorRecorder rec;
                TestWindow t;
                if (designedBefore) {
                    t->TypeRadio(type == TArrayType::Bexa ? TArrayType::Dovi : TArrayType::Bexa)->click();
                    t->DesignTBut->click();
                }
                t->TypeRadio(type)->click();
                if (!t->flyrad->isChecked()) t->flyrad->click();
                if (largest) {
                    for (qtapp::UpDown* u : {t->numbox1updn, t->numbox2updn, t->numbox3updn})
                        while (u->Press(UDBtnType::Next)) {
                        }
                }
                if (designedBefore) {
                    ASSERT_EQ(t->FNoDesign, 0);
                }
                t->DesignTBut->click();
                ASSERT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
                ASSERT_EQ(t->FNoDesign, 0);
                ASSERT_EQ(t->FRigMode, 1);
                const double height = t->FArrayHeight, lowest = t->FVenue->LowestHeight;
                EXPECT_GE(lowest, kTrim);
                // A design hangs its lowest point where its angles put it:
                // a centimetre lower, the bottom is below the minimum.
                t->FArrayHeight = height - 0.01;
                t->Recalculate();
                EXPECT_LT(t->FVenue->LowestHeight, kTrim);
                t->FArrayHeight = height;
                t->Recalculate();
                EXPECT_NEAR(t->FVenue->LowestHeight, lowest, 1e-9);
                t->DesignTBut->click();
                EXPECT_NEAR(t->FArrayHeight, height, 1e-9);
                EXPECT_NEAR(t->FVenue->LowestHeight, lowest, 1e-9);
                EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
            }
        }
    }
}

TEST(VenueEditing, TrimSearchRefusesTextsAndHeightsItCannotReach) {
    const struct {
        const char* minTrim;
    } cases[] = {{"abc"}, {"1e300"}, {"nan"}, {"inf"}};
    for (const auto& c : cases) {
        ErrorRecorder rec;
        Window t;
        t.Edit("MinTrimHeight")->setText(c.minTrim);
        t.w->DesignTBut->click();
        EXPECT_EQ(rec.errors.size(), 1) << c.minTrim;
        EXPECT_EQ(t.w->FNoDesign, 1) << c.minTrim;
        EXPECT_TRUE(t.w->VenTBut->isHidden()) << c.minTrim;
    }
}

// A typed value the up/down beside it could not stand at is refused by the
// design start as a venue file's or a plane tool's value is, with the
// value's name; the custom ear heights are taken the same way.  Nothing is
// designed, and every value stays as it was.  So is a design whose pick
// would hang above the maximum pick height.
TEST(VenueEditing, DesignStartRefusesTypedValuesTheUpDownsCannotHold) {
    const struct {
        const char* what;
        std::function<void(TForm1&)> type;
        const char* error;
        bool keepsTexts = true;
    } cases[] = {
        {"min trim -5", [](TForm1& w) { w.MinTrimHeight->setText("-5"); }, "Range check error (Min trim height)"},
        {"max pick -5", [](TForm1& w) { w.MaxPickHeight->setText("-5"); }, "Range check error (Max pick height)"},
        {"plane 1 of 32 km", [](TForm1& w) { w.P1Length->setText("32000"); }, "Range check error (Plane 1 length)"},
        {"plane 1 of 32 km in feet",
         [](TForm1& w) {
             w.ImperialRad->click();
             w.P1Length->setText("3290");  // 1002.8 m
         },
         "Range check error (Plane 1 length)"},
        {"plane 1 height 25 m", [](TForm1& w) { w.P1Height->setText("25"); }, "Range check error (Plane 1 height)"},
        {"custom plane 1 ears at 1e308",
         [](TForm1& w) {
             w.P1custedit->setText("1e308");
             w.P1cust->click();
         },
         "Range check error (Plane 1 ear height)"},
        {"custom plane 3 ears below the floor",
         [](TForm1& w) {
             w.P3cust->click();
             w.p3custedit->setText("-1");
         },
         "Range check error (Plane 3 ear height)"},
        {"a stage of 500 m",
         [](TForm1& w) {
             w.stackrad->click();
             w.ArrayHeight->setText("500");
         },
         "Range check error (Array height)"},
        {"a pick above the maximum",
         [](TForm1& w) { w.MaxPickHeight->setText("5"); },
         "The minimum trim height of 3.0 m cannot be reached: the design was not started.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ErrorRecorder rec;
        TestWindow t;
        c.type(*t);
        rec.errors.clear();
        const VenueData before = venuevalues::FromWindow(*t);
        const std::string status = t->FStatusText;
        // Refused before any is taken, the texts stay as typed, to be put
        // right; a refused search shows the values the window holds.
        std::map<QLineEdit*, QString> typed;
        for (QLineEdit* e : t->VenueTab->findChildren<QLineEdit*>()) typed[e] = e->text();
        t->DesignTBut->click();
        EXPECT_EQ(rec.errors.join("|").toStdString(), c.error);
        EXPECT_EQ(t->FNoDesign, 1);
        EXPECT_TRUE(t->VenTBut->isHidden());
        EXPECT_EQ(t->FStatusText, status);
        QCoreApplication::processEvents();
        if (c.keepsTexts) {
            for (QLineEdit* e : t->VenueTab->findChildren<QLineEdit*>())
                EXPECT_EQ(e->text(), typed[e]) << e->objectName().toStdString();
        }
        const VenueData after = venuevalues::FromWindow(*t);
        venuevalues::ForEachField([&](const auto& row) { EXPECT_EQ(after.*row.Data, before.*row.Data); });
    }
    // After a design, the maximum pick stepped down below the array's pick:
    // the design stays as it was.
    ErrorRecorder rec;
    TestWindow t;
    t->DesignTBut->click();
    ASSERT_EQ(t->FNoDesign, 0);
    while (t->maxpickupdn->Press(UDBtnType::Prev)) {
    }
    ASSERT_NEAR(t->FMaxPickHeight, 0.8, 1e-9);
    rec.errors.clear();
    const std::string venue = VenueFileText(*t->FVenue, "x.ven");
    const double height = t->FArrayHeight;
    const std::string status = t->FStatusText;
    t->DesignTBut->click();
    EXPECT_EQ(rec.errors.join("|").toStdString(),
              "The minimum trim height of 3.0 m cannot be reached: the design was not started.");
    EXPECT_EQ(t->FArrayHeight, height);
    EXPECT_EQ(t->FStatusText, status);
    EXPECT_EQ(VenueFileText(*t->FVenue, "x.ven"), venue);
}

TEST(VenueEditing, ValueUpDownsAndTheirRules) {
    ErrorRecorder rec;
    Window t;
    TForm1& w = *t.w;
    w.FNoDesign = 0;
    const struct {
        const char* upDown;
        UDBtnType button;
        double TForm1::*value;
        double before, after;
        const char* edit;
        const char* text;  // after the change handler (metric, fixed)
    } cases[] = {
        {"covstartupdn", UDBtnType::Prev, &TForm1::FCovStart, 0.5, 0.0, "CovStart", "0.0"},
        {"covstartupdn", UDBtnType::Next, &TForm1::FCovStart, 1.0, 2.0, "CovStart", "2.0"},
        {"maxpickupdn", UDBtnType::Next, &TForm1::FMaxPickHeight, 20.0, 20.1, "MaxPickHeight", "20.1"},
        {"P2Hupdn", UDBtnType::Prev, &TForm1::FP2Height, 0.1, 0.0, "P2Height", "0.0"},
        {"P2Hupdn", UDBtnType::Prev, &TForm1::FP2Height, 0.3 - 0.1, 0.1, "P2Height", "0.1"},
        {"P3elevupdn", UDBtnType::Prev, &TForm1::FP3Elev, 0.3, 0.2, "p3elev", "0.2"},
        {"P3elevupdn", UDBtnType::Prev, &TForm1::FP3Elev, 0.15, 0.0, "p3elev", "0.0"},
        {"P1Hupdn", UDBtnType::Prev, &TForm1::FP1Height, 0.0, -0.1, "P1Height", "-0.1"},
        {"P3distupdn", UDBtnType::Next, &TForm1::FP3Dist, 80.0, 81.0, "P3dist", "81.0"},
    };
    for (const auto& c : cases) {
        w.*c.value = c.before;
        ASSERT_TRUE(t.UpDown(c.upDown)->Press(c.button)) << c.upDown;
        EXPECT_NEAR(w.*c.value, c.after, 1e-9) << c.upDown << " from " << c.before;
        EXPECT_EQ(t.Edit(c.edit)->text().toStdString(), c.text) << c.upDown;
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(VenueEditing, PlanesThatGoPullTheCoverageStopBack) {
    ErrorRecorder rec;
    Window t;
    TForm1& w = *t.w;
    // Plane 2 stepped below a tenth: coverage stops at the end of plane 1,
    // plane 3 loses its height.
    w.FP1Length = 60.0;
    w.FP2Length = 1.0;
    w.FP3Height = 2.0;
    w.FCovStop = 80.0;
    ASSERT_TRUE(t.UpDown("P2Lupdn")->Press(UDBtnType::Prev));
    EXPECT_EQ(w.FP2Length, 0.0);
    EXPECT_EQ(w.FCovStop, 60.0);
    EXPECT_EQ(w.FP3Height, 0.0);
    EXPECT_EQ(t.UpDown("covstopupdn")->Position(), 60);

    // Plane 3 from 0.1 down: 0, and the stop comes back to the end of plane 2.
    w.FP2Length = 20.0;
    w.FP3Height = 0.1;
    w.FCovStop = 90.0;
    ASSERT_TRUE(t.UpDown("P3Hupdn")->Press(UDBtnType::Prev));
    EXPECT_EQ(w.FP3Height, 0.0);
    EXPECT_EQ(w.FCovStop, 80.0);
    EXPECT_EQ(t.UpDown("covstopupdn")->Position(), 80);
    // ... but a stop short of the end of plane 2 stays.
    w.FP3Height = 0.1;
    w.FCovStop = 70.0;
    ASSERT_TRUE(t.UpDown("P3Hupdn")->Press(UDBtnType::Prev));
    EXPECT_EQ(w.FCovStop, 70.0);

    // Plane 3 gone: the stop at the end of plane 2.
    w.FP3Length = 0.5;
    w.FCovStop = 90.0;
    ASSERT_TRUE(t.UpDown("P3Lupdn")->Press(UDBtnType::Prev));
    EXPECT_EQ(w.FCovStop, 80.0);
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(VenueEditing, ArrayHeightFlownAndStacked) {
    ErrorRecorder rec;
    Window t;
    TForm1& w = *t.w;
    qtapp::UpDown* arrh = t.UpDown("arrhupdn");
    // The array's lowest point is known once it is drawn, from the design on.
    w.DesignTBut->click();
    ASSERT_EQ(w.FNoDesign, 0);
    // Flown with the lowest point below the plane-1 ear height: no lower.
    w.FP1EarHeight = 50.0;
    w.Recalculate();
    const double h = w.FArrayHeight;
    ASSERT_TRUE(arrh->Press(UDBtnType::Prev));
    EXPECT_EQ(w.FArrayHeight, h);
    ASSERT_TRUE(arrh->Press(UDBtnType::Next));
    EXPECT_NEAR(w.FArrayHeight, h + 0.1, 1e-12);

    // Stacked and seated: the ear height follows a low stage.
    w.FRigMode = 2;
    w.FNumBoxes1 = 4;
    w.P1sit->setChecked(true);
    const struct {
        double stage, ear;
    } stages[] = {{0.9, 1.0}, {1.9, 1.4}, {1.2, 1.3}};
    for (const auto& s : stages) {
        w.FArrayHeight = s.stage;
        ASSERT_TRUE(arrh->Press(UDBtnType::Next));
        EXPECT_NEAR(w.FP1EarHeight, s.ear, 1e-9) << s.stage;
    }

    // Stacked from 6 m down: sixty steps to 0 and never below.
    w.FArrayHeight = 6.0;
    w.Recalculate();
    arrh->SetPosition(500);
    for (int i = 0; i < 64; ++i) {
        arrh->Press(UDBtnType::Prev);
        ASSERT_GE(w.FArrayHeight, 0.0) << "step " << i;
    }
    EXPECT_EQ(w.FArrayHeight, 0.0);
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(VenueEditing, EarHeightChoices) {
    ErrorRecorder rec;
    Window t;
    TForm1& w = *t.w;
    // Stacked on a 1.6 m stage, seated, then standing: the ear stays on the
    // stage, whatever the ear height was before.
    w.FRigMode = 2;
    w.FArrayHeight = 1.6;
    w.P1sit->setChecked(true);
    EXPECT_NEAR(w.FP1EarHeight, 1.4, 1e-12);
    w.P1stand->setChecked(true);
    EXPECT_NEAR(w.FP1EarHeight, 1.6, 1e-12);
    EXPECT_NEAR(w.FVenue->SeatedEarHeight, 1.8, 1e-12);
    EXPECT_EQ(t.Edit("P1custedit")->text(), "1.6");
    // Flown: the chosen height.
    w.FRigMode = 1;
    w.P1sit->setChecked(true);
    EXPECT_NEAR(w.FP1EarHeight, 1.4, 1e-12);

    // Plane 2 standing, then custom from its edit; its up/down below a step gives 0.
    w.P2stand->setChecked(true);
    EXPECT_NEAR(w.FP2EarHeight, 1.8, 1e-12);
    EXPECT_EQ(t.Edit("p2custedit")->text(), "1.8");
    EXPECT_FALSE(t.UpDown("p2custupdn")->isEnabled());
    t.Edit("p2custedit")->setText("0.1");
    w.P2cust->setChecked(true);
    EXPECT_TRUE(t.UpDown("p2custupdn")->isEnabled());
    EXPECT_NEAR(w.FP2EarHeight, 0.1, 1e-12);
    ASSERT_TRUE(t.UpDown("p2custupdn")->Press(UDBtnType::Prev));
    EXPECT_EQ(w.FP2EarHeight, 0.0);
    EXPECT_EQ(t.Edit("p2custedit")->text(), "0");

    // A custom edit that holds no number: the error, the old height stays.
    w.FP3EarHeight = 1.4;
    t.Edit("p3custedit")->setText("tall");
    w.P3cust->setChecked(true);
    EXPECT_EQ(rec.errors.size(), 1);
    EXPECT_NEAR(w.FP3EarHeight, 1.4, 1e-12);
}

TEST(VenueEditing, UpDownAtItsLimitRunsNoRecalculation) {
    ErrorRecorder rec;
    Window t;
    TForm1& w = *t.w;
    int calls = 0;
    w.SetRigReadout(std::make_unique<CountingReadout>(&calls));
    w.FNoDesign = 0;
    const struct {
        const char* upDown;
        int position;
        UDBtnType button;
        bool runs;
    } cases[] = {
        {"maxpickupdn", 1000, UDBtnType::Next, false},
        {"maxpickupdn", 8, UDBtnType::Prev, false},
        {"maxpickupdn", 8, UDBtnType::Next, true},
        {"covstartupdn", 0, UDBtnType::Prev, false},
        {"P1Hupdn", -100, UDBtnType::Prev, false},
        {"P1Hupdn", 200, UDBtnType::Prev, true},
        {"arrhupdn", 1000, UDBtnType::Next, false},
    };
    for (const auto& c : cases) {
        qtapp::UpDown* u = t.UpDown(c.upDown);
        u->SetPosition(c.position);
        const int before = calls;
        EXPECT_EQ(u->Press(c.button), c.runs) << c.upDown << " " << c.position;
        EXPECT_EQ(calls > before, c.runs) << c.upDown << " " << c.position;
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(VenueEditing, HelpOpensThePageBesideTheProgramOnlyWhenThere) {
    for (bool withHelp : {true, false}) {
        ErrorRecorder rec;
        Window t(withHelp);
        EXPECT_EQ(t.w->HelpAvailable, withHelp ? 1 : 0);
        if (withHelp) t.services->QueueOpenResult(true);
        t.w->HelpTBut->click();
        if (withHelp) {
            ASSERT_EQ(t.services->Calls().size(), 1u);
            EXPECT_EQ(t.services->Calls()[0].kind, "OpenHelp");
            EXPECT_EQ(t.services->Calls()[0].args.value(0).toStdString(), t.program.Path("odhelp4.html"));
        } else {
            EXPECT_TRUE(t.services->Calls().empty());
        }
        EXPECT_EQ(t.services->Unanswered(), 0);
        EXPECT_TRUE(rec.errors.isEmpty());
    }
}
