// What the window shows can be read from its pixels: a greyed value reads at
// 4.5:1 on its own colour and still looks greyed; the control that has the
// focus shows it at 3:1.  Contrast is the ratio of relative luminances
// (L1 + 0.05) / (L2 + 0.05) of sRGB colours, as the accessibility guidelines
// define it.  These tests run with every window test (scale 1) and again in
// the ctest entry app_tests_scale_2 (QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/tests/test_support.h"
#include "platform/qtapp/updown.h"

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb c) {
    return 0.2126 * Linear(qRed(c)) + 0.7152 * Linear(qGreen(c)) + 0.0722 * Linear(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The pixels of `area` (in `w`'s own units) as the screen shows them, the
// children and the overlapping siblings of `w` included.
QImage Shown(QWidget* w, QRect area) {
    QWidget* top = w->window();
    const QRect onTop(w->mapTo(top, area.topLeft()), area.size());
    return top->grab(onTop).toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour most of `image` has.
QRgb Commonest(const QImage& image) {
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y)];
    return std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })
        ->first;
}

// What a control's text (or glyph) shows on its colour: the colour, and
// the pixel of the most contrast on it.
struct Ink {
    QRgb paper = 0, ink = 0;
    double contrast = 1;
};
Ink InkOn(const QImage& image) {
    Ink r;
    r.paper = r.ink = Commonest(image);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const double c = Contrast(image.pixel(x, y), r.paper); c > r.contrast) {
                r.contrast = c;
                r.ink = image.pixel(x, y);
            }
    return r;
}

// Where a control writes its value: an edit inside its frame, a list in
// its edit field, an up/down's arrows inside each button's edge.
std::vector<std::pair<QWidget*, QRect>> ValueAreas(QWidget* c) {
    const auto inside = [](QWidget* w, int margin) {
        return std::pair<QWidget*, QRect>{w, w->rect().adjusted(margin, margin, -margin, -margin)};
    };
    if (auto* list = qobject_cast<QComboBox*>(c)) {
        QLineEdit* field = list->lineEdit();
        return {inside(field ? static_cast<QWidget*>(field) : list, field ? 0 : 3)};
    }
    if (auto* upDown = qobject_cast<qtapp::UpDown*>(c))
        return {inside(upDown->UpButton(), 2), inside(upDown->DownButton(), 2)};
    return {inside(c, 3)};
}

std::string Hex(QRgb c) { return QColor(c).name().toStdString(); }

// Every greyed edit, list and up/down now shown on the window's current
// page reads at 4.5:1 and still looks greyed: lighter than black by 2:1,
// where lit text is black.  Returns how many were looked at.
int ExpectGreyedValuesRead(TForm1& w) {
    QApplication::processEvents();
    int seen = 0;
    QWidget* page = w.PageControl1->currentWidget();
    for (QWidget* c : page->findChildren<QWidget*>()) {
        // A list's own edit field is looked at with its list.
        const bool value = qobject_cast<QLineEdit*>(c) != nullptr &&
                           qobject_cast<QComboBox*>(c->parentWidget()) == nullptr;
        if (!(value || qobject_cast<QComboBox*>(c) || qobject_cast<qtapp::UpDown*>(c))) continue;
        if (!c->isVisible() || c->isEnabled()) continue;
        if (auto* e = qobject_cast<QLineEdit*>(c); e && e->text().isEmpty()) continue;
        if (auto* l = qobject_cast<QComboBox*>(c); l && l->currentText().isEmpty()) continue;
        for (const auto& [part, area] : ValueAreas(c)) {
            const Ink ink = InkOn(Shown(part, area));
            SCOPED_TRACE(c->objectName().toStdString() + " " + Hex(ink.ink) + " on " + Hex(ink.paper));
            EXPECT_GE(ink.contrast, 4.5);
            EXPECT_GE(Contrast(ink.ink, qRgb(0, 0, 0)), 2.0);
            ++seen;
        }
    }
    return seen;
}

