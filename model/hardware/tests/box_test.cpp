#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "platform/core/errors.h"
#include "model/hardware/box.h"

namespace {

const std::string kDeg = "\xC2\xB0";

std::unique_ptr<TBox> MakeBox(const std::string& name) {
    if (name == "Arvo") return std::make_unique<TArvoBox>();
    if (name == "Rudd") return std::make_unique<TRuddBox>();
    if (name == "Bexa") return std::make_unique<TBexaBox>();
    if (name == "Cadri") return std::make_unique<TCadriBox>();
    if (name == "Hoba") return std::make_unique<THobaBox>();
    if (name == "Dovi") return std::make_unique<TDoviBox>();
    if (name == "Gira") return std::make_unique<TGiraFBox>();
    if (name == "Elka") return std::make_unique<TElkaBox>();
    if (name == "Ivor") return std::make_unique<TIvorBox>();
    return nullptr;
}

const char* const kModels[] = {"Arvo", "Rudd", "Bexa", "Cadri", "Hoba", "Dovi", "Gira", "Elka", "Ivor"};

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    const auto e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

}  // namespace

TEST(TBox, PlaceholderCabinetIsZeroAndHasNoRigModes) {
    TBox b;
    EXPECT_EQ(b.FrontHeight, 0.0);
    EXPECT_EQ(b.Mass, 0.0);
    EXPECT_EQ(b.SplayCount, 0);
    EXPECT_EQ(b.RigMode, 0);
    EXPECT_TRUE(b.ModelName.empty());
    EXPECT_EQ(b.HoleCountInUse(), 0);
    EXPECT_THROW(b.SetRigMode(1), rtl::AbstractError);
    EXPECT_EQ(b.RigMode, 0);
}

TEST(TBox, NewModelsAreFlownAndNamed) {
    for (const char* name : kModels) {
        auto b = MakeBox(name);
        EXPECT_EQ(b->ModelName, name);
        EXPECT_EQ(b->RigMode, 1) << name;
    }
}

TEST(TBox, DoviValuesSwitchBetweenFlownAndStackedLists) {
    TDoviBox b;
    const double flown[] = {0, 1, 2, 3, 4, 5, 6, 7.5};
    const double stacked[] = {0.62, 0.43, 1.42, 2.51, 3.54, 4.54, 5.63, 7.13};
    const std::string texts[] = {"0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.5"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(b.SplayAngles[i], flown[i]) << i;
    b.SetRigMode(2);
    EXPECT_EQ(b.RigMode, 2);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(b.SplayAngles[i], stacked[i]) << i;
        EXPECT_EQ(b.SplayTexts[i], texts[i]) << i;
    }
    b.SetRigMode(1);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(b.SplayAngles[i], flown[i]) << i;
}

TEST(TBox, UnknownModeKeepsThePreviousList) {
    TArvoBox b;
    b.SetRigMode(2);
    b.SetRigMode(3);
    EXPECT_EQ(b.RigMode, 3);
    EXPECT_EQ(b.SplayAngles[2], 2.0);  // the stacked value, not 2.12
    EXPECT_EQ(b.SplayAngles[4], 4.0);

    TBexaBox x;
    x.SplayAngles[3] = 99;
    x.SetRigMode(0);
    EXPECT_EQ(x.RigMode, 0);
    EXPECT_EQ(x.SplayAngles[3], 99.0);
    x.SetRigMode(2);
    EXPECT_EQ(x.SplayAngles[3], 3.0);
}

TEST(TBox, DownfillValuesStayTwenty) {
    for (const char* name : {"Gira", "Cadri", "Elka"}) {
        auto b = MakeBox(name);
        for (int mode : {1, 2, 3, 0}) {
            b->SetRigMode(mode);
            EXPECT_EQ(b->RigMode, mode);
            EXPECT_EQ(b->SplayAngles[0], 20.0) << name << " mode " << mode;
        }
        EXPECT_EQ(b->SplayCount, 1);
        EXPECT_EQ(b->SplayTexts[0], "20.0");
    }
}

TEST(TBox, ArvoFourAndAHalfIsWorthDifferentFlownAndStacked) {
    for (const char* name : {"Arvo", "Rudd"}) {
        auto b = MakeBox(name);
        int idx = -1;
        for (int i = 0; i < b->SplayCount; ++i)
            if (b->SplayTexts[i] == "4.5 ") idx = i;
        ASSERT_EQ(idx, 4) << name;
        EXPECT_EQ(b->SplayAngles[idx], 4.27);
        b->SetRigMode(2);
        EXPECT_EQ(b->SplayAngles[idx], 4.0);
        // The flown list is not the nominal one at 2 and 3 degrees either.
        b->SetRigMode(1);
        EXPECT_EQ(b->SplayAngles[2], 2.12);
        EXPECT_EQ(b->SplayAngles[3], 3.12);
    }
}

