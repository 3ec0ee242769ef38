// The array page: the cabinet groups with the model choice and the Hoba
// match, and the rigging results panel (loads, lift bar, readouts, grid
// picture).  UpdateArrayPage fills it for the current array.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/rules/array_page.h"
#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "platform/core/checked.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/hardware/groundstackbar.h"
#include "model/hardware/splay.h"
#include "model/hardware/units.h"
#include "venue/model/venue.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/rules/splay_steps.h"

namespace {

using formbuild::Spec;
using formbuild::SetBase;

constexpr Spec<QGroupBox> kGroups[] = {
    {&TForm1::arvoGB, "arvoGB", "Cabinets", {2, 4, 150, 508}},
    {&TForm1::BexaGB, "BexaGB", "Second model", {152, 4, 150, 548}},
};

// In BexaGB.
constexpr Spec<QPushButton> kHobaButtons[] = {
    {&TForm1::UpdateEaseBut, "UpdateEaseBut", "Update", {6, 74, 100, 24}},
};

// In Panel7: the rigging results, each value after its caption.
constexpr formbuild::CaptionSpec kResultCaptions[] = {
    {"Total Mass  = ", {4, 4, 110, 18}},
};
// The captions the pick option shows, hides or greys.
constexpr Spec<QLabel> kResultHeadings[] = {
    {&TForm1::fflabh, "fflabh", "Front Pick Load", {4, 24, 110, 18}},
    {&TForm1::frlabh, "frlabh", "Rear Pick Load", {4, 44, 110, 18}},
    {&TForm1::nearholelab, "nearholelab", "Best lift bar hole", {4, 64, 110, 18}},
    {&TForm1::ActAng, "ActAng", "Lift bar angle", {4, 84, 110, 18}},
};
constexpr Spec<QLabel> kResultLabels[] = {
    {&TForm1::MTOTlab, "MTOTlab", nullptr, {116, 4, 120, 18}},
    {&TForm1::FFlab, "FFlab", nullptr, {116, 24, 120, 18}},
    {&TForm1::FRlab, "FRlab", nullptr, {116, 44, 120, 18}},
    {&TForm1::bestholelab, "bestholelab", nullptr, {116, 64, 120, 18}},
    {&TForm1::bestanglab, "bestanglab", nullptr, {116, 84, 120, 18}},
    // The laser and inclinometer readouts.
    {&TForm1::Label77, "Label77", nullptr, {4, 110, 246, 18}},
    {&TForm1::Label4, "Label4", nullptr, {4, 130, 246, 18}},
    {&TForm1::Label5, "Label5", nullptr, {4, 150, 246, 18}},
    {&TForm1::Label6, "Label6", nullptr, {4, 170, 246, 18}},
};
constexpr Spec<qtapp::PictureBox> kResultPictures[] = {
    {&TForm1::gridimg, "gridimg", nullptr, {4, 194, 240, 120}},
};

}  // namespace

void TForm1::BuildArrayPage() {
    formbuild::Build(*this, ArrayTab, kGroups);
    formbuild::Build(*this, BexaGB, kHobaButtons);

    Panel7 = formbuild::Make<QWidget>(ArrayTab, "Panel7");
    Panel7->setGeometry(302, 4, 250, 320);
    formbuild::BuildCaptions(Panel7, kResultCaptions);
    formbuild::Build(*this, Panel7, kResultHeadings);
    formbuild::Build(*this, Panel7, kResultLabels);
    formbuild::Build(*this, Panel7, kResultPictures);
    BuildArrayRows();
    BuildRigging();
}

// ---------------------------------------------------------------------------
// The rows of the cabinets: one per cabinet index k, a number label and a
// splay list (row 0: the top-angle edit with its up/down instead).  Every
// control of row k carries 100 + k in its "Tag" property.