struct Shown1280 : TestWindow {
    explicit Shown1280(bool design = true) {
        ShowActive(*w);
        if (design) w->DesignTBut->click();
    }
};

// Every control of the window now shown that takes the focus shows it: the
// pixels over it and a little around it that its focus changes, by at
// least 3:1, are as many as a line along its width and height.  Returns
// how many controls were looked at.
int ExpectFocusSeen(TForm1& w) {
    QApplication::processEvents();
    int seen = 0;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->focusPolicy() == Qt::NoFocus || !c->isVisible() || !c->isEnabled() || c->focusProxy())
            continue;
        if (c->window() != &w || c->visibleRegion().isEmpty()) continue;
        SCOPED_TRACE(c->objectName().toStdString() + " " + c->metaObject()->className());
        const QRect area = c->rect().adjusted(-2, -2, 2, 2);
        c->clearFocus();
        QApplication::processEvents();
        const QImage unfocused = Shown(c, area);
        c->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        EXPECT_TRUE(c->hasFocus());
        const QImage focused = Shown(c, area);
        c->clearFocus();
        if (focused.size() != unfocused.size()) {
            ADD_FAILURE() << "the grabs differ in size";
            continue;
        }
        int changed = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (Contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3.0) ++changed;
        const QRect shown = c->visibleRegion().boundingRect();
        const double ratio = focused.width() / double(area.width());
        EXPECT_GE(changed, (shown.width() + shown.height()) * ratio);
        ++seen;
    }
    return seen;
}

}  // namespace

TEST(Legibility, GreyedValuesReadOnTheirColours) {
    const struct {
        const char* type;
        int n1, n2;
        bool stacked;
    } cases[] = {
        {"Arvo", 10, 0, false},       // money green lists, the sky-blue top angle
        {"Arvo", 6, 0, true},         // white lists and top angle, the sky-blue stack bar
        {"MIXArvoBexa", 6, 4, false}, // both boxes of rows
        {"Bexa", 6, 0, true},
        {nullptr, 0, 0, false},       // the venue page of the first design
    };
    for (const auto& c : cases) {
        Shown1280 t;
        if (!c.type) {
            EXPECT_GE(ExpectGreyedValuesRead(*t), 1);
            continue;
        }
        SCOPED_TRACE(std::string(c.type) + (c.stacked ? " stacked" : " flown"));
        t->FArrayType = c.type;
        t->FMixedChoice = std::string(c.type).starts_with("MIX");
        t->FNumBoxes1 = c.n1, t->FNumBoxes2 = c.n2;
        t->Recalculate();
        t->SetupArrayControls();
        t->ArrayTBut->click();
        if (c.stacked) t->stackrad->click();
        ASSERT_EQ(t->FAutoDesign, 1);
        ASSERT_FALSE(t->A0ed->isEnabled() && t->A0Cedit->isEnabled());
        // The rows' lists and the top angle's edit and up/down at least.
        EXPECT_GE(ExpectGreyedValuesRead(*t), c.n1 + c.n2 - 1 + 2);
    }
}

TEST(Legibility, EveryControlShowsItsFocus) {
    const struct {
        const char* name;
        bool design;
        QToolButton* TForm1::*page;
        bool stacked;
    } cases[] = {
        {"start-up", false, nullptr, false},
        {"venue page", true, &TForm1::VenTBut, false},
        {"array page flown", true, &TForm1::ArrayTBut, false},
        {"array page stacked, manual", true, &TForm1::ArrayTBut, true},
        {"patch page", true, &TForm1::RigTBut, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shown1280 t(c.design);
        ASSERT_TRUE(t->isActiveWindow());
        if (c.page) (t.w.get()->*c.page)->click();
        if (c.stacked) t->stackrad->click(), t->tbman->click();
        // The tool bar's buttons and the page's own controls.
        EXPECT_GE(ExpectFocusSeen(*t), 4);
    }
}
