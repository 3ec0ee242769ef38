// The exported functions: thin wrappers over the one model of the library.
#include "riglink/mechdll5.h"

#include "riglink/rigmodel.h"

namespace {

riglink::RigModel g_model;

}  // namespace

extern "C" {

int32_t mechInit(void) { return g_model.Init(); }

int32_t mechSetArrayElems(const TMechElemSpec* Elems, int32_t Count, double Angle, uint8_t Mode) {
  return g_model.SetArrayElems(Elems, Count, Angle, Mode);
}

int32_t mechCalculate(void) { return g_model.Calculate(); }

void mechPickLoad(TMechPair* Out) {
  if (Out) *Out = g_model.PickLoad();
}

void mechForce(TMechPair* Out, int32_t Index) {
  const TMechPair r = g_model.Force(Index);
  if (Out) *Out = r;
}

void mechmaxForce(TMechPair* Out) {
  const TMechPair r = g_model.MaxForce();
  if (Out) *Out = r;
}

void mechExamineInternalForce(int32_t Index, double* F, double* Fx, double* Fy,
                              double* FrontForce, double* RearForce, double* FrontSF,
                              double* RearSF) {
  riglink::LinkForces r;
  if (g_model.ValidElem(Index)) r = g_model.ExamineForce(Index);
  if (F) *F = r.F;
  if (Fx) *Fx = r.Fx;
  if (Fy) *Fy = r.Fy;
  if (FrontForce) *FrontForce = r.FrontForce;
  if (RearForce) *RearForce = r.RearForce;
  if (FrontSF) *FrontSF = r.FrontSF;
  if (RearSF) *RearSF = r.RearSF;
}

void mechSafetyFactor(TMechPair* Out, int32_t Index) {
  if (Out) *Out = g_model.SafetyFactor(Index);
}

void mechMinSafetyFactor(TMechPair* Out) {
  const TMechPair r = g_model.MinSafetyFactor();
  if (Out) *Out = r;
}

uint8_t mechSafetyLevel(void) { return g_model.SafetyLevel(); }

void mechWeakElem(TMechWeakElems* Out) {
  if (Out) *Out = TMechWeakElems{g_model.WeakElements[0], g_model.WeakElements[1]};
}

double mechMass(void) { return g_model.ArrayMass; }

void mechCOG(TMechPoint* Out) {
  if (Out) *Out = g_model.COG;
}

void mechZCOG(TMechPoint* Out) {
  if (Out) *Out = g_model.ZCOG;
}

void mechLiftBarAngles(double* Out) {
  if (!Out) return;
  for (int j = 0; j < riglink::kMaxElems; ++j) Out[j] = g_model.LiftBarAngles[j];
}

double mechLiftBarAngle(int32_t Index) { return g_model.LiftBarAngle(Index); }

int32_t mechLiftBarBestHole(void) { return g_model.LiftBarBestHole(); }

}  // extern "C"
