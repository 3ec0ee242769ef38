// The element-type table: the design data of every rigging element the library
// knows, by type code. Lever lengths are derived from the points by Init.
#include "riglink/rigmodel.h"

namespace riglink {
namespace {

struct TypeRow {
  double P[kPointCount][2];
  int32_t LiftBarFlag;
  int32_t HangPoint, CarryPoint;
  int32_t FrontPoint, RearPoint;
  double Mass;
  double FrontStrength, RearStrength;
  double AltFrontStrength, AltRearStrength;
  int32_t HoleCount;
};

// Link ratings given in kN.
constexpr double S83_7 = kNToKgf(83.7);
constexpr double S117 = kNToKgf(117.0);
constexpr double S77_8 = kNToKgf(77.8);
constexpr double S75_5 = kNToKgf(75.5);
constexpr double S84_17 = kNToKgf(84.17);
constexpr double S38_9 = kNToKgf(38.9);
constexpr double S37_75 = kNToKgf(37.75);
constexpr double S60 = kNToKgf(60.0);

constexpr TypeRow kTypes[kTypeCount] = {
    // 0 Arvo cabinet
    {{{0, 0}, {-0.7048, -0.0441}, {-0.7048, -0.3633}, {0, -0.4927}, {-0.352, -0.25}},
     2, 1, 4, 1, 2, 127, S83_7, S117, S83_7, S117, 0},
    // 1 Rudd cabinet
    {{{0, 0}, {-0.7048, -0.0441}, {-0.7048, -0.3633}, {0, -0.4927}, {-0.4, -0.25}},
     2, 1, 4, 1, 2, 108, S83_7, S117, S83_7, S117, 0},
    // 2 grid 95 kg, forward hang
    {{{0, 0}, {-0.0549, 0.1276}, {-0.9989, 0.1276}, {-0.71, 0}, {-0.5024, -0.0376}},
     2, 2, 1, 2, 3, 95, 17250, 17250, S83_7, S117, 0},
    // 3 grid 95 kg, rearward hang
    {{{-0.2404, 0}, {-0.0549, 0.1276}, {-0.9989, 0.1276}, {-0.9511, 0}, {-0.5024, -0.0376}},
     2, 2, 1, 2, 3, 95, 17250, 17250, S83_7, S117, 0},
    // 4 Bexa cabinet
    {{{0, 0}, {-0.515, -0.0296}, {-0.5105, -0.2921}, {0, -0.37}, {-0.252, -0.2}},
     2, 1, 4, 1, 2, 58, S77_8, S75_5, S77_8, S75_5, 0},
    // 5 Hoba cabinet (rigged at its rear)
    {{{0.755, -0.028}, {0, 0}, {0, -0.488}, {0.755, -0.41}, {0.435, -0.2}},
     2, 2, 3, 1, 2, 89, S84_17, 9025, S84_17, 9025, 0},
    // 6 Hoba cabinet, last above a transition
    {{{0.755, -0.028}, {0, 0}, {0, -0.41}, {0.755, -0.41}, {0.435, -0.2}},
     2, 2, 4, 1, 2, 89, S84_17, 9025, S84_17, 9025, 0},
    // 7 grid 45 kg, forward hang
    {{{0, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.5105, 0}, {-0.38, 0.024}},
     2, 2, 1, 2, 3, 45, 8625, 8625, S77_8, S75_5, 0},
    // 8 grid 45 kg, rearward hang
    {{{-0.2498, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.7603, 0}, {-0.38, 0.024}},
     2, 2, 1, 2, 3, 45, 8625, 8625, S77_8, S75_5, 0},
    // 9 grid 45 kg, cabinet hung at its rear end
    {{{0, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.76, 0}, {-0.38, 0.024}},
     2, 2, 4, 2, 3, 45, 8625, 8625, S77_8, S75_5, 0},
    // 10 Hoba-to-Bexa transition
    {{{0, 0}, {0, 0}, {-0.62, -0.045}, {-0.5055, -0.035}, {-0.423, 0}},
     2, 1, 1, 2, 3, 10, S84_17, 9025, S77_8, S75_5, 0},
    // 11 lift bar 23 holes, overhanging in front, hole choice enforced
    {{{0, 0}, {0.2432, 0.111}, {-0.65, 0.111}, {-0.65, 0}, {-0.2035, 0.086}},
     1, 2, 1, 2, 3, 12, 8625, 8625, 8625, 8625, 23},
    // 12 the same, hole choice free
    {{{0, 0}, {0.2432, 0.111}, {-0.65, 0.111}, {-0.65, 0}, {-0.2035, 0.086}},
     2, 2, 1, 2, 3, 12, 8625, 8625, 8625, 8625, 23},
    // 13 lift bar 23 holes, overhanging behind, hole choice enforced
    {{{0, 0}, {0, 0.111}, {-0.8932, 0.111}, {-0.65, 0}, {-0.4465, 0.086}},
     1, 2, 1, 2, 3, 12, 8625, 8625, 8625, 8625, 23},
    // 14 the same, hole choice free
    {{{0, 0}, {0, 0.111}, {-0.8932, 0.111}, {-0.65, 0}, {-0.4465, 0.086}},
     2, 2, 1, 2, 3, 12, 8625, 8625, 8625, 8625, 23},
    // 15 Arvo/Rudd-to-Bexa transition
    {{{0.0019, -0.0039}, {0, 0}, {-0.705, 0}, {-0.53, -0.0115}, {-0.423, 0}},
     2, 2, 1, 2, 3, 30, S38_9, S37_75, 0, 0, 0},
    // 16 Dovi cabinet
    {{{0, 0}, {-0.37, -0.0182}, {-0.37, -0.1832}, {0, -0.245}, {-0.185, -0.12}},
     2, 1, 4, 2, 1, 29, S60, S60, S60, S60, 0},
    // 17 mini grid, forward hang
    {{{0, 0}, {-0.09, 0.0235}, {-0.5655, 0.0235}, {-0.37, 0}, {-0.28, 0.024}},
     2, 2, 1, 2, 3, 21, 4312, 4312, S60, S60, 0},
    // 18 mini grid, rearward hang
    {{{-0.185, 0}, {-0.09, 0.0235}, {-0.5655, 0.0235}, {-0.5548, 0}, {-0.28, 0.024}},
     2, 2, 1, 2, 3, 21, 4312, 4312, S60, S60, 0},
    // 19 mini lift bar 18 holes, overhanging in front, hole choice enforced
    {{{0, 0}, {0.1982, 0.096}, {-0.475, 0.096}, {-0.475, 0}, {-0.135, 0.076}},
     1, 2, 1, 2, 3, 7.5, 4312, 4312, 4312, 4312, 18},
    // 20 the same, hole choice free
    {{{0, 0}, {0.1982, 0.096}, {-0.475, 0.096}, {-0.475, 0}, {-0.135, 0.076}},
     2, 2, 1, 2, 3, 7.5, 4312, 4312, 4312, 4312, 18},
    // 21 mini lift bar 18 holes, overhanging behind, hole choice enforced
    {{{0, 0}, {0, 0.096}, {-0.673, 0.096}, {-0.475, 0}, {-0.3, 0.07}},
     1, 2, 1, 2, 3, 7.5, 4312, 4312, 4312, 4312, 18},
    // 22 the same, hole choice free
    {{{0, 0}, {0, 0.096}, {-0.673, 0.096}, {-0.475, 0}, {-0.3, 0.07}},
     2, 2, 1, 2, 3, 7.5, 4312, 4312, 4312, 4312, 18},
    // 23 Bexa-to-Dovi transition
    {{{0.00935, -0.00262}, {0, 0}, {-0.5011, -0.01877}, {-0.36109, 0.00282}, {-0.2406, 0}},
     2, 2, 1, 2, 3, 12, S38_9, S37_75, S60, S60, 0},
    // 24 Hoba-to-Dovi transition
    {{{0, -0.0042}, {0, 0}, {-0.759, -0.0228}, {-0.365, -0.04}, {-0.4, 0}},
     2, 2, 1, 2, 3, 45, S38_9, S37_75, S60, S60, 0},
    // 25 combination grid, forward hang
    {{{0, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.37, 0}, {-0.38, 0.024}},
     2, 2, 1, 2, 3, 60, 8625, 8625, S77_8, S75_5, 0},
    // 26 combination grid, rearward hang
    {{{-0.2498, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.625, 0}, {-0.38, 0.024}},
     2, 2, 1, 2, 3, 60, 8625, 8625, S77_8, S75_5, 0},
    // 27 combination grid, cabinet hung at its rear end
    {{{0, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.76, 0}, {-0.38, 0.024}},
     2, 2, 4, 2, 3, 60, 8625, 8625, S77_8, S75_5, 0},
    // 28 combination grid, forward hang (second point-4 variant)
    {{{0, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.5105, 0}, {-0.38, 0.024}},
     2, 2, 1, 2, 3, 60, 8625, 8625, S77_8, S75_5, 0},
    // 29 the same, rearward hang
    {{{-0.2498, 0}, {-0.11, 0.039}, {-0.76, 0.039}, {-0.7603, 0}, {-0.38, 0.024}},
     2, 2, 1, 2, 3, 60, 8625, 8625, S77_8, S75_5, 0},
    // 30 Gira cabinet
    {{{0, 0}, {-0.7048, -0.1041}, {-0.7048, -0.3033}, {0, -0.4927}, {-0.38, -0.25}},
     2, 1, 4, 1, 2, 95, S83_7, S117, S83_7, S117, 0},
    // 31 Elka cabinet
    {{{0, 0}, {-0.363, -0.071}, {-0.372, -0.17}, {-0.007, -0.292}, {-0.185, -0.142}},
     2, 1, 4, 2, 1, 30, S60, S60, S60, S60, 0},
    // 32 Ivor cabinet
    {{{0, 0}, {-0.555, -0.001}, {-0.555, -0.565}, {0, -0.626}, {-0.47, -0.293}},
     2, 1, 4, 2, 1, 87, S60, S60, S60, S60, 0},
    // 33 Ivor cabinet, last above the Dovi or Elka cabinets
    {{{0, 0}, {-0.555, -0.001}, {-0.37, -0.565}, {0, -0.626}, {-0.47, -0.293}},
     2, 1, 4, 2, 1, 87, S60, S60, S60, S60, 0},
    // 34 Cadri cabinet
    {{{0, 0}, {-0.4863, -0.1961}, {-0.4948, -0.3651}, {0.0072, -0.4515}, {-0.2273, -0.2461}},
     2, 1, 4, 1, 2, 67, S77_8, S75_5, S77_8, S75_5, 0},
};

}  // namespace

int32_t RigModel::Init() {
  for (int code = 0; code < kTypeCount; ++code) {
    const TypeRow& r = kTypes[code];
    TMechElement e;
    for (int p = 0; p < kPointCount; ++p) e.Points[p] = TMechPoint{r.P[p][0], r.P[p][1], 1.0};
    e.LiftBarFlag = r.LiftBarFlag;
    e.SpareInt = 2;
    e.HangPoint = r.HangPoint;
    e.CarryPoint = r.CarryPoint;
    e.LinkGap = 0.0;
    e.FrontPoint = r.FrontPoint;
    e.RearPoint = r.RearPoint;
    e.Mass = r.Mass;
    e.FrontStrength = r.FrontStrength;
    e.RearStrength = r.RearStrength;
    e.AltFrontStrength = r.AltFrontStrength;
    e.AltRearStrength = r.AltRearStrength;
    e.HoleCount = r.HoleCount;
    e.LeverLength = e.Pt(e.FrontPoint).x - e.Pt(e.RearPoint).x;
    ElementTypes[code] = e;
  }
  TableFilled = true;
  return 1;
}

}  // namespace riglink
