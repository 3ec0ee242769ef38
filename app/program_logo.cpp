#include "app/program_logo.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

#include "app/fonts.h"
#include "platform/qt/qt_canvas.h"

QImage ProgramLogoImage(double pixelRatio) {
    const double ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QImage pm(static_cast<int>(std::ceil(kLogoWidth * ratio)),
              static_cast<int>(std::ceil(kLogoHeight * ratio)), QImage::Format_RGB32);
    pm.setDevicePixelRatio(ratio);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, kLogoHeight);
    g.setColorAt(0.0, QColor(10, 20, 60));
    g.setColorAt(1.0, QColor(0, 0, 0));
    p.fillRect(QRect(0, 0, kLogoWidth, kLogoHeight), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 140, 220, 160), 1));
    for (int i = 0; i < 14; ++i) p.drawLine(120, 40, 815, 20 + i * 13);
    p.setBrush(QColor(60, 60, 70));
    p.setPen(QColor(140, 140, 150));
    for (int i = 0; i < 6; ++i) p.drawRect(100 + i * 2, 30 + i * 21, 30, 20);
    p.setFont(WindowFont("Arial", 54, true));
    p.setPen(Qt::white);
    p.drawText(QRect(200, 30, 600, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Orandel"));
    p.setFont(WindowFont("Arial", 18));
    p.setPen(QColor(180, 200, 240));
    p.drawText(QRect(204, 100, 600, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Line array design and rigging"));
    return pm;
}

rtl::Picture ProgramLogoPicture(int width, int height, const std::string& name) {
    if (width <= 0 || height <= 0) return rtl::Picture();
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(Qt::white);
    const QImage logo = ProgramLogoImage().scaled(width, height, Qt::KeepAspectRatio,
                                                  Qt::SmoothTransformation);
    QPainter p(&out);
    p.drawImage((width - logo.width()) / 2, (height - logo.height()) / 2, logo);
    p.end();
    return rtl::ToPicture(out, name);
}
