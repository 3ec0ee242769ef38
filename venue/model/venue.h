#pragma once
// The venue: the audience planes in section, the array height and limits,
// the coverage targets, the design settings and the current loudspeaker
// array.  The main window hands every value over in one SetVenueData call;
// the venue rebuilds the array of the chosen type, sets it up, designs the
// splay angles when asked and lets the array evaluate its rig.
//
// Lengths are metres, array angles degrees, plane inclinations radians.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/arrays/lsarray.h"
#include "model/hardware/splay.h"

// Everything the main window hands to the venue in one call.  Callers name
// each value (designated initialisers, in this order); a value left out takes
// the default below.  The fields repeat TVenue's of the same names on
// purpose: the hand-over copies them across, while the main window, the
// venue file and the section drawing read and write TVenue's own.  The list
// in model/venue_values.h ties the two together: a new value needs a member
// in both and a line there (a static_assert counts the members).
struct VenueData {
    std::string VenueName;
    int MaxBoxes = 16;  // carried to the venue file only
    double ArrayHeight = 0.0;
    int NumBoxes1 = 0;
    int NumBoxes2 = 0;
    int NumBoxes3 = 0;
    double MaxPickHeight = 0.0;
    double MinTrimHeight = 0.0;
    double Plane1Length = 0.0;
    double Plane1Height = 0.0;
    double Plane2Length = 0.0;
    double Plane2Height = 0.0;
    double Plane2Elevation = 0.0;
    double Plane3Length = 0.0;
    double Plane3Height = 0.0;
    double Plane3Distance = 0.0;
    double Plane3Elevation = 0.0;
    double CoverageStart = 0.0;
    double CoverageStop = 0.0;
    double Plane1EarHeight = 0.0;
    double Plane2EarHeight = 0.0;
    double Plane3EarHeight = 0.0;
    bool AutoDesign = false;
    std::string DesignMode;  // "MinSpiral", "MinCurve", anything else: the default search
    // The caller's splay list; the venue works on it from this call on and
    // never frees it.  nullptr keeps the list the venue works on now.
    TSplay* Splay = nullptr;
    std::string GridPosition = "FRONT";  // "REAR" or anything else
    int PickOption = 1;       // 1 front and rear, 4/5 lift bar, 6 ground-stacked
    int LiftBarPosition = 2;  // 1 front, 2 rear
    int RigMode = 1;          // 1 flown, 2 ground-stacked
    bool SplayHoba = false;
    double FTValue = 100.0;   // handed to the array's SetUp
    std::string ArrayType;    // empty means "Arvo"
    bool CombinationGrid = false;
};

// Which design routine the last Design call ran.
enum class TDesignRoutine {
    None,          // Design ran nothing (other rig mode, or unusable inputs)
    ElkaFlown,
    ShortArray,
    Spiral,
    MinCurve,
    ElkaStack,
    GroundStack,
};

class TVenue {
public:
    // The venue file (defined with the file code in venue/storage; callers
    // link venue_storage).  Save writes AName + ".ven" and never destroys the
    // previous file; load is all or nothing and names the array type read.
    void SaveToFile(const std::string& AName);
    void LoadFromFile(const std::string& AFileName, std::string& AType);

    // Scale state of the last venue section drawing.
    double MarginX = 0.0;
    double MarginY = 0.0;
    double ExtentY = 0.0;
    double ExtentX = 0.0;
    double ScaleX = 0.0;
    double ScaleY = 0.0;

    bool Plane2Present = false;
    bool Plane3Present = false;
    double Plane2Slope = 0.0;      // rise per metre of plane 2's listening line
    double Plane2Intercept = 0.0;  // its height at the array's vertical
    double Plane2Angle = 0.0;      // radians
    double Plane1Slope = 0.0;
    double Plane1Intercept = 0.0;
    double Plane1Angle = 0.0;
    double Plane3Slope = 0.0;
    double Plane3Intercept = 0.0;
    double Plane3Angle = 0.0;
    double DownfillFactor = 2.0;  // m added to the coverage start for the near target
    double DrawOffset = 0.0;

    std::string VenueName;
    bool AutoDesign = false;
    std::string DesignMode;
    double ArrayHeight = 0.0;
    int MaxBoxes = 0;
    int NumBoxes1 = 0;
    int NumBoxes2 = 0;
    int NumBoxes3 = 0;
    // The splay list in use: the venue's own until the first SetVenueData,
    // then the caller's.
    TSplay* Splay = nullptr;
    std::string GridPosition;
    int PickOption = 0;
    int LiftBarPosition = 0;
    double LowestHeight = 0.0;  // lowest point of the array, left by the drawing
    double TopHeight = 0.0;     // top of the grid (flown) or of the stack
    double MaxPickHeight = 0.0;
    double MinTrimHeight = 0.0;
    double Plane1Length = 0.0;
    double Plane1Height = 0.0;
    double Plane2Length = 0.0;
    double Plane2Height = 0.0;
    double Plane2Elevation = 0.0;
    double Plane3Length = 0.0;
    double Plane3Height = 0.0;
    double Plane3Distance = 0.0;
    double Plane3Elevation = 0.0;
    double CoverageStart = 0.0;
    double CoverageStop = 0.0;
    double Plane1EarHeight = 0.0;
    double Plane2EarHeight = 0.0;
    double Plane3EarHeight = 0.0;
    std::unique_ptr<TLoudspeakerArray> LSArray;  // the current array, owned
    // A new venue holds a hand-over the venue and its file would take.
    int RigMode = 1;
    bool SplayHoba = false;
    double FTValue = 100.0;
    std::string ArrayType;
    double SeatedEarHeight = 1.8;
    bool CombinationGrid = false;  // as read from a venue file

