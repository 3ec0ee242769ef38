#include "venue/drawings/splay_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/checked.h"
#include "platform/core/numtext.h"
#include "platform/core/text_lines.h"
#include "venue/drawings/pixels.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"

using namespace vdraw;

namespace {

// Cabinets a splay list describes.
constexpr px kMaxCabinets = kMaxVenueCabinets;

std::string Fixed(double angle) { return rtl::FormatFixed(angle, 5, 2); }

std::string Num(px v) { return rtl::IntToStr(v); }

const TBox& Current(const TLoudspeakerArray& a) {
    static const TBox kNoCabinet;
    return a.CurrentBox ? *a.CurrentBox : kNoCabinet;
}

// The texts of one cabinet in the right table.
struct Patch {
    std::string group, ch1, ch2, ch3;
};

// Full-size and compact cabinets: a run patched in pairs from its bottom
// cabinet (b = 0) up.
Patch FullSizePatch(px b, const std::string& tag, const std::string& suffix) {
    static const char* const kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    px letter = b / 2;
    if (letter > 7) letter = 7;
    if (letter < 0) letter = 0;
    Patch p;
    p.group = std::string(kLetters[letter]) + suffix;
    p.ch1 = "1" + tag;
    p.ch2 = (b < 4 ? "2" : "3") + tag;
    p.ch3 = (b < 2 ? "4" : (b < 6 ? "5" : "6")) + tag;
    return p;
}

// Column 2 of a stacked six-cabinet run, by the cabinet's place from the top
// (1..6): the two middle cabinets take the other channel.
std::string StackedSixChannel(px fromTop, const std::string& tag) {
    return (fromTop == 3 || fromTop == 4 ? "3" : "2") + tag;
}

// The compact run below the full-size cabinets of the mixed array.
Patch CompactPatch(px b, px runLength) {
    Patch p = FullSizePatch(b, "-xa", "-Bexa");
    if (runLength <= 4) {
        p.ch2 = "2-xa";
        p.ch3 = "3-xa";
    } else {
        p.ch2 = b < 4 ? "2-xa" : "3-xa";
        p.ch3 = b < 2 ? "4-xa" : (b < 6 ? "5-xa" : "6-xa");
    }
    return p;
}

// Mini cabinets in groups of four from the bottom of their run of M. Above
// the sixteenth cabinet from the bottom there is no group and no passive
// channel; those cells stay empty.
Patch MiniPatch(px b, px M, const std::string& tag, const std::string& suffix) {
    Patch p;
    if (b < 16) p.group = std::string(b < 4 ? "A" : b < 8 ? "B" : b < 12 ? "C" : "D") + suffix;
    if (M > 8) {
        if (b < 16) p.ch1 = (b < 4 ? "2" : b < 8 ? "3" : b < 12 ? "4" : "5") + tag;
    } else if (M > 4) {
        p.ch1 = b < 4 ? "2L / 5R" : "3L / 6R";
    } else {
        p.ch1 = "2L / 5R";
    }
    if (M > 4)
        p.ch2 = (b < 4 ? "2" : "3") + tag;
    else
        p.ch2 = "2L / 5R";
    if (b < 4)
        p.ch3 = M > 4 ? "4" + tag : "3L / 6R";
    else if (b < 8)
        p.ch3 = "5" + tag;
    else
        p.ch3 = "6" + tag;
    return p;
}

struct Sheet {
    explicit Sheet(rtl::Canvas& canvas) : c(canvas) {}

    rtl::Canvas& c;
    px Left = 0, Top = 0, Width = 0, Height = 0;
    px Right = 0, Bottom = 0, TableTop = 0, RowHeight = 0;
    px MidX = 0, LeftEnd = 0, LeftCol = 0, RightCol = 0;
    // Paper: texts are fitted to their cells (FittedCell).
    bool OnPaper = false;
    // The font height of the smallest printed text, 6 points.
    px PaperMinHeight = 0;

    px RowTop(px row) const { return TableTop + row * RowHeight; }

