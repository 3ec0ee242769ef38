// Printing: the printer set-up, the array report (portrait, with a second
// page for two array types) and the venue page (landscape).  A job that
// fails half-way is thrown away, never printed in part.

#include <QTabWidget>
#include <QToolButton>

#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "model/details/hole_detail.h"
#include "venue/drawings/amp_patch.h"
#include "model/drawings/mechanical_report.h"
#include "venue/drawings/result_blocks.h"
#include "venue/drawings/splay_table.h"
#include "venue/model/venue.h"
#include "app/program_logo.h"
#include "app/rules/print_layout.h"
#include "platform/qt/qt_canvas.h"
#include "venue/section/venue_section.h"

namespace {

// Ends a job on every road out: handed over when the drawing finished,
// else thrown away.
void FinishJob(qtapp::PlatformServices& services, qtapp::PrintJob& job,
               const std::function<void(qtapp::PrintJob&)>& draw) {
    try {
        draw(job);
    } catch (...) {
        job.Abort();
        throw;
    }
    if (!job.End()) services.ShowError(QStringLiteral("The document could not be printed."));
}

// The job's name: the venue's (its file's name without ".ven") and what is
// printed.  Without a printer it names the proposed PDF file too.
QString PrintDocumentName(const std::string& venueName, const char* what) {
    const std::string trimmed = QString::fromStdString(venueName).trimmed().toStdString();
    const QString venue = QString::fromStdString(StripVenExtension(trimmed)).trimmed();
    const QString page = QString::fromLatin1(what);
    return venue.isEmpty() ? page : venue + QStringLiteral(" - ") + page;
}

rtl::Rect ToRect(const rules::PrintRect& r) {
    return rtl::Rect{r.Left, r.Top, rtl::CheckedAdd(r.Left, r.Width), rtl::CheckedAdd(r.Top, r.Height)};
}

}  // namespace

void TForm1::PrintSUTButClick() {
    if (const std::optional<int> index = Environment().Services->ChoosePrinter(FPrinterIndex))
        FPrinterIndex = *index;
}

void TForm1::PrintTButClick() {
    SetupArrayControls();
    if (FNoDesign == 0) ShowRiggingLoads();
    const int page = PageControl1->currentIndex();
    if (page == 1 || page == 2) {
        PrintArrayReport();
        UpdateArrayPage();
    } else if (page == 0) {
        PrintVenuePage();
    }
}

