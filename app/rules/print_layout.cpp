// The printed page's places, as fractions of the page.

#include "app/rules/print_layout.h"

#include <algorithm>

#include "platform/core/checked.h"
#include "platform/core/errors.h"
#include "platform/core/rounding.h"

namespace rules {

namespace {

// Round() reports a value beyond the integers as "Integer overflow".
int Part(double fraction, int whole) { return rtl::Round(fraction * whole); }

constexpr std::array<bool, 5> Flags(bool a, bool b, bool c, bool d, bool e) {
    return {a, b, c, d, e};
}

// The fractions above let blocks overlap and pass the page's right edge; the
// later block would cover the earlier one's last lines.  Each block keeps its
// corner and gives up only what another block or the page takes: the side
// view ends above the dimensions block, the controller settings above the
// mechanical report, the mechanical report and the hole detail above the
// patch diagrams, and the right column's frames end inside the page.
void FitBlocks(ArrayReportLayout& L, int PW) {
    using rtl::CheckedSub;
    const int patchTop = L.PatchDiagrams.front().Area.Top;
    L.SideView.Height = std::min(L.SideView.Height, L.Dimensions.Top);
    for (PrintRect* r : {&L.Controller, &L.Mechanical})
        r->Width = std::min(r->Width, CheckedSub(CheckedSub(PW, 1), r->Left));
    L.Controller.Height = std::min(L.Controller.Height, CheckedSub(L.Mechanical.Top, L.Controller.Top));
    L.Mechanical.Height = std::min(L.Mechanical.Height, CheckedSub(patchTop, L.Mechanical.Top));
    if (L.HoleDetail) {
        L.HoleDetailShown = *L.HoleDetail;
        L.HoleDetailShown->Height = std::min(L.HoleDetail->Height, CheckedSub(patchTop, L.HoleDetail->Top));
    }
}

}  // namespace

ArrayReportLayout ArrayReportLayoutFor(ArrayType type, int rigMode, int PW, int PH) {
    if (PW <= 0 || PH <= 0) throw rtl::RangeError();
    using rtl::CheckedSub;
    ArrayReportLayout L;
    const int halfW = PW / 2;
    const int halfH = Part(0.5, PH);
    L.SideView = {0, 0, halfW, PH / 2};
    L.SplayTable = {halfW, 0, CheckedSub(halfW, 10), halfH};
    L.FlyingDetail = {1, halfH, Part(0.66, PW), Part(0.3, PH)};
    L.Dimensions = {PW / 3, Part(0.45, PH), PW / 6, Part(0.05, PH)};
    L.Controller = {Part(0.66, PW), halfH, Part(0.236, PH), Part(0.2, PH)};
    L.Mechanical = {Part(0.66, PW), Part(0.675, PH), Part(0.236, PH), Part(0.3, PH)};
    if (rigMode == kGroundStacked) {
        L.StackFlyingDetail = {1, halfH, Part(0.44, PW), Part(0.3, PH)};
        L.HoleDetail = {Part(0.44, PW), Part(0.55, PH), Part(0.22, PW), Part(0.4, PH)};
    }

    const int top = Part(0.8, PH), height = Part(0.2, PH);
    const int full = CheckedSub(PW, 10);
    const int half = rtl::Round((PW - 10.0) * 0.5);
    if (PatchInTwoDiagrams(type)) {
        L.PatchDiagrams = {{{0, top, half, height}, Flags(false, false, true, false, false)},
                           {{half, top, half, height}, Flags(false, true, false, false, false)}};
    } else if (type == type::BexaDovi) {
        L.PatchDiagrams = {{{0, top, half, height}, Flags(false, false, true, false, true)},
                           {{half, top, half, height}, Flags(false, true, false, false, true)}};
    } else {
        L.PatchDiagrams = {{{0, top, full, height}, Flags(false, true, true, true, false)}};
    }

    FitBlocks(L, PW);

    if (type == type::ArvoBexa || type == type::BexaDovi) {
        const int y = Part(0.1, PH);
        L.ExtraHeader = PrintRect{0, 0, PW, y};  // the band above the diagram
        L.ExtraPatchDiagram = PatchDiagramPlace{
            {0, y, full, height},
            Flags(false, true, true, true, type == type::ArvoBexa)};
    }
    return L;
}

}  // namespace rules
