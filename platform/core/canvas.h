#pragma once
// The drawing surface every picture of the program is drawn on: a screen
// image, the printer's page or, in tests, a recording.
//
// The canvas is stateful in the manner of the Windows device context the
// pictures were designed for: pen, brush and font stay set between calls,
// a drawing changes them freely and never restores them, and later drawings
// rely on what an earlier one left (a font colour, a pen width).
//
// Pixel conventions (the pictures' geometry depends on them):
// - integer pixel coordinates, x to the right, y downwards;
// - a box (FillRect, Rectangle, RoundRect, Ellipse, Arc, Pie) covers its left
//   and top edge but not its right and bottom edge: (0, 0, 10, 10) covers
//   pixels 0..9;
// - LineTo does not paint its end pixel with a one-pixel pen;
// - pens wider than one pixel have round caps and round joins;
// - shapes are not anti-aliased: colours stay exact and a flood fill stops
//   at a one-pixel outline;
// - font sizes in points are converted through the device's dots per inch.
//
// A new canvas has a black solid pen of width 1, a white solid brush and the
// font Arial 8 pt in black, regular.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace rtl {

struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

// From red, green and blue; each component is limited to 0..255.
constexpr Color RgbColor(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Color{clamp(r), clamp(g), clamp(b)};
}

// From a Windows colour value 0x00BBGGRR (0x0000FF is red). The top byte is
// ignored.
constexpr Color WinColor(uint32_t bgr) {
    return Color{static_cast<uint8_t>(bgr & 0xFF), static_cast<uint8_t>((bgr >> 8) & 0xFF),
                 static_cast<uint8_t>((bgr >> 16) & 0xFF)};
}

// Back to 0x00BBGGRR.
constexpr uint32_t ToWinColor(Color c) {
    return static_cast<uint32_t>(c.r) | (static_cast<uint32_t>(c.g) << 8) |
           (static_cast<uint32_t>(c.b) << 16);
}

// The colours the pictures use by name.
namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Lime{0, 255, 0};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Navy{0, 0, 128};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Silver{192, 192, 192};
inline constexpr Color Grey{128, 128, 128};
inline constexpr Color Cream{255, 251, 240};
inline constexpr Color SkyBlue{166, 202, 240};
inline constexpr Color MoneyGreen{192, 220, 192};
}  // namespace colors

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend constexpr bool operator==(Rect, Rect) = default;
};