    void Cell(px cellLeft, px cellWidth, px row, const std::string& text) {
        if (text.empty()) return;
        if (OnPaper) {
            FittedCell(cellLeft, cellWidth, cellWidth, row, text);
            return;
        }
        px x = cellLeft + Div(cellWidth - c.TextWidth(text), 2);
        px y = RowTop(row) + Div(RowHeight - c.TextHeight(text), 2);
        Text(c, x, y, text);
    }
    // A heading centred in its cell. On screen a heading that is not
    // narrower than the room it is centred in (its cells between the grid
    // lines) is drawn smaller, one pixel of font height at a time, down to 4
    // pixels, so that neighbouring headings never run into each other; the
    // font height is put back afterwards. On paper it is fitted to its room
    // as every printed text is.
    void Heading(px cellLeft, px cellWidth, px room, px row, const std::string& text) {
        if (OnPaper) {
            FittedCell(cellLeft, cellWidth, room, row, text);
            return;
        }
        const int height = c.FontHeight();
        px h = height;
        while (c.TextWidth(text) >= room && h >= 5) FontHeight(c, --h);
        Cell(cellLeft, cellWidth, row, text);
        c.SetFontHeight(height);
    }
    // On paper a text keeps clear of the grid lines about the room it is
    // centred in (the room lies evenly about the cell's centre): one that
    // does not fit is set smaller, not below PaperMinHeight, and one that
    // does not fit even then is broken at its blanks into lines stacked in
    // the row.  The font height is put back afterwards.
    void FittedCell(px cellLeft, px cellWidth, px room, px row, const std::string& text) {
        const int height = c.FontHeight();
        const px centre = cellLeft + Div(cellWidth, 2);
        const px space = room - 2 * Pad();
        rtl::ShrinkToWidth(c, text, space, Pix(PaperMinHeight));
        const std::vector<std::string> lines = rtl::BreakLines(c, text, space);
        const px lineHeight = c.TextHeight(text);
        px y = RowTop(row) + Div(RowHeight - lineHeight * static_cast<px>(lines.size()), 2);
        for (const std::string& line : lines) {
            Text(c, centre - Div(c.TextWidth(line), 2), y, line);
            y += lineHeight;
        }
        c.SetFontHeight(height);
    }
    // Clear room left at each side of a printed text.
    px Pad() { return std::max<px>(1, Div(c.TextHeight("S"), 5)); }

    // The group column is centred on MidX between the left table's edge and
    // the first channel column: its room is what lies evenly about MidX.
    px GroupRoom() const { return 2 * std::min(MidX - (Left + 3 * LeftCol), RightCol); }
    void ChannelHeading(int k, px row, const std::string& t) {
        Heading(MidX + k * RightCol, RightCol, RightCol, row, t);
    }

    void CabCell(px row, const std::string& t) { Cell(Left, LeftCol, row, t); }
    void AngleCell(px row, const std::string& t) { Cell(Left + LeftCol, LeftCol, row, t); }
    void TypeCell(px row, const std::string& t) { Cell(Left + 2 * LeftCol, LeftCol, row, t); }
    void GroupCell(px row, const std::string& t) {
        if (OnPaper && !t.empty())
            FittedCell(MidX - Div(RightCol, 2), RightCol, GroupRoom(), row, t);
        else
            Cell(MidX - Div(RightCol, 2), RightCol, row, t);
    }
    void ChannelCell(int k, px row, const std::string& t) { Cell(MidX + k * RightCol, RightCol, row, t); }
    void PatchRow(px row, const Patch& p) {
        GroupCell(row, p.group);
        ChannelCell(1, row, p.ch1);
        ChannelCell(2, row, p.ch2);
        ChannelCell(3, row, p.ch3);
    }
};

}  // namespace

namespace {

const char* const kTiltBarFootnote =
    "*Hole or Slot in tilt bar  ** Insert top hole of tilt bar into 6 deg hole in Arvo";

}  // namespace

