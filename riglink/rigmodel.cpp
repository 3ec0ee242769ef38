// Statics of a hung column: each element hangs from the one above, the column
// is chained in one side-view frame, and every link is checked against its
// strength. Loads are in kilogram-force, so masses are used as forces.
#include "riglink/rigmodel.h"
#include "riglink/safety_bounds.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace riglink {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kLinkShare = 0.6;       // share of a load taken by one link
constexpr double kWeakStart = 1.0e12;    // start value of the weakest-element search
constexpr double kHoleTolerance = 2.5;   // degrees
constexpr double kNoHole = 10000.0;      // degrees, larger than any difference

// A link that carries nothing cannot fail: its factor is unbounded.
double SafetyRatio(double strength, double force) {
  if (force == 0.0) return std::numeric_limits<double>::infinity();
  return strength / std::fabs(force);
}

}  // namespace

TMechPoint ElementTransform(const TMechPoint& P, double Angle, double DX, double DY) {
  const double r = Angle * kPi / 180.0;
  const double c = std::cos(r);
  const double s = std::sin(r);
  return TMechPoint{P.x * c - P.y * s + P.w * DX, P.x * s + P.y * c + P.w * DY, 1.0};
}

double ProjectedDistance(const TMechPoint& A, const TMechPoint& B, const TMechPoint& P) {
  const double dx = B.x - A.x;
  const double dy = B.y - A.y;
  const double ex = P.x - A.x;
  const double ey = P.y - A.y;
  const double t = (dx * ex + dy * ey) / (dx * dx + dy * dy);
  return std::sqrt((t * dx) * (t * dx) + (t * dy) * (t * dy));
}

int32_t RigModel::SetArrayElems(const TMechElemSpec* Elems, int32_t Count, double Angle,
                                uint8_t Mode) {
  // Everything is checked before anything is stored, so a refused list leaves
  // the previous list and its results intact.
  if (!TableFilled || Elems == nullptr || Count < 1 || Count > kMaxElems) return 0;
  if (!std::isfinite(Angle)) return 0;
  for (int i = 0; i < Count; ++i) {
    if (Elems[i].TypeCode > MECH_MAX_TYPE_CODE) return 0;
    // The top element's own angle is never used, so it may hold anything.
    if (i > 0 && !std::isfinite(Elems[i].Angle)) return 0;
  }

  ElemCount = Count;
  TargetAngle = Angle;
  ArrayMode = Mode;
  double running = 0.0;
  for (int i = 1; i <= Count; ++i) {
    const TMechElemSpec& spec = Elems[i - 1];
    TMechElement& e = Elem(i);
    e = ElementTypes[spec.TypeCode];
    e.ElemAngle = (i == 1) ? 0.0 : spec.Angle;
    running = running + e.ElemAngle;
    e.RunningAngle = running;
    e.TypeCode = spec.TypeCode;
  }
  Solved = false;
  return 1;
}

void RigModel::TransformAllElements(double Angle, double DX, double DY) {
  for (int i = 1; i <= ElemCount; ++i)
    for (TMechPoint& p : Elem(i).Points) p = ElementTransform(p, Angle, DX, DY);
}

void RigModel::PositionElements() {
  double maxShift = 0.0;
  for (int b = 2; b <= ElemCount; ++b) {
    const TMechElement& above = Elem(b - 1);
    TMechElement& e = Elem(b);
    const TMechPoint C = above.Pt(above.CarryPoint);
    const TMechPoint H = e.Pt(e.HangPoint);
    const double dx = C.x - H.x;
    if (dx > maxShift) maxShift = dx;
    const double dy = (C.y - H.y) - e.LinkGap;
    for (TMechPoint& p : e.Points) p = ElementTransform(p, e.RunningAngle, dx, dy);
  }
  // An element hung behind the origin of the top element would otherwise sit
  // in front of it; the whole column moves back instead.
  TransformAllElements(0.0, -maxShift, 0.0);
}

