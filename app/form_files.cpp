// Venue files, mail and web: opening and saving venue files from the tool
// bar and the command line, the question on closing an unsaved design, the
// Support mail with the venue file, and the web site.

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>
#include <filesystem>

#include "model/arrays/arraytypes.h"
#include "app/background1.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "model/hardware/groundstackbar.h"
#include "model/hardware/splay.h"
#include "model/hardware/units.h"
#include "app/mail.h"
#include "app/rules/venue_page_layout.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "app/form_venue_values.h"
#include "app/rules/count_limits.h"
#include "app/rules/ear_height.h"
#include "platform/qtapp/contact.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/shown_tabs.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "venue/file/disk.h"
#include "venue/storage/venue_storage.h"

namespace {

const QString kVenueFilter = QStringLiteral("Venue files (*.ven)|*.VEN");
const QString kMailSubject = QStringLiteral("Orandel 3.04 file");
const QString kMailBody = QStringLiteral("Please see attached ven file");
const QString kMailSenderName = QStringLiteral(" A Customer");

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Only ".ven" in lower case is the extension a save adds.
bool HasVenExtension(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".ven") == 0;
}
std::string FileNameOnly(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Runs `f` on a mouse press of `target`'s label.
class PressFilter : public QObject {
public:
    PressFilter(QObject* owner, std::function<void(Qt::MouseButton)> f)
        : QObject(owner), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress)
            qtapp::RunGuarded([&] { f_(static_cast<QMouseEvent*>(e)->button()); });
        return false;
    }

private:
    std::function<void(Qt::MouseButton)> f_;
};

// Asks the close question before the window's own close handling; a
// refused close never reaches it.
class CloseFilter : public QObject {
public:
    explicit CloseFilter(TForm1* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != form_ || e->type() != QEvent::Close) return false;
        bool allow = false;
        if (!qtapp::RunGuarded([&] { allow = form_->FormCloseQuery(); })) allow = false;
        if (allow) return false;
        e->ignore();
        return true;
    }

private:
    TForm1* form_;
};

constexpr formbuild::On<QToolButton> kFileHandlers[] = {
    {&TForm1::LoadTBut, &TForm1::LoadTButClick},
    {&TForm1::SaveTBut, &TForm1::SaveTButClick},
    {&TForm1::mailtbut, &TForm1::mailtbutClick},
    {&TForm1::webtbut, &TForm1::webtbutClick},
    {&TForm1::PrintTBut, &TForm1::PrintTButClick},
    {&TForm1::PrintSUTBut, &TForm1::PrintSUTButClick},
};

// A loaded array's counts outside the limits of its type for its rig mode
// (install or touring flown), or none.  A file without the third count (the
// layouts before it) reads 0 there: the window gives the array the smallest
// third count its type takes.
std::optional<rules::CountRefusal> LoadedCountsOutside(TArrayType t, const VenueData& values,
                                                       bool install) {
    const std::optional<rules::BoxLimits> limits = rules::BoxLimitsFor(t, values.RigMode, install);
    if (!limits) return std::nullopt;
    const int third = values.NumBoxes3 == 0 ? limits->Min3 : values.NumBoxes3;
    return rules::CountsOutsideLimits(t, *limits, {values.NumBoxes1, values.NumBoxes2, third});
}

// A loaded array's counts are refused, not clamped, where no array of its
// type can have them: the file's array height and angles are those of its
// own counts.  The venue file keeps no touring / install choice, so the
// touring limits, the wider, are the ones a file is held to.
void CheckLoadedCounts(const std::string& type, const VenueData& values) {
    const std::optional<TArrayType> t = FindArrayType(type);
    if (!t) return;
    const std::optional<rules::CountRefusal> r = LoadedCountsOutside(*t, values, false);
    if (!r) return;
    const bool stacked = values.RigMode == rules::kGroundStacked;
    const std::string array = std::string(stacked ? "a ground-stacked " : "a flown ") +
                              std::string(ArrayTypeInfo(*t).Name) + " array";
    const std::string counts[] = {"NumBoxes1 + NumBoxes2 + NumBoxes3", "NumBoxes1", "NumBoxes2", "NumBoxes3"};
    std::string name = counts[r->Count];
    if (r->Count == 0 && *t == TArrayType::IvorDoviElka) name = "NumBoxes2 + NumBoxes3";
    else if (r->Count == 0 && rules::BoxLimitsFor(*t, values.RigMode, false)->Max3 == 0)
        name = "NumBoxes1 + NumBoxes2";
    const std::string why = r->Count == 0
                                ? "more than the " + std::to_string(r->Max) + " cabinets in all of " + array
                                : "outside the " + std::to_string(r->Min) + " to " + std::to_string(r->Max) +
                                      " cabinets of this model in " + array;
    throw rtl::RuntimeError(rtl::RangeError().code(), name + " = " + std::to_string(r->Value) + ": " + why);
}

}  // namespace