namespace {

// Every cabinet of all three models gets a row, besides the title and
// heading rows, and so does the sub-heading of the sheets that have one.
bool HasSubHeading(int layout) { return layout == 6 || layout == 7 || layout == 9; }
px SheetRows(px n1, px n2, px n3, int layout) {
    const px rows = n1 + n2 + n3 + 2 + (HasSubHeading(layout) ? 1 : 0);
    return rows < 1 ? 1 : rows;
}

// The room under the frame for the footnote: one line of the sheet's text.
// On screen the long footnote of the tilt-bar sheet wraps to the table's
// width, its lines under the frame: the table ends higher by the lines it
// needs.  Leaves the canvas at font size 10.
struct Footnote {
    px OneLine = 0;  // one line of the sheet's text, at font size 10
    px Room = 0;
    std::vector<std::string> Lines;  // the wrapped tilt-bar footnote, on screen
    px LineHeight = 0;
};
Footnote FootnoteUnder(rtl::Canvas& c, bool onScreen, int layout, px width) {
    Footnote f;
    c.SetFontSize(10);
    f.OneLine = c.TextHeight("S");
    f.Room = f.OneLine;
    if (onScreen && layout == 5) {
        c.SetFontSize(8);
        f.Lines = rtl::BreakLines(c, kTiltBarFootnote, width - 4);
        f.LineHeight = c.TextHeight("S");
        c.SetFontSize(10);
        const px needed = static_cast<px>(f.Lines.size()) * f.LineHeight + 2;
        if (f.Lines.size() > 1 && needed > f.Room) f.Room = needed;
    }
    return f;
}

constexpr px kScreenRowHeight = 15;

}  // namespace

int SplayTableScreenHeight(TVenue& Venue, rtl::Canvas& Canvas, int Width) {
    TLoudspeakerArray* array = Venue.LSArray.get();
    const int layout = array ? array->TypeInfo().SplayTableLayout : 0;
    const px rows = SheetRows(Venue.NumBoxes1, Venue.NumBoxes2, Venue.NumBoxes3, layout);
    const px room = FootnoteUnder(Canvas, true, layout, Width).Room;
    return rtl::CheckedAdd(rtl::CheckedMul(static_cast<int>(rows), static_cast<int>(kScreenRowHeight)),
                           static_cast<int>(room) + 1);
}

