#include "platform/core/recording_canvas.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace rtl {

namespace {

// Code points of a UTF-8 text: every byte that is not a continuation byte.
long long CodePoints(const std::string& text) {
    long long n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

const char* OpKindName(OpKind kind) {
    switch (kind) {
        case OpKind::FillRect: return "FillRect";
        case OpKind::MoveTo: return "MoveTo";
        case OpKind::LineTo: return "LineTo";
        case OpKind::Polyline: return "Polyline";
        case OpKind::Polygon: return "Polygon";
        case OpKind::Rectangle: return "Rectangle";
        case OpKind::RoundRect: return "RoundRect";
        case OpKind::Ellipse: return "Ellipse";
        case OpKind::Arc: return "Arc";
        case OpKind::Pie: return "Pie";
        case OpKind::TextOut: return "TextOut";
        case OpKind::StretchDraw: return "StretchDraw";
        case OpKind::FloodFill: return "FloodFill";
    }
    return "?";
}

RecordingCanvas::RecordingCanvas(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi > 0 ? dpi : 96) {
    SetFontSize(8);
}

int RecordingCanvas::TextWidth(const std::string& text) {
    long long h = std::llabs(static_cast<long long>(FontHeight()));
    long long w = (6 * h * CodePoints(text) + 5) / 10;
    return w > INT32_MAX ? INT32_MAX : static_cast<int>(w);
}

int RecordingCanvas::TextHeight(const std::string&) {
    long long h = std::llabs(static_cast<long long>(FontHeight()));
    return h > INT32_MAX ? INT32_MAX : static_cast<int>(h);
}

CanvasOp& RecordingCanvas::Record(OpKind kind) {
    CanvasOp op;
    op.kind = kind;
    op.pen = GetPen();
    op.brush = GetBrush();
    op.font = GetFont();
    op.fontSize = FontSize();
    ops_.push_back(std::move(op));
    return ops_.back();
}

void RecordingCanvas::DoFillRect(const Rect& r) { Record(OpKind::FillRect).rect = r; }

void RecordingCanvas::DoMoveTo(Point to) { Record(OpKind::MoveTo).points = {to}; }

void RecordingCanvas::DoLine(Point from, Point to) { Record(OpKind::LineTo).points = {from, to}; }

void RecordingCanvas::DoPolyline(std::span<const Point> points) {
    Record(OpKind::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::DoPolygon(std::span<const Point> points) {
    Record(OpKind::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::DoRectangle(const Rect& r) { Record(OpKind::Rectangle).rect = r; }

void RecordingCanvas::DoRoundRect(const Rect& r, int cornerWidth, int cornerHeight) {
    CanvasOp& op = Record(OpKind::RoundRect);
    op.rect = r;
    op.corner = Point{cornerWidth, cornerHeight};
}

void RecordingCanvas::DoEllipse(const Rect& r) { Record(OpKind::Ellipse).rect = r; }

void RecordingCanvas::DoArc(const Rect& r, Point start, Point end, bool pie) {
    CanvasOp& op = Record(pie ? OpKind::Pie : OpKind::Arc);
    op.rect = r;
    op.points = {start, end};
}

void RecordingCanvas::DoTextOut(int x, int y, const std::string& text) {
    int w = TextWidth(text);
    int h = TextHeight(text);
    CanvasOp& op = Record(OpKind::TextOut);
    op.points = {Point{x, y}};
    op.text = text;
    op.textWidth = w;
    op.textHeight = h;
}

void RecordingCanvas::DoStretchDraw(const Rect& r, const Picture& picture) {
    CanvasOp& op = Record(OpKind::StretchDraw);
    op.rect = r;
    op.text = picture.name;
    op.corner = Point{picture.width, picture.height};
}

void RecordingCanvas::DoFloodFill(int x, int y, Color surface) {
    CanvasOp& op = Record(OpKind::FloodFill);
    op.points = {Point{x, y}};
    op.surface = surface;
}

std::vector<const CanvasOp*> RecordingCanvas::OfKind(OpKind kind) const {
    std::vector<const CanvasOp*> out;
    for (const CanvasOp& op : ops_)
        if (op.kind == kind) out.push_back(&op);
    return out;
}

size_t RecordingCanvas::Count(OpKind kind) const {
    size_t n = 0;
    for (const CanvasOp& op : ops_)
        if (op.kind == kind) ++n;
    return n;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const CanvasOp& op : ops_)
        if (op.kind == OpKind::TextOut) out.push_back(op.text);
    return out;
}

const CanvasOp* RecordingCanvas::FindText(const std::string& text) const {
    for (const CanvasOp& op : ops_)
        if (op.kind == OpKind::TextOut && op.text == text) return &op;
    return nullptr;
}

std::vector<const CanvasOp*> RecordingCanvas::FindTexts(const std::string& text) const {
    std::vector<const CanvasOp*> out;
    for (const CanvasOp& op : ops_)
        if (op.kind == OpKind::TextOut && op.text == text) out.push_back(&op);
    return out;
}

std::vector<Segment> RecordingCanvas::Segments() const {
    std::vector<Segment> out;
    for (const CanvasOp& op : ops_) {
        if (op.kind == OpKind::LineTo) {
            out.push_back(Segment{op.points[0], op.points[1], op.pen});
        } else if (op.kind == OpKind::Polyline) {
            for (size_t i = 1; i < op.points.size(); ++i)
                out.push_back(Segment{op.points[i - 1], op.points[i], op.pen});
        }
    }
    return out;
}

bool RecordingCanvas::HasSegment(Point a, Point b) const {
    for (const Segment& s : Segments())
        if ((s.from == a && s.to == b) || (s.from == b && s.to == a)) return true;
    return false;
}

}  // namespace rtl
