// The three dialogs (sub stack, plane calculator, venue survey) on their own
// and through the main window's buttons.  Modal dialogs are answered from a
// timer with a watchdog, so no test can sit on an open box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/background1.h"
#include "platform/core/recording_canvas.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/rthetaxytool.h"
#include "app/substack.h"
#include "app/surveyorform.h"
#include "app/tests/printed_text_boxes.h"
#include "app/tests/test_support.h"
#include "venue/storage/venue_storage.h"

namespace {

std::string Text(const QLineEdit* e) { return e->text().toStdString(); }
std::string Text(const QLabel* l) { return l->text().toStdString(); }

// Runs `open`, which shows `dialog` modally, and calls `answer` once the
// dialog is up.  False when the dialog never came up or had to be shut by
// the watchdog.
bool AnswerModal(QDialog& dialog, const std::function<void()>& answer,
                 const std::function<void()>& open) {
    bool answered = false, timedOut = false;
    QTimer press, watchdog;
    QObject::connect(&press, &QTimer::timeout, [&] {
        if (!dialog.isVisible()) return;
        press.stop();
        answered = true;
        answer();
    });
    press.start(5);
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        dialog.done(0);
    });
    watchdog.start(5000);
    open();
    return answered && !timedOut;
}

// A main window with its three dialogs, on scratch settings.
struct Window {
    ScratchDir user, program;
    ErrorRecorder errors;
    std::unique_ptr<TForm1> w;
    std::unique_ptr<TForm3> calc = std::make_unique<TForm3>();
    std::unique_ptr<TSurveyForm> survey = std::make_unique<TSurveyForm>();
    std::unique_ptr<Tssform> subs = std::make_unique<Tssform>();
    Window() {
        w = std::make_unique<TForm1>(TestEnv(user, program));
        w->SetDialogs(calc.get(), survey.get(), subs.get());
    }
    // Plane 1 seated or standing, through the venue page's radios.
    void SetPlane1Seated(bool seated) {
        auto* sit = w->findChild<QRadioButton*>(QStringLiteral("P1sit"));
        if (!sit) {
            sit = new QRadioButton(w->VenueTab);
            sit->setObjectName(QStringLiteral("P1sit"));
            sit->setAutoExclusive(false);
        }
        if (seated || !sit->autoExclusive()) {
            sit->setChecked(seated);
        } else {
            auto* stand = w->findChild<QRadioButton*>(QStringLiteral("P1stand"));
            ASSERT_NE(stand, nullptr);
            stand->setChecked(true);
        }
    }
};

}  // namespace

// --- sub stack ------------------------------------------------------------------

TEST(SubStack, StackHeightTextByModelAndCount) {
    // Heights hand-worked from the unit heights (Jumo 0.574, Kato 0.561,
    // Rudd and Hoba 0.49), three significant digits, three decimals.
    const struct {
        const char* model;
        int ups, downs;
        const char* count;
        const char* height;
    } rows[] = {
        {"jumorad", 0, 0, "1", "0.574"},
        {"jumorad", 1, 0, "2", "1.150"},   // 1.148
        {"jumorad", 2, 0, "3", "1.720"},   // 1.722
        {"katorad", 2, 0, "3", "1.680"},   // 1.683
        {"ruddrad", 5, 0, "6", "2.940"},
        {"hobarad", 9, 0, "6", "2.940"},   // the count stops at 6
        {"jumorad", 0, 3, "1", "0.574"},   // and at 1
        {"katorad", 3, 1, "3", "1.680"},
    };
    for (const auto& r : rows) {
        Tssform d;
        d.findChild<QRadioButton*>(QString::fromLatin1(r.model))->setChecked(true);
        for (int i = 0; i < r.ups; ++i) d.UpDown1->Press(qtapp::UDBtnType::Next);
        for (int i = 0; i < r.downs; ++i) d.UpDown1->Press(qtapp::UDBtnType::Prev);
        // A down press the up/down itself refuses at one sub, handled anyway.
        if (std::string(r.count) == "1") d.UpDown1Click(qtapp::UDBtnType::Prev);
        EXPECT_EQ(Text(d.Edit1), r.count) << r.model << " " << r.ups << "/" << r.downs;
        EXPECT_EQ(Text(d.subheightlab), r.height) << r.model << " " << r.ups << "/" << r.downs;
    }
}

