// Construction of the 19 array types, the type names, SelectCabinet,
// SetRigMode and SetLiftBarOption.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <typeindex>
#include <typeinfo>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"

namespace {

struct TypeRow {
    const char* Name;
    int Code;
    const char* BoxModel;  // model name of CurrentBox ("" = the placeholder)
    std::type_index BoxType;
    std::type_index GridType;
    std::type_index BarType;
    double Gap, Offset2, Offset3;
};

const TypeRow kRows[] = {
    {"Arvo", 0, "Arvo", typeid(TArvoBox), typeid(TArvoGrid), typeid(TArvoGroundStackBar), 0, 0, 0},
    {"Bexa", 1, "Bexa", typeid(TBexaBox), typeid(TBexaGrid), typeid(TBexaGroundStackBar), 0, 0, 0},
    {"Rudd", 2, "Rudd", typeid(TRuddBox), typeid(TArvoGrid), typeid(TArvoGroundStackBar), 0, 0, 0},
    {"MIXArvoBexa", 3, "", typeid(TBox), typeid(TArvoGrid), typeid(TGroundStackBar), 0.05, 0.06, 0.752},
    {"MIXRuddBexa", 4, "", typeid(TBox), typeid(TArvoGrid), typeid(TGroundStackBar), 0.05, 0.06, 0.752},
    {"Hoba", 5, "Hoba", typeid(THobaBox), typeid(THobaGrid), typeid(TGroundStackBar), 0, 0, 0},
    {"MIXHobaBexa", 6, "Hoba", typeid(THobaBox), typeid(THobaGrid), typeid(TGroundStackBar), 0.025, 0, 0},
    {"Dovi", 7, "Dovi", typeid(TDoviBox), typeid(TDoviGrid), typeid(TDoviGroundStackBar), 0, 0, 0},
    {"MIXRuddArvo", 8, "Arvo", typeid(TArvoBox), typeid(TArvoGrid), typeid(TGroundStackBar), 0, 0, 0},
    {"MIXBexaDovi", 9, "", typeid(TBox), typeid(TBexaGrid), typeid(TGroundStackBar), 0.025, 0.02, 0.51},
    {"MIXHobaDovi", 10, "", typeid(TBox), typeid(THobaGrid), typeid(TGroundStackBar), 0.2, 0.1, 0.8},
    {"MIXArvoGiraF", 11, "Arvo", typeid(TArvoBox), typeid(TArvoGrid), typeid(TGroundStackBar), 0, 0, 0},
    {"Elka", 12, "Elka", typeid(TElkaBox), typeid(TDoviGrid), typeid(TElkaGroundStackBar), 0, 0, 0},
    {"MIXDoviElka", 13, "Dovi", typeid(TDoviBox), typeid(TDoviGrid), typeid(TElkaGroundStackBar), 0, 0, 0},
    {"Ivor", 14, "Ivor", typeid(TIvorBox), typeid(TDoviGrid), typeid(TElkaGroundStackBar), 0, 0, 0},
    {"MIXIvorDovi", 15, "Dovi", typeid(TDoviBox), typeid(TDoviGrid), typeid(TDoviGroundStackBar), 0, 0, 0},
    {"MIXIvorElka", 16, "Elka", typeid(TElkaBox), typeid(TDoviGrid), typeid(TElkaGroundStackBar), 0, 0, 0},
    {"MIXIvorDoviElka", 17, "Elka", typeid(TElkaBox), typeid(TDoviGrid), typeid(TElkaGroundStackBar), 0, 0, 0},
    {"MIXBexaCadri", 18, "Bexa", typeid(TBexaBox), typeid(TBexaGrid), typeid(TGroundStackBar), 0, 0, 0},
};

TEST(ArrayConstruction, EveryTypeStringBuildsItsClassWithFreshFields) {
    for (const TypeRow& row : kRows) {
        SCOPED_TRACE(row.Name);
        auto a = CreateLoudspeakerArray(row.Name);
        EXPECT_EQ(a->TypeCode, row.Code);
        EXPECT_EQ(a->ElementCount, 0);
        EXPECT_EQ(a->RigMode, 1);
        EXPECT_EQ(a->RigElementCount, 0);
        EXPECT_FALSE(a->MechanicsDone);
        EXPECT_FALSE(a->CombinationGrid);
        EXPECT_EQ(a->MainArray, nullptr);
        ASSERT_NE(a->Splay, nullptr);
        EXPECT_EQ(a->Splay->Angle[40], 0.0);
        EXPECT_EQ(a->CurrentBox->ModelName, row.BoxModel);
        EXPECT_EQ(std::type_index(typeid(*a->CurrentBox)), row.BoxType);
        EXPECT_EQ(std::type_index(typeid(*a->Grid)), row.GridType);
        EXPECT_EQ(std::type_index(typeid(*a->GroundStackBar)), row.BarType);
        EXPECT_DOUBLE_EQ(a->JunctionGap, row.Gap);
        EXPECT_DOUBLE_EQ(a->MixOffset2, row.Offset2);
        EXPECT_DOUBLE_EQ(a->MixOffset3, row.Offset3);
        EXPECT_EQ(ArrayTypeString(static_cast<uint8_t>(row.Code)), row.Name);
    }
}

// The flying detail draws a lift bar exactly for the arrays that hang from
// one: every type but the six full-size ones.
TEST(ArrayConstruction, OnlyTheLiftBarArraysHaveACurrentLiftBar) {
    const std::set<std::string> fullSize = {"Arvo", "Rudd", "MIXArvoBexa", "MIXRuddBexa",
                                            "MIXRuddArvo", "MIXArvoGiraF"};
    for (const TypeRow& row : kRows) {
        auto a = CreateLoudspeakerArray(row.Name);
        EXPECT_EQ(a->CurrentLiftBar == nullptr, fullSize.count(row.Name) == 1) << row.Name;
    }
}

TEST(ArrayConstruction, SubclassesKeepTheirParents) {
    EXPECT_NE(dynamic_cast<TArvoBexaArray*>(CreateLoudspeakerArray("MIXRuddBexa").get()), nullptr);
    EXPECT_NE(dynamic_cast<TArvoBexaArray*>(CreateLoudspeakerArray("MIXBexaDovi").get()), nullptr);
    EXPECT_NE(dynamic_cast<TArvoBexaArray*>(CreateLoudspeakerArray("MIXHobaDovi").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TArvoBexaArray*>(CreateLoudspeakerArray("MIXHobaBexa").get()), nullptr);
}

TEST(ArrayConstruction, EmptyTypeIsArvoAndUnknownTypesAreRefused) {
    EXPECT_EQ(CreateLoudspeakerArray("")->TypeCode, 0);
    EXPECT_NE(dynamic_cast<TArvoArray*>(CreateLoudspeakerArray("").get()), nullptr);
    try {
        CreateLoudspeakerArray("arvo");  // the names are exact
        FAIL() << "no error";
    } catch (const rtl::RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Unknown array type \"arvo\"");
    }
    EXPECT_THROW(CreateLoudspeakerArray("MIXGiraFArvo"), rtl::RuntimeError);
    EXPECT_THROW(ArrayTypeString(19), rtl::RangeError);
}

TEST(ArrayConstruction, MiniArraysHoldBothGridsAndBothLiftBars) {
    // The four arrays whose combination grid is narrowed, and the three
    // subwoofer mixes whose combination grid keeps its own sizes.
    TDoviArray dovi;
    TElkaArray elka;
    TIvorArray ivor;
    TDoviElkaArray doviElka;
    for (const TMiniRigging* rig : {&dovi.MiniRig, &elka.MiniRig, &ivor.MiniRig, &doviElka.MiniRig}) {
        EXPECT_DOUBLE_EQ(rig->BexaGrid->AlternateHoleShift, 0.255);
        EXPECT_DOUBLE_EQ(rig->BexaGrid->LinkSpacing, 0.37);
        EXPECT_EQ(rig->DoviLiftBar->HoleCount, 18);
        EXPECT_EQ(rig->LiftBar->HoleCount, 23);
    }
    TIvorDoviArray ivorDovi;
    TIvorElkaArray ivorElka;
    TIvorDoviElkaArray ivorDoviElka;
    for (const TMiniRigging* rig : {&ivorDovi.MiniRig, &ivorElka.MiniRig, &ivorDoviElka.MiniRig}) {
        EXPECT_DOUBLE_EQ(rig->BexaGrid->AlternateHoleShift, 0.25);
        EXPECT_DOUBLE_EQ(rig->BexaGrid->LinkSpacing, 0.5105);
    }
    EXPECT_EQ(dovi.CurrentLiftBar, dovi.MiniRig.DoviLiftBar);
    EXPECT_EQ(ivorDoviElka.Grid, ivorDoviElka.MiniRig.DoviGrid);
}

TEST(ArrayConstruction, PlainArrayLeavesItsAbstractOperationsAbstract) {
    TLoudspeakerArray plain;
    EXPECT_THROW(plain.CalcControllerSettings(), rtl::AbstractError);
    EXPECT_THROW(plain.CalcMechanics(), rtl::AbstractError);
    EXPECT_THROW(plain.SetLiftBarOption(1), rtl::AbstractError);
}

TEST(SelectCabinet, ThreeModelsByCounts) {
    TIvorDoviElkaArray a;
    TSplay s;
    a.SetUp(s, 2, 3, 1, 10.0, 0.0);
    const char* expected[] = {"Ivor", "Ivor", "Ivor", "Dovi", "Dovi", "Dovi", "Elka", "Elka"};
    for (int i = 0; i <= 7; ++i) {  // 0 selects the first model
        a.SelectCabinet(i);
        EXPECT_EQ(a.CurrentBox->ModelName, expected[i]) << "element number " << i;
    }
}

TEST(SelectCabinet, TwoModelsSwitchAfterCount1) {
    struct Case {
        const char* Type;
        const char* First;
        const char* Second;
    } cases[] = {
        {"MIXArvoBexa", "Arvo", "Bexa"},   {"MIXRuddBexa", "Rudd", "Bexa"},
        {"MIXBexaDovi", "Bexa", "Dovi"},   {"MIXHobaBexa", "Hoba", "Bexa"},
        {"MIXHobaDovi", "Hoba", "Dovi"},   {"MIXRuddArvo", "Rudd", "Arvo"},
        {"MIXArvoGiraF", "Arvo", "Gira"},  {"MIXDoviElka", "Dovi", "Elka"},
        {"MIXBexaCadri", "Bexa", "Cadri"}, {"MIXIvorDovi", "Ivor", "Dovi"},
        {"MIXIvorElka", "Ivor", "Elka"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Type);
        auto a = CreateLoudspeakerArray(c.Type);
        a->Count1 = 3;
        a->Count2 = 2;
        a->SelectCabinet(0);
        EXPECT_EQ(a->CurrentBox->ModelName, c.First);
        a->SelectCabinet(3);
        EXPECT_EQ(a->CurrentBox->ModelName, c.First);
        a->SelectCabinet(4);
        EXPECT_EQ(a->CurrentBox->ModelName, c.Second);
        a->SetRigMode(2);  // never consulted
        a->SelectCabinet(3);
        EXPECT_EQ(a->CurrentBox->ModelName, c.First);
    }
}

TEST(SelectCabinet, SingleModelArraysKeepTheirCabinet) {
    TBexaArray a;
    a.Count1 = 0;
    a.SelectCabinet(5);
    EXPECT_EQ(a.CurrentBox, a.BexaBox);
}

TEST(SetRigMode, CabinetTablesFollowInTheArraysThatPassItOn) {
    // The mini cabinet's stacked splay values start 0.62.
    TDoviArray dovi;
    dovi.SetRigMode(2);
    EXPECT_EQ(dovi.RigMode, 2);
    EXPECT_EQ(dovi.DoviBox->RigMode, 2);
    EXPECT_DOUBLE_EQ(dovi.DoviBox->SplayAngles[0], 0.62);

    TIvorDoviArray ivorDovi;  // its current cabinet is the mini cabinet
    ivorDovi.SetRigMode(2);
    EXPECT_DOUBLE_EQ(ivorDovi.DoviBox->SplayAngles[0], 0.62);

    TArvoArray arvo;
    arvo.SetRigMode(2);
    EXPECT_DOUBLE_EQ(arvo.ArvoBox->SplayAngles[2], 2.0);  // 2.12 when flown

    // The inherited base behaviour leaves the cabinets alone.
    TBexaDoviArray bexaDovi;
    bexaDovi.SetRigMode(2);
    EXPECT_EQ(bexaDovi.RigMode, 2);
    EXPECT_EQ(bexaDovi.DoviBox->RigMode, 1);
    TRuddArvoArray ruddArvo;
    ruddArvo.SetRigMode(2);
    EXPECT_DOUBLE_EQ(ruddArvo.ArvoBox->SplayAngles[2], 2.12);
}

TEST(SetRigMode, HobaBexaStaysFlown) {
    THobaBexaARRAY a;
    a.SetRigMode(2);
    EXPECT_EQ(a.RigMode, 1);
    THobaARRAY hoba;
    hoba.SetRigMode(2);
    EXPECT_EQ(hoba.RigMode, 2);
}

TEST(SetLiftBarOption, GoesToTheLiftBarInUse) {
    TBexaArray bexa;
    bexa.SetLiftBarOption(1);
    EXPECT_EQ(bexa.LiftBar->PickSide, 1);
    THobaDoviArray hobaDovi;
    hobaDovi.SetLiftBarOption(1);
    EXPECT_EQ(hobaDovi.LiftBar->PickSide, 1);
    TIvorElkaArray ivorElka;
    ivorElka.SetLiftBarOption(1);
    EXPECT_EQ(ivorElka.MiniRig.DoviLiftBar->PickSide, 1);
    EXPECT_EQ(ivorElka.MiniRig.LiftBar->PickSide, 2);
    TBexaCadriArray bexaCadri;
    bexaCadri.SetLiftBarOption(1);
    EXPECT_EQ(bexaCadri.LiftBar->PickSide, 1);

    for (const char* type : {"Arvo", "Rudd", "MIXArvoBexa", "MIXRuddBexa", "MIXRuddArvo", "MIXArvoGiraF"}) {
        EXPECT_THROW(CreateLoudspeakerArray(type)->SetLiftBarOption(1), rtl::AbstractError) << type;
    }
}

}  // namespace

namespace {

// Counts the tipping checks that a rig-mode change asks for.
class CountingArvoArray : public TArvoArray {
public:
    int Checks = 0;
    uint8_t GroundStackSafetyLevel() override {
        ++Checks;
        return 0;
    }
};

TEST(SetRigMode, RefreshesTheTippingCheckOnlyForAnEvaluatedStack) {
    CountingArvoArray a;
    a.SetRigMode(2);
    EXPECT_EQ(a.Checks, 0);  // fresh: nothing evaluated yet
    a.MechanicsDone = true;
    a.SetRigMode(1);
    EXPECT_EQ(a.Checks, 0);
    a.SetRigMode(2);
    EXPECT_EQ(a.Checks, 1);
}

}  // namespace
