#pragma once
// Lifting bars of the compact and mini systems (grid pick modes 4 and 5).
// Which hole to use is the rigging library's answer, not this class's.

class TLiftBar {
public:
    double HolePitch = 0.0;  // m between neighbouring holes
    int HoleCount = 0;       // holes in the bar (as the library's lift-bar element)
    double HoleDrop = 0.0;   // m, line of holes above the grid's pick points
    double TopAngle = 0.0;   // degrees, array top angle at the last rig evaluation
    double CogX = 0.0;       // m, negated x of the centre of gravity at the last evaluation
    double CogY = 0.0;       // m, y of that centre of gravity
    int PickSide = 0;        // 1 front, 2 rear
    double BarHeight = 0.0;  // m, drawn height

    // The compact system's bar: 23 holes at 0.0406 m, picked at the rear.
    TLiftBar();
    virtual ~TLiftBar() = default;

    // Records a rig evaluation's result; the x of the centre of gravity is
    // stored negated.
    void SetResult(double TopAngle_, double CogX_, double CogY_);
};

// The mini system's bar: 18 holes at 0.0396 m.
class TDoviLiftbar : public TLiftBar {
public:
    TDoviLiftbar();
};
