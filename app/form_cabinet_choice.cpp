// The cabinet choice: one radio per array type on the "Single" and "Mixed"
// pages, the touring / install choice, the counts of up to three cabinet
// models with their up/downs and limits, the Hoba match and the clear
// buttons.  Every choice ends in Recalculate.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "app/background1.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/rules/count_limits.h"
#include "app/rules/venue_page_layout.h"
#include "app/form_build.h"
#include "model/hardware/box.h"
#include "venue/model/venue.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/updown.h"

namespace {

using formbuild::Spec;

// What a type's choice does to the rig, by rig mode.
enum class RigChoice : uint8_t {
    None,
    StackedSet,          // stacked: the stack settings
    FrontRearThenStack,  // front and rear picks (flown: pick option 1); stacked: the stack settings
    FrontRearThenStackFT,  // as above, and the stacked test force 200
    FlownFrontRear,      // always flown with front and rear picks
    FlownFrontRearFront, // as above, grid at the front
    StackUnlessFlown,    // flown: front and rear picks, lift-bar side cleared; else the stack settings
    FrontRearAlways,     // front and rear picks; pick option 1 when flown
    FrontRearCovStart,   // as above, and the coverage start up/down follows
};

struct ChoiceRow {
    QRadioButton* TForm1::*radio;
    const char* name;
    const char* caption;
    bool mixedPage;
    TArrayType type;
    formbuild::Place at;
    RigChoice rig;
    bool clearSplay;  // the splay angles go back to zero first
};

using T = TArrayType;
using RC = RigChoice;

constexpr ChoiceRow kChoices[] = {
    {&TForm1::allarvorad, "allarvorad", "Arvo", false, T::Arvo, {4, 4, 70, 20}, RC::StackedSet, false},
    {&TForm1::allbexarad, "allbexarad", "Bexa", false, T::Bexa, {4, 24, 70, 20}, RC::FrontRearThenStack, false},
    {&TForm1::alldovirad, "alldovirad", "Dovi", false, T::Dovi, {4, 44, 70, 20}, RC::FrontRearThenStackFT, false},
    {&TForm1::AllElkarad, "AllElkarad", "Elka", false, T::Elka, {4, 64, 70, 20}, RC::FrontRearThenStackFT, false},
    {&TForm1::allruddrad, "allruddrad", "Rudd", false, T::Rudd, {80, 4, 70, 20}, RC::StackedSet, true},
    {&TForm1::allarvoxrad, "allarvoxrad", "Hoba", false, T::Hoba, {80, 24, 70, 20}, RC::FlownFrontRear, true},
    {&TForm1::allivorrad, "allivorrad", "Ivor", false, T::Ivor, {80, 44, 70, 20}, RC::FlownFrontRearFront, false},
    {&TForm1::mixarvobexarad, "mixarvobexarad", "Arvo Bexa", true, T::ArvoBexa, {4, 4, 100, 20}, RC::None, false},
    {&TForm1::mixarvogirafrad, "mixarvogirafrad", "Arvo Gira", true, T::ArvoGiraF, {4, 24, 100, 20}, RC::None, false},
    {&TForm1::mixBexaCadrirad, "mixBexaCadrirad", "Bexa Cadri", true, T::BexaCadri, {4, 44, 100, 20}, RC::StackUnlessFlown, false},
    {&TForm1::mixbexadoviRAD, "mixbexadoviRAD", "Bexa Dovi", true, T::BexaDovi, {4, 64, 100, 20}, RC::None, false},
    {&TForm1::mixdovielkarad, "mixdovielkarad", "Dovi Elka", true, T::DoviElka, {106, 4, 100, 20}, RC::StackUnlessFlown, false},
    {&TForm1::mixruddarvorad, "mixruddarvorad", "Rudd Arvo", true, T::RuddArvo, {106, 24, 100, 20}, RC::None, false},
    {&TForm1::mixruddbexarad, "mixruddbexarad", "Rudd Bexa", true, T::RuddBexa, {106, 44, 100, 20}, RC::None, false},
    {&TForm1::mixarvoxbexarad, "mixarvoxbexarad", "Hoba Bexa", true, T::HobaBexa, {106, 64, 100, 20}, RC::FrontRearAlways, false},
    {&TForm1::mixhobadovirad, "mixhobadovirad", "Hoba Dovi", true, T::HobaDovi, {208, 4, 110, 20}, RC::FrontRearAlways, false},
    {&TForm1::mixivordovirad, "mixivordovirad", "Ivor Dovi", true, T::IvorDovi, {208, 24, 110, 20}, RC::FrontRearAlways, false},
    {&TForm1::MIXIVORELKARAD, "MIXIVORELKARAD", "Ivor Elka", true, T::IvorElka, {208, 44, 110, 20}, RC::FrontRearCovStart, false},
    {&TForm1::MIXIVORDOVIELKARAD, "MIXIVORDOVIELKARAD", "Ivor Dovi Elka", true, T::IvorDoviElka, {208, 64, 120, 20}, RC::FrontRearCovStart, false},
};

// The types install rigging does not allow (the others stay choosable).
constexpr TArrayType kTouringOnly[] = {
    T::Arvo, T::Rudd, T::Hoba, T::Ivor, T::ArvoBexa, T::RuddArvo, T::ArvoGiraF, T::RuddBexa,
    T::HobaBexa, T::BexaDovi, T::HobaDovi, T::IvorDovi, T::IvorElka, T::IvorDoviElka,
};

namespace page = rules::venuepage;
constexpr formbuild::Place CountPanel(int k) {
    return {page::kCabinetChoice.Left + k * page::kCountPanelPitch, page::kCountTop,
            page::kCountPanelWidth, page::kCountPanelHeight};
}
constexpr formbuild::Place PlaceOf(rules::Box b) { return {b.Left, b.Top, b.Width, b.Height}; }

constexpr Spec<QWidget> kPanels[] = {
    {&TForm1::Numbox1pan, "Numbox1pan", nullptr, CountPanel(0)},
    {&TForm1::NumBox2Pan, "NumBox2Pan", nullptr, CountPanel(1)},
    {&TForm1::Numbox3Pan, "Numbox3Pan", nullptr, CountPanel(2)},
};

constexpr Spec<QRadioButton> kModeRadios[] = {
    {&TForm1::tourrad, "tourrad", "Touring", PlaceOf(page::kTouring)},
    {&TForm1::installrad, "installrad", "Install", PlaceOf(page::kInstall)},
};

struct CountRow {
    QWidget* TForm1::*panel;
    QLabel* TForm1::*label;
    const char* labelName;
    const char* caption;
    QLineEdit* TForm1::*edit;
    const char* editName;
    qtapp::UpDown* TForm1::*upDown;
    const char* upDownName;
};

constexpr CountRow kCountRows[] = {
    {&TForm1::Numbox1pan, &TForm1::NumBox1Lab, "NumBox1Lab", "Num Arvo", &TForm1::NumBoxes,
     "NumBoxes", &TForm1::numbox1updn, "numbox1updn"},
    {&TForm1::NumBox2Pan, &TForm1::numbox2lab, "numbox2lab", "Num Bexa", &TForm1::NUMxaED,
     "NUMxaED", &TForm1::numbox2updn, "numbox2updn"},
    {&TForm1::Numbox3Pan, &TForm1::numbox3lab, "numbox3lab", "Num box3", &TForm1::numbox3ed,
     "numbox3ed", &TForm1::numbox3updn, "numbox3updn"},
};

constexpr formbuild::On<qtapp::UpDown> kUpDownHandlers[] = {
    {&TForm1::numbox1updn, &TForm1::numbox1updnClick},
    {&TForm1::numbox2updn, &TForm1::numbox2updnClick},
    {&TForm1::numbox3updn, &TForm1::numbox3updnClick},
    {&TForm1::numhobaupdn, &TForm1::numhobaupdnClick},
};
constexpr formbuild::On<QRadioButton> kRadioHandlers[] = {
    {&TForm1::installrad, &TForm1::installradClick},
    {&TForm1::tourrad, &TForm1::tourradClick},
};
constexpr formbuild::On<QPushButton> kButtonHandlers[] = {
    {&TForm1::matchhobabut, &TForm1::matchhobabutClick},
    {&TForm1::clearsingle, &TForm1::clearsingleClick},
    {&TForm1::clearmix, &TForm1::clearmixClick},
};

// The count labels' model names, by TCabinetModel.
constexpr const char* kModelNames[] = {"",     "Arvo", "Bexa", "Rudd", "Hoba",
                                       "Dovi", "Gira", "Elka", "Ivor", "Cadri"};

const ChoiceRow* RowOf(const TForm1& f, const QRadioButton* radio) {
    for (const ChoiceRow& r : kChoices)
        if (f.*r.radio == radio) return &r;
    return nullptr;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TForm1::BuildCabinetChoice() {
    // The panel takes the page control's place; the page control fills it.
    Panel10 = formbuild::Make<QWidget>(VenueTab, "Panel10");
    formbuild::PlaceAt(Panel10, PlaceOf(page::kCabinetChoice));
    boxchoicePC = formbuild::Make<QTabWidget>(Panel10, "boxchoicePC");
    boxchoicePC->setGeometry(0, 0, page::kCabinetChoice.Width, page::kCabinetChoice.Height);
    Singlets = formbuild::Make<QWidget>(nullptr, "Singlets");
    Mixedts = formbuild::Make<QWidget>(nullptr, "Mixedts");
    boxchoicePC->addTab(Singlets, QStringLiteral("Single"));
    boxchoicePC->addTab(Mixedts, QStringLiteral("Mixed"));
    for (const ChoiceRow& r : kChoices) {
        auto* radio = formbuild::Make<QRadioButton>(r.mixedPage ? Mixedts : Singlets, r.name,
                                                    r.caption);
        formbuild::PlaceAt(radio, r.at);
        // The two pages are one choice: a radio's checked state is managed
        // by the handlers, not by its siblings.
        radio->setAutoExclusive(false);
        this->*r.radio = radio;
    }
    allarvorad->setChecked(true);
    matchhobabut = formbuild::Make<QPushButton>(Singlets, "matchhobabut", "Match");
    matchhobabut->setGeometry(160, 30, 60, 24);
    numhobaed = formbuild::Make<QLineEdit>(Singlets, "numhobaed", "10");
    numhobaed->setGeometry(222, 31, 32, 22);
    numhobaed->setReadOnly(true);
    numhobaupdn = formbuild::Make<qtapp::UpDown>(Singlets, "numhobaupdn");
    numhobaupdn->move(256, 31);
    numhobaupdn->SetRange(1, 12);
    clearsingle = formbuild::Make<QPushButton>(Singlets, "clearsingle", "0");
    clearsingle->setGeometry(160, 4, 24, 22);
    clearsingle->hide();
    clearmix = formbuild::Make<QPushButton>(Mixedts, "clearmix", "0");
    clearmix->setGeometry(300, 90, 24, 22);
    SplayHobalab = formbuild::Make<QLabel>(Mixedts, "SplayHobalab", "Splay Hoba");
    SplayHobalab->setGeometry(4, 90, 80, 20);
    SplayHobachk = formbuild::Make<QCheckBox>(Mixedts, "SplayHobachk");
    SplayHobachk->setGeometry(86, 90, 20, 20);

    formbuild::Build(*this, VenueTab, kPanels);
    for (const CountRow& c : kCountRows) {
        QWidget* panel = this->*c.panel;
        this->*c.label = formbuild::Make<QLabel>(panel, c.labelName, c.caption);
        (this->*c.label)->setGeometry(0, 2, 56, 20);
        this->*c.edit = formbuild::Make<QLineEdit>(panel, c.editName, "10");
        (this->*c.edit)->setGeometry(56, 0, 32, 22);
        (this->*c.edit)->setReadOnly(true);
        this->*c.upDown = formbuild::Make<qtapp::UpDown>(panel, c.upDownName);
        (this->*c.upDown)->move(90, 0);
    }
    NUMxaED->setText(QStringLiteral("0"));
    numbox3ed->setText(QStringLiteral("0"));
    numbox1updn->SetRange(1, 16);
    numbox2updn->SetRange(0, 0);
    numbox3updn->SetRange(0, 0);
    NumBox2Pan->hide();
    Numbox3Pan->hide();
    numbox2lab->hide();
    numbox3lab->hide();

    formbuild::Build(*this, VenueTab, kModeRadios);
    // The pair is one choice of its own, apart from the page's other radios.
    tourrad->setAutoExclusive(false);
    installrad->setAutoExclusive(false);
    tourrad->setChecked(true);

    // The handlers, connected now: nothing the construction does checks a
    // type radio or presses an up/down.
    for (const ChoiceRow& r : kChoices) {
        QRadioButton* radio = this->*r.radio;
        qtapp::OnRadioClick(radio, this, [this, radio] { CabinetChoiceClick(radio); });
    }
    qtapp::OnCheckChange(SplayHobachk, this, [this] { SplayHobachkClick(); });
    connect(boxchoicePC, &QTabWidget::currentChanged, this,
            qtapp::Guarded([this] { boxchoicePCChange(); }));
    formbuild::Connect(*this, kRadioHandlers);
    formbuild::Connect(*this, kUpDownHandlers);
    formbuild::Connect(*this, kButtonHandlers);
}

// --- the type radios ---------------------------------------------------------

void TForm1::CabinetChoiceClick(QRadioButton* radio) {
    ++FCabinetHandlerRuns;
    const ChoiceRow* row = RowOf(*this, radio);
    if (row == nullptr) return;
    const TArrayTypeInfo& info = ArrayTypeInfo(row->type);
    const int models = info.ModelCount();
    if (models == 1) ShowOneTypeControls();
    else if (models == 2) ShowTwoTypeControls();
    else ShowThreeTypeControls();
    // One choice per page; the other page is cleared when it is turned to.
    for (const ChoiceRow& r : kChoices)
        if (r.mixedPage == row->mixedPage && this->*r.radio != radio)
            (this->*r.radio)->setChecked(false);
    if (FSuppressChoice == 1) return;

    FMixedChoice = row->mixedPage ? 1 : 0;
    FHobaMatched = 0;
    const bool mixStaysFlown =
        models > 1 && row->rig != RC::StackUnlessFlown;  // every mix but the two stackable
    if (mixStaysFlown)
        flyrad->setChecked(true);
    FChangingType = 1;
    struct Reset {
        uint8_t& flag;
        ~Reset() { flag = 0; }
    } changing{FChangingType};
    tbauto->setChecked(true);
    if (row->clearSplay) FVenue->ClearSplay();

    FArrayType = std::string(info.Name);
    FVenue->SetArrayType(FArrayType);
    for (int k = 0; k < models; ++k) {
        const auto m = static_cast<std::size_t>(info.Models[static_cast<std::size_t>(k)]);
        QLabel* l = k == 0 ? NumBox1Lab : k == 1 ? numbox2lab : numbox3lab;
        l->setText(QStringLiteral("Num ") + QString::fromLatin1(kModelNames[m]));
    }
    if (models < 2) FNumBoxes2 = 0;
    if (models < 3) FNumBoxes3 = 0;
    SetBoxLimits();

    auto pickFrontRear = [this](bool setOption) {
        if (setOption) FPickOption = 1;
        FandRPPrad->setChecked(true);
    };
    auto coverageStartPosition = [this] {
        if (FCoverageStep > 0.0) covstartupdn->SetPosition(rtl::Round(FCovStart / FCoverageStep));
    };
    auto stackedSet = [&] {
        FArrayHeight = 2.0;
        FGridPosition = "FRONT";
        FPickOption = 6;
        coverageStartPosition();
    };
    const bool flown = FRigMode == 1, stacked = FRigMode == 2;
    switch (row->rig) {
        case RC::None: break;
        case RC::StackedSet:
            if (stacked) stackedSet();
            break;
        case RC::FrontRearThenStack:
        case RC::FrontRearThenStackFT:
            pickFrontRear(flown);
            if (stacked) {
                stackedSet();
                if (row->rig == RC::FrontRearThenStackFT) FFTValue = 200.0;
            }
            break;
        case RC::FlownFrontRear:
        case RC::FlownFrontRearFront:
            FRigMode = 1;
            pickFrontRear(true);
            if (row->rig == RC::FlownFrontRearFront) FGridPosition = "FRONT";
            break;
        case RC::StackUnlessFlown:
            // The rig starts from the front and rear picks; a lifting bar
            // chosen later stays through every recalculation.
            if (flown) {
                pickFrontRear(true);
                FLiftBarPosition = 0;
            } else {
                stackedSet();
            }
            break;
        case RC::FrontRearAlways:
        case RC::FrontRearCovStart:
            pickFrontRear(flown);
            if (row->rig == RC::FrontRearCovStart) coverageStartPosition();
            break;
    }
    FChangingType = 0;
    if (FNoDesign != 1) Recalculate();
    if (models == 3) {
        numbox3lab->show();
        Numbox3Pan->show();
        g3lab->show();
    }
}

void TForm1::SplayHobachkClick() {
    FSplayHoba = SplayHobachk->isChecked() ? 1 : 0;
    if (FNoDesign != 1) Recalculate();
}

// --- panels ---------------------------------------------------------------------

void TForm1::ShowOneTypeControls() {
    Numbox1pan->show();
    NumBox1Lab->show();
    for (QWidget* w : {static_cast<QWidget*>(NumBox2Pan), static_cast<QWidget*>(Numbox3Pan),
                       static_cast<QWidget*>(numbox2lab), static_cast<QWidget*>(numbox3lab)})
        w->hide();
}

void TForm1::ShowTwoTypeControls() {
    for (QWidget* w : {Numbox1pan, NumBox2Pan, static_cast<QWidget*>(NumBox1Lab),
                       static_cast<QWidget*>(numbox2lab)})
        w->show();
    Numbox3Pan->hide();
    numbox3lab->hide();
}

void TForm1::ShowThreeTypeControls() {
    for (QWidget* w : {Numbox1pan, NumBox2Pan, Numbox3Pan, static_cast<QWidget*>(NumBox1Lab),
                       static_cast<QWidget*>(numbox2lab), static_cast<QWidget*>(numbox3lab)})
        w->show();
}

// --- limits ------------------------------------------------------------------------

void TForm1::SetBoxLimits() {
    const std::optional<TArrayType> type =
        FArrayType.empty() ? std::nullopt : FindArrayType(FArrayType);
    if (type) {
        if (const auto l = rules::BoxLimitsFor(*type, FRigMode, FInstallMode == 1)) {
            FBoxMax1 = l->Max1;
            FBoxMin1 = l->Min1;
            FBoxMax2 = l->Max2;
            FBoxMin2 = l->Min2;
            FBoxMax3 = l->Max3;
            FBoxMin3 = l->Min3;
            FBoxMaxTotal = l->MaxTotal;
        }
    }
    const rules::BoxLimits limits{FBoxMax1, FBoxMin1, FBoxMax2, FBoxMin2,
                                  FBoxMax3, FBoxMin3, FBoxMaxTotal};
    numbox1updn->SetRange(FBoxMin1, FBoxMax1);
    numbox2updn->SetRange(FBoxMin2, FBoxMax2);
    numbox3updn->SetRange(FBoxMin3, FBoxMax3);

    const rules::CountBeingChanged changing =
        FBusy1 == 1   ? rules::CountBeingChanged::First
        : FBusy2 == 1 ? rules::CountBeingChanged::Second
        : FBusy3 == 1 ? rules::CountBeingChanged::Third
                      : rules::CountBeingChanged::None;
    // An unknown type keeps its limits and takes the total rule of most types.
    const rules::BoxCounts c = rules::ClampBoxCounts(
        type.value_or(TArrayType::Arvo), limits, {FNumBoxes1, FNumBoxes2, FNumBoxes3}, changing);
    FNumBoxes1 = c.N1;
    FNumBoxes2 = c.N2;
    FNumBoxes3 = c.N3;

    numbox1updn->SetPosition(FNumBoxes1);
    numbox2updn->SetPosition(FNumBoxes2);
    numbox3updn->SetPosition(FNumBoxes3);
    NumBoxes->setText(Q(rtl::IntToStr(FNumBoxes1)));
    NUMxaED->setText(Q(rtl::IntToStr(FNumBoxes2)));
    numbox3ed->setText(Q(rtl::IntToStr(FNumBoxes3)));
}

// --- counts ----------------------------------------------------------------------

namespace {
int Step(qtapp::UDBtnType b) { return b == qtapp::UDBtnType::Next ? 1 : -1; }
}  // namespace

void TForm1::numbox1updnClick(qtapp::UDBtnType button) {
    ++FCabinetHandlerRuns;
    FBusy1 = 1;
    FNumBoxes1 = rtl::CheckedAdd(FNumBoxes1, Step(button));
    SetBoxLimits();
    FBusy1 = 0;
    NumBoxes->setText(Q(rtl::IntToStr(FNumBoxes1)));
    if (FNoDesign == 1) return;
    Recalculate();
    SetupArrayControls();
    // A flown array whose bottom now hangs below the listeners' ears goes up
    // by one cabinet.  Only a designed array has a lowest point to compare.
    if (FVenue->LowestHeight < FP1EarHeight && FVenue->LSArray && FVenue->LSArray->CurrentBox) {
        FArrayHeight += FVenue->LSArray->CurrentBox->FrontHeight;
        Recalculate();
    }
}

void TForm1::numbox2updnClick(qtapp::UDBtnType button) {
    ++FCabinetHandlerRuns;
    FBusy2 = 1;
    FNumBoxes2 = rtl::CheckedAdd(FNumBoxes2, Step(button));
    SetBoxLimits();
    NUMxaED->setText(Q(rtl::IntToStr(FNumBoxes2)));
    FBusy2 = 0;
    if (FNoDesign == 1) return;
    Recalculate();
    SetupArrayControls();
}

void TForm1::numbox3updnClick(qtapp::UDBtnType button) {
    ++FCabinetHandlerRuns;
    FBusy3 = 1;
    struct Clear {
        uint8_t& flag;
        ~Clear() { flag = 0; }
    } busy{FBusy3};
    FNumBoxes3 = rtl::CheckedAdd(FNumBoxes3, Step(button));
    SetBoxLimits();
    if (FNoDesign != 1) {
        Recalculate();
        SetupArrayControls();
    }
    numbox3ed->setText(Q(rtl::IntToStr(FNumBoxes3)));
}

// --- touring and install --------------------------------------------------------

namespace {
void EnableTouringOnly(TForm1& f, bool on) {
    for (TArrayType t : kTouringOnly) f.TypeRadio(t)->setEnabled(on);
    f.EnableHobaMatch(on);
}
}  // namespace

void TForm1::EnableHobaMatch(bool on) {
    // A matched Hoba array is a touring array: Install offers none.
    const bool enabled = on && FInstallMode == 0;
    matchhobabut->setEnabled(enabled);
    numhobaed->setEnabled(enabled);
    numhobaupdn->setEnabled(enabled);
}

void TForm1::ChooseTouring() {
    FInstallMode = 0;
    {
        const QSignalBlocker quiet(tourrad);
        tourrad->setChecked(true);
    }
    installrad->setChecked(false);
    EnableTouringOnly(*this, true);
    SetBoxLimits();
}

void TForm1::installradClick() {
    ++FCabinetHandlerRuns;
    FInstallMode = 1;
    tourrad->setChecked(false);
    EnableTouringOnly(*this, false);
    SetBoxLimits();
    if (FNoDesign != 1) {
        Recalculate();
        Recalculate();
    }
}

void TForm1::tourradClick() {
    ++FCabinetHandlerRuns;
    ChooseTouring();
    if (FNoDesign != 1) {
        Recalculate();
        Recalculate();
    }
}

// --- Hoba match ------------------------------------------------------------------------

void TForm1::numhobaupdnClick(qtapp::UDBtnType button) {
    FNumHoba = rtl::CheckedAdd(FNumHoba, Step(button));
    numhobaed->setText(Q(rtl::IntToStr(FNumHoba)));
}

void TForm1::matchhobabutClick() {
    ShowOneTypeControls();
    if (!FVenue->LSArray) return;
    const uint8_t mainType = FVenue->LSArray->TypeCode;
    if (mainType != TypeCodeOf(TArrayType::Arvo) && mainType != TypeCodeOf(TArrayType::Bexa))
        return;
    bool ok = false;
    const int hoba = numhobaed->text().trimmed().toInt(&ok);
    if (!ok || hoba < 1 || hoba > 12)
        throw rtl::RuntimeError(
            1, "'" + numhobaed->text().toStdString() + "' is not a valid integer value");
    FNumHoba = hoba;
    const int mainCount = FNumBoxes1;
    FNumBoxes1 = FNumHoba;
    FNumBoxes2 = 0;
    FVenue->MatchSubArray(mainType, *FSplay, mainCount, FArrayHeight);
    FHobaMatched = 1;
    FChangingType = 1;
    struct Reset {
        uint8_t& flag;
        ~Reset() { flag = 0; }
    } changing{FChangingType};
    tbman->setChecked(true);
    FVenue->ClearSplay();
    FArrayType = "Hoba";
    NumBox1Lab->setText(QStringLiteral("Num Hoba"));
    FSuppressChoice = 1;
    for (const ChoiceRow& r : kChoices) (this->*r.radio)->setChecked(this->*r.radio == allarvoxrad);
    FSuppressChoice = 0;
    FNumBoxes2 = 0;
    FNumBoxes3 = 0;
    SetBoxLimits();
    FRigMode = 1;
    FPickOption = 1;
    FandRPPrad->setChecked(true);
    FChangingType = 0;
    if (auto* hoba = dynamic_cast<THobaARRAY*>(FVenue->LSArray.get()))
        hoba->MatchToMainArray(*FSplay);
    if (FNoDesign != 1) Recalculate();
}

// --- the type radios by type ----------------------------------------------------

namespace {
// The choices that only hang: offered while flown, greyed while stacked.
constexpr TArrayType kFlownOnly[] = {
    T::HobaBexa, T::RuddBexa, T::RuddArvo, T::ArvoBexa, T::Hoba,     T::Rudd,         T::BexaDovi,
    T::HobaDovi, T::ArvoGiraF, T::Ivor,    T::IvorDovi, T::IvorElka, T::IvorDoviElka,
};
}  // namespace

QRadioButton* TForm1::TypeRadio(TArrayType type) const {
    for (const ChoiceRow& r : kChoices)
        if (r.type == type) return this->*r.radio;
    // Every array type has its row.
    throw rtl::RuntimeError(0, "No radio for the array type " + std::string(ArrayTypeInfo(type).Name));
}

void TForm1::EnableFlownOnlyChoices(bool on) {
    for (TArrayType t : kFlownOnly) TypeRadio(t)->setEnabled(on);
}

// --- clearing and page change --------------------------------------------------

void TForm1::ClearSingleRadios() {
    for (const ChoiceRow& r : kChoices)
        if (!r.mixedPage) (this->*r.radio)->setChecked(false);
}

void TForm1::ClearMixedRadios() {
    for (const ChoiceRow& r : kChoices)
        if (r.mixedPage) (this->*r.radio)->setChecked(false);
}

void TForm1::clearsingleClick() { ClearSingleRadios(); }
void TForm1::clearmixClick() { ClearMixedRadios(); }

void TForm1::boxchoicePCChange() {
    if (FSuppressChoice == 1) return;
    if (FMixedChoice == 1) ClearSingleRadios();
    else ClearMixedRadios();
}
