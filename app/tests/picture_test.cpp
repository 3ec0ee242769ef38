// The main picture: the layout per page, painting that only copies, and the
// editing of the array with the mouse, the arrow keys and the first grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/hardware/groundstackbar.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"
#include "platform/qtapp/picturebox.h"
#include "app/tests/test_support.h"

namespace {

struct Window {
    ScratchDir user, program;
    ErrorRecorder rec;
    std::unique_ptr<TForm1> w;
    Window() {
        InitAllowedAngles();
        w = std::make_unique<TForm1>(TestEnv(user, program));
        w->resize(1000, 700);
        w->FNoDesign = 0;
        w->FormPaint(w.get());
    }
    TForm1& operator*() { return *w; }
    TForm1* operator->() { return w.get(); }
};

// Every control's place, size and visibility, to tell whether anything
// changed.  The window's controls are the named ones (Qt's own parts of a
// control are polished by the first grab of a hidden page).
std::vector<std::string> WidgetStates(TForm1& w) {
    std::vector<std::string> states;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
        const QRect g = c->geometry();
        states.push_back(std::string(c->metaObject()->className()) + "/" +
                         c->objectName().toStdString() + " " + std::to_string(g.x()) + "," +
                         std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" +
                         std::to_string(g.height()) + (c->isVisible() ? " shown" : " hidden"));
    }
    return states;
}

