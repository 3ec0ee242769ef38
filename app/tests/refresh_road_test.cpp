// The refresh road: safety lamp, rigging results, warnings window, load and
// lift-bar labels and the readouts.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>

#include <memory>

#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "riglink/mechdll5.h"
#include "app/mechwarnform.h"
#include "venue/model/venue.h"
#include "platform/qtapp/picturebox.h"
#include "app/tests/test_support.h"

namespace {

struct ReadoutState {
    uint8_t level = 0;
    TArrayRigResults results;
    double mass = 0, front = 0, rear = 0;
    int hole = -1;
    double liftBarAngle = 0, topOffset = 0, bottom = 0;
    uint8_t typeCode = 0;
    int rigResultReads = 0;
};

class FakeReadout : public TRigReadout {
public:
    explicit FakeReadout(std::shared_ptr<ReadoutState> s) : s_(std::move(s)) {}
    uint8_t SafetyLevel() override { return s_->level; }
    TArrayRigResults RigResults() override {
        ++s_->rigResultReads;
        return s_->results;
    }
    double Mass() override { return s_->mass; }
    double FrontPickLoad() override { return s_->front; }
    double RearPickLoad() override { return s_->rear; }
    int BestHole() override { return s_->hole; }
    double LiftBarAngle() override { return s_->liftBarAngle; }
    double TopAngleOffset() override { return s_->topOffset; }
    uint8_t TypeCode() override { return s_->typeCode; }
    double BottomAngle() override { return s_->bottom; }

private:
    std::shared_ptr<ReadoutState> s_;
};

// Eight distinct figures: loads in the hundreds, safety factors small.
TArrayRigResults Distinct() {
    TArrayRigResults r;
    r.FrontPickLoad = 101;
    r.RearPickLoad = 202;
    r.TopFrontSafety = 3.1;
    r.TopRearSafety = 4.2;
    r.WeakFrontForce = 303;
    r.WeakRearForce = 404;
    r.WeakFrontSafety = 5.3;
    r.WeakRearSafety = 6.4;
    return r;
}

struct Fixture {
    ErrorRecorder rec;
    ScratchDir user, program;
    std::unique_ptr<TForm1> w;
    std::unique_ptr<Tmechwarn> warn;
    std::shared_ptr<ReadoutState> s = std::make_shared<ReadoutState>();

    Fixture() {
        w = std::make_unique<TForm1>(TestEnv(user, program));
        warn = std::make_unique<Tmechwarn>();
        w->SetWarningsWindow(warn.get());
        w->SetRigReadout(std::make_unique<FakeReadout>(s));
        w->FNoDesign = 0;
    }
    QColor Lamp() const { return w->Image8->PixelColor(); }
    // Shows a rig of the given safety level with the eight distinct figures.
    void ShowDistinct(uint8_t level) {
        s->level = level;
        s->results = Distinct();
        w->ShowRiggingLoads();
    }
};

}  // namespace

TEST(RefreshRoad, UnsafeRigFillsResultsByMeaningAndShowsTheWarnings) {
    Fixture f;
    f.ShowDistinct(2);
    EXPECT_EQ(f.Lamp(), QColor(255, 0, 0));
    const double expected[8] = {101, 202, 3.1, 4.2, 303, 404, 5.3, 6.4};
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(f.w->FRigResults[i], expected[i]) << i;
    // Loads go to load controls, safety factors to factor controls.
    const std::pair<QLabel*, const char*> shown[] = {
        {f.warn->GFPPlab, "101.00 kg"}, {f.warn->GRPPlab, "202.00 kg"}, {f.warn->CFPPlab, "303.00 kg"},
        {f.warn->CRPPlab, "404.00 kg"}, {f.warn->SFGFPPlab, "3.10"},     {f.warn->SFGRPPlab, "4.20"},
        {f.warn->SFCFPPlab, "5.30"},    {f.warn->SFCRPPlab, "6.40"}};
    for (const auto& [label, text] : shown) EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
    EXPECT_TRUE(f.warn->isVisible());
    EXPECT_TRUE(f.rec.errors.isEmpty());
}

TEST(RefreshRoad, UnknownLevelCountsAsUnsafe) {
    Fixture f;
    f.ShowDistinct(7);
    EXPECT_EQ(f.Lamp(), QColor(255, 0, 0));
    EXPECT_TRUE(f.warn->isVisible());
    EXPECT_EQ(f.w->FRigResults[1], 202.0);
}

