#include "fuzz/venue_data_fuzz.h"

#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "platform/core/recording_canvas.h"
#include "model/details/hole_detail.h"
#include "venue/drawings/amp_patch.h"
#include "model/drawings/mechanical_report.h"
#include "venue/drawings/result_blocks.h"
#include "venue/drawings/splay_table.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "venue/section/venue_section.h"

namespace {

std::string Described(const TVenue& v);
const TVenue* gVenue = nullptr;  // the venue under test, for the report

[[noreturn]] void Broken(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "venue hand-over check failed: %s %s [%s]\n", what, detail.c_str(),
                 gVenue != nullptr ? Described(*gVenue).c_str() : "");
    std::abort();
}

// ---------------------------------------------------------------------------
// Decoding.  Every read past the end gives zeros, so any byte string is an
// input.

class Bytes {
public:
    Bytes(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}

    std::uint8_t Byte() {
        if (n_ == 0) return 0;
        --n_;
        return *p_++;
    }
    std::uint64_t Raw(int bytes) {
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) v = v << 8 | Byte();
        return v;
    }

    // Mostly lengths a hall has (-327.68 .. 327.67 in hundredths), sometimes
    // what no hall has.
    double Real() {
        const std::uint8_t sel = Byte();
        if (sel < 240) return static_cast<std::int16_t>(Raw(2)) / 100.0;
        switch (sel - 240) {
            case 0: return std::nan("");
            case 1: return INFINITY;
            case 2: return -INFINITY;
            case 3: return DBL_MAX;
            case 4: return -DBL_MAX;
            case 5: return 1e9;
            case 6: return -1e9;
            case 7: return DBL_TRUE_MIN;
            case 8: return -0.0;
            case 9: return 1e-300;
            case 10: return 1e6;
            default: return std::bit_cast<double>(Raw(8));
        }
    }

    // Mostly the counts the window offers, sometimes what it never does.
    int Count() {
        const std::uint8_t sel = Byte();
        if (sel < 200) return sel % 21;
        switch ((sel - 200) % 8) {
            case 0: return -1;
            case 1: return 41;
            case 2: return 40;
            case 3: return INT_MIN;
            case 4: return INT_MAX;
            case 5: return 39;
            case 6: return 100;
            default: return static_cast<int>(static_cast<std::uint32_t>(Raw(4)));
        }
    }

    // One of Choices, or any integer.
    int Choice(std::initializer_list<int> Choices) {
        const std::uint8_t sel = Byte();
        if (sel < 224) return *(Choices.begin() + sel % Choices.size());
        return static_cast<int>(static_cast<std::uint32_t>(Raw(4)));
    }

    // One of Choices, or up to 15 bytes of the input.
    std::string Text(std::initializer_list<const char*> Choices) {
        const std::uint8_t sel = Byte();
        if (sel < 240) return *(Choices.begin() + sel % Choices.size());
        std::string s;
        for (int n = sel - 240; n > 0; --n) s += static_cast<char>(Byte());
        return s;
    }

    bool Flag() { return (Byte() & 1) != 0; }

private:
    const std::uint8_t* p_;
    std::size_t n_;
};

const std::initializer_list<const char*> kTypes = {
    "Arvo", "Bexa", "Rudd", "MIXArvoBexa", "MIXRuddBexa", "Hoba", "MIXHobaBexa",
    "Dovi", "MIXRuddArvo", "MIXBexaDovi", "MIXHobaDovi", "MIXArvoGiraF", "Elka",
    "MIXDoviElka", "Ivor", "MIXIvorDovi", "MIXIvorElka", "MIXIvorDoviElka", "MIXBexaCadri",
    "", "arvo", "Arvo ", "MIX", "Sub"};

