#pragma once
// Cabinet models.  TBox carries what the program knows of one cabinet model:
// side profile, mass, name, the splay choices its links allow (values and the
// texts the user sees), the rear link-bar holes and a few drawing sizes.
// One subclass per model; its constructor is the model's data sheet.
//
// Lengths in metres, masses in kg, angles in degrees except TaperAngle
// (radians).  Texts are UTF-8 ("°" is the two-byte sign).

#include <string>

#include "platform/core/checked.h"

// One hole of a cabinet's rear link bar (metres).
struct TBoxHole {
    double X = 0.0;
    double Y = 0.0;
    bool operator==(const TBoxHole&) const = default;
};

class TBox {
public:
    // Rig modes given to SetRigMode.
    static constexpr int Flown = 1;
    static constexpr int GroundStacked = 2;

    double FrontHeight = 0.0;     // height of the front face
    double RearHeight = 0.0;      // height of the rear face (profile symmetric about the axis)
    double Depth = 0.0;           // front face to rear face
    double JoinSplay = 0.0;       // degrees; splay of the first cabinet of a downfill model below another model
    double TaperAngle = 0.0;      // radians; top (or bottom) face against the cabinet axis
    double Mass = 0.0;            // kg
    double AxisMarkLength = 0.0;  // side view: length laid off along the cabinet's tilt
    double LineWidth = 0.0;       // side view: pen width is half of this
    std::string ModelName;
    rtl::CheckedArray<double, 0, 8> SplayAngles;       // value of each splay choice
    rtl::CheckedArray<std::string, 0, 8> SplayTexts;   // text of each choice; first SplayCount set
    int SplayCount = 0;                                // choices in use
    int RigMode = 0;                                   // last mode given to SetRigMode
    rtl::CheckedArray<double, 0, 1> HoleOrigin;        // [0] = Y, [1] = X of the reference hole
    rtl::CheckedArray<TBoxHole, 0, 7> Holes;           // rear link-bar holes, physical order
    rtl::CheckedArray<std::string, 0, 7> HoleCaptions; // caption of each hole, same order
    double LinkSetback = 0.0;     // flying detail: distance from the front face
    double LinkDrop = 0.0;        // flying and hole detail
    double BottomFaceAngle = 0.0; // degrees; bottom face against the cabinet axis
    double TopOffset = 0.0;       // side view and flying detail (mini subwoofer only)

    // The placeholder cabinet: every field zero.
    TBox() = default;
    virtual ~TBox() = default;

    // Stores Mode in RigMode and loads the splay values of that mode.  The
    // placeholder cabinet has no values: it throws rtl::AbstractError.
    virtual void SetRigMode(int Mode);

    // Number of entries of Holes that hold a hole of this model (those with
    // a caption).
    int HoleCountInUse() const;

protected:
    // arctan(((FrontHeight - RearHeight) * 0.5) / Depth), taken in long double.
    void ComputeTaperAngle();
};

// Full-size line-array cabinet.
class TArvoBox : public TBox {
public:
    TArvoBox();
    void SetRigMode(int Mode) override;
};

// Flown subwoofer of the line-array family (the full-size cabinet's rigging).
class TRuddBox : public TBox {
public:
    TRuddBox();
    void SetRigMode(int Mode) override;
};

// Compact line-array cabinet.
class TBexaBox : public TBox {
public:
    TBexaBox();
    void SetRigMode(int Mode) override;
};

// Compact downfill cabinet.
class TCadriBox : public TBox {
public:
    TCadriBox();
    void SetRigMode(int Mode) override;
};

// Subwoofer (rectangular).
class THobaBox : public TBox {
public:
    THobaBox();
    void SetRigMode(int Mode) override;
};

// Mini line-array cabinet.
class TDoviBox : public TBox {
public:
    TDoviBox();
    void SetRigMode(int Mode) override;
};

// Full-size downfill cabinet (model name "Gira").
class TGiraFBox : public TBox {
public:
    TGiraFBox();
    void SetRigMode(int Mode) override;
};

// Mini downfill cabinet.
class TElkaBox : public TBox {
public:
    TElkaBox();
    void SetRigMode(int Mode) override;
};

// Subwoofer of the mini system (rectangular).
class TIvorBox : public TBox {
public:
    TIvorBox();
    void SetRigMode(int Mode) override;
};
