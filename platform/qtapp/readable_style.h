#pragma once
// The look every window of the program shares, over the desktop's own style:
// what it greys can still be read, and the control that has the focus shows
// it plainly, from the first moment and however it came there.
//
// - Greyed text (labels, edits, lists, buttons) is the lightest shade of the
//   desktop's greyed colour that reads at 4.5:1 on each colour a control
//   can have: the palette's window, base and button colours and the colours
//   the program gives its controls itself.  Lit text stays as it was, so a
//   greyed value still looks greyed.
// - Arrows (up/downs, lists) are drawn solid in their text colour, lit or
//   greyed, where the desktop style would fade them.
// - The focus is a solid ring in the focus colour, the palette's highlight
//   darkened to 3:1 on those colours and on the frames' outline: around a
//   focused edit or framed view, and wherever the style marks the focus
//   (buttons, tool buttons, radios, check boxes, tabs, a grid's cell).

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

#include <vector>

namespace qtapp {

// The contrast of two colours: (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances, the lighter on top.
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` darkened (its channels scaled down together) just far enough to
// read at `ratio` on each of `backgrounds`; `colour` itself when it already
// does.
QColor DarkenedToRead(const QColor& colour, double ratio, const std::vector<QColor>& backgrounds);

class ReadableStyle : public QProxyStyle {
public:
    // Over the style now in use; `controlColours` are the backgrounds the
    // program gives controls beyond the palette's own.
    explicit ReadableStyle(std::vector<QColor> controlColours);

    using QProxyStyle::polish;
    void polish(QPalette& palette) override;
    void polish(QWidget* widget) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The greyed text and the focus ring for `palette`.
    QColor GreyedText(const QPalette& palette) const;
    QColor FocusColour(const QPalette& palette) const;

private:
    std::vector<QColor> Backgrounds(const QPalette& palette) const;
    void DrawFocusRing(const QStyleOption& option, QPainter* painter) const;

    std::vector<QColor> controlColours_;
};

// Installs the look for the whole application (its style and the palette
// that follows from it).  Call once, after the application object exists
// and before any window is made.
void UseReadableStyle(std::vector<QColor> controlColours);

}  // namespace qtapp
