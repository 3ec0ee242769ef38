#pragma once
// What the main window reads of the current array after a recalculation:
// the safety level, the rigging figures, mass, pick loads, lift-bar hole and
// angle, and the bottom angle of the last cabinet.  Reading goes through
// this one interface so that the window never holds on to an array (the
// venue rebuilds it on every call) and so that tests can stand in for it.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class TLoudspeakerArray;

// The eight rigging figures by meaning.  Loads and forces in kilograms.
struct TArrayRigResults {
    double FrontPickLoad = 0.0;
    double RearPickLoad = 0.0;
    double TopFrontSafety = 0.0;   // top element's front link
    double TopRearSafety = 0.0;    // top element's rear link
    double WeakFrontForce = 0.0;   // weakest front cabinet coupling
    double WeakRearForce = 0.0;    // weakest rear cabinet coupling
    double WeakFrontSafety = 0.0;  // safety factor of that front coupling
    double WeakRearSafety = 0.0;   // safety factor of that rear coupling
};

// The window's own order: front and rear pick load, front and rear safety
// factor of the top element, front and rear coupling force, front and rear
// coupling safety factor.
std::array<double, 8> RigResultsInWindowOrder(const TArrayRigResults& r);

class TRigReadout {
public:
    virtual ~TRigReadout() = default;
    // 0 safe, 1 caution, 2 unsafe.
    virtual uint8_t SafetyLevel() = 0;
    virtual TArrayRigResults RigResults() = 0;
    virtual double Mass() = 0;           // kg
    virtual double FrontPickLoad() = 0;  // kg, the grid's
    virtual double RearPickLoad() = 0;   // kg
    virtual int BestHole() = 0;          // -1 when no hole is usable
    virtual double LiftBarAngle() = 0;   // degrees
    virtual double TopAngleOffset() = 0;  // degrees, of the current cabinet
    virtual uint8_t TypeCode() = 0;
    virtual double BottomAngle() = 0;    // degrees, last cabinet's bottom face
};

// Reads whatever array `current` returns at the time of each call.  A
// missing array is a run-time error.
std::unique_ptr<TRigReadout> MakeArrayReadout(std::function<TLoudspeakerArray*()> current);

// The rigging figures of one array, taken by name from its report.
TArrayRigResults ReadRigResults(TLoudspeakerArray& array);

// The figures of any report that names them as the array does.
template <class R>
TArrayRigResults RigResultsByName(const R& r) {
    TArrayRigResults out;
    out.FrontPickLoad = r.FrontPickLoad;
    out.RearPickLoad = r.RearPickLoad;
    out.TopFrontSafety = r.TopFrontSafety;
    out.TopRearSafety = r.TopRearSafety;
    out.WeakFrontForce = r.WeakFrontForce;
    out.WeakRearForce = r.WeakRearForce;
    out.WeakFrontSafety = r.WeakFrontSafety;
    out.WeakRearSafety = r.WeakRearSafety;
    return out;
}
