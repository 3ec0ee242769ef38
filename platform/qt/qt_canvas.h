#pragma once
// The canvas on Qt: a raster canvas on a QImage (screen pictures) and a
// printer canvas on a QPrinter or QPdfWriter (paper), both drawing through a
// QPainter without anti-aliasing so that colours stay exact.

#include <QColor>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <QFont>
#include <QFontMetrics>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/canvas.h"

namespace rtl {

QColor ToQColor(Color c);
Color FromQRgb(QRgb rgb);
QImage ToQImage(const Picture& picture);
Picture ToPicture(const QImage& image, const std::string& name = {});

// The face a font name stands for on this system: the Windows faces the
// pictures name map to their metric-compatible Liberation faces ("Arial"
// to "Liberation Sans"); any other name is kept.
QString ResolveFontFace(const std::string& name);

// The QFont of a canvas font on a device of the given dpi: pixel size from
// the Windows height convention, no kerning, no anti-aliasing.
QFont ToQFont(const Font& font, int dpi);

// Surface fill on an image (4-connected, iterative): every pixel of colour
// `surface` connected to `seed` inside `clip` becomes `fill`. Nothing happens
// when the seed has another colour or lies outside.
void FloodFillImage(QImage& image, QPoint seed, QRgb surface, QRgb fill, const QRect& clip);

// Common part: every operation drawn with a QPainter.
class PainterCanvas : public Canvas {
public:
    int Dpi() const override { return dpi_; }
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

protected:
    explicit PainterCanvas(int dpi);

    // The painter the next operation draws with, begun and ready; nullptr
    // when nothing can be drawn (a device that would not open).
    virtual QPainter* Painter() = 0;
    // The device whose font metrics apply.
    virtual QPaintDevice* MetricsDevice() = 0;

    void DoFillRect(const Rect& r) override;
    void DoLine(Point from, Point to) override;
    void DoPolyline(std::span<const Point> points) override;
    void DoPolygon(std::span<const Point> points) override;
    void DoRectangle(const Rect& r) override;
    void DoRoundRect(const Rect& r, int cornerWidth, int cornerHeight) override;
    void DoEllipse(const Rect& r) override;
    void DoArc(const Rect& r, Point start, Point end, bool pie) override;
    void DoTextOut(int x, int y, const std::string& text) override;
    void DoStretchDraw(const Rect& r, const Picture& picture) override;

    // Makes a fresh painter ready for drawing the canvas way.
    static void PreparePainter(QPainter& painter);

    // The canvas's font as Qt draws it on the metrics device, its metrics
    // and the widths of the texts measured in it so far: a drawing sets
    // few fonts and measures and draws the same texts again and again.
    struct MeasuredFont {
        Font font;
        int deviceDpi = 0;
        QFont qfont;
        QFontMetrics metrics;
        std::unordered_map<std::string, int> widths;
    };
    MeasuredFont& CurrentFont();
    int WidthIn(MeasuredFont& f, const std::string& text);

    // How far outlines and shapes are moved, in the drawing's units, on a
    // picture of a whole number of device pixels a unit.  Qt centres a pen
    // on its coordinate; at one device pixel a unit it puts a one-pixel line
    // on the pixel right of and below it, which the canvas's pixel
    // conventions build on.  Moved by half a unit, a line at a whole ratio
    // covers exactly the device pixels of its unit, those that rectangles,
    // texts and flood fills take for it.  At a fractional ratio a unit has
    // no whole pixels to be moved onto: lines stay centred (0), as at one
    // pixel a unit.
    double outlineShift_ = 0.0;

private:
    bool ApplyPen(QPainter& p);
    void ApplyBrush(QPainter& p);
    void StrokeThin(QPainter& p, const QPolygon& poly);
    void StrokeOpenPath(QPainter& p, std::span<const Point> points);
    // Whether a one-pixel line is drawn as the box its stroke covers.
    bool FillsAsBox(const QPainter& p, const QPolygon& poly) const;
    bool ThinArc(QPainter& p, const Rect& r, Point start, Point end, bool pie);

    int dpi_;
    std::vector<std::unique_ptr<MeasuredFont>> fonts_;
};

// The device pixel ratio of the screens the program shows its pictures on:
// the application's (the largest of its screens'), 1 without a GUI
// application.
double ScreenPixelRatio();

// A screen picture: draws into its own QImage (RGB32), 96 dpi unless told.
// A new canvas is white, with a black pen of width 1, a white solid brush and
// Arial 8 pt in black.
//
// The picture holds `pixelRatio` device pixels per unit of the drawing (by
// default the screen's ratio): the drawing and ClipRect keep their logical
// units, the image holds about ratio x size pixels and carries the ratio, so
// that lines and texts come out sharp on a scaled screen.  Pixel reads and
// flood fills address the device pixel under the centre of a logical pixel
// and work on the device pixels.
class RasterCanvas : public PainterCanvas {
public:
    RasterCanvas(int width, int height, int dpi = 96, Color background = colors::White,
                 double pixelRatio = ScreenPixelRatio());
    ~RasterCanvas() override;
    RasterCanvas(const RasterCanvas&) = delete;
    RasterCanvas& operator=(const RasterCanvas&) = delete;

    Rect ClipRect() const override;

