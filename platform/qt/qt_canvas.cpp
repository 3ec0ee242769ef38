#include "platform/qt/qt_canvas.h"

#include <QDir>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPen>
#include <QPolygon>
#include <QRectF>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/core/errors.h"

namespace rtl {

namespace {

// Qt's rasteriser works in fixed point; coordinates far outside any page are
// pulled in so that a runaway scale cannot stall or overflow it.
constexpr int kCoordLimit = 1 << 22;

int Lim(int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }
QPoint Q(Point p) { return QPoint(Lim(p.x), Lim(p.y)); }

// The pixels a box covers are left..right-1; Qt strokes a rectangle from
// its left to its right edge inclusive, so the Qt box is one pixel smaller.
QRectF ShapeBox(const Rect& r) {
    double l = Lim(r.left), t = Lim(r.top), rr = Lim(r.right), b = Lim(r.bottom);
    return QRectF(l, t, rr - l - 1.0, b - t - 1.0);
}

// Windows draws a box given with its corners swapped as the same box.
Rect NormalBox(const Rect& r) {
    return Rect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr QRgb kRgbMask = 0x00FFFFFF;

// Runs `draw` with the painter moved by `shift` units right and down.
template <class Draw>
void Shifted(QPainter& p, double shift, Draw&& draw) {
    if (shift == 0.0) {
        draw();
        return;
    }
    p.save();
    p.translate(shift, shift);
    draw();
    p.restore();
}

}  // namespace

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }

Color FromQRgb(QRgb rgb) { return RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

QImage ToQImage(const Picture& picture) {
    if (picture.Empty()) return QImage();
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            Color c = picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.width) +
                                     static_cast<size_t>(x)];
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

Picture ToPicture(const QImage& image, const std::string& name) {
    if (image.isNull()) return Picture(0, 0, colors::White, name);
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height(), colors::White, name);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) picture.Set(x, y, FromQRgb(line[x]));
    }
    return picture;
}

QString ResolveFontFace(const std::string& name) {
    QString face = ToQString(name).trimmed();
    QString key = face.toLower();
    if (key == "arial" || key == "helvetica" || key == "ms sans serif" || key == "tahoma")
        return QStringLiteral("Liberation Sans");
    if (key == "times new roman") return QStringLiteral("Liberation Serif");
    if (key == "courier new") return QStringLiteral("Liberation Mono");
    if (face.isEmpty()) return QStringLiteral("Liberation Sans");
    return face;
}

QFont ToQFont(const Font& font, int dpi) {
    QFont f(ResolveFontFace(font.name));
    f.setBold(font.bold);
    f.setKerning(false);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    int height = font.height != 0 ? font.height : FontHeightFromPoints(8, dpi);
    int pixels;
    if (height < 0) {
        pixels = height == INT32_MIN ? INT32_MAX : -height;
    } else {
        // A positive height is the cell (ascent + descent); find the em size
        // that gives it, measured on a large reference size.
        QFont ref = f;
        ref.setPixelSize(1000);
        QFontMetricsF fm(ref);
        double cellPerEm = fm.height() > 0 ? fm.height() / 1000.0 : 1.0;
        pixels = static_cast<int>(std::lround(height / cellPerEm));
    }
    f.setPixelSize(std::clamp(pixels, 1, 100000));
    return f;
}

