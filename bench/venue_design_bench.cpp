// Time of one hand-over of the main window's values to the venue with the
// automatic design and the rig evaluation, for each array type at its
// largest cabinet counts.  Target: well under a millisecond per call.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "model/hardware/splay.h"
#include "venue/model/venue.h"

namespace {

struct LargestArray {
    const char* Type;
    int N1, N2, N3;
};

// The largest counts the main window allows for each type, flown.
constexpr LargestArray kLargest[] = {
    {"Arvo", 16, 0, 0},         {"Bexa", 16, 0, 0},         {"Rudd", 16, 0, 0},
    {"MIXArvoBexa", 8, 8, 0},   {"MIXRuddBexa", 8, 8, 0},   {"Hoba", 12, 0, 0},
    {"MIXHobaBexa", 4, 10, 0},  {"Dovi", 16, 0, 0},         {"MIXRuddArvo", 8, 8, 0},
    {"MIXBexaDovi", 8, 8, 0},   {"MIXHobaDovi", 1, 12, 0},  {"MIXArvoGiraF", 14, 2, 0},
    {"Elka", 6, 0, 0},          {"MIXDoviElka", 14, 2, 0},  {"Ivor", 8, 0, 0},
    {"MIXIvorDovi", 4, 10, 0},  {"MIXIvorElka", 4, 6, 0},   {"MIXIvorDoviElka", 4, 9, 2},
    {"MIXBexaCadri", 14, 2, 0},
};

VenueData Hall(TSplay& splay, const LargestArray& a) {
    return VenueData{
        .VenueName = "bench",
        .ArrayHeight = 12.0,
        .NumBoxes1 = a.N1,
        .NumBoxes2 = a.N2,
        .NumBoxes3 = a.N3,
        .MaxPickHeight = 25.0,
        .MinTrimHeight = 2.0,
        .Plane1Length = 40.0,
        .Plane1Height = 2.0,
        .Plane2Length = 25.0,
        .Plane2Height = 8.0,
        .Plane2Elevation = 4.0,
        .CoverageStart = 4.0,
        .CoverageStop = 60.0,
        .Plane1EarHeight = 1.4,
        .Plane2EarHeight = 1.4,
        .Plane3EarHeight = 1.4,
        .AutoDesign = true,
        .DesignMode = "",
        .Splay = &splay,
        .ArrayType = a.Type,
    };
}

void BM_SetVenueData(benchmark::State& state) {
    const LargestArray& a = kLargest[state.range(0)];
    state.SetLabel(a.Type);
    TSplay splay;
    TVenue venue;
    const VenueData data = Hall(splay, a);
    std::uint64_t setUps = 0;
    for (auto _ : state) {
        const std::uint64_t before = venue.SetUpCount;
        venue.SetVenueData(data);
        setUps += venue.SetUpCount - before;
        benchmark::DoNotOptimize(venue.LSArray->Tilt[0]);
    }
    // Array set-ups per design: the searches' cost in their own unit.
    state.counters["setups"] = benchmark::Counter(static_cast<double>(setUps),
                                                  benchmark::Counter::kAvgIterations);
}

void RegisterAll() {
    for (int i = 0; i < static_cast<int>(std::size(kLargest)); ++i) {
        benchmark::RegisterBenchmark((std::string("SetVenueData/") + kLargest[i].Type + "/").c_str(),
                                     BM_SetVenueData)
            ->Arg(i)
            ->Unit(benchmark::kMicrosecond);
    }
}

const bool kRegistered = (RegisterAll(), true);

}  // namespace