// The smallest rectangle holding both.
constexpr Rect Union(Rect a, Rect b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// Dot is the Windows dotted pen: 3 pixels on, 3 off, the gaps painted in
// the brush colour when the brush is solid. Clear draws no outline.
enum class PenStyle { Solid, Dot, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
    Color color = colors::Black;
    int width = 1;  // pixels; 0 and below draw as 1
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = colors::White;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// height follows the Windows font height: negative is the character (em)
// height in pixels, which is what a size in points gives; positive is the
// cell height (ascent + descent); 0 is the default size.
struct Font {
    std::string name = "Arial";
    int height = 0;
    bool bold = false;
    Color color = colors::Black;
    friend bool operator==(const Font&, const Font&) = default;
};

// A small picture handed to a drawing (a logo). Pixels row by row from the
// top left; `name` only identifies it in recordings.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;
    std::string name;

    Picture() = default;
    Picture(int w, int h, Color fill = colors::White, std::string pictureName = {});
    bool Empty() const { return width <= 0 || height <= 0; }
    // Both raise RangeError outside the picture.
    Color At(int x, int y) const;
    void Set(int x, int y, Color c);
};

// a + b held to the 32-bit range.
int SaturatedAdd(int a, int b);

// Windows MulDiv: a * b / c rounded half away from zero, -1 when c is 0.
int MulDiv(int a, int b, int c);

// The font height of a size in points on a device: -MulDiv(points, dpi, 72).
int FontHeightFromPoints(int points, int dpi);
// And back: -MulDiv(height, 72, dpi).
int PointsFromFontHeight(int height, int dpi);

// What a canvas carries from one drawing to the next besides its pixels:
// pen, brush, font and the pen's position.
struct CanvasState {
    Pen pen;
    Brush brush;
    Font font;
    Point penPos;
    friend bool operator==(const CanvasState&, const CanvasState&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    CanvasState State() const { return CanvasState{pen_, brush_, font_, penPos_}; }
    // Takes pen, brush, font and pen position as they are in `state`; draws nothing.
    void SetState(const CanvasState& state) {
        pen_ = state.pen;
        brush_ = state.brush;
        font_ = state.font;
        penPos_ = state.penPos;
    }

    // --- state ---------------------------------------------------------
    void SetPen(const Pen& pen) { pen_ = pen; }
    void SetPenColor(Color c) { pen_.color = c; }
    void SetPenWidth(int w) { pen_.width = w; }
    void SetPenStyle(PenStyle s) { pen_.style = s; }
    const Pen& GetPen() const { return pen_; }

    void SetBrush(const Brush& brush) { brush_ = brush; }
    void SetBrushColor(Color c) { brush_.color = c; }
    void SetBrushStyle(BrushStyle s) { brush_.style = s; }
    const Brush& GetBrush() const { return brush_; }

    void SetFont(const Font& font) { font_ = font; }
    void SetFontName(const std::string& name) { font_.name = name; }
    // Size in points, through the device's dpi: height = -MulDiv(pt, dpi, 72).
    void SetFontSize(int points) { font_.height = FontHeightFromPoints(points, Dpi()); }
    int FontSize() const { return PointsFromFontHeight(font_.height, Dpi()); }
    // Height in pixels with the Windows sign convention (see Font).
    void SetFontHeight(int height) { font_.height = height; }
    int FontHeight() const { return font_.height; }
    void SetFontBold(bool bold) { font_.bold = bold; }
    void SetFontColor(Color c) { font_.color = c; }
    const Font& GetFont() const { return font_; }

    Point PenPos() const { return penPos_; }

    // --- device --------------------------------------------------------
    virtual int Dpi() const = 0;
    // The area drawing can reach: the whole image or page.
    virtual Rect ClipRect() const = 0;

    // --- drawing -------------------------------------------------------
    // Fills the box with the brush (nothing when the brush is clear); no
    // outline.
    void FillRect(const Rect& r);
    void FillRect(int left, int top, int right, int bottom) { FillRect(Rect{left, top, right, bottom}); }
    void MoveTo(int x, int y);
    // From the pen position to (x, y), end pixel excluded; moves the pen
    // position there.
    void LineTo(int x, int y);
    // Connected lines through the points; the pen position is not used nor
    // changed.
    void Polyline(std::span<const Point> points);
    void Polyline(std::initializer_list<Point> points) { Polyline(std::span<const Point>(points.begin(), points.size())); }
    // Closed, filled with the brush (alternate rule), outlined with the pen.
    void Polygon(std::span<const Point> points);
    void Polygon(std::initializer_list<Point> points) { Polygon(std::span<const Point>(points.begin(), points.size())); }
    void Rectangle(int left, int top, int right, int bottom);
    // Corners are quarter ellipses cornerWidth by cornerHeight.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // An arc of the ellipse in the box, counter-clockwise as seen on the
    // canvas, from where the radial through (startX, startY) meets it to
    // where the radial through (endX, endY) meets it. The same start and
    // end give the whole ellipse.
    void Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    // The same arc closed by two radii to the centre, filled with the brush.
    void Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
    // Text with the top-left corner of its cell at (x, y) in the font colour;
    // the cell (TextWidth by TextHeight) is filled with the brush colour
    // first when the brush is solid. Like the Windows canvas, the pen
    // position moves to (x + TextWidth(text), y).
    void TextOut(int x, int y, const std::string& text);
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // The picture stretched into the box.
    void StretchDraw(const Rect& r, const Picture& picture);
    // The picture at its own size with its top-left corner at (x, y).
    void Draw(int x, int y, const Picture& picture);
    // Surface fill: when the pixel at (x, y) has the colour `surface`,
    // every pixel of that colour 4-connected to it becomes the brush
    // colour; any other colour at the seed, or a clear brush, changes
    // nothing. (A printer canvas fills only inside its raster layer.)
    void FloodFill(int x, int y, Color surface);

protected:
    // Implementations see each operation with the state already updated.
    virtual void DoFillRect(const Rect& r) = 0;
    virtual void DoMoveTo(Point) {}
    virtual void DoLine(Point from, Point to) = 0;
    virtual void DoPolyline(std::span<const Point> points) = 0;
    virtual void DoPolygon(std::span<const Point> points) = 0;
    virtual void DoRectangle(const Rect& r) = 0;
    virtual void DoRoundRect(const Rect& r, int cornerWidth, int cornerHeight) = 0;
    virtual void DoEllipse(const Rect& r) = 0;
    virtual void DoArc(const Rect& r, Point start, Point end, bool pie) = 0;
    virtual void DoTextOut(int x, int y, const std::string& text) = 0;
    virtual void DoStretchDraw(const Rect& r, const Picture& picture) = 0;
    virtual void DoFloodFill(int x, int y, Color surface) = 0;

private:
    Pen pen_;
    Brush brush_;
    Font font_;
    Point penPos_;
};

}  // namespace rtl
