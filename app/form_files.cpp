// Venue files, mail and web: opening and saving venue files from the tool
// bar and the command line, the question on closing an unsaved design, the
// Support mail with the venue file, and the web site.

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <cmath>
#include <filesystem>
#include <string_view>

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
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "platform/qtapp/contact.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "venue/storage/venue_storage.h"

namespace {

const QString kVenueFilter = QStringLiteral("Venue files (*.ven)|*.VEN");
const QString kMailSubject = QStringLiteral("Orandel 3.04 file");
const QString kMailBody = QStringLiteral("Please see attached ven file");
const QString kMailSenderName = QStringLiteral(" A Customer");

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The window field that shows each venue value.  Every value of the venue
// value list but the splay list (one object the window and the venue share)
// has its field here; WindowFieldNames() lets a test hold the two lists
// together.
template <class F>
struct FieldOf {
    std::string_view Name;
    F TForm1::*Field;
};
constexpr FieldOf<double> kLengthFields[] = {
    {"FArrayHeight", &TForm1::FArrayHeight},   {"FMaxPickHeight", &TForm1::FMaxPickHeight},
    {"FMinTrimHeight", &TForm1::FMinTrimHeight}, {"FP1Length", &TForm1::FP1Length},
    {"FP1Height", &TForm1::FP1Height},         {"FP2Length", &TForm1::FP2Length},
    {"FP2Height", &TForm1::FP2Height},         {"FP2Elev", &TForm1::FP2Elev},
    {"FP3Length", &TForm1::FP3Length},         {"FP3Height", &TForm1::FP3Height},
    {"FP3Dist", &TForm1::FP3Dist},             {"FP3Elev", &TForm1::FP3Elev},
    {"FCovStart", &TForm1::FCovStart},         {"FCovStop", &TForm1::FCovStop},
    {"FP1EarHeight", &TForm1::FP1EarHeight},   {"FP2EarHeight", &TForm1::FP2EarHeight},
    {"FP3EarHeight", &TForm1::FP3EarHeight},   {"FFTValue", &TForm1::FFTValue},
};
constexpr FieldOf<int> kIntFields[] = {
    {"FMaxBoxes", &TForm1::FMaxBoxes},     {"FNumBoxes1", &TForm1::FNumBoxes1},
    {"FNumBoxes2", &TForm1::FNumBoxes2},   {"FNumBoxes3", &TForm1::FNumBoxes3},
    {"FPickOption", &TForm1::FPickOption}, {"FLiftBarPosition", &TForm1::FLiftBarPosition},
    {"FRigMode", &TForm1::FRigMode},
};
constexpr FieldOf<uint8_t> kFlagFields[] = {
    {"FAutoDesign", &TForm1::FAutoDesign},
    {"FSplayHoba", &TForm1::FSplayHoba},
    {"FCombinationGrid", &TForm1::FCombinationGrid},
};
constexpr FieldOf<std::string> kTextFields[] = {
    {"FVenueName", &TForm1::FVenueName},
    {"FDesignMode", &TForm1::FDesignMode},
    {"FGridPosition", &TForm1::FGridPosition},
    {"FArrayType", &TForm1::FArrayType},
};

template <class F, std::size_t N>
F TForm1::*Find(const FieldOf<F> (&table)[N], std::string_view name) {
    for (const FieldOf<F>& f : table)
        if (f.Name == name) return f.Field;
    return nullptr;
}

// Copies every venue value of D into the window's field that holds it.
void ToWindow(TForm1& w, const VenueData& D) {
    ForEachVenueValue([&](const auto& v) {
        using T = std::remove_cvref_t<decltype(D.*v.Data)>;
        const T& value = D.*v.Data;
        if constexpr (std::is_same_v<T, double>) {
            if (auto f = Find(kLengthFields, v.FormField)) w.*f = value;
        } else if constexpr (std::is_same_v<T, int>) {
            if (auto f = Find(kIntFields, v.FormField)) w.*f = value;
        } else if constexpr (std::is_same_v<T, bool>) {
            if (auto f = Find(kFlagFields, v.FormField)) w.*f = value ? 1 : 0;
        } else if constexpr (std::is_same_v<T, std::string>) {
            if (auto f = Find(kTextFields, v.FormField)) w.*f = value;
        }
    });
}

// The window's fields as a hand-over would give them.
VenueData FromWindow(TForm1& w) {
    VenueData D;
    ForEachVenueValue([&](const auto& v) {
        using T = std::remove_cvref_t<decltype(D.*v.Data)>;
        if constexpr (std::is_same_v<T, double>) {
            if (auto f = Find(kLengthFields, v.FormField)) D.*v.Data = w.*f;
        } else if constexpr (std::is_same_v<T, int>) {
            if (auto f = Find(kIntFields, v.FormField)) D.*v.Data = w.*f;
        } else if constexpr (std::is_same_v<T, bool>) {
            if (auto f = Find(kFlagFields, v.FormField)) D.*v.Data = (w.*f) != 0;
        } else if constexpr (std::is_same_v<T, std::string>) {
            if (auto f = Find(kTextFields, v.FormField)) D.*v.Data = w.*f;
        }
    });
    return D;
}

// Linux file systems tell cases apart: ".ven" and ".VEN" both count.
bool HasVenExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".ven";
}
std::string StripVenExtension(const std::string& name) {
    return HasVenExtension(name) ? name.substr(0, name.size() - 4) : name;
}
std::string FileNameOnly(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

template <class W>
W* Child(QWidget* root, const char* name) {
    return root->findChild<W*>(QString::fromLatin1(name));
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

}  // namespace

std::vector<std::string> TForm1::VenueValuesWithoutWindowField() {
    std::vector<std::string> missing;
    ForEachVenueValue([&](const auto& v) {
        const bool found = Find(kLengthFields, v.FormField) || Find(kIntFields, v.FormField) ||
                           Find(kFlagFields, v.FormField) || Find(kTextFields, v.FormField);
        if (!found) missing.emplace_back(v.FormField);
    });
    return missing;
}

void TForm1::BuildFiles() {
    // The caption the Support button hides behind, unless the venue page
    // already has it.
    Label30 = Child<QLabel>(VenueTab, "Label30");
    if (Label30 == nullptr) {
        Label30 = formbuild::Make<QLabel>(VenueTab, "Label30", "Venue planes");
        formbuild::PlaceAt(Label30, {8, 4, 120, 20});
    }
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
    const std::optional<QString> chosen =
        Environment().Services->OpenFileName(QStringLiteral("Open venue"), kVenueFilter, QString());
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
    // Taken as saved only once the window's controls have settled the
    // values their array type fixes.
    if (chosen && !chosen->isEmpty()) DesignSaved();
}

void TForm1::LoadVenueFromCommandLine(const std::string& path) {
    if (!LoadVenueThreeTimes(path)) return;
    FMailFileName = path;
    RefreshControls();
    PageControl1->setCurrentWidget(VenueTab);
    FViewFlags[10] = 1;
    FormPaint(Timer1);
    DesignSaved();
}

bool TForm1::LoadVenueThreeTimes(const std::string& path) {
    // A file the venue refuses changes nothing, neither in the venue nor in
    // the window: both are put back as they were, and the error is shown.
    const VenueData before = FromWindow(*this);
    const std::string title = windowTitle().toStdString();
    const uint8_t mixed = FMixedChoice;
    TVenueSnapshot snapshot(*FVenue, FSplay.get());
    try {
        for (int pass = 0; pass < 3; ++pass) LoadVenueFile(path);
        return true;
    } catch (const std::exception& e) {
        snapshot.Restore();
        ToWindow(*this, before);
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

void TForm1::LoadVenueFile(const std::string& fileName) {
    std::string type;
    FVenue->LoadFromFile(fileName, type);
    FArrayType = type;
    FVenue->VenueName = fileName;

    SelectArrayTypeControl();

    // Every value the file holds goes into its window field.
    ToWindow(*this, VenueDataOf(*FVenue));
    if (FCovStart < 0.0) FCovStart = 0.0;
    FVenueName = FileNameOnly(fileName);
    FVenue->VenueName = FVenueName;

    if (tbauto != nullptr && tbman != nullptr) {
        tbauto->setChecked(FAutoDesign == 1);
        tbman->setChecked(FAutoDesign != 1);
    }
    FViewFlags[5] = FAutoDesign == 1 ? 0 : 1;

    ShowLoadedValues();

    if (auto* grid = Child<QWidget>(this, "KelvarCB")) {
        if (auto* box = qobject_cast<QAbstractButton*>(grid)) box->setChecked(FCombinationGrid != 0);
    }
    for (QWidget* w : VenueTab->findChildren<QWidget*>()) w->setVisible(true);
    for (const char* name : {"P1custedit", "p2custedit", "p3custedit"})
        if (auto* e = Child<QLineEdit>(VenueTab, name)) e->setReadOnly(true);

    for (int k = 1; k <= 4; ++k) FViewFlags[k] = 1;
    FViewFlags[6] = 0;
    FStatusText = "LOADED VENUE - Edit data by clicking on up/down symbols";

    if (FRigMode == 2) {
        TLoudspeakerArray* array = FVenue->LSArray.get();
        if (array != nullptr && array->GroundStackBar != nullptr && FNumBoxes1 >= 1)
            array->GroundStackBar->SelectNearestHole(FSplay->Angle[FNumBoxes1 - 1]);
        auto* sit = Child<QRadioButton>(VenueTab, "P1sit");
        const bool seated = sit != nullptr ? sit->isChecked() : std::fabs(FP1EarHeight - 1.4) < 0.05;
        FP1EarHeight = std::min(FArrayHeight, seated ? 1.4 : 1.8);
    }

    Recalculate();

    PageControl1->setTabVisible(PageControl1->indexOf(ArrayTab), true);
    PageControl1->setTabVisible(PageControl1->indexOf(ProcessorTab), true);
    PageControl1->setTabVisible(PageControl1->indexOf(AmpTab), false);
    if (auto* b = Child<QWidget>(this, "VenSetBut")) b->hide();
    setWindowTitle(Q(StripVenExtension(FileNameOnly(fileName))));
}

void TForm1::SelectArrayTypeControl() {
    const std::optional<TArrayType> t = FindArrayType(FArrayType);
    FMixedChoice = t && FArrayType.starts_with("MIX") ? 1 : 0;
    auto* pages = Child<QTabWidget>(this, "boxchoicePC");
    if (pages != nullptr) pages->setCurrentIndex(FMixedChoice);
    // The type's radio carries the type string as its "arrayType"; an
    // unknown type checks "Arvo" and the type string stays as read.
    const QString wanted = Q(t ? FArrayType : std::string("Arvo"));
    for (QRadioButton* r : findChildren<QRadioButton*>())
        if (r->property("arrayType").toString() == wanted) r->setChecked(true);
}

// The venue page's up/downs, edits and ear-height choices show the loaded
// values.
void TForm1::ShowLoadedValues() {
    struct UpDownOf {
        const char* upDown;
        double TForm1::*value;
        bool height;  // stepped by FHeightStep, else by FCoverageStep
    };
    static constexpr UpDownOf kUpDowns[] = {
        {"maxpickupdn", &TForm1::FMaxPickHeight, true}, {"mintrimupdn", &TForm1::FMinTrimHeight, true},
        {"covstartupdn", &TForm1::FCovStart, false},   {"covstopupdn", &TForm1::FCovStop, false},
        {"P1Lupdn", &TForm1::FP1Length, false},        {"P2Lupdn", &TForm1::FP2Length, false},
        {"P3Lupdn", &TForm1::FP3Length, false},        {"P1Hupdn", &TForm1::FP1Height, true},
        {"P2Hupdn", &TForm1::FP2Height, true},         {"P3Hupdn", &TForm1::FP3Height, true},
        {"P3distupdn", &TForm1::FP3Dist, false},       {"P2elevupdn", &TForm1::FP2Elev, false},
        {"P3elevupdn", &TForm1::FP3Elev, false},       {"arrhupdn", &TForm1::FArrayHeight, true},
    };
    for (const UpDownOf& u : kUpDowns) {
        auto* ud = Child<qtapp::UpDown>(this, u.upDown);
        const double step = u.height ? FHeightStep : FCoverageStep;
        if (ud != nullptr && step > 0.0) ud->SetPosition(rtl::Round(this->*u.value / step));
    }
    // The typed lengths' edits, named by the venue value list.
    ForEachVenueValue([&](const auto& v) {
        if (v.UnitStep < 0) return;
        using T = std::remove_cvref_t<decltype(VenueData{}.*v.Data)>;
        if constexpr (std::is_same_v<T, double>) {
            auto* e = findChild<QLineEdit*>(Q(v.UnitEdit));
            auto f = Find(kLengthFields, v.FormField);
            if (e != nullptr && f != nullptr)
                e->setText(Q(rtl::FormatFixed(units::ShownLength(this->*f, FMetric != 0), 5, 1)));
        }
    });
    struct EarOf {
        double TForm1::*value;
        const char *sit, *stand, *cust, *edit;
    };
    static constexpr EarOf kEars[] = {
        {&TForm1::FP1EarHeight, "P1sit", "P1stand", "P1cust", "P1custedit"},
        {&TForm1::FP2EarHeight, "P2sit", "P2stand", "P2cust", "p2custedit"},
        {&TForm1::FP3EarHeight, "P3sit", "P3stand", "P3cust", "p3custedit"},
    };
    for (const EarOf& ear : kEars) {
        const double h = this->*ear.value;
        const char* radio = EarHeightChoice(h) == 0 ? ear.sit : EarHeightChoice(h) == 1 ? ear.stand : ear.cust;
        if (auto* r = Child<QRadioButton>(VenueTab, radio)) r->setChecked(true);
        if (auto* e = Child<QLineEdit>(VenueTab, ear.edit)) e->setText(Q(rtl::FormatGeneral(h, 15)));
    }
}

int TForm1::EarHeightChoice(double height) {
    if (height > 1.35 && height < 1.45) return 0;
    if (height > 1.75 && height < 1.85) return 1;
    return 2;
}

void TForm1::RefreshControls() {
    const TFillGuard filling(*this);
    FViewFlags[8] = 0;
    for (QToolButton* b : {VenTBut, ArrayTBut, RigTBut, PrintTBut, webtbut, PrintSUTBut, SaveTBut,
                           tbauto, tbman})
        b->show();
    mailtbut->hide();
    for (QLineEdit* e : VenueTab->findChildren<QLineEdit*>()) {
        e->setFocusPolicy(Qt::ClickFocus);
        e->setToolTip(QStringLiteral("Use Up/Down buttons to change"));
    }
    for (QRadioButton* r : VenueTab->findChildren<QRadioButton*>())
        if (r->parentWidget() != VenueTab) r->setFocusPolicy(Qt::ClickFocus);
    FNoDesign = 0;
    // Hiding the current page's tab makes Qt turn to another page; the page
    // shown stays the one the user was on.
    QWidget* shown = PageControl1->currentWidget();
    for (int i = 0; i < PageControl1->count(); ++i) PageControl1->setTabVisible(i, false);
    PageControl1->setCurrentWidget(shown);

    const std::optional<TArrayType> t = FindArrayType(FArrayType.empty() ? "Arvo" : FArrayType);
    // A Hoba sub array matches only a flown Arvo, Bexa or Rudd main array.
    const bool hobaMatch =
        (!t || IsAnyOf(*t, {TArrayType::Arvo, TArrayType::Bexa, TArrayType::Rudd})) && FRigMode == 1;
    matchhobabut->setEnabled(hobaMatch);
    numhobaed->setEnabled(hobaMatch);
    numhobaupdn->setEnabled(hobaMatch);
    if (FRigMode == 1) {
        alldovirad->setEnabled(true);
        allarvoxrad->setEnabled(true);
        mixarvoxbexarad->setEnabled(true);
    }
    if (AddsubsBut != nullptr) AddsubsBut->setVisible(FRigMode != 1);

    for (const char* name : {"P1Lupdn", "P1Hupdn", "p1custupdn", "P2Lupdn", "P2Hupdn", "P2elevupdn",
                             "p2custupdn", "P3Lupdn", "P3Hupdn", "P3elevupdn", "P3distupdn",
                             "P3custupdn", "maxpickupdn", "mintrimupdn", "covstartupdn",
                             "covstopupdn", "arrhupdn", "Panel24", "Label22", "Panel6", "Label35"})
        if (auto* w = Child<QWidget>(this, name)) w->show();
    ArrayHeight->show();
    auto* g1 = Child<QWidget>(this, "g1lab");
    auto* g2 = Child<QWidget>(this, "g2lab");
    auto* numBox2 = Child<QWidget>(this, "NumBox2Pan");
    BexaStrGrid->setVisible(FMixedChoice == 1);
    if (numBox2 != nullptr) numBox2->setVisible(FMixedChoice == 1);
    if (g1 != nullptr) g1->show();
    if (g2 != nullptr) g2->setVisible(FMixedChoice == 1);
    Image8->show();
    if (auto* pages = Child<QTabWidget>(this, "boxchoicePC")) pages->setCurrentIndex(FMixedChoice == 1 ? 1 : 0);
    ArvoStrGrid->show();
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

std::optional<std::string> TForm1::AskSaveName(const QString& title) {
    QString dir;
    if (!FMailFileName.empty()) dir = QFileInfo(Q(FMailFileName)).absolutePath();
    // The default suffix makes the dialog's overwrite question ask about
    // the file that will really be written.
    const std::optional<QString> chosen =
        Environment().Services->SaveFileName(title, kVenueFilter, QStringLiteral("ven"), dir);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    return chosen->toStdString();
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
        // The file to send is the design as it stands: saved under the last
        // name, or under one the user chooses when there is none yet.
        std::string name = StripVenExtension(FMailFileName);
        if (name.empty()) {
            const auto chosen = AskSaveName(QStringLiteral("Save venue"));
            if (!chosen) return;
            name = *chosen;
        }
        if (!SaveVenueAs(name)) return;
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
    Environment().Services->OpenUrl(QString::fromLatin1(qtapp::contact::kWebSiteAddress));
}

void TForm1::Label30MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton && FNumBoxes1 == kSupportButtonCount) mailtbut->show();
}
