#include "venue/model/venue_values.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <type_traits>

#include "platform/core/numtext.h"

namespace {

std::string Shown(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "+Inf" : "-Inf";
    return rtl::FormatGeneral(x);
}

[[noreturn]] void Refuse(std::string_view name, const std::string& value, const std::string& why) {
    throw VenueValueError(std::string(name), std::string(name) + " = " + value + ": " + why);
}

// The derived state a hand-over or a load changes besides the values of the
// list: the drawing's scale, the plane lines, the heights the venue works
// out, and what a load reads from a file into the venue alone.
constexpr double TVenue::*kDerivedReals[] = {
    &TVenue::MarginX,         &TVenue::MarginY,     &TVenue::ExtentY,         &TVenue::ExtentX,
    &TVenue::ScaleX,          &TVenue::ScaleY,      &TVenue::Plane2Slope,     &TVenue::Plane2Intercept,
    &TVenue::Plane2Angle,     &TVenue::Plane1Slope, &TVenue::Plane1Intercept, &TVenue::Plane1Angle,
    &TVenue::Plane3Slope,     &TVenue::Plane3Intercept, &TVenue::Plane3Angle, &TVenue::DownfillFactor,
    &TVenue::DrawOffset,      &TVenue::LowestHeight, &TVenue::TopHeight,      &TVenue::SeatedEarHeight};
constexpr bool TVenue::*kDerivedFlags[] = {&TVenue::Plane2Present, &TVenue::Plane3Present,
                                           &TVenue::CombinationGrid};

template <class T>
using Member = T TVenue::*;

}  // namespace

namespace {

template <class V>
void CheckOne(const V& v, double x) {
    if (!std::isfinite(x)) Refuse(v.Name, Shown(x), "not a finite number");
    if (v.Kind == VenueValueKind::Force && !(x > 0))
        Refuse(v.Name, Shown(x), "the push-over force must be above 0");
}

template <class V>
void CheckOne(const V& v, int x) {
    if (v.Kind == VenueValueKind::CabinetCount && x < 0)
        Refuse(v.Name, std::to_string(x), "a cabinet count cannot be negative");
    if (v.Kind == VenueValueKind::RigMode && x != 1 && x != 2)
        Refuse(v.Name, std::to_string(x), "unknown rig mode (1 flown, 2 ground-stacked)");
}

template <class X>
void CheckNamed(std::string_view name, X x) {
    ForEachVenueValue([&](const auto& v) {
        using T = std::remove_cvref_t<decltype(std::declval<VenueData>().*(v.Data))>;
        if constexpr (std::is_same_v<T, X>)
            if (v.Name == name) CheckOne(v, x);
    });
}

}  // namespace

void CheckVenueValue(std::string_view Name, double X) { CheckNamed(Name, X); }
void CheckVenueValue(std::string_view Name, int X) { CheckNamed(Name, X); }

int VenueValueFileLine(std::string_view Name) {
    for (const VenueValueInfo& v : VenueValueInfos())
        if (v.Name == Name) return v.FileLine;
    return 0;
}

void CheckVenueData(const VenueData& D) {
    int cabinets = 0;
    ForEachVenueValue([&](const auto& v) {
        const auto& x = D.*(v.Data);
        using X = std::remove_cvref_t<decltype(x)>;
        if constexpr (std::is_same_v<X, double> || std::is_same_v<X, int>) {
            CheckOne(v, x);
            if constexpr (std::is_same_v<X, int>) {
                if (v.Kind == VenueValueKind::CabinetCount) {
                    if (x > kMaxVenueCabinets - cabinets)
                        Refuse(v.Name, std::to_string(x),
                               "more cabinets in the array than the " +
                                   std::to_string(kMaxVenueCabinets) + " of the splay list");
                    cabinets += x;
                }
            }
        } else if constexpr (std::is_same_v<X, TSplay*>) {
            if (x != nullptr)
                for (int i = 0; i <= 40; ++i)
                {
                    if (!std::isfinite(x->Angle[i]))
                        throw VenueValueError(std::string(v.Name),
                                              "Splay angle " + std::to_string(i) + " = " +
                                                  Shown(x->Angle[i]) + ": not a finite number");
                    // No cabinet turns further; angles beyond add up to
                    // tilts that are no number.
                    if (std::fabs(x->Angle[i]) > kMaxSplayAngle)
                        throw VenueValueError(std::string(v.Name),
                                              "Splay angle " + std::to_string(i) + " = " +
                                                  Shown(x->Angle[i]) + ": beyond a full turn");
                }
        }
    });
}

