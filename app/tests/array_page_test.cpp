// The array page: the rows of every array type and rig mode, the splay
// lists' choices, the top-angle up/down, the lifting bar's level colours
// and the rigging options.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QAbstractItemView>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/hardware/groundstackbar.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

constexpr int F = 1;  // flown
constexpr int S = 2;  // ground-stacked

const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);
const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
const QColor kOlive(0x80, 0x80, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);

struct Window {
    ErrorRecorder rec;
    ScratchDir user, program;
    std::unique_ptr<TForm1> w = std::make_unique<TForm1>(TestEnv(user, program));

    Window() { InitAllowedAngles(); }
    ~Window() { InitAllowedAngles(); }

    // The array as the cabinet choice leaves it, designed by hand.
    void Array(const char* type, int rigMode, int n1, int n2, int n3, int autoDesign = 0) {
        w->FArrayType = type;
        w->FRigMode = rigMode;
        w->FPickOption = rigMode == S ? 6 : 1;
        w->FNumBoxes1 = n1;
        w->FNumBoxes2 = n2;
        w->FNumBoxes3 = n3;
        w->FAutoDesign = static_cast<uint8_t>(autoDesign);
        w->PassValuesToVenue();
        w->UpdateArrayPage();
    }
    QComboBox* List(const char* name) const { return w->findChild<QComboBox*>(QString::fromLatin1(name)); }
    // A choice as the user makes it.
    void Choose(const char* name, int entry) {
        QComboBox* c = List(name);
        ASSERT_NE(c, nullptr) << name;
        ASSERT_LT(entry, c->count()) << name;
        c->setCurrentIndex(entry);
        emit c->activated(entry);
    }
    // The shown row numbers of a box, top first.
    std::vector<std::string> Numbers(QGroupBox* box) const {
        std::vector<std::string> out;
        for (int k = 0; k < 24; ++k)
            if (auto* l = box->findChild<QLabel*>(QString::fromLatin1(box == w->arvoGB ? "ArvoRowLab" : "BexaRowLab") +
                                                   QString::number(k)))
                if (!l->isHidden()) out.push_back(l->text().toStdString());
        return out;
    }
};

QColor Base(const QWidget* w) { return w->palette().color(QPalette::Base); }
// The colour of the text of a control that takes input.
QColor FontColour(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Text); }

struct ReadoutState {
    int hole = -1;
    double liftBarAngle = 0.0;
};

class FakeReadout : public TRigReadout {
public:
    explicit FakeReadout(std::shared_ptr<ReadoutState> s) : s_(std::move(s)) {}
    uint8_t SafetyLevel() override { return 0; }
    TArrayRigResults RigResults() override { return {}; }
    double Mass() override { return 100; }
    double FrontPickLoad() override { return 40; }
    double RearPickLoad() override { return 60; }
    int BestHole() override { return s_->hole; }
    double LiftBarAngle() override { return s_->liftBarAngle; }
    double TopAngleOffset() override { return 0; }
    uint8_t TypeCode() override { return 1; }
    double BottomAngle() override { return 0; }

private:
    std::shared_ptr<ReadoutState> s_;
};

// --- rows ---------------------------------------------------------------------

TEST(ArrayPage, RowsCaptionsAndNumbersPerTypeAndRigMode) {
    struct Case {
        const char* type;
        int rigMode, n1, n2, n3;
        const char* first;
        const char* second;
        std::vector<std::string> firstRows, secondRows;
    };
    const Case cases[] = {
        {"Arvo", F, 4, 0, 0, "Arvo", "", {"1", "2", "3", "4"}, {}},
        {"Arvo", S, 3, 0, 0, "Arvo", "", {"1", "2", "3"}, {}},
        {"Rudd", F, 2, 0, 0, "Rudd", "", {"1", "2"}, {}},
        {"Ivor", F, 3, 0, 0, "Ivor", "", {"1", "2", "3"}, {}},
        {"Bexa", F, 3, 0, 0, "", "Bexa", {}, {"1", "2", "3"}},
        {"Dovi", S, 4, 0, 0, "", "Dovi", {}, {"1", "2", "3", "4"}},
        {"Elka", F, 2, 0, 0, "", "Elka", {}, {"1", "2"}},
        {"Hoba", F, 2, 0, 0, "", "Hoba", {}, {"1", "2"}},
        {"MIXArvoBexa", F, 2, 3, 0, "Arvo", "Bexa", {"1", "2"}, {"1", "2", "3"}},
        {"MIXHobaBexa", F, 2, 2, 0, "Hoba", "Bexa", {"1", "2"}, {"1", "2"}},
        {"MIXDoviElka", F, 3, 2, 0, "Dovi", "Elka", {"1", "2", "3"}, {"1*", "2"}},
        {"MIXDoviElka", S, 3, 2, 0, "Dovi", "Elka", {"1", "2", "3*"}, {"1", "2"}},
        {"MIXArvoGiraF", F, 4, 1, 0, "Arvo", "Gira", {"1", "2", "3", "4"}, {"1*"}},
        {"MIXBexaCadri", F, 2, 2, 0, "Bexa", "Cadri", {"1", "2"}, {"1*", "2"}},
        {"MIXIvorDoviElka", F, 2, 2, 2, "Ivor", "Dovi+Elka", {"1", "2"}, {"1", "2", "3", "4"}},
        {"MIXIvorElka", F, 2, 3, 0, "Ivor", "Elka", {"1", "2"}, {"1", "2", "3"}},
    };
    Window t;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.rigMode == F ? " flown" : " stacked"));
        t.Array(c.type, c.rigMode, c.n1, c.n2, c.n3);
        EXPECT_EQ(t.w->arvoGB->title().toStdString(), c.first);
        EXPECT_EQ(t.w->BexaGB->title().toStdString(), c.second);
        EXPECT_EQ(t.Numbers(t.w->arvoGB), c.firstRows);
        EXPECT_EQ(t.Numbers(t.w->BexaGB), c.secondRows);
        // The top-angle edit belongs to the box that holds the top cabinet.
        EXPECT_EQ(!t.w->A0ed->isHidden(), !c.firstRows.empty());
        EXPECT_EQ(!t.w->A0Cedit->isHidden(), c.firstRows.empty());
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.rec.errors.join("\n").toStdString();
}

