#include "platform/qtapp/picturebox.h"

#include <QPainter>

#include <algorithm>

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

QColor PictureBox::PixelColor(int x, int y) const {
    if (!picture_.valid(x, y)) return QColor();
    return picture_.pixelColor(x, y);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    p.drawImage(rect(), picture_);
}

}  // namespace qtapp
