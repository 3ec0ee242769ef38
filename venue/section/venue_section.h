#pragma once
// The venue in section: the audience planes with their listening lines, the
// stage of a ground stack, the coverage marks and the distance scale, the
// cabinets, their aiming rays, the array's heights with their warnings, the
// start-up help and the footer.  Drawn on any canvas (screen image or
// printer page); what the mouse editing hit-tests against is handed back in
// the result.
//
// World coordinates are metres: x the horizontal distance in front of the
// array's vertical, y the height above the start of plane 1.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/canvas.h"
#include "venue/model/venue.h"

// Colours of the section, as the Windows colour values 0x00BBGGRR they
// were chosen as.
namespace section_colors {
inline constexpr rtl::Color Black = rtl::WinColor(0x000000);
inline constexpr rtl::Color Red = rtl::WinColor(0x0000FF);
inline constexpr rtl::Color Green = rtl::WinColor(0x008000);
inline constexpr rtl::Color Lime = rtl::WinColor(0x00FF00);
inline constexpr rtl::Color Blue = rtl::WinColor(0xFF0000);
inline constexpr rtl::Color Navy = rtl::WinColor(0x800000);
inline constexpr rtl::Color Yellow = rtl::WinColor(0x00FFFF);
inline constexpr rtl::Color Silver = rtl::WinColor(0xC0C0C0);
inline constexpr rtl::Color Grey = rtl::WinColor(0x808080);
inline constexpr rtl::Color White = rtl::WinColor(0xFFFFFF);
}  // namespace section_colors

// Pixel coordinates are held to +-kSectionPixelLimit (NaN becomes 0): a
// venue drawn at an absurd scale gives a distorted picture, never an error
// and never an integer overflow further down.
inline constexpr int kSectionPixelLimit = 1 << 24;

// What the caller asks the drawing to show, in the order the main window
// passes its values.
struct VenueSectionArgs {
    bool EqualScale = true;        // same metres per pixel across and up (screen)
    int Width = 0;                 // drawing size in pixels
    int Height = 0;
    bool WideLines = false;        // 7-pixel pens and larger small texts (printing)
    bool ClearBackground = true;   // fill the clip rectangle white first
    bool ShowPlanes = true;        // planes, listening lines, stage
    bool ShowArray = true;         // the cabinets (and LowestHeight)
    bool ShowCoverage = true;      // coverage marks, scale, heights, warnings
    bool ShowRays = true;          // aiming rays and the coverage-start test
    bool ShowRayEnds = true;       // squares at the ray ends
    bool Unused = false;           // carried, never read
    bool ShowHelp = false;         // start-up help; hides the warnings and notice
    bool ShowReadout = false;      // world position of (ReadoutX, ReadoutY) in the footer
    bool ShowHandles = true;       // squares at the coverage handles
    int Selected = -1;             // cabinet drawn red, -1 none
    std::string StatusText;        // footer text before the readout
    bool StartHot = false;         // handles under the mouse, drawn red
    bool StopHot = false;
    bool TopHot = false;
    const rtl::Picture* Picture = nullptr;  // logo at the lower right of a printed drawing
    bool Metric = true;            // metres, else feet
    int ReadoutX = 0;              // pixel of the readout
    int ReadoutY = 0;
    int RigMode = 1;               // 1 flown, 2 ground-stacked
};

// What one drawing leaves behind.  The scale state, LowestHeight and
// DrawOffset are also written into the venue itself.
struct VenueSectionResult {
    // Scale state as left in the venue's first fields.
    double MarginX = 0.0;
    double MarginY = 0.0;
    double ExtentY = 0.0;
    double ExtentX = 0.0;
    double ScaleX = 0.0;
    double ScaleY = 0.0;
    // How far the scale line lies below plane 1's start (m).
    double Drop = 0.0;

    double LowestHeight = 0.0;    // the venue's, after the drawing
    bool LowestHeightSet = false; // the cabinets were drawn and set it

    // Pixel of the end of every element's ray, index = element; empty when
    // neither rays nor ray ends were drawn.
    std::vector<rtl::Point> RayEnds;
    // The world points those pixels stand for, and the plane each ray hit
    // (0 none, 1..3).
    std::vector<double> RayEndX;
    std::vector<double> RayEndY;
    std::vector<int> RayPlane;
    // The drag handles, when the coverage marks were drawn.
    std::optional<rtl::Point> StartHandle;
    std::optional<rtl::Point> StopHandle;
    std::optional<rtl::Point> TopHandle;