TEST(ArrayPage, ListItemsTextsAndColours) {
    struct Case {
        const char* name;
        const char* type;
        int rigMode, n1, n2;
        const char* list;
        QColor base;
        const char* shown;   // nullptr: not checked
        int items;           // -1: not checked
    };
    const QColor window = QApplication::palette().color(QPalette::Base);
    const Case cases[] = {
        {"flown lists are money green", "Arvo", F, 4, 0, "a3com", kMoneyGreen, nullptr, -1},
        {"stacked lists take the window colour", "Arvo", S, 4, 0, "A2com", window, nullptr, -1},
        {"the Elka joint holds only its join angle", "MIXDoviElka", F, 6, 2, "ComboBox6", kMoneyGreen,
         "10.75", 1},
        {"the Hoba-Bexa joint offers the allowed angles", "MIXHobaBexa", F, 4, 2, "ComboBox4",
         kMoneyGreen, "0", 4},
        {"Ivor to Elka joint is 0", "MIXIvorElka", F, 3, 2, "ComboBox3", kMoneyGreen, "0", 1},
        {"Hoba to Dovi joint offers 0", "MIXHobaDovi", F, 3, 2, "ComboBox3", kMoneyGreen, nullptr, 1},
        {"stacked Dovi-Elka: the last Dovi shows the join angle", "MIXDoviElka", S, 3, 2, "A2com",
         window, "10.75", 1},
    };
    Window t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.Array(c.type, c.rigMode, c.n1, c.n2, 0);
        QComboBox* l = t.List(c.list);
        ASSERT_NE(l, nullptr);
        EXPECT_FALSE(l->isHidden());
        EXPECT_EQ(Base(l->lineEdit()), c.base);
        if (c.shown != nullptr) {
            EXPECT_EQ(l->currentText().toStdString(), c.shown);
        }
        if (c.items >= 0) {
            EXPECT_EQ(l->count(), c.items);
        }
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.rec.errors.join("\n").toStdString();
}

TEST(ArrayPage, StackedSingleModelShowsTheBarAndTheForce) {
    Window t;
    t.Array("Arvo", S, 4, 0, 0);
    QComboBox* bottom = t.List("a3com");  // the cabinet on the bar
    const TGroundStackBar& bar = *t.w->FVenue->LSArray->GroundStackBar;
    EXPECT_EQ(Base(bottom->lineEdit()), kSkyBlue);
    EXPECT_EQ(bottom->count(), bar.HoleCount);
    EXPECT_EQ(bottom->currentText().toStdString(), bar.CurrentValueText());
    EXPECT_TRUE(t.w->FTedit->isEnabled());
    // An Arvo's push-over force starts at its type's 550.
    EXPECT_EQ(t.w->FTedit->text(), "550");
    EXPECT_EQ(t.w->FTupdn->Position(), 550);
    EXPECT_TRUE(t.w->FFlab->isHidden());
    EXPECT_TRUE(t.w->FRlab->isHidden());
    EXPECT_EQ(Base(t.w->A0ed), QApplication::palette().color(QPalette::Base));
    // Flown again: pick loads back, force greyed, top angle in sky blue.
    t.Array("Arvo", F, 4, 0, 0);
    EXPECT_FALSE(t.w->FFlab->isHidden());
    EXPECT_FALSE(t.w->FTedit->isEnabled());
    EXPECT_EQ(Base(t.w->A0ed), kSkyBlue);
}

