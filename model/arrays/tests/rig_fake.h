#pragma once
// A recording stand-in for the rigging library: every call is written to a
// log ("PickLoad", "Force 3", ...) and answered from canned values, so the
// order of the calls and the use of each answer can be checked.

#include <string>
#include <vector>

#include "model/arrays/riglibrary.h"

struct RigFake {
    std::vector<std::string> Calls;
    // Answers.
    TMechPair Pick{100.0, 50.0};
    TMechWeakElems Weak{3, 4};
    double MassValue = 200.0;
    TMechPoint Cog{-0.3, -0.7, 1.0};
    int32_t BestHole = 6;
    uint8_t Level = 1;
    int32_t SetAnswer = 1;
    // What the last list handed over held.
    int32_t ListCount = 0;
    double ListTarget = 0.0;
    std::vector<TMechElemSpec> List;
};

// The one fake all tests share; Reset() before each use.
RigFake& Fake();
void ResetFake();
// The table of fake exports.
const TRigLibrary& FakeRigLibrary();