double RigModel::TotalMass(int From) const {
  double m = 0.0;
  for (int i = From; i <= ElemCount; ++i) m += Elem(i).Mass;
  return m;
}

TMechPoint RigModel::CentreOfGravity(int From) const {
  const double M = TotalMass(From);
  double x = 0.0;
  double y = 0.0;
  for (int i = From; i <= ElemCount; ++i) {
    const TMechElement& e = Elem(i);
    x += e.Mass * e.Pt(kCogPoint).x / M;
    y += e.Mass * e.Pt(kCogPoint).y / M;
  }
  return TMechPoint{x, y, 1.0};
}

void RigModel::LiftBarHoleAngles() {
  for (double& a : LiftBarAngles) a = 0.0;
  const TMechElement& T = Elem(1);
  const int n = T.HoleCount;
  if (n < 2 || n > kMaxElems) return;
  const uint8_t code = T.TypeCode;
  const bool holesFromRear = (code == 13 || code == 21);
  const bool holesFromFront = (code == 11 || code == 19);
  if (!holesFromRear && !holesFromFront) return;

  const double pitch = (T.Pt(2).x - T.Pt(3).x) / (n - 1);
  for (int j = 1; j <= n; ++j) {
    const double s = (j - 1) * pitch;
    const double u = T.Pt(2).x - ZCOG.x - s;
    const double v = ZCOG.y - T.Pt(2).y;
    const double a = -std::atan(u / v) * 180.0 / kPi;
    // Hole 1 is always the end of the bar over the grid.
    if (holesFromRear)
      LiftBarAngles[j - 1] = a;
    else
      LiftBarAngles[n - j] = a;
  }
}

int32_t RigModel::Calculate() {
  if (ElemCount < 1) return 0;
  PositionElements();
  for (int i = 1; i <= ElemCount; ++i) Force(i);
  WeakestSearch();
  ArrayMass = TotalMass(1);
  ZCOG = CentreOfGravity(1);
  LiftBarHoleAngles();
  TransformAllElements(TargetAngle, 0.0, 0.0);
  COG = CentreOfGravity(1);
  Solved = true;
  return 1;
}

LinkForces RigModel::ExamineForce(int i) const {
  const TMechElement& e = Elem(i);
  const TMechPoint A = e.Pt(e.FrontPoint);
  const double L = e.LeverLength;
  const TMechPoint G = CentreOfGravity(i);
  const double arm = ProjectedDistance(A, TMechPoint{A.x - 1.0, A.y, 1.0}, G);
  const double M = TotalMass(i);
  LinkForces r;
  // Moment about the front link gives the rear link force; the running angle
  // alone (never the target angle) sets the direction of the load.
  r.F = M * (arm / L);
  const double theta = (e.RunningAngle + 90.0) * kPi / 180.0;
  r.Fx = r.F - M * std::sin(theta);
  r.Fy = M * std::cos(theta);
  r.FrontForce = kLinkShare * std::sqrt(r.Fx * r.Fx + r.Fy * r.Fy);
  r.RearForce = kLinkShare * r.F;
  r.FrontSF = SafetyRatio(e.FrontStrength, r.FrontForce);
  r.RearSF = SafetyRatio(e.RearStrength, r.RearForce);
  return r;
}

TMechPair RigModel::WeakestSearch() {
  WeakElements[0] = 0;
  WeakElements[1] = 0;
  double minFront = kWeakStart;
  double minRear = kWeakStart;
  for (int i = 1; i <= ElemCount; ++i) {
    const TMechElement& e = Elem(i);
    if (std::fabs(e.FrontSF) < std::fabs(minFront)) {
      minFront = e.FrontSF;
      WeakElements[0] = i;
    }
    if (std::fabs(e.RearSF) < std::fabs(minRear)) {
      minRear = e.RearSF;
      WeakElements[1] = i;
    }
  }
  return TMechPair{minFront, minRear};
}

