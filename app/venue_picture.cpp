#include "app/venue_picture.h"

#include "app/background1.h"
#include "venue/model/venue.h"
#include "venue/section/venue_section.h"

void DrawVenueSection(TForm1& f, rtl::Canvas& c, const TVenueDrawCall& call) {
    const auto flag = [&call](int i) { return call.ViewFlags[static_cast<std::size_t>(i)] != 0; };
    VenueSectionArgs a;
    a.EqualScale = f.FDrawVenueFlag != 0;
    a.Width = call.Width;
    a.Height = call.Height;
    a.WideLines = flag(0);
    a.ClearBackground = flag(10);
    a.ShowPlanes = flag(1);
    a.ShowArray = flag(2);
    a.ShowCoverage = flag(3);
    a.ShowRays = flag(4);
    a.ShowRayEnds = flag(5);
    a.Unused = flag(7);
    a.ShowHelp = flag(8);
    a.ShowReadout = flag(9);
    a.ShowHandles = f.FShowAngleHandles != 0;
    a.Selected = call.SelElement;
    a.StatusText = f.FStatusText;
    a.StartHot = f.FHotA != 0;
    a.StopHot = f.FHotB != 0;
    a.TopHot = f.FHotC != 0;
    a.Picture = call.UseImage2 ? &f.Image2Picture : &f.Image5Picture;
    a.Metric = f.FMetric != 0;
    a.ReadoutX = f.FDrawOffsetX;
    a.ReadoutY = f.FDrawOffsetY;
    a.RigMode = f.FRigMode;
    const VenueSectionResult r = DrawVenue(*f.FVenue, c, a);
    StoreSectionMarks(r, f.FHotPoints, f.FHotPointA, f.FHotPointB, f.FHotPointC);
}