std::string StripVenExtension(const std::string& name) {
    return HasVenExtension(name) ? name.substr(0, name.size() - 4) : name;
}

std::string SavedVenueFile(const std::string& chosen) { return StripVenExtension(chosen) + ".ven"; }

void TForm1::BuildFiles() {
    // The caption the Support button hides behind.
    Label30 = formbuild::Make<QLabel>(VenueTab, "Label30", "Venue planes");
    const rules::Box at = rules::venuepage::kVenuePlanesTitle;
    formbuild::PlaceAt(Label30, {at.Left, at.Top, at.Width, at.Height});
    Label30->installEventFilter(
        new PressFilter(Label30, [this](Qt::MouseButton b) { Label30MouseDown(b); }));
    installEventFilter(new CloseFilter(this));
    formbuild::Connect(*this, kFileHandlers);
}

// --- the modified flag --------------------------------------------------------

void TForm1::MarkModified() { FModified = 1; }

void TForm1::DesignSaved() {
    FModified = 0;
    FSaved = 1;
    try {
        FSavedText = VenueFileText(*FVenue, FMailFileName);
    } catch (const std::exception&) {
        FSavedText.clear();
    }
}

bool TForm1::DesignModified() {
    if (FSaved == 0) return true;
    if (FModified == 0) return false;
    // An edit that was taken back, or a change of units, leaves the file
    // as it was saved.
    try {
        return VenueFileText(*FVenue, FMailFileName) != FSavedText;
    } catch (const std::exception&) {
        return true;
    }
}

// --- loading ------------------------------------------------------------------

void TForm1::LoadTButClick() {
    FSuppressChoice = 1;
    struct Restore {
        TForm1& w;
        ~Restore() { w.FSuppressChoice = 0; }
    } restore{*this};
    std::optional<QString> chosen =
        Environment().Services->OpenFileName(QStringLiteral("Open venue"), kVenueFilter, QString());
    // A design not saved as it stands is saved first, or kept, as the user says.
    if (chosen && !chosen->isEmpty() && !SavedBeforeReplacing()) chosen.reset();
    if (chosen && !chosen->isEmpty()) {
        // The chosen file itself: on Linux "hall.VEN" is no "hall.ven".
        const std::string path = chosen->toStdString();
        if (!LoadVenueThreeTimes(path)) return;
        FMailFileName = path;
        FVenueName = FileNameOnly(path);
        setWindowTitle(Q(FVenueName));
        FVenue->VenueName = FVenueName;
    }
    RefreshControls();
    PageControl1->setCurrentWidget(VenueTab);
    FormPaint(LoadTBut);
    if (chosen && !chosen->isEmpty()) LoadedDesignSaved();
}

// Taken as saved only once the window's controls have settled the values
// their array type fixes (the array controls' set-up writes them into the
// window) and the venue holds them too.
void TForm1::LoadedDesignSaved() {
    PassValuesToVenue();
    DesignSaved();
}

void TForm1::LoadVenueFromCommandLine(const std::string& path) {
    // What saves of this file killed before their end left behind.
    venuefile::RemoveSaveLeftovers(path);
    if (!LoadVenueThreeTimes(path)) return;
    FMailFileName = path;
    RefreshControls();
    PageControl1->setCurrentWidget(VenueTab);
    FViewFlags[10] = 1;
    FormPaint(Timer1);
    LoadedDesignSaved();
}

