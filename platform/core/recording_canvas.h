#pragma once
// A canvas that draws nothing and remembers every operation together with
// the pen, brush and font in force at that moment, for tests of drawings.
//
// Text metrics are fixed and fake, so that a drawing's geometry depends only
// on the model and not on the fonts of the machine. With h = |FontHeight()|
// (the font height in pixels, 13 for 10 points at 96 dpi):
//   TextHeight(s) = h
//   TextWidth(s)  = Round(0.6 × h × n) (halves up), n = code points of s
// Bold and the font name do not change them.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/core/canvas.h"

namespace rtl {

enum class OpKind {
    FillRect,
    MoveTo,
    LineTo,
    Polyline,
    Polygon,
    Rectangle,
    RoundRect,
    Ellipse,
    Arc,
    Pie,
    TextOut,
    StretchDraw,
    FloodFill,
};

const char* OpKindName(OpKind kind);

// One recorded operation. Which fields are used depends on the kind:
// - FillRect, Rectangle, Ellipse, StretchDraw: rect;
// - RoundRect: rect, corner (width, height);
// - MoveTo: points = {to};
// - LineTo: points = {from, to};
// - Polyline, Polygon: points;
// - Arc, Pie: rect, points = {start radial point, end radial point};
// - TextOut: points = {top-left}, text, textWidth, textHeight;
// - StretchDraw: rect, text = the picture's name, picture size in corner;
// - FloodFill: points = {seed}, surface.
struct CanvasOp {
    OpKind kind = OpKind::FillRect;
    Rect rect;
    std::vector<Point> points;
    Point corner;
    std::string text;
    int textWidth = 0;
    int textHeight = 0;
    Color surface;
    Pen pen;
    Brush brush;
    Font font;
    int fontSize = 0;  // points, from the font height and the dpi
};

// A straight piece of line as the pen drew it (LineTo, or one piece of a
// polyline), with that operation's pen.
struct Segment {
    Point from;
    Point to;
    Pen pen;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width = 800, int height = 600, int dpi = 96);

    int Dpi() const override { return dpi_; }
    Rect ClipRect() const override { return Rect{0, 0, width_, height_}; }
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    const std::vector<CanvasOp>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }

    std::vector<const CanvasOp*> OfKind(OpKind kind) const;
    size_t Count(OpKind kind) const;
    // Texts written, in order.
    std::vector<std::string> Texts() const;
    // The first TextOut of exactly this text, or nullptr.
    const CanvasOp* FindText(const std::string& text) const;
    // Every TextOut of exactly this text.
    std::vector<const CanvasOp*> FindTexts(const std::string& text) const;
    // Every line piece drawn by LineTo and Polyline, in order.
    std::vector<Segment> Segments() const;
    // Whether some LineTo or polyline piece joins a and b (either way).
    bool HasSegment(Point a, Point b) const;

protected:
    void DoFillRect(const Rect& r) override;
    void DoMoveTo(Point to) override;
    void DoLine(Point from, Point to) override;
    void DoPolyline(std::span<const Point> points) override;
    void DoPolygon(std::span<const Point> points) override;
    void DoRectangle(const Rect& r) override;
    void DoRoundRect(const Rect& r, int cornerWidth, int cornerHeight) override;
    void DoEllipse(const Rect& r) override;
    void DoArc(const Rect& r, Point start, Point end, bool pie) override;
    void DoTextOut(int x, int y, const std::string& text) override;
    void DoStretchDraw(const Rect& r, const Picture& picture) override;
    void DoFloodFill(int x, int y, Color surface) override;

private:
    CanvasOp& Record(OpKind kind);

    int width_;
    int height_;
    int dpi_;
    std::vector<CanvasOp> ops_;
};

}  // namespace rtl
