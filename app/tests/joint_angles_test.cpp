// One design reads the same on every page: for every cabinet of a mixed
// array, the splay grid of the venue page, the list of the array page and
// the tilt-and-splay table of the patch page and the printed report give
// the same splay, the joint between the two models included.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>
#include <string>
#include <vector>

#include "app/tests/test_support.h"
#include "model/arrays/lsarray.h"
#include "model/hardware/box.h"
#include "platform/core/numtext.h"
#include "platform/core/recording_canvas.h"
#include "venue/drawings/splay_table.h"
#include "venue/model/venue.h"

namespace {

// The ANGLE cell of every cabinet row of the table as the patch page draws
// it (800 x 600, rows of 15 pixels; ANGLE spans 106..212), the cabinet
// counted from 1 at the top.
std::vector<std::string> TableAngles(TForm1& w, int cabinets) {
    rtl::RecordingCanvas c(800, 600);
    DrawSplayTable(*w.FVenue, c, 0, 0, 800, 600, true, rtl::Picture(), w.FRigMode);
    std::vector<std::string> angles(static_cast<std::size_t>(cabinets) + 1);
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut)) {
        const int cx = op->points[0].x + op->textWidth / 2;
        const int row = (op->points[0].y + op->textHeight / 2) / 15;
        if (cx >= 106 && cx < 212 && row >= 2 && row - 1 <= cabinets)
            angles[static_cast<std::size_t>(row - 1)] = op->text;
    }
    return angles;
}

// The splay a text gives, its tilt-bar marks aside; NaN for none.
double Splay(std::string text) {
    for (const char* mark : {" H*", "**"})
        if (const auto at = text.find(mark); at != std::string::npos) text.erase(at);
    double v = 0.0;
    return rtl::TryParseDouble(text, v) ? v : std::nan("");
}

struct Shown {
    std::string grid, list, table;
};

// Cabinet e (counted from 0 at the top, e >= 1: the joint above it) as the
// three pages show it.
Shown Cabinet(TForm1& w, int e, const std::vector<std::string>& table) {
    const int n1 = w.FNumBoxes1;
    QTableWidget* grid = e < n1 ? w.ArvoStrGrid : w.BexaStrGrid;
    const int row = e < n1 ? e : e - n1;
    const QTableWidgetItem* cell = grid->item(row, 1);
    QComboBox* list = e < n1 ? w.ArvoLists[static_cast<std::size_t>(e - 1)]
                             : w.BexaLists[static_cast<std::size_t>(e - 1)];
    return {cell ? cell->text().toStdString() : std::string(), list->currentText().toStdString(),
            table[static_cast<std::size_t>(e + 1)]};
}

}  // namespace

// The joint between the models is set by the upper model's steps (the
// Hoba-Bexa joint by the shared allowed angles, the downfills' by their
// junction): its row reads the same splay as the others, the rows'
// wording aside ("0" and "0.0", "3.0 " and "3.0").  The Ivor mixes hang
// their first Dovi or Elka by rules of their own and are left out.
TEST(JointAngles, EveryCabinetOfEveryMixReadsTheSameOnTheThreePages) {
    const struct {
        const char* radio;
        std::vector<std::pair<int, int>> counts;
    } mixes[] = {
        {"mixarvobexarad", {{6, 1}, {3, 5}, {10, 4}}},
        {"mixruddbexarad", {{6, 1}, {2, 8}}},
        {"mixruddarvorad", {{4, 4}, {1, 10}}},
        {"mixbexadoviRAD", {{6, 1}, {4, 6}}},
        {"mixhobadovirad", {{2, 4}, {6, 2}}},
        {"mixarvoxbexarad", {{4, 4}, {2, 6}}},
        {"mixarvogirafrad", {{6, 2}, {6, 1}}},
        {"mixdovielkarad", {{6, 2}}},
    };
    TestWindow t;
    t->DesignTBut->click();
    for (const auto& mix : mixes) {
        for (const auto& [n1, n2] : mix.counts) {
            t->tbauto->click();
            t->findChild<QRadioButton*>(mix.radio)->click();
            t->FNumBoxes1 = n1, t->FNumBoxes2 = n2;
            t->SetBoxLimits();
            t->Recalculate();
            t->tbman->click();
            t->ArrayTBut->click();
            QComboBox* joint = t->BexaLists[static_cast<std::size_t>(n1 - 1)];
            // The automatic design, then every entry of the joint's list.
            for (int entry = -1; entry < joint->count(); ++entry) {
                if (entry >= 0) {
                    joint->setCurrentIndex(entry);
                    emit joint->activated(entry);
                }
                t->VenTBut->click();
                const std::vector<std::string> table = TableAngles(*t, n1 + n2);
                t->ArrayTBut->click();
                for (int e = 1; e < n1 + n2; ++e) {
                    const Shown s = Cabinet(*t, e, table);
                    EXPECT_EQ(Splay(s.grid), Splay(s.table))
                        << mix.radio << " " << n1 << "+" << n2 << " entry " << entry << " cabinet " << e;
                    EXPECT_EQ(Splay(s.list), Splay(s.table))
                        << mix.radio << " " << n1 << "+" << n2 << " entry " << entry << " cabinet " << e;
                }
            }
        }
    }
}