TEST(TBox, HobaWritesInAnyModeIvorAndElkaOnlyInKnownModes) {
    THobaBox h;
    h.SplayAngles[1] = 0;
    h.SetRigMode(7);
    EXPECT_EQ(h.SplayAngles[1], 2.5);
    EXPECT_EQ(h.SplayAngles[3], 7.5);
    TIvorBox v;
    v.SplayAngles[0] = 5;
    v.SetRigMode(3);
    EXPECT_EQ(v.SplayAngles[0], 5.0);
    v.SetRigMode(2);
    EXPECT_EQ(v.SplayAngles[0], 0.0);
    TElkaBox e;
    e.SplayAngles[0] = 5;
    e.SetRigMode(3);
    EXPECT_EQ(e.SplayAngles[0], 5.0);
    e.SetRigMode(1);
    EXPECT_EQ(e.SplayAngles[0], 20.0);
}

TEST(TBox, TaperAngleFollowsTheHeights) {
    EXPECT_NEAR(TArvoBox().TaperAngle, 0.0678053, 1e-6);   // arctan(0.051 / 0.751)
    EXPECT_NEAR(TGiraFBox().TaperAngle, 0.1888027, 1e-6);  // arctan(0.1435 / 0.751)
    EXPECT_NEAR(TElkaBox().TaperAngle, 0.1912243, 1e-6);   // arctan(0.0755 / 0.39)
    EXPECT_EQ(THobaBox().TaperAngle, 0.0);
    EXPECT_EQ(TIvorBox().TaperAngle, 0.0);
    for (const char* name : kModels) {
        auto b = MakeBox(name);
        EXPECT_NEAR(b->TaperAngle, std::atan((b->FrontHeight - b->RearHeight) * 0.5 / b->Depth), 1e-15)
            << name;
    }
}

TEST(TBox, DataSheetSamples) {
    struct Sample {
        const char* name;
        double front, rear, depth, join, mass, mark, line, setback, drop, bottom, top;
        int count;
    };
    // One row per model, from the data sheets.
    const Sample rows[] = {
        {"Arvo", 0.497, 0.395, 0.751, 0, 130, 0.15, 0.02, 0.09723, 0.1155, 3.75, 0, 7},
        {"Rudd", 0.497, 0.395, 0.751, 0, 100, 0.15, 0.02, 0.09723, 0.1155, 3.75, 0, 7},
        {"Bexa", 0.365, 0.3, 0.545, 0, 60, 0.12, 0.015, 0.072, 0.084, 3.75, 0, 8},
        {"Cadri", 0.454, 0.268, 0.55, 12.25, 67, 0.12, 0.015, 0.072, 0.084, 10, 0, 1},
        {"Hoba", 0.49, 0.49, 0.8, 0, 0, 0.05, 0.015, 0.072, 0.084, 0, 0, 4},
        {"Dovi", 0.241, 0.192, 0.4, 0, 0, 0.05, 0.015, 0.072, 0.08, 3.75, 0, 8},
        {"Gira", 0.497, 0.21, 0.751, 12.75, 95, 0.15, 0.02, 0.09723, 0.1155, 10, 0, 1},
        {"Elka", 0.284, 0.133, 0.39, 10.75, 30, 0.05, 0.015, 0.072, 0.085, 10, 0, 1},
        {"Ivor", 0.62, 0.62, 0.905, 0, 87, 0.15, 0.015, 0.072, 0.312, 0, 0.265, 1},
    };
    for (const Sample& s : rows) {
        auto b = MakeBox(s.name);
        SCOPED_TRACE(s.name);
        EXPECT_EQ(b->FrontHeight, s.front);
        EXPECT_EQ(b->RearHeight, s.rear);
        EXPECT_EQ(b->Depth, s.depth);
        EXPECT_EQ(b->JoinSplay, s.join);
        EXPECT_EQ(b->Mass, s.mass);
        EXPECT_EQ(b->AxisMarkLength, s.mark);
        EXPECT_EQ(b->LineWidth, s.line);
        EXPECT_EQ(b->LinkSetback, s.setback);
        EXPECT_EQ(b->LinkDrop, s.drop);
        EXPECT_EQ(b->BottomFaceAngle, s.bottom);
        EXPECT_EQ(b->TopOffset, s.top);
        EXPECT_EQ(b->SplayCount, s.count);
        for (int i = 0; i < s.count; ++i) EXPECT_FALSE(b->SplayTexts[i].empty()) << i;
        for (int i = s.count; i <= 8; ++i) EXPECT_TRUE(b->SplayTexts[i].empty()) << i;
    }
    EXPECT_EQ(TBexaBox().SplayTexts[4], "4.0 ");
    EXPECT_EQ(TBexaBox().SplayTexts[0], "0.0");
    EXPECT_EQ(THobaBox().SplayTexts[1], "2.5 ");
    EXPECT_EQ(TIvorBox().SplayTexts[0], "0.0");
    EXPECT_EQ(TBexaBox().SplayAngles[7], 7.5);
}