TEST(Picture, HoverHitsAMarkFromTwoPixelsButNotFromThree) {
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 0;
    for (int k : {1, 2, 3, 4}) w.FViewFlags[k] = 1;  // planes, array, coverage, rays
    w.Image1MouseMove(Qt::NoButton, 0, 0);  // marks written by the last drawing
    const rtl::Point a = w.FHotPointA, b = w.FHotPointB, c = w.FHotPointC, cab = w.FHotPoints[3];
    const struct {
        rtl::Point mark;
        int dx, dy;
        const char* status;  // nullptr: nothing hit, the status stays
        int selected;
    } cases[] = {
        {a, 2, 0, "Cov start selected", -1},
        {a, -2, 2, "Cov start selected", -1},
        {a, 3, 0, nullptr, -1},
        {a, 0, -3, nullptr, -1},
        {b, 0, 2, "Cov Stop Selected", -1},
        {b, 3, 3, nullptr, -1},
        {c, 2, -2, "Array Height Selected", -1},
        {cab, 2, 1, "CABINET 4 selected - First position cursor in top half of screen then use "
                    "left and right mouse buttons to increase/decrease splay angles", 3},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.mark.x << "," << k.mark.y << " +" << k.dx << "," << k.dy);
        // No cabinet selected before: a selected cabinet's mark is drawn
        // where the pointer is, so it would answer every move.
        w.FStatusText = "before";
        w.FSelElement = -1;
        w.Image1MouseMove(Qt::NoButton, k.mark.x + k.dx, k.mark.y + k.dy);
        EXPECT_EQ(w.FStatusText, k.status ? k.status : "before");
        EXPECT_EQ(w.FSelElement, k.selected);
    }
    // Dragging with the left button changes no selection.
    w.FSelElement = 7;
    w.Image1MouseMove(Qt::LeftButton, a.x, a.y);
    EXPECT_EQ(w.FSelElement, 7);
    // In automatic design a cabinet says so.
    w.FAutoDesign = 1;
    w.Image1MouseMove(Qt::NoButton, cab.x, cab.y);
    EXPECT_EQ(w.FStatusText, "AUTO-CALCULATED CABINET 4 selected");
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, EachClickMovesTheGridAngleByAQuarterDegree) {
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 0;
    w.FSelElement = 0;
    w.FHotC = 0;
    const struct {
        Qt::MouseButton button;
        double change;
        const char* status;
    } clicks[] = {{Qt::LeftButton, 0.25, "GRID angle Increased"},
                  {Qt::LeftButton, 0.25, "GRID angle Increased"},
                  {Qt::RightButton, -0.25, "GRID angle Decreased"},
                  {Qt::MiddleButton, 0.0, "GRID angle Decreased"}};
    for (const auto& c : clicks) {
        const double before = w.FSplay->Angle[0];
        w.Image1MouseDown(c.button);
        EXPECT_EQ(w.FSplay->Angle[0], before + c.change);
        EXPECT_EQ(w.FStatusText, c.status);
    }
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, SplayIndexStopsAtBothEndsOfTheCabinetsTable) {
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 0;
    w.FSelElement = 3;
    TLoudspeakerArray& a = *w.FVenue->LSArray;
    a.SelectCabinet(3);
    const int count = a.CurrentBox->SplayCount;
    ASSERT_GT(count, 2);
    const double first = a.CurrentBox->SplayAngles[0];
    const double last = a.CurrentBox->SplayAngles[count - 1];
    w.FSplay->ChoiceIndex[3] = 0;
    w.Image1MouseDown(Qt::RightButton);
    EXPECT_EQ(w.FSplay->ChoiceIndex[3], 0);
    EXPECT_EQ(w.FSplay->Angle[3], first);
    EXPECT_EQ(w.FStatusText, "CABINET 4    Splay Decreased");
    for (int k = 0; k < count + 2; ++k) w.Image1MouseDown(Qt::LeftButton);
    EXPECT_EQ(w.FSplay->ChoiceIndex[3], count - 1);
    EXPECT_EQ(w.FSplay->Angle[3], last);
    EXPECT_EQ(w.FStatusText, "CABINET 4 Splay Increased");
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, HobaBexaJointStopsAtTheEndsOfTheAllowedAngles) {
    // The allowed-angle table is shared by the whole run: put it back
    // however the test ends.
    struct RestoreAllowedAngles {
        ~RestoreAllowedAngles() { InitAllowedAngles(); }
    } restore;
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 0;
    w.FArrayType = "MIXHobaBexa";
    w.FNumBoxes1 = 4;
    w.FNumBoxes2 = 6;
    w.Recalculate();
    ASSERT_EQ(w.FVenue->LSArray->TypeCode, 6);
    w.FSelElement = 4;
    // The table at start: 3.75, 0, -3.75, -7.5 with entry 1 chosen.
    const struct {
        Qt::MouseButton button;
        int index;
        double angle;
    } clicks[] = {{Qt::LeftButton, 2, -3.75}, {Qt::LeftButton, 3, -7.5}, {Qt::LeftButton, 3, -7.5},
                  {Qt::RightButton, 2, -3.75}, {Qt::RightButton, 1, 0.0}, {Qt::RightButton, 0, 3.75},
                  {Qt::RightButton, 0, 3.75}};
    for (const auto& c : clicks) {
        w.Image1MouseDown(c.button);
        EXPECT_EQ(AllowedAngles.ChosenIndex, c.index);
        EXPECT_EQ(w.FSplay->Angle[4], c.angle);
    }
    // The right button leaves the status of the last left click.
    EXPECT_EQ(w.FStatusText, "CABINET 5 Splay Increased");
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, StackedBottomCabinetStepsThroughTheBarsHolesAndStopsAtTheEnds) {
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 0;
    w.FRigMode = 2;
    w.FArrayHeight = 1.0;
    w.FNumBoxes1 = 6;
    w.Recalculate();
    const TArvoGroundStackBar bar;  // the full-size cabinet's bar, 12 holes
    ASSERT_EQ(bar.HoleCount, 12);
    w.FSelElement = 5;  // the cabinet on the bar
    for (int k = 0; k < 14; ++k) w.Image1MouseDown(Qt::LeftButton);
    EXPECT_EQ(w.FSplay->Angle[5], bar.Angles[11]);
    EXPECT_EQ(w.FStatusText, "CABINET 6 Splay Increased");
    for (int k = 0; k < 14; ++k) w.Image1MouseDown(Qt::RightButton);
    EXPECT_EQ(w.FSplay->Angle[5], bar.Angles[0]);
    EXPECT_EQ(w.FStatusText, "CABINET 6    Splay Decreased");
    w.Image1MouseDown(Qt::LeftButton);
    EXPECT_EQ(w.FSplay->Angle[5], bar.Angles[1]);
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, ArrowKeysMoveTheSelectionAndChangeAngles) {
    Window win;
    TForm1& w = *win;
    auto press = [&](int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    };
    const struct {
        int auto_, from, key, to;
        const char* status;
    } moves[] = {
        {1, 0, Qt::Key_Down, 1, "AUTO-CALCULATED - CABINET 2 selected"},
        {1, 9, Qt::Key_Down, 9, "AUTO-CALCULATED - CABINET 10 selected"},  // 10 cabinets
        {0, 0, Qt::Key_Up, 0, "CABINET 1 selected use left/right arrow keys to change angle"},
        {0, 5, Qt::Key_Up, 4, "CABINET 5 selected use left/right arrow keys to change angle"},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(m.status);
        w.FAutoDesign = static_cast<uint8_t>(m.auto_);
        w.FSelElement = m.from;
        press(m.key);
        EXPECT_EQ(w.FSelElement, m.to);
        EXPECT_EQ(w.FStatusText, m.status);
    }
    w.FAutoDesign = 0;
    w.FSelElement = 0;
    double before = w.FSplay->Angle[0];
    press(Qt::Key_Left);
    EXPECT_EQ(w.FSplay->Angle[0], before + 0.25);
    EXPECT_EQ(w.FStatusText, "GRID angle Increased");
    // A cabinet: the left key leaves the status, the right key says so.
    w.FSelElement = 3;
    w.FSplay->ChoiceIndex[3] = 1;
    w.FStatusText = "before";
    press(Qt::Key_Left);
    EXPECT_EQ(w.FSplay->ChoiceIndex[3], 2);
    EXPECT_EQ(w.FStatusText, "before");
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_EQ(w.FSplay->ChoiceIndex[3], 0);
    EXPECT_EQ(w.FStatusText, "CABINET 4    Splay Decreased");
    // Not on another page.
    w.PageControl1->setCurrentIndex(1);
    w.FSelElement = 3;
    press(Qt::Key_Down);
    EXPECT_EQ(w.FSelElement, 3);
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, AutomaticDesignClicksMoveCoverageAndArrayHeight) {
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 1;
    w.FHotA = 1;
    w.FCovStart = 1.0;
    w.Image1MouseDown(Qt::LeftButton);
    EXPECT_EQ(w.FCovStart, 0.0);
    w.Image1MouseDown(Qt::LeftButton);
    EXPECT_EQ(w.FCovStart, 0.0);  // never below 0
    w.Image1MouseDown(Qt::RightButton);
    EXPECT_EQ(w.FCovStart, 1.0);
    w.FHotA = 0;
    w.FHotB = 1;
    const double stop = w.FCovStop;
    w.Image1MouseDown(Qt::RightButton);
    EXPECT_EQ(w.FCovStop, stop + 1.0);
    w.FHotB = 0;
    // The array-height mark: lowered only while the array clears the ears.
    w.FHotC = 1;
    w.FArrayHeight = 6.0;
    w.FVenue->LowestHeight = 1.0;  // below the 1.8 m ears
    w.Image1MouseDown(Qt::LeftButton);
    EXPECT_EQ(w.FArrayHeight, 6.0);
    w.Image1MouseDown(Qt::RightButton);
    EXPECT_NEAR(w.FArrayHeight, 6.1, 1e-12);
    w.FVenue->LowestHeight = 3.0;
    w.Image1MouseDown(Qt::LeftButton);
    EXPECT_NEAR(w.FArrayHeight, 6.0, 1e-12);
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, GridRowSelectsItsCabinet) {
    Window win;
    TForm1& w = *win;
    w.FAutoDesign = 0;
    ASSERT_GT(w.ArvoStrGrid->rowCount(), 2);
    w.ArvoStrGrid->setCurrentCell(2, 0);
    EXPECT_EQ(w.FSelElement, 2);
    EXPECT_EQ(w.FStatusText, "CABINET 3 selected - First position cursor in top half of screen then "
                             "use left and right mouse buttons to increase/decrease splay angles");
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, PaintingOnlyCopiesThePictures) {
    Window win;
    TForm1& w = *win;
    w.show();
    QApplication::processEvents();
    for (int page : {0, 1, 2, 3}) {
        SCOPED_TRACE(page);
        w.PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        const int runs = w.PaintRoadRuns();
        const qint64 picture = w.image1->Picture().cacheKey();
        const auto before = WidgetStates(w);
        w.repaint();
        w.image1->repaint();
        (void)w.grab();
        EXPECT_EQ(w.PaintRoadRuns(), runs);
        const auto after = WidgetStates(w);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t k = 0; k < after.size(); ++k) EXPECT_EQ(after[k], before[k]);
        EXPECT_EQ(w.image1->Picture().cacheKey(), picture);
    }
    w.hide();
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, SmallWindowScrollsThePageSoEveryControlIsReachable) {
    Window win;
    TForm1& w = *win;
    w.show();
    w.resize(640, 480);
    QApplication::processEvents();
    w.FormPaint(&w);
    auto* h = w.VenueTab->findChild<QScrollBar*>("VenueTabHScroll");
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->isVisible());
    const int placed = w.P3dist->x();
    h->setValue(h->maximum());
    // The last plane column now lies inside what the page shows.
    EXPECT_LE(w.P3dist->geometry().right(), h->width());
    EXPECT_EQ(w.P3dist->x(), placed - h->maximum());
    h->setValue(0);
    EXPECT_EQ(w.P3dist->x(), placed);
    // A window wider than the venue page's columns needs no bars.
    w.resize(1700, 1000);
    QApplication::processEvents();
    w.FormPaint(&w);
    EXPECT_FALSE(h->isVisible());
    w.hide();
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

