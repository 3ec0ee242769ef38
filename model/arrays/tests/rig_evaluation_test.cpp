// The rig evaluation, the rig results and the flown safety level, through
// the real rigging library and through a recording stand-in.
//
// Expected figures of the real-library cases come from the worked numbers of
// the rigging rules where they exist (the three-Bexa column: mass 219, pick
// loads 151.829 / 67.171, centre of gravity x -0.30782, safety factors of
// element 1 after the level 94.65 / 214.14, lift-bar hole 6 at -0.667
// degrees) and otherwise from tests/data/rig_statics.py, a separate
// re-derivation of the statics in Python from the written rules.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "model/arrays/tests/rig_fake.h"
#include "model/arrays/tests/splay_of.h"

namespace {

constexpr double kTol = 1e-6;

// The venue's order: grid pick mode, rig mode, set-up, advice, mechanics.
void Prepare(TLoudspeakerArray& a, TSplay& s, int pickMode, int c1, int c2 = 0, int side = 2) {
    a.Grid->SetRigMode(pickMode, side);
    a.Grid->PrimaryHolesUsed = 1;
    if (a.CurrentLiftBar != nullptr) a.CurrentLiftBar->PickSide = side;
    a.SetRigMode(1);
    a.SetUp(s, c1, c2, 0, 12.0, 0.0);
}

void ExpectList(const TLoudspeakerArray& a, int n, std::vector<std::pair<int, double>> want) {
    ASSERT_EQ(static_cast<int>(want.size()), n);
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(a.RigElements[i].TypeCode, want[static_cast<std::size_t>(i - 1)].first) << i;
        EXPECT_DOUBLE_EQ(a.RigElements[i].Angle, want[static_cast<std::size_t>(i - 1)].second)
            << i;
    }
}

// The rig results in the order the library is asked for them.
constexpr double TRigResults::*kResultFields[] = {
    &TRigResults::FrontPickLoad,  &TRigResults::TopFrontSafety, &TRigResults::RearPickLoad,
    &TRigResults::TopRearSafety,  &TRigResults::WeakFrontForce, &TRigResults::WeakFrontSafety,
    &TRigResults::WeakRearForce, &TRigResults::WeakRearSafety};

void ExpectResults(const TRigResults& r, const double (&want)[8]) {
    for (int k = 0; k < 8; ++k) EXPECT_NEAR(r.*kResultFields[k], want[k], kTol) << "result " << k;
}

// ---------------------------------------------------------------------------
// One flown array of each family through the real library.

TEST(RigEvaluationEndToEnd, FullSizeArvo) {
    TArvoArray a;
    TSplay s = SplayOf({2, 1, 3});
    Prepare(a, s, 1, 3);
    a.CalcMechanics();
    ExpectList(a, 4, {{2, 0}, {0, 0}, {0, -1}, {0, -3}});
    EXPECT_TRUE(a.MechanicsDone);
    EXPECT_NEAR(a.TotalMass, 476.0, kTol);
    EXPECT_NEAR(a.CogX, -0.410363524765, kTol);
    EXPECT_NEAR(a.Grid->FrontPickLoad, 294.389082991, kTol);
    EXPECT_NEAR(a.Grid->RearPickLoad, 181.610917009, kTol);
    // Link forces of the first cabinet in the solved column.
    EXPECT_NEAR(a.TensionFront[2], 103.024417088, kTol);
    EXPECT_NEAR(a.TensionRear[2], 125.575582912, kTol);
    EXPECT_NEAR(a.ForceF1[2], 125.575582912 / 0.6, kTol);
    EXPECT_EQ(a.SafetyLevel(), 0);
    ExpectResults(a.GetRigResults(), {294.389082991, 97.6231843064, 181.610917009, 158.401955523,
                                      103.024417088, 82.9008944475, 125.575582912, 95.072427564});
}