TEST(ArrayPage, AutomaticDesignGreysTheAnglesButShowsThem) {
    const struct {
        int autoDesign;
        bool enabled;
    } cases[] = {{1, false}, {0, true}};
    Window t;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.autoDesign);
        t.Array("Arvo", F, 4, 0, 0, c.autoDesign);
        for (const char* name : {"A1com", "A2com", "a3com"}) {
            EXPECT_EQ(t.List(name)->isEnabled(), c.enabled) << name;
            EXPECT_FALSE(t.List(name)->currentText().isEmpty()) << name;
        }
        EXPECT_EQ(t.w->A0ed->isEnabled(), c.enabled);
        EXPECT_EQ(t.w->A0sp->isEnabled(), c.enabled);
        EXPECT_FALSE(t.w->A0ed->text().isEmpty());
    }
}

TEST(ArrayPage, TiltBarNoteAndMirroredSide) {
    Window t;
    const struct {
        const char* type;
        int n1, n2;
        const char* note;
    } cases[] = {
        {"MIXArvoGiraF", 4, 1, "* insert top hole of Gira tilt bar in 6 deg hole of Arvo"},
        {"MIXBexaCadri", 2, 2, "* insert top hole of Cadri tilt bar in 6 deg hole of Bexa"},
        {"MIXDoviElka", 3, 2, "* insert top hole of Elka tilt bar in 0 deg hole of Dovi"},
        {"Arvo", 4, 0, ""},
    };
    for (const auto& c : cases) {
        t.Array(c.type, F, c.n1, c.n2, 0);
        EXPECT_EQ(t.w->splaycomlab->text().toStdString(), c.note) << c.type;
    }
    // The hole detail of a Dovi stack notes the mirrored side; another type
    // does not keep that note.
    t.Array("Dovi", S, 4, 0, 0);
    t.w->GVdetailradClick();
    EXPECT_EQ(t.w->FGridView, 2);
    EXPECT_EQ(t.w->Label76->text(), "Other side is mirrored");
    t.Array("Bexa", S, 4, 0, 0);
    EXPECT_EQ(t.w->Label76->text(), "");
}

// --- splay entry ----------------------------------------------------------------

TEST(ArrayPage, EachListChoiceChangesOnlyItsOwnEntries) {
    struct Change {
        int index;
        double angle;
        int choice;  // -1: the choice index stays
    };
    struct Case {
        const char* name;
        const char* type;
        int rigMode, n1, n2, n3;
        const char* list;
        int entry;
        std::vector<Change> changes;
    };
    const Case cases[] = {
        {"Arvo flown: a splay step", "Arvo", F, 10, 0, 0, "a5com", 3, {{5, 3.12, 3}}},
        {"Dovi-Elka flown: the join angle whatever is chosen", "MIXDoviElka", F, 6, 2, 0, "ComboBox6", 0,
         {{6, 10.75, 0}}},
        {"Hoba-Bexa flown: an allowed angle", "MIXHobaBexa", F, 4, 2, 0, "ComboBox4", 3, {{4, -7.5, -1}}},
        {"Ivor-Elka flown: the joint is 0", "MIXIvorElka", F, 3, 2, 0, "ComboBox3", 0, {{3, 0.0, 0}}},
        {"Ivor-Dovi-Elka flown: the Elka join angle", "MIXIvorDoviElka", F, 2, 2, 2, "ComboBox4", 0,
         {{4, 10.75, 0}}},
        {"Dovi-Elka stacked: the last Dovi takes the join angle", "MIXDoviElka", S, 3, 2, 0, "A2com", 0,
         {{2, 10.75, 0}}},
    };
    Window t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.Array(c.type, c.rigMode, c.n1, c.n2, c.n3);
        // Marks in every entry, so that a change shows.
        for (int i = 1; i <= 40; ++i) t.w->FSplay->Angle[i] = 0.5 + i;
        for (int i = 1; i <= 39; ++i) t.w->FSplay->ChoiceIndex[i] = 1;
        const TSplay before = *t.w->FSplay;
        t.Choose(c.list, c.entry);
        TSplay want = before;
        for (const Change& ch : c.changes) {
            want.Angle[ch.index] = ch.angle;
            if (ch.choice >= 0) want.ChoiceIndex[ch.index] = ch.choice;
        }
        for (int i = 1; i <= 40; ++i) EXPECT_EQ(t.w->FSplay->Angle[i], want.Angle[i]) << "angle " << i;
        for (int i = 1; i <= 39; ++i)
            EXPECT_EQ(t.w->FSplay->ChoiceIndex[i], want.ChoiceIndex[i]) << "index " << i;
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.rec.errors.join("\n").toStdString();
}

TEST(ArrayPage, HobaBexaJointMovesTheAllowedAnglesChoice) {
    Window t;
    t.Array("MIXHobaBexa", F, 4, 2, 0);
    t.Choose("ComboBox4", 2);
    EXPECT_EQ(AllowedAngles.ChosenIndex, 2);
    EXPECT_EQ(t.w->FSplay->Angle[4], -3.75);
}