TEST(RefreshRoad, CautionWithWarningsOffKeepsTheOldResults) {
    Fixture f;
    f.s->level = 1;
    f.s->results = Distinct();
    f.w->FShowWarnings = 0;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.Lamp(), QColor(255, 255, 0));
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(f.w->FRigResults[i], 0.0) << i;
    EXPECT_FALSE(f.warn->isVisible());
    EXPECT_EQ(f.s->rigResultReads, 0);

    f.w->FShowWarnings = 1;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->FRigResults[5], 404.0);
    EXPECT_TRUE(f.warn->isVisible());
}

TEST(RefreshRoad, SafeRigClosesTheWarningsAndKeepsResults) {
    Fixture f;
    f.ShowDistinct(2);
    ASSERT_TRUE(f.warn->isVisible());
    f.s->level = 0;
    f.s->results = TArrayRigResults{};
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.Lamp(), QColor(0, 128, 0));
    EXPECT_FALSE(f.warn->isVisible());
    EXPECT_EQ(f.w->FRigResults[0], 101.0);
}

TEST(RefreshRoad, LoadLabelsInKilogramsOrPounds) {
    Fixture f;
    f.s->mass = 1000;
    f.s->front = 612.44;
    f.s->rear = 12345;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->MTOTlab->text(), "1000 kg");
    EXPECT_EQ(f.w->FFlab->text(), "612 kg");
    EXPECT_EQ(f.w->FRlab->text(), "1.235E4 kg");
    f.w->FMetric = 0;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->MTOTlab->text(), "2200 lb");
    EXPECT_EQ(f.w->FFlab->text(), "1347 lb");  // 1347.368
    // The load labels carry no decimals (the warnings window has two).
    f.s->rear = 100;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->FRlab->text(), "220 lb");
}

TEST(RefreshRoad, LiftBarLabels) {
    Fixture f;
    f.s->hole = -1;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->bestholelab->text(), "NA");
    EXPECT_EQ(f.w->bestanglab->text(), "");

    f.s->hole = 7;
    f.s->liftBarAngle = 2.346;
    f.s->topOffset = 3.75;
    f.s->typeCode = 0;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->bestholelab->text(), "7");
    EXPECT_EQ(f.w->bestanglab->text(), "-2.35");  // three significant digits
    f.s->typeCode = 12;  // the Elka array: less its cabinet's top angle offset
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->bestanglab->text(), "-6.1");  // -2.346 - 3.75 = -6.096
    f.s->hole = 0;
    f.w->ShowRiggingLoads();
    EXPECT_EQ(f.w->bestholelab->text(), "0");
}

TEST(RefreshRoad, NothingOfTheRigBeforeTheFirstDesign) {
    Fixture f;
    f.w->FNoDesign = 1;
    f.s->level = 2;
    f.s->results = Distinct();
    f.w->MTOTlab->setText("untouched");
    f.w->Recalculate();
    EXPECT_EQ(f.w->MTOTlab->text(), "untouched");
    EXPECT_FALSE(f.warn->isVisible());
    EXPECT_EQ(f.w->FRigResults[0], 0.0);
    EXPECT_FALSE(f.w->image1->Picture().isNull());
    f.w->RedrawWithAngles();
    EXPECT_EQ(f.w->MTOTlab->text(), "untouched");
    EXPECT_EQ(f.w->Label5->text(), "");
}

TEST(RefreshRoad, ReadoutsInMetresOrFeet) {
    Fixture f;
    f.s->bottom = -12.32;
    f.w->FArrayHeight = 3.048;
    f.w->RedrawWithAngles();
    EXPECT_EQ(f.w->Label77->text(), "Angle bottom of last box with Hor -12.3 deg");
    EXPECT_EQ(f.w->Label5->text(), "Height of top Cab front edge (Y) = 3.0 m");
    f.w->FMetric = 0;
    f.w->RedrawWithAngles();
    EXPECT_EQ(f.w->Label5->text(), "Height of top Cab front edge (Y) = 10.0 ft");
    EXPECT_EQ(f.w->Label77->text(), "Angle bottom of last box with Hor -12.3 deg");
    EXPECT_TRUE(f.w->Label4->text().startsWith("Highest point on grid (X) = "));
    EXPECT_TRUE(f.w->Label4->text().endsWith(" ft"));
    EXPECT_TRUE(f.w->Label6->text().startsWith("Height bottom Cab front edge (Z) = "));
}