// The splay list: its angles degrees, mostly within a few tens, and the
// choice indexes the window's tables offer (0..8).
void DecodeSplay(Bytes& in, TSplay& s) {
    for (int i = 0; i <= 40; ++i) {
        const std::uint8_t sel = in.Byte();
        s.Angle[i] = sel < 128 ? (sel % 64) * 0.25 - 8.0 : in.Real();
    }
    for (int i = 0; i <= 39; ++i) s.ChoiceIndex[i] = in.Byte() % 9;
}

VenueData Decode(Bytes& in, TSplay& splay) {
    VenueData d;
    d.ArrayType = in.Text(kTypes);
    d.NumBoxes1 = in.Count();
    d.NumBoxes2 = in.Count();
    d.NumBoxes3 = in.Count();
    d.VenueName = in.Text({"hall", "", "a b", "x\xC3\xA9"});
    d.MaxBoxes = in.Choice({16, 0, 24, -1});
    d.ArrayHeight = in.Real();
    d.MaxPickHeight = in.Real();
    d.MinTrimHeight = in.Real();
    d.Plane1Length = in.Real();
    d.Plane1Height = in.Real();
    d.Plane2Length = in.Real();
    d.Plane2Height = in.Real();
    d.Plane2Elevation = in.Real();
    d.Plane3Length = in.Real();
    d.Plane3Height = in.Real();
    d.Plane3Distance = in.Real();
    d.Plane3Elevation = in.Real();
    d.CoverageStart = in.Real();
    d.CoverageStop = in.Real();
    d.Plane1EarHeight = in.Real();
    d.Plane2EarHeight = in.Real();
    d.Plane3EarHeight = in.Real();
    const std::uint8_t flags = in.Byte();
    d.AutoDesign = (flags & 1) != 0;
    d.SplayHoba = (flags & 2) != 0;
    d.CombinationGrid = (flags & 4) != 0;
    d.DesignMode = in.Text({"", "MinSpiral", "MinCurve"});
    d.GridPosition = in.Text({"FRONT", "REAR", ""});
    d.PickOption = in.Choice({1, 4, 5, 6, 2, 3, 0, 7});
    d.LiftBarPosition = in.Choice({2, 1, 0, 3});
    d.RigMode = in.Choice({1, 2, 0, 3});
    d.FTValue = in.Real();
    if ((flags & 8) == 0) {
        DecodeSplay(in, splay);
        d.Splay = &splay;
    }
    return d;
}

// Prints the hand-over, for reading a finding.
void Show(const VenueData& d) {
    std::fprintf(stderr, "type '%s' counts %d/%d/%d name '%s' max %d design %d mode '%s' grid '%s' "
                 "pick %d side %d rig %d hoba %d comb %d\n",
                 d.ArrayType.c_str(), d.NumBoxes1, d.NumBoxes2, d.NumBoxes3, d.VenueName.c_str(),
                 d.MaxBoxes, d.AutoDesign, d.DesignMode.c_str(), d.GridPosition.c_str(), d.PickOption,
                 d.LiftBarPosition, d.RigMode, d.SplayHoba, d.CombinationGrid);
    ForEachVenueValue([&](const auto& v) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(d.*(v.Data))>, double>)
            std::fprintf(stderr, "  %s = %.17g\n", std::string(v.Name).c_str(), d.*(v.Data));
    });
    if (d.Splay != nullptr)
        for (int i = 0; i <= 40; ++i)
            std::fprintf(stderr, "  splay %d = %.17g (%d)\n", i, d.Splay->Angle[i],
                         i <= 39 ? d.Splay->ChoiceIndex[i] : 0);
}

// ---------------------------------------------------------------------------
// The venue's state, for the all-or-nothing check.

template <class T>
void Put(std::string& s, const T& x) {
    if constexpr (std::is_same_v<T, std::string>) {
        s += x;
        s += '\0';
    } else {
        static_assert(std::is_trivially_copyable_v<T>);
        s.append(reinterpret_cast<const char*>(&x), sizeof x);
    }
}