TEST(ArrayPage, StackedListsChooseTheBarHoleAndTheSplayStep) {
    Window t;
    t.Array("Arvo", S, 4, 0, 0);
    TGroundStackBar& bar = *t.w->FVenue->LSArray->GroundStackBar;
    ASSERT_GE(bar.HoleCount, 3);
    const double hole2 = bar.Angles[2];
    t.Choose("a3com", 2);  // the last cabinet: its bar hole
    EXPECT_EQ(t.w->FSplay->Angle[3], hole2);
    t.Choose("A1com", 1);  // any other: the splay step of the stacked cabinet
    EXPECT_EQ(t.w->FSplay->ChoiceIndex[1], 1);
    t.w->FVenue->LSArray->SelectCabinet(2);
    EXPECT_EQ(t.w->FSplay->Angle[1], t.w->FVenue->LSArray->CurrentBox->SplayAngles[1]);
}

TEST(ArrayPage, ListHandlerRunsOnlyOnTheUsersChoice) {
    Window t;
    t.Array("Arvo", F, 6, 0, 0);
    const int start = t.w->ArrayListChoices;
    t.w->UpdateArrayPage();  // refills every list
    t.List("a4com")->setCurrentIndex(2);
    t.List("a4com")->setEditText("9.99");
    EXPECT_EQ(t.w->ArrayListChoices, start);
    t.Choose("a4com", 2);
    EXPECT_EQ(t.w->ArrayListChoices, start + 1);
    // The shown text need not be one of the items.
    t.List("a4com")->setEditText("not an item");
    EXPECT_EQ(t.List("a4com")->currentText(), "not an item");
    EXPECT_TRUE(t.List("a4com")->lineEdit()->isReadOnly());
}

TEST(ArrayPage, TopAngleUpDown) {
    Window t;
    t.Array("Arvo", F, 4, 0, 0);
    t.w->FSplay->Angle[0] = 1.75;
    for (int n = 0; n < 4; ++n) t.w->A0sp->Press(qtapp::UDBtnType::Next);
    EXPECT_EQ(t.w->FSplay->Angle[0], 2.75);
    t.w->A0lsp->Press(qtapp::UDBtnType::Prev);
    EXPECT_EQ(t.w->FSplay->Angle[0], 2.5);

    // Stacked: the index stays within the cabinet's steps.
    t.Array("Arvo", S, 4, 0, 0);
    t.w->FVenue->LSArray->SelectCabinet(0);
    const int count = t.w->FVenue->LSArray->CurrentBox->SplayCount;
    ASSERT_GT(count, 1);
    t.w->FSplay->ChoiceIndex[0] = 0;
    t.w->A0sp->Press(qtapp::UDBtnType::Prev);
    EXPECT_EQ(t.w->FSplay->ChoiceIndex[0], 0);
    for (int n = 0; n < count + 3; ++n) t.w->A0sp->Press(qtapp::UDBtnType::Next);
    EXPECT_EQ(t.w->FSplay->ChoiceIndex[0], count - 1);
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.rec.errors.join("\n").toStdString();
}

TEST(ArrayPage, FocusHighlightsTheRowsLabels) {
    Window t;
    t.Array("Arvo", F, 6, 0, 0);
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    ASSERT_NE(highlight, text);
    auto* row3 = t.w->arvoGB->findChild<QLabel*>("ArvoRowLab3");
    auto* row4 = t.w->arvoGB->findChild<QLabel*>("ArvoRowLab4");
    t.w->HighlightArrayrowExecute(t.List("a3com"));
    EXPECT_EQ(row3->palette().color(QPalette::WindowText), highlight);
    EXPECT_EQ(row4->palette().color(QPalette::WindowText), text);
    t.w->unhighlightrowExecute(t.List("a3com"));
    EXPECT_EQ(row3->palette().color(QPalette::WindowText), text);
}

// --- lifting bar --------------------------------------------------------------

TEST(ArrayPage, LiftingBarLevelColours) {
    const struct {
        double top, bar;
        QColor colour;
    } cases[] = {
        {2.0, -1.5, kOlive},  // d = 0.5
        {1.8, -1.5, kBlack},  // d = 0.3
        {2.11, -1.5, kRed},   // d = 0.61
    };
    Window t;
    auto s = std::make_shared<ReadoutState>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.top);
        t.w->FPickOption = 4;
        t.Array("Bexa", F, 4, 0, 0);
        t.w->FPickOption = 4;
        t.w->SetRigReadout(std::make_unique<FakeReadout>(s));
        s->liftBarAngle = c.bar;
        t.w->FSplay->Angle[0] = c.top;
        t.w->UpdateArrayPage();
        EXPECT_EQ(FontColour(t.w->A0Cedit), c.colour);
        EXPECT_EQ(FontColour(t.w->A0ed), c.colour);
    }
}

