#pragma once
// A widget that shows a picture made elsewhere.  Drawing goes into the
// picture (an off-screen image); the paint event only copies it onto the
// screen.  A picture of the widget's size (in logical units: an image drawn
// at the screen's device pixel ratio holds ratio x size pixels) lands pixel
// for pixel; a picture of any other size is stretched to the widget.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace qtapp {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    // The picture's size in the widget's units (its pixels over its ratio).
    QSize PictureSize() const;
    // Takes a copy of `image` and schedules a repaint.
    void SetPicture(const QImage& image);
    // The whole picture, at the widget's size (at least 1 x 1), in one colour.
    void Fill(const QColor& color);
    // The colour of the picture at the widget's point (x, y), by default its
    // top-left pixel (invalid when empty or outside).
    QColor PixelColor(int x = 0, int y = 0) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace qtapp