void PutSplay(std::string& s, const TSplay* sp) {
    Put(s, sp);
    if (sp == nullptr) return;
    for (int i = 0; i <= 40; ++i) Put(s, sp->Angle[i]);
    for (int i = 0; i <= 39; ++i) Put(s, sp->ChoiceIndex[i]);
}

// Every value of the list, bit for bit, the derived plane lines and heights,
// both splay lists and the array (the very object and its geometry).
std::string State(const TVenue& v, const TSplay* handed) {
    std::string s;
    ForEachVenueValue([&](const auto& value) {
        if (value.Venue != nullptr) Put(s, v.*(value.Venue));
    });
    for (double x : {v.Plane1Slope, v.Plane1Intercept, v.Plane1Angle, v.Plane2Slope,
                     v.Plane2Intercept, v.Plane2Angle, v.Plane3Slope, v.Plane3Intercept,
                     v.Plane3Angle, v.DownfillFactor, v.TopHeight, v.LowestHeight, v.DrawOffset})
        Put(s, x);
    Put(s, v.Plane2Present);
    Put(s, v.Plane3Present);
    Put(s, v.SetUpCount);
    PutSplay(s, v.Splay);
    PutSplay(s, handed);
    const TLoudspeakerArray* a = v.LSArray.get();
    Put(s, a);
    Put(s, a->TypeCode);
    Put(s, a->ElementCount);
    Put(s, a->RigMode);
    Put(s, a->CombinationGrid);
    Put(s, a->Splay);
    for (int i = 0; i <= 40; ++i) {
        Put(s, a->Tilt[i]);
        Put(s, a->ElementHeight[i]);
        Put(s, a->ElementDistance[i]);
    }
    return s;
}

// A venue with a design of its own, so that a refused hand-over has
// something to keep.
void HandOverBaseline(TVenue& v, TSplay& splay) {
    for (int i = 0; i < 8; ++i) splay.Angle[i] = i == 0 ? -1.0 : 2.0;
    VenueData d;
    d.VenueName = "base";
    d.ArrayHeight = 9.0;
    d.NumBoxes1 = 8;
    d.MaxPickHeight = 14.0;
    d.MinTrimHeight = 6.0;
    d.Plane1Length = 40.0;
    d.Plane1Height = 3.0;
    d.CoverageStart = 4.0;
    d.CoverageStop = 38.0;
    d.Plane1EarHeight = 1.2;
    d.Splay = &splay;
    d.ArrayType = "Bexa";
    v.SetVenueData(d);
}

// What a failure report names of the venue.
std::string Described(const TVenue& v) {
    char text[256];
    std::snprintf(text, sizeof text, "%s %d/%d/%d rig mode %d pick %d side %d%s",
                  v.ArrayType.c_str(), v.NumBoxes1, v.NumBoxes2, v.NumBoxes3, v.RigMode,
                  v.PickOption, v.LiftBarPosition, v.AutoDesign ? " designed" : "");
    return text;
}

// ---------------------------------------------------------------------------
// The rig evaluation.

void CheckFinite(const char* what, double x) {
    if (!std::isfinite(x)) Broken("not finite:", what);
}

