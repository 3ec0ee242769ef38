#include "app/substack.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "platform/core/numtext.h"
#include "app/form_build.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/updown.h"

namespace {

// Heights of one cabinet of each subwoofer model, metres.
constexpr double kJumoHeight = 0.574;
constexpr double kKatoHeight = 0.561;
constexpr double kRuddHeight = 0.49;
constexpr double kHobaHeight = 0.49;

constexpr int kMaxSubs = 6;

using formbuild::Named;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x, int y, int w) {
    auto* b = Named(new QPushButton(QString::fromLatin1(caption), parent), name);
    b->setGeometry(x, y, w, 26);
    // Return in the count edit must not close the dialog with a choice.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Tssform::Tssform(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ssform"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Sub Stack"));

    jumorad = Named(new QRadioButton(QStringLiteral("Jumo"), this), "jumorad");
    katorad = Named(new QRadioButton(QStringLiteral("Kato"), this), "katorad");
    ruddrad = Named(new QRadioButton(QStringLiteral("Rudd"), this), "ruddrad");
    hobarad = Named(new QRadioButton(QStringLiteral("Hoba"), this), "hobarad");
    int y = 8;
    for (QRadioButton* r : {jumorad, katorad, ruddrad, hobarad}) {
        r->setGeometry(12, y, 140, 20);
        y += 22;
    }
    Label1 = Named(new QLabel(QStringLiteral("Number of Subs"), this), "Label1");
    Label1->setGeometry(170, 8, 100, 20);
    Edit1 = Named(new QLineEdit(QStringLiteral("1"), this), "Edit1");
    Edit1->setGeometry(170, 30, 40, 22);
    // The count moves only by its up/down.
    Edit1->setReadOnly(true);
    UpDown1 = Named(new qtapp::UpDown(this), "UpDown1");
    UpDown1->move(212, 30);
    UpDown1->SetRange(1, kMaxSubs);
    UpDown1->SetPosition(1);
    Label2 = Named(new QLabel(QStringLiteral("Sub stack Height = "), this), "Label2");
    Label2->setGeometry(12, 100, 120, 20);
    subheightlab = Named(new QLabel(QStringLiteral("...m"), this), "subheightlab");
    subheightlab->setGeometry(134, 100, 80, 20);
    BitBtn1 = Button(this, "BitBtn1", "Stack subs on stage", 12, 128, 160);
    Button1 = Button(this, "Button1", "Stack subs on floor", 180, 128, 160);
    BitBtn3 = Button(this, "BitBtn3", "Remove from Stage Height", 12, 160, 160);
    BitBtn2 = Button(this, "BitBtn2", "Cancel", 180, 160, 160);
    // The buttons in two columns as wide as the longest caption needs.
    int column = 160;
    for (QPushButton* b : {BitBtn1, Button1, BitBtn3, BitBtn2})
        column = std::max(column, b->sizeHint().width());
    for (QPushButton* b : {BitBtn1, BitBtn3}) b->resize(column, b->height());
    for (QPushButton* b : {Button1, BitBtn2}) b->setGeometry(12 + column + 8, b->y(), column, b->height());
    setFixedSize(std::max(352, 12 + 2 * column + 8 + 12), 196);

    qtapp::OnRadioClick(jumorad, this, [this] { jumoradClick(); });
    qtapp::OnRadioClick(katorad, this, [this] { katoradClick(); });
    qtapp::OnRadioClick(ruddrad, this, [this] { ruddradClick(); });
    qtapp::OnRadioClick(hobarad, this, [this] { hobaradClick(); });
    qtapp::OnUpDownClick(UpDown1, this, [this](qtapp::UDBtnType b) { UpDown1Click(b); });
    qtapp::OnButtonClick(BitBtn1, this, [this] { BitBtn1Click(); });
    qtapp::OnButtonClick(Button1, this, [this] { Button1Click(); });
    qtapp::OnButtonClick(BitBtn3, this, [this] { BitBtn3Click(); });
    qtapp::OnButtonClick(BitBtn2, this, [this] { BitBtn2Click(); });

    NumSubs = 1;
    jumorad->setChecked(true);
    SubUnitHeight = kJumoHeight;
    ShowStackHeight();
    OnFloor = false;
}

void Tssform::Setup(bool unitsFlag, bool twoWide) {
    UnitsFlag = unitsFlag;
    hobarad->setText(twoWide ? QStringLiteral("Hoba (2 wide)") : QStringLiteral("Hoba"));
    jumorad->setText(twoWide ? QStringLiteral("Jumo (2 wide)") : QStringLiteral("Jumo"));
    katorad->setText(twoWide ? QStringLiteral("Kato (2 Wide)") : QStringLiteral("Kato"));
}

void Tssform::ShowStackHeight() {
    subheightlab->setText(QString::fromStdString(rtl::FormatFixed(NumSubs * SubUnitHeight, 3, 3)));
}

void Tssform::UpDown1Click(qtapp::UDBtnType button) {
    if (button == qtapp::UDBtnType::Next) {
        if (NumSubs < kMaxSubs) ++NumSubs;
    } else if (NumSubs >= 2) {
        --NumSubs;
    }
    Edit1->setText(QString::number(NumSubs));
    ShowStackHeight();
}

void Tssform::jumoradClick() {
    SubUnitHeight = kJumoHeight;
    ShowStackHeight();
}

void Tssform::katoradClick() {
    SubUnitHeight = kKatoHeight;
    ShowStackHeight();
}

void Tssform::ruddradClick() {
    SubUnitHeight = kRuddHeight;
    ShowStackHeight();
}

void Tssform::hobaradClick() {
    SubUnitHeight = kHobaHeight;
    ShowStackHeight();
}

void Tssform::BitBtn1Click() {
    StackHeight = NumSubs * SubUnitHeight;
    OnFloor = false;
    done(1);
}

void Tssform::Button1Click() {
    StackHeight = NumSubs * SubUnitHeight;
    OnFloor = true;
    done(1);
}

void Tssform::BitBtn3Click() {
    StackHeight = NumSubs * SubUnitHeight;
    done(3);
}

void Tssform::BitBtn2Click() { done(2); }