    // Book-keeping for callers that follow a design: every array set-up the
    // venue asks for counts here, and OnSetUp (when set) is called right
    // after it.
    std::uint64_t SetUpCount = 0;
    std::function<void()> OnSetUp;
    TDesignRoutine LastDesign = TDesignRoutine::None;

    // An "Arvo" array (ArrayType left empty) and a splay list of its own.
    TVenue();
    TVenue(const TVenue&) = delete;
    TVenue& operator=(const TVenue&) = delete;

    // Replaces the array by a new one of the class AType names ("" is
    // "Arvo") and sets DownfillFactor for it.  An unknown type string throws
    // rtl::RuntimeError and leaves the array and every field as they were.
    void SetArrayType(const std::string& AType);

    // Replaces the array by a sub array of NumBoxes1 subwoofers at
    // ArrayHeight, matched against a main array (AMainTypeCode 0 "Arvo",
    // 1 "Bexa") built from ASplay, AMainCount and AMainArrayHeight.
    void MatchSubArray(uint8_t AMainTypeCode, const TSplay& ASplay, int AMainCount,
                       double AMainArrayHeight);

    // Stores the values, rebuilds and sets up the array, designs when
    // AutoDesign is set, evaluates the rig and works out TopHeight.  All or
    // nothing: a value the venue cannot take (see CheckVenueData in
    // model/venue_values.h), an unknown array type or a set-up that fails
    // throws an rtl::RuntimeError naming the value, and the venue, its
    // splay list, D's splay list and the array are as they were.
    void SetVenueData(const VenueData& D);
    // The first half of SetVenueData: stores the values, rebuilds the array,
    // derives the plane lines and sets the array up with the given splay
    // list; no design, no rig evaluation.  All or nothing like SetVenueData.
    void ApplyVenueData(const VenueData& D);

    // The listening lines of the planes from the stored plane values.
    void CalcPlaneLines();
    // TopHeight from the array's first element (after the rig evaluation).
    void CalcTopHeight();
    // LowestHeight: the front bottom corner of the last cabinet (flown), or
    // ArrayHeight (ground-stacked).  The venue drawing calls it.
    void CalcLowestHeight();

    // The automatic splay design.
    void Design();
    void AimTopCabinet();
    void AimAtCoverageStart();
    // The angle of the bottom face of the last cabinet, into the array.
    void UpdateArrayAngles();
    // Splay angles and choices 1..39 to zero; the top angle stays.
    void ClearSplay();

    // The design routines that Design chooses between.
    void DesignSpiral();
    void DesignMinCurve();
    void DesignShortArray();
    void DesignElkaFlown();
    void DesignElkaStack();
    void DesignGroundStack();

    // Steps of the spiral search, open for callers that test them alone.
    // The junction of the hung mixes "MIXRuddBexa", "MIXRuddArvo" (table
    // step), "MIXHobaDovi", "MIXIvorDovi", "MIXIvorDoviElka" (top angle back).
    void SpiralHungJunction(int First);
    // The junction of "MIXHobaBexa" from the allowed-angle table, taking the
    // wanted angle from splay angle 0.
    void SpiralHobaJunction(int First);
    // The main loop that raises splays from Bottom up to First + 1.
    void SpiralMainLoop(int Bottom, int First);
    // One sweep evening out neighbouring steps of a 7-entry table.
    void SpiralSmoothing();
    // Downfill cabinets of the downfill mixes at their fixed splays.
    void SetDownfillSplays();

    // Rounds a top angle to the nearest quarter degree (halves to even).
    static double RoundToQuarterDegree(double Angle);

private:
    std::unique_ptr<TSplay> OwnSplay_;

    void HandOver(const VenueData& D, bool Evaluate);
    // Stores the values and sets the new array up (no check, no undo).
    // Refuses a design whose array geometry or top height is not finite.
    void CheckFiniteResult() const;
    void StoreHandOver(const VenueData& D);

    // SetUp with the venue's splay list and FT value.
    void SetUpWithVenueSplay();
    // SetUp with the array's own splay list and stored FT value.
    void SetUpWithArraySplay();
    void AfterSetUp();
    // Puts AFresh in place of the array, with its type name ("" is "Arvo")
    // and the DownfillFactor that goes with it.
    void InstallArray(std::unique_ptr<TLoudspeakerArray> AFresh, const std::string& AType);

    // Last element of the whole array (NumBoxes1 + NumBoxes2 + NumBoxes3 - 1).
    int LastElement() const;
    // The listening line (slope, intercept) that holds at x: plane 2's when
    // Plane2Use is true and plane 2 is present, else plane 1's.
    double ListeningHeight(double X, bool Plane2Use) const;
    // Depression angle (degrees) from element E to the point (X, Y).
    long double DepressionTo(int E, double X, double Y) const;
    // Axis of element E at least as steep as the line to (X, Y).
    bool AxisTest(int E, double X, double Y) const;
    bool DownfillTest();
    // Raises splay K of s one step of the current cabinet's table and sets
    // the array up; true when the table had no step left (K then stays at
    // its last entry).
    bool RaiseSplayStep(TSplay& s, int K);
    // Takes back the step that carried a search past its target: splay K of
    // s to 0 and the array set up again.
    void TakeBackStep(TSplay& s, int K);
    // Whether every value the designs read is a finite number.
    bool DesignInputsFinite() const;

    // The ray trace of the flown "MIXIvorElka": x of the point where the
    // ray below the last element meets the unbounded plane line.
    double TraceRayError(const double Seg[4]) const;
    void RayCorrection(const double Seg[4]);
};
