// The printed mechanical report on a recording canvas (96 dpi: 10 points is
// 13 pixels high, 8 points 11; a text is 0.6 * height per character wide).
// Box at (50, 40), 640 x 200: text column 50 + 640 div 32 = 70; line pitch
// Round(13 * 1.05) = 14; first line 40 + 26 - Round(19.5) = 46; values at
// 70 + width of the 35-character column text at 8 points, Round(231) = 231.

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>
#include <vector>

#include "model/arrays/lsarray.h"
#include "platform/core/recording_canvas.h"
#include "model/drawings/mechanical_report.h"
#include "riglink/mechdll5.h"

namespace {

using rtl::CanvasOp;
using rtl::OpKind;
using rtl::Point;
namespace colors = rtl::colors;

constexpr int kLeft = 50, kTop = 40, kWidth = 640, kHeight = 200;
constexpr int kX0 = 70, kY0 = 46, kPitch = 14, kValueX = 70 + 231;

// The library's worked examples: one full-size cabinet (mass 127, centre of
// gravity x -0.352, safety level 0), and the compact grid with three compact
// cabinets at 0, -3, -5 degrees and target -2 (mass 219).
void OneCabinet() {
    mechInit();
    TMechElemSpec e[30] = {};
    e[0].TypeCode = 0;
    mechSetArrayElems(e, 1, 0.0, 0);
    mechCalculate();
}
void GridAndThreeCompacts() {
    mechInit();
    TMechElemSpec e[30] = {};
    e[0].TypeCode = 7;
    e[1].TypeCode = 4;
    e[2].TypeCode = 4;
    e[2].Angle = -3;
    e[3].TypeCode = 4;
    e[3].Angle = -5;
    mechSetArrayElems(e, 4, -2.0, 0);
    mechCalculate();
}

// The text written at line k's label or value position, or "" when none.
std::string TextAt(const rtl::RecordingCanvas& c, int k, bool value) {
    const Point p{value ? kValueX : kX0, kY0 + k * kPitch};
    for (const CanvasOp* op : c.OfKind(OpKind::TextOut))
        if (op->points[0] == p) return op->text;
    return "";
}

class StackedSpy : public TArvoArray {
public:
    std::function<uint8_t()> tipping;
    uint8_t GroundStackSafetyLevel() override { return tipping(); }
};

// One full-size cabinet under its grid, evaluated: the library holds grid
// (95 kg, centre of gravity x -0.5024) and cabinet (127 kg, x -0.352), so
// the mass is 222 kg and the centre of gravity x = -92.432 / 222 = -0.41636 m;
// every safety factor is far above 7 and both pick loads are positive.
struct Fixture {
    TSplay splay;
    TArvoArray a;
    rtl::RecordingCanvas c{800, 600};

    Fixture() {
        a.SetUp(splay, 1, 0, 0, 10.0, 0.0);
        a.CalcMechanics();
        a.Grid->PickMode = TGrid::PickFrontRear;
        a.Grid->FrontPickLoad = 63.572;
        a.Grid->RearPickLoad = 63.428;
        a.LastBoxFaceAngle = 12.5;
    }
    void Print(bool metric = true) {
        c.Clear();
        PrintArrayMechanicalReport(a, c, kLeft, kTop, kWidth, kHeight, 0, metric);
    }
    std::string At(int k, bool value) const { return TextAt(c, k, value); }
};

TEST(MechanicalReport, FrameHeadingAndMetricLines) {
    Fixture f;
    f.Print();
    const auto& ops = f.c.Ops();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, OpKind::FillRect);
    EXPECT_EQ(ops[0].rect, (rtl::Rect{50, 40, 690, 240}));
    EXPECT_EQ(ops[0].brush.color, colors::White);
    EXPECT_EQ(ops[1].kind, OpKind::Polyline);
    EXPECT_EQ(ops[1].points, (std::vector<Point>{{50, 40}, {690, 40}, {690, 240}, {50, 240}, {50, 40}}));
    EXPECT_EQ(ops[1].pen.color, colors::Black);