void DrawSplayTable(TVenue& Venue, rtl::Canvas& Canvas, int Left, int Top, int Width, int Height,
                    bool OnScreen, const rtl::Picture& Picture, int RigMode) {
    rtl::Canvas& c = Canvas;
    Sheet s(c);
    s.Left = Left;
    s.Top = Top;
    s.Width = Width;
    s.Height = Height;
    s.Right = s.Left + s.Width;

    const px n1 = Venue.NumBoxes1;
    const px n2 = Venue.NumBoxes2;
    const px n3 = Venue.NumBoxes3;
    TLoudspeakerArray* array = Venue.LSArray.get();
    // The sheet of the array's type; 0 is the bare frame with its headings.
    const int layout = array ? array->TypeInfo().SplayTableLayout : 0;
    const auto isType = [array](TArrayType t) { return array && array->ArrayType() == t; };

    // Area, band and row height.
    c.SetBrush(rtl::Brush{rtl::colors::White, rtl::BrushStyle::Solid});
    FillRect(c, s.Left, s.Top, s.Right, s.Top + s.Height);
    s.PaperMinHeight = rtl::TextHeightAt(c, 6);
    const Footnote foot = FootnoteUnder(c, OnScreen, layout, s.Width);
    const std::vector<std::string>& footnoteLines = foot.Lines;
    const px footnoteLineHeight = foot.LineHeight;
    const px h10 = foot.OneLine;
    s.Bottom = s.Top + s.Height - foot.Room;
    s.TableTop = OnScreen ? s.Top : s.Top + s.Height / 10;
    const px band = s.TableTop - s.Top;
    if (!OnScreen && !Picture.Empty())
        c.StretchDraw(rtl::Rect{Pix(s.Left), Pix(s.Top), Pix(s.Left + band), Pix(s.Top + band)},
                      Picture);
    c.SetPen(rtl::Pen{rtl::colors::Navy, 1, rtl::PenStyle::Solid});
    Line(c, s.Left, s.TableTop, s.Right, s.TableTop);

    const bool subHeading = HasSubHeading(layout);
    const px rows = SheetRows(n1, n2, n3, layout);
    s.RowHeight = Div(s.Bottom - s.TableTop, rows);
    c.SetFontSize(18);
    const px h18 = c.TextHeight("S");
    if (h18 < s.RowHeight) s.RowHeight = h18;
    c.SetFontSize(10);
    if (OnScreen) s.RowHeight = kScreenRowHeight;

    s.MidX = s.Left + s.Width / 2;
    s.LeftEnd = s.Left + RoundPx(static_cast<double>(s.Width) * 0.8) / 2;
    s.LeftCol = (s.LeftEnd - s.Left) / 3;
    s.RightCol = (s.MidX - s.Left) / 4;

    // Grid lines.
    Line(c, s.Left, s.TableTop + s.RowHeight, s.LeftEnd, s.TableTop + s.RowHeight);
    Line(c, s.MidX + s.RightCol, s.TableTop + s.RowHeight, s.Right, s.TableTop + s.RowHeight);
    // The splay list holds 40 cabinets; a longer table stops at its 41st
    // row below, so its lines need not go further.
    const px lastLine = std::min<px>(n1 + n2 + n3 + 3, kMaxCabinets + 3);
    for (px r = 2; r <= lastLine; ++r) {
        const px y = s.RowTop(r);
        Line(c, s.Left, y, s.MidX, y);
        Line(c, s.MidX, y, s.Right, y);
    }
    for (px x : {s.Left + s.LeftCol, s.Left + 2 * s.LeftCol, s.MidX + 2 * s.RightCol,
                 s.MidX + 3 * s.RightCol})
        Line(c, x, s.TableTop + s.RowHeight, x, s.Bottom);
    for (px x : {s.Left + 3 * s.LeftCol, s.MidX + s.RightCol}) Line(c, x, s.TableTop, x, s.Bottom);

    // Venue name and headings.
    c.SetFontName("Arial");
    FontHeight(c, s.RowHeight);
    if (!OnScreen) {
        // Right of the picture's square, 280 pixels in or more on a printer
        // fine enough for the square to be wider.
        const px margin = std::max<px>(280, band);
        const std::string& name = Venue.VenueName;
        const px room = s.Width - margin;
        if (c.TextWidth(name) > room) {
            px h = c.FontHeight();
            do {
                --h;
                FontHeight(c, h);
            } while (!(c.TextWidth(name) < room || h < 5 || h <= s.PaperMinHeight));
        }
        // A name too long even at 6 points is broken into lines.
        const std::vector<std::string> lines = rtl::BreakLines(c, name, room);
        const px lineHeight = c.TextHeight(name);
        px y = s.Top + Div(band - lineHeight * static_cast<px>(lines.size()), 2);
        for (const std::string& line : lines) {
            Text(c, s.Left + margin + Div(room - c.TextWidth(line), 2), y, line);
            y += lineHeight;
        }
    }
    px headingHeight;
    if (OnScreen) {
        headingHeight = RoundPx(static_cast<double>(s.RowHeight) * 0.8);
    } else {
        headingHeight = RoundPx(static_cast<double>(s.RowHeight) * 0.65);
        headingHeight = RoundPx(static_cast<double>(headingHeight) * 0.75);
    }
    FontHeight(c, headingHeight);
    s.OnPaper = !OnScreen;
    // The title over the left table, the group column, and the title over
    // the three channel columns; then one heading per column.
    s.Heading(s.Left + s.LeftCol, s.LeftCol, 3 * s.LeftCol, 0, "TILT AND SPLAY ANGLES");
    s.Heading(s.MidX - Div(s.RightCol, 2), s.RightCol, s.GroupRoom(), 0, "SPEAKER");
    s.Heading(s.MidX + 2 * s.RightCol, s.RightCol, 3 * s.RightCol, 0, "CONTROLLER O/P CHAN");
    s.Heading(s.Left, s.LeftCol, s.LeftCol, 1, "CAB");
    s.Heading(s.Left + s.LeftCol, s.LeftCol, s.LeftCol, 1, "ANGLE");
    s.Heading(s.Left + 2 * s.LeftCol, s.LeftCol, s.LeftCol, 1, "TYPE");
    s.Heading(s.MidX - Div(s.RightCol, 2), s.RightCol, s.GroupRoom(), 1, "O/P GROUP");
    const bool passiveActive =
        isType(TArrayType::Dovi) || isType(TArrayType::Elka) || isType(TArrayType::DoviElka);
    s.ChannelHeading(1, 1, passiveActive ? "Passive" : "LF");
    s.ChannelHeading(2, 1, passiveActive ? "Act LF" : "MF");
    s.ChannelHeading(3, 1, passiveActive ? "Act HF" : "HF");
    if (!OnScreen) FontHeight(c, RoundPx(static_cast<double>(headingHeight) * 1.25));

    if (layout != 0) {
        TLoudspeakerArray& a = *array;
        static const TSplay kNoSplay;
        const TSplay& splay = Venue.Splay ? *Venue.Splay : kNoSplay;
        const px N = (layout == 8 || layout == 9) ? n1 + n2 + n3 : n1 + n2;
        const bool flown = RigMode == 1;
        // Column 2 of a stacked run of six follows its own sequence.
        const bool stackedSix = Venue.RigMode == 2 && n1 == 6;
        bool marked = false;

        if (subHeading) {
            s.ChannelHeading(1, n1 + 2, "Passive");
            s.ChannelHeading(2, n1 + 2, "Act LF");
            s.ChannelHeading(3, n1 + 2, "Act HF");
        }

        for (px i = 1; i <= N; ++i) {
            rtl::CheckIndex(i, 1, kMaxCabinets);
            const px row = i + 1;
            const int32_t sel = static_cast<int32_t>(i);
            if (layout == 8) a.SelectCabinet(sel);

            std::string cab = Num(layout != 8 && i > n1 ? i - n1 : i);
            if (flown) {
                if (i == 1) cab = "1+Grid";
            } else if (i == N && layout != 3) {
                const px count = layout == 2 ? n1 : (layout == 9 ? N : n1 + n2);
                cab = Num(count) + "+Grid";
            }

            std::string angle;
            if (flown) {
                if (layout == 3)
                    a.SelectCabinet(sel - 1);
                else if (layout >= 4 && layout != 8)
                    a.SelectCabinet(sel);
                const TBox& box = Current(a);
                if (i == 1) {
                    double grid = splay.Angle[0];
                    if (layout == 8 && isType(TArrayType::Elka)) grid -= box.BottomFaceAngle;
                    angle = Fixed(grid);
                } else if (layout == 5 && box.ModelName == "Gira" && i == n1 + 1) {
                    // The first downfill cabinet hangs at its fixed junction.
                    angle = Fixed(box.JoinSplay) + "**";
                } else if (layout == 8 && i == n1 + 1) {
                    angle = Fixed(box.JoinSplay);
                } else if (layout == 9 && (i == n1 + 1 || i == n1 + n2 + 1)) {
                    // Under the subwoofers, and from Dovi to Elka, the joint
                    // is set by its angle (the design hangs a first Elka at
                    // its wedge, the array page's list sets 0 or the
                    // junction): the row reads the angle the array hangs at.
                    angle = Fixed(splay.Angle[i - 1]);
                } else if (isType(TArrayType::HobaBexa) && i == n1 + 1) {
                    // The subwoofers meet the compact cabinets at an angle of
                    // the shared allowed-angle table, no step of either model.
                    angle = Fixed(splay.Angle[i - 1]);
                } else if (layout == 4 && i == n1 + 1) {
                    // The joint under the upper model is set with that
                    // model's steps, as the design sets it: its label is
                    // the upper model's.
                    a.SelectCabinet(sel - 1);
                    angle = Current(a).SplayTexts[splay.ChoiceIndex[i - 1]];
                    a.SelectCabinet(sel);
                } else {
                    angle = box.SplayTexts[splay.ChoiceIndex[i - 1]];
                }
            } else if (layout != 3) {
                if (i == N) {
                    angle = a.GroundStackBar ? a.GroundStackBar->CurrentValueText() : std::string();
                } else if (layout == 8 && i == n1) {
                    a.SelectCabinet(sel + 1);
                    angle = Fixed(Current(a).JoinSplay);
                    a.SelectCabinet(sel);
                } else {
                    angle = Current(a).SplayTexts[splay.ChoiceIndex[i - 1]];
                }
            }
            const bool mark = (layout == 1 && isType(TArrayType::Arvo)) ||
                              (layout == 2 && isType(TArrayType::Rudd) && !flown) ||
                              ((layout == 4 || layout == 5) && flown &&
                               Current(a).ModelName == "Arvo");
            if (mark) {
                angle += " H*";
                marked = true;
            }
            s.CabCell(row, cab);
            s.AngleCell(row, angle);

            if (layout != 2 && layout != 8) a.SelectCabinet(sel);
            s.TypeCell(row, Current(a).ModelName);

            // Right table.
            const bool upper = i <= n1;
            switch (layout) {
                case 1:
                    if (upper) {
                        Patch p = FullSizePatch(n1 - i, "", "");
                        if (stackedSix) p.ch2 = StackedSixChannel(i, "");
                        s.PatchRow(row, p);
                    }
                    break;
                case 2:
                    s.GroupCell(row, "SUB");
                    break;
                case 3:
                    if (upper) {
                        s.GroupCell(row, "SUB");
                    } else {
                        Patch p = FullSizePatch(N - i, "", "");
                        if (stackedSix) p.ch2.clear();
                        s.PatchRow(row, p);
                    }
                    break;
                case 4:
                case 5:
                    if (upper) {
                        Patch p = FullSizePatch(n1 - i, "-vo", "-Arvo");
                        if (stackedSix) p.ch2 = StackedSixChannel(i, "-vo");
                        s.PatchRow(row, p);
                    } else if (layout == 4) {
                        Patch p = CompactPatch(N - i, n2);
                        if (stackedSix) p.ch2.clear();
                        s.PatchRow(row, p);
                    } else {
                        s.PatchRow(row, Patch{"A-Gira", "1-ra", "2-ra", "3-ra"});
                    }
                    break;
                case 6:
                case 7:
                case 9:
                    if (upper) {
                        if (layout == 6) {
                            Patch p = FullSizePatch(n1 - i, "-xa", "-Bexa");
                            if (stackedSix) p.ch2 = StackedSixChannel(i, "-xa");
                            s.PatchRow(row, p);
                        } else {
                            s.GroupCell(row, "SUB");
                        }
                    } else {
                        const px M = layout == 9 ? n2 + n3 : n2;
                        Patch p = MiniPatch(N - i, M, "-vi", "-Dovi");
                        if (stackedSix) p.ch2.clear();
                        s.PatchRow(row + 1, p);
                    }
                    break;
                case 8: {
                    Patch p = MiniPatch(N - i, n1 + n2, "", "");
                    if (Venue.RigMode == 2 && n1 + n2 == 6) p.ch2.clear();
                    s.PatchRow(row, p);
                    break;
                }
                default:
                    break;
            }
        }

        if (marked) {
            const int height = c.FontHeight();
            if (layout == 5) c.SetFontSize(8);
            const std::string note =
                layout == 5 ? kTiltBarFootnote : "*(H)ole or (S)lot in rear tilt bar";
            if (footnoteLines.size() > 1) {
                // On screen: the lines planned for it under the frame.
                for (std::size_t k = 0; k < footnoteLines.size(); ++k)
                    Text(c, s.Left + 2, s.Bottom + 1 + static_cast<px>(k) * footnoteLineHeight,
                         footnoteLines[k]);
            } else {
                // On paper the note is set smaller until it fits the band
                // under the table, inside the frame.
                const auto fits = [&] {
                    return c.TextWidth(note) <= s.Width - 4 && c.TextHeight(note) <= h10;
                };
                if (s.OnPaper && !fits()) {
                    px h = c.TextHeight(note);
                    while (!fits() && h > s.PaperMinHeight) FontHeight(c, --h);
                }
                Text(c, s.Left + 2, s.Bottom, note);
            }
            c.SetFontHeight(height);
        }
    }

    // Frame last, over the band and the footnotes.
    MoveTo(c, s.Left, s.Top);
    LineTo(c, s.Right, s.Top);
    LineTo(c, s.Right, s.Bottom);
    LineTo(c, s.Left, s.Bottom);
    LineTo(c, s.Left, s.Top);
}
