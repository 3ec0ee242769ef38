// One design reads the same on every page: for every cabinet of a mix, the
// venue page's splay grid, the array page's list and the tilt-and-splay
// table (patch page and printed report) give the same splay.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/tests/test_support.h"
#include "platform/core/numtext.h"
#include "platform/core/recording_canvas.h"
#include "venue/drawings/splay_table.h"

// The joint between the models is set by the upper model's steps (the
// Hoba-Bexa joint by the shared allowed angles, the downfills' by their
// junction): its row reads the same splay as the others, the wording aside
// ("0" and "0.0", "3.0 " and "3.0", a tilt-bar mark).  Under the Ivor
// subwoofers the joints are the splay angles the design and the list set
// (the Dovi-Elka joint of the three-model mix too).  The Bexa-Cadri table
// is drawn without rows: there the grid and the list agree.
TEST(JointAngles, EveryCabinetOfEveryMixReadsTheSameOnTheThreePages) {
    const struct { const char* radio; int n1, n2, n3 = 0; bool table = true; } mixes[] = {
        {"mixarvobexarad", 6, 1}, {"mixarvobexarad", 3, 5}, {"mixarvobexarad", 10, 4},
        {"mixruddbexarad", 6, 1}, {"mixruddbexarad", 2, 8}, {"mixruddarvorad", 4, 4},
        {"mixruddarvorad", 1, 10}, {"mixbexadoviRAD", 6, 1}, {"mixbexadoviRAD", 4, 6},
        {"mixhobadovirad", 2, 4}, {"mixhobadovirad", 6, 2}, {"mixarvoxbexarad", 4, 4},
        {"mixarvoxbexarad", 2, 6}, {"mixarvogirafrad", 6, 2}, {"mixdovielkarad", 6, 2},
        {"mixivordovirad", 2, 4}, {"mixivordovirad", 4, 10}, {"mixivordovirad", 1, 1},
        {"MIXIVORELKARAD", 2, 3}, {"MIXIVORELKARAD", 4, 6}, {"MIXIVORELKARAD", 1, 1},
        {"MIXIVORDOVIELKARAD", 2, 4, 2}, {"MIXIVORDOVIELKARAD", 4, 8, 1},
        {"mixBexaCadrirad", 3, 2, 0, false}, {"mixBexaCadrirad", 8, 1, 0, false}};
    const auto splay = [](std::string text) {  // the number a text gives, marks aside
        text = text.substr(0, text.find_first_of("H*"));
        double v = 0.0;
        return rtl::TryParseDouble(text, v) ? v : std::nan("");
    };
    TestWindow t;
    t->DesignTBut->click();
    for (const auto& m : mixes) {
        t->tbauto->click();
        t->findChild<QRadioButton*>(m.radio)->click();
        t->FNumBoxes1 = m.n1, t->FNumBoxes2 = m.n2, t->FNumBoxes3 = m.n3;
        t->SetBoxLimits();
        t->Recalculate();
        t->tbman->click();
        t->ArrayTBut->click();
        const int n = m.n1 + m.n2 + m.n3;
        // The automatic design, then every entry of each joint's list.
        std::vector<std::pair<QComboBox*, int>> choices{{nullptr, -1}};
        for (const int below : {m.n1, m.n3 > 0 ? m.n1 + m.n2 : 0}) {
            QComboBox* joint = below > 0 ? t->BexaLists[static_cast<std::size_t>(below - 1)] : nullptr;
            for (int entry = 0; joint != nullptr && entry < joint->count(); ++entry) choices.emplace_back(joint, entry);
        }
        for (const auto& [joint, entry] : choices) {
            const std::string chosen = joint ? joint->itemText(entry).toStdString() : "";
            if (joint != nullptr) joint->setCurrentIndex(entry), emit joint->activated(entry);
            t->VenTBut->click();
            // The table as the patch page draws it: rows of 15 pixels, ANGLE 106..212.
            rtl::RecordingCanvas c(800, 600);
            DrawSplayTable(*t->FVenue, c, 0, 0, 800, 600, true, rtl::Picture(), t->FRigMode);
            std::vector<std::string> table(40);
            for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut))
                if (op->points[0].x + op->textWidth / 2 >= 106 && op->points[0].x + op->textWidth / 2 < 212)
                    table[static_cast<std::size_t>((op->points[0].y + op->textHeight / 2) / 15)] = op->text;
            t->ArrayTBut->click();
            // An entry sets the angle it reads.
            if (joint != nullptr) {
                EXPECT_EQ(splay(joint->currentText().toStdString()), splay(chosen)) << chosen;
            }
            for (int e = 1; e < n; ++e) {  // cabinet e from 0 at the top: the joint above it
                const bool first = e < m.n1, third = e >= m.n1 + m.n2;
                const QTableWidgetItem* cell = first   ? t->ArvoStrGrid->item(e, 1)
                                               : third ? t->box3strgrid->item(e - m.n1 - m.n2, 1)
                                                       : t->BexaStrGrid->item(e - m.n1, 1);
                const auto k = static_cast<std::size_t>(e - 1);
                const QComboBox* list = first ? t->ArvoLists[k] : t->BexaLists[k];
                const double inTable = splay(table[static_cast<std::size_t>(e + 2)]);
                SCOPED_TRACE(std::string(m.radio) + " " + std::to_string(m.n1) + "+" + std::to_string(m.n2) + "+" +
                             std::to_string(m.n3) + " " + (joint ? joint->objectName().toStdString() : "design") + " entry " + std::to_string(entry) + " cabinet " +
                             std::to_string(e));
                const double inGrid = splay(cell ? cell->text().toStdString() : "");
                if (m.table) {
                    EXPECT_EQ(inGrid, inTable);
                }
                EXPECT_EQ(splay(list->currentText().toStdString()), inGrid);
            }
        }
    }
}
