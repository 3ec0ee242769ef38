#include "platform/qtapp/readable_style.h"

#include <QApplication>
#include <QPainter>
#include <QPolygonF>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace qtapp {
namespace {

double LinearChannel(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * LinearChannel(rgb.red()) + 0.7152 * LinearChannel(rgb.green()) +
           0.0722 * LinearChannel(rgb.blue());
}

// How thick the focus ring is, in the widget's units.
constexpr double kRingWidth = 2.0;

// Where the desktop style draws arrows smaller than this, it keeps their size.
constexpr int kArrowWidth = 8;

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor DarkenedToRead(const QColor& colour, double ratio, const std::vector<QColor>& backgrounds) {
    const QColor rgb = colour.toRgb();
    const auto reads = [&](const QColor& c) {
        return std::all_of(backgrounds.begin(), backgrounds.end(),
                           [&](const QColor& b) { return ContrastRatio(c, b) >= ratio; });
    };
    // From the colour itself down to black, a 255th of its brightness at a time.
    for (int step = 255; step > 0; --step) {
        const QColor c(rgb.red() * step / 255, rgb.green() * step / 255, rgb.blue() * step / 255);
        if (reads(c)) return c;
    }
    return QColor(Qt::black);
}

ReadableStyle::ReadableStyle(std::vector<QColor> controlColours)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())),
      controlColours_(std::move(controlColours)) {}

std::vector<QColor> ReadableStyle::Backgrounds(const QPalette& palette) const {
    std::vector<QColor> b = controlColours_;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Disabled})
        for (QPalette::ColorRole r : {QPalette::Window, QPalette::Base, QPalette::Button})
            b.push_back(palette.color(g, r));
    return b;
}

QColor ReadableStyle::GreyedText(const QPalette& palette) const {
    return DarkenedToRead(palette.color(QPalette::Disabled, QPalette::Text), 4.5, Backgrounds(palette));
}

QColor ReadableStyle::FocusColour(const QPalette& palette) const {
    std::vector<QColor> around = Backgrounds(palette);
    // The ring lies over the frames of edits and lists too.
    around.push_back(palette.color(QPalette::Active, QPalette::Window).darker(140));
    around.push_back(palette.color(QPalette::Active, QPalette::Mid));
    return DarkenedToRead(palette.color(QPalette::Active, QPalette::Highlight), 3.0, around);
}

void ReadableStyle::polish(QPalette& palette) {
    QProxyStyle::polish(palette);
    const QColor greyed = GreyedText(palette);
    for (QPalette::ColorRole r : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, r, greyed);
}

void ReadableStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // The style's own focus marks wait for the first Tab of a window: this
    // look shows the focus from the start, however it came.
    if (widget->isWindow()) widget->setAttribute(Qt::WA_KeyboardFocusChange);
}

void ReadableStyle::DrawFocusRing(const QStyleOption& option, QPainter* painter) const {
    if (option.rect.width() <= 2 * kRingWidth || option.rect.height() <= 2 * kRingWidth) return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(FocusColour(option.palette), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const double half = kRingWidth / 2;
    painter->drawRect(QRectF(option.rect).adjusted(half, half, -half, -half));
    painter->restore();
}

void ReadableStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    switch (element) {
    case PE_IndicatorArrowUp:
    case PE_IndicatorArrowDown:
    case PE_IndicatorArrowLeft:
    case PE_IndicatorArrowRight: {
        // Solid, in the text colour of the control's state.
        const QRectF r = option->rect;
        const double across = std::min({r.width(), r.height(), double(kArrowWidth)});
        const double along = across / 2;
        const bool vertical = element == PE_IndicatorArrowUp || element == PE_IndicatorArrowDown;
        const QSizeF size = vertical ? QSizeF(across, along) : QSizeF(along, across);
        const QRectF a(r.center() - QPointF(size.width() / 2, size.height() / 2), size);
        QPolygonF triangle;
        switch (element) {
        case PE_IndicatorArrowUp:
            triangle << a.bottomLeft() << a.bottomRight() << QPointF(a.center().x(), a.top());
            break;
        case PE_IndicatorArrowDown:
            triangle << a.topLeft() << a.topRight() << QPointF(a.center().x(), a.bottom());
            break;
        case PE_IndicatorArrowLeft:
            triangle << a.topRight() << a.bottomRight() << QPointF(a.left(), a.center().y());
            break;
        default:
            triangle << a.topLeft() << a.bottomLeft() << QPointF(a.right(), a.center().y());
            break;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(QPalette::WindowText));
        painter->drawPolygon(triangle);
        painter->restore();
        return;
    }
    case PE_FrameFocusRect:
        DrawFocusRing(*option, painter);
        return;
    case PE_FrameLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state & State_HasFocus) DrawFocusRing(*option, painter);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
}

void ReadableStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!(option->state & State_HasFocus)) return;
    // A push button, a framed view (a grid), the page tab shown.
    if (element == CE_PushButton || element == CE_ShapedFrame ||
        (element == CE_TabBarTab && (option->state & State_Selected)))
        DrawFocusRing(*option, painter);
}

void ReadableStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if ((control == CC_ComboBox || control == CC_SpinBox) && (option->state & State_HasFocus))
        DrawFocusRing(*option, painter);
}

void UseReadableStyle(std::vector<QColor> controlColours) {
    QApplication::setStyle(new ReadableStyle(std::move(controlColours)));
}

}  // namespace qtapp