void FloodFillImage(QImage& image, QPoint seed, QRgb surface, QRgb fill, const QRect& clip) {
    QRect area = clip.intersected(image.rect());
    if (!area.contains(seed)) return;
    surface &= kRgbMask;
    fill &= kRgbMask;
    if (surface == fill) return;
    auto at = [&image](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(image.scanLine(y))[x]; };
    auto isSurface = [&](int x, int y) { return (at(x, y) & kRgbMask) == surface; };
    if (!isSurface(seed.x(), seed.y())) return;

    const QRgb paint = 0xFF000000u | fill;
    // Scan-line fill with an explicit stack of run starts: memory is bounded
    // by the runs of one picture, and there is no recursion.
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        QPoint p = stack.back();
        stack.pop_back();
        int y = p.y();
        if (!isSurface(p.x(), y)) continue;
        int xl = p.x();
        while (xl - 1 >= area.left() && isSurface(xl - 1, y)) --xl;
        int xr = p.x();
        while (xr + 1 <= area.right() && isSurface(xr + 1, y)) ++xr;
        for (int x = xl; x <= xr; ++x) at(x, y) = paint;
        for (int ny : {y - 1, y + 1}) {
            if (ny < area.top() || ny > area.bottom()) continue;
            bool inRun = false;
            for (int x = xl; x <= xr; ++x) {
                bool s = isSurface(x, ny);
                if (s && !inRun) stack.push_back(QPoint(x, ny));
                inRun = s;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// PainterCanvas

PainterCanvas::PainterCanvas(int dpi) : dpi_(dpi > 0 ? dpi : 96) {}

void PainterCanvas::PreparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setBackgroundMode(Qt::TransparentMode);
}

PainterCanvas::MeasuredFont& PainterCanvas::CurrentFont() {
    const Font& font = GetFont();
    const int deviceDpi = MetricsDevice()->logicalDpiY();
    for (auto& f : fonts_)
        if (f->font == font && f->deviceDpi == deviceDpi) return *f;
    // A drawing uses a handful of fonts; a canvas that has seen many starts
    // its list again.
    constexpr std::size_t kFontsKept = 32;
    if (fonts_.size() >= kFontsKept) fonts_.clear();
    QFont qfont = ToQFont(font, Dpi());
    QFontMetrics metrics(qfont, MetricsDevice());
    fonts_.push_back(std::make_unique<MeasuredFont>(
        MeasuredFont{font, deviceDpi, std::move(qfont), std::move(metrics), {}}));
    return *fonts_.back();
}

int PainterCanvas::WidthIn(MeasuredFont& f, const std::string& text) {
    if (const auto it = f.widths.find(text); it != f.widths.end()) return it->second;
    constexpr std::size_t kWidthsKept = 4096;
    if (f.widths.size() >= kWidthsKept) f.widths.clear();
    const int w = f.metrics.horizontalAdvance(ToQString(text));
    f.widths.emplace(text, w);
    return w;
}

int PainterCanvas::TextWidth(const std::string& text) { return WidthIn(CurrentFont(), text); }

int PainterCanvas::TextHeight(const std::string&) {
    const QFontMetrics& fm = CurrentFont().metrics;
    return fm.ascent() + fm.descent();
}

// Returns false when the pen draws nothing.
bool PainterCanvas::ApplyPen(QPainter& p) {
    const Pen& pen = GetPen();
    if (pen.style == PenStyle::Clear) {
        p.setPen(Qt::NoPen);
        return false;
    }
    int width = std::clamp(pen.width, 1, kCoordLimit);
    QPen qpen(ToQColor(pen.color));
    qpen.setWidth(width);
    if (width > 1) {
        // Windows wide pens: round ends and joins, always solid.
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    } else {
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setJoinStyle(Qt::MiterJoin);
        if (pen.style == PenStyle::Dot) qpen.setDashPattern(QList<qreal>{3.0, 3.0});
    }
    p.setPen(qpen);
    return true;
}

void PainterCanvas::ApplyBrush(QPainter& p) {
    const Brush& brush = GetBrush();
    if (brush.style == BrushStyle::Clear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ToQColor(brush.color));
}

void PainterCanvas::DoFillRect(const Rect& r) {
    QPainter* p = Painter();
    if (!p) return;
    int l = Lim(r.left), t = Lim(r.top), rr = Lim(r.right), b = Lim(r.bottom);
    p->fillRect(QRect(l, t, rr - l, b - t), ToQColor(GetBrush().color));
}

// A one-pixel open line, dotted ones with their gaps.
void PainterCanvas::StrokeThin(QPainter& p, const QPolygon& poly) {
    const Pen& pen = GetPen();
    if (pen.style == PenStyle::Dot && GetBrush().style == BrushStyle::Solid) {
        // Opaque background mode: the gaps of a dotted line take the
        // brush colour.
        QPen gap(ToQColor(GetBrush().color));
        gap.setWidth(1);
        gap.setCapStyle(Qt::FlatCap);
        p.setPen(gap);
        p.drawPolyline(poly);
    }
    ApplyPen(p);
    p.drawPolyline(poly);
}

// Open lines as Windows draws them: a one-pixel pen leaves out the last
// pixel; a wide pen ends in a round cap at the end point itself.
void PainterCanvas::StrokeOpenPath(QPainter& p, std::span<const Point> points) {
    const Pen& pen = GetPen();
    if (pen.style == PenStyle::Clear || points.size() < 2) return;
    bool thin = pen.width <= 1;
    QPolygon poly;
    for (Point pt : points) poly << Q(pt);
    if (thin && FillsAsBox(p, poly)) {
        // A solid level or upright line on a picture of two device pixels a
        // unit covers the box its stroke would: one fill, no outline.
        const double l = std::min(poly[0].x(), poly[1].x()) + outlineShift_;
        const double t = std::min(poly[0].y(), poly[1].y()) + outlineShift_ - 0.5;
        const bool level = poly[0].y() == poly[1].y();
        const double length = std::abs(level ? poly[1].x() - poly[0].x() : poly[1].y() - poly[0].y());
        const QRectF box = level ? QRectF(l, t, length, 1.0) : QRectF(l - 0.5, t + 0.5, 1.0, length);
        if (length > 0) p.fillRect(box, ToQColor(pen.color));
    } else if (thin) {
        Shifted(p, outlineShift_, [&] { StrokeThin(p, poly); });
    } else {
        // Qt samples pixel centres against geometry on pixel corners; a wide
        // Windows line is centred on the pixels of its end points, so its
        // round caps reach equally far past both ends.
        ApplyPen(p);
        p.save();
        p.translate(0.5, 0.5);
        if (poly.size() == 2 && poly[0] == poly[1])
            p.drawPoint(poly[0]);
        else
            p.drawPolyline(poly);
        p.restore();
    }
}

bool PainterCanvas::FillsAsBox(const QPainter& p, const QPolygon& poly) const {
    if (poly.size() != 2 || GetPen().style != PenStyle::Solid || outlineShift_ != 0.5) return false;
    if (poly[0].x() != poly[1].x() && poly[0].y() != poly[1].y()) return false;
    const QPaintDevice* device = p.device();
    return device != nullptr && device->devicePixelRatio() == 2.0 && p.transform().isIdentity() &&
           !p.hasClipping();
}

void PainterCanvas::DoLine(Point from, Point to) {
    QPainter* p = Painter();
    if (!p) return;
    Point pts[2] = {from, to};
    StrokeOpenPath(*p, pts);
}

void PainterCanvas::DoPolyline(std::span<const Point> points) {
    QPainter* p = Painter();
    if (!p) return;
    StrokeOpenPath(*p, points);
}

void PainterCanvas::DoPolygon(std::span<const Point> points) {
    QPainter* p = Painter();
    if (!p) return;
    QPolygon poly;
    for (Point pt : points) poly << Q(pt);
    ApplyPen(*p);
    ApplyBrush(*p);
    Shifted(*p, outlineShift_, [&] { p->drawPolygon(poly, Qt::OddEvenFill); });
}

void PainterCanvas::DoRectangle(const Rect& r) {
    QPainter* p = Painter();
    if (!p) return;
    Rect n = NormalBox(r);
    if (n.right <= n.left || n.bottom <= n.top) return;
    ApplyPen(*p);
    ApplyBrush(*p);
    Shifted(*p, outlineShift_, [&] { p->drawRect(ShapeBox(n)); });
}

void PainterCanvas::DoRoundRect(const Rect& r, int cornerWidth, int cornerHeight) {
    QPainter* p = Painter();
    if (!p) return;
    Rect n = NormalBox(r);
    if (n.right <= n.left || n.bottom <= n.top) return;
    ApplyPen(*p);
    ApplyBrush(*p);
    Shifted(*p, outlineShift_, [&] {
        p->drawRoundedRect(ShapeBox(n), std::abs(Lim(cornerWidth)) / 2.0, std::abs(Lim(cornerHeight)) / 2.0,
                           Qt::AbsoluteSize);
    });
}

void PainterCanvas::DoEllipse(const Rect& r) {
    QPainter* p = Painter();
    if (!p) return;
    Rect n = NormalBox(r);
    if (n.right <= n.left || n.bottom <= n.top) return;
    ApplyPen(*p);
    ApplyBrush(*p);
    Shifted(*p, outlineShift_, [&] { p->drawEllipse(ShapeBox(n)); });
}

void PainterCanvas::DoArc(const Rect& box, Point start, Point end, bool pie) {
    QPainter* p = Painter();
    if (!p) return;
    Rect r = NormalBox(box);
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (GetPen().width <= 1 && ThinArc(*p, r, start, end, pie)) return;

    QRectF qbox = ShapeBox(r);
    double cx = qbox.center().x(), cy = qbox.center().y();
    double rx = std::max(qbox.width() / 2.0, 0.5), ry = std::max(qbox.height() / 2.0, 0.5);
    // Qt's arc angles are those of the ellipse's parameter, counter-clockwise
    // as seen on the screen; the radial points give directions, so each is
    // taken to the parameter of the point where its radial meets the ellipse.
    auto angle = [&](Point pt) {
        double dx = Lim(pt.x) - cx, dy = cy - Lim(pt.y);
        if (dx == 0 && dy == 0) return 0.0;
        double a = std::atan2(dy / ry, dx / rx) * 180.0 / M_PI;
        return a < 0 ? a + 360.0 : a;
    };
    double a0 = angle(start);
    double a1 = angle(end);
    double span = a1 - a0;
    if (span <= 0) span += 360.0;
    int start16 = static_cast<int>(std::lround(a0 * 16.0));
    int span16 = static_cast<int>(std::lround(span * 16.0));
    if (span16 <= 0) span16 = 360 * 16;
    ApplyPen(*p);
    if (pie) {
        ApplyBrush(*p);
        Shifted(*p, outlineShift_, [&] { p->drawPie(qbox, start16, span16); });
    } else {
        p->setBrush(Qt::NoBrush);
        Shifted(*p, outlineShift_, [&] { p->drawArc(qbox, start16, span16); });
    }
}

// A one-pixel arc must lie on exactly the pixels of the ellipse of the same
// box, so that arcs and lines built into an outline close it for a flood
// fill. Qt's own arc rounds differently from its ellipse, so the ellipse
// (outline, and for a pie its interior) is drawn into a mask and only the
// pixels whose direction from the centre lies in the sector are kept.
// Returns false when the box is too large for a mask.
bool PainterCanvas::ThinArc(QPainter& p, const Rect& r, Point start, Point end, bool pie) {
    Rect clip = ClipRect();
    int ml = std::max(r.left, clip.left), mt = std::max(r.top, clip.top);
    int mr = std::min(r.right, clip.right), mb = std::min(r.bottom, clip.bottom);
    if (mr <= ml || mb <= mt) return true;  // nothing of it on the canvas
    // On a picture of more device pixels than units the mask has the
    // device's pixels, so that the arc lies on the pixels of the ellipse
    // drawn at that ratio; the sector test takes each device pixel's centre
    // back to the drawing's units.
    const double ratio = p.device() != nullptr ? p.device()->devicePixelRatio() : 1.0;
    if (static_cast<double>(mr - ml) * (mb - mt) * ratio * ratio > 64.0 * 1024 * 1024) return false;

    // Pixel-index centre: Ellipse(10, 10, 20, 20) covers pixels 10..19.
    const double cx = (static_cast<double>(r.left) + r.right - 1) / 2.0;
    const double cy = (static_cast<double>(r.top) + r.bottom - 1) / 2.0;
    auto direction = [&](double x, double y) {
        double a = std::atan2(cy - y, x - cx) * 180.0 / M_PI;
        return a < 0 ? a + 360.0 : a;
    };
    const double a0 = direction(Lim(start.x), Lim(start.y));
    double span = direction(Lim(end.x), Lim(end.y)) - a0;
    if (span <= 0) span += 360.0;
    auto inSector = [&](double x, double y) {
        if (x == cx && y == cy) return true;
        double d = direction(x, y) - a0;
        if (d < 0) d += 360.0;
        return d <= span + 1e-9;
    };

    // The mask starts at the device pixel where the area starts.
    const int ox = static_cast<int>(std::floor(ml * ratio));
    const int oy = static_cast<int>(std::floor(mt * ratio));
    auto paintMasked = [&](bool fill, QColor colour) {
        QImage mask(static_cast<int>(std::ceil(mr * ratio - 1e-6)) - ox,
                     static_cast<int>(std::ceil(mb * ratio - 1e-6)) - oy, QImage::Format_ARGB32);
        mask.fill(Qt::transparent);
        {
            QPainter mp(&mask);
            PreparePainter(mp);
            mp.translate(-ox, -oy);
            mp.scale(ratio, ratio);
            mp.translate(outlineShift_, outlineShift_);
            if (fill) {
                mp.setPen(Qt::NoPen);
                mp.setBrush(colour);
            } else {
                QPen pen(colour);
                pen.setWidth(1);
                mp.setPen(pen);
                mp.setBrush(Qt::NoBrush);
            }
            mp.drawEllipse(ShapeBox(r));
        }
        // A device pixel's centre in the drawing's pixel-index units.
        auto unit = [ratio](int device, int origin) { return (device + origin + 0.5) / ratio - 0.5; };
        for (int y = 0; y < mask.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
            for (int x = 0; x < mask.width(); ++x)
                if (qAlpha(line[x]) != 0 && !inSector(unit(x, ox), unit(y, oy))) line[x] = 0;
        }
        mask.setDevicePixelRatio(ratio);
        p.drawImage(QPointF(ox / ratio, oy / ratio), mask);
    };

    if (pie && GetBrush().style == BrushStyle::Solid) paintMasked(true, ToQColor(GetBrush().color));
    if (GetPen().style == PenStyle::Clear) return true;
    paintMasked(false, ToQColor(GetPen().color));
    if (pie) {
        // The two radii, from where each radial meets the ellipse to the
        // centre pixel.
        const double rx = std::max((r.right - r.left - 1) / 2.0, 0.5);
        const double ry = std::max((r.bottom - r.top - 1) / 2.0, 0.5);
        auto onEllipse = [&](Point pt) {
            double dx = Lim(pt.x) - cx, dy = Lim(pt.y) - cy;
            if (dx == 0 && dy == 0) return QPoint(static_cast<int>(std::lround(cx + rx)), static_cast<int>(std::lround(cy)));
            double k = 1.0 / std::sqrt((dx / rx) * (dx / rx) + (dy / ry) * (dy / ry));
            return QPoint(static_cast<int>(std::lround(cx + k * dx)), static_cast<int>(std::lround(cy + k * dy)));
        };
        QPoint centre(static_cast<int>(std::floor(cx)), static_cast<int>(std::floor(cy)));
        QPolygon radii;
        radii << onEllipse(start) << centre << onEllipse(end);
        QPen pen(ToQColor(GetPen().color));
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        Shifted(p, outlineShift_, [&] { p.drawPolyline(radii); });
    }
    return true;
}

void PainterCanvas::DoTextOut(int x, int y, const std::string& text) {
    QPainter* p = Painter();
    if (!p) return;
    MeasuredFont& font = CurrentFont();
    const QFontMetrics& fm = font.metrics;
    int w = WidthIn(font, text);
    int h = fm.ascent() + fm.descent();
    x = Lim(x);
    y = Lim(y);
    if (GetBrush().style == BrushStyle::Solid && w > 0)
        p->fillRect(QRect(x, y, w, h), ToQColor(GetBrush().color));
    p->setFont(font.qfont);
    p->setPen(ToQColor(GetFont().color));
    p->drawText(QPoint(x, y + fm.ascent()), ToQString(text));
}

void PainterCanvas::DoStretchDraw(const Rect& r, const Picture& picture) {
    QPainter* p = Painter();
    if (!p || picture.Empty()) return;
    int l = Lim(r.left), t = Lim(r.top), rr = Lim(r.right), b = Lim(r.bottom);
    if (rr <= l || b <= t) return;
    p->drawImage(QRect(l, t, rr - l, b - t), ToQImage(picture));
}

// ---------------------------------------------------------------------------
// RasterCanvas

double ScreenPixelRatio() {
    const double r = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    return r > 0.0 && std::isfinite(r) ? r : 1.0;
}

namespace {

// A ratio a picture can be drawn at: from 1/8 to 8 device pixels a unit.
double UsableRatio(double r) { return std::isfinite(r) && r > 0.0 ? std::clamp(r, 0.125, 8.0) : 1.0; }

// See PainterCanvas::outlineShift_.
double OutlineShift(double ratio) { return ratio != 1.0 && ratio == std::floor(ratio) ? 0.5 : 0.0; }

// Device pixels that cover `logical` units: at least the whole drawing.
int DeviceLength(int logical, double ratio) {
    return static_cast<int>(std::ceil(static_cast<double>(logical) * ratio - 1e-6));
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height, int dpi, Color background, double pixelRatio)
    : PainterCanvas(dpi), ratio_(UsableRatio(pixelRatio)) {
    outlineShift_ = OutlineShift(ratio_);
    Resize(width, height, background);
    SetFontSize(8);
}

RasterCanvas::~RasterCanvas() { EndPainting(); }

void RasterCanvas::Resize(int width, int height, Color background) {
    width = std::clamp(width, 0, kCoordLimit);
    height = std::clamp(height, 0, kCoordLimit);
    if (!image_.isNull() && width_ == width && height_ == height) return;
    EndPainting();
    width_ = width;
    height_ = height;
    image_ = QImage(DeviceLength(width, ratio_), DeviceLength(height, ratio_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    int dotsPerMetre = static_cast<int>(std::lround(Dpi() / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(ToQColor(background));
}

void RasterCanvas::UnshareForCover() {
    if (painter_ || image_.isNull() || image_.isDetached()) return;
    QImage fresh(image_.size(), image_.format());
    fresh.setDevicePixelRatio(image_.devicePixelRatio());
    fresh.setDotsPerMeterX(image_.dotsPerMeterX());
    fresh.setDotsPerMeterY(image_.dotsPerMeterY());
    image_ = std::move(fresh);
}

void RasterCanvas::Clear(Color background) {
    EndPainting();
    UnshareForCover();
    image_.fill(ToQColor(background));
}

bool RasterCanvas::TakePicture(const QImage& picture) {
    if (picture.size() != image_.size() || picture.devicePixelRatio() != image_.devicePixelRatio() ||
        picture.format() != image_.format())
        return false;
    EndPainting();
    image_ = picture;
    return true;
}

void RasterCanvas::DoFillRect(const Rect& r) {
    // At a ratio whose device pixels do not end with the picture's edge the
    // last row and column may be only partly covered and keep their pixels.
    const bool wholePixels = width_ * ratio_ == image_.width() && height_ * ratio_ == image_.height();
    if (wholePixels && r.left <= 0 && r.top <= 0 && r.right >= width_ && r.bottom >= height_)
        UnshareForCover();
    PainterCanvas::DoFillRect(r);
}

void RasterCanvas::SetPixelRatio(double ratio) {
    ratio = UsableRatio(ratio);
    if (ratio == ratio_) return;
    ratio_ = ratio;
    outlineShift_ = OutlineShift(ratio_);
    const int w = width_, h = height_;
    width_ = -1;  // a new image
    Resize(w, h);
}

Rect RasterCanvas::ClipRect() const { return Rect{0, 0, width_, height_}; }

QPoint RasterCanvas::DevicePixel(int x, int y) const {
    auto at = [this](int v, int deviceLength) {
        const int d = static_cast<int>(std::floor((static_cast<double>(v) + 0.5) * ratio_));
        return std::clamp(d, 0, std::max(0, deviceLength - 1));
    };
    return QPoint(at(x, image_.width()), at(y, image_.height()));
}

void RasterCanvas::EndPainting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter* RasterCanvas::Painter() {
    if (image_.isNull()) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&image_)) {
            painter_.reset();
            return nullptr;
        }
        PreparePainter(*painter_);
    }
    return painter_.get();
}

const QImage& RasterCanvas::Image() {
    EndPainting();
    return image_;
}

Color RasterCanvas::PixelAt(int x, int y) {
    EndPainting();
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || image_.isNull()) throw RangeError();
    return FromQRgb(image_.pixel(DevicePixel(x, y)));
}

void RasterCanvas::DoFloodFill(int x, int y, Color surface) {
    if (GetBrush().style == BrushStyle::Clear) return;
    EndPainting();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Color fill = GetBrush().color;
    FloodFillImage(image_, DevicePixel(x, y), qRgb(surface.r, surface.g, surface.b),
                   qRgb(fill.r, fill.g, fill.b), image_.rect());
}

// ---------------------------------------------------------------------------
// PrinterCanvas

PrinterCanvas::PrinterCanvas(QPagedPaintDevice& device)
    : PainterCanvas(device.logicalDpiY()), device_(device), paged_(&device) {
    const bool begun = page_.begin(&device_);
    // A printer knows its page once the job has begun.
    pageWidth_ = device_.width();
    pageHeight_ = device_.height();
    if (begun) PreparePage(QPoint(0, 0));
    SetFontSize(8);
}

PrinterCanvas::PrinterCanvas(QImage& sheet, const QRect& page)
    : PainterCanvas(sheet.logicalDpiY()), device_(sheet) {
    pageWidth_ = std::max(page.width(), 0);
    pageHeight_ = std::max(page.height(), 0);
    if (page_.begin(&device_)) PreparePage(page.topLeft());
    SetFontSize(8);
}

PrinterCanvas::~PrinterCanvas() { EndDocument(); }

void PrinterCanvas::PreparePage(QPoint origin) {
    PreparePainter(page_);
    page_.translate(origin);
    page_.setClipRect(QRect(0, 0, pageWidth_, pageHeight_));
}

bool PrinterCanvas::NewPage() {
    if (InRasterLayer()) EndRasterLayer();
    if (!page_.isActive()) return false;
    if (paged_ == nullptr) return true;
    if (!paged_->newPage()) return false;
    ++pageIndex_;
    // The clip holds on every page.
    page_.setClipRect(QRect(0, 0, pageWidth_, pageHeight_));
    return true;
}

void PrinterCanvas::BeginBlock(std::string name, const Rect& area) {
    blockName_ = std::move(name);
    blockArea_ = area;
    // A drawing that reaches past its block is cut there, as at the page's
    // edge: it never covers its neighbours.
    const QRect page(0, 0, pageWidth_, pageHeight_);
    const QRect block(QPoint(area.left, area.top), QPoint(area.right, area.bottom));
    if (page_.isActive()) page_.setClipRect(page.intersected(block));
}

void PrinterCanvas::EndBlock() {
    blockName_.clear();
    blockArea_ = Rect{};
    if (page_.isActive()) page_.setClipRect(QRect(0, 0, pageWidth_, pageHeight_));
}

void PrinterCanvas::DoTextOut(int x, int y, const std::string& text) {
    PainterCanvas::DoTextOut(x, y, text);
    if (!recorder_) return;
    const QFont font = ToQFont(GetFont(), Dpi());
    QFontMetrics fm(font, MetricsDevice());
    const int w = fm.horizontalAdvance(ToQString(text));
    const int h = fm.ascent() + fm.descent();
    const double points = font.pixelSize() * 72.0 / Dpi();
    recorder_(PrintedText{text, Rect{x, y, x + w, y + h}, pageIndex_, points,
                          blockName_.empty() ? std::string("page") : blockName_, BlockArea(),
                          ClipRect()});
}

void PrinterCanvas::EndDocument() {
    if (InRasterLayer()) EndRasterLayer();
    if (page_.isActive()) page_.end();
}

void PrinterCanvas::StartLayerPainter() {
    layerPainter_ = std::make_unique<QPainter>();
    if (!layerPainter_->begin(&layerImage_)) {
        layerPainter_.reset();
        return;
    }
    PreparePainter(*layerPainter_);
    layerPainter_->translate(-layerArea_.left, -layerArea_.top);
}

void PrinterCanvas::BeginRasterLayer(const Rect& area) {
    if (InRasterLayer()) EndRasterLayer();
    Rect page = ClipRect();
    layerArea_ = Rect{std::clamp(area.left, page.left, page.right), std::clamp(area.top, page.top, page.bottom),
                      std::clamp(area.right, page.left, page.right), std::clamp(area.bottom, page.top, page.bottom)};
    if (layerArea_.Width() <= 0 || layerArea_.Height() <= 0) {
        layerImage_ = QImage();
        return;
    }
    layerImage_ = QImage(layerArea_.Width(), layerArea_.Height(), QImage::Format_RGB32);
    layerImage_.fill(Qt::white);
    StartLayerPainter();
}

void PrinterCanvas::EndRasterLayer() {
    if (!layerPainter_) return;
    layerPainter_->end();
    layerPainter_.reset();
    if (page_.isActive() && !layerImage_.isNull())
        page_.drawImage(QPoint(layerArea_.left, layerArea_.top), layerImage_);
}

QPainter* PrinterCanvas::Painter() {
    if (layerPainter_) return layerPainter_.get();
    return page_.isActive() ? &page_ : nullptr;
}

void PrinterCanvas::DoFloodFill(int x, int y, Color surface) {
    if (!layerPainter_ || GetBrush().style == BrushStyle::Clear) return;
    layerPainter_->end();
    layerPainter_.reset();
    Color fill = GetBrush().color;
    FloodFillImage(layerImage_, QPoint(x - layerArea_.left, y - layerArea_.top), qRgb(surface.r, surface.g, surface.b),
                   qRgb(fill.r, fill.g, fill.b), layerImage_.rect());
    StartLayerPainter();
}

// ---------------------------------------------------------------------------

std::string SaveTestPicture(const QImage& image, const std::string& name) {
    QString dir = qEnvironmentVariable("ORANDEL_TEST_PICTURES");
    if (dir.isEmpty()) dir = QStringLiteral(ORANDEL_TEST_PICTURE_DIR);
    if (!QDir().mkpath(dir)) return {};
    QString path = QDir(dir).filePath(ToQString(name) + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) return {};
    return path.toStdString();
}

}  // namespace rtl
