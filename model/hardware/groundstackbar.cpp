#include "model/hardware/groundstackbar.h"

#include "platform/core/numtext.h"

std::string TGroundStackBar::FormatValue(double Value) { return rtl::FormatFixed(Value, 5, 2); }

void TGroundStackBar::LoadRows(const Row* rows, int count, double MinAngle_, double MaxAngle_) {
    rtl::CheckIndex(count, 0, 41);
    HoleCount = count;
    for (int i = 0; i < count; ++i) {
        Angles[i] = rows[i].Tilt;
        Values[i] = rows[i].Value;
        BarHole[i] = rows[i].BarHole;
        CabinetHole[i] = rows[i].CabinetHole;
    }
    MinAngle = MinAngle_;
    MaxAngle = MaxAngle_;
    for (int i = 0; i < count; ++i) Texts.Add(FormatValue(Values[i]));
}

void TGroundStackBar::SelectNearestHole(double Angle) {
    int best = 0;
    double bestDist = (Angles[0] - Angle) * (Angles[0] - Angle);
    for (int i = 1; i < HoleCount; ++i) {
        const double d = (Angles[i] - Angle) * (Angles[i] - Angle);
        if (d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    CurrentIndex = best;
    CurrentValue = Values[best];
}

void TGroundStackBar::StoreCurrentAngle(TSplay& Splay, int N) const {
    const double tilt = Angles[CurrentIndex];
    Splay.Angle[static_cast<long long>(N) - 1] = tilt;
}

void TGroundStackBar::SelectLastHole(TSplay& Splay, int N) {
    rtl::CheckIndex(N, 1, 41);
    if (HoleCount <= 0) return;  // no last hole: leave bar and list as they are
    const int last = HoleCount - 1;
    const double value = Values[last];
    const double tilt = Angles[last];
    CurrentIndex = last;
    CurrentValue = value;
    Splay.Angle[N - 1] = tilt;
}

void TGroundStackBar::SelectFirstHole(TSplay& Splay, int N) {
    rtl::CheckIndex(N, 1, 41);
    if (HoleCount <= 0) return;  // hole 0 is not a hole of an empty bar
    const double value = Values[0];
    const double tilt = Angles[0];
    CurrentIndex = 0;
    CurrentValue = value;
    Splay.Angle[N - 1] = tilt;
}

std::string TGroundStackBar::CurrentValueText() const { return FormatValue(Values[CurrentIndex]); }

double TGroundStackBar::CurrentAngle() const { return Angles[CurrentIndex]; }

int TGroundStackBar::CurrentHoleNumber() const { return BarHole[CurrentIndex]; }

int TGroundStackBar::CurrentCabinetHoleEntry() const {
    const int hole = CabinetHole[CurrentIndex];
    if (hole < 1 || hole > 8) return -1;
    return hole - 1;
}

// ---- hole tables: tilt, printed value, bar hole, cabinet hole ----

TBexaGroundStackBar::TBexaGroundStackBar() {
    static const Row rows[] = {
        {-1.75, -2, 1, 4}, {0.25, 0, 1, 6},  {2.29, 2, 1, 8},  {2.49, 2.5, 0, 1},
        {3.94, 4, 0, 2},   {5.03, 5, 0, 3},  {5.96, 6, 0, 4},  {7.08, 7, 0, 5},
        {7.98, 8, 0, 6},   {9.12, 9, 0, 7},  {10.03, 10, 0, 8},
    };
    Load(rows, -1.75, 10.03);
}

TArvoGroundStackBar::TArvoGroundStackBar() {
    static const Row rows[] = {
        {-2.5, -2.5, 1, 3}, {-1, -1, 1, 4}, {0, 0, 1, 5},   {1, 1, 1, 6},
        {2, 2, 1, 7},       {2.5, 2.5, 0, 1}, {4, 4, 0, 2}, {5.5, 5.5, 0, 3},
        {7, 7, 0, 4},       {8, 8, 0, 5},   {9, 9, 0, 6},   {10, 10, 0, 7},
    };
    Load(rows, -2.5, 10);
}

TDoviGroundStackBar::TDoviGroundStackBar() {
    static const Row rows[] = {
        {-3.89, -3.75, 1, 2}, {-2.19, -2.25, 1, 1}, {-0.82, -1, 1, 5}, {0, 0, 1, 4},
        {1, 1, 1, 3},         {2.33, 2, 1, 8},      {3, 3, 1, 7},      {4.21, 4, 1, 6},
        {6, 5.5, 0, 5},       {6.69, 6.5, 0, 4},    {7.42, 7.5, 0, 3}, {9.05, 9, 0, 8},
        {9.6, 9.5, 0, 7},     {10.36, 10.5, 0, 6},
    };
    Load(rows, -3.89, 10.36);
}

TElkaGroundStackBar::TElkaGroundStackBar() {
    // The last row meets no cabinet hole (9).
    static const Row rows[] = {
        {9, 9, 3, 1},   {10, 10, 4, 1}, {11, 11, 3, 2}, {12, 12, 4, 2},
        {13, 13, 3, 3}, {14, 14, 4, 3}, {15, 15, 3, 4}, {16, 16, 4, 4},
        {17, 17, 3, 5}, {18, 18, 4, 5}, {19, 19, 3, 6}, {20, 20, 4, 9},
    };
    Load(rows, 9, 20);
}
