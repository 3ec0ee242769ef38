#pragma once
// A widget that shows a picture made elsewhere.  Drawing goes into the
// picture (an off-screen image); the paint event only copies it onto the
// screen, stretched to the widget.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace qtapp {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    // Takes a copy of `image` and schedules a repaint.
    void SetPicture(const QImage& image);
    // The whole picture, at the widget's size (at least 1 x 1), in one colour.
    void Fill(const QColor& color);
    // The colour of the picture's top-left pixel (invalid when empty).
    QColor PixelColor(int x = 0, int y = 0) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace qtapp
