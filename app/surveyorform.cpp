#include "app/surveyorform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "platform/core/numtext.h"
#include "app/form_build.h"
#include "model/hardware/units.h"
#include "model/hardware/zmath.h"
#include "platform/qtapp/connect.h"

namespace {

constexpr double kPi = 3.141592653589793;

// The measurements a newly enabled plane starts from: diagonals in metres,
// angles in radians (-1.718, 1.575, 1.647 and 4.366 degrees).
struct PlaneDefaults {
    double frontDiag, frontAngle, rearDiag, rearAngle;
};
constexpr PlaneDefaults kPlane2Defaults{60.03, -0.02998475654926258, 80.03, 0.02748893571891069};
constexpr PlaneDefaults kPlane3Defaults{80.03, 0.028745572780346607, 93.27, 0.07620107514207243};

using formbuild::Named;

// A titled panel of captioned edits, laid out in a grid: the captions as
// wide as their texts, the edits in a column beside them.
QWidget* Panel(QWidget* parent, const char* name, const char* caption) {
    auto* p = Named(new QWidget(parent), name);
    auto* grid = new QGridLayout(p);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto* title = new QLabel(QString::fromLatin1(caption), p);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    grid->addWidget(title, 0, 0);
    return p;
}

QGridLayout* GridOf(QWidget* panel) { return static_cast<QGridLayout*>(panel->layout()); }

QLineEdit* LabelledEdit(QWidget* panel, const char* name, const char* caption, int row) {
    GridOf(panel)->addWidget(new QLabel(QString::fromLatin1(caption), panel), row, 0);
    auto* e = Named(new QLineEdit(panel), name);
    e->setFixedSize(80, 22);
    GridOf(panel)->addWidget(e, row, 1);
    return e;
}

// A plane's front and rear measurements, a gap between them, and its
// "Enable" box beside the title.
void FrontAndRear(QWidget* panel, QCheckBox* enable) {
    GridOf(panel)->addWidget(enable, 0, 1);
    GridOf(panel)->setRowMinimumHeight(3, 8);
}

}  // namespace

