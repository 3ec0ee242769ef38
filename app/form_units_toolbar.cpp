// The tool bar (page and command buttons, the safety lamp) and the unit
// system: the metric / imperial radios with the conversion of the shown
// values.

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "background1.h"
#include "core/numtext.h"
#include "form_build.h"
#include "hardware/units.h"
#include "model/venue_values.h"
#include "qtapp/picturebox.h"

namespace {

using formbuild::ToolButtonSpec;

// In the order they are made; ArrangeToolBar gives the order on the bar.
constexpr ToolButtonSpec kToolButtons[] = {
    {&TForm1::LoadTBut, "LoadTBut", "Load", QStyle::SP_DialogOpenButton},
    {&TForm1::DesignTBut, "DesignTBut", "Design", QStyle::SP_MediaPlay},
    {&TForm1::VenTBut, "VenTBut", "Venue", QStyle::SP_DirHomeIcon},
    {&TForm1::ArrayTBut, "ArrayTBut", "Array", QStyle::SP_FileDialogListView},
    {&TForm1::RigTBut, "RigTBut", "Patch", QStyle::SP_DriveNetIcon},
    {&TForm1::DevTBut, "DevTBut", "Dev", QStyle::SP_ComputerIcon},
    {&TForm1::PrintTBut, "PrintTBut", "Print", QStyle::SP_FileIcon},
    {&TForm1::PrintSUTBut, "PrintSUTBut", "Print Setup", QStyle::SP_FileDialogDetailedView},
    {&TForm1::SaveTBut, "SaveTBut", "Save", QStyle::SP_DialogSaveButton},
    {&TForm1::webtbut, "webtbut", "Web", QStyle::SP_BrowserReload},
    {&TForm1::mailtbut, "mailtbut", "Mail", QStyle::SP_ArrowForward},
    {&TForm1::HelpTBut, "HelpTBut", "Help", QStyle::SP_DialogHelpButton},
    {&TForm1::tbauto, "tbauto", "Auto ", QStyle::SP_BrowserReload},
    {&TForm1::tbman, "tbman", "Manual", QStyle::SP_ArrowUp},
};

// The bar's order, left to right.
constexpr QToolButton* TForm1::*kToolBarOrder[] = {
    &TForm1::LoadTBut, &TForm1::SaveTBut,  &TForm1::DesignTBut,  &TForm1::VenTBut,
    &TForm1::ArrayTBut, &TForm1::RigTBut,  &TForm1::DevTBut,     &TForm1::PrintTBut,
    &TForm1::PrintSUTBut, &TForm1::webtbut, &TForm1::mailtbut,   &TForm1::HelpTBut,
    &TForm1::tbauto,    &TForm1::tbman,
};

constexpr formbuild::Spec<QRadioButton> kUnitRadios[] = {
    {&TForm1::MetricRad, "MetricRad", "m / kg - Metric", {8, 18, 156, 20}},
    {&TForm1::ImperialRad, "ImperialRad", "ft / lb - Imperial", {8, 38, 156, 20}},
};

constexpr formbuild::On<QRadioButton> kUnitHandlers[] = {
    {&TForm1::MetricRad, &TForm1::MetricRadClick},
    {&TForm1::ImperialRad, &TForm1::ImperialRadClick},
};

}  // namespace

// --- tool bar -------------------------------------------------------------------

void TForm1::BuildToolBar() {
    PagesToolBar = formbuild::Make<QWidget>(this, "PagesToolBar");
    formbuild::BuildToolButtons(*this, PagesToolBar, kToolButtons);
    tbauto->setCheckable(true);
    tbman->setCheckable(true);
    tbauto->setAutoExclusive(true);
    tbman->setAutoExclusive(true);
    tbauto->setChecked(true);
    Image8 = formbuild::Make<qtapp::PictureBox>(PagesToolBar, "Image8");
    Image8->setFixedSize(24, 24);
    Image8->setToolTip(QStringLiteral("Rigging safety"));
}

void TForm1::ArrangeToolBar() {
    // The buttons that are shown sit side by side, the lamp after them.
    int x = 4;
    for (QToolButton* TForm1::*member : kToolBarOrder) {
        QToolButton* b = this->*member;
        if (b->isHidden()) continue;
        b->setGeometry(x, 1, 62, kToolBarHeight - 2);
        x += 64;
    }
    Image8->move(x + 8, (kToolBarHeight - 24) / 2);
}

// --- units ----------------------------------------------------------------------

void TForm1::BuildUnits() {
    auto* units = formbuild::Make<QGroupBox>(VenueTab, "UnitsGB", "Units");
    units->setGeometry(430, 4, 170, 64);
    formbuild::Build(*this, units, kUnitRadios);
    MetricRad->setChecked(true);
}

void TForm1::ConnectUnits() { formbuild::Connect(*this, kUnitHandlers); }

void TForm1::MetricRadClick() {
    const bool wasImperial = FMetric == 0;
    if (MetricRad->isChecked()) FMetric = 1;
    if (wasImperial) {
        ConvertEditUnits();
        if (FNoDesign == 0) Recalculate();
    }
    SaveSettings();
}

void TForm1::ImperialRadClick() {
    const bool wasMetric = FMetric == 1;
    if (ImperialRad->isChecked()) FMetric = 0;
    if (wasMetric) {
        ConvertEditUnits();
        if (FNoDesign == 0) Recalculate();
    }
    SaveSettings();
}

void TForm1::ConvertEditUnits() {
    const double factor = FMetric == 1 ? units::kMetresPerFoot : units::kFeetPerMetre;
    // The typed lengths, in the order the venue value list gives.
    for (std::string_view name : UnitConversionEdits()) {
        const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        auto* e = findChild<QLineEdit*>(objectName);
        if (e == nullptr) throw rtl::RuntimeError(0, "No edit " + std::string(name));
        const double v = formbuild::EditNumber(e) * factor;
        e->setText(QString::fromStdString(rtl::FormatFixed(v, 5, 1)));
    }
}