// At the start-up size of a 1280 x 1024 screen the venue page shows the
// type choice, the counts and every venue value whole, without scrolling,
// and none of them lies over another.
TEST(Picture, StartupSizeShowsChoiceCountsAndValuesWhole) {
    Window win;
    TForm1& w = *win;
    w.show();
    w.resize(1280, 1024);
    QApplication::processEvents();
    w.FormPaint(&w);
    auto* h = w.VenueTab->findChild<QScrollBar*>("VenueTabHScroll");
    auto* v = w.VenueTab->findChild<QScrollBar*>("VenueTabVScroll");
    ASSERT_NE(h, nullptr);
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(h->isVisible());
    const QRect shown(0, 0, w.VenueTab->width() - (v->isVisible() ? v->width() : 0),
                      w.VenueTab->height());
    struct Placed {
        const char* name;
        QWidget* control;
    };
    const std::vector<Placed> whole = {
        {"boxchoicePC", w.boxchoicePC},
        {"Numbox1pan", w.Numbox1pan},
        {"NumBox2Pan", w.NumBox2Pan},
        {"Numbox3Pan", w.Numbox3Pan},
        {"UnitsGB", w.MetricRad->parentWidget()},
        {"MaxPickHeight", w.MaxPickHeight},
        {"CovStop", w.CovStop},
        {"P1Length", w.P1Length},
        {"P2elev", w.P2elev},
        {"P3Length", w.P3Length},
        {"P3dist", w.P3dist},
        {"BitBtn6", w.BitBtn6},
        {"BitBtn5", w.BitBtn5},
        {"BitBtn8", w.BitBtn8},
        {"ArvoStrGrid", w.ArvoStrGrid},
    };
    auto onPage = [&w](const QWidget* c) { return QRect(c->mapTo(w.VenueTab, QPoint()), c->size()); };
    for (std::size_t i = 0; i < whole.size(); ++i) {
        SCOPED_TRACE(whole[i].name);
        const QRect r = onPage(whole[i].control);
        EXPECT_TRUE(w.VenueTab->isAncestorOf(whole[i].control));
        EXPECT_TRUE(shown.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x"
                                       << r.height() << " in " << shown.width() << "x"
                                       << shown.height();
        for (std::size_t j = i + 1; j < whole.size(); ++j)
            EXPECT_FALSE(r.intersects(onPage(whole[j].control))) << whole[j].name;
    }
    w.hide();
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, PatchPageSettingsAndDiagramChoice) {
    Window win;
    TForm1& w = *win;
    w.PageControl1->setCurrentIndex(2);
    EXPECT_EQ(w.PageControl1Align, TAlign::Left);
    EXPECT_EQ(w.Panel16->height(), 160);  // 96 dpi offscreen
    TLoudspeakerArray& a = *w.FVenue->LSArray;
    a.Presets1[2] = "";
    a.PresetEQ1[2] = "orphan";
    a.Presets1[1] = "P-ONE";
    a.PresetEQ1[1] = "flat";
    w.FillInfoLabels();
    EXPECT_EQ(w.StaticText1->text(), "P-ONE");
    EXPECT_EQ(w.H1com->text(), " - flat");
    EXPECT_FALSE(w.StaticText1->isHidden());
    EXPECT_TRUE(w.StaticText2->isHidden());
    EXPECT_TRUE(w.H2com->isHidden());

    // Bexa with Dovi: the rack strip only with the upper model's diagram.
    w.FArrayType = "MIXBexaDovi";
    w.FNumBoxes1 = 4;
    w.FNumBoxes2 = 4;
    w.PassValuesToVenue();
    ASSERT_EQ(w.FVenue->LSArray->TypeCode, 9);
    w.Panel14->hide();
    w.showupperrad->setChecked(true);
    w.FormPaint(&w);
    EXPECT_FALSE(w.Panel22->isHidden());
    EXPECT_EQ(w.showupperrad->text(), "Bexa Patching Diag");
    EXPECT_EQ(w.showlowerrad->text(), "Dovi Patching Diag");
    EXPECT_FALSE(w.Panel14->isHidden());
    w.Panel14->hide();
    w.showlowerrad->setChecked(true);
    w.FormPaint(&w);
    EXPECT_TRUE(w.Panel14->isHidden());
    w.FArrayType = "Arvo";
    w.FNumBoxes2 = 0;
    w.PassValuesToVenue();
    w.FormPaint(&w);
    EXPECT_TRUE(w.Panel22->isHidden());
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

// The patch page's diagram shows the array's type, its counts and the chosen
// model's diagram, whatever was shown before; the splay angles change the
// angle table beside it, not the diagram.
TEST(Picture, PatchDiagramFollowsTypeCountsAndChoiceButNotTheAngles) {
    const struct {
        const char* name;
        void (*setup)(TForm1&);
        void (*change)(TForm1&);
        bool diagramChanges;
    } rows[] = {
        {"count", [](TForm1& w) { w.FNumBoxes1 = 12; }, [](TForm1& w) { w.FNumBoxes1 = 7; }, true},
        {"type", [](TForm1& w) { w.FArrayType = "Arvo"; }, [](TForm1& w) { w.FArrayType = "Bexa"; }, true},
        {"model",
         [](TForm1& w) {
             w.FArrayType = "MIXArvoBexa";
             w.FNumBoxes1 = 6;
             w.FNumBoxes2 = 6;
             w.showupperrad->setChecked(true);
         },
         [](TForm1& w) { w.showlowerrad->setChecked(true); }, true},
        {"angles",
         [](TForm1& w) {
             w.FArrayType = "Arvo";
             w.FNumBoxes1 = 12;
             w.FAutoDesign = 0;
         },
         [](TForm1& w) { w.FSplay->ChoiceIndex[3] += 2; }, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Window win;
        TForm1& w = *win;
        r.setup(w);
        w.PageControl1->setCurrentIndex(2);
        w.Recalculate();
        w.FormPaint(&w);
        const QImage diagram = w.image1->Picture().copy();
        const QImage table = w.Image3->Picture().copy();
        r.change(w);
        w.Recalculate();
        w.FormPaint(&w);
        EXPECT_EQ(w.image1->Picture() != diagram, r.diagramChanges);
        // Something the diagram does not show changed with the angles.
        if (!r.diagramChanges) {
            EXPECT_NE(w.Image3->Picture(), table);
        }
        EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
    }
}

// The Array and the Patch page draw the array the window holds, its angles
// included: a splay entry raised by 2 degrees since the last redraw turns the
// last cabinet's bottom face 2 degrees further down on either page.
TEST(Picture, ArrayAndPatchPagesPaintTheAnglesTheWindowHolds) {
    for (const int page : {1, 2}) {
        SCOPED_TRACE(page);
        Window win;
        TForm1& w = *win;
        w.FArrayType = "Arvo";
        w.FNumBoxes1 = 12;
        w.FAutoDesign = 0;
        w.Recalculate();
        w.RedrawWithAngles();
        const double before = w.FVenue->LSArray->LastBoxFaceAngle;
        w.FSplay->Angle[3] += 2.0;
        w.PageControl1->setCurrentIndex(page);
        w.FormPaint(&w);
        EXPECT_NEAR(w.FVenue->LSArray->LastBoxFaceAngle, before + 2.0, 1e-9);
        EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
    }
}

}  // namespace

namespace {

bool HasInk(const QImage& img) {
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3)
            if (img.pixelColor(x, y) != QColor(Qt::white)) return true;
    return false;
}

}  // namespace

// Each page of a flown and of a stacked design, at the design size and at
// the smallest window, written into the build folder for a person to look
// at; every page's picture is drawn at the picture's size.
TEST(Screenshot, PicturePagesFlownAndStacked) {
    for (int rigMode : {1, 2}) {
        for (QSize size : {QSize(1200, 800), QSize(640, 480)}) {
            Window win;
            TForm1& w = *win;
            w.resize(size);
            w.show();
            for (int k = 1; k <= 4; ++k) w.FViewFlags[k] = 1;
            w.FViewFlags[8] = 0;
            w.FRigMode = rigMode;
            if (rigMode == 2) {
                w.FArrayHeight = 1.0;
                w.FNumBoxes1 = 6;
            }
            w.FStatusText = rigMode == 1 ? "FLOWN" : "STACKED";
            w.Recalculate();
            for (int page : {0, 1, 2, 3}) {
                SCOPED_TRACE(testing::Message() << rigMode << " " << size.width() << " page " << page);
                w.PageControl1->setCurrentIndex(page);
                for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
                if (page <= 2) {
                    const QImage img = w.image1->Picture();
                    EXPECT_EQ(img.size(), w.image1->size());
                    EXPECT_TRUE(HasInk(img));
                }
                const QString path = QStringLiteral(APP_TEST_OUTPUT_DIR "/orandel3-page%1-%2-%3.png")
                                         .arg(page)
                                         .arg(rigMode == 1 ? "flown" : "stacked")
                                         .arg(size.width());
                EXPECT_TRUE(w.grab().save(path));
            }
            w.hide();
            EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
        }
    }
}

TEST(Picture, PatchStripShowsTheChosenRowsPictureLitWhereThePointerIs) {
    Window win;
    TForm1& w = *win;
    w.PageControl1->setCurrentIndex(2);
    w.FormPaint(&w);
    ASSERT_EQ(w.PaintBox2->size(), QSize(313, 89));
    const QRgb lit = qRgb(166, 202, 240);  // the patch diagram's first colour
    const qtapp::PictureBox* own[] = {w.r1highimg, w.r2highimg, w.r3highimg};
    const struct {
        int x, row, from, to;  // the lit columns lie in from..to
    } moves[] = {{10, 3, 0, 109}, {150, 2, 121, 219}, {300, 1, 221, 312}};
    for (const auto& m : moves) {
        SCOPED_TRACE(m.x);
        w.PaintBox2MouseMove(m.x);
        const QImage strip = w.PaintBox2->Picture();
        ASSERT_EQ(strip, own[m.row - 1]->Picture());
        int inside = 0, outside = 0;
        for (int x = 0; x < strip.width(); ++x)
            for (int y = 0; y < strip.height(); ++y)
                if ((strip.pixel(x, y) & 0xFFFFFF) == (lit & 0xFFFFFF)) ++(x >= m.from && x <= m.to ? inside : outside);
        EXPECT_GT(inside, 0);
        EXPECT_EQ(outside, 0);
    }
    w.FormPaint(&w);  // a paint of the page shows the row last chosen
    EXPECT_EQ(w.PaintBox2->Picture(), w.r1highimg->Picture());
    // The strip hides nothing of the diagram (its hint, its rack title).
    const QImage diagram = w.image1->Picture();
    const QRect under = QRect(w.image1->mapFrom(&w, w.Panel14->pos()), w.Panel14->size()) & diagram.rect();
    ASSERT_FALSE(under.isEmpty());
    int drawn = 0;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x) drawn += diagram.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(drawn, 0);
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}

TEST(Picture, PatchStripRowFollowsThePointer) {
    Window win;
    TForm1& w = *win;
    w.PageControl1->setCurrentIndex(2);
    w.FormPaint(&w);
    w.FPatchRow = 1;
    // Left of 110 row 3, between 120 and 220 row 2, right of 220 row 1; the
    // gaps between the pictures choose nothing.
    const struct {
        int x, row;
    } moves[] = {{10, 3}, {109, 3}, {115, 3}, {121, 2}, {219, 2}, {220, 2}, {221, 1}, {390, 1}, {110, 1}};
    int lastRow = 1;
    for (const auto& m : moves) {
        const QImage before = w.image1->Picture();
        w.PaintBox2MouseMove(m.x);
        EXPECT_EQ(w.FPatchRow, m.row) << m.x;
        // The diagram is drawn again only when the row changes.
        EXPECT_EQ(w.image1->Picture() == before, m.row == lastRow) << m.x;
        lastRow = m.row;
    }
    EXPECT_TRUE(win.rec.errors.isEmpty()) << win.rec.errors.join("\n").toStdString();
}