TEST(SubStack, ClosingButtonsSetResultHeightAndPlace) {
    const struct {
        const char* button;
        int result;
        bool onFloorBefore, onFloor;
        double height;  // -1: left as it was
    } rows[] = {
        {"BitBtn1", 1, true, false, 1.148},
        {"Button1", 1, false, true, 1.148},
        {"BitBtn3", 3, true, true, 1.148},
        {"BitBtn3", 3, false, false, 1.148},
        {"BitBtn2", 2, true, true, -1},
    };
    for (const auto& r : rows) {
        Tssform d;
        d.UpDown1->Press(qtapp::UDBtnType::Next);  // two Jumo
        d.OnFloor = r.onFloorBefore;
        d.StackHeight = -1;
        d.findChild<QPushButton*>(QString::fromLatin1(r.button))->click();
        EXPECT_EQ(d.result(), r.result) << r.button;
        EXPECT_EQ(d.OnFloor, r.onFloor) << r.button;
        EXPECT_NEAR(d.StackHeight, r.height, 1e-12) << r.button;
    }
}

TEST(SubStack, CaptionsForTwoWideArraysAndChoicesKeptAfterCancel) {
    Tssform d;
    d.Setup(true, true);
    EXPECT_EQ(d.hobarad->text(), "Hoba (2 wide)");
    EXPECT_EQ(d.jumorad->text(), "Jumo (2 wide)");
    EXPECT_EQ(d.katorad->text(), "Kato (2 Wide)");
    EXPECT_EQ(d.ruddrad->text(), "Rudd");
    d.Setup(false, false);
    EXPECT_EQ(d.hobarad->text(), "Hoba");
    EXPECT_EQ(d.jumorad->text(), "Jumo");
    EXPECT_EQ(d.katorad->text(), "Kato");

    // Imperial still shows metres; the choice survives a cancel.
    d.katorad->setChecked(true);
    d.UpDown1->Press(qtapp::UDBtnType::Next);
    d.BitBtn2->click();
    d.Setup(false, false);
    EXPECT_TRUE(d.katorad->isChecked());
    EXPECT_EQ(Text(d.Edit1), "2");
    EXPECT_EQ(Text(d.subheightlab), "1.120");  // 2 x 0.561
}

TEST(SubStack, MainWindowAppliesTheChoice) {
    const struct {
        const char* name;
        int subs;            // Jumo cabinets
        const char* button;  // on the dialog
        bool seated;
        double arrayBefore, earBefore;
        double arrayAfter, earAfter;
    } rows[] = {
        {"floor, seated", 3, "Button1", true, 6.0, 1.8, 1.722, 1.4},
        {"floor, standing", 3, "Button1", false, 6.0, 1.4, 1.722, 1.722},
        {"stage", 1, "BitBtn1", true, 1.0, 1.0, 1.574, 1.4},
        {"stage, low", 1, "BitBtn1", true, 0.5, 0.5, 1.074, 1.074},
        {"remove", 1, "BitBtn3", false, 2.0, 1.8, 1.426, 1.426},
        {"remove, stack taller", 2, "BitBtn3", true, 1.0, 1.0, 1.0, 1.0},
        // Cancel keeps a custom ear height and everything else.
        {"cancel", 3, "BitBtn2", true, 6.0, 1.23, 6.0, 1.23},
    };
    for (const auto& r : rows) {
        Window f;
        f.SetPlane1Seated(r.seated);
        // Ground-stacked as the user makes it: through the stack radio.
        f.w->stackrad->setChecked(true);
        ASSERT_EQ(f.w->FRigMode, 2);
        f.w->FArrayHeight = r.arrayBefore;
        f.w->FP1EarHeight = r.earBefore;
        for (int i = 1; i < r.subs; ++i) f.subs->UpDown1->Press(qtapp::UDBtnType::Next);
        auto* button = f.subs->findChild<QPushButton*>(QString::fromLatin1(r.button));
        ASSERT_TRUE(AnswerModal(*f.subs, [&] { button->click(); }, [&] { f.w->AddsubsBut->click(); }))
            << r.name;
        EXPECT_NEAR(f.w->FArrayHeight, r.arrayAfter, 1e-9) << r.name;
        EXPECT_NEAR(f.w->FP1EarHeight, r.earAfter, 1e-9) << r.name;
        // The edit as the recalculation writes it, 1 decimal; Cancel writes none.
        if (r.button != std::string("BitBtn2")) {
            EXPECT_EQ(Text(f.w->ArrayHeight), QString::number(r.arrayAfter, 'f', 1).toStdString())
                << r.name;
        }
        EXPECT_TRUE(f.errors.errors.isEmpty()) << r.name << f.errors.errors.join("\n").toStdString();
    }
}