namespace {

constexpr const char* kTag = "Tag";
constexpr int kRowTop = 104;  // below the model choice and the Hoba match
constexpr int kRowHeight = 18;
// Row 0's up/down is taller than a row: the lists start under it.
constexpr int kTopRowHeight = 22;
constexpr int RowTop(int k) { return k == 0 ? kRowTop : kRowTop + kTopRowHeight + (k - 1) * kRowHeight; }

constexpr const char* kArvoListNames[] = {
    "A1com",      "A2com",      "a3com",      "a4com",      "a5com",      "a6com",
    "a7com",      "a8com",      "a9com",      "a10com",     "a11com",     "a12com",
    "a13com",     "a14com",     "a15com",     "ComboBox20", "ComboBox21", "ComboBox22",
    "ComboBox23", "ComboBox26", "ComboBox27"};
constexpr const char* kBexaListNames[] = {
    "ComboBox1",  "ComboBox2",  "ComboBox3",  "ComboBox4",  "ComboBox5",  "ComboBox6",
    "ComboBox7",  "ComboBox8",  "ComboBox9",  "ComboBox10", "ComboBox11", "ComboBox12",
    "ComboBox13", "ComboBox14", "ComboBox15", "ComboBox19", "ComboBox18", "ComboBox17",
    "ComboBox16", "ComboBox24", "ComboBox25", "ComboBox28", "ComboBox29"};
static_assert(std::size(kArvoListNames) == 21 && std::size(kBexaListNames) == 23);

void SetTag(QWidget* w, int k) { w->setProperty(kTag, 100 + k); }

// The row a control belongs to (its tag - 100), or -1 for a control of no row.
int RowOf(const QObject* w) {
    bool ok = false;
    const int tag = w->property(kTag).toInt(&ok);
    return ok ? tag - 100 : -1;
}

QColor WinColour(std::uint32_t bgr) {
    const rules::Rgb c = rules::FromWindowsColour(bgr);
    return QColor(c.R, c.G, c.B);
}

// The colour of a control's text.  Disabled, a control that takes no input
// looks it: black gives way to the greyed text of its kind, as on the lists
// beside it; a warning colour (the lifting bar's level) shows all the same.
void SetFontColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    const bool plain = c == QColor(Qt::black);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) p.setColor(g, role, c);
        p.setColor(QPalette::Disabled, role,
                   plain ? QApplication::palette(w).color(QPalette::Disabled, role) : c);
    }
    w->setPalette(p);
}

QColor SystemColour(QPalette::ColorRole role) { return QApplication::palette().color(role); }

// A list the user chooses from but cannot type into; code may show a text
// that is none of its items.  An editable list takes the end of an edit
// (Return, or the focus leaving it) as a choice of the item that matches its
// text; with nothing to type that is no choice, and a fill that hides or
// disables the focused list would make one: only the drop-down chooses.
QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* c = formbuild::Named(new QComboBox(parent), name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setReadOnly(true);
    QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
    QObject::disconnect(c->lineEdit(), &QLineEdit::returnPressed, c, nullptr);
    return c;
}

// Focus on a row's list or top-angle control highlights the row's labels.
class RowFocusWatch : public QObject {
public:
    RowFocusWatch(TForm1* form, QWidget* control) : QObject(control), form_(form), control_(control) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn)
            qtapp::RunGuarded([this] { form_->HighlightArrayrowExecute(control_); });
        else if (e->type() == QEvent::FocusOut)
            qtapp::RunGuarded([this] { form_->unhighlightrowExecute(control_); });
        return false;
    }

private:
    TForm1* form_;
    QWidget* control_;
};

void WatchFocus(TForm1* form, QWidget* control) {
    auto* watch = new RowFocusWatch(form, control);
    control->installEventFilter(watch);
    for (QWidget* child : control->findChildren<QWidget*>()) child->installEventFilter(watch);
}

// Shows `text` in a row's list, with the entry that reads the same (blanks
// at either end aside: the models' labels differ in them) made current, so
// that the keys and the opened list step from the value shown; no entry is
// current when the text is none of them.
void ShowInList(QComboBox* c, const QString& text) {
    int entry = -1;
    for (int j = 0; j < c->count() && entry < 0; ++j)
        if (c->itemText(j).trimmed() == text.trimmed()) entry = j;
    c->setCurrentIndex(entry);
    c->setEditText(text);
}

QGroupBox* BoxOf(QObject* w) {
    for (QObject* p = w; p != nullptr; p = p->parent())
        if (auto* g = qobject_cast<QGroupBox*>(p)) return g;
    return nullptr;
}

