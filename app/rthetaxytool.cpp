#include "app/rthetaxytool.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "app/form_build.h"
#include "model/hardware/zmath.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/connect.h"
#include "platform/qtapp/picturebox.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kImageWidth = 153;
constexpr int kImageHeight = 105;
constexpr int kMargin = 25;

using formbuild::Named;

QString Shown(double v) { return QString::fromStdString(rtl::FormatFixed(v, 5, 1)); }

// Nearest integer, halves to even; nullopt when it does not fit an int.
std::optional<int> RoundToPixel(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 1.0e9) return std::nullopt;
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

TForm3::TForm3(QWidget* owner)
    // Above the main window by belonging to it (the main window adopts it);
    // a tool window's small caption with its close button only, so that the
    // title reads whole.
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      FImage(std::make_unique<rtl::RasterCanvas>(kImageWidth, kImageHeight)) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Polar to Cartesian"));
    setFixedSize(153, 221);

    Image1 = Named(new qtapp::PictureBox(this), "Image1");
    Image1->setGeometry(0, 0, kImageWidth, kImageHeight);
    struct Row {
        QLabel** label;
        const char* labelName;
        const char* caption;
        QLineEdit** edit;
        const char* editName;
        int x, y;
    };
    const Row rows[] = {
        {&Label1, "Label1", "X", &editX, "editX", 4, 110},
        {&Label2, "Label2", "Y", &editY, "editY", 4, 136},
        {&Label3, "Label3", "R", &editR, "editR", 78, 110},
        {&Label4, "Label4", "A", &editA, "editA", 78, 136},
    };
    for (const Row& r : rows) {
        *r.label = Named(new QLabel(QString::fromLatin1(r.caption), this), r.labelName);
        (*r.label)->setGeometry(r.x, r.y, 12, 22);
        *r.edit = Named(new QLineEdit(this), r.editName);
        (*r.edit)->setGeometry(r.x + 14, r.y, 56, 22);
    }
    BitBtn1 = Named(new QPushButton(QStringLiteral("GET X - Y"), this), "BitBtn1");
    BitBtn1->setGeometry(4, 164, 70, 24);
    BitBtn2 = Named(new QPushButton(QStringLiteral("GET R - A"), this), "BitBtn2");
    BitBtn2->setGeometry(78, 164, 70, 24);
    BitBtn3 = Named(new QPushButton(QStringLiteral("Close and Update"), this), "BitBtn3");
    BitBtn3->setGeometry(4, 192, 144, 24);

    qtapp::OnButtonClick(BitBtn1, this, [this] { BitBtn1Click(); });
    qtapp::OnButtonClick(BitBtn2, this, [this] { BitBtn2Click(); });
    qtapp::OnButtonClick(BitBtn3, this, [this] { BitBtn3Click(); });

    editX->setText(QStringLiteral("10"));
    editY->setText(QStringLiteral("10"));
}

TForm3::~TForm3() = default;

void TForm3::SetPoint(int plane, bool unitsFlag, double x, double y) {
    PlaneNumber = plane;
    UnitsFlag = unitsFlag;
    PointX = x;
    PointY = y;
    editX->setText(Shown(x));
    editY->setText(Shown(y));
    BitBtn2Click();
}

void TForm3::BitBtn2Click() {
    if (editX->text().isEmpty()) editX->setText(QStringLiteral("0"));
    if (editY->text().isEmpty()) editY->setText(QStringLiteral("0"));
    // Both are read before either is kept: a text that is no number leaves
    // every value, and the sketch, as they were.
    const double x = formbuild::EditNumber(editX);
    const double y = formbuild::EditNumber(editY);
    const double r = std::hypot(x, y);
    if (!std::isfinite(r))
        throw rtl::RuntimeError(1, "X " + editX->text().toStdString() + " and Y " +
                                       editY->text().toStdString() + " give no finite R");
    PointX = x;
    PointY = y;
    PointR = r;
    PointA = zmath::ArcTan2OfDoubles(PointY, PointX);
    editR->setText(Shown(PointR));
    editA->setText(Shown(PointA * 180.0 / kPi));
    DrawDiagram();
}