void TForm1::PrintArrayReport() {
    if (CurrentArray() == nullptr) return;
    qtapp::PlatformServices& services = *Environment().Services;
    std::unique_ptr<qtapp::PrintJob> job = services.BeginPrint(
        FPrinterIndex, qtapp::PageOrientation::Portrait, PrintDocumentName(FVenueName, "Array report"));
    if (!job) return;
    // Read once the printer dialog, with its event loop, has closed.
    TLoudspeakerArray* array = CurrentArray();
    if (array == nullptr) return;
    FinishJob(services, *job, [&](qtapp::PrintJob& j) {
        rtl::PrinterCanvas& c = j.Canvas();
        const int PW = j.PageWidth(), PH = j.PageHeight();
        const rules::ArrayReportLayout L =
            rules::ArrayReportLayoutFor(array->ArrayType(), FRigMode, PW, PH);
        const bool metric = FMetric != 0;
        {
            rtl::PrintedBlock b(c, rules::kSideViewBlock, ToRect(L.SideView));
            array->DrawSideView(c, true, true, L.SideView.Width, L.SideView.Height, metric,
                                FRigMode, true, FHobaMatched != 0);
        }
        {
            rtl::PrintedBlock b(c, rules::kSplayTableBlock, ToRect(L.SplayTable));
            DrawSplayTable(*FVenue, c, L.SplayTable.Left, L.SplayTable.Top, L.SplayTable.Width,
                           L.SplayTable.Height, false, Image2Picture, FRigMode);
        }
        rtl::Point pick{};
        const auto flyingDetail = [&](const rules::PrintRect& r) {
            rtl::PrintedBlock b(c, rules::kFlyingDetailBlock, ToRect(r));
            array->DrawFlyingDetail(c, true, true, r.Width, r.Height, r.Left, r.Top, metric,
                                    FRigMode, 0.0, 0.0, 0, 0, pick);
        };
        // Stacked, the narrower flying detail takes the wide one's place:
        // drawn over it, it would leave the wide one's title ends beside it.
        if (!L.StackFlyingDetail) flyingDetail(L.FlyingDetail);
        {
            rtl::PrintedBlock b(c, rules::kDimensionsBlock, ToRect(L.Dimensions));
            DrawArrayDimensionsShort(*FVenue, c, L.Dimensions.Left, L.Dimensions.Top,
                                     L.Dimensions.Width, L.Dimensions.Height, metric, FRigMode);
        }
        {
            rtl::PrintedBlock b(c, rules::kControllerBlock, ToRect(L.Controller));
            DrawControllerSettings(*FVenue, c, L.Controller.Left, L.Controller.Top,
                                   L.Controller.Width, L.Controller.Height, FRigMode);
        }
        {
            rtl::PrintedBlock b(c, rules::kMechanicalBlock, ToRect(L.Mechanical));
            PrintArrayMechanicalReport(*array, c, L.Mechanical.Left, L.Mechanical.Top,
                                       L.Mechanical.Width, L.Mechanical.Height, 0, metric);
        }
        if (L.StackFlyingDetail && L.HoleDetail && L.HoleDetailShown) {
            flyingDetail(*L.StackFlyingDetail);
            const rules::PrintRect& h = *L.HoleDetail;
            rtl::PrintedBlock b(c, rules::kHoleDetailBlock, ToRect(*L.HoleDetailShown));
            // Its pale green fills need pixels that can be read back.
            c.BeginRasterLayer(ToRect(*L.HoleDetailShown));
            DrawArrayHoleDetail(*array, c, true, true, h.Width, h.Height, h.Left, h.Top, metric,
                                FRigMode);
            c.EndRasterLayer();
        }
        const auto patch = [&](const rules::PatchDiagramPlace& d) {
            rtl::PrintedBlock b(c, rules::kPatchBlock, ToRect(d.Area));
            DrawAmpPatch(*FVenue, c, d.Area.Left, d.Area.Top, d.Area.Width, d.Area.Height,
                         d.Flags[0], d.Flags[1], d.Flags[2], d.Flags[3], d.Flags[4]);
        };
        for (const rules::PatchDiagramPlace& d : L.PatchDiagrams) patch(d);
        if (L.ExtraHeader && L.ExtraPatchDiagram) {
            if (!j.NewPage()) throw rtl::RuntimeError(1, "The printer refused a new page.");
            {
                rtl::PrintedBlock b(c, rules::kPageHeaderBlock, ToRect(*L.ExtraHeader));
                DrawPageHeader(*FVenue, c, L.ExtraHeader->Width, L.ExtraHeader->Height);
            }
            patch(*L.ExtraPatchDiagram);
        }
    });
}

void TForm1::PrintVenuePage() {
    qtapp::PlatformServices& services = *Environment().Services;
    std::unique_ptr<qtapp::PrintJob> job = services.BeginPrint(
        FPrinterIndex, qtapp::PageOrientation::Landscape, PrintDocumentName(FVenueName, "Venue"));
    if (!job) return;
    FinishJob(services, *job, [&](qtapp::PrintJob& j) {
        // The print style (wide lines, the notice, the picture) holds while
        // the page is drawn and on no road beyond it: the screen, repainted
        // below or by any paint while a box is up, keeps its own style.
        FViewFlags[0] = 1;
        struct ScreenStyle {
            TForm1& w;
            ~ScreenStyle() { w.FViewFlags[0] = 0; }
        } screenStyle{*this};
        VenueSectionArgs a;
        a.EqualScale = FDrawVenueFlag != 0;
        a.Width = j.PageWidth();
        a.Height = j.PageHeight();
        a.WideLines = true;
        a.ClearBackground = true;
        a.ShowPlanes = a.ShowArray = a.ShowCoverage = a.ShowRays = true;
        a.ShowRayEnds = FViewFlags[5] != 0;
        a.Unused = a.ShowHelp = a.ShowReadout = false;
        a.ShowHandles = FShowAngleHandles != 0;
        a.Selected = FSelElement;
        a.StatusText = "Printed";
        a.StartHot = FHotA != 0;
        a.StopHot = FHotB != 0;
        a.TopHot = FHotC != 0;
        // The corner logo at the same size on every printer: 3/8 inch high.
        const int dpi = j.Canvas().Dpi();
        const rtl::Picture corner = ProgramLogoPicture(
            rtl::MulDiv(dpi, 3 * kLogoWidth, 8 * kLogoHeight), rtl::MulDiv(dpi, 3, 8), "Image5");
        a.Picture = corner.Empty() ? &Image5Picture : &corner;
        a.Metric = FMetric != 0;
        a.ReadoutX = FDrawOffsetX;
        a.ReadoutY = FDrawOffsetY;
        a.RigMode = FRigMode;
        // The marks and the scale of the printed drawing are in printer
        // pixels: the screen's picture, the mouse and the readout keep the
        // screen's, so the window is after the print what it was before.
        const KeptSectionState screenScale(*FVenue);
        DrawVenue(*FVenue, j.Canvas(), a);
    });
}