    // The picture as drawn so far, with its device pixel ratio.
    const QImage& Image();
    // The colour of logical pixel (x, y); RangeError outside the picture.
    Color PixelAt(int x, int y);
    double PixelRatio() const { return ratio_; }
    // A new ratio clears the picture to white; the same one keeps it.
    void SetPixelRatio(double ratio);
    // New size; the picture is cleared to `background`, the state is kept.
    // The same size keeps the picture too, so that a drawing that does not
    // clear draws over what is there.
    void Resize(int width, int height, Color background = colors::White);
    // The whole picture in one colour.
    void Clear(Color background = colors::White);
    // Shows `picture`, the picture of a canvas of this size and ratio (it is
    // shared, not copied, until the next drawing changes it).  False, and
    // nothing changes, when its size or ratio differ.
    bool TakePicture(const QImage& picture);

protected:
    QPainter* Painter() override;
    QPaintDevice* MetricsDevice() override { return &image_; }
    void DoFillRect(const Rect& r) override;
    void DoFloodFill(int x, int y, Color surface) override;

private:
    void EndPainting();
    // A drawing about to cover the whole picture while the picture is shared
    // (a picture box shows it) starts on a buffer of its own: a copy of
    // pixels it paints over would be wasted.
    void UnshareForCover();
    // The device pixel under the centre of logical pixel (x, y).
    QPoint DevicePixel(int x, int y) const;

    double ratio_ = 1.0;
    int width_ = 0;   // logical
    int height_ = 0;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

// The printer's page (QPrinter, or QPdfWriter for a PDF file), at the
// device's resolution. Painting begins in the constructor and ends with
// EndDocument or the destructor.
//
// Every drawing is clipped to the printable page (0, 0)-(PageWidth,
// PageHeight), as a printer clips: nothing lands in the margins or off the
// sheet, whatever a drawing's places.
//
// A printer's pixels cannot be read back, so FloodFill works only inside an
// off-screen raster layer: between BeginRasterLayer(area) and EndRasterLayer()
// everything is drawn into an image at the printer's resolution covering
// `area` (cleared white), which EndRasterLayer places on the page. Outside a
// layer FloodFill does nothing, as on a Windows printer.
// A text as a printer canvas drew it: its cell on the page (the device's
// own font metrics), the page it lies on (0 first) and the block of the
// page that was being drawn (its name and area; the whole page when none).
struct PrintedText {
    std::string text;
    Rect box;
    int page = 0;
    double points = 0;  // the font's size as drawn
    std::string block;
    Rect blockArea;
    Rect pageArea;
};

class PrinterCanvas : public PainterCanvas {
public:
    using TextRecorder = std::function<void(const PrintedText&)>;

    explicit PrinterCanvas(QPagedPaintDevice& device);
    // A page of `page.size()` whose top-left corner lies at `page.topLeft()`
    // of a sheet picture, at the sheet's resolution: what a drawing would
    // put beside the page stays visible on the sheet (a preview of where the
    // margins are).  Every page of the document is drawn on the same sheet.
    PrinterCanvas(QImage& sheet, const QRect& page);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    // False when the device could not be opened (nothing is drawn then).
    bool IsActive() const { return page_.isActive(); }
    int PageWidth() const { return pageWidth_; }
    int PageHeight() const { return pageHeight_; }
    Rect ClipRect() const override { return Rect{0, 0, pageWidth_, pageHeight_}; }

    bool NewPage();
    void EndDocument();

    void BeginRasterLayer(const Rect& area);
    void EndRasterLayer();
    bool InRasterLayer() const { return layerPainter_ != nullptr; }
    // The last layer placed on the page, for tests.
    const QImage& LastLayer() const { return layerImage_; }

    // The block of the page drawn from now on: a name and the area the
    // page's layout gives it (its right and bottom edges included, for its
    // frame), to which drawing is clipped.  EndBlock goes back to the whole
    // page.
    void BeginBlock(std::string name, const Rect& area);
    void EndBlock();
    const std::string& BlockName() const { return blockName_; }
    Rect BlockArea() const { return blockName_.empty() ? ClipRect() : blockArea_; }

    // Every text drawn from now on is handed to `recorder` too (tests).
    void SetTextRecorder(TextRecorder recorder) { recorder_ = std::move(recorder); }

protected:
    QPainter* Painter() override;
    QPaintDevice* MetricsDevice() override { return &device_; }
    void DoFloodFill(int x, int y, Color surface) override;
    void DoTextOut(int x, int y, const std::string& text) override;

private:
    void PreparePage(QPoint origin);
    void StartLayerPainter();

    QPaintDevice& device_;
    QPagedPaintDevice* paged_ = nullptr;  // null for a sheet picture
    QPainter page_;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    Rect layerArea_;
    QImage layerImage_;
    std::unique_ptr<QPainter> layerPainter_;
    int pageIndex_ = 0;
    std::string blockName_;
    Rect blockArea_;
    TextRecorder recorder_;
};

// The block of a printed page drawn while it lives.
class PrintedBlock {
public:
    PrintedBlock(PrinterCanvas& canvas, std::string name, const Rect& area) : canvas_(canvas) {
        canvas_.BeginBlock(std::move(name), area);
    }
    ~PrintedBlock() { canvas_.EndBlock(); }
    PrintedBlock(const PrintedBlock&) = delete;
    PrintedBlock& operator=(const PrintedBlock&) = delete;

private:
    PrinterCanvas& canvas_;
};

// Saves a picture as PNG for a person to look at: into the folder named by
// the environment variable ORANDEL_TEST_PICTURES, else "test-pictures" in
// the build folder. `name` without extension. Returns the path written, or
// an empty string when it could not be written.
std::string SaveTestPicture(const QImage& image, const std::string& name);

}  // namespace rtl