bool TForm1::LoadVenueThreeTimes(const std::string& path) {
    // The file is read whole and checked before anything changes: a file
    // the venue or the window refuses leaves both as they were, and the
    // error is shown.
    std::string contents;
    try {
        contents = ReadLoadableVenueFile(path);
    } catch (const std::exception& e) {
        Environment().Services->ShowError(QString::fromUtf8(e.what()));
        return false;
    }
    // Should a pass fail all the same, the venue and the window's values
    // are put back as they were.
    const VenueData before = venuevalues::FromWindow(*this);
    const std::string title = windowTitle().toStdString();
    const uint8_t mixed = FMixedChoice;
    TVenueSnapshot snapshot(*FVenue, FSplay.get());
    try {
        for (int pass = 0; pass < 3; ++pass) LoadVenueFile(path, contents);
        HandPlaneToCalculator();
        return true;
    } catch (const std::exception& e) {
        snapshot.Restore();
        venuevalues::ToWindow(*this, before);
        FMixedChoice = mixed;
        // A pass that failed late has set controls from the file already:
        // they show the values put back, and no handler the choices run is
        // left to change those values.
        try {
            const uint8_t suppress = FSuppressChoice;
            FSuppressChoice = 1;
            SelectArrayTypeControl();
            ShowLoadedControls();
            FSuppressChoice = suppress;
        } catch (const std::exception&) {
        }
        venuevalues::ToWindow(*this, before);
        FMixedChoice = mixed;
        setWindowTitle(Q(title));
        Environment().Services->ShowError(QString::fromUtf8(e.what()));
        try {
            if (FNoDesign == 0) Recalculate();
        } catch (const std::exception&) {
        }
        return false;
    }
}

std::string TForm1::ReadLoadableVenueFile(const std::string& path) const {
    std::string contents = ReadVenueFileBytes(path);
    // The venue's own checks, on a venue of its own: the reader's, the
    // array's set-up and the design.
    TVenue trial;
    std::string type;
    LoadVenueFromText(trial, path, contents, type);
    // What the window makes of the values: the up/downs' positions, the
    // type's cabinet counts, and the hand-over that every recalculation
    // makes.  A value the window refuses is named, and so is the file.
    VenueData values = VenueDataOf(trial);
    try {
        for (const venuevalues::LengthRow& row : venuevalues::kLengths)
            values.*row.Data = venuevalues::TakenLength(*this, row, values.*row.Data);
        for (const venuevalues::EarHeightRow& row : venuevalues::kEarHeights)
            values.*row.Data = venuevalues::TakenEarHeight(*this, row, values.*row.Data);
        CheckLoadedCounts(type, values);
    } catch (const rtl::RuntimeError& e) {
        throw rtl::RuntimeError(e.code(), std::string(e.what()) + " (" + path + ")");
    }
    CheckVenueData(values);
    return contents;
}


void TForm1::LoadVenueFile(const std::string& fileName, const std::string& contents) {
    std::string type;
    LoadVenueFromText(*FVenue, fileName, contents, type);
    FArrayType = type;
    FVenue->VenueName = fileName;
    // A design with more cabinets than an install array of its type takes
    // was made touring: it is loaded as touring, never cut down.
    if (const std::optional<TArrayType> t = FindArrayType(type);
        t && FInstallMode == 1 && LoadedCountsOutside(*t, VenueDataOf(*FVenue), true))
        ChooseTouring();

    SelectArrayTypeControl();

    // Every value the file holds goes into its window field.
    venuevalues::ToWindow(*this, VenueDataOf(*FVenue));
    for (const venuevalues::LengthRow& row : venuevalues::kLengths)
        if (row.NotNegative && this->*row.Field < 0.0) this->*row.Field = 0.0;
    FVenueName = FileNameOnly(fileName);
    FVenue->VenueName = FVenueName;

    ShowLoadedControls();
    for (QWidget* w : VenuePageControls()) w->setVisible(true);
    for (QLineEdit* e : {P1custedit, p2custedit, p3custedit}) e->setReadOnly(true);

    for (int k = 1; k <= 4; ++k) FViewFlags[k] = 1;
    FViewFlags[6] = 0;
    FStatusText = "LOADED VENUE - Edit data by clicking on up/down symbols";

    if (FRigMode == 2) {
        TLoudspeakerArray* array = FVenue->LSArray.get();
        if (array != nullptr && array->GroundStackBar != nullptr && FNumBoxes1 >= 1)
            array->GroundStackBar->SelectNearestHole(FSplay->Angle[FNumBoxes1 - 1]);
        FP1EarHeight =
            rules::StackedEarHeight(FArrayHeight, rules::SeatedOrStanding(P1sit->isChecked()));
    }

    Recalculate();

    SetPageTabsVisible({{ArrayTab, true}, {ProcessorTab, true}, {AmpTab, false}});
    // The venue page has no venue set-up button to hide: the design start
    // shows its wait cursor on the Design button.
    setWindowTitle(Q(StripVenExtension(FileNameOnly(fileName))));
}

