#pragma once
// The polar-to-Cartesian tool, which stays open beside the main window: an
// audience plane as horizontal length X and rise Y, or as slant distance R
// and angle A above the horizontal, with a sketch of the right-angled
// triangle.  Made once at start-up and kept, with its values, between
// showings.

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qtapp {
class PictureBox;
}
namespace rtl {
class Canvas;
class RasterCanvas;
}  // namespace rtl

class TForm3 : public QWidget {
public:
    explicit TForm3(QWidget* owner = nullptr);
    ~TForm3() override;

    // The main window hands over plane 1, 2 or 3 (length and height in the
    // units its venue page shows); R and A follow as by "GET R - A".
    void SetPoint(int plane, bool unitsFlag, double x, double y);

    // "GET X - Y", "GET R - A", "Close and Update".
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // The sketch of the current values on `canvas`, width by height pixels.
    // Values the triangle cannot be drawn from (X not above 0, Y below 0,
    // anything that does not fit the picture) give a blank sketch.
    void DrawDiagram(rtl::Canvas& canvas, int width, int height) const;
    // The same into Image1.
    void DrawDiagram();

    double PointX = 0.0;
    double PointY = 0.0;
    double PointR = 0.0;
    double PointA = 0.0;   // radians
    int PlaneNumber = 0;   // the plane "Close and Update" writes back; 0 before any
    bool UnitsFlag = true;

    // The main window's take-over of a plane, given its number.
    std::function<void(int plane)> TakePlane;

    qtapp::PictureBox* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* editX;
    QLineEdit* editY;
    QLineEdit* editR;
    QLineEdit* editA;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;

private:
    std::unique_ptr<rtl::RasterCanvas> FImage;
};