void SplayLabels(const TBox& box, TTextList& into) {
    for (int j = 0; j < box.SplayCount; ++j) into.Add(box.SplayTexts[j]);
}

QStringList Items(const TTextList& l) {
    QStringList out;
    for (const std::string& s : l) out.append(QString::fromStdString(s));
    return out;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string AngleText(double degrees) { return rtl::FormatFixed(degrees, 3, 1); }

TBox& Current(TLoudspeakerArray& a) {
    if (a.CurrentBox == nullptr) throw rtl::RuntimeError(1, "The array has no current cabinet");
    return *a.CurrentBox;
}

TGroundStackBar& StackBar(TLoudspeakerArray& a) {
    if (a.GroundStackBar == nullptr) throw rtl::RuntimeError(1, "The array has no ground-stack bar");
    return *a.GroundStackBar;
}

}  // namespace

void TForm1::BuildArrayRows() {
    const auto buildBox = [this](QGroupBox* box, auto& labels, auto& lists, const auto& names,
                                 const char* labelPrefix) {
        for (std::size_t k = 0; k < labels.size(); ++k) {
            const int y = RowTop(static_cast<int>(k));
            const std::string name = labelPrefix + std::to_string(k);
            QLabel* l = formbuild::Make<QLabel>(box, name.c_str());
            l->setGeometry(6, y, 28, kRowHeight);
            SetTag(l, static_cast<int>(k));
            labels[k] = l;
            if (k == 0) continue;
            QComboBox* c = MakeList(box, names[k - 1]);
            c->setGeometry(36, y, 100, kRowHeight);
            SetTag(c, static_cast<int>(k));
            SetTag(c->lineEdit(), static_cast<int>(k));
            lists[k - 1] = c;
        }
    };
    buildBox(arvoGB, ArvoRowLabels, ArvoLists, kArvoListNames, "ArvoRowLab");
    buildBox(BexaGB, BexaRowLabels, BexaLists, kBexaListNames, "BexaRowLab");

    const auto topAngle = [this](QGroupBox* box, const char* edit, const char* upDown,
                                 QLineEdit* TForm1::*e, qtapp::UpDown* TForm1::*u) {
        this->*e = formbuild::Make<QLineEdit>(box, edit);
        (this->*e)->setGeometry(36, kRowTop, 60, kRowHeight);
        (this->*e)->setReadOnly(true);
        SetTag(this->*e, 0);
        this->*u = formbuild::Make<qtapp::UpDown>(box, upDown);
        (this->*u)->move(98, kRowTop);
        // The position only carries the presses; the angle is the splay list's.
        (this->*u)->SetRange(-30000, 30000);
        (this->*u)->SetPosition(0);
        SetTag(this->*u, 0);
    };
    topAngle(arvoGB, "A0ed", "A0sp", &TForm1::A0ed, &TForm1::A0sp);
    topAngle(BexaGB, "A0Cedit", "A0lsp", &TForm1::A0Cedit, &TForm1::A0lsp);

    std::vector<QComboBox*> lists(ArvoLists.begin(), ArvoLists.end());
    lists.insert(lists.end(), BexaLists.begin(), BexaLists.end());
    for (QComboBox* c : lists) {
        qtapp::OnListChoice(c, this, formbuild::UserChoice(this, [this, c] { arraycombochangeExecute(c); }));
        WatchFocus(this, c);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{A0ed, A0sp, A0Cedit, A0lsp}) WatchFocus(this, w);
    for (qtapp::UpDown* u : {A0sp, A0lsp})
        qtapp::OnUpDownClick(u, this, [this, u](qtapp::UDBtnType b) {
            u->SetPosition(0);
            if (TakesUserChoice()) A0spClick(b);
        });
}

// --- the page fill ------------------------------------------------------------

