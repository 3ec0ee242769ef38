#include "array_readout.h"

#include "arrays/lsarray.h"
#include "core/errors.h"
#include "mechdll5.h"

namespace {

// The array model grows its reporting fields under their final names; until
// they are there the figures come from the fields that hold them now.
template <class A>
uint8_t LevelOf(A& a) {
    if constexpr (requires { a.SafetyLevel(); }) {
        return a.SafetyLevel();
    } else {
        if (a.RigMode == A::GroundStacked) return a.GroundStackSafetyLevel();
        return mechSafetyLevel();
    }
}

template <class A>
double MassOf(const A& a) {
    if constexpr (requires { a.ArrayMass; })
        return a.ArrayMass;
    else
        return a.TotalMass;
}

template <class A>
double LiftBarAngleOf(const A& a) {
    if constexpr (requires { a.LiftBarAngle; })
        return a.LiftBarAngle;
    else
        return a.LiftBarGridAngle;
}

template <class A>
double BottomAngleOf(const A& a) {
    if constexpr (requires { a.BottomAngle; })
        return a.BottomAngle;
    else
        return a.LastBoxFaceAngle;
}

template <class B>
double TopAngleOffsetOf(const B* box) {
    if constexpr (requires { box->TopAngleOffset; })
        return box != nullptr ? box->TopAngleOffset : 0.0;
    else
        return 0.0;
}

class ArrayReadout final : public TRigReadout {
public:
    explicit ArrayReadout(std::function<TLoudspeakerArray*()> current)
        : current_(std::move(current)) {}

    uint8_t SafetyLevel() override { return LevelOf(Array()); }
    TArrayRigResults RigResults() override { return ReadRigResults(Array()); }
    double Mass() override { return MassOf(Array()); }
    double FrontPickLoad() override { return Grid().FrontPickLoad; }
    double RearPickLoad() override { return Grid().RearPickLoad; }
    int BestHole() override { return Array().LiftBarBestHole; }
    double LiftBarAngle() override { return LiftBarAngleOf(Array()); }
    double TopAngleOffset() override { return TopAngleOffsetOf(Array().CurrentBox); }
    uint8_t TypeCode() override { return Array().TypeCode; }
    double BottomAngle() override { return BottomAngleOf(Array()); }

private:
    TLoudspeakerArray& Array() {
        TLoudspeakerArray* a = current_ ? current_() : nullptr;
        if (a == nullptr) throw rtl::RuntimeError(1, "No loudspeaker array");
        return *a;
    }
    TGrid& Grid() {
        TLoudspeakerArray& a = Array();
        if (a.Grid == nullptr) throw rtl::RuntimeError(1, "The array has no grid");
        return *a.Grid;
    }

    std::function<TLoudspeakerArray*()> current_;
};

}  // namespace

namespace {

// The array reports in its own order; every figure is bound by name.
template <class A>
TArrayRigResults ReadRigResultsOf(A& a) {
    if constexpr (requires { a.GetRigResults(); }) {
        return RigResultsByName(a.GetRigResults());
    } else {
        TArrayRigResults r;
        a.GetRigResults(r.FrontPickLoad, r.TopFrontSafety, r.RearPickLoad, r.TopRearSafety,
                        r.WeakFrontForce, r.WeakFrontSafety, r.WeakRearForce, r.WeakRearSafety);
        return r;
    }
}

}  // namespace

TArrayRigResults ReadRigResults(TLoudspeakerArray& array) { return ReadRigResultsOf(array); }

std::array<double, 8> RigResultsInWindowOrder(const TArrayRigResults& r) {
    return {r.FrontPickLoad,  r.RearPickLoad,  r.TopFrontSafety,  r.TopRearSafety,
            r.WeakFrontForce, r.WeakRearForce, r.WeakFrontSafety, r.WeakRearSafety};
}

std::unique_ptr<TRigReadout> MakeArrayReadout(std::function<TLoudspeakerArray*()> current) {
    return std::make_unique<ArrayReadout>(std::move(current));
}