void TForm3::BitBtn1Click() {
    if (editA->text().isEmpty()) editA->setText(QStringLiteral("0"));
    if (editR->text().isEmpty()) editR->setText(QStringLiteral("0"));
    const double r = formbuild::EditNumber(editR);
    const double a = formbuild::EditNumber(editA);
    const double radians = a * kPi / 180.0;
    const double x = std::cos(radians) * r;
    const double y = std::sin(radians) * r;
    // An angle too large for its sine leaves no point to take.
    if (!std::isfinite(x) || !std::isfinite(y))
        throw rtl::RuntimeError(1, "R " + editR->text().toStdString() + " and A " +
                                       editA->text().toStdString() + " give no finite X and Y");
    PointR = r;
    PointA = radians;
    PointY = y;
    PointX = x;
    editX->setText(Shown(PointX));
    editY->setText(Shown(PointY));
    DrawDiagram();
}

void TForm3::BitBtn3Click() {
    if (PlaneNumber >= 1 && PlaneNumber <= 3 && TakePlane) TakePlane(PlaneNumber);
    hide();
}

void TForm3::DrawDiagram(rtl::Canvas& canvas, int width, int height) const {
    const int W = width, H = height;
    canvas.SetPenColor(rtl::colors::Black);
    canvas.SetBrushStyle(rtl::BrushStyle::Solid);
    canvas.SetBrushColor(rtl::colors::White);
    canvas.FillRect(0, 0, W, H);

    // The triangle needs a run to the right and a rise (or none).
    if (!(PointX > 0.0) || !(PointY >= 0.0) || !std::isfinite(PointX) || !std::isfinite(PointY))
        return;
    double s = (W - kMargin) / PointX;
    const std::optional<int> rise = RoundToPixel(s * PointY);
    if (!rise || *rise > H - kMargin) s = (H - kMargin) / PointY;
    const std::optional<int> sxr = RoundToPixel(s * PointX);
    const std::optional<int> syr = RoundToPixel(s * PointY);
    if (!sxr || !syr) return;
    const int sx = *sxr, sy = *syr;
    const std::optional<int> oxr = RoundToPixel((W - sx) / 2.0);
    const std::optional<int> oyr = RoundToPixel((H - sy) / 2.0);
    const float tanA = zmath::Tan(static_cast<float>(PointA));
    const std::optional<int> lift = RoundToPixel(tanA * PointX / 2.0 * s);
    if (!oxr || !oyr || !lift) return;
    const int ox = *oxr, oy = *oyr;
    const rtl::Point O{ox, H - oy};
    const rtl::Point F{ox + sx, H - oy};
    const rtl::Point P{ox + sx, H - oy - sy};

    canvas.SetPenColor(rtl::colors::Black);
    canvas.MoveTo(O.x, O.y);
    canvas.LineTo(P.x, P.y);
    canvas.SetPenColor(rtl::colors::Blue);
    canvas.MoveTo(O.x, O.y);
    canvas.LineTo(F.x, F.y);
    canvas.LineTo(P.x, P.y);

    canvas.SetFontName("arial");
    canvas.SetFontSize(6);
    canvas.SetFontColor(rtl::colors::Black);
    canvas.TextOut(ox + sx / 2, H - oy + 1, "x");
    canvas.TextOut(ox + sx + 5, H - oy - sy / 2 - canvas.TextHeight("y") / 2, "y");
    canvas.TextOut(ox + sx / 2 - canvas.TextWidth("R"), H - oy - *lift - canvas.TextHeight("R"),
                   "R");
    canvas.SetFontColor(rtl::colors::Red);
    canvas.TextOut(ox + sx / 4, H - oy + 1, "A");

    canvas.SetPenColor(rtl::colors::Blue);
    canvas.SetBrushColor(rtl::colors::Red);
    canvas.Polygon({O, rtl::Point{ox + sx / 2, H - oy - sy / 2}, rtl::Point{ox + sx / 2, H - oy}});
}

void TForm3::DrawDiagram() {
    DrawDiagram(*FImage, kImageWidth, kImageHeight);
    Image1->SetPicture(FImage->Image());
}
