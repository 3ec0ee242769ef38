#include "model/arrays/tests/rig_fake.h"

namespace {

RigFake g_fake;

void Log(const std::string& s) { g_fake.Calls.push_back(s); }

int32_t Init() {
    Log("Init");
    return 1;
}
int32_t SetArrayElems(const TMechElemSpec* e, int32_t n, double angle, uint8_t mode) {
    Log("SetArrayElems " + std::to_string(n) + " mode " + std::to_string(mode));
    g_fake.ListCount = n;
    g_fake.ListTarget = angle;
    g_fake.List.assign(e, e + n);
    return g_fake.SetAnswer;
}
int32_t Calculate() {
    Log("Calculate");
    return 1;
}
void PickLoad(TMechPair* out) {
    Log("PickLoad");
    *out = g_fake.Pick;
}
void Force(TMechPair* out, int32_t i) {
    Log("Force " + std::to_string(i));
    *out = {1000.0 + i, 2000.0 + i};
}
void Examine(int32_t i, double* f, double* fx, double* fy, double* tf, double* tr, double* sf,
             double* sr) {
    Log("Examine " + std::to_string(i));
    *f = i + 0.1;
    *fx = i + 0.2;
    *fy = i + 0.3;
    *tf = i + 0.4;
    *tr = i + 0.5;
    *sf = i + 0.6;
    *sr = i + 0.7;
}
void SafetyFactor(TMechPair* out, int32_t i) {
    Log("SafetyFactor " + std::to_string(i));
    *out = {10.0 + i, 20.0 + i};
}
uint8_t SafetyLevel() {
    Log("SafetyLevel");
    return g_fake.Level;
}
void WeakElem(TMechWeakElems* out) {
    Log("WeakElem");
    *out = g_fake.Weak;
}
double Mass() {
    Log("Mass");
    return g_fake.MassValue;
}
void COG(TMechPoint* out) {
    Log("COG");
    *out = g_fake.Cog;
}
void LiftBarAngles(double* out) {
    Log("LiftBarAngles");
    for (int j = 0; j < MECH_MAX_ELEMS; ++j) out[j] = -(j + 1) * 0.5;
}
int32_t LiftBarBestHole() {
    Log("LiftBarBestHole");
    return g_fake.BestHole;
}

}  // namespace

RigFake& Fake() { return g_fake; }
void ResetFake() { g_fake = RigFake(); }

const TRigLibrary& FakeRigLibrary() {
    static const TRigLibrary fake = {Init,     SetArrayElems, Calculate,    PickLoad,
                                     Force,    Examine,       SafetyFactor, SafetyLevel,
                                     WeakElem, Mass,          COG,          LiftBarAngles,
                                     LiftBarBestHole};
    return fake;
}