// Hiding the current page's tab makes Qt turn to another page, and once no
// tab is left it hides the page itself, which a later turn to the same page
// does not show again.  The page shown stays the one the user was on, shown,
// and the pages Qt turns through on the way are not laid out or painted (the
// patch page would leave its strips over the picture).
void TForm1::SetPageTabsVisible(std::initializer_list<std::pair<QWidget*, bool>> tabs) {
    QWidget* shown = PageControl1->currentWidget();
    const QSignalBlocker quiet(PageControl1);
    for (const auto& [page, visible] : tabs)
        qtapp::SetTabShown(*PageControl1, PageControl1->indexOf(page), visible);
    PageControl1->setCurrentWidget(shown);
    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->widget(i)->setVisible(PageControl1->widget(i) == shown);
}

// The design mode, the venue page's values and ear heights, the counts and
// the combination grid as the window's fields hold them (the type radio is
// chosen before the values are copied).
void TForm1::ShowLoadedControls() {
    tbauto->setChecked(FAutoDesign == 1);
    tbman->setChecked(FAutoDesign != 1);
    FViewFlags[5] = FAutoDesign == 1 ? 0 : 1;
    ShowLoadedValues();
    // The loaded counts within the loaded type's limits, and its up/downs
    // with that type's ranges.
    SetBoxLimits();
    KelvarCB->setChecked(FCombinationGrid != 0);
}

void TForm1::SelectArrayTypeControl() {
    // An unknown type checks "Arvo" on the Single page; the type string
    // stays as read.
    QRadioButton* radio = TypeRadio(FindArrayType(FArrayType).value_or(TArrayType::Arvo));
    FMixedChoice = radio->parentWidget() == Mixedts ? 1 : 0;
    // The page that holds the radio, then the radio: checking it runs its
    // handler unless the load suppresses the choice.
    boxchoicePC->setCurrentWidget(radio->parentWidget());
    radio->setChecked(true);
    // The other page holds no checked type of an earlier design.
    if (FMixedChoice == 1)
        ClearSingleRadios();
    else
        ClearMixedRadios();
}

// The venue page's up/downs, edits and ear-height choices show the loaded
// values.
void TForm1::ShowLoadedValues() {
    for (const venuevalues::LengthRow& row : venuevalues::kLengths) {
        const double metres = this->*row.Field;
        const double step = venuevalues::StepOf(*this, row);
        if (step > 0.0) (this->*row.UpDown)->SetPosition(rtl::Round(metres / step));
        (this->*row.Edit)->setText(Q(rtl::FormatFixed(units::ShownLength(metres, FMetric != 0), 5, 1)));
    }
    struct EarOf {
        double TForm1::*value;
        QRadioButton* TForm1::*sit;
        QRadioButton* TForm1::*stand;
        QRadioButton* TForm1::*cust;
        QLineEdit* TForm1::*edit;
    };
    static constexpr EarOf kEars[] = {
        {&TForm1::FP1EarHeight, &TForm1::P1sit, &TForm1::P1stand, &TForm1::P1cust, &TForm1::P1custedit},
        {&TForm1::FP2EarHeight, &TForm1::P2sit, &TForm1::P2stand, &TForm1::P2cust, &TForm1::p2custedit},
        {&TForm1::FP3EarHeight, &TForm1::P3sit, &TForm1::P3stand, &TForm1::P3cust, &TForm1::p3custedit},
    };
    for (const EarOf& ear : kEars) {
        const double h = this->*ear.value;
        switch (rules::EarHeightChoice(h)) {
        case rules::EarChoice::Seated: (this->*ear.sit)->setChecked(true); break;
        case rules::EarChoice::Standing: (this->*ear.stand)->setChecked(true); break;
        case rules::EarChoice::Custom: (this->*ear.cust)->setChecked(true); break;
        }
        (this->*ear.edit)->setText(Q(rtl::FormatGeneral(h, 15)));
    }
}