TEST(RigEvaluationEndToEnd, CompactBexaOnItsGrid) {
    TBexaArray a;
    TSplay s = SplayOf({2, 3, 5});
    Prepare(a, s, 1, 3);
    a.CalcMechanics();
    ExpectList(a, 4, {{7, 0}, {4, 0}, {4, -3}, {4, -5}});
    EXPECT_NEAR(a.TotalMass, 219.0, kTol);
    EXPECT_NEAR(a.CogX, -0.30782, 1e-5);
    EXPECT_NEAR(a.Grid->FrontPickLoad, 151.829, 1e-3);
    EXPECT_NEAR(a.Grid->RearPickLoad, 67.171, 1e-3);
    EXPECT_EQ(a.SafetyLevel(), 0);
    const TRigResults r = a.GetRigResults();
    EXPECT_NEAR(r.TopFrontSafety, 94.65, 5e-3);
    EXPECT_NEAR(r.TopRearSafety, 214.14, 5e-3);
    ExpectResults(r, {151.829112551, 94.6533024492, 67.1708874489, 214.136849245, 91.1220187445,
                      94.6533024492, 58.6716540926, 131.30841037});
}

TEST(RigEvaluationEndToEnd, CompactBexaOnTheLiftBar) {
    TBexaArray a;
    TSplay s = SplayOf({2, 3, 5});
    Prepare(a, s, 4, 3, 0, 2);
    a.LiftBarGridAngle = 99.0;
    a.CalcMechanics();
    ExpectList(a, 5, {{13, 0}, {7, 0}, {4, 0}, {4, -3}, {4, -5}});
    EXPECT_EQ(a.LiftBarBestHole, 6);
    EXPECT_NEAR(a.LiftBarGridAngle, -0.667478104096, kTol);
    EXPECT_NEAR(a.TotalMass, 231.0, kTol);
    EXPECT_NEAR(a.Grid->FrontPickLoad, 175.157588381, kTol);
    EXPECT_NEAR(a.Grid->RearPickLoad, 55.8424116192, kTol);
    // The lift bar keeps the top angle and the centre of gravity (x negated).
    EXPECT_DOUBLE_EQ(a.CurrentLiftBar->TopAngle, 2.0);
    EXPECT_NEAR(a.CurrentLiftBar->CogX, 0.321851603371, kTol);
    EXPECT_NEAR(a.CurrentLiftBar->CogY, -0.433411241527, kTol);
    EXPECT_EQ(a.SafetyLevel(), 0);
    ExpectResults(a.GetRigResults(), {175.157588381, 82.0530179644, 55.8424116192, 257.577740327,
                                      105.114963642, 82.0530179644, 58.6716540926, 131.30841037});
}

TEST(RigEvaluationEndToEnd, MiniDovi) {
    TDoviArray a;
    TSplay s = SplayOf({2, 3, 5});
    Prepare(a, s, 1, 3);
    a.CalcMechanics();
    ExpectList(a, 4, {{17, 0}, {16, 0}, {16, -3}, {16, -5}});
    EXPECT_NEAR(a.TotalMass, 108.0, kTol);
    EXPECT_NEAR(a.CogX, -0.222156018015, kTol);
    EXPECT_NEAR(a.Grid->FrontPickLoad, 77.7663437151, kTol);
    EXPECT_NEAR(a.Grid->RearPickLoad, 30.2336562849, kTol);
    // The Dovi's front point lies behind its rear one: negative rear force.
    EXPECT_NEAR(a.TensionRear[2], -22.8512908472, kTol);
    EXPECT_EQ(a.SafetyLevel(), 0);
    ExpectResults(a.GetRigResults(), {77.7663437151, 92.3917043898, 30.2336562849, 237.849077551,
                                      75.0512908472, 81.5768644414, 18.129143255, 237.849077551});
}

TEST(RigEvaluationEndToEnd, MixArvoOverBexa) {
    TArvoBexaArray a;
    TSplay s = SplayOf({1, 2, 4, 6});
    Prepare(a, s, 1, 2, 2);
    a.CalcMechanics();
    ExpectList(a, 6, {{2, 0}, {0, 0}, {0, -2}, {15, -4}, {4, 0}, {4, -6}});
    EXPECT_NEAR(a.TotalMass, 495.0, kTol);
    EXPECT_NEAR(a.CogX, -0.390443762503, kTol);
    EXPECT_NEAR(a.Grid->FrontPickLoad, 317.853708009, kTol);
    EXPECT_NEAR(a.Grid->RearPickLoad, 177.146291991, kTol);
    EXPECT_EQ(a.SafetyLevel(), 0);
    ExpectResults(a.GetRigResults(), {317.853708009, 90.4427386216, 177.146291991, 162.319962264,
                                      116.146488381, 73.5348648555, 40.6967381499, 94.6523232928});
}

