#include "app/form_venue_values.h"

#include <QRadioButton>

#include <cmath>
#include <string>

#include "app/form_build.h"
#include "app/rules/ear_height.h"
#include "model/hardware/splay.h"
#include "platform/core/errors.h"
#include "platform/core/rounding.h"
#include "platform/qtapp/updown.h"

namespace venuevalues {

const LengthRow* RowOfEdit(const TForm1& w, const QLineEdit* edit) {
    for (const LengthRow& r : kLengths)
        if (w.*r.Edit == edit) return &r;
    return nullptr;
}

const LengthRow* RowOfUpDown(const TForm1& w, const qtapp::UpDown* upDown) {
    for (const LengthRow& r : kLengths)
        if (w.*r.UpDown == upDown) return &r;
    return nullptr;
}

double StepOf(const TForm1& w, const LengthRow& row) {
    return row.StepBy == Step::Height ? w.FHeightStep : w.FCoverageStep;
}

namespace {

// A value from outside its up/down: the value to keep, or the range error
// with the value's caption.
double Taken(double metres, bool notNegative, double step, int minPosition, int maxPosition,
             const char* caption) {
    const auto refuse = [caption] {
        const rtl::RangeError e;
        return rtl::RuntimeError(e.code(), std::string(e.what()) + " (" + caption + ")");
    };
    // No up/down holds an endless length (-infinity is no 0 either).
    if (!std::isfinite(metres)) throw refuse();
    if (notNegative && metres < 0.0) metres = 0.0;
    if (step > 0.0) {
        const double position = metres / step;
        if (!(std::fabs(position) < 1e9)) throw refuse();
        const int p = rtl::Round(position);
        if (p < minPosition || p > maxPosition) throw refuse();
    }
    return metres;
}

}  // namespace

double TakenLength(const TForm1& w, const LengthRow& row, double metres) {
    int min = row.Min, max = row.Max;
    if (row.Id == Length::CovStop) {
        min = 0;
        max = Row(Length::P1Length).Max + Row(Length::P2Length).Max;
    }
    return Taken(metres, row.NotNegative, StepOf(w, row), min, max, row.Caption);
}

double TakenEarHeight(const TForm1& w, const EarHeightRow& row, double metres) {
    return Taken(metres, false, w.FHeightStep, kEarHeightMin, kEarHeightMax, row.Caption);
}

void ToWindow(TForm1& w, const VenueData& d) {
    ForEachField([&](const auto& row) {
        using U = std::remove_cvref_t<decltype(w.*row.Field)>;
        w.*row.Field = static_cast<U>(d.*row.Data);
    });
}

double ChosenEarHeight(const QRadioButton* sit, const QRadioButton* stand, const QLineEdit* custom) {
    if (sit->isChecked() || stand->isChecked()) return rules::SeatedOrStanding(sit->isChecked());
    return formbuild::EditNumber(custom);
}

VenueData FromWindow(const TForm1& w) {
    VenueData d;
    ForEachField([&](const auto& row) {
        using T = std::remove_cvref_t<decltype(d.*row.Data)>;
        d.*row.Data = static_cast<T>(w.*row.Field);
    });
    d.Splay = w.FSplay.get();
    return d;
}

}  // namespace venuevalues