TEST(ArrayPage, ApplyOnlyWithAUsableHole) {
    Window t;
    auto s = std::make_shared<ReadoutState>();
    t.Array("Bexa", F, 4, 0, 0);
    t.w->SetRigReadout(std::make_unique<FakeReadout>(s));
    t.w->FPickOption = 4;
    s->liftBarAngle = -1.5;
    s->hole = -1;
    t.w->FSplay->Angle[0] = 0.25;
    t.w->UpdateArrayPage();
    EXPECT_FALSE(t.w->ApplyAngBut->isEnabled());
    t.w->ApplyAngButClick();
    EXPECT_EQ(t.w->FSplay->Angle[0], 0.25);
    s->hole = 3;
    t.w->UpdateArrayPage();
    EXPECT_TRUE(t.w->ApplyAngBut->isEnabled());
    t.w->ApplyAngButClick();
    EXPECT_EQ(t.w->FSplay->Angle[0], 1.5);
}

// --- rigging options ------------------------------------------------------------

TEST(ArrayPage, FlownArrayHeightFromTheCabinets) {
    Window t;
    t.Array("Dovi", S, 10, 0, 0);
    t.w->flyradClick();
    EXPECT_EQ(t.w->FRigMode, 1);
    EXPECT_NEAR(t.w->FArrayHeight, 6.41, 1e-12);  // 10 x 0.241 + 4.0
    EXPECT_EQ(t.w->FPickOption, 1);
}

TEST(ArrayPage, StackedBeforeAnyDesign) {
    Window t;
    ASSERT_EQ(t.w->FNoDesign, 1);
    t.w->stackrad->setChecked(true);
    EXPECT_EQ(t.w->FRigMode, 2);
    EXPECT_EQ(t.w->FPickOption, 6);
    EXPECT_EQ(t.w->FGridPosition, "FRONT");
    EXPECT_EQ(t.w->NumBoxes->text(), "6");
    EXPECT_EQ(t.w->ArrayHeight->text(), "2");
    EXPECT_EQ(t.w->CovStart->text(), "2");
    EXPECT_FALSE(t.w->numhobaed->isEnabled());
}

TEST(ArrayPage, LiftingBarRadio) {
    const struct {
        const char* type;
        int venueSide;
        int pickOption, side;
    } cases[] = {
        {"Arvo", 1, 1, 1},  // no lift bar: nothing changes
        {"Bexa", 0, 4, 2},  // the venue knows no side: the rear
        {"Bexa", 1, 4, 1},
        {"Dovi", 2, 4, 2},
    };
    Window t;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        t.Array(c.type, F, 4, 0, 0);
        t.w->FPickOption = 1;
        t.w->FLiftBarPosition = 1;
        t.w->FVenue->LiftBarPosition = c.venueSide;
        t.w->liftbarradClick();
        EXPECT_EQ(t.w->FPickOption, c.pickOption);
        EXPECT_EQ(t.w->FLiftBarPosition, c.side);
    }
}

TEST(ArrayPage, OneValueRiggingChoices) {
    Window t;
    t.Array("Bexa", F, 4, 0, 0);
    t.w->GridrearradClick();
    EXPECT_EQ(t.w->FGridPosition, "REAR");
    EXPECT_TRUE(t.w->Gridrearrad->isChecked());
    ASSERT_NE(t.w->gridfrontimg->Picture(), t.w->gridrearimg->Picture());
    EXPECT_EQ(t.w->gridposimg->Picture(), t.w->gridrearimg->Picture());
    t.w->GridfrontradClick();
    EXPECT_EQ(t.w->FGridPosition, "FRONT");
    EXPECT_TRUE(t.w->Gridfrontrad->isChecked());
    EXPECT_EQ(t.w->gridposimg->Picture(), t.w->gridfrontimg->Picture());
    t.w->KelvarCB->setChecked(true);
    EXPECT_EQ(t.w->FCombinationGrid, 1);
    t.w->lbfradClick();
    EXPECT_EQ(t.w->FLiftBarPosition, 1);
    t.w->lbrradClick();
    EXPECT_EQ(t.w->FLiftBarPosition, 2);
    // A type whose rear grid place is barred is hung at the front.
    t.w->FGridPosition = "REAR";
    t.Array("Hoba", F, 4, 0, 0);
    EXPECT_EQ(t.w->FGridPosition, "FRONT");
    EXPECT_FALSE(t.w->Gridrearrad->isEnabled());
    // The push-over force moves in steps of 50 from the Bexa's 400.
    t.Array("Bexa", S, 4, 0, 0);
    t.w->SetupArrayControls();  // as every recalculation ends
    t.w->FTupdn->Press(qtapp::UDBtnType::Next);
    EXPECT_EQ(t.w->FFTValue, 450.0);
    EXPECT_EQ(t.w->FTedit->text(), "450");
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.rec.errors.join("\n").toStdString();
}

}  // namespace

