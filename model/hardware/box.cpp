#include "model/hardware/box.h"

#include <cmath>
#include <initializer_list>

#include "platform/core/errors.h"

namespace {

const std::string kDegree = "\xC2\xB0";  // UTF-8 degree sign

// A hole caption: a blank, the angle, a blank and the degree sign.
std::string Caption(const char* angle) { return std::string(" ") + angle + " " + kDegree; }

struct HoleRow {
    double X;
    double Y;
    const char* Angle;
};

void LoadHoles(TBox& box, std::initializer_list<HoleRow> rows) {
    int i = 0;
    for (const HoleRow& r : rows) {
        box.Holes[i] = TBoxHole{r.X, r.Y};
        box.HoleCaptions[i] = Caption(r.Angle);
        ++i;
    }
}

void LoadTexts(TBox& box, std::initializer_list<const char*> texts) {
    int i = 0;
    for (const char* t : texts) box.SplayTexts[i++] = t;
    box.SplayCount = i;
}

void LoadValues(TBox& box, std::initializer_list<double> values) {
    int i = 0;
    for (double v : values) box.SplayAngles[i++] = v;
}

// The full-size cabinet and the flown subwoofer share their rigging.
void FullSizeRigMode(TBox& box, int Mode) {
    box.RigMode = Mode;
    if (Mode == TBox::Flown)
        LoadValues(box, {0, 1, 2.12, 3.12, 4.27, 6, 7.5});
    else if (Mode == TBox::GroundStacked)
        LoadValues(box, {0, 1, 2, 3, 4, 6, 7.5});
}

void FullSizeData(TBox& box) {
    LoadTexts(box, {"0.0", "1.0 ", "2.0 ", "3.0 ", "4.5 ", "6.0 ", "7.5 "});
    box.FrontHeight = 0.497;
    box.RearHeight = 0.395;
    box.Depth = 0.751;
    box.HoleOrigin[0] = 0.19324;
    box.HoleOrigin[1] = 0.72238;
    LoadHoles(box, {{0.72238, 0.19324, "7.5"},
                    {0.73618, 0.17455, "6.0"},
                    {0.72238, 0.15345, "4.5"},
                    {0.73618, 0.13911, "3.0"},
                    {0.72238, 0.12697, "2.0"},
                    {0.73618, 0.11297, "1.0"},
                    {0.72238, 0.1009, "0.0"}});
    box.AxisMarkLength = 0.15;
    box.LineWidth = 0.02;
    box.LinkSetback = 0.09723;
    box.LinkDrop = 0.1155;
    box.BottomFaceAngle = 3.75;
}

// The downfill cabinets with the full-size link bar: one hole at 20 degrees.
void FullSizeDownfillHoles(TBox& box) {
    box.HoleOrigin[0] = 0.19324;
    box.HoleOrigin[1] = 0.72238;
    LoadHoles(box, {{0.72238, 0.19324, "20"}});
}

}  // namespace

void TBox::SetRigMode(int /*Mode*/) { throw rtl::AbstractError(); }

int TBox::HoleCountInUse() const {
    int n = 0;
    for (const std::string& c : HoleCaptions)
        if (!c.empty()) ++n;
    return n;
}

void TBox::ComputeTaperAngle() {
    const long double half = (static_cast<long double>(FrontHeight) - RearHeight) * 0.5L;
    TaperAngle = static_cast<double>(std::atan(half / Depth));
}

// ---- full-size cabinet ----

TArvoBox::TArvoBox() {
    SetRigMode(Flown);
    FullSizeData(*this);
    ComputeTaperAngle();
    ModelName = "Arvo";
    Mass = 130;
}

void TArvoBox::SetRigMode(int Mode) { FullSizeRigMode(*this, Mode); }

// ---- flown subwoofer ----

TRuddBox::TRuddBox() {
    SetRigMode(Flown);
    FullSizeData(*this);
    ComputeTaperAngle();
    ModelName = "Rudd";
    Mass = 100;
}

void TRuddBox::SetRigMode(int Mode) { FullSizeRigMode(*this, Mode); }

// ---- compact cabinet ----

TBexaBox::TBexaBox() {
    SetRigMode(Flown);
    LoadTexts(*this, {"0.0", "1.0 ", "2.0 ", "3.0 ", "4.0 ", "5.0 ", "6.0 ", "7.5 "});
    FrontHeight = 0.365;
    RearHeight = 0.3;
    Depth = 0.545;
    ComputeTaperAngle();
    ModelName = "Bexa";
    HoleOrigin[0] = 0.11994;
    HoleOrigin[1] = 0.516;
    LoadHoles(*this, {{0.516, 0.11994, "7.5"},
                      {0.531, 0.10744, "6.0"},
                      {0.516, 0.09751, "5.0"},
                      {0.531, 0.0896, "4.0"},
                      {0.516, 0.07963, "3.0"},
                      {0.531, 0.07176, "2.0"},
                      {0.516, 0.06183, "1.0"},
                      {0.531, 0.05393, "0.0"}});
    Mass = 60;
    AxisMarkLength = 0.12;
    LineWidth = 0.015;
    LinkSetback = 0.072;
    LinkDrop = 0.084;
    BottomFaceAngle = 3.75;
}

void TBexaBox::SetRigMode(int Mode) {
    RigMode = Mode;
    if (Mode == Flown || Mode == GroundStacked) LoadValues(*this, {0, 1, 2, 3, 4, 5, 6, 7.5});
}