void CheckRig(TVenue& v) {
    TLoudspeakerArray& a = *v.LSArray;
    CheckFinite("TopHeight", v.TopHeight);
    for (int i = 0; i < a.ElementCount && i <= 40; ++i) {
        CheckFinite("Tilt", a.Tilt[i]);
        CheckFinite("ElementHeight", a.ElementHeight[i]);
        CheckFinite("ElementDistance", a.ElementDistance[i]);
    }
    std::uint8_t level = 2;
    try {
        level = a.SafetyLevel();
    } catch (const rtl::RuntimeError& e) {
        // The tipping check of a stack without a cabinet stops with a range
        // error, and there is nothing to grade.
        if (a.ElementCount != 0 || e.code() != rtl::RangeError().code())
            Broken("the grading failed:", e.what());
        return;
    }
    if (level > 2) Broken("safety level", std::to_string(level));
    const TRigResults r = a.GetRigResults();
    TMechPoint cog{};
    a.RigLibrary->COG(&cog);
    const double figures[] = {cog.x, cog.y, r.FrontPickLoad,  r.TopFrontSafety,  r.RearPickLoad,
                              r.TopRearSafety,  r.WeakFrontForce, r.WeakFrontSafety,
                              r.WeakRearForce,  r.WeakRearSafety, a.TotalMass, a.CogX};
    bool allFinite = true;
    for (double x : figures) allFinite = allFinite && std::isfinite(x);
    if (!allFinite && level != 2) Broken("a rig figure is no finite number, yet the rig is not graded unsafe");
    if (a.RigMode == TLoudspeakerArray::GroundStacked && level != 2) {
        // A stack passes only a tipping check of real numbers.
        if (!(std::isfinite(a.TipForce) && a.TipForce > 0)) Broken("stack safe without a force");
        if (!(std::isfinite(a.StackHeight) && a.StackHeight > 0)) Broken("stack safe without a height");
        if (!std::isfinite(a.FrontTipLimit) || !std::isfinite(a.RearTipLimit))
            Broken("stack safe without tipping limits");
    }
}

// ---------------------------------------------------------------------------
// The drawings.

// The drawing under way, for the report of a failure.
const char* gDrawing = "";

// A canvas that counts its calls and stops the run when a drawing makes
// more than its budget.  It records nothing: the drawings only write.
class BudgetCanvas : public rtl::RecordingCanvas {
public:
    BudgetCanvas(int w, int h, int dpi) : rtl::RecordingCanvas(w, h, dpi) {}

    void Start(const char* drawing, long budget) {
        drawing_ = drawing;
        gDrawing = drawing;
        budget_ = budget;
        calls_ = 0;
    }

protected:
    void DoFillRect(const rtl::Rect&) override { Call(); }
    void DoMoveTo(rtl::Point) override { Call(); }
    void DoLine(rtl::Point, rtl::Point) override { Call(); }
    void DoPolyline(std::span<const rtl::Point>) override { Call(); }
    void DoPolygon(std::span<const rtl::Point>) override { Call(); }
    void DoRectangle(const rtl::Rect&) override { Call(); }
    void DoRoundRect(const rtl::Rect&, int, int) override { Call(); }
    void DoEllipse(const rtl::Rect&) override { Call(); }
    void DoArc(const rtl::Rect&, rtl::Point, rtl::Point, bool) override { Call(); }
    void DoTextOut(int, int, const std::string&) override { Call(); }
    void DoStretchDraw(const rtl::Rect&, const rtl::Picture&) override { Call(); }
    void DoFloodFill(int, int, rtl::Color) override { Call(); }

private:
    void Call() {
        if (++calls_ > budget_) Broken("drawing over its budget of canvas calls:", drawing_);
    }
    const char* drawing_ = "";
    long budget_ = 0;
    long calls_ = 0;
};

// The budgets, from the drawings' own bounds.  The side view's measuring
// grid draws at most 1051 vertical and 1001 horizontal lines of a move, a
// line and a label each (6156 calls); the venue section's floor scale at
// most 2001 ticks of a move, a line and a label (6003 calls).  Everything
// else in every drawing is a fixed set of shapes per cabinet (at most 41),
// per ray (41), per plane (3), per rack or per table row (43), well below
// 100 calls each; so 10000 for the two drawings with a scale, 5000 for the
// others.
constexpr long kScaledDrawingBudget = 10000;
constexpr long kFixedDrawingBudget = 5000;

struct PictureSize {
    int w, h, dpi;
};
const PictureSize kSizes[] = {{800, 600, 96}, {320, 480, 96}, {2480, 3508, 300}, {1, 1, 96},
                              {0, 0, 96},     {100, 4000, 600}, {4000, 100, 150}, {-5, 200, 96}};