namespace {

// Every type in both rig modes: the page fills without an error, every
// shown list can be chosen from by hand, flown lists are money green and a
// stack shows exactly one sky-blue list, the bar's.
TEST(ArrayPage, EveryTypeInBothRigModes) {
    const char* types[] = {"Arvo", "Bexa", "Rudd", "MIXArvoBexa", "MIXRuddBexa", "Hoba", "MIXHobaBexa",
                           "Dovi", "MIXRuddArvo", "MIXBexaDovi", "MIXHobaDovi", "MIXArvoGiraF", "Elka",
                           "MIXDoviElka", "Ivor", "MIXIvorDovi", "MIXIvorElka", "MIXIvorDoviElka",
                           "MIXBexaCadri"};
    Window t;
    for (const char* type : types)
        for (int rigMode : {F, S}) {
            SCOPED_TRACE(std::string(type) + (rigMode == F ? " flown" : " stacked"));
            const bool mixed = std::string(type).rfind("MIX", 0) == 0;
            const bool three = std::string(type) == "MIXIvorDoviElka";
            t.Array(type, rigMode, 3, mixed ? 2 : 0, three ? 2 : 0);
            int shown = 0, skyBlue = 0;
            for (QComboBox* c : t.w->findChildren<QComboBox*>()) {
                if (c->isHidden()) continue;
                ++shown;
                EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
                const QColor base = Base(c->lineEdit());
                if (base == kSkyBlue) ++skyBlue;
                const bool inFirst = c->parentWidget() == t.w->arvoGB;
                if (rigMode == F && (inFirst || !three)) {
                    EXPECT_EQ(base, kMoneyGreen) << c->objectName().toStdString();
                }
            }
            EXPECT_EQ(shown, (mixed ? 5 : 3) + (three ? 2 : 0) - 1);
            EXPECT_EQ(skyBlue, rigMode == S ? 1 : 0);
            EXPECT_EQ(!t.w->FTedit->isEnabled(), rigMode == F);
        }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.rec.errors.join("\n").toStdString();
}

}  // namespace

namespace {

TEST(ArrayPage, ReadoutsInEitherUnitSystem) {
    const struct {
        uint8_t metric;
        int rigMode;
        const char *mass, *front, *top, *y;
    } cases[] = {
        {1, F, "100 kg", "40 kg", "Highest point on grid (X) = 6.1 m",
         "Height of top Cab front edge (Y) = 5.0 m"},
        {0, F, "220 lb", "88 lb", "Highest point on grid (X) = 20.0 ft",
         "Height of top Cab front edge (Y) = 16.4 ft"},
        // Stacked, Y reads the highest point.
        {1, S, "100 kg", "40 kg", "Highest point on grid (X) = 6.1 m",
         "Height of top Cab front edge (Y) = 6.1 m"},
    };
    Window t;
    auto s = std::make_shared<ReadoutState>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.top);
        t.Array("Bexa", c.rigMode, 4, 0, 0);
        t.w->SetRigReadout(std::make_unique<FakeReadout>(s));
        t.w->FNoDesign = 0;
        t.w->FMetric = c.metric;
        t.w->FVenue->TopHeight = 6.096;   // 20.0 ft
        t.w->FVenue->ArrayHeight = 5.0;   // 16.4 ft
        t.w->UpdateArrayPage();
        EXPECT_EQ(t.w->MTOTlab->text().toStdString(), c.mass);
        EXPECT_EQ(t.w->FFlab->text().toStdString(), c.front);
        EXPECT_EQ(t.w->Label4->text().toStdString(), c.top);
        EXPECT_EQ(t.w->Label5->text().toStdString(), c.y);
    }
}

TEST(ArrayPage, FocusOnAListOrTheTopAngleMarksItsRow) {
    Window t;
    t.Array("Bexa", F, 5, 0, 0);
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    const struct {
        QWidget* control;
        const char* label;
    } cases[] = {
        {t.List("ComboBox2"), "BexaRowLab2"},
        {t.List("ComboBox4")->lineEdit(), "BexaRowLab4"},
        {t.w->A0Cedit, "BexaRowLab0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QLabel* mine = t.w->BexaGB->findChild<QLabel*>(c.label);
        QLabel* other = t.w->BexaGB->findChild<QLabel*>("BexaRowLab1");
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(c.control, &in);
        EXPECT_EQ(mine->palette().color(QPalette::WindowText), highlight);
        EXPECT_EQ(other->palette().color(QPalette::WindowText), text);
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(c.control, &out);
        EXPECT_EQ(mine->palette().color(QPalette::WindowText), text);
    }
}

}  // namespace