VenueValueError SetUpRefusal(const rtl::RuntimeError& E, const std::string& ArrayType, int N1,
                             int N2, int N3) {
    std::string counts;
    std::string last = "NumBoxes1";
    const std::pair<const char*, int> all[] = {{"NumBoxes1", N1}, {"NumBoxes2", N2}, {"NumBoxes3", N3}};
    for (const auto& [name, n] : all) {
        if (n == 0) continue;
        counts += (counts.empty() ? "" : ", ") + std::string(name) + " = " + std::to_string(n);
        last = name;
    }
    if (counts.empty()) counts = "NumBoxes1 = 0";
    return VenueValueError(last, std::string(E.what()) + ": " +
                                     (ArrayType.empty() ? std::string("Arvo") : ArrayType) +
                                     " array cannot be set up with " + counts);
}

VenueData VenueDataOf(const TVenue& V) {
    VenueData D;
    ForEachVenueValue([&](const auto& v) {
        if (v.Venue != nullptr) D.*(v.Data) = V.*(v.Venue);
    });
    D.CombinationGrid = V.LSArray != nullptr && V.LSArray->CombinationGrid;
    return D;
}

void StoreVenueValues(TVenue& V, const VenueData& D) {
    ForEachVenueValue([&](const auto& v) {
        if (v.Venue == nullptr || v.Kind == VenueValueKind::SplayList || v.Name == "ArrayType") return;
        V.*(v.Venue) = D.*(v.Data);
    });
}

struct TVenueSnapshot::State {
    VenueData Values;
    std::array<double, std::size(kDerivedReals)> Reals{};
    std::array<bool, std::size(kDerivedFlags)> Flags{};
    bool ValuesCombinationGrid = false;
    TSplay* SplayRef = nullptr;
    TSplay SplayCopy;
    TSplay* NewSplayRef = nullptr;
    TSplay NewSplayCopy;
    std::uint64_t SetUpCount = 0;
    TDesignRoutine LastDesign = TDesignRoutine::None;
    std::unique_ptr<TLoudspeakerArray> Array;
    bool Restored = false;
};

TVenueSnapshot::TVenueSnapshot(TVenue& V, TSplay* NewSplay)
    : venue_(V), state_(std::make_unique<State>()) {
    State& s = *state_;
    s.Values = VenueDataOf(V);
    s.Values.ArrayType = V.ArrayType;
    for (std::size_t i = 0; i < std::size(kDerivedReals); ++i) s.Reals[i] = V.*kDerivedReals[i];
    for (std::size_t i = 0; i < std::size(kDerivedFlags); ++i) s.Flags[i] = V.*kDerivedFlags[i];
    s.SplayRef = V.Splay;
    if (V.Splay != nullptr) s.SplayCopy = *V.Splay;
    if (NewSplay != nullptr && NewSplay != V.Splay) {
        s.NewSplayRef = NewSplay;
        s.NewSplayCopy = *NewSplay;
    }
    s.SetUpCount = V.SetUpCount;
    s.LastDesign = V.LastDesign;
    // Last, once nothing more can fail: the venue is without an array until
    // Restore or the operation puts one in.
    s.Array = std::move(V.LSArray);
}

TVenueSnapshot::~TVenueSnapshot() = default;

void TVenueSnapshot::Restore() {
    State& s = *state_;
    if (s.Restored) return;
    s.Restored = true;
    TVenue& V = venue_;
    V.LSArray = std::move(s.Array);
    StoreVenueValues(V, s.Values);
    V.ArrayType = s.Values.ArrayType;
    for (std::size_t i = 0; i < std::size(kDerivedReals); ++i) V.*kDerivedReals[i] = s.Reals[i];
    for (std::size_t i = 0; i < std::size(kDerivedFlags); ++i) V.*kDerivedFlags[i] = s.Flags[i];
    V.Splay = s.SplayRef;
    if (V.Splay != nullptr) *V.Splay = s.SplayCopy;
    if (s.NewSplayRef != nullptr) *s.NewSplayRef = s.NewSplayCopy;
    V.SetUpCount = s.SetUpCount;
    V.LastDesign = s.LastDesign;
    // The rigging library holds one model, that of the array evaluated last,
    // which may now be the refused one: evaluate the restored array again so
    // that its grading and results are its own.  It was evaluated with these
    // very values before; should that fail now, the refusal being reported
    // is still the one the caller needs to see.
    if (V.LSArray != nullptr && V.LSArray->MechanicsDone) {
        try {
            V.LSArray->CalcMechanics();
        } catch (const rtl::RuntimeError&) {
        }
    }
}
