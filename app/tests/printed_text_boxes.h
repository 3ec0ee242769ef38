#pragma once
// Printing through the window's Print button with every text recorded as the
// printer canvas drew it (its cell from the printer's own font metrics, its
// page and the block of the page it belongs to), and the check that a
// printed set reads whole: every text on the printable area and inside its
// block, no two texts on one another, none set below 6 pt.

#include <string>
#include <vector>

#include "platform/qt/qt_canvas.h"

struct TestWindow;

// Shows page `tab` (0 the venue page, 1 the array report) and presses Print
// with the job going into a PDF file; every text drawn, in drawing order.
std::vector<rtl::PrintedText> PrintPage(TestWindow& w, int tab);

// The smallest size a printed text may be set at.
inline constexpr int kSmallestPrintedPoints = 6;

// What keeps a printed set from reading whole, one line per fault:
// - a text whose cell leaves the printable area;
// - a text whose cell leaves its block's area;
// - two texts whose cells overlap on one page;
// - a text set below kSmallestPrintedPoints.
// Texts of nothing but blanks are no texts.
std::vector<std::string> PrintedTextFaults(const std::vector<rtl::PrintedText>& texts);

// The faults one a line, for a failure's message.
std::string Listed(const std::vector<std::string>& faults);

// A venue file's text: the hall of the printing tests with an array of
// `type` ("Arvo", "MIXArvoBexa", ...) of n1 and n2 cabinets, flown (rigMode
// 1) or ground-stacked (2).
std::string VenueDesign(const std::string& type, int n1, int n2, int rigMode);
