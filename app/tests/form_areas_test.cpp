// The main window's controls as its areas build them: each is found once by
// its name, is the control the window keeps, sits in its container and
// shows its caption.  The names are how tests and handlers find controls.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <functional>

#include "app/background1.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

QString Caption(const QWidget* w) {
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    return {};
}

struct Row {
    const char* name;
    std::function<QWidget*(TForm1&)> member;
    const char* parent;  // object name of the container
    const char* caption;
    QRect place;  // empty: placed by the layout, not checked; height -1: its own
};

#define M(m) [](TForm1& f) -> QWidget* { return f.m; }

const Row kRows[] = {
    // tool bar and units
    {"LoadTBut", M(LoadTBut), "PagesToolBar", " Load ", {}},
    {"DesignTBut", M(DesignTBut), "PagesToolBar", "Design", {}},
    {"RigTBut", M(RigTBut), "PagesToolBar", "Patch", {}},
    {"PrintSUTBut", M(PrintSUTBut), "PagesToolBar", "Setup", {}},
    {"webtbut", M(webtbut), "PagesToolBar", "Corvane Audio", {}},
    {"mailtbut", M(mailtbut), "PagesToolBar", "Support", {}},
    {"tbauto", M(tbauto), "PagesToolBar", "Auto ", {}},
    {"tbman", M(tbman), "PagesToolBar", "Manual", {}},
    {"Image8", M(Image8), "PagesToolBar", "", {}},
    {"MetricRad", M(MetricRad), "UnitsGB", "m / kg - Metric", {8, 18, 130, 20}},
    {"ImperialRad", M(ImperialRad), "UnitsGB", "ft / lb - Imperial", {142, 18, 136, 20}},
    // venue values and cabinet count
    {"MaxPickHeight", M(MaxPickHeight), "VenueTab", "20.0", {}},
    {"CovStop", M(CovStop), "VenueTab", "80.0", {}},
    {"P1Length", M(P1Length), "VenueTab", "60.0", {}},
    {"P3dist", M(P3dist), "VenueTab", "80.0", {}},
    // the captions of the heights, as the flown start shows them
    {"Label22", M(Label22), "VenueTab", "Array Height", {}},
    {"Label2", M(Label2), "VenueTab", "Max Pick", {}},
    {"Label3", M(Label3), "VenueTab", "Min trim height", {}},
    // the cabinet choice: its panel takes the page control's place
    {"Panel10", M(Panel10), "VenueTab", "", {}},
    {"boxchoicePC", M(boxchoicePC), "Panel10", "", {}},
    {"NumBoxes", M(NumBoxes), "Numbox1pan", "10", {56, 0, 32, 22}},
    {"numbox1updn", M(numbox1updn), "Numbox1pan", "", {}},
    {"ArvoStrGrid", M(ArvoStrGrid), "VenueTab", "", {}},
    {"BexaStrGrid", M(BexaStrGrid), "VenueTab", "", {}},
    // array page
    // captions by the array type: the first box holds the "Arvo" rows
    {"arvoGB", M(arvoGB), "ArrayTab", "Arvo", {2, 4, 150, 508}},
    {"BexaGB", M(BexaGB), "ArrayTab", "", {152, 4, 150, 548}},
    {"alldovirad", M(alldovirad), "Singlets", "Dovi", {4, 44, 70, 20}},
    {"allarvoxrad", M(allarvoxrad), "Singlets", "Hoba", {80, 24, 70, 20}},
    {"mixarvoxbexarad", M(mixarvoxbexarad), "Mixedts", "Hoba Bexa", {106, 64, 100, 20}},
    {"numhobaed", M(numhobaed), "Singlets", "10", {222, 31, 32, 22}},
    {"matchhobabut", M(matchhobabut), "Singlets", "Match", {160, 30, 60, 24}},
    {"UpdateEaseBut", M(UpdateEaseBut), "BexaGB", "Update", {6, 74, 100, 24}},
    {"Panel7", M(Panel7), "ArrayTab", "", {302, 4, 250, 320}},
    {"FRlab", M(FRlab), "Panel7", "", {116, 44, 120, 18}},
    {"bestanglab", M(bestanglab), "Panel7", "", {116, 84, 120, 18}},
    {"Label6", M(Label6), "Panel7", "", {4, 170, 246, 18}},
    {"gridimg", M(gridimg), "Panel7", "", {4, 194, 240, 120}},
    // picture and its strips
    {"image1", M(image1), "Panel1", "", {}},
    {"Image3", M(Image3), "ProcessorTab", "", {}},
    {"PaintBox2", M(PaintBox2), "Panel14", "", {0, 0, 400, 73}},
    {"r1highimg", M(r1highimg), "AmpTab", "", {4, 4, 313, 89}},
    {"r2highimg", M(r2highimg), "AmpTab", "", {4, 97, 313, 89}},
    {"r3highimg", M(r3highimg), "AmpTab", "", {4, 190, 313, 89}},
    {"showlowerrad", M(showlowerrad), "Panel22", "", {160, 2, 150, 20}},
    // the window's own
    {"BitBtn3", M(BitBtn3), "Form1", "Exit", {}},
};

#undef M

}  // namespace

TEST(FormAreas, EachControlIsFoundOnceByNameInItsContainerWithItsCaption) {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w(TestEnv(user, program));
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.name);
        const QList<QWidget*> found = w.findChildren<QWidget*>(QString::fromLatin1(r.name));
        ASSERT_EQ(found.size(), 1);
        QWidget* c = r.member(w);
        EXPECT_EQ(found.front(), c);
        ASSERT_NE(c->parentWidget(), nullptr);
        EXPECT_EQ(c->parentWidget()->objectName().toStdString(), r.parent);
        EXPECT_EQ(Caption(c).toStdString(), r.caption);
        if (r.place.isNull()) continue;
        EXPECT_EQ(c->x(), r.place.x());
        EXPECT_EQ(c->y(), r.place.y());
        EXPECT_EQ(c->width(), r.place.width());
        if (r.place.height() >= 0) {
            EXPECT_EQ(c->height(), r.place.height());
        }
    }
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}