TEST(RigEvaluationEndToEnd, GroundStacksWeighAndCentreTheirColumn) {
    TArvoArray arvo;
    TSplay s = SplayOf({1, 2, 3});
    arvo.SetRigMode(2);
    arvo.SetUp(s, 3, 0, 0, 0.0, 0.0);
    arvo.CalcMechanics();
    ExpectList(arvo, 3, {{0, 0}, {0, -1}, {0, -2}});
    EXPECT_NEAR(arvo.TotalMass, 381.0, kTol);  // no grid mass in this class
    EXPECT_NEAR(arvo.CogX, -0.360503292083, kTol);

    // Subwoofers under mini cabinets: the minis head the list, each turned
    // as the stacked geometry tilts it (2 and 6 degrees), and the
    // subwoofers below stand level.
    TIvorDoviArray ivor;
    TSplay t = SplayOf({0, 0, 4, 6});
    ivor.SetRigMode(2);
    ivor.SetUp(t, 2, 2, 0, 0.0, 0.0);
    ASSERT_DOUBLE_EQ(ivor.Tilt[2], 2.0);
    ASSERT_DOUBLE_EQ(ivor.Tilt[3], 6.0);
    ivor.CalcMechanics();
    ExpectList(ivor, 4, {{16, 0}, {16, -4}, {32, 6}, {32, 0}});
    EXPECT_NEAR(ivor.TotalMass, 232.0, kTol);
    EXPECT_NEAR(ivor.CogX, -0.432143187021, kTol);
}

TEST(RigEvaluationEndToEnd, CentreOfGravityBehindTheRearPickIsUnsafe) {
    TBexaArray a;
    TSplay s;
    for (int i = 1; i < 12; ++i) s.Angle[i] = 10.0;
    Prepare(a, s, 1, 12);
    a.CalcMechanics();
    EXPECT_LT(a.Grid->FrontPickLoad, 0.0);
    EXPECT_EQ(a.SafetyLevel(), 2);
}

// ---------------------------------------------------------------------------
// The calls through the recording stand-in.

class RigCalls : public ::testing::Test {
protected:
    void SetUp() override { ResetFake(); }
    std::vector<std::string>& Calls() { return Fake().Calls; }
};

TEST_F(RigCalls, FlownPassOnTheLiftBar) {
    TBexaArray a;
    a.RigLibrary = &FakeRigLibrary();
    TSplay s = SplayOf({2.5, 3, 5});
    Prepare(a, s, 4, 2, 0, 1);
    a.CalcMechanics();
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "Init", "SetArrayElems 4 mode 0", "Calculate", "LiftBarBestHole",
                           "PickLoad", "Mass", "COG", "LiftBarAngles", "Examine 1", "Examine 2",
                           "Examine 3", "Examine 4"}));
    EXPECT_DOUBLE_EQ(Fake().ListTarget, -2.5);
    EXPECT_EQ(Fake().List[0].TypeCode, 11);  // front-overhanging compact bar
    EXPECT_EQ(a.LiftBarBestHole, 6);
    EXPECT_DOUBLE_EQ(a.LiftBarGridAngle, -3.0);  // entry 6 of the hole angles
    EXPECT_DOUBLE_EQ(a.Grid->FrontPickLoad, 100.0);
    EXPECT_DOUBLE_EQ(a.Grid->RearPickLoad, 50.0);
    EXPECT_DOUBLE_EQ(a.TotalMass, 200.0);
    EXPECT_DOUBLE_EQ(a.CogX, -0.3);
    EXPECT_DOUBLE_EQ(a.CurrentLiftBar->TopAngle, 2.5);
    EXPECT_DOUBLE_EQ(a.CurrentLiftBar->CogX, 0.3);
    // The seven tables in the library's order.
    EXPECT_DOUBLE_EQ(a.ForceF1[4], 4.1);
    EXPECT_DOUBLE_EQ(a.ForceF3[4], 4.3);
    EXPECT_DOUBLE_EQ(a.TensionFront[4], 4.4);
    EXPECT_DOUBLE_EQ(a.TensionRear[4], 4.5);
    EXPECT_DOUBLE_EQ(a.SafetyFront[4], 4.6);
    EXPECT_DOUBLE_EQ(a.SafetyRear[4], 4.7);
}

