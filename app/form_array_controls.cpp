// The array controls on the venue page: the splay grids, one row per
// cabinet, their titles and the rigging controls a type allows, brought
// into line with the array type by SetupArrayControls.

#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>

#include "app/background1.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "app/form_venue_values.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/hardware/groundstackbar.h"
#include "model/hardware/splay.h"
#include "model/hardware/units.h"
#include "venue/model/venue.h"
#include "platform/qtapp/updown.h"
#include "app/rules/type_controls.h"
#include "app/rules/venue_page_layout.h"

namespace {

QTableWidget* MakeGrid(QWidget* parent, const char* name) {
    auto* g = formbuild::Named(new QTableWidget(3, 2, parent), name);
    g->verticalHeader()->setVisible(false);
    g->horizontalHeader()->setVisible(false);
    // The value column takes what the label column leaves: side by side the
    // grids are narrow, and a sideways scroll bar would hide a row.
    g->horizontalHeader()->setStretchLastSection(true);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the grid for the next control; the arrow keys move
    // between its cells.
    g->setTabKeyNavigation(false);
    return g;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = grid->item(row, column)) item->setText(text);
    else grid->setItem(row, column, new QTableWidgetItem(text));
}

// The background of a grid or an edit: the window's colour for `role`
// (Base for an active one, Button for a disabled one).
void SetBase(const QWidget& form, QWidget* w, QPalette::ColorRole role) {
    formbuild::SetBase(w, form.palette().color(role));
}

// A splay angle as the grids show it: "4.50".
std::string AngleText(double degrees) { return rtl::FormatFixed(degrees, 5, 2); }

}  // namespace

void TForm1::BuildArrayControls() {
    ArvoStrGrid = MakeGrid(VenueTab, "ArvoStrGrid");
    BexaStrGrid = MakeGrid(VenueTab, "BexaStrGrid");
    BexaStrGrid->hide();
    box3strgrid = MakeGrid(VenueTab, "box3strgrid");
    box3strgrid->hide();
    g1lab = formbuild::Make<QLabel>(VenueTab, "g1lab", "Arvo Splay Angles");
    g2lab = formbuild::Make<QLabel>(VenueTab, "g2lab");
    g3lab = formbuild::Make<QLabel>(VenueTab, "g3lab", "Type 3 Splay Angles");
    g3lab->hide();
    PlaceSplayGrids();
}

// The grids shown stand side by side in the grid column, each with its title
// under it; a hidden grid's title takes the place its grid would have.
void TForm1::PlaceSplayGrids() {
    namespace page = rules::venuepage;
    QTableWidget* const grids[] = {ArvoStrGrid, BexaStrGrid, box3strgrid};
    QLabel* const titles[] = {g1lab, g2lab, g3lab};
    int shown = 0;
    for (QTableWidget* g : grids) shown += g->isHidden() ? 0 : 1;
    int slot = 0;
    for (int k = 0; k < 3; ++k) {
        const int place = grids[k]->isHidden() ? std::max(slot, k) : slot++;
        const int of = std::max(shown, place + 1);
        const rules::Box g = page::SplayGridSlot(place, of);
        const rules::Box t = page::SplayGridTitle(place, of);
        grids[k]->setGeometry(g.Left, g.Top, g.Width, g.Height);
        titles[k]->setGeometry(t.Left, t.Top, t.Width, t.Height);
    }
}

void TForm1::ClearSplayGrids(bool grid1, bool grid2, bool grid3) {
    const TFillGuard filling(*this);
    const bool flags[] = {grid1, grid2, grid3};
    QTableWidget* grids[] = {ArvoStrGrid, BexaStrGrid, box3strgrid};
    for (int g = 0; g < 3; ++g) {
        if (!flags[g]) continue;
        QTableWidget* grid = grids[g];
        for (int row = 0; row <= 17 && row < grid->rowCount(); ++row)
            for (int column = 0; column <= 1 && column < grid->columnCount(); ++column)
                if (QTableWidgetItem* item = grid->item(row, column)) item->setText(QString());
    }
}

// The rigging controls a type offers and the rig fields it fixes.
void TForm1::SetupTypeRigging(const rules::TypeControls& c) {
    if (c.ForcesFlown) FRigMode = 1;
    if (c.FTDefault > 0.0) {
        // The type's test force replaces the user's only when the type or
        // the rig mode changed; a recalculation keeps what the user set.
        if (FFTDefaultType != FArrayType || FFTDefaultRigMode != FRigMode) {
            FFTValue = c.FTDefault;
            FFTDefaultType = FArrayType;
            FFTDefaultRigMode = FRigMode;
        }
        FTupdn->SetPosition(rtl::Round(FFTValue));
    }
    EnableHobaMatch(c.MatchAfterDesign && FNoDesign == 0);
    SplayHobalab->setEnabled(c.SplayHoba);
    SplayHobachk->setEnabled(c.SplayHoba);
    if (c.SplayHoba) SplayHobachk->setChecked(FSplayHoba != 0);
    stackrad->setEnabled(c.StackRad);
    liftbarrad->setEnabled(c.LiftBarRad);
    installrad->setEnabled(c.InstallRad);
    if (c.FrontRearPick != rules::Set::Keep) {
        FandRPPrad->setEnabled(c.FrontRearPick != rules::Set::Off);
        if (c.FrontRearPick == rules::Set::OnChecked) FandRPPrad->setChecked(true);
    }
    if (c.PickOption >= 0) FPickOption = c.PickOption;
    if (c.GridFront) FGridPosition = "FRONT";
    if (c.LiftBarZero) FLiftBarPosition = 0;
}