// ---- compact downfill ----

TCadriBox::TCadriBox() {
    SetRigMode(Flown);
    SplayAngles[0] = 20;
    LoadTexts(*this, {"20.0"});
    FrontHeight = 0.454;
    RearHeight = 0.268;
    Depth = 0.55;
    ComputeTaperAngle();
    ModelName = "Cadri";
    FullSizeDownfillHoles(*this);
    JoinSplay = 12.25;
    Mass = 67;
    AxisMarkLength = 0.12;
    LineWidth = 0.015;
    LinkSetback = 0.072;
    LinkDrop = 0.084;
    BottomFaceAngle = 10;
}

void TCadriBox::SetRigMode(int Mode) { RigMode = Mode; }

// ---- subwoofer ----

THobaBox::THobaBox() {
    SetRigMode(Flown);
    LoadTexts(*this, {"0.0", "2.5 ", "5.0 ", "7.5 "});
    FrontHeight = 0.49;
    RearHeight = 0.49;
    Depth = 0.8;
    TaperAngle = 0;  // rectangular
    ModelName = "Hoba";
    AxisMarkLength = 0.05;
    LineWidth = 0.015;
    LinkSetback = 0.072;
    LinkDrop = 0.084;
    BottomFaceAngle = 0;
}

void THobaBox::SetRigMode(int Mode) {
    RigMode = Mode;
    LoadValues(*this, {0, 2.5, 5, 7.5});
}

// ---- mini cabinet ----

TDoviBox::TDoviBox() {
    SetRigMode(Flown);
    LoadTexts(*this, {"0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.5"});
    FrontHeight = 0.241;
    RearHeight = 0.192;
    Depth = 0.4;
    ComputeTaperAngle();
    ModelName = "Dovi";
    HoleOrigin[0] = 0.0771;
    HoleOrigin[1] = 0.3851;
    // Three columns of holes, listed as they sit on the bar.
    LoadHoles(*this, {{0.3851, 0.0771, "6.0"},
                      {0.37, 0.0854, "7.5"},
                      {0.3851, 0.0577, "3.0"},
                      {0.37, 0.0626, "4.0"},
                      {0.3554, 0.0647, "5.0"},
                      {0.3851, 0.0382, "0.0"},
                      {0.3701, 0.0433, "1.0"},
                      {0.355, 0.0452, "2.0"}});
    AxisMarkLength = 0.05;
    LineWidth = 0.015;
    LinkSetback = 0.072;
    LinkDrop = 0.08;
    BottomFaceAngle = 3.75;
}

void TDoviBox::SetRigMode(int Mode) {
    RigMode = Mode;
    if (Mode == Flown)
        LoadValues(*this, {0, 1, 2, 3, 4, 5, 6, 7.5});
    else if (Mode == GroundStacked)
        // The stacked links give a first step larger than the second.
        LoadValues(*this, {0.62, 0.43, 1.42, 2.51, 3.54, 4.54, 5.63, 7.13});
}

// ---- full-size downfill ----

TGiraFBox::TGiraFBox() {
    SetRigMode(Flown);
    SplayAngles[0] = 20;
    LoadTexts(*this, {"20.0"});
    FrontHeight = 0.497;
    RearHeight = 0.21;
    Depth = 0.751;
    ComputeTaperAngle();
    ModelName = "Gira";
    FullSizeDownfillHoles(*this);
    JoinSplay = 12.75;
    Mass = 95;
    AxisMarkLength = 0.15;
    LineWidth = 0.02;
    LinkSetback = 0.09723;
    LinkDrop = 0.1155;
    BottomFaceAngle = 10;
}

void TGiraFBox::SetRigMode(int Mode) { RigMode = Mode; }

// ---- mini downfill ----

TElkaBox::TElkaBox() {
    SetRigMode(Flown);
    LoadTexts(*this, {"20.0"});
    FrontHeight = 0.284;
    RearHeight = 0.133;
    Depth = 0.39;
    ComputeTaperAngle();
    ModelName = "Elka";
    HoleOrigin[0] = 0.0987;
    HoleOrigin[1] = 0.38;
    LoadHoles(*this, {{0.38, 0.0987, "20"}});
    JoinSplay = 10.75;
    Mass = 30;
    AxisMarkLength = 0.05;
    LineWidth = 0.015;
    LinkSetback = 0.072;
    LinkDrop = 0.085;
    BottomFaceAngle = 10;
}

void TElkaBox::SetRigMode(int Mode) {
    RigMode = Mode;
    if (Mode == Flown || Mode == GroundStacked) SplayAngles[0] = 20;
}

// ---- mini subwoofer ----

TIvorBox::TIvorBox() {
    SetRigMode(Flown);
    LoadTexts(*this, {"0.0"});
    FrontHeight = 0.62;
    RearHeight = 0.62;
    Depth = 0.905;
    ComputeTaperAngle();
    ModelName = "Ivor";
    HoleOrigin[0] = 0;
    HoleOrigin[1] = 0;
    LoadHoles(*this, {{0, 0, "0"}});
    JoinSplay = 0;
    Mass = 87;
    AxisMarkLength = 0.15;
    LineWidth = 0.015;
    LinkSetback = 0.072;
    LinkDrop = 0.312;
    BottomFaceAngle = 0;
    TopOffset = 0.265;
}

void TIvorBox::SetRigMode(int Mode) {
    RigMode = Mode;
    if (Mode == Flown || Mode == GroundStacked) SplayAngles[0] = 0;
}
