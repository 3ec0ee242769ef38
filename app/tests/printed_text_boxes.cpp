#include "app/tests/printed_text_boxes.h"

#include <algorithm>
#include <sstream>

#include <QTabWidget>

#include "app/tests/test_support.h"

std::vector<rtl::PrintedText> PrintPage(TestWindow& w, int tab) {
    w->PageControl1->setCurrentIndex(tab);
    std::vector<rtl::PrintedText> texts;
    w.services->RecordPrintedTexts([&texts](const rtl::PrintedText& t) { texts.push_back(t); });
    w.services->QueuePrintToPdf(QString::fromStdString(w.user.Path("out.pdf")));
    w->PrintTButClick();
    w.services->RecordPrintedTexts(nullptr);
    return texts;
}

std::string Listed(const std::vector<std::string>& faults) {
    std::string s;
    for (const std::string& f : faults) s += "\n  " + f;
    return s;
}

namespace {

bool Blank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch == ' ' || ch == '\t'; });
}

bool Inside(const rtl::Rect& inner, const rtl::Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const rtl::Rect& a, const rtl::Rect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

std::string Box(const rtl::Rect& r) {
    std::ostringstream s;
    s << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return s.str();
}

// A text and where it lies, for fault lines.
std::string Describe(const rtl::PrintedText& t) {
    std::ostringstream s;
    s << "\"" << t.text << "\" " << t.points << "pt " << Box(t.box) << " page " << t.page + 1
      << " in " << t.block << " " << Box(t.blockArea);
    return s.str();
}

}  // namespace

std::vector<std::string> PrintedTextFaults(const std::vector<rtl::PrintedText>& texts) {
    std::vector<const rtl::PrintedText*> shown;
    for (const rtl::PrintedText& t : texts)
        if (!Blank(t.text) && t.box.right > t.box.left) shown.push_back(&t);
    std::vector<std::string> faults;
    for (const rtl::PrintedText* t : shown) {
        if (!Inside(t->box, t->pageArea))
            faults.push_back("off the page: " + Describe(*t));
        if (t->points < kSmallestPrintedPoints - 0.05) faults.push_back("too small: " + Describe(*t));
        if (!Inside(t->box, t->blockArea))
            faults.push_back("out of its block: " + Describe(*t));
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        const rtl::PrintedText& a = *shown[i];
        for (size_t k = i + 1; k < shown.size(); ++k) {
            const rtl::PrintedText& b = *shown[k];
            // The same text drawn again in its place is one text.
            const bool redrawn = a.text == b.text && a.box == b.box;
            if (a.page == b.page && !redrawn && Overlap(a.box, b.box))
                faults.push_back("overlap: " + Describe(a) + " and " + Describe(b));
        }
    }
    return faults;
}

std::string VenueDesign(const std::string& type, int n1, int n2, int rigMode) {
    std::string s = "Hall\r\n-4\r\n" + type + "\r\n8\r\n16\r\n" + std::to_string(n1) + "\r\n" +
                    std::to_string(n2) + "\r\n";
    for (const char* v : {"12", "3", "30", "0", "12", "0", "2.5", "8", "3", "20", "4.5", "3",
                          "41.5", "1.4", "1.4", "1.4"})
        s += std::string(v) + "\r\n";
    s += "TRUE\r\nFRONT\r\n1\r\n1\r\n" + std::to_string(rigMode) + "\r\nFALSE\r\n350\r\nFALSE\r\n";
    for (int i = 0; i < 40; ++i)
        s += std::string(i == 0 ? "2" : i < n1 + n2 ? "1" : "0") + "\r\n0\r\n";
    return s;
}
