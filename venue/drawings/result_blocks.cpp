#include "venue/drawings/result_blocks.h"

#include <string>
#include <vector>

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

// The note in k pieces, each cut at the blank nearest to its even share
// (the blank itself dropped); a note without blanks is cut evenly.
std::vector<std::string> SplitNote(const std::string& note, int k) {
    std::vector<std::string> out;
    if (note.find(' ') == std::string::npos) {
        const px n = Utf8Length(note);
        const px share = n / k;
        for (int i = 0; i < k; ++i)
            out.push_back(i + 1 < k ? Utf8Left(Utf8From(note, share * i), share)
                                    : Utf8From(note, share * i));
        return out;
    }
    size_t from = 0;
    for (int i = 1; i < k; ++i) {
        const size_t rest = note.size() - from;
        const size_t target = from + rest / static_cast<size_t>(k - i + 1);
        size_t best = std::string::npos;
        for (size_t j = from; j < note.size(); ++j) {
            if (note[j] != ' ') continue;
            const size_t d = j > target ? j - target : target - j;
            const size_t bd = best == std::string::npos ? 0
                              : best > target          ? best - target
                                                       : target - best;
            if (best == std::string::npos || d < bd) best = j;
        }
        if (best == std::string::npos) break;
        out.push_back(note.substr(from, best - from));
        from = best + 1;
    }
    out.push_back(note.substr(from));
    return out;
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

    // The long note in pieces on two rows (three for the mini cabinet),
    // cut at blanks and kept inside the frame: a third row and then
    // smaller type are used when the pieces are too wide.
    const std::string note = a ? a->ControllerNote : std::string();
    const px rows[3] = {yT + p, yT + RoundPx(1.6 * static_cast<double>(p)),
                        yT + RoundPx(2.2 * static_cast<double>(p))};
    const px room = px{Width} - 2 * (x - px{X0});
    const int least = model == "Dovi" ? 3 : 2;
    std::vector<std::string> pieces;
    for (int points = 7; points >= 4 && pieces.empty(); --points) {
        c.SetFontSize(points);
        for (int k = least; k <= 3 && pieces.empty(); ++k) {
            std::vector<std::string> cut = SplitNote(note, k);
            bool fits = true;
            for (const std::string& piece : cut) fits = fits && px{c.TextWidth(piece)} <= room;
            if (fits) pieces = std::move(cut);
        }
    }
    if (pieces.empty()) {
        c.SetFontSize(7);
        pieces = SplitNote(note, least);
    }
    for (size_t i = 0; i < pieces.size() && i < 3; ++i) Text(c, x, rows[i], pieces[i]);

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
