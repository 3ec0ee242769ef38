// The venue page's values: the heights, the coverage points and the three
// audience planes, each an edit with its caption.  The values are held in
// metres in the window's fields; the edits show them in the unit system.

#include <QLabel>
#include <QLineEdit>

#include "background1.h"
#include "form_build.h"

namespace {

// A venue value: the edit the window keeps, its object name, its caption
// and the text it starts with.  Laid out in columns of five.
struct EditSpec {
    QLineEdit* TForm1::*edit;
    const char* name;
    const char* caption;
    const char* text;
};

constexpr EditSpec kValueEdits[] = {
    {&TForm1::MaxPickHeight, "MaxPickHeight", "Max pick height", "20"},
    {&TForm1::MinTrimHeight, "MinTrimHeight", "Min trim height", "3"},
    {&TForm1::ArrayHeight, "ArrayHeight", "Array height", "6"},
    {&TForm1::CovStart, "CovStart", "Coverage start", "1"},
    {&TForm1::CovStop, "CovStop", "Coverage stop", "80"},
    {&TForm1::P1Length, "P1Length", "Plane 1 length", "60"},
    {&TForm1::P1Height, "P1Height", "Plane 1 height", "0"},
    {&TForm1::P2Length, "P2Length", "Plane 2 length", "20"},
    {&TForm1::P2Height, "P2Height", "Plane 2 height", "4"},
    {&TForm1::P2elev, "P2elev", "Plane 2 elevation", "0"},
    {&TForm1::P3Length, "P3Length", "Plane 3 length", "13"},
    {&TForm1::P3Height, "P3Height", "Plane 3 height", "0"},
    {&TForm1::p3elev, "p3elev", "Plane 3 elevation", "0"},
    {&TForm1::P3dist, "P3dist", "Plane 3 distance", "80"},
};

constexpr int kRowsPerColumn = 5;
constexpr int kColumnWidth = 190;
constexpr int kRowHeight = 24;

}  // namespace

void TForm1::BuildVenuePage() {
    // In metres until a design starts; the values' own handlers format them.
    int i = 0;
    for (const EditSpec& e : kValueEdits) {
        const int col = i / kRowsPerColumn, row = i % kRowsPerColumn;
        const int x = 610 + col * kColumnWidth, y = 4 + row * kRowHeight;
        formbuild::PlaceAt(new QLabel(formbuild::Text(e.caption), VenueTab), {x, y, 100, 20});
        QLineEdit* edit = formbuild::Make<QLineEdit>(VenueTab, e.name, e.text);
        edit->setFixedWidth(70);
        edit->move(x + 102, y);
        this->*e.edit = edit;
        ++i;
    }
}