void TForm1::SetupTypeRigging() {
    if (FArrayType.empty()) return;
    if (const std::optional<TArrayType> type = FindArrayType(FArrayType))
        SetupTypeRigging(rules::TypeControlsFor(*type));
}

void TForm1::SetupArrayControls() {
    const TFillGuard filling(*this);
    const bool metric = FMetric != 0;
    g2lab->setVisible(true);
    NumBoxes->setText(Q(rtl::IntToStr(FNumBoxes1)));
    NUMxaED->setText(Q(rtl::IntToStr(FNumBoxes2)));
    numbox3ed->setText(Q(rtl::IntToStr(FNumBoxes3)));

    // The empty type string names no type here: no branch, only the tail.
    const std::optional<TArrayType> type =
        FArrayType.empty() ? std::nullopt : FindArrayType(FArrayType);
    if (type) {
        const rules::TypeControls& c = rules::TypeControlsFor(*type);
        const int models = c.Grids();
        const bool designed = FNoDesign == 0;
        SetupTypeRigging(c);

        // Captions and the grids in use.
        QLabel* counts[] = {NumBox1Lab, numbox2lab, numbox3lab};
        const std::string_view countTexts[] = {c.Count1, c.Count2, c.Count3};
        for (int k = 0; k < 3; ++k) {
            if (!countTexts[k].empty()) counts[k]->setText(Q(std::string(countTexts[k])));
            if (k > 0) counts[k]->setVisible(k < models);
        }
        NumBox1Lab->setVisible(true);
        const bool prefixed = !c.PrefixAfterDesign || designed;
        if (!c.PrefixAfterDesign || designed) {
            g1lab->setText(Q(std::string(c.Title1)));
            g2lab->setText(Q(std::string(c.Title2)));
            g3lab->setText(Q(std::string(c.Title3)));
        }
        if (c.PrefixAfterDesign && designed) {
            g1lab->setVisible(true);
            g2lab->setVisible(false);
        }
        ArvoStrGrid->setEnabled(true);
        SetBase(*this, ArvoStrGrid, QPalette::Base);
        if (models == 1) {
            BexaStrGrid->hide();
            box3strgrid->hide();
            g3lab->hide();
            NumBox2Pan->hide();
            Numbox3Pan->hide();
            if (c.SecondGridGreyed) {
                BexaStrGrid->setEnabled(false);
                SetBase(*this, BexaStrGrid, QPalette::Button);
            }
        } else {
            BexaStrGrid->setEnabled(true);
            SetBase(*this, BexaStrGrid, QPalette::Base);
            BexaStrGrid->show();
            NumBox2Pan->show();
            if (models == 2) {
                box3strgrid->hide();
                Numbox3Pan->hide();
                g3lab->hide();
            } else {
                Numbox3Pan->show();
                box3strgrid->setEnabled(true);
                g3lab->show();
            }
        }
        ClearSplayGrids(true, true, true);
        if (models == 3) box3strgrid->show();

        // The rows: one per cabinet of each model.
        QTableWidget* grids[] = {ArvoStrGrid, BexaStrGrid, box3strgrid};
        const int n[] = {FNumBoxes1, FNumBoxes2, FNumBoxes3};
        const QFontMetrics widthOn[] = {QFontMetrics(ArvoStrGrid->font()),
                                        QFontMetrics(BexaStrGrid->font()),
                                        QFontMetrics(BexaStrGrid->font())};
        for (int g = 0; g < models; ++g) {
            QTableWidget* grid = grids[g];
            grid->setColumnCount(2);
            grid->setRowCount(std::max(0, n[g]));
            grid->setColumnWidth(0, widthOn[g].horizontalAdvance(
                                        Q(std::string(c.Width[static_cast<std::size_t>(g)]))));
            const int rowHeight = QFontMetrics(grid->font()).height();
            for (int r = 0; r < grid->rowCount(); ++r) grid->setRowHeight(r, rowHeight);
        }

        TLoudspeakerArray* array = FVenue ? FVenue->LSArray.get() : nullptr;
        const TSplay& splay = *FSplay;
        auto label = [&](int g, int number) {
            if (g == 0 && !prefixed) return rtl::IntToStr(number);
            return std::string(c.Prefix[static_cast<std::size_t>(g)]) + rtl::IntToStr(number);
        };
        auto box = [&]() -> const TBox& {
            if (array == nullptr || array->CurrentBox == nullptr)
                throw rtl::RuntimeError(1, "no array");
            return *array->CurrentBox;
        };
        auto select = [&](int element) {
            if (models > 1 && array != nullptr) array->SelectCabinet(element);
        };
        // Element e's splay step, read from the cabinet of element `from` (1-based).
        auto step = [&](int e, int from) {
            select(from);
            return box().SplayTexts[splay.ChoiceIndex[e]];
        };
        auto junction = [&](int from) {
            if (array != nullptr) array->SelectCabinet(from);
            return AngleText(box().JoinSplay);
        };
        auto stackText = [&] {
            if (array == nullptr || array->GroundStackBar == nullptr)
                throw rtl::RuntimeError(1, "no array");
            return array->GroundStackBar->CurrentValueText();
        };
        auto put = [&](int g, int r, const std::string& l, const std::string& v) {
            SetCell(grids[g], r, 0, Q(l));
            SetCell(grids[g], r, 1, Q(v));
        };

        using R = rules::GridRows;
        const bool flownRows = c.Rows == R::SingleFlownOnly || c.Rows == R::Mix ||
                               (FRigMode == 1 && (c.Rows == R::Single || c.Rows == R::MixStackable));
        const bool stackRows = FRigMode == 2 && (c.Rows == R::Single || c.Rows == R::MixStackable);
        const int n1 = FNumBoxes1, n2 = FNumBoxes2;
        if (flownRows) {
            for (int r = 0; r < n1; ++r) {
                if (r == 0) {
                    const double offset = c.TopLessOffset ? box().BottomFaceAngle : 0.0;
                    put(0, 0, "1 Grid", AngleText(splay.Angle[0] - offset));
                } else {
                    put(0, r, label(0, r + 1), step(r, r + 1));
                }
            }
            const int starts[] = {0, n1, n1 + n2};
            for (int g = 1; g < models; ++g) {
                const int first = starts[g];
                const rules::FirstRowOfModel top = g == 1 ? c.Row0Grid2 : c.Row0Grid3;
                for (int r = 0; r < n[g]; ++r) {
                    const int e = first + r;
                    std::string value;
                    if (r > 0) {
                        value = step(e, e + 1);
                    } else {
                        using F = rules::FirstRowOfModel;
                        switch (top) {
                            case F::Step: value = step(e, e + 1); break;
                            // The joint under the upper model is set with the
                            // upper model's steps: its labels are those.
                            case F::StepOfAbove: value = step(e, e); break;
                            case F::Junction: value = junction(e + 1); break;
                            case F::AllowedAngle:
                                value = rtl::FormatGeneral(
                                    AllowedAngles.Angles[AllowedAngles.ChosenIndex]);
                                break;
                            case F::Zero: value = "0"; break;
                            case F::SplayAngle: value = AngleText(splay.Angle[e]); break;
                        }
                    }
                    put(g, r, label(g, r + 1), value);
                }
            }
        } else if (stackRows) {
            if (c.Rows == R::Single) {
                for (int r = 0; r + 1 < n1; ++r) put(0, r, label(0, r + 1), step(r, r + 1));
                if (n1 >= 1) put(0, n1 - 1, rtl::IntToStr(n1) + " Grid", stackText());
            } else {
                for (int r = 0; r + 1 < n1; ++r) put(0, r, label(0, r + 1), step(r, r + 1));
                if (n1 >= 1) put(0, n1 - 1, label(0, n1), junction(n1 + 1));
                for (int r = 0; r + 1 < n2; ++r)
                    put(1, r, label(1, r + 1), step(n1 + r, n1 + r + 1));
                if (n2 >= 1) put(1, n2 - 1, label(1, n2), stackText());
            }
        }
        // The label column is at least as wide as its width text, and wide
        // enough for its widest label in this font ("Hoba 12" whole).
        for (int g = 0; g < models; ++g) {
            const QAbstractItemView* view = grids[g];
            grids[g]->setColumnWidth(0, std::max(grids[g]->columnWidth(0), view->sizeHintForColumn(0)));
        }
    }

    // Tail: the height captions of the rig mode and the lengths in the
    // chosen units.
    const bool flown = FRigMode == 1;
    Label22->setText(flown ? QStringLiteral("Array Height") : QStringLiteral("Stage Height"));
    Label2->setText(flown ? QStringLiteral("Max Pick") : QStringLiteral("Top Box"));
    Label3->setEnabled(flown);
    mintrimupdn->setEnabled(flown);
    MinTrimHeight->setEnabled(flown);
    SetBase(*this, MinTrimHeight, flown ? QPalette::Base : QPalette::Button);
    flyrad->setChecked(flown);
    stackrad->setChecked(!flown);
    AddsubsBut->setVisible(!flown);
    for (const venuevalues::Length id : venuevalues::kRewriteOrder) {
        const venuevalues::LengthRow& row = venuevalues::Row(id);
        const double shown = units::ShownLength(this->*row.Field, metric);
        (this->*row.Edit)->setText(Q(rtl::FormatFixed(shown, 4, 1)));
    }
    NumBoxes->setText(Q(rtl::IntToStr(FNumBoxes1)));
    NUMxaED->setText(Q(rtl::IntToStr(FNumBoxes2)));
    numbox3ed->setText(Q(rtl::IntToStr(FNumBoxes3)));
    PlaceSplayGrids();
}