    // The three warnings of the heights, each empty when its condition does
    // not hold (or the heights were not drawn).
    std::string TrimWarning;
    std::string BottomWarning;
    std::string PickWarning;

    // The coverage-start test of the bottom cabinet (with the rays).
    bool CoverageTestDone = false;
    double CoverageTestX = 0.0;        // where the bottom of the coverage lands
    double CoverageTestY = 0.0;
    bool CoverageLineDrawn = false;    // corner joined to that point
    bool CoverageStartNotMet = false;  // the centred warning was written
    // The downfill mixes whose main cabinets reach too far.
    std::string DownfillWarning;
};

// Where an aiming line meets the audience: the point and the plane (0 when
// it meets none, then the point lies on the line at x = 500).
struct RayHitResult {
    double X = 0.0;
    double Y = 0.0;
    int Plane = 0;
};

// The warning texts.
inline constexpr const char* kTrimWarning = "Trim Height is below Minimum Value";
inline constexpr const char* kBottomWarning = "Bottom Cabinet below Ear Height";
inline constexpr const char* kPickWarning = "Pick Height is above Maximum Value";
inline constexpr const char* kCoverageStartNotMet = "Coverage start not met";
inline constexpr const char* kDownfillNotSuitable =
    "DF Array not suitable consider - reducing DF cabs, reducing Cov start, increasing Array "
    "Height or using a single box array";
// The one-line notice of a printed drawing.
inline constexpr const char* kMakerNotice = "Orandel 3.04 - all rights reserved";

// Fits the venue to a drawing of Width x Height pixels and leaves the scale
// in the venue (MarginX .. ScaleY).  Returns the drop of the scale line below
// plane 1's start.
double FitVenueScale(TVenue& venue, bool EqualScale, int Width, int Height);

// The drop below plane 1's start that the fit leaves room for.
double VenueDrop(const TVenue& venue);

// A world point to a pixel of the last fit, rounded to the nearest (halves
// to even) and held to +-kSectionPixelLimit.
rtl::Point WorldToPixel(const TVenue& venue, double X, double Y);

// Where the aiming line of element Element (raised to 0 when negative) meets
// the audience.
RayHitResult RayHit(const TVenue& venue, int Element);
// The same for an explicit line y = Slope * x + Intercept; the element's
// tilt and distance still decide which crossings count.
RayHitResult RayHit(const TVenue& venue, int Element, double Slope, double Intercept);

// Draws the venue section.  Writes the scale state, LowestHeight (when the
// cabinets are drawn) and DrawOffset (downfill mixes, with the rays) into
// the venue.  Element indices outside 0..40 stop with "Range check error".
VenueSectionResult DrawVenue(TVenue& venue, rtl::Canvas& canvas, const VenueSectionArgs& args);

// What a drawing leaves in the venue (the scale state, LowestHeight,
// DrawOffset), taken when it is made and put back when it goes: a drawing
// on another canvas (the printer's) leaves the venue as the screen's last
// drawing left it, for the mouse and the readout.
class KeptSectionState {
public:
    explicit KeptSectionState(TVenue& venue);
    ~KeptSectionState();
    KeptSectionState(const KeptSectionState&) = delete;
    KeptSectionState& operator=(const KeptSectionState&) = delete;

private:
    TVenue& venue_;
    double marginX_, marginY_, extentY_, extentX_, scaleX_, scaleY_;
    double lowestHeight_, drawOffset_;
};

// Copies the marks a drawing placed into the caller's mark fields; marks
// the drawing did not place keep their earlier positions.  Ray ends beyond
// the table's last index stop with "Range check error".
template <class PointTable>
void StoreSectionMarks(const VenueSectionResult& result, PointTable& rayEnds,
                       rtl::Point& startHandle, rtl::Point& stopHandle, rtl::Point& topHandle) {
    for (std::size_t i = 0; i < result.RayEnds.size(); ++i) {
        rayEnds[static_cast<int>(i)] = result.RayEnds[i];
    }
    if (result.StartHandle) startHandle = *result.StartHandle;
    if (result.StopHandle) stopHandle = *result.StopHandle;
    if (result.TopHandle) topHandle = *result.TopHandle;
}