TEST_F(RigCalls, NoHoleNearTheAngleStillTellsTheLiftBar) {
    TDoviArray a;
    a.RigLibrary = &FakeRigLibrary();
    Fake().BestHole = -1;
    TSplay s = SplayOf({1, 2});
    Prepare(a, s, 4, 2);
    a.LiftBarGridAngle = 7.0;
    a.CalcMechanics();
    EXPECT_EQ(a.LiftBarBestHole, -1);
    EXPECT_DOUBLE_EQ(a.LiftBarGridAngle, 7.0);
    EXPECT_DOUBLE_EQ(a.CurrentLiftBar->TopAngle, 1.0);
    for (const std::string& c : Calls()) EXPECT_NE(c, "LiftBarAngles");
}

TEST_F(RigCalls, TwoPointLiftAsksTheHoleOnlyInTheBexaDoviMix) {
    TBexaArray bexa;
    bexa.RigLibrary = &FakeRigLibrary();
    TSplay s = SplayOf({1, 2});
    Prepare(bexa, s, 5, 2);
    bexa.LiftBarBestHole = 9;
    bexa.CalcMechanics();
    EXPECT_EQ(bexa.LiftBarBestHole, 9);
    EXPECT_DOUBLE_EQ(bexa.CurrentLiftBar->TopAngle, 0.0);  // not told

    ResetFake();
    TBexaDoviArray mix;
    mix.RigLibrary = &FakeRigLibrary();
    TSplay t = SplayOf({1.5, 2, 3});
    Prepare(mix, t, 5, 2, 1);
    mix.CalcMechanics();
    EXPECT_EQ(Calls()[3], "LiftBarBestHole");
    EXPECT_EQ(mix.LiftBarBestHole, 6);
    EXPECT_DOUBLE_EQ(mix.CurrentLiftBar->TopAngle, 1.5);
    for (const std::string& c : Calls()) EXPECT_NE(c, "LiftBarAngles");
}

TEST_F(RigCalls, GroundPassWeighsOnlyAndAddsTheGridWhereTheTypeSaysSo) {
    TBexaArray bexa;  // stored mass includes the grid
    bexa.RigLibrary = &FakeRigLibrary();
    TSplay s = SplayOf({1, 2, 3});
    bexa.Grid->FrontPickLoad = 11.0;
    bexa.ForceF1[1] = 12.0;
    bexa.SetRigMode(2);
    bexa.SetUp(s, 3, 0, 0, 0.0, 0.0);
    bexa.CalcMechanics();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"Init", "SetArrayElems 3 mode 0", "Calculate",
                                                 "Mass", "COG"}));
    EXPECT_DOUBLE_EQ(Fake().ListTarget, -bexa.Tilt[0]);
    EXPECT_DOUBLE_EQ(bexa.TotalMass, 200.0 + bexa.Grid->Mass);
    EXPECT_DOUBLE_EQ(bexa.CogX, -0.3);
    // Flown figures stay as they were.
    EXPECT_DOUBLE_EQ(bexa.Grid->FrontPickLoad, 11.0);
    EXPECT_DOUBLE_EQ(bexa.ForceF1[1], 12.0);

    ResetFake();
    TArvoArray arvo;  // stored mass is the library's alone
    arvo.RigLibrary = &FakeRigLibrary();
    arvo.Grid->Mass = 130.0;
    arvo.SetRigMode(2);
    arvo.SetUp(s, 3, 0, 0, 0.0, 0.0);
    arvo.CalcMechanics();
    EXPECT_DOUBLE_EQ(arvo.TotalMass, 200.0);
}