TEST(TBox, HoleOriginIsTheReferenceHoleSwapped) {
    for (const char* name : kModels) {
        auto b = MakeBox(name);
        SCOPED_TRACE(name);
        if (b->HoleCountInUse() == 0) continue;
        EXPECT_EQ(b->HoleOrigin[0], b->Holes[0].Y);
        EXPECT_EQ(b->HoleOrigin[1], b->Holes[0].X);
    }
    EXPECT_EQ(TArvoBox().HoleOrigin[0], 0.19324);
    EXPECT_EQ(TBexaBox().HoleOrigin[1], 0.516);
    EXPECT_EQ(TElkaBox().HoleOrigin[0], 0.0987);
    EXPECT_EQ(TDoviBox().HoleOrigin[1], 0.3851);
}

TEST(TBox, RearLinkBarHoles) {
    // One hole per splay choice; the downfills and the mini sub have one, the sub none.
    const int holes[] = {7, 7, 8, 1, 0, 8, 1, 1, 1};  // in the order of kModels
    for (int k = 0; k < 9; ++k) EXPECT_EQ(MakeBox(kModels[k])->HoleCountInUse(), holes[k]) << kModels[k];

    // Two alternating columns, angles descending, on the full-size and compact bars.
    for (const char* name : {"Arvo", "Bexa"}) {
        auto b = MakeBox(name);
        SCOPED_TRACE(name);
        for (int i = 1; i < b->HoleCountInUse(); ++i) {
            EXPECT_LT(b->Holes[i].Y, b->Holes[i - 1].Y) << i;
            EXPECT_NE(b->Holes[i].X, b->Holes[i - 1].X) << i;
            if (i >= 2) {
                EXPECT_EQ(b->Holes[i].X, b->Holes[i - 2].X) << i;
            }
        }
        EXPECT_EQ(b->HoleCaptions[0], " 7.5 " + kDeg);
        EXPECT_EQ(b->HoleCaptions[b->HoleCountInUse() - 1], " 0.0 " + kDeg);
    }
    TArvoBox a;
    EXPECT_EQ(a.Holes[3], (TBoxHole{0.73618, 0.13911}));
    EXPECT_EQ(a.HoleCaptions[2], " 4.5 " + kDeg);
    EXPECT_EQ(a.Holes[6], (TBoxHole{0.72238, 0.1009}));
    TBexaBox x;
    EXPECT_EQ(x.Holes[3], (TBoxHole{0.531, 0.0896}));
    EXPECT_EQ(x.Holes[7], (TBoxHole{0.531, 0.05393}));

    // The mini bar is in physical order: hole 1 is the 7.5 degree hole.
    TDoviBox d;
    EXPECT_EQ(d.HoleCaptions[1], " 7.5 " + kDeg);
    EXPECT_EQ(d.Holes[1], (TBoxHole{0.37, 0.0854}));
    EXPECT_EQ(d.HoleCaptions[4], " 5.0 " + kDeg);
    EXPECT_EQ(d.Holes[4], (TBoxHole{0.3554, 0.0647}));
    EXPECT_EQ(d.Holes[5], (TBoxHole{0.3851, 0.0382}));
    EXPECT_EQ(d.Holes[6], (TBoxHole{0.3701, 0.0433}));
    EXPECT_EQ(d.Holes[7], (TBoxHole{0.355, 0.0452}));
    EXPECT_EQ(d.HoleCaptions[7], " 2.0 " + kDeg);

    EXPECT_EQ(TGiraFBox().HoleCaptions[0], " 20 " + kDeg);
    EXPECT_EQ(TCadriBox().Holes[0], (TBoxHole{0.72238, 0.19324}));
    EXPECT_EQ(TElkaBox().Holes[0], (TBoxHole{0.38, 0.0987}));
    EXPECT_EQ(TIvorBox().HoleCaptions[0], " 0 " + kDeg);

    // Every hole of the line-array bars is one of the offered splay choices.
    for (const char* name : {"Arvo", "Rudd", "Bexa", "Dovi"}) {
        auto b = MakeBox(name);
        std::set<std::string> texts, captions;
        for (int i = 0; i < b->SplayCount; ++i) texts.insert(Trim(b->SplayTexts[i]));
        for (int i = 0; i < b->HoleCountInUse(); ++i)
            captions.insert(Trim(b->HoleCaptions[i].substr(0, b->HoleCaptions[i].size() - kDeg.size())));
        EXPECT_EQ(texts, captions) << name;
    }
}

TEST(TBox, TableIndexesAreGuarded) {
    TArvoBox b;
    const TArvoBox fresh;
    EXPECT_THROW(b.SplayAngles[9] = 1, rtl::RangeError);
    EXPECT_THROW(b.SplayTexts[-1] = "x", rtl::RangeError);
    EXPECT_THROW(b.Holes[8].X = 1, rtl::RangeError);
    EXPECT_THROW(b.HoleCaptions[8] = "x", rtl::RangeError);
    EXPECT_THROW(b.HoleOrigin[2] = 1, rtl::RangeError);
    EXPECT_EQ(b.SplayAngles, fresh.SplayAngles);
    EXPECT_EQ(b.SplayTexts, fresh.SplayTexts);
    EXPECT_EQ(b.Holes, fresh.Holes);
}