void TForm1::UpdateArrayPage() {
    if (CurrentArray() == nullptr) return;
    // A fill: no list, grid or up/down of the window runs a handler of the
    // user's choice while it sets them.
    const TFillGuard filling(*this);
    // The array is read afresh at every use: a handler that runs while the
    // controls change (a radio checked from code) may rebuild it.
    const auto a = [this]() -> TLoudspeakerArray& { return RequireArray(); };
    const rules::ArrayType type = a().ArrayType();
    const int n1 = FNumBoxes1, n2 = FNumBoxes2, n3 = FNumBoxes3;
    const bool flown = FRigMode == rules::kFlown;
    const bool stacked = FRigMode == rules::kGroundStacked;
    const QColor black = WinColour(rules::kBlack);
    // Checking from code here must not run the rigging handlers: this fill
    // changes no design value but those it sets itself.
    std::vector<std::unique_ptr<QSignalBlocker>> blocks;
    for (QObject* o : std::initializer_list<QObject*>{Gridfrontrad, Gridrearrad, FandRPPrad, liftbarrad,
                                                      lb1prad, Lbshacklerad, lbfrad, lbrrad, GVallrad,
                                                      GVdetailrad})
        blocks.push_back(std::make_unique<QSignalBlocker>(o));

    // Top-angle font; the choice lists L1 to L5.
    SetFontColour(A0ed, black);
    SetFontColour(A0Cedit, black);
    // The choice lists are built afresh on every fill and live only as long
    // as it: the lists of the rows keep their own copies.
    TTextList L1, L2, L3, L4, L5;

    // The note on the downfill model's tilt bar.
    splaycomlab->show();
    switch (type) {
    case rules::type::ArvoGiraF:
        splaycomlab->setText(QStringLiteral("* insert top hole of Gira tilt bar in 6 deg hole of Arvo"));
        break;
    case rules::type::BexaCadri:
        splaycomlab->setText(QStringLiteral("* insert top hole of Cadri tilt bar in 6 deg hole of Bexa"));
        break;
    case rules::type::DoviElka:
    case rules::type::IvorDoviElka:
        splaycomlab->setText(QStringLiteral("* insert top hole of Elka tilt bar in 0 deg hole of Dovi"));
        break;
    default:
        splaycomlab->clear();
    }
    // Captions are set by type below.
    arvoGB->setTitle(QString());
    BexaGB->setTitle(QString());

    // The lists' items.
    a().SelectCabinet(1);
    SplayLabels(Current(a()), L1);
    a().SelectCabinet(n1 + n2);
    // The one entry of the joint under the subwoofers reads the angle that
    // choosing it sets.
    if (type == rules::type::IvorDoviElka)
        L2.Add("0");
    else
        SplayLabels(Current(a()), L2);
    if (type == rules::type::HobaBexa) {
        for (int j = 0; j < AllowedAngles.Count; ++j) L3.Add(rtl::FormatGeneral(AllowedAngles.Angles[j]));
    } else if (type == rules::type::ArvoGiraF || type == rules::type::DoviElka ||
               type == rules::type::BexaCadri) {
        a().SelectCabinet(n1 + 1);
        L3.Add(rtl::FormatGeneral(Current(a()).JoinSplay));
    } else if (type == rules::type::IvorDovi || type == rules::type::IvorElka) {
        a().SelectCabinet(n1 + 1);
        L3.Add("0");
    } else if (type == rules::type::IvorDoviElka) {
        a().SelectCabinet(n1 + n2);
        SplayLabels(Current(a()), L3);
    }
    if (type == rules::type::IvorDoviElka) {
        a().SelectCabinet(n1 + n2 + n3);
        L4.Add(rtl::FormatGeneral(Current(a()).JoinSplay));
        SplayLabels(Current(a()), L5);
    }

    const auto listItems = [&](rules::ListItems items) -> std::optional<QStringList> {
        switch (items) {
        case rules::ListItems::L1: return Items(L1);
        case rules::ListItems::L2: return Items(L2);
        case rules::ListItems::L3: return Items(L3);
        case rules::ListItems::L4: return Items(L4);
        case rules::ListItems::L5: return Items(L5);
        case rules::ListItems::L6: return Items(FTextLists[5]);
        case rules::ListItems::StackBar: return Items(StackBar(a()).Texts);
        case rules::ListItems::Unchanged: break;
        }
        return std::nullopt;
    };
    const auto listColour = [](rules::ListColour c) -> std::optional<QColor> {
        switch (c) {
        case rules::ListColour::MoneyGreen: return WinColour(rules::kMoneyGreen);
        case rules::ListColour::SkyBlue: return WinColour(rules::kSkyBlue);
        case rules::ListColour::Window: return SystemColour(QPalette::Base);
        case rules::ListColour::Unchanged: break;
        }
        return std::nullopt;
    };
    // Every row's label hidden and blank, the lists of rows not in use
    // hidden, every list refilled by rig mode.
    const auto resetBox = [&](rules::RowBox box, auto& labels, auto& lists) {
        for (QLabel* l : labels) {
            l->hide();
            l->clear();
        }
        for (QComboBox* c : lists) {
            // A list the rows keep in use stays shown: hiding it would take
            // the keyboard away from a user stepping it with the keys.
            if (!rules::RowInUse(type, box, RowOf(c), n1, n2, n3)) c->hide();
            const rules::RowList r = rules::RowListFor(type, FRigMode, box, RowOf(c), n1, n2);
            if (std::optional<QStringList> items = listItems(r.Items)) {
                c->clear();
                c->addItems(*items);
            }
            if (std::optional<QColor> colour = listColour(r.Colour)) {
                SetBase(c, *colour);
                SetBase(c->lineEdit(), *colour);
            }
        }
    };
    const auto panelChildren = [](QWidget* panel, bool enabled) {
        for (QWidget* w : panel->findChildren<QWidget*>()) w->setEnabled(enabled);
    };
    for (QWidget* w : std::initializer_list<QWidget*>{A0ed, A0sp, A0Cedit, A0lsp}) w->hide();

    if (flown) {
        // Flown: pick points, no push-over force.
        const bool frontOnly =
            type == rules::type::Hoba || type == rules::type::HobaBexa || type == rules::type::HobaDovi ||
            type == rules::type::Ivor || type == rules::type::IvorDovi || type == rules::type::IvorElka ||
            type == rules::type::IvorDoviElka;
        Gridrearrad->setEnabled(!frontOnly);
        if (frontOnly) FGridPosition = "FRONT";
        panelChildren(pickpanel, true);
        FTedit->setEnabled(false);
        SetBase(FTedit, SystemColour(QPalette::Button));
        FTupdn->setEnabled(false);
        Label62->setEnabled(false);
        panelChildren(Panel18, false);
        panelChildren(Panel19, false);
        FFlab->show();
        FRlab->show();
        fflabh->setEnabled(true);
        frlabh->setEnabled(true);
        resetBox(rules::RowBox::First, ArvoRowLabels, ArvoLists);
        resetBox(rules::RowBox::Second, BexaRowLabels, BexaLists);
        SetBase(A0ed, WinColour(rules::kSkyBlue));
        SetBase(A0Cedit, WinColour(rules::kSkyBlue));
        Label4->show();
        Label6->show();
        GVallrad->setEnabled(true);
        GVallrad->setChecked(true);
        GVdetailrad->setEnabled(false);
        // The detail is zoomed out while flown, as the checked radio says.
        FGridView = 1;
    } else if (stacked) {
        // Stacked: push-over force, no pick points.
        Gridrearrad->setEnabled(false);
        panelChildren(pickpanel, false);
        StaticText5->setEnabled(true);
        panelChildren(Panel18, false);
        panelChildren(Panel19, false);
        FTedit->setEnabled(true);
        SetBase(FTedit, SystemColour(QPalette::Base));
        FTupdn->setEnabled(true);
        FTedit->setText(Q(rtl::FloatToStr(FFTValue)));
        FTupdn->SetPosition(rtl::Round(FFTValue));
        Label62->setEnabled(true);
        FFlab->hide();
        FRlab->hide();
        fflabh->setEnabled(false);
        frlabh->setEnabled(false);
        SetBase(A0ed, SystemColour(QPalette::Base));
        SetBase(A0Cedit, SystemColour(QPalette::Base));
        resetBox(rules::RowBox::First, ArvoRowLabels, ArvoLists);
        resetBox(rules::RowBox::Second, BexaRowLabels, BexaLists);
        Label4->hide();
        Label6->hide();
        GVallrad->setEnabled(true);
        GVdetailrad->setEnabled(type != rules::type::DoviElka && type != rules::type::BexaCadri);
        pickpanel->setEnabled(true);
        Panel12->setEnabled(true);
    }

    // Captions, the lift-bar radio and the rows in use.
    struct Captions {
        const char* first;
        const char* second;
    };
    static constexpr Captions kCaptions[rules::type::kCount] = {
        {"Arvo", ""},  {"", "Bexa"},      {"Rudd", ""},    {"Arvo", "Bexa"},  {"Rudd", "Bexa"},
        {"", "Hoba"},  {"Hoba", "Bexa"},  {"", "Dovi"},    {"Rudd", "Arvo"},  {"Bexa", "Dovi"},
        {"Hoba", "Dovi"}, {"Arvo", "Gira"}, {"", "Elka"},  {"Dovi", "Elka"},  {"Ivor", ""},
        {"Ivor", "Dovi"}, {"Ivor", "Elka"}, {"Ivor", "Dovi+Elka"}, {"Bexa", "Cadri"}};
    arvoGB->setTitle(QString::fromLatin1(kCaptions[TypeCodeOf(type)].first));
    BexaGB->setTitle(QString::fromLatin1(kCaptions[TypeCodeOf(type)].second));
    switch (type) {
    case rules::type::Arvo:
    case rules::type::Rudd:
    case rules::type::ArvoBexa:
    case rules::type::RuddBexa:
    case rules::type::ArvoGiraF:
    case rules::type::RuddArvo:
        liftbarrad->setEnabled(false);
        break;
    case rules::type::Ivor:
        liftbarrad->setEnabled(true);
        break;
    default:
        break;
    }

    // The rows in use, filled.
    const bool manual = FAutoDesign == 0;
    // What row k's list shows; the cabinet of row k is selected afterwards.
    const auto shownInRow = [&](int k) -> std::string {
        const rules::RowText t = rules::RowTextFor(type, FRigMode, k, n1, n2);
        switch (t.Shows) {
        case rules::RowShows::SplayLabel:
            a().SelectCabinet(t.Element);
            return Current(a()).SplayTexts[FSplay->ChoiceIndex[k]];
        case rules::RowShows::StackBarValue:
            a().SelectCabinet(t.Element);
            return StackBar(a()).CurrentValueText();
        case rules::RowShows::JoinAngle:
            a().SelectCabinet(t.Element);
            return rtl::FormatGeneral(Current(a()).JoinSplay);
        case rules::RowShows::AllowedAngle:
            return rtl::FormatGeneral(AllowedAngles.ChosenAngle());
        case rules::RowShows::SplayAngle:
            return rtl::FormatGeneral(FSplay->Angle[k]);
        }
        return std::string();
    };
    const auto rowText = [&](int k) {
        std::string text = shownInRow(k);
        a().SelectCabinet(k);
        return text;
    };
    const auto fillBox = [&](rules::RowBox box, auto& labels, auto& lists, QLineEdit* edit,
                             qtapp::UpDown* upDown) {
        for (QLabel* l : labels) {
            const int k = RowOf(l);
            if (!rules::RowInUse(type, box, k, n1, n2, n3)) continue;
            l->setText(Q(rules::RowNumber(type, FRigMode, box, k, n1)));
            l->show();
        }
        for (QComboBox* c : lists) {
            const int k = RowOf(c);
            if (!rules::RowInUse(type, box, k, n1, n2, n3)) continue;
            ShowInList(c, Q(rowText(k)));
            c->setEnabled(manual);
            c->show();
        }
        if (rules::RowInUse(type, box, 0, n1, n2, n3)) {
            double top = 0.0;
            if (flown) {
                top = FSplay->Angle[0];
                if (type == rules::type::Elka) top -= Current(a()).BottomFaceAngle;
            } else {
                top = a().Tilt[0];
            }
            edit->setText(Q(AngleText(top)));
            edit->setEnabled(manual);
            upDown->setEnabled(manual);
            edit->show();
            upDown->show();
        }
    };
    fillBox(rules::RowBox::First, ArvoRowLabels, ArvoLists, A0ed, A0sp);
    fillBox(rules::RowBox::Second, BexaRowLabels, BexaLists, A0Cedit, A0lsp);

    // The grid position.
    const bool front = FGridPosition == "FRONT";
    if (front || FGridPosition == "REAR") {
        gridposimg->SetPicture((front ? gridfrontimg : gridrearimg)->Picture());
        Gridfrontrad->setChecked(front);
        Gridrearrad->setChecked(!front);
    }

    // The pick option.
    const auto show = [](std::initializer_list<QWidget*> ws, bool on) {
        for (QWidget* w : ws) w->setVisible(on);
    };
    const auto enable = [](std::initializer_list<QWidget*> ws, bool on) {
        for (QWidget* w : ws) w->setEnabled(on);
    };
    const auto checkSide = [this] {
        if (FLiftBarPosition == 1) lbfrad->setChecked(true);
        if (FLiftBarPosition == 2) lbrrad->setChecked(true);
    };
    switch (FPickOption) {
    case 1:
        SetFontColour(A0ed, black);
        SetFontColour(A0Cedit, black);
        ApplyAngBut->setEnabled(false);
        FandRPPrad->setChecked(true);
        liftbarrad->setChecked(false);
        enable({Lbshacklerad, lb1prad, lbrrad, lbfrad, nearholelab, ActAng}, false);
        show({bestholelab, bestanglab}, false);
        show({FRlab, FFlab, fflabh, frlabh}, true);
        break;
    case 4: {
        // Apply sets the angle of the best hole: there is nothing to apply
        // while no hole is usable.
        ApplyAngBut->setEnabled(FReadout->BestHole() >= 0);
        enable({Lbshacklerad, lb1prad}, true);
        lb1prad->setChecked(true);
        FandRPPrad->setChecked(false);
        liftbarrad->setEnabled(true);
        liftbarrad->setChecked(true);
        enable({lbrrad, lbfrad, nearholelab, ActAng}, true);
        show({ActAng, bestanglab, nearholelab, bestholelab}, true);
        show({FRlab, FFlab, fflabh, frlabh}, false);
        checkSide();
        const QColor level =
            WinColour(rules::LiftBarLevelColour(FSplay->Angle[0], FReadout->LiftBarAngle()));
        SetFontColour(A0ed, level);
        SetFontColour(A0Cedit, level);
        break;
    }
    case 5:
        SetFontColour(A0ed, black);
        SetFontColour(A0Cedit, black);
        ApplyAngBut->setEnabled(false);
        show({ActAng, bestanglab, nearholelab, bestholelab}, false);
        enable({Lbshacklerad, liftbarrad}, true);
        Lbshacklerad->setChecked(true);
        liftbarrad->setChecked(true);
        enable({lb1prad, lbrrad, lbfrad}, true);
        checkSide();
        show({FRlab, FFlab, fflabh, frlabh}, true);
        break;
    default:
        break;
    }

    // The readouts: nothing of the rig before the first design.
    if (FNoDesign == 0) {
    const bool metric = FMetric != 0;
    const auto mass = [metric](double kg) { return units::MassText(kg, metric, 4, 0); };
    const auto length = [metric](double m) { return units::LengthText(m, metric, 4, 1); };
    Label77->setText(Q("Angle bottom of last box with Hor " + rtl::FormatFixed(FReadout->BottomAngle(), 4, 1) +
                       " deg"));
    MTOTlab->setText(Q(mass(FReadout->Mass())));
    FFlab->setText(Q(mass(FReadout->FrontPickLoad())));
    FRlab->setText(Q(mass(FReadout->RearPickLoad())));
    Label4->setText(Q("Highest point on grid (X) = " + length(FVenue->TopHeight)));
    Label5->setText(Q("Height of top Cab front edge (Y) = " +
                      length(flown ? FVenue->ArrayHeight : FVenue->TopHeight)));
    Label6->setText(Q("Height bottom Cab front edge (Z) = " + length(FVenue->LowestHeight)));
    }

    // The detail drawing.
    DrawGridDetail(FGridView);

    // The combination grid.
    KelvarCB->setVisible(!(type == rules::type::Arvo || type == rules::type::Rudd ||
                           type == rules::type::ArvoBexa || type == rules::type::RuddArvo ||
                           type == rules::type::ArvoGiraF || type == rules::type::RuddBexa));

    // Stacked, both top-angle edits show the first cabinet's tilt.
    if (stacked) {
        A0ed->setText(Q(AngleText(a().Tilt[0])));
        A0Cedit->setText(Q(AngleText(a().Tilt[0])));
    }
}

