#include "model/arrays/riglibrary.h"

const TRigLibrary& RealRigLibrary() {
    static const TRigLibrary real = {
        mechInit,         mechSetArrayElems, mechCalculate,     mechPickLoad,
        mechForce,        mechExamineInternalForce,             mechSafetyFactor,
        mechSafetyLevel,  mechWeakElem,      mechMass,          mechCOG,
        mechLiftBarAngles, mechLiftBarBestHole};
    return real;
}