QList<QWidget*> TForm1::VenuePageControls() const {
    // A panel is a plain container or a group box.  A page control's pages,
    // the parts of a grid, an up/down or a list are no controls of the page.
    auto isPanel = [](const QWidget* w) {
        return w->metaObject() == &QWidget::staticMetaObject || qobject_cast<const QGroupBox*>(w);
    };
    auto isScrollBar = [this](const QWidget* w) {
        for (const TPageScrollBars& b : FPageScrollBars)
            if (b.Page == VenueTab && (w == static_cast<const QWidget*>(b.H) ||
                                       w == static_cast<const QWidget*>(b.V)))
                return true;
        return false;
    };
    QList<QWidget*> out;
    for (QWidget* c : VenueTab->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (isScrollBar(c)) continue;
        out.append(c);
        if (isPanel(c)) out.append(c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    }
    return out;
}

void TForm1::RefreshControls() {
    const TFillGuard filling(*this);
    // The start page gives way to the section of the values the venue page
    // shows (planes, array, coverage, rays), also where nothing has been
    // loaded or designed yet: the up/downs work on it from now on.
    FViewFlags[8] = 0;
    for (int k = 1; k <= 4; ++k) FViewFlags[k] = 1;
    // Help too: it is hidden until a design starts or a venue is loaded.
    for (QToolButton* b : {VenTBut, ArrayTBut, RigTBut, PrintTBut, webtbut, PrintSUTBut, SaveTBut,
                           HelpTBut})
        b->show();
    mailtbut->hide();
    for (QLineEdit* e : VenueTab->findChildren<QLineEdit*>()) {
        e->setFocusPolicy(Qt::ClickFocus);
        e->setToolTip(QStringLiteral("Use Up/Down buttons to change"));
    }
    for (QRadioButton* r : VenueTab->findChildren<QRadioButton*>())
        if (r->parentWidget() != VenueTab) r->setFocusPolicy(Qt::ClickFocus);
    FNoDesign = 0;
    ShowDesignModeButtons(PageControl1->currentWidget() != ProcessorTab);
    SetPageTabsVisible({{VenueTab, false}, {ArrayTab, false}, {ProcessorTab, false},
                        {AmpTab, false}, {DEVTAB, false}});

    const std::optional<TArrayType> t = FindArrayType(FArrayType.empty() ? "Arvo" : FArrayType);
    // A Hoba sub array matches only a flown Arvo, Bexa or Rudd main array.
    const bool hobaMatch =
        (!t || IsAnyOf(*t, {TArrayType::Arvo, TArrayType::Bexa, TArrayType::Rudd})) && FRigMode == 1;
    EnableHobaMatch(hobaMatch);
    if (FRigMode == 1) {
        alldovirad->setEnabled(true);
        allarvoxrad->setEnabled(true);
        mixarvoxbexarad->setEnabled(true);
    }
    AddsubsBut->setVisible(FRigMode != 1);

    // The venue page keeps its values and their captions in no panels of
    // their own: the up/downs, the array height and its caption are all.
    for (QWidget* w : std::initializer_list<QWidget*>{
             P1Lupdn, P1Hupdn, p1custupdn, P2Lupdn, P2Hupdn, P2elevupdn, p2custupdn, P3Lupdn,
             P3Hupdn, P3elevupdn, P3distupdn, P3custupdn, maxpickupdn, mintrimupdn, covstartupdn,
             covstopupdn, arrhupdn, ArrayHeight, Label22})
        w->show();
    g2lab->hide();
    BexaStrGrid->setVisible(FMixedChoice == 1);
    NumBox2Pan->setVisible(FMixedChoice == 1);
    g1lab->show();
    g2lab->setVisible(FMixedChoice == 1);
    Image8->show();
    boxchoicePC->setCurrentWidget(FMixedChoice == 1 ? Mixedts : Singlets);
    ArvoStrGrid->show();
    PlaceSplayGrids();
}

// --- saving and closing -----------------------------------------------------------

bool TForm1::SaveVenueAs(const std::string& chosen) {
    const std::string name = StripVenExtension(chosen);
    // The file names itself on its first line.
    const std::string oldName = FVenue->VenueName;
    FVenue->VenueName = FileNameOnly(name);
    try {
        FVenue->SaveToFile(name);
    } catch (const std::exception& e) {
        FVenue->VenueName = oldName;
        Environment().Services->ShowError(QString::fromUtf8(e.what()));
        return false;
    }
    FMailFileName = name + ".ven";
    FVenueName = FileNameOnly(name);
    setWindowTitle(Q(FVenueName));
    DesignSaved();
    return true;
}

std::optional<std::string> TForm1::AskSaveName(const QString& title, bool proposeLastName) {
    QString dir;
    if (!FMailFileName.empty()) {
        // The name the save writes ("hall.VEN" loaded is saved as
        // "hall.VEN.ven").
        const QFileInfo last(Q(SavedVenueFile(FMailFileName)));
        dir = proposeLastName ? last.absoluteFilePath() : last.absolutePath();
    }
    for (;;) {
        // The dialog adds ".ven" to a name typed without an extension; the
        // save adds it to any other name but one ending in ".ven" ("hall.VEN"
        // is written as "hall.VEN.ven").  So the window asks the replace
        // question itself, about the file the save writes, and a No goes
        // back to the dialog as the dialog's own would.
        const std::optional<QString> chosen = Environment().Services->SaveFileName(
            title, kVenueFilter, QStringLiteral("ven"), dir, qtapp::ReplaceQuestion::Caller);
        if (!chosen || chosen->isEmpty()) return std::nullopt;
        const std::string written = SavedVenueFile(chosen->toStdString());
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(written, ec))) return chosen->toStdString();
        const qtapp::Answer replace = Environment().Services->Ask(
            title,
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(Q(FileNameOnly(written))),
            qtapp::AskButtons::YesNo);
        if (replace == qtapp::Answer::Yes) return chosen->toStdString();
        dir = *chosen;
    }
}