TMechPair RigModel::PickLoad() const {
  if (ElemCount < 1) return TMechPair{0.0, 0.0};
  const TMechElement& T = Elem(1);
  const double dA = T.Pt(T.FrontPoint).x - COG.x;
  const double dB = COG.x - T.Pt(T.RearPoint).x;
  const double M = TotalMass(1);
  const double rear = M * dA / (dA + dB);
  return TMechPair{M - rear, rear};
}

TMechPair RigModel::Force(int32_t Index) {
  if (!ValidElem(Index)) return TMechPair{0.0, 0.0};
  const LinkForces r = ExamineForce(Index);
  Elem(Index).FrontSF = r.FrontSF;
  Elem(Index).RearSF = r.RearSF;
  return TMechPair{r.FrontForce, r.RearForce};
}

TMechPair RigModel::MaxForce() {
  double maxFront = 0.0;
  double maxRear = 0.0;
  for (int i = 1; i <= ElemCount; ++i) {
    const TMechPair f = Force(i);
    if (std::fabs(f.Front) > std::fabs(maxFront)) maxFront = f.Front;
    if (std::fabs(f.Rear) > std::fabs(maxRear)) maxRear = f.Rear;
  }
  return TMechPair{maxFront, maxRear};
}

TMechPair RigModel::SafetyFactor(int32_t Index) const {
  if (!ValidElem(Index)) return TMechPair{0.0, 0.0};
  return TMechPair{Elem(Index).FrontSF, Elem(Index).RearSF};
}

TMechPair RigModel::MinSafetyFactor() {
  // With no list there is nothing to rate; zeros rather than the search's
  // start value, which would read as a very safe rig.
  if (ElemCount < 1) return TMechPair{0.0, 0.0};
  MaxForce();
  return WeakestSearch();
}

uint8_t RigModel::SafetyLevel() {
  if (!Solved) return MECH_LEVEL_UNSAFE;
  const TMechPair sf = MinSafetyFactor();
  const double m = sf.Front < sf.Rear ? sf.Front : sf.Rear;
  uint8_t level = MECH_LEVEL_UNSAFE;
  if (m >= kCautionBelow)
    level = MECH_LEVEL_SAFE;
  else if (m >= kUnsafeBelow)
    level = MECH_LEVEL_CAUTION;
  // The weakest search skips a factor that is not a number; such a link has
  // not been rated at all.
  for (int i = 1; i <= ElemCount; ++i)
    if (std::isnan(Elem(i).FrontSF) || std::isnan(Elem(i).RearSF)) level = MECH_LEVEL_UNSAFE;
  const TMechPair pick = PickLoad();
  if (!std::isfinite(pick.Front) || !std::isfinite(pick.Rear) || pick.Rear < 0.0 ||
      pick.Front < 0.0)
    level = MECH_LEVEL_UNSAFE;
  // Called on this model directly, never through the exported symbol, so no
  // other library's function of that name can stand in for it.
  if (Elem(1).LiftBarFlag == 1 && LiftBarBestHole() < 0) level = MECH_LEVEL_UNSAFE;
  return level;
}

int32_t RigModel::LiftBarBestHole() const {
  double best = kNoHole;
  int32_t hole = 0;
  const int n = Elem(1).HoleCount;
  if (n > 0 && n <= kMaxElems) {
    for (int j = 1; j <= n; ++j) {
      const double d = std::fabs(LiftBarAngles[j - 1] - TargetAngle);
      if (d < best) {
        best = d;
        hole = j;
      }
    }
  }
  if (best > kHoleTolerance) hole = -1;
  return hole;
}

double RigModel::LiftBarAngle(int32_t Index) const {
  if (Index < 1 || Index > kMaxElems) return 0.0;
  return LiftBarAngles[Index - 1];
}

}  // namespace riglink