    const CanvasOp* head = f.c.FindText("Mechanical :");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->points[0], (Point{70, 46}));
    EXPECT_TRUE(head->font.bold);
    EXPECT_EQ(head->font.name, "Arial");
    EXPECT_EQ(head->fontSize, 10);
    // The verdict follows "Mechanical   " (13 characters at 13 pixels: 101).
    const CanvasOp* safe = f.c.FindText(" SAFE ");
    ASSERT_NE(safe, nullptr);
    EXPECT_EQ(safe->points[0], (Point{171, 46}));
    EXPECT_EQ(safe->brush.color, colors::Green);
    EXPECT_TRUE(safe->font.bold);

    // Lines 1 to 7, label and value; 5 and 6 belong to the lift bar.
    const char* const lines[7][2] = {
        {"Angle last box face with Hor", " = 12.5 deg"},
        {"Load on Front Pick Point ", " = 63.57 kg"},
        {"Load on Rear Pick Point ", " = 63.43 kg"},
        {"C.O.G. re. top front corner box 1 ", " = -0.4164 m"},
        {"", ""},
        {"", ""},
        {"Total mass of Array ", " = 222 kg"},
    };
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(f.At(k, false), lines[k - 1][0]) << k;
        EXPECT_EQ(f.At(k, true), lines[k - 1][1]) << k;
    }

    const CanvasOp* label = f.c.FindText("Total mass of Array ");
    const CanvasOp* value = f.c.FindText(" = 222 kg");
    EXPECT_FALSE(label->font.bold);
    EXPECT_TRUE(value->font.bold);
    EXPECT_EQ(label->fontSize, 8);
    EXPECT_EQ(value->brush.color, colors::White);

    // Left as Arial 8 regular in black, white brush, black pen.
    EXPECT_EQ(f.c.FontSize(), 8);
    EXPECT_FALSE(f.c.GetFont().bold);
    EXPECT_EQ(f.c.GetFont().name, "Arial");
    EXPECT_EQ(f.c.GetFont().color, colors::Black);
    EXPECT_EQ(f.c.GetBrush().color, colors::White);
    EXPECT_EQ(f.c.GetPen().color, colors::Black);
}

TEST(MechanicalReport, ImperialUnits) {
    Fixture f;
    f.a.Grid->FrontPickLoad = 100;
    f.a.Grid->RearPickLoad = 50;
    f.Print(false);
    EXPECT_EQ(f.At(1, true), " = 12.5 deg");  // angles stay
    EXPECT_EQ(f.At(2, true), " = 220 lb");
    EXPECT_EQ(f.At(3, true), " = 110 lb");
    EXPECT_EQ(f.At(4, true), " = -1.366 ft");  // -0.41636 / 0.3048 = -1.36601
    EXPECT_EQ(f.At(7, true), " = 488.4 lb");   // 222 * 2.2
}

TEST(MechanicalReport, PickModesAndLiftBarLines) {
    Fixture f;
    f.a.LiftBarBestHole = 7;
    f.a.LiftBarGridAngle = -3.25;

    f.a.Grid->PickMode = TGrid::PickLiftBarOnePoint;
    f.Print();
    EXPECT_EQ(f.At(2, true), " = NA kg");
    EXPECT_EQ(f.At(3, true), " = NA kg");
    EXPECT_EQ(f.At(5, false), "Nearest Hole in lift bar ");
    EXPECT_EQ(f.At(5, true), " = 7");
    EXPECT_EQ(f.At(6, false), "Actual angle of grid ");
    EXPECT_EQ(f.At(6, true), " = 3.25 Deg");  // as the grid hangs: the rig's -3.25 negated
    EXPECT_EQ(f.At(7, true), " = 222 kg");
    f.Print(false);
    EXPECT_EQ(f.At(2, true), " = NA lb");

    // No hole within reach: no hole to look for and no angle.
    f.a.LiftBarBestHole = -1;
    f.Print();
    EXPECT_EQ(f.At(5, true), " = NA");
    EXPECT_EQ(f.At(6, false), "Actual angle of grid ");
    EXPECT_EQ(f.At(6, true), "");

    for (int mode : {TGrid::PickFrontRear, TGrid::PickLiftBarTwoPoint}) {
        f.a.Grid->PickMode = mode;
        f.Print();
        EXPECT_EQ(f.At(2, true), " = 63.57 kg") << mode;
        EXPECT_EQ(f.At(5, false), "") << mode;
        EXPECT_EQ(f.At(6, false), "") << mode;
        EXPECT_EQ(f.At(7, true), " = 222 kg") << mode;
    }
    for (int mode : {TGrid::PickMiddleRear, TGrid::PickGroundStacked}) {
        f.a.Grid->PickMode = mode;
        f.Print();
        EXPECT_EQ(f.At(2, true), " = NA kg") << mode;
        EXPECT_EQ(f.At(3, true), " = NA kg") << mode;
        EXPECT_EQ(f.At(5, false), "") << mode;
    }
}

TEST(MechanicalReport, AGroundStackHasNoPickLoads) {
    // The full-size grid stores no pick mode: stacked, it still reads front
    // and rear, yet the stack hangs from nothing.
    StackedSpy a;
    a.tipping = [] { return uint8_t{0}; };
    TSplay splay;
    a.SetRigMode(TLoudspeakerArray::GroundStacked);
    a.SetUp(splay, 2, 0, 0, 10.0, 0.0);
    a.Grid->SetRigMode(TGrid::PickGroundStacked, 0);
    ASSERT_EQ(a.Grid->PickMode, TGrid::PickFrontRear);
    rtl::RecordingCanvas c{800, 600};
    PrintArrayMechanicalReport(a, c, kLeft, kTop, kWidth, kHeight, 0, true);
    EXPECT_EQ(TextAt(c, 2, true), " = NA kg");
    EXPECT_EQ(TextAt(c, 3, true), " = NA kg");
}