bool TForm1::SavedBeforeReplacing() {
    if (FNoDesign != 0 || !DesignModified()) return true;
    const qtapp::Answer a = Environment().Services->Ask(
        QStringLiteral("Open venue"), QStringLiteral("Do you want to save the Venue ?"),
        qtapp::AskButtons::YesNoCancel);
    if (a == qtapp::Answer::Cancel) return false;
    if (a == qtapp::Answer::No) return true;
    // Saved over its own file when the design has one the save writes as
    // it is named; else where the save dialog says.
    if (FSaved != 0 && !FMailFileName.empty() && SavedVenueFile(FMailFileName) == FMailFileName)
        return SaveVenueAs(FMailFileName);
    const auto name = AskSaveName(QStringLiteral("Save venue"));
    return name && SaveVenueAs(*name);
}

void TForm1::SaveTButClick() {
    if (const auto name = AskSaveName(QStringLiteral("Save venue"))) SaveVenueAs(*name);
}

bool TForm1::FormCloseQuery() {
    if (FNoDesign != 0 || !DesignModified()) return true;
    const qtapp::Answer a =
        Environment().Services->Ask(QStringLiteral("Exit File save check"),
                                    QStringLiteral("Do you want to save the Venue ?"),
                                    qtapp::AskButtons::YesNoCancel);
    if (a == qtapp::Answer::Cancel) return false;
    if (a == qtapp::Answer::No) return true;
    const auto name =
        AskSaveName(QStringLiteral("Save existing Venue or Cancel to exit without saving"));
    if (!name) return true;
    // A save that fails keeps the window, and the design, open.
    return SaveVenueAs(*name);
}

// --- mail and web -------------------------------------------------------------------

void TForm1::mailtbutClick() {
    if (DesignModified()) {
        // The file to send is the design as it stands, written only where
        // the user says: the save dialog proposes the last file, and asks
        // before it replaces it.  Cancelled, nothing is written or sent.
        const auto chosen = AskSaveName(QStringLiteral("Save venue"), true);
        if (!chosen || !SaveVenueAs(*chosen)) return;
    }
    std::error_code ec;
    if (FMailFileName.empty() || !std::filesystem::is_regular_file(FMailFileName, ec)) {
        Environment().Services->ShowError(QStringLiteral("There is no saved venue file to send."));
        return;
    }
    const QString support = QString::fromLatin1(qtapp::contact::kSupportMailAddress);
    SendMail(*Environment().Services, kMailSubject, kMailBody, Q(FMailFileName), kMailSenderName,
             QString(), support, support);
}

void TForm1::webtbutClick() {
    const QString address = QString::fromLatin1(qtapp::contact::kWebSiteAddress);
    // Said now, or once the desktop tells: the box may outlive the window.
    const std::shared_ptr<qtapp::PlatformServices> services = Environment().Services;
    const auto notOpened = [services, address] {
        services->ShowError(QStringLiteral("The web site %1 could not be opened: a web browser is "
                                           "needed to show it.")
                                .arg(address));
    };
    if (!services->OpenUrl(address, notOpened)) notOpened();
}

void TForm1::Label30MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton && FNumBoxes1 == kSupportButtonCount) mailtbut->show();
}
