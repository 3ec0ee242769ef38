#include "venue/drawings/result_blocks.h"

#include <string>

#include "platform/core/numtext.h"
#include "model/hardware/units.h"
#include "venue/drawings/pixels.h"
#include "venue/model/venue.h"

using namespace vdraw;

namespace {

const rtl::Color kWhite = rtl::RgbColor(255, 255, 255);
const rtl::Color kBlack = rtl::RgbColor(0, 0, 0);
const rtl::Color kLime = rtl::WinColor(0x00FF00);

std::string Length(double metres, bool metric) {
    if (metric) return rtl::FormatGeneral(metres, 4) + " m";
    return rtl::FormatGeneral(units::MetresToFeet(metres), 4) + " ft";
}

// White block with a black frame drawn clockwise from its top-left corner.
void Block(rtl::Canvas& c, px x0, px y0, px width, px height) {
    c.SetBrush(rtl::Brush{kWhite, rtl::BrushStyle::Solid});
    FillRect(c, x0, y0, x0 + width, y0 + height);
    c.SetPen(rtl::Pen{kBlack, 1, rtl::PenStyle::Solid});
    MoveTo(c, x0, y0);
    LineTo(c, x0 + width, y0);
    LineTo(c, x0 + width, y0 + height);
    LineTo(c, x0, y0 + height);
    LineTo(c, x0, y0);
}

// Arial in black at the given size, regular.
void Arial(rtl::Canvas& c, int points) {
    c.SetFontName("Arial");
    c.SetFontColor(kBlack);
    c.SetFontBold(false);
    c.SetFontSize(points);
}

std::string ModelOfCurrentCabinet(const TVenue& v) {
    if (!v.LSArray || !v.LSArray->CurrentBox) return {};
    return v.LSArray->CurrentBox->ModelName;
}

}  // namespace

void DrawPageHeader(const TVenue& Venue, rtl::Canvas& Canvas, int Width, int Height) {
    rtl::Canvas& c = Canvas;
    Arial(c, 14);
    c.SetBrush(rtl::Brush{kWhite, rtl::BrushStyle::Solid});
    c.SetPen(rtl::Pen{kBlack, 1, rtl::PenStyle::Solid});
    const px w = Width;
    const px h = Height;
    MoveTo(c, 0, 0);
    LineTo(c, w - 1, 0);
    LineTo(c, w - 1, h - 1);
    LineTo(c, 0, h - 1);
    LineTo(c, 0, 0);

    const std::string first = "Additional Page  :  " + Venue.VenueName;
    Text(c, (w - 1 - c.TextWidth(first)) / 2, c.TextHeight(first), first);
    c.SetFontSize(12);
    const std::string second =
        "Bexa Settings : Refer to HELP and \"Line Array Systems Applications Guide\"";
    Text(c, (w - 1 - c.TextWidth(second)) / 2,
         RoundPx(static_cast<double>(c.TextHeight(second)) * 2.5), second);
}

void DrawArrayDimensionsShort(const TVenue& Venue, rtl::Canvas& Canvas, int X0, int Y0, int Width,
                              int Height, bool Metric, int RigMode) {
    rtl::Canvas& c = Canvas;
    Arial(c, 10);
    c.SetBrush(rtl::Brush{kWhite, rtl::BrushStyle::Solid});
    const px x = px{X0} + px{Width} / 20;
    const px th = c.TextHeight("TesT");
    const px p = RoundPx(static_cast<double>(th) * 1.05);
    const px yT = px{Y0} + 2 * th - RoundPx(static_cast<double>(th) * 1.5);
    Block(c, X0, Y0, Width, Height);

    c.SetFontSize(8);
    if (RigMode == 1) {
        Text(c, x, yT, (Metric ? "Highest (X )= " : "Highest (X) = ") + Length(Venue.TopHeight, Metric));
        Text(c, x, yT + p, "Height   (Y) = " + Length(Venue.ArrayHeight, Metric));
        Text(c, x, yT + 2 * p, "Height   (Z) = " + Length(Venue.LowestHeight, Metric));
    } else {
        Text(c, x, yT, "Highest (Y) = " + Length(Venue.TopHeight, Metric));
    }
}

void DrawControllerSettings(const TVenue& Venue, rtl::Canvas& Canvas, int X0, int Y0, int Width,
                            int Height, int RigMode) {
    rtl::Canvas& c = Canvas;
    Arial(c, 10);
    c.SetBrush(rtl::Brush{kWhite, rtl::BrushStyle::Solid});
    const px x = px{X0} + px{Width} / 32;
    const px th = c.TextHeight("TesT");
    const px p = RoundPx(static_cast<double>(th) * 1.05);
    const px yT = px{Y0} + 2 * th - RoundPx(static_cast<double>(th) * 1.5);
    auto rowY = [&](px r) { return yT + r * p; };
    Block(c, X0, Y0, Width, Height);

    c.SetFontBold(true);
    Text(c, x, yT, "Controller Settings");
    c.SetFontBold(false);
    c.SetFontSize(7);

    const std::string model = ModelOfCurrentCabinet(Venue);
    const TLoudspeakerArray* a = Venue.LSArray.get();

    // The long note in pieces on three short rows.
    const std::string note = a ? a->ControllerNote : std::string();
    const px n = Utf8Length(note);
    const px y1 = yT + p;
    const px y2 = yT + RoundPx(1.6 * static_cast<double>(p));
    const px y3 = yT + RoundPx(2.2 * static_cast<double>(p));
    if (model == "Dovi") {
        const px third = n / 3;
        Text(c, x, y1, Utf8Left(note, third));
        Text(c, x, y2, Utf8Left(Utf8From(note, third), third));
        Text(c, x, y3, Utf8From(note, 2 * third));
    } else {
        const px half = n / 2;
        Text(c, x, y1, Utf8Left(note, half));
        Text(c, x, y2, Utf8From(note, half));
    }

    // The presets: the highlighted name under its " - " description line.
    c.SetFontSize(8);
    const px s = c.TextWidth("spc");
    const px col = c.TextWidth("Longest Controller..............");
    auto pair = [&](const std::string& name, const std::string& comment, px column, px nameRow) {
        c.SetBrushColor(kLime);
        Text(c, x + s + column, rowY(nameRow), name);
        c.SetBrushColor(kWhite);
        Text(c, x + column, rowY(nameRow - 1), " - " + comment);
    };
    if (a) {
        pair(a->Presets1[1], a->PresetEQ1[1], 0, 4);
        pair(a->Presets1[2], a->PresetEQ1[2], 0, 6);
        if (!a->Presets1[3].empty()) pair(a->Presets1[3], a->PresetEQ1[3], 0, 8);
        pair(a->Presets2[1], a->PresetEQ2[1], col, 4);
        pair(a->Presets2[2], a->PresetEQ2[2], col, 6);
        pair(a->Presets2[3], a->PresetEQ2[3], col, 8);
    }

    if (RigMode == 1) {
        std::string first, second;
        if (model == "Arvo") {
            first = "LF ch1: 35Hz High pass as default";
            second = "Set to 20Hz for use without subs";
        } else if (model == "Bexa") {
            first = "12'': 60Hz High pass as default";
            second = "Set to 30Hz for use without subs";
        } else if (model == "Dovi") {
            first = "LF: 60Hz High pass as default";
            second = "Set to 30Hz for use without subs";
        }
        Text(c, x, rowY(9), first);
        Text(c, x, rowY(10), second);
    } else {
        Text(c, x, rowY(11), "Arvo/Bexa run 5 way with subs on Channel 6");
    }
}