void DrawEverything(TVenue& v, Bytes& in) {
    const PictureSize size = kSizes[in.Byte() % std::size(kSizes)];
    const std::uint8_t flags = in.Byte();
    const bool metric = (flags & 1) != 0, equal = (flags & 2) != 0, printing = (flags & 4) != 0;
    const int rigMode = v.RigMode;
    BudgetCanvas c(size.w, size.h, size.dpi);
    TLoudspeakerArray& a = *v.LSArray;

    VenueSectionArgs args;
    args.EqualScale = equal;
    args.Width = size.w;
    args.Height = size.h;
    args.WideLines = printing;
    args.ShowHelp = (flags & 8) != 0;
    args.ShowReadout = (flags & 16) != 0;
    args.Selected = static_cast<int>(in.Byte() % 42) - 1;
    args.Metric = metric;
    args.RigMode = rigMode;
    c.Start("venue section", kScaledDrawingBudget);
    (void)DrawVenue(v, c, args);

    // The side view needs a cabinet; the window shows none without.
    if (a.ElementCount >= 1) {
        c.Start("side view", kScaledDrawingBudget);
        a.DrawSideView(c, (flags & 32) == 0, equal, size.w, size.h, metric, rigMode, printing, false);
    }
    rtl::Point pick{};
    c.Start("flying detail", kFixedDrawingBudget);
    a.DrawFlyingDetail(c, equal, printing, size.w, size.h, 0, 0, metric, rigMode, 0.0, 0.0, 0, 0, pick);
    c.Start("hole detail", kFixedDrawingBudget);
    (void)DrawArrayHoleDetail(a, c, equal, printing, size.w, size.h, 0, 0, metric, rigMode);
    c.Start("splay table", kFixedDrawingBudget);
    DrawSplayTable(v, c, 0, 0, size.w, size.h, (flags & 64) != 0, rtl::Picture(8, 8), rigMode);
    c.Start("amplifier patch", kFixedDrawingBudget);
    DrawAmpPatch(v, c, 0, 0, size.w, size.h, (flags & 128) != 0, true, true, true, (flags & 8) != 0);
    c.Start("page header", kFixedDrawingBudget);
    DrawPageHeader(v, c, size.w, size.h);
    c.Start("array dimensions", kFixedDrawingBudget);
    DrawArrayDimensionsShort(v, c, 0, 0, size.w, size.h, metric, rigMode);
    c.Start("controller settings", kFixedDrawingBudget);
    DrawControllerSettings(v, c, 0, 0, size.w, size.h, rigMode);
    c.Start("mechanical report", kFixedDrawingBudget);
    PrintArrayMechanicalReport(a, c, 0, 0, size.w, size.h, 0, metric);
}

}  // namespace

bool CheckVenueDataBytes(const std::uint8_t* Data, std::size_t Size) {
    Bytes in(Data, Size);
    TVenue v;
    gVenue = &v;
    TSplay baseSplay;
    HandOverBaseline(v, baseSplay);

    TSplay handed;
    const VenueData d = Decode(in, handed);
    if (std::getenv("VENUE_DATA_FUZZ_SHOW") != nullptr) Show(d);
    const std::string before = State(v, d.Splay);
    try {
        v.SetVenueData(d);
    } catch (const rtl::RuntimeError& e) {
        if (State(v, d.Splay) != before) Broken("refused hand-over changed the venue", e.what());
        gVenue = nullptr;
        return false;
    }
    CheckRig(v);
    try {
        DrawEverything(v, in);
    } catch (const rtl::RuntimeError& e) {
        // The drawings stop with the platform's range or overflow error when
        // a design's geometry leaves the 32-bit pixel range (a finite but
        // absurd value); the window reports it.  Anything else is a fault.
        if (e.code() != rtl::RangeError().code() && e.code() != rtl::OverflowError().code())
            Broken("a drawing of a design the venue took failed:",
               std::string(gDrawing) + ": " + e.what());
    }
    gVenue = nullptr;
    return true;
}