TEST_F(RigCalls, NoPassMeansNoCallAndNoChange) {
    TSplay s = SplayOf({1, 2, 3});
    // A mix without a stacked pass, asked for one.
    TArvoBexaArray mix;
    mix.RigLibrary = &FakeRigLibrary();
    mix.SetRigMode(2);
    mix.SetUp(s, 2, 1, 0, 0.0, 0.0);
    mix.TotalMass = 5.0;
    mix.CalcMechanics();
    // The subwoofer-over-mini mix stacks in rig mode 2 only.
    TIvorDoviArray ivor;
    ivor.RigLibrary = &FakeRigLibrary();
    ivor.SetRigMode(3);
    ivor.SetUp(s, 1, 2, 0, 0.0, 0.0);
    ivor.CalcMechanics();
    // A lift-bar array in a pick mode the main window never sends.
    TBexaArray bexa;
    bexa.RigLibrary = &FakeRigLibrary();
    Prepare(bexa, s, 6, 3);
    bexa.CalcMechanics();
    EXPECT_TRUE(Calls().empty());
    EXPECT_DOUBLE_EQ(mix.TotalMass, 5.0);
    EXPECT_FALSE(mix.MechanicsDone || ivor.MechanicsDone || bexa.MechanicsDone);
    // Nothing of this array was graded: unsafe, and the library not asked.
    EXPECT_EQ(bexa.SafetyLevel(), 2);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(RigCalls, RefusedListIsAnErrorNotAResult) {
    TArvoArray a;
    a.RigLibrary = &FakeRigLibrary();
    TSplay s = SplayOf({1, 2});
    Prepare(a, s, 1, 2);
    a.CalcMechanics();
    a.TotalMass = 1.0;
    Fake().SetAnswer = 0;
    EXPECT_THROW(a.CalcMechanics(), rtl::RuntimeError);
    EXPECT_DOUBLE_EQ(a.TotalMass, 1.0);
    // The library still holds the earlier list: not this array's grade.
    Fake().Calls.clear();
    EXPECT_EQ(a.SafetyLevel(), 2);
    EXPECT_TRUE(Fake().Calls.empty());
}

TEST_F(RigCalls, RigResultsInTheLibrarysOrder) {
    TArvoArray a;
    a.RigLibrary = &FakeRigLibrary();
    const TRigResults r = a.GetRigResults();
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "PickLoad", "SafetyFactor 1", "PickLoad", "SafetyFactor 1", "WeakElem",
                           "Force 3", "WeakElem", "SafetyFactor 3", "WeakElem", "Force 4",
                           "WeakElem", "SafetyFactor 4"}));
    ExpectResults(r, {100.0, 11.0, 50.0, 21.0, 1003.0, 13.0, 2004.0, 24.0});
}

TEST_F(RigCalls, NoWeakestElementAsksNoForceAndIsUnsafe) {
    TArvoArray a;
    a.RigLibrary = &FakeRigLibrary();
    TSplay s = SplayOf({1, 2});
    Prepare(a, s, 1, 2);
    a.CalcMechanics();
    Fake().Weak = {0, 2};
    Fake().Level = 0;
    Calls().clear();
    const TRigResults r = a.GetRigResults();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"PickLoad", "SafetyFactor 1", "PickLoad",
                                                 "SafetyFactor 1", "WeakElem", "WeakElem",
                                                 "WeakElem", "Force 2", "WeakElem",
                                                 "SafetyFactor 2"}));
    EXPECT_EQ(r.WeakFrontForce, 0.0);
    EXPECT_EQ(r.WeakFrontSafety, 0.0);
    EXPECT_DOUBLE_EQ(r.WeakRearForce, 2002.0);
    EXPECT_EQ(a.SafetyLevel(), 2);
}

TEST_F(RigCalls, FlownLevelIsTheLibrarysAndNeverTheTippingCheck) {
    TArvoArray a;
    a.RigLibrary = &FakeRigLibrary();
    TSplay s = SplayOf({1, 2});
    Prepare(a, s, 1, 2);
    a.CalcMechanics();
    Calls().clear();
    a.StackHeight = 42.0;
    EXPECT_EQ(a.SafetyLevel(), 1);  // caution comes from the library only
    EXPECT_EQ(Calls(), (std::vector<std::string>{"SafetyLevel", "WeakElem"}));
    EXPECT_DOUBLE_EQ(a.StackHeight, 42.0);
}

TEST(RigResultsTwice, SameFiguresInTheMainWindowsOrder) {
    TArvoBexaArray a;
    TSplay s = SplayOf({1, 2, 4, 6});
    Prepare(a, s, 1, 2, 2);
    a.CalcMechanics();
    (void)a.SafetyLevel();
    const TRigResults r1 = a.GetRigResults();
    const TRigResults r2 = a.GetRigResults();
    for (double TRigResults::*f : kResultFields) EXPECT_EQ(r1.*f, r2.*f);
}

}  // namespace