// --- splay angle entry ----------------------------------------------------------

void TForm1::arraycombochangeExecute(QObject* sender) {
    ++ArrayListChoices;
    auto* list = qobject_cast<QComboBox*>(sender);
    if (list == nullptr || CurrentArray() == nullptr) return;
    const int i = RowOf(list);
    const int k = list->currentIndex();
    TSplay& splay = *FSplay;
    {
        // The choice goes into the splay list; the array it was read from is
        // rebuilt by the hand-over below.
        TLoudspeakerArray& a = RequireArray();
        const rules::ListChoice choice =
            rules::ListChoiceFor(a.ArrayType(), FRigMode, i, FNumBoxes1, FNumBoxes2);
        switch (choice.Target) {
        case rules::ListTarget::Nothing:
            break;
        case rules::ListTarget::AllowedAngle:
            splay.Angle[i] = AllowedAngles.Angles[k];
            AllowedAngles.ChosenIndex = k;
            break;
        case rules::ListTarget::JunctionAngle:
            a.SelectCabinet(choice.Cabinet);
            splay.Angle[i] = Current(a).JoinSplay;
            splay.ChoiceIndex[i] = 0;
            if (choice.ThenSelect != 0) a.SelectCabinet(choice.ThenSelect);
            break;
        case rules::ListTarget::ZeroJunction:
            a.SelectCabinet(choice.Cabinet);
            splay.Angle[i] = 0.0;
            splay.ChoiceIndex[i] = 0;
            break;
        case rules::ListTarget::GroundStackHole: {
            TGroundStackBar& bar = StackBar(a);
            const double angle = bar.Angles[k];
            bar.CurrentIndex = k;
            splay.Angle[i] = angle;
            break;
        }
        case rules::ListTarget::SplayStep:
            rtl::CheckIndex(k, 0, 8);
            splay.ChoiceIndex[i] = k;
            a.SelectCabinet(choice.Cabinet);
            splay.Angle[i] = Current(a).SplayAngles[splay.ChoiceIndex[i]];
            break;
        }
    }

    PassValuesToVenue();
    DrawRigSideView();
    DrawGridDetail(FGridView);
    RedrawWithAngles();
    if (FRigMode == rules::kGroundStacked) {
        const QString tilt = Q(AngleText(RequireArray().Tilt[0]));
        A0ed->setText(tilt);
        A0Cedit->setText(tilt);
    }
    ShowRiggingLoads();
    FVenue->UpdateArrayAngles();
}

