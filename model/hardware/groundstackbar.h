#pragma once
// Ground-stack bars: the bar a ground-stacked column stands on, one hole per
// tilt.  Each subclass's constructor holds one cabinet model's hole table.
// One hole is current.

#include <string>

#include "platform/core/checked.h"
#include "model/hardware/splay.h"
#include "model/hardware/textlist.h"

class TGroundStackBar {
public:
    int HoleCount = 0;        // holes in use (at most 41)
    double MaxAngle = 0.0;    // degrees, tilt of the last hole
    double MinAngle = 0.0;    // degrees, tilt of the first hole
    rtl::CheckedArray<double, 0, 40> Angles;   // tilt each hole gives, ascending
    rtl::CheckedArray<double, 0, 40> Values;   // nominal value printed for each hole
    rtl::CheckedArray<int, 0, 40> BarHole;     // 0 the bar's top hole, otherwise its middle hole
    rtl::CheckedArray<int, 0, 40> CabinetHole; // 1..8: TBox::Holes entry + 1; 0 or above 8: none
    int CurrentIndex = 0;     // the current hole, 0..40
    double CurrentValue = 0.0;
    TTextList Texts;          // value of each hole in use, "-2.00", "0.00", "2.50" ...

    // A bar without holes.
    TGroundStackBar() = default;
    virtual ~TGroundStackBar() = default;

    // Makes current the hole whose tilt is nearest to Angle (by the square of
    // the difference); of equally near holes the lower index wins.  With no
    // or one hole the result is hole 0.
    virtual void SelectNearestHole(double Angle);

    // Splay.Angle[N - 1] := tilt of the current hole.  N is 1..41; outside
    // that, or with CurrentIndex outside 0..40, "Range check error" and
    // nothing is written.
    void StoreCurrentAngle(TSplay& Splay, int N) const;
    // Makes the last (first) hole current, then as StoreCurrentAngle.  On a
    // bar without holes nothing changes, neither the bar nor the splay list.
    // A bad N is refused before anything changes.
    void SelectLastHole(TSplay& Splay, int N);
    void SelectFirstHole(TSplay& Splay, int N);

    // The current hole's value as the user sees it ("2.50").
    std::string CurrentValueText() const;
    // The current hole's tilt.
    double CurrentAngle() const;
    // The current hole's BarHole entry.
    int CurrentHoleNumber() const;
    // The current hole's entry of TBox::Holes (CabinetHole - 1), or -1 when
    // it meets no cabinet hole (CabinetHole 0 or above 8).
    int CurrentCabinetHoleEntry() const;

    // The text of a hole's value: fixed, precision 5, two decimals, ".".
    static std::string FormatValue(double Value);

protected:
    // Fills the hole tables from rows (tilt, value, bar hole, cabinet hole),
    // then MinAngle, MaxAngle and Texts.
    struct Row {
        double Tilt;
        double Value;
        int BarHole;
        int CabinetHole;
    };
    template <std::size_t N>
    void Load(const Row (&rows)[N], double MinAngle_, double MaxAngle_) {
        LoadRows(rows, static_cast<int>(N), MinAngle_, MaxAngle_);
    }
    void LoadRows(const Row* rows, int count, double MinAngle_, double MaxAngle_);
};

// Compact cabinet (11 holes).
class TBexaGroundStackBar : public TGroundStackBar {
public:
    TBexaGroundStackBar();
};

// Full-size cabinet (12 holes).
class TArvoGroundStackBar : public TGroundStackBar {
public:
    TArvoGroundStackBar();
};

// Mini cabinet (14 holes).
class TDoviGroundStackBar : public TGroundStackBar {
public:
    TDoviGroundStackBar();
};

// Mini downfill cabinet (12 holes).
class TElkaGroundStackBar : public TGroundStackBar {
public:
    TElkaGroundStackBar();
};