namespace {

TEST(ArrayPage, EachRowControlCarriesItsTagInItsBox) {
    const struct {
        const char* name;
        const char* box;
        int tag;
    } cases[] = {
        {"A0ed", "arvoGB", 100},       {"A0sp", "arvoGB", 100},       {"A1com", "arvoGB", 101},
        {"A2com", "arvoGB", 102},      {"a3com", "arvoGB", 103},      {"a15com", "arvoGB", 115},
        {"ComboBox20", "arvoGB", 116}, {"ComboBox23", "arvoGB", 119}, {"ComboBox26", "arvoGB", 120},
        {"ComboBox27", "arvoGB", 121}, {"A0Cedit", "BexaGB", 100},    {"A0lsp", "BexaGB", 100},
        {"ComboBox1", "BexaGB", 101},  {"ComboBox15", "BexaGB", 115}, {"ComboBox19", "BexaGB", 116},
        {"ComboBox18", "BexaGB", 117}, {"ComboBox17", "BexaGB", 118}, {"ComboBox16", "BexaGB", 119},
        {"ComboBox24", "BexaGB", 120}, {"ComboBox25", "BexaGB", 121}, {"ComboBox28", "BexaGB", 122},
        {"ComboBox29", "BexaGB", 123},
    };
    Window t;
    EXPECT_EQ(t.w->findChildren<QComboBox*>().size(), 44);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QList<QWidget*> found = t.w->findChildren<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found.front()->parentWidget()->objectName().toStdString(), c.box);
        EXPECT_EQ(found.front()->property("Tag").toInt(), c.tag);
    }
}

}  // namespace

namespace {

// After every fill (the repaint that follows each action) a row's list has
// the shown value's entry current: the keys and the opened list go on from
// it.  The entry chosen, then Down, Up and Up on the keyboard.
TEST(ArrayPage, ListsKeepTheShownEntryCurrentThroughEveryFill) {
    const struct { const char* radio; int rigMode; const char* list; int entry; } cases[] = {
        {"allarvorad", F, "a5com", 3}, {"mixarvobexarad", F, "ComboBox10", 4},  // the joint
        {"mixbexadoviRAD", F, "ComboBox10", 3},  // the joint: "3.0 " of Bexa among Dovi's "3.0"
        {"allbexarad", S, "ComboBox2", 3}, {"allbexarad", S, "ComboBox5", 2}};  // and the bar
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        TestWindow t;
        t->show();
        t->findChild<QRadioButton*>(c.radio)->click();
        t->DesignTBut->click();
        if (c.rigMode == S) t->stackrad->click();
        t->tbman->click();
        t->ArrayTBut->click();
        QComboBox* list = t->findChild<QComboBox*>(c.list);
        ASSERT_TRUE(list->isVisibleTo(&*t) && list->isEnabled());
        int paints = t->PaintRoadRuns();
        const auto expectShown = [&](int entry) {
            for (int i = 0; i < 5; ++i) QApplication::processEvents();  // the repaint
            ASSERT_GT(t->PaintRoadRuns(), paints);
            paints = t->PaintRoadRuns();
            EXPECT_EQ(list->currentIndex(), entry);
            EXPECT_EQ(list->currentText().trimmed().toStdString(), list->itemText(entry).trimmed().toStdString());
        };
        list->setCurrentIndex(c.entry), emit list->activated(c.entry);
        expectShown(c.entry);
        t->activateWindow(), list->setFocus();  // the keys go where the keyboard is: the list keeps it
        for (const auto& [key, entry] : {std::pair{Qt::Key_Down, c.entry + 1}, std::pair{Qt::Key_Up, c.entry},
                                         std::pair{Qt::Key_Up, c.entry - 1}}) {
            ASSERT_EQ(QApplication::focusWidget(), list);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
            expectShown(entry);
        }
        list->showPopup();
        EXPECT_EQ(list->view()->currentIndex().row(), c.entry - 1);
        list->hidePopup();
    }
}

}  // namespace

namespace {

struct FirstChoice {
    const char* radio;
    bool mixed;       // on the Mixed page
    const char* arvoCaption;
    const char* bexaCaption;
    int rows;         // the counts from 10 Arvo within the type's limits
    bool stack, lift; // the rig choices the type offers
};

// Metre lines of the side view's measuring grid.
bool HasMeasuringGrid(const QImage& p) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (p.pixel(x, y) == qRgb(0, 255, 0)) return true;
    return false;
}

}  // namespace