TSurveyForm::TSurveyForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("SurveyForm"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Venue Survey"));

    Panel1 = Panel(this, "Panel1", "Plane 1");
    P1DLRed = LabelledEdit(Panel1, "P1DLRed", "Diag Length Rear", 1);
    P1ARed = LabelledEdit(Panel1, "P1ARed", "Angle", 2);

    Panel2 = Panel(this, "Panel2", "Plane 2");
    P2enablechk = Named(new QCheckBox(QStringLiteral("Enable"), Panel2), "P2enablechk");
    FrontAndRear(Panel2, P2enablechk);
    P2DLFed = LabelledEdit(Panel2, "P2DLFed", "Diag Length Front", 1);
    P2AFed = LabelledEdit(Panel2, "P2AFed", "Angle", 2);
    P2DLRed = LabelledEdit(Panel2, "P2DLRed", "Diag Length Rear", 4);
    P2ARed = LabelledEdit(Panel2, "P2ARed", "Angle", 5);

    Panel3 = Panel(this, "Panel3", "Plane 3");
    P3enablechk = Named(new QCheckBox(QStringLiteral("Enable"), Panel3), "P3enablechk");
    FrontAndRear(Panel3, P3enablechk);
    P3DLFed = LabelledEdit(Panel3, "P3DLFed", "Diag Length Front", 1);
    P3AFed = LabelledEdit(Panel3, "P3AFed", "Angle", 2);
    P3DLRed = LabelledEdit(Panel3, "P3DLRed", "Diag Length Rear", 4);
    P3ARed = LabelledEdit(Panel3, "P3ARed", "Angle", 5);

    Panel4 = Panel(this, "Panel4", "Reference point");
    ded = LabelledEdit(Panel4, "ded", "Ref Height above front of Plane 1", 1);
    led = LabelledEdit(Panel4, "led", "Hor offset from Array +ve out", 2);
    ded->setText(QStringLiteral("1.8"));
    led->setText(QStringLiteral("0"));

    UpdateBut = Named(new QPushButton(QStringLiteral("Update Venue"), this), "UpdateBut");
    Cancelbut = Named(new QPushButton(QStringLiteral("Cancel"), this), "Cancelbut");
    // Return leaves an edit; it must not close the dialog.
    for (QPushButton* b : {UpdateBut, Cancelbut}) {
        b->setAutoDefault(false);
        b->setMinimumSize(120, 28);
    }
    // Planes 1 and 2 on the left, the reference point and plane 3 on the
    // right, the buttons under them; the dialog is as large as they need.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 6);
    grid->setSpacing(4);
    grid->addWidget(Panel1, 0, 0, Qt::AlignTop);
    grid->addWidget(Panel4, 0, 1, Qt::AlignTop);
    grid->addWidget(Panel2, 1, 0, Qt::AlignTop);
    grid->addWidget(Panel3, 1, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(UpdateBut);
    buttons->addWidget(Cancelbut);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->activate();

    P2enablechk->setChecked(true);
    P3enablechk->setChecked(false);

    const struct {
        QLineEdit* edit;
        void (TSurveyForm::*handler)();
    } exits[] = {
        {P1DLRed, &TSurveyForm::P1DLRedExit}, {P1ARed, &TSurveyForm::P1ARedExit},
        {P2DLFed, &TSurveyForm::P2DLFedExit}, {P2AFed, &TSurveyForm::P2AFedExit},
        {P2DLRed, &TSurveyForm::P2DLRedExit}, {P2ARed, &TSurveyForm::P2ARedExit},
        {P3DLFed, &TSurveyForm::P3DLFedExit}, {P3AFed, &TSurveyForm::P3AFedExit},
        {P3DLRed, &TSurveyForm::P3DLRedExit}, {P3ARed, &TSurveyForm::P3ARedExit},
        {ded, &TSurveyForm::dedExit},         {led, &TSurveyForm::ledExit},
    };
    for (const auto& e : exits)
        connect(e.edit, &QLineEdit::editingFinished, this,
                qtapp::Guarded([this, h = e.handler] { (this->*h)(); }));
    qtapp::OnCheckChange(P2enablechk, this, [this] { P2enablechkClick(); });
    qtapp::OnCheckChange(P3enablechk, this, [this] { P3enablechkClick(); });
    qtapp::OnButtonClick(UpdateBut, this, [this] { UpdateButClick(); });
    qtapp::OnButtonClick(Cancelbut, this, [this] { CancelbutClick(); });
}

void TSurveyForm::Setup(bool unitsFlag, double p1Length, double p1Height, double p2Length,
                        double p2Height, double p2Elev, double p3Length, double p3Height,
                        double p3Elev, double p3Dist) {
    P1Length = p1Length;
    P1Height = p1Height;
    P2Length = p2Length;
    P2Height = p2Height;
    P2Elev = p2Elev;
    P3Length = p3Length;
    P3Height = p3Height;
    P3Elev = p3Elev;
    P3Dist = p3Dist;
    LengthFactor = unitsFlag ? 1.0 : units::kFeetPerMetre;
    RefHeight = 1.8;
    HorOffset = 0.0;
    ShowValues();
}

void TSurveyForm::GetResults(double& p1Length, double& p1Height, double& p2Length,
                             double& p2Height, double& p2Elev, double& p3Length, double& p3Height,
                             double& p3Elev, double& p3Dist) const {
    p1Length = P1Length;
    p1Height = P1Height;
    p2Length = P2Length;
    p2Height = P2Height;
    p2Elev = P2Elev;
    p3Length = P3Length;
    p3Height = P3Height;
    p3Elev = P3Elev;
    p3Dist = P3Dist;
}

// The venue counts plane 2 by its length alone (a flat plane counts) and
// plane 3 only with both a length and a rise.
bool TSurveyForm::Plane2Present() const { return P2Length > 0.0; }
bool TSurveyForm::Plane3Present() const { return P3Length > 0.0 && P3Height > 0.0; }

// --- showing ------------------------------------------------------------------

void TSurveyForm::ShowLength(QLineEdit* edit, double metres) {
    edit->setText(QString::fromStdString(rtl::FormatFixed(metres * LengthFactor, 4, 4)));
}

void TSurveyForm::ShowAngle(QLineEdit* edit, double radians) {
    edit->setText(QString::fromStdString(rtl::FormatFixed(radians * 180.0 / kPi, 4, 4)));
}

void TSurveyForm::Measure(double x, double y, double& diag, double& angle) const {
    const double dx = x - HorOffset;
    const double dy = y - RefHeight;
    diag = std::hypot(dx, dy);
    angle = zmath::ArcTan2OfDoubles(dy, dx);
}

void TSurveyForm::ShowPlane2() {
    ShowLength(P2DLFed, P2FrontDiag);
    ShowAngle(P2AFed, P2FrontAngle);
    ShowLength(P2DLRed, P2RearDiag);
    ShowAngle(P2ARed, P2RearAngle);
}

void TSurveyForm::ShowPlane3() {
    ShowLength(P3DLFed, P3FrontDiag);
    ShowAngle(P3AFed, P3FrontAngle);
    ShowLength(P3DLRed, P3RearDiag);
    ShowAngle(P3ARed, P3RearAngle);
}

void TSurveyForm::ShowValues() {
    Measure(P1Length, P1Height, P1RearDiag, P1RearAngle);

    if (Plane2Present()) {
        Measure(P1Length, P2Elev, P2FrontDiag, P2FrontAngle);
        Measure(P1Length + P2Length, P2Elev + P2Height, P2RearDiag, P2RearAngle);
        P2enablechk->setChecked(true);
        ShowPlane2();
    } else {
        P2enablechk->setChecked(false);
        for (QLineEdit* e : {P2DLFed, P2AFed, P2DLRed, P2ARed}) e->clear();
    }

    if (Plane3Present()) {
        Measure(P3Dist, P3Elev, P3FrontDiag, P3FrontAngle);
        Measure(P3Dist + P3Length, P3Elev + P3Height, P3RearDiag, P3RearAngle);
        P3enablechk->setChecked(true);
        ShowPlane3();
    } else {
        P3enablechk->setChecked(false);
        for (QLineEdit* e : {P3DLFed, P3AFed, P3DLRed, P3ARed}) e->clear();
    }

    ShowLength(P1DLRed, P1RearDiag);
    ShowAngle(P1ARed, P1RearAngle);
    ShowLength(ded, RefHeight);
    ShowLength(led, HorOffset);
}

// --- reading --------------------------------------------------------------------

void TSurveyForm::ReadLength(QLineEdit* edit, double& value) {
    FScratch = value;
    double typed = 0.0;
    value = rtl::TryParseDouble(edit->text().toStdString(), typed) ? typed / LengthFactor : FScratch;
    ShowLength(edit, value);
}

void TSurveyForm::ReadAngle(QLineEdit* edit, double& value) {
    FScratch = value;
    double degrees = 0.0;
    value = rtl::TryParseDouble(edit->text().toStdString(), degrees) ? degrees * kPi / 180.0
                                                                      : FScratch;
    ShowAngle(edit, value);
}

void TSurveyForm::P1DLRedExit() { ReadLength(P1DLRed, P1RearDiag); }
void TSurveyForm::P1ARedExit() { ReadAngle(P1ARed, P1RearAngle); }
void TSurveyForm::P2DLFedExit() { ReadLength(P2DLFed, P2FrontDiag); }
void TSurveyForm::P2AFedExit() { ReadAngle(P2AFed, P2FrontAngle); }
void TSurveyForm::P2DLRedExit() { ReadLength(P2DLRed, P2RearDiag); }
void TSurveyForm::P2ARedExit() { ReadAngle(P2ARed, P2RearAngle); }
void TSurveyForm::P3DLFedExit() { ReadLength(P3DLFed, P3FrontDiag); }
void TSurveyForm::P3AFedExit() { ReadAngle(P3AFed, P3FrontAngle); }
void TSurveyForm::P3DLRedExit() { ReadLength(P3DLRed, P3RearDiag); }
void TSurveyForm::P3ARedExit() { ReadAngle(P3ARed, P3RearAngle); }

void TSurveyForm::dedExit() {
    ReadLength(ded, RefHeight);
    ShowValues();
}

void TSurveyForm::ledExit() {
    ReadLength(led, HorOffset);
    ShowValues();
}

// --- enable boxes ------------------------------------------------------------------

namespace {

// A plane that is switched on and holds no measurements yet starts from the
// default measurements.
void StartPlane(bool present, const PlaneDefaults& d, double& frontDiag, double& frontAngle,
                double& rearDiag, double& rearAngle) {
    if (present) return;
    frontDiag = d.frontDiag;
    frontAngle = d.frontAngle;
    rearDiag = d.rearDiag;
    rearAngle = d.rearAngle;
}

}  // namespace

void TSurveyForm::P2enablechkClick() {
    if (!P2enablechk->isChecked()) return;
    StartPlane(Plane2Present(), kPlane2Defaults, P2FrontDiag, P2FrontAngle, P2RearDiag, P2RearAngle);
    ShowPlane2();
}

void TSurveyForm::P3enablechkClick() {
    if (!P3enablechk->isChecked()) return;
    StartPlane(Plane3Present(), kPlane3Defaults, P3FrontDiag, P3FrontAngle, P3RearDiag, P3RearAngle);
    ShowPlane3();
}

// --- closing --------------------------------------------------------------------------

void TSurveyForm::ComputePlanes() {
    ReadAngle(P1ARed, P1RearAngle);
    ReadLength(P1DLRed, P1RearDiag);
    const bool plane2 = P2enablechk->isChecked();
    const bool plane3 = P3enablechk->isChecked();
    if (plane2) {
        ReadAngle(P2AFed, P2FrontAngle);
        ReadAngle(P2ARed, P2RearAngle);
        ReadLength(P2DLRed, P2RearDiag);
        ReadLength(P2DLFed, P2FrontDiag);
    }
    if (plane3) {
        ReadAngle(P3AFed, P3FrontAngle);
        ReadAngle(P3ARed, P3RearAngle);
        ReadLength(P3DLRed, P3RearDiag);
        ReadLength(P3DLFed, P3FrontDiag);
    }
    ReadLength(ded, RefHeight);
    ReadLength(led, HorOffset);

    P1Height = std::sin(P1RearAngle) * P1RearDiag + RefHeight;
    P1Length = std::cos(P1RearAngle) * P1RearDiag + HorOffset;

    // Plane 2 always starts where plane 1 ends; its front reading gives
    // only the elevation.
    if (plane2) {
        P2Elev = std::sin(P2FrontAngle) * P2FrontDiag + RefHeight;
        P2Height = std::sin(P2RearAngle) * P2RearDiag + RefHeight - P2Elev;
        P2Length = std::cos(P2RearAngle) * P2RearDiag + HorOffset - P1Length;
    } else {
        P2Length = 0.0;
        P2Height = 1.0;
        P2Elev = 0.0;
    }

    if (plane3) {
        P3Dist = std::cos(P3FrontAngle) * P3FrontDiag + HorOffset;
        P3Elev = std::sin(P3FrontAngle) * P3FrontDiag + RefHeight;
        P3Height = std::sin(P3RearAngle) * P3RearDiag + RefHeight - P3Elev;
        P3Length = std::cos(P3RearAngle) * P3RearDiag + HorOffset - P3Dist;
    } else {
        P3Length = 20.0;
        P3Height = 0.0;
        P3Elev = 0.0;
    }
}

void TSurveyForm::UpdateButClick() {
    ComputePlanes();
    done(1);
}

void TSurveyForm::CancelbutClick() { done(2); }
