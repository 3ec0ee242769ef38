// The cabinet choice: the number of cabinets of the array's models with
// their up/down buttons.

#include <QLabel>
#include <QLineEdit>

#include "background1.h"
#include "form_build.h"
#include "qtapp/updown.h"

namespace {

constexpr formbuild::CaptionSpec kCaptions[] = {
    {"Cabinets", {430, 76, 60, 20}},
};

constexpr formbuild::Spec<QLineEdit> kCountEdits[] = {
    {&TForm1::NumBoxes, "NumBoxes", "10", {492, 76}},
};

constexpr formbuild::Spec<qtapp::UpDown> kCountUpDowns[] = {
    {&TForm1::numbox1updn, "numbox1updn", nullptr, {534, 76}},
};

}  // namespace

void TForm1::BuildCabinetChoice() {
    formbuild::BuildCaptions(VenueTab, kCaptions);
    formbuild::Build(*this, VenueTab, kCountEdits);
    NumBoxes->setFixedWidth(40);
    NumBoxes->setReadOnly(true);
    formbuild::Build(*this, VenueTab, kCountUpDowns);
    numbox1updn->SetRange(1, 40);
}
