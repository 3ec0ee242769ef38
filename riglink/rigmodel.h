// The rigging model behind the exports of libriglink.so. The library keeps one
// instance; tests build their own. Point and element numbers are 1-based, as
// the callers use them; the accessors translate.
#pragma once

#include <cstdint>

#include "riglink/mechdll5.h"

namespace riglink {

inline constexpr int kMaxElems = MECH_MAX_ELEMS;
inline constexpr int kTypeCount = MECH_MAX_TYPE_CODE + 1;
inline constexpr int kPointCount = 5;  // 4 rigging points and the centre of gravity
inline constexpr int kCogPoint = 5;

// Strengths rated in kN are held in kilogram-force, at full precision.
constexpr double kNToKgf(double kN) { return kN * 1000.0 / 9.8; }

// One element: an entry of the type table, or a placed element of the column.
struct TMechElement {
  TMechPoint Points[kPointCount] = {};
  int32_t LiftBarFlag = 0;  // 1: lift bar whose hole choice the level enforces
  int32_t SpareInt = 0;
  int32_t HangPoint = 0;
  int32_t CarryPoint = 0;
  double LinkGap = 0.0;
  int32_t FrontPoint = 0;
  int32_t RearPoint = 0;
  double Mass = 0.0;
  double ElemAngle = 0.0;
  double RunningAngle = 0.0;
  double FrontStrength = 0.0;
  double RearStrength = 0.0;
  double AltFrontStrength = 0.0;
  double AltRearStrength = 0.0;
  double FrontSF = 0.0;
  double RearSF = 0.0;
  int32_t HoleCount = 0;
  double LeverLength = 0.0;
  uint8_t TypeCode = 0;

  TMechPoint& Pt(int n) { return Points[n - 1]; }
  const TMechPoint& Pt(int n) const { return Points[n - 1]; }
};

// The seven intermediate values of one link-force calculation.
struct LinkForces {
  double F = 0.0;
  double Fx = 0.0;
  double Fy = 0.0;
  double FrontForce = 0.0;
  double RearForce = 0.0;
  double FrontSF = 0.0;
  double RearSF = 0.0;
};

TMechPoint ElementTransform(const TMechPoint& P, double Angle, double DX, double DY);
double ProjectedDistance(const TMechPoint& A, const TMechPoint& B, const TMechPoint& P);

class RigModel {
 public:
  // Library state, named as the interface documents it.
  TMechElement ElementTypes[kTypeCount] = {};
  uint8_t ArrayMode = 0;
  int32_t ElemCount = 0;
  double TargetAngle = 0.0;
  TMechElement Elements[kMaxElems] = {};
  double ArrayMass = 0.0;
  TMechPoint ZCOG = {};
  TMechPoint COG = {};
  int32_t WeakElements[2] = {0, 0};
  double LiftBarAngles[kMaxElems] = {};
  // Set by a successful Calculate, cleared by a newly stored list: the grading
  // must not rest on a column that was never chained.
  bool Solved = false;
  bool TableFilled = false;

  TMechElement& Elem(int i) { return Elements[i - 1]; }
  const TMechElement& Elem(int i) const { return Elements[i - 1]; }
  bool ValidElem(int32_t i) const { return i >= 1 && i <= ElemCount; }

  int32_t Init();
  int32_t SetArrayElems(const TMechElemSpec* Elems, int32_t Count, double Angle, uint8_t Mode);
  int32_t Calculate();

  // Internal operations of the solution.
  void TransformAllElements(double Angle, double DX, double DY);
  void PositionElements();
  double TotalMass(int From) const;
  TMechPoint CentreOfGravity(int From) const;
  void LiftBarHoleAngles();
  LinkForces ExamineForce(int i) const;     // stores nothing
  TMechPair WeakestSearch();                // sets WeakElements

  // Queries. Bad indices give zeros and leave the state alone.
  TMechPair PickLoad() const;
  TMechPair Force(int32_t Index);           // stores the element's safety factors
  TMechPair MaxForce();
  TMechPair SafetyFactor(int32_t Index) const;
  TMechPair MinSafetyFactor();
  uint8_t SafetyLevel();
  int32_t LiftBarBestHole() const;
  double LiftBarAngle(int32_t Index) const;
};

}  // namespace riglink
