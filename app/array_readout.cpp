#include "app/array_readout.h"

#include "model/arrays/lsarray.h"
#include "model/hardware/box.h"
#include "platform/core/errors.h"

namespace {

class ArrayReadout final : public TRigReadout {
public:
    explicit ArrayReadout(std::function<TLoudspeakerArray*()> current)
        : current_(std::move(current)) {}

    uint8_t SafetyLevel() override { return Array().SafetyLevel(); }
    TArrayRigResults RigResults() override { return ReadRigResults(Array()); }
    double Mass() override { return Array().TotalMass; }
    double FrontPickLoad() override { return Grid().FrontPickLoad; }
    double RearPickLoad() override { return Grid().RearPickLoad; }
    int BestHole() override { return Array().LiftBarBestHole; }
    double LiftBarAngle() override { return Array().LiftBarGridAngle; }
    // The cabinet's offset between its axis and its top face, which the
    // cabinet models hold as their bottom-face angle.
    double TopAngleOffset() override { return Box().BottomFaceAngle; }
    uint8_t TypeCode() override { return Array().TypeCode; }
    double BottomAngle() override { return Array().LastBoxFaceAngle; }

private:
    TLoudspeakerArray& Array() {
        TLoudspeakerArray* a = current_ ? current_() : nullptr;
        if (a == nullptr) throw rtl::RuntimeError(1, "No loudspeaker array");
        return *a;
    }
    TBox& Box() {
        TLoudspeakerArray& a = Array();
        if (a.CurrentBox == nullptr) throw rtl::RuntimeError(1, "The array has no current cabinet");
        return *a.CurrentBox;
    }
    TGrid& Grid() {
        TLoudspeakerArray& a = Array();
        if (a.Grid == nullptr) throw rtl::RuntimeError(1, "The array has no grid");
        return *a.Grid;
    }

    std::function<TLoudspeakerArray*()> current_;
};

}  // namespace

// The array reports in its own order; every figure is bound by name.
TArrayRigResults ReadRigResults(TLoudspeakerArray& array) {
    return RigResultsByName(array.GetRigResults());
}

std::array<double, 8> RigResultsInWindowOrder(const TArrayRigResults& r) {
    return {r.FrontPickLoad,  r.RearPickLoad,  r.TopFrontSafety,  r.TopRearSafety,
            r.WeakFrontForce, r.WeakRearForce, r.WeakFrontSafety, r.WeakRearSafety};
}

std::unique_ptr<TRigReadout> MakeArrayReadout(std::function<TLoudspeakerArray*()> current) {
    return std::make_unique<ArrayReadout>(std::move(current));
}