void TForm1::A0spClick(qtapp::UDBtnType button) {
    if (CurrentArray() == nullptr) return;
    const int direction = button == qtapp::UDBtnType::Next ? +1 : -1;
    {
        // The step goes into the splay list; the redraw rebuilds the array.
        TLoudspeakerArray& a = RequireArray();
        a.SelectCabinet(0);
        if (FRigMode == rules::kFlown) {
            FSplay->Angle[0] = rules::StepGridAngle(FSplay->Angle[0], direction);
        } else if (FRigMode == rules::kGroundStacked) {
            const TBox& box = Current(a);
            FSplay->ChoiceIndex[0] = rules::StepIndex(FSplay->ChoiceIndex[0], direction, box.SplayCount);
            FSplay->Angle[0] = box.SplayAngles[FSplay->ChoiceIndex[0]];
        }
    }
    RedrawWithAngles();
    ShowRiggingLoads();
    FormPaint(A0sp);
    if (FRigMode == rules::kGroundStacked) {
        const QString tilt = Q(AngleText(RequireArray().Tilt[0]));
        A0ed->setText(tilt);
        A0Cedit->setText(tilt);
    }
}

// --- row highlighting -----------------------------------------------------------

void TForm1::HighlightArrayrowExecute(QObject* sender) {
    QGroupBox* box = BoxOf(sender);
    if (box == nullptr) return;
    const int row = RowOf(sender);
    for (QLabel* l : box->findChildren<QLabel*>())
        if (RowOf(l) == row) SetFontColour(l, SystemColour(QPalette::Highlight));
}

void TForm1::unhighlightrowExecute(QObject* sender) {
    QGroupBox* box = BoxOf(sender);
    if (box == nullptr) return;
    for (QLabel* l : box->findChildren<QLabel*>()) SetFontColour(l, SystemColour(QPalette::WindowText));
}
