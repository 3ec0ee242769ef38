#pragma once
// Window fonts by the names the windows were laid out with ("MS Sans Serif",
// "Arial"), on the metric-compatible faces this system has.

#include <QFont>

#include "platform/qt/qt_canvas.h"

// `pixels`: the character height in pixels (the layout's negative font
// height).
inline QFont WindowFont(const char* face, int pixels, bool bold = false) {
    QFont f(rtl::ResolveFontFace(face));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