TEST(MechanicalReport, NumberFormat) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {12345, "1.235E4"}, {20000, "2E4"},   {1234.5, "1235"},  {9999.5, "1E4"},
        {0, "0"},           {-0.0, "0"},      {-0.5, "-0.5"},    {0.00009, "9E-5"},
        {0.0001, "0.0001"}, {1.5, "1.5"},     {-12345, "-1.235E4"}, {99999, "1E5"},
        {0.012345, "0.01235"}, {9999, "9999"}, {3.0, "3"},
    };
    Fixture f;
    for (const auto& t : cases) {
        EXPECT_EQ(MechanicalReportNumber(t.v), t.text) << t.v;
        f.a.LastBoxFaceAngle = t.v;
        f.Print();
        EXPECT_EQ(f.At(1, true), std::string(" = ") + t.text + " deg") << t.v;
    }
}

TEST(MechanicalReport, DecimalPointWhateverTheLocale) {
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"};
    const char* set = nullptr;
    for (const char* n : names)
        if ((set = std::setlocale(LC_ALL, n)) != nullptr) break;
    if (set == nullptr) GTEST_SKIP() << "no locale with a decimal comma installed";
    Fixture f;
    f.a.LastBoxFaceAngle = -0.5;
    f.Print();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(f.At(1, true), " = -0.5 deg");
    EXPECT_EQ(f.At(4, true), " = -0.4164 m");
}

TEST(MechanicalReport, VerdictWords) {
    const struct {
        uint8_t level;
        const char* word;
        rtl::Color colour;
    } cases[] = {
        {0, " SAFE ", colors::Green},
        {1, " CAUTION ", colors::Yellow},
        {2, " UNSAFE ", colors::Red},
        {3, " UNSAFE ", colors::Red},  // no level is better than unsafe
    };
    for (const auto& t : cases) {
        OneCabinet();
        StackedSpy a;
        a.SetRigMode(2);
        a.tipping = [&t] { return t.level; };
        rtl::RecordingCanvas c(800, 600);
        PrintArrayMechanicalReport(a, c, kLeft, kTop, kWidth, kHeight, 0, true);
        const CanvasOp* w = c.FindText(t.word);
        ASSERT_NE(w, nullptr) << int(t.level);
        EXPECT_EQ(w->brush.color, t.colour);
        EXPECT_EQ(w->points[0], (Point{171, 46}));
        // The rest of the box stays white.
        EXPECT_EQ(c.FindText("Total mass of Array ")->brush.color, colors::White);
    }
}

TEST(MechanicalReport, VerdictIsAskedBeforeTheFigures) {
    GridAndThreeCompacts();  // mass 219
    StackedSpy a;
    a.SetRigMode(2);
    a.Grid->PickMode = TGrid::PickGroundStacked;
    // The tipping check re-evaluates the stack: the figures come from that run
    // (the library's model and the array's total it writes).
    a.tipping = [&a] {
        OneCabinet();
        a.TotalMass = 127.0;
        return uint8_t{0};
    };
    rtl::RecordingCanvas c(800, 600);
    PrintArrayMechanicalReport(a, c, kLeft, kTop, kWidth, kHeight, 0, true);
    EXPECT_NE(c.FindText(" = 127 kg"), nullptr);
    EXPECT_NE(c.FindText(" = -0.352 m"), nullptr);
}

TEST(MechanicalReport, FlownVerdictFromTheLibrary) {
    // Twelve compact cabinets under the compact grid, each splayed 10 degrees
    // from the one above: the column curls back behind the rear pick point,
    // the front pick load turns negative and the rig is unsafe.  Mass 45 +
    // 12 * 58 = 741 kg.
    TSplay s;
    for (int i = 1; i < 12; ++i) s.Angle[i] = 10.0;
    TBexaArray a;
    a.Grid->SetRigMode(TGrid::PickFrontRear, TGrid::SideRear);
    a.SetUp(s, 12, 0, 0, 12.0, 0.0);
    a.CalcMechanics();
    rtl::RecordingCanvas c(800, 600);
    PrintArrayMechanicalReport(a, c, kLeft, kTop, kWidth, kHeight, 0, true);
    EXPECT_NE(c.FindText(" UNSAFE "), nullptr);
    EXPECT_NE(c.FindText(" = 741 kg"), nullptr);
    const std::string front = TextAt(c, 2, true);
    EXPECT_EQ(front.rfind(" = -", 0), 0u) << front;
}

}  // namespace

// A stacked Dovi's base plate (40 kg) is not in the library's element list:
// the printed total is the library's mass with the plate, the figure the
// window shows, on paper as on screen.
TEST(MechanicalReport, StackedTotalMassCountsTheBasePlate) {
    TSplay splay;
    TDoviArray a;
    a.SetRigMode(2);
    a.SetUp(splay, 6, 0, 0, 0.0, 0.0);
    a.CalcMechanics();
    const double library = a.RigLibrary->Mass();
    ASSERT_GT(library, 0.0);
    rtl::RecordingCanvas c{800, 600};
    PrintArrayMechanicalReport(a, c, kLeft, kTop, kWidth, kHeight, 0, true);
    EXPECT_EQ(TextAt(c, 7, true), " = " + MechanicalReportNumber(library + 40.0) + " kg");
}