TEST(RefreshRoad, WarningsWindowIsPlacedOverThePicture) {
    Fixture f;
    // On show, as the warnings window's owner always is when it comes up.
    f.w->show();
    f.w->move(100, 50);
    f.w->resize(1000, 700);
    f.w->ScreenResizeExecute(f.w.get());
    f.s->level = 2;
    f.w->ShowRiggingLoads();
    const int left = f.w->x() + (f.w->image1->width() - f.warn->width()) / 2;
    const int top = f.w->y() + f.w->PagesToolBar->height() + 30 +
                    (f.w->image1->height() - f.warn->height()) / 2;
    EXPECT_EQ(f.warn->pos(), QPoint(left, top));
}

// --- the array's own report ---------------------------------------------------------

TEST(RefreshRoad, ArrayReportIsTakenByName) {
    TRigResults a;
    a.FrontPickLoad = 1001;
    a.TopFrontSafety = 1.1;
    a.RearPickLoad = 1002;
    a.TopRearSafety = 2.2;
    a.WeakFrontForce = 1003;
    a.WeakFrontSafety = 3.3;
    a.WeakRearForce = 1004;
    a.WeakRearSafety = 4.4;
    const TArrayRigResults r = RigResultsByName(a);
    const std::array<double, 8> order = RigResultsInWindowOrder(r);
    EXPECT_EQ(order, (std::array<double, 8>{1001, 1002, 1.1, 2.2, 1003, 1004, 3.3, 4.4}));
}

TEST(RefreshRoad, RealArrayReadoutReadsTheVenuesCurrentArray) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    // A new array of another type replaces the old one: the readout follows.
    auto array = std::make_unique<TElkaArray>();
    array->LiftBarBestHole = 4;
    w.FVenue->LSArray = std::move(array);
    EXPECT_EQ(w.RigReadout().BestHole(), 4);
    EXPECT_EQ(w.RigReadout().TypeCode(), 12);
}

TEST(RefreshRoad, ElkaLiftBarAngleIsReducedByItsCabinetsOffset) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    w.FNoDesign = 0;
    // The mini downfill cabinet's offset is 10 degrees, the mini cabinet's
    // 3.75; only the Elka array's lift-bar angle is reduced by it.
    struct {
        std::unique_ptr<TLoudspeakerArray> array;
        double offset;
        const char* angle;
    } cases[] = {{std::make_unique<TElkaArray>(), 10.0, "-12"},  // -2 - 10
                 {std::make_unique<TDoviArray>(), 3.75, "-2"}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.angle);
        c.array->LiftBarBestHole = 4;
        c.array->LiftBarGridAngle = 2.0;
        w.FVenue->LSArray = std::move(c.array);
        EXPECT_EQ(w.RigReadout().TopAngleOffset(), c.offset);
        w.ShowRiggingLoads();
        EXPECT_EQ(w.bestholelab->text(), "4");
        EXPECT_EQ(w.bestanglab->text(), c.angle);
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

TEST(RefreshRoad, RecalculateCopiesTheWholePictureOntoThePaintBox) {
    Fixture f;
    f.w->resize(900, 700);
    f.w->ScreenResizeExecute(f.w.get());
    f.w->FVenueName = "Hall A";
    f.w->Recalculate();
    EXPECT_EQ(f.w->image1->Picture(), f.w->FVenueImage->Image());
    EXPECT_EQ(f.w->image1->Picture().size(), f.w->image1->size());
    EXPECT_EQ(f.w->FVenue->VenueName, "Hall A");
}

TEST(RefreshRoad, EveryPagePaintsWithTheRealArray) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    Tmechwarn warn;
    w.SetWarningsWindow(&warn);
    w.FNoDesign = 0;
    w.resize(1000, 750);
    for (int page : {1, 2, 3, 4, 0}) {
        w.PageControl1->setCurrentIndex(page);
        w.Recalculate();
    }
    w.RedrawWithAngles();
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
    // The lamp shows one of the three grades and the labels carry units.
    const QColor lamp = w.Image8->PixelColor();
    EXPECT_TRUE(lamp == QColor(255, 0, 0) || lamp == QColor(255, 255, 0) ||
                lamp == QColor(0, 128, 0));
    EXPECT_TRUE(w.MTOTlab->text().endsWith(" kg")) << w.MTOTlab->text().toStdString();
    EXPECT_TRUE(w.Label6->text().endsWith(" m"));
}
