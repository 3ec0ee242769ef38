#pragma once
// The rigging library as the arrays see it: one table of the exports they
// call.  Every array holds a pointer to such a table, the real library's
// unless a test hands it another (a recording fake, say), so the order and
// arguments of the calls can be checked without the library's global model.

#include <cstdint>

#include "riglink/mechdll5.h"

struct TRigLibrary {
    int32_t (*Init)();
    int32_t (*SetArrayElems)(const TMechElemSpec* Elems, int32_t Count, double Angle,
                             uint8_t Mode);
    int32_t (*Calculate)();
    void (*PickLoad)(TMechPair* Out);
    void (*Force)(TMechPair* Out, int32_t Index);
    void (*ExamineInternalForce)(int32_t Index, double* F, double* Fx, double* Fy,
                                 double* FrontForce, double* RearForce, double* FrontSF,
                                 double* RearSF);
    void (*SafetyFactor)(TMechPair* Out, int32_t Index);
    uint8_t (*SafetyLevel)();
    void (*WeakElem)(TMechWeakElems* Out);
    double (*Mass)();
    void (*COG)(TMechPoint* Out);
    void (*LiftBarAngles)(double* Out);
    int32_t (*LiftBarBestHole)();
};

// The exports of libriglink.
const TRigLibrary& RealRigLibrary();
