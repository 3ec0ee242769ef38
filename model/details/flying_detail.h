#pragma once
// The flying detail: a close-up side view of the rigging at the top of an
// array - the top cabinet (ground-stacked: the cabinet on the base), the
// flying grid or ground-stack base with its link holes and pick points, and
// for the lift-bar arrays the lift bar with the hole or holes to pick.
//
// World coordinates are metres from the grid plate's top edge where its
// front part begins; x grows towards the front, y downwards.  The drawing
// changes pen, brush and font and leaves them so.

#include <cstdint>

#include "model/arrays/lsarray.h"
#include "platform/core/canvas.h"

// Sets both view margins to 0.05 m, selects element 1's cabinet, sets the
// view extents and DetailMetresPerPixelX/Y (with EqualScale both take the
// coarser one).  A width or height of 0 or less makes that axis's scale the
// whole extent.
void FitFlyingDetailScale(TLoudspeakerArray& A, bool EqualScale, int32_t Width, int32_t Height,
                          double ExtraX, double ExtraY);

// The drawing of the arrays without a lift bar, which the lift-bar arrays
// also fall back to.  RigMode 1 flown, 2 ground-stacked; any other value
// draws only the frame (and, printing, the title).  PickPoint receives the
// canvas point of the grid's front pick point when the grid is drawn and is
// left alone otherwise; the result says whether it was written.
bool DrawArrayFlyingDetail(TLoudspeakerArray& A, rtl::Canvas& Canvas, bool EqualScale,
                           bool Printing, int32_t Width, int32_t Height, int32_t Left,
                           int32_t Top, bool Metric, int32_t RigMode, double ExtraX,
                           double ExtraY, int32_t ShiftX, int32_t ShiftY,
                           rtl::Point& PickPoint);

// The drawing of the lift-bar arrays.  With the grid lifted by the bar (pick
// mode 4 or 5) the base picture is drawn with room for the bar and the bar
// above the grid's pick points, picked holes marked by red arrows; the
// caller's PickPoint is then not written.  Any other pick mode is the base
// drawing with the caller's arguments.  LiftBar null, or a pick side other
// than 1 or 2, draws nothing in pick modes 4 and 5.
void DrawArrayFlyingDetailWithLiftBar(TLoudspeakerArray& A, const TLiftBar* LiftBar,
                                      rtl::Canvas& Canvas, bool EqualScale, bool Printing,
                                      int32_t Width, int32_t Height, int32_t Left, int32_t Top,
                                      bool Metric, int32_t RigMode, double ExtraX, double ExtraY,
                                      int32_t ShiftX, int32_t ShiftY, rtl::Point& PickPoint);
