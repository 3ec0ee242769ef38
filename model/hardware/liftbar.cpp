#include "model/hardware/liftbar.h"

TLiftBar::TLiftBar() {
    HolePitch = 0.0406;
    HoleCount = 23;
    HoleDrop = 0.065;
    PickSide = 2;
    BarHeight = 0.06;
}

void TLiftBar::SetResult(double TopAngle_, double CogX_, double CogY_) {
    TopAngle = TopAngle_;
    CogX = -CogX_;
    CogY = CogY_;
}

TDoviLiftbar::TDoviLiftbar() {
    HolePitch = 0.0396;
    HoleCount = 18;
    HoleDrop = 0.065;
    PickSide = 2;
    BarHeight = 0.06;
}