// --- plane calculator -----------------------------------------------------------

TEST(PlaneCalculator, ToolCaptionHasOnlyItsCloseButton) {
    TForm3 t;
    EXPECT_EQ(t.windowType(), Qt::Tool);
    EXPECT_TRUE(t.windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_FALSE(t.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(PlaneCalculator, GetRAndAFromXAndY) {
    const struct {
        const char *x, *y;
        const char *shownX, *shownY, *r, *a;
    } rows[] = {
        {"3", "4", "3", "4", "5.0", "53.1"},
        {"10", "0", "10", "0", "10.0", "0.0"},
        {"", "", "0", "0", "0.0", "0.0"},
        {"60", "-1.8", "60", "-1.8", "60.0", "-1.7"},
        {"0", "2", "0", "2", "2.0", "90.0"},
    };
    for (const auto& r : rows) {
        TForm3 t;
        t.editX->setText(r.x);
        t.editY->setText(r.y);
        t.BitBtn2->click();
        EXPECT_EQ(Text(t.editX), r.shownX);
        EXPECT_EQ(Text(t.editY), r.shownY);
        EXPECT_EQ(Text(t.editR), r.r) << r.x << "," << r.y;
        EXPECT_EQ(Text(t.editA), r.a) << r.x << "," << r.y;
    }
}

TEST(PlaneCalculator, GetXAndYFromRAndA) {
    const struct {
        const char *r, *a;
        const char *x, *y;
    } rows[] = {
        {"10", "0", "10.0", "0.0"},
        {"5", "53.13010235", "3.0", "4.0"},
        {"2", "90", "0.0", "2.0"},
        {"", "", "0.0", "0.0"},
        {"100", "30", "86.6", "50.0"},
    };
    for (const auto& r : rows) {
        TForm3 t;
        t.editR->setText(r.r);
        t.editA->setText(r.a);
        t.BitBtn1->click();
        EXPECT_EQ(Text(t.editX), r.x) << r.r << "," << r.a;
        EXPECT_EQ(Text(t.editY), r.y) << r.r << "," << r.a;
    }
}

TEST(PlaneCalculator, SketchCornersLabelsAndAngleMark) {
    // 153 x 105 picture.  X 3, Y 4: 128 / 3 gives a rise of 171 > 80, so
    // s = 80 / 4 = 20; sx 60, sy 80, ox 46 (46.5 to even), oy 12 (12.5).
    // X 10, Y 0: s 12.8, sx 128, sy 0, ox 12 (12.5), oy 52 (52.5).
    const struct {
        double x, y;
        rtl::Point o, f, p;
        rtl::Point xText, aText, rText, slantMid;
    } rows[] = {
        {3, 4, {46, 93}, {106, 93}, {106, 13}, {76, 94}, {61, 94}, {71, 45}, {76, 53}},
        {10, 0, {12, 53}, {140, 53}, {140, 53}, {76, 54}, {44, 54}, {71, 45}, {76, 53}},
    };
    for (const auto& r : rows) {
        TForm3 t;
        t.editX->setText(QString::number(r.x));
        t.editY->setText(QString::number(r.y));
        t.BitBtn2->click();
        rtl::RecordingCanvas c(153, 105);
        t.DrawDiagram(c, 153, 105);
        EXPECT_TRUE(c.HasSegment(r.o, r.p)) << r.x;  // slant
        EXPECT_TRUE(c.HasSegment(r.o, r.f)) << r.x;  // run
        const std::vector<rtl::Segment> segs = c.Segments();
        ASSERT_EQ(segs.size(), 3u);
        EXPECT_EQ(segs[0].pen.color, rtl::colors::Black);
        EXPECT_EQ(segs[1].pen.color, rtl::colors::Blue);
        EXPECT_EQ(segs[2].from, r.f);
        EXPECT_EQ(segs[2].to, r.p);
        const rtl::CanvasOp* x = c.FindText("x");
        const rtl::CanvasOp* a = c.FindText("A");
        ASSERT_TRUE(x && a);
        EXPECT_EQ(x->points[0], r.xText);
        EXPECT_EQ(a->points[0], r.aText);
        EXPECT_EQ(a->font.color, rtl::colors::Red);
        if (r.y > 0) {
            const rtl::CanvasOp* rt = c.FindText("R");
            ASSERT_TRUE(rt);
            EXPECT_EQ(rt->points[0], r.rText);
            const auto marks = c.OfKind(rtl::OpKind::Polygon);
            ASSERT_EQ(marks.size(), 1u);
            const std::vector<rtl::Point> want{r.o, r.slantMid, {r.slantMid.x, r.o.y}};
            EXPECT_EQ(marks[0]->points, want);
            EXPECT_EQ(marks[0]->brush.color, rtl::colors::Red);
        }
    }
}

TEST(PlaneCalculator, ValuesWithoutATriangleGiveABlankSketchAndNoError) {
    const struct {
        const char *x, *y;
        const char* r;  // shown after the press
    } rows[] = {
        {"0", "4", "4.0"},
        {"-3", "4", "5.0"},
        {"3", "-4", "5.0"},
        {"0", "0", "0.0"},
    };
    for (const auto& r : rows) {
        ErrorRecorder rec;
        TForm3 t;
        t.editR->setText("keep");
        t.editX->setText(r.x);
        t.editY->setText(r.y);
        t.BitBtn2->click();
        EXPECT_TRUE(rec.errors.isEmpty()) << r.x << "," << r.y;
        EXPECT_EQ(Text(t.editR), r.r) << r.x << "," << r.y;
        rtl::RecordingCanvas c(153, 105);
        t.DrawDiagram(c, 153, 105);
        EXPECT_EQ(c.Segments().size(), 0u) << r.x << "," << r.y;
        EXPECT_EQ(c.Count(rtl::OpKind::TextOut), 0u) << r.x << "," << r.y;
        EXPECT_EQ(c.Count(rtl::OpKind::FillRect), 1u) << r.x << "," << r.y;
        // The picture on screen is blank white as well.
        EXPECT_EQ(t.Image1->Picture().pixelColor(76, 60), QColor(Qt::white)) << r.x << "," << r.y;
    }
}

TEST(PlaneCalculator, ExtremeRatiosStayInsideThePicture) {
    const struct {
        const char *x, *y;
        rtl::Point o, p;
        const char* a;
    } rows[] = {
        // Run 0 pixels: s = 80 / 5, ox = 76 (76.5 to even).
        {"1e-300", "5", {76, 93}, {76, 13}, "90.0"},
        // Rise 0 pixels: s = 128 / 5, oy = 52 (52.5 to even).
        {"5", "1e-300", {12, 53}, {140, 53}, "0.0"},
        // Beyond single precision: 45 degrees, s = 80 / 1e300.
        {"1e300", "1e300", {36, 93}, {116, 13}, "45.0"},
        {"1e-300", "1e-300", {36, 93}, {116, 13}, "45.0"},
    };
    for (const auto& r : rows) {
        ErrorRecorder rec;
        TForm3 t;
        t.editX->setText(r.x);
        t.editY->setText(r.y);
        t.BitBtn2->click();
        EXPECT_TRUE(rec.errors.isEmpty()) << r.x << "," << r.y;
        EXPECT_EQ(Text(t.editA), r.a) << r.x << "," << r.y;
        rtl::RecordingCanvas c(153, 105);
        t.DrawDiagram(c, 153, 105);
        EXPECT_TRUE(c.HasSegment(r.o, r.p)) << r.x << "," << r.y;
        for (const rtl::CanvasOp& op : c.Ops())
            for (const rtl::Point& q : op.points) {
                EXPECT_TRUE(q.x >= 0 && q.x <= 153 && q.y >= -20 && q.y <= 105)
                    << r.x << "," << r.y << " " << rtl::OpKindName(op.kind);
            }
    }
}

namespace {

// The venue page's controls and fields of the three planes, plane 1 first.
struct PlaneControls {
    QLineEdit* lengths[3];
    QLineEdit* heights[3];
    QPushButton* buttons[3];
    double* fieldsL[3];
    double* fieldsH[3];
};
PlaneControls PlaneOf(TForm1& w) {
    return {{w.P1Length, w.P2Length, w.P3Length},
            {w.P1Height, w.P2Height, w.P3Height},
            {w.BitBtn6, w.BitBtn4, w.BitBtn5},
            {&w.FP1Length, &w.FP2Length, &w.FP3Length},
            {&w.FP1Height, &w.FP2Height, &w.FP3Height}};
}

}  // namespace

TEST(PlaneCalculator, MainWindowHandsOverAndTakesBackEachPlane) {
    const struct {
        int plane;
        bool metric;
        const char *length, *height;
        double wantLength, wantHeight;
    } rows[] = {
        {1, false, "196.9", "0", 60.01512, 0.0},
        {1, true, "60", "0", 60.0, 0.0},
        {2, true, "20", "4", 20.0, 4.0},
        {3, true, "13", "2.5", 13.0, 2.5},
        {3, false, "10", "5", 3.048, 1.524},
    };
    for (const auto& r : rows) {
        Window f;
        TForm1& w = *f.w;
        w.FMetric = r.metric ? 1 : 0;
        const PlaneControls p = PlaneOf(w);
        const int k = r.plane - 1;
        p.lengths[k]->setText(r.length);
        p.heights[k]->setText(r.height);
        const double otherBefore = *p.fieldsL[(k + 1) % 3];
        p.buttons[k]->click();
        EXPECT_TRUE(f.calc->isVisible()) << r.plane;
        EXPECT_EQ(f.calc->PlaneNumber, r.plane);
        f.calc->BitBtn3->click();
        EXPECT_FALSE(f.calc->isVisible()) << r.plane;
        EXPECT_NEAR(*p.fieldsL[k], r.wantLength, 1e-9) << r.plane;
        EXPECT_NEAR(*p.fieldsH[k], r.wantHeight, 1e-9) << r.plane;
        // The edit as the recalculation writes it: 1 decimal.
        EXPECT_EQ(Text(p.lengths[k]), QString::number(std::stod(r.length), 'f', 1).toStdString());
        EXPECT_EQ(*p.fieldsL[(k + 1) % 3], otherBefore) << r.plane;
        EXPECT_TRUE(f.errors.errors.isEmpty()) << f.errors.errors.join("\n").toStdString();
    }
}

// A load hands the open tool the loaded venue's plane: "Close and Update"
// never writes the earlier venue's numbers into the loaded one.
TEST(PlaneCalculator, ALoadHandsTheToolTheLoadedPlane) {
    const struct {
        int plane;
        double loadedLength, loadedHeight;  // as VenueDesign writes them
    } rows[] = {{1, 30.0, 0.0}, {3, 8.0, 3.0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.plane);
        Window f;
        TForm1& w = *f.w;
        const PlaneControls p = PlaneOf(w);
        const int k = r.plane - 1;
        p.lengths[k]->setText("50");
        p.heights[k]->setText("-10");
        p.buttons[k]->click();
        ASSERT_TRUE(f.calc->isVisible());
        const std::string file = f.user.Path("loaded.ven");
        WriteFile(file, VenueDesign("Arvo", 8, 0, 1));
        ScriptedOf(w)->QueueOpenFile(QString::fromStdString(file));
        w.LoadTButClick();
        ASSERT_EQ(w.FArrayType, "Arvo");
        EXPECT_EQ(f.calc->PlaneNumber, r.plane);
        EXPECT_EQ(Text(f.calc->editY), QString::number(r.loadedHeight, 'f', 1).toStdString());
        f.calc->BitBtn3->click();
        EXPECT_DOUBLE_EQ(*p.fieldsL[k], r.loadedLength);
        EXPECT_DOUBLE_EQ(*p.fieldsH[k], r.loadedHeight);
        EXPECT_FALSE(w.DesignModified());
        EXPECT_TRUE(f.errors.errors.isEmpty()) << f.errors.errors.join("\n").toStdString();
    }
}

TEST(PlaneCalculator, CloseBeforeAnyPlaneOnlyHides) {
    Window f;
    f.calc->show();
    f.calc->editX->setText("5");
    f.calc->BitBtn2->click();
    f.calc->BitBtn3->click();
    EXPECT_FALSE(f.calc->isVisible());
    EXPECT_EQ(f.w->FP1Length, 60.0);
    EXPECT_EQ(f.w->FP2Length, 20.0);
    EXPECT_EQ(f.w->FP3Length, 13.0);
}

// --- venue survey ---------------------------------------------------------------

namespace {

struct Planes {
    double p1l, p1h, p2l, p2h, p2e, p3l, p3h, p3e, p3d;
};

void Open(TSurveyForm& s, bool metric, const Planes& p) {
    s.Setup(metric, p.p1l, p.p1h, p.p2l, p.p2h, p.p2e, p.p3l, p.p3h, p.p3e, p.p3d);
}

Planes Results(const TSurveyForm& s) {
    Planes p{};
    s.GetResults(p.p1l, p.p1h, p.p2l, p.p2h, p.p2e, p.p3l, p.p3h, p.p3e, p.p3d);
    return p;
}

}  // namespace

TEST(VenueSurvey, ShownMeasurements) {
    const struct {
        const char* name;
        bool metric;
        Planes planes;
        std::vector<std::string> p1, p2, p3;  // texts; p2/p3: front diag, angle, rear diag, angle
        bool p2on, p3on;
    } rows[] = {
        {"plane 1 only", true, {60, 0, 0, 0, 0, 0, 0, 0, 80},
         {"60.0300", "-1.7180"}, {"", "", "", ""}, {"", "", "", ""}, false, false},
        {"imperial", false, {60, 0, 0, 0, 0, 0, 0, 0, 80},
         {"196.9000", "-1.7180"}, {"", "", "", ""}, {"", "", "", ""}, false, false},
        {"sloped plane 2", true, {60, 0, 20, 4.0, 0, 0, 0, 0, 80},
         {"60.0300", "-1.7180"}, {"60.0300", "-1.7180", "80.0300", "1.5750"}, {"", "", "", ""},
         true, false},
        // A flat plane 2 counts, as in the venue.
        {"flat plane 2", true, {60, 0, 20, 0, 0, 0, 0, 0, 80},
         {"60.0300", "-1.7180"}, {"60.0300", "-1.7180", "80.0200", "-1.2890"}, {"", "", "", ""},
         true, false},
        // Plane 3 counts only with a rise.
        {"flat plane 3", true, {60, 0, 0, 0, 0, 13, 0, 0, 80},
         {"60.0300", "-1.7180"}, {"", "", "", ""}, {"", "", "", ""}, false, false},
    };
    for (const auto& r : rows) {
        TSurveyForm s;
        Open(s, r.metric, r.planes);
        EXPECT_EQ(Text(s.P1DLRed), r.p1[0]) << r.name;
        EXPECT_EQ(Text(s.P1ARed), r.p1[1]) << r.name;
        EXPECT_EQ(s.P2enablechk->isChecked(), r.p2on) << r.name;
        EXPECT_EQ(s.P3enablechk->isChecked(), r.p3on) << r.name;
        const QLineEdit* p2[] = {s.P2DLFed, s.P2AFed, s.P2DLRed, s.P2ARed};
        const QLineEdit* p3[] = {s.P3DLFed, s.P3AFed, s.P3DLRed, s.P3ARed};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Text(p2[i]), r.p2[static_cast<std::size_t>(i)]) << r.name << " p2 " << i;
            EXPECT_EQ(Text(p3[i]), r.p3[static_cast<std::size_t>(i)]) << r.name << " p3 " << i;
        }
        EXPECT_EQ(Text(s.ded), r.metric ? "1.8000" : "5.9060") << r.name;
        EXPECT_EQ(Text(s.led), "0.0000") << r.name;
    }
}

TEST(VenueSurvey, EnablingAnAbsentPlaneFillsTheDefaults) {
    TSurveyForm s;
    Open(s, true, {60, 0, 0, 0, 0, 0, 0, 0, 80});
    s.P2enablechk->setChecked(true);
    s.P3enablechk->setChecked(true);
    const struct {
        QLineEdit* edit;
        const char* text;
    } rows[] = {
        {s.P2DLFed, "60.0300"}, {s.P2AFed, "-1.7180"}, {s.P2DLRed, "80.0300"}, {s.P2ARed, "1.5750"},
        {s.P3DLFed, "80.0300"}, {s.P3AFed, "1.6470"},  {s.P3DLRed, "93.2700"}, {s.P3ARed, "4.3660"},
    };
    for (const auto& r : rows) EXPECT_EQ(Text(r.edit), r.text) << r.edit->objectName().toStdString();
}

TEST(VenueSurvey, UpdateVenueComputesThePlanes) {
    // Hand-worked: cos/sin of the re-read -1.718 deg times 60.03, plus 1.8.
    const struct {
        const char* name;
        Planes in;
        std::function<void(TSurveyForm&)> edit;
        Planes want;
        double tol;
    } rows[] = {
        {"unchanged", {60, 0, 0, 0, 0, 0, 0, 0, 80}, [](TSurveyForm&) {},
         {60.00301597, 0.00028478, 0, 1.0, 0, 20, 0, 0, 80}, 1e-6},
        {"plane 2 from the defaults", {60, 0, 0, 0, 0, 0, 0, 0, 80},
         [](TSurveyForm& s) { s.P2enablechk->setChecked(true); },
         {60.00301597, 0.00028478, 19.99674894, 3.99937770, 0.00028478, 20, 0, 0, 80}, 1e-6},
        {"plane 3 unchecked keeps its distance", {60, 0, 20, 0, 0, 13, 4, 1, 77},
         [](TSurveyForm& s) { s.P3enablechk->setChecked(false); },
         {60.00301597, 0.00028478, 20.0, 0.0, 0.0, 20, 0, 0, 77}, 0.01},
        {"flat plane 2 stays", {60, 0, 20, 0, 0, 0, 0, 0, 80}, [](TSurveyForm&) {},
         {60.00301597, 0.00028478, 20.0, 0.0, 0.0, 20, 0, 0, 80}, 0.01},
        {"typed measurement", {60, 0, 0, 0, 0, 0, 0, 0, 80},
         [](TSurveyForm& s) {
             s.P1DLRed->setText("50");
             s.P1ARed->setText("0");
         },
         {50, 1.8, 0, 1.0, 0, 20, 0, 0, 80}, 1e-9},
        // The derived angle, not its rounded text: atan2(-1.8, 60).
        {"letters keep the value", {60, 0, 0, 0, 0, 0, 0, 0, 80},
         [](TSurveyForm& s) { s.P1ARed->setText("flat"); },
         {60.00300472, -0.00009013, 0, 1.0, 0, 20, 0, 0, 80}, 1e-6},
    };
    for (const auto& r : rows) {
        TSurveyForm s;
        Open(s, true, r.in);
        r.edit(s);
        s.UpdateBut->click();
        EXPECT_EQ(s.result(), 1) << r.name;
        const Planes got = Results(s);
        const double g[] = {got.p1l, got.p1h, got.p2l, got.p2h, got.p2e, got.p3l, got.p3h, got.p3e, got.p3d};
        const double w[] = {r.want.p1l, r.want.p1h, r.want.p2l, r.want.p2h, r.want.p2e,
                            r.want.p3l, r.want.p3h, r.want.p3e, r.want.p3d};
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(g[i], w[i], r.tol) << r.name << " value " << i;
    }
}

TEST(VenueSurvey, LeavingEditsReadsRestoresAndRederives) {
    TSurveyForm s;
    Open(s, false, {60, 0, 0, 0, 0, 0, 0, 0, 80});
    // Imperial: a typed 196.939 ft is 60.027 m.
    s.P1DLRed->setText("196.939");
    s.P1DLRedExit();
    EXPECT_NEAR(s.P1RearDiag, 60.0270072, 1e-9);
    EXPECT_EQ(Text(s.P1DLRed), "196.9000");
    // Letters in an angle edit bring the old angle back.
    s.P1ARed->setText("steep");
    s.P1ARedExit();
    EXPECT_EQ(Text(s.P1ARed), "-1.7180");
    s.P1ARed->setText("");
    s.P1ARedExit();
    EXPECT_EQ(Text(s.P1ARed), "-1.7180");

    // A new reference height re-derives every measurement from the planes.
    TSurveyForm m;
    Open(m, true, {60, 0, 0, 0, 0, 0, 0, 0, 80});
    m.P1DLRed->setText("70");
    m.ded->setText("2.0");
    m.dedExit();
    EXPECT_EQ(m.RefHeight, 2.0);
    EXPECT_EQ(Text(m.P1DLRed), "60.0300");  // 60.0333
    EXPECT_EQ(Text(m.P1ARed), "-1.9090");   // -1.90915
    // Setup brings the reference point back.
    Open(m, true, {60, 0, 0, 0, 0, 0, 0, 0, 80});
    EXPECT_EQ(m.RefHeight, 1.8);
    EXPECT_EQ(Text(m.P1ARed), "-1.7180");
}

TEST(VenueSurvey, MainWindowTakesResultsOnlyOnUpdate) {
    const struct {
        const char* button;
        double p1l, p2l, p3l;
    } rows[] = {
        {"UpdateBut", 60.00301597, 19.9, 20.0},  // p2l: at least (flat plane 2 kept)
        {"Cancelbut", 60.0, 20.0, 13.0},
    };
    for (const auto& r : rows) {
        Window f;
        TForm1& w = *f.w;
        w.FP2Height = 0.0;  // a flat plane 2 must survive the survey
        auto* button = f.survey->findChild<QPushButton*>(QString::fromLatin1(r.button));
        ASSERT_TRUE(AnswerModal(*f.survey, [&] { button->click(); }, [&] { w.BitBtn8->click(); }))
            << r.button;
        EXPECT_NEAR(w.FP1Length, r.p1l, 1e-6) << r.button;
        EXPECT_GE(w.FP2Length, r.p2l) << r.button;
        EXPECT_LT(w.FP2Length, 20.1) << r.button;
        EXPECT_NEAR(w.FP3Length, r.p3l, 1e-9) << r.button;
        // The edit as the recalculation writes it: 1 decimal.
        EXPECT_EQ(Text(w.P1Length), "60.0") << r.button;
        EXPECT_TRUE(f.errors.errors.isEmpty()) << f.errors.errors.join("\n").toStdString();
    }
}

// A value the venue page refuses when typed is refused when a plane tool
// hands it over, with the same message and the value named as the page
// names it; the design and every shown value stay as they were.
TEST(PlaneTools, ValuesTheVenuePageRefusesAreRefusedFromEitherTool) {
    const auto polar = [](Window& f, QPushButton* TForm1::*open, std::function<void(TForm3&)> set) {
        (f.w.get()->*open)->click();
        set(*f.calc);
        f.calc->BitBtn3->click();
    };
    const auto survey = [](Window& f, std::vector<std::pair<QLineEdit* TSurveyForm::*, const char*>> typed) {
        EXPECT_TRUE(AnswerModal(*f.survey, [&] {
            for (const auto& [edit, text] : typed) (f.survey.get()->*edit)->setText(text);
            f.survey->UpdateBut->click();
        }, [&] { f.w->BitBtn8->click(); }));
    };
    const double nan = std::nan(""), inf = HUGE_VAL;
    const struct {
        const char* what;
        std::function<void(Window&)> act;
        const char* error;
    } cases[] = {
        {"polar: R 1e308, A 45", [&](Window& f) { polar(f, &TForm1::BitBtn6, [](TForm3& c) {
             c.editR->setText("1e308"), c.editA->setText("45"), c.BitBtn1->click(); }); },
         "Range check error (Plane 1 length)"},
        {"polar: an X that is no number", [&](Window& f) { polar(f, &TForm1::BitBtn6, [&](TForm3& c) { c.PointX = nan; }); },
         "Range check error (Plane 1 length)"},
        {"polar: an infinite Y", [&](Window& f) { polar(f, &TForm1::BitBtn4, [&](TForm3& c) { c.PointY = inf; }); },
         "Range check error (Plane 2 height)"},
        {"polar: GET X - Y of an angle past all sines", [&](Window& f) { polar(f, &TForm1::BitBtn5, [](TForm3& c) {
             c.editR->setText("10"), c.editA->setText("1e308"), c.BitBtn1->click(); }); },
         "R 10 and A 1e308 give no finite X and Y"},
        {"survey: a diagonal of 1e308", [&](Window& f) { survey(f, {{&TSurveyForm::P1DLRed, "1e308"}}); },
         "Range check error (Plane 1 length)"},
        {"survey: offset and diagonal of 1e308, an infinite length",
         [&](Window& f) { survey(f, {{&TSurveyForm::P1DLRed, "1e308"}, {&TSurveyForm::led, "1e308"}}); },
         "Range check error (Plane 1 length)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Window f;
        f.w->DesignTBut->click();
        const auto shown = [&] {
            std::string s = VenueFileText(*f.w->FVenue, "x.ven");
            for (const QLineEdit* e : f.w->VenueTab->findChildren<QLineEdit*>()) s += Text(e) + "|";
            return s;
        };
        const std::string before = shown();
        c.act(f);
        EXPECT_EQ(f.errors.errors.join("|").toStdString(), c.error);
        EXPECT_EQ(shown(), before);
    }
    // The same value typed on the venue page before a design: the same
    // message, with the same name.
    Window typed;
    typed.w->P1Length->setText("1e308");
    typed.w->DesignTBut->click();
    EXPECT_EQ(typed.errors.errors.join("|").toStdString(), "Range check error (Plane 1 length)");
}
