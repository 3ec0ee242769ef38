#include "platform/qtapp/picturebox.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qtapp {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(const QImage& image) {
    picture_ = image;
    update();
}

void PictureBox::Fill(const QColor& color) {
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    image.fill(color);
    SetPicture(image);
}

// The size the picture was drawn for: its pixels are that size times the
// ratio, rounded up, so the division is rounded down (rounding it to the
// nearest would call a picture of 101 units at 1.25, 127 pixels, 102).
QSize PictureBox::PictureSize() const {
    const double r = picture_.devicePixelRatio();
    const auto logical = [r](int pixels) { return static_cast<int>(std::floor(pixels / r + 1e-6)); };
    return QSize(logical(picture_.width()), logical(picture_.height()));
}

QColor PictureBox::PixelColor(int x, int y) const {
    const double r = picture_.devicePixelRatio();
    const QPoint at(static_cast<int>(std::floor((x + 0.5) * r)), static_cast<int>(std::floor((y + 0.5) * r)));
    if (x < 0 || y < 0 || !picture_.valid(at)) return QColor();
    return picture_.pixelColor(at);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    if (PictureSize() == size())
        p.drawImage(QPointF(0, 0), picture_);
    else
        p.drawImage(rect(), picture_);
}

}  // namespace qtapp