TEST(ArrayPage, BeforeTheFirstDesignShowsTheChosenType) {
    const FirstChoice choices[] = {
        {"allbexarad", false, "", "Bexa", 10, true, true},
        {"alldovirad", false, "", "Dovi", 10, true, true},
        {"AllElkarad", false, "", "Elka", 6, true, true},
        {"allruddrad", false, "Rudd", "", 10, false, false},
        {"allarvoxrad", false, "", "Hoba", 10, false, true},
        {"allivorrad", false, "Ivor", "", 8, false, true},
        {"mixarvobexarad", true, "Arvo", "Bexa", 11, false, false},
        {"mixarvogirafrad", true, "Arvo", "Gira", 11, false, false},
        {"mixBexaCadrirad", true, "Bexa", "Cadri", 11, false, true},
        {"mixbexadoviRAD", true, "Bexa", "Dovi", 11, false, true},
        {"mixdovielkarad", true, "Dovi", "Elka", 11, true, true},
        {"mixruddarvorad", true, "Rudd", "Arvo", 11, false, false},
        {"mixruddbexarad", true, "Rudd", "Bexa", 11, false, false},
        {"mixarvoxbexarad", true, "Hoba", "Bexa", 9, false, true},
        {"mixhobadovirad", true, "Hoba", "Dovi", 7, false, true},
        {"mixivordovirad", true, "Ivor", "Dovi", 5, false, true},
        {"MIXIVORELKARAD", true, "Ivor", "Elka", 5, false, true},
        {"MIXIVORDOVIELKARAD", true, "Ivor", "Dovi+Elka", 6, false, true},
    };
    for (const FirstChoice& c : choices) {
        SCOPED_TRACE(c.radio);
        // The type chosen on the start page, then straight to `page`.
        const auto choose = [&c](TestWindow& w, QWidget* TForm1::*page) {
            w->resize(1366, 768), w->show(), w->Timer1Timer();
            if (c.mixed) w->boxchoicePC->setCurrentWidget(w->Mixedts);
            w->findChild<QRadioButton*>(QString::fromLatin1(c.radio))->click();
            w->PageControl1->setCurrentWidget(w.w.get()->*page);
            QApplication::processEvents();
        };
        TestWindow t;
        ErrorRecorder rec;
        choose(t, &TForm1::ArrayTab);

        EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("; ").toStdString();
        EXPECT_EQ(t->arvoGB->title().toStdString(), c.arvoCaption);
        EXPECT_EQ(t->BexaGB->title().toStdString(), c.bexaCaption);
        int shown = 0;
        for (QLabel* l : t->arvoGB->findChildren<QLabel*>() + t->BexaGB->findChildren<QLabel*>())
            if (l->objectName().contains("RowLab") && l->isVisible()) ++shown;
        EXPECT_EQ(shown, c.rows);
        EXPECT_EQ(t->stackrad->isEnabled(), c.stack);
        EXPECT_EQ(t->liftbarrad->isEnabled(), c.lift);
        // The side view of the chosen array, not the start page's text.
        EXPECT_EQ(t->FVenue->LSArray->ElementCount, c.rows);
        EXPECT_TRUE(HasMeasuringGrid(t->image1->Picture()));

        // Straight to the patch page, its table lists the same cabinets.
        TestWindow p;
        choose(p, &TForm1::ProcessorTab);
        EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("; ").toStdString();
        EXPECT_EQ(p->FVenue->LSArray->ElementCount, c.rows);
        EXPECT_EQ(p->FVenue->NumBoxes1 + p->FVenue->NumBoxes2 + p->FVenue->NumBoxes3, c.rows);
    }
}

// The lifting bar of a type that hangs from one keeps its choice, lift and
// side, through every recalculation that follows.
TEST(ArrayPage, LiftingBarStaysThroughEveryRecalculation) {
    using Act = std::function<void(TForm1&)>;
    const struct { const char* what; Act act; } recalculations[] = {
        {"count step", [](TForm1& w) { w.numbox1updn->Press(qtapp::UDBtnType::Next); }},
        {"coverage step", [](TForm1& w) { w.covstopupdn->Press(qtapp::UDBtnType::Prev); }},
        {"side view zoom", [](TForm1& w) { w.GVdetailrad->click(), w.GVallrad->click(); }},
        {"Design", [](TForm1& w) { w.DesignTBut->click(); }},
        {"the Array page again", [](TForm1& w) { w.VenTBut->click(), w.ArrayTBut->click(); }},
    };
    for (const char* radio : {"mixdovielkarad", "mixBexaCadrirad", "allbexarad"}) {
        for (const bool twoPoint : {false, true}) {
            SCOPED_TRACE(std::string(radio) + (twoPoint ? " 2 point" : " 1 point"));
            TestWindow t;
            TForm1& w = *t;
            w.boxchoicePC->setCurrentWidget(radio[0] == 'm' ? w.Mixedts : w.Singlets);
            w.findChild<QRadioButton*>(QString::fromLatin1(radio))->click();
            w.DesignTBut->click();
            w.ArrayTBut->click();
            ASSERT_TRUE(w.liftbarrad->isEnabled());
            w.liftbarrad->click();
            if (twoPoint) w.Lbshacklerad->click();
            w.lbfrad->click();
            for (const auto& r : recalculations) {
                SCOPED_TRACE(r.what);
                r.act(w);
                QApplication::processEvents();
                EXPECT_EQ(w.FPickOption, twoPoint ? 5 : 4);
                EXPECT_EQ(w.FVenue->PickOption, twoPoint ? 5 : 4);
                EXPECT_EQ(w.FLiftBarPosition, 1);
                EXPECT_TRUE(w.liftbarrad->isChecked());
                EXPECT_FALSE(w.FandRPPrad->isChecked());
                EXPECT_TRUE((twoPoint ? w.Lbshacklerad : w.lb1prad)->isChecked());
                EXPECT_TRUE(w.lbfrad->isChecked());
            }
        }
    }
}
