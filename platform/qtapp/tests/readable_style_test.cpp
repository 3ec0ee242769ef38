// The colours of the shared look: contrast as the accessibility guidelines
// define it, and a colour darkened no further than it must be to read.

#include <gtest/gtest.h>

#include <QColor>

#include "platform/qtapp/readable_style.h"

TEST(ReadableStyle, ContrastOfKnownPairs) {
    const struct {
        QColor a, b;
        double ratio;
    } pairs[] = {
        {Qt::white, Qt::black, 21.0},
        {Qt::black, Qt::white, 21.0},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54},  // the lightest grey that reads on white
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0x80, 0x80, 0x80), Qt::white, 3.95},
        {QColor(0xbe, 0xbe, 0xbe), QColor(0xc0, 0xdc, 0xc0), 1.26},  // grey on money green
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.a.name().toStdString() + " on " + p.b.name().toStdString());
        EXPECT_NEAR(qtapp::ContrastRatio(p.a, p.b), p.ratio, 0.005);
    }
}

TEST(ReadableStyle, AColourIsDarkenedNoFurtherThanItMustBe) {
    const struct {
        QColor colour;
        double ratio;
        std::vector<QColor> on;
        QColor darkened;
    } cases[] = {
        {QColor(0x80, 0x80, 0x80), 4.5, {Qt::white}, QColor(0x76, 0x76, 0x76)},
        {QColor(0x80, 0x80, 0x80), 3.0, {Qt::white}, QColor(0x80, 0x80, 0x80)},  // reads already
        {QColor(0x80, 0x80, 0x80), 4.5, {Qt::white, QColor(0xa6, 0xca, 0xf0)}, QColor(0x53, 0x53, 0x53)},
        {QColor(0x80, 0x80, 0x80), 25.0, {Qt::white}, Qt::black},  // nothing reads: black
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        EXPECT_EQ(qtapp::DarkenedToRead(c.colour, c.ratio, c.on).name(), c.darkened.name());
    }
}
