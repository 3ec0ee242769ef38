#include "venue/drawings/result_blocks.h"

#include <algorithm>
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
    Block(c, X0, Y0, Width, Height);

    c.SetFontBold(true);
    Text(c, x, yT, "Controller Settings");
    c.SetFontBold(false);
    c.SetFontSize(7);

    const std::string model = ModelOfCurrentCabinet(Venue);
    const TLoudspeakerArray* a = Venue.LSArray.get();

    std::string first, second, stacked;
    if (RigMode == 1) {
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
    } else {
        stacked = "Arvo/Bexa run 5 way with subs on Channel 6";
    }
    const px lastRow = !stacked.empty() ? 11 : !first.empty() ? 10 : 8;
    const px right = px{X0} + Width - (x - px{X0});  // the indent's width kept on the right
    const px bottom = px{Y0} + Height - 2;

    // The presets in two columns at 8 pt, smaller (not below 6 pt) while a
    // column runs into the next one or past the frame.
    px presetPoints = 8, s = 0, col = 0;
    for (; presetPoints >= 6; --presetPoints) {
        c.SetFontSize(static_cast<int>(presetPoints));
        s = c.TextWidth("spc");
        col = c.TextWidth("Longest Controller..............");
        if (!a) break;
        px widest1 = 0, widest2 = 0;
        for (int k = 1; k <= 3; ++k) {
            widest1 = std::max({widest1, s + px{c.TextWidth(a->Presets1[k])},
                                px{c.TextWidth(" - " + a->PresetEQ1[k])}});
            widest2 = std::max({widest2, s + px{c.TextWidth(a->Presets2[k])},
                                px{c.TextWidth(" - " + a->PresetEQ2[k])}});
        }
        col = std::max(col, widest1 + s);
        if (x + col + widest2 <= right) break;
    }
    presetPoints = std::max<px>(presetPoints, 6);
    c.SetFontSize(static_cast<int>(presetPoints));
    const px presetHeight = c.TextHeight("TesT");
    c.SetFontSize(8);
    const px footHeight = c.TextHeight("TesT");

    // The long note in pieces cut at blanks, on two rows (three for the mini
    // cabinet) under the title and above the presets: a third row, smaller
    // type (not below 6 pt) and then closer rows below are used when the
    // pieces do not fit.
    const std::string note = a ? a->ControllerNote : std::string();
    const px room = px{Width} - 2 * (x - px{X0});
    const int least = model == "Dovi" ? 3 : 2;
    std::vector<std::string> pieces;
    px notePoints = 7, noteHeight = 0, noteTop = 0, pitch = p, noteEnd = 0;
    for (; pitch >= std::max(presetHeight, footHeight); --pitch) {
        noteTop = yT + std::max(pitch, th);
        const px noteBottom = yT + 3 * pitch;  // the first presets' row
        pieces.clear();
        for (notePoints = 7; notePoints >= 6 && pieces.empty(); --notePoints) {
            c.SetFontSize(static_cast<int>(notePoints));
            noteHeight = c.TextHeight("TesT");
            const px step = std::max(noteHeight, RoundPx(0.6 * static_cast<double>(p)));
            for (int k = least; k <= 5 && pieces.empty(); ++k) {
                std::vector<std::string> cut = SplitNote(note, k);
                bool fits = noteTop + static_cast<px>(cut.size() - 1) * step + noteHeight <= noteBottom;
                for (const std::string& piece : cut) fits = fits && px{c.TextWidth(piece)} <= room;
                if (fits) pieces = std::move(cut);
            }
            if (!pieces.empty()) {
                noteEnd = noteTop + static_cast<px>(pieces.size() - 1) * step + noteHeight;
                break;
            }
        }
        if (pieces.empty()) {
            // As few rows at 6 pt as the width allows; the rows below make
            // room.
            notePoints = 6;
            c.SetFontSize(6);
            noteHeight = c.TextHeight("TesT");
            for (int k = least; k <= 8 && pieces.empty(); ++k) {
                std::vector<std::string> cut = SplitNote(note, k);
                bool fits = true;
                for (const std::string& piece : cut) fits = fits && px{c.TextWidth(piece)} <= room;
                if (fits || k == 8) pieces = std::move(cut);
            }
            noteEnd = noteTop + static_cast<px>(pieces.size()) * noteHeight;
        }
        // Rows from the presets on move down as far as the note reaches.
        const px shift = std::max<px>(0, noteEnd - (yT + 3 * pitch));
        if (yT + lastRow * pitch + shift + footHeight <= bottom) break;
    }
    pitch = std::max(pitch, std::max(presetHeight, footHeight));
    const px shift = std::max<px>(0, noteEnd - (yT + 3 * pitch));
    auto rowY = [&](px r) { return yT + r * pitch + shift; };
    // The rows where everything fits: p, 1.6 p and 2.2 p below the title.
    const bool asDrawn = pitch == p && shift == 0 && notePoints == 7 && pieces.size() <= 3 &&
                         RoundPx(0.6 * static_cast<double>(p)) >= noteHeight;
    c.SetFontSize(static_cast<int>(notePoints));
    const px step = std::max(noteHeight, RoundPx(0.6 * static_cast<double>(p)));
    for (size_t i = 0; i < pieces.size(); ++i) {
        const px y = asDrawn && i == 1   ? yT + RoundPx(1.6 * static_cast<double>(p))
                     : asDrawn && i == 2 ? yT + RoundPx(2.2 * static_cast<double>(p))
                                         : noteTop + static_cast<px>(i) * step;
        Text(c, x, y, pieces[i]);
    }

    // The presets: the highlighted name under its " - " description line.
    c.SetFontSize(static_cast<int>(presetPoints));
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

    c.SetFontSize(8);
    if (RigMode == 1) {
        Text(c, x, rowY(9), first);
        Text(c, x, rowY(10), second);
    } else {
        Text(c, x, rowY(11), stacked);
    }
}
