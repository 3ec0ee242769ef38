// The array page: the cabinet groups with the model choice and the Hoba
// match, and the rigging results panel (loads, lift bar, readouts, grid
// picture).  UpdateArrayPage fills it for the current array.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "background1.h"
#include "form_build.h"
#include "qtapp/picturebox.h"
#include "qtapp/updown.h"

namespace {

using formbuild::Spec;

constexpr Spec<QGroupBox> kGroups[] = {
    {&TForm1::arvoGB, "arvoGB", "Cabinets", {4, 4, 150, 200}},
    {&TForm1::BexaGB, "BexaGB", "Second model", {158, 4, 150, 200}},
};

// In BexaGB.
constexpr Spec<QPushButton> kHobaButtons[] = {
    {&TForm1::UpdateEaseBut, "UpdateEaseBut", "Update", {6, 74, 100, 24}},
};

// In Panel7: the rigging results, each value after its caption.
constexpr formbuild::CaptionSpec kResultCaptions[] = {
    {"Total Mass  = ", {4, 4, 110, 18}},
    {"Front Pick Load", {4, 24, 110, 18}},
    {"Rear Pick Load", {4, 44, 110, 18}},
    {"Best lift bar hole", {4, 64, 110, 18}},
    {"Lift bar angle", {4, 84, 110, 18}},
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
    {&TForm1::gridimg, "gridimg", nullptr, {4, 194, 240, 60}},
};

}  // namespace

void TForm1::BuildArrayPage() {
    formbuild::Build(*this, ArrayTab, kGroups);
    formbuild::Build(*this, BexaGB, kHobaButtons);

    Panel7 = formbuild::Make<QWidget>(ArrayTab, "Panel7");
    Panel7->setGeometry(312, 4, 250, 260);
    formbuild::BuildCaptions(Panel7, kResultCaptions);
    formbuild::Build(*this, Panel7, kResultLabels);
    formbuild::Build(*this, Panel7, kResultPictures);
}

// Filled in with the rows of the array's cabinets.
void TForm1::UpdateArrayPage() {}
