// The picture: the panel with the venue section, the array side view or the
// patch diagram, the strips laid over it, the layout of the window around
// it for the active page, and its painting.

#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QGroupBox>

#include <algorithm>

#include "background1.h"
#include "core/checked.h"
#include "core/rounding.h"
#include "form_build.h"
#include "model/venue.h"
#include "qt/qt_canvas.h"
#include "qtapp/guarded.h"
#include "qtapp/picturebox.h"
#include "venue_picture.h"

namespace {

using formbuild::Spec;

constexpr Spec<QWidget> kPanels[] = {
    {&TForm1::Panel1, "Panel1", nullptr, {}},
};
constexpr Spec<qtapp::PictureBox> kPictures[] = {
    {&TForm1::image1, "image1", nullptr, {}},
};

// The patch page: a panel over its diagram.
constexpr Spec<QWidget> kPatchPanels[] = {
    {&TForm1::Panel16, "Panel16", nullptr, {}},
};
constexpr Spec<qtapp::PictureBox> kPatchPictures[] = {
    {&TForm1::Image3, "Image3", nullptr, {}},
};

// The strips over the picture, placed by the paint road.
constexpr Spec<QWidget> kStrips[] = {
    {&TForm1::Panel14, "Panel14", nullptr, {0, 0, 400, 73}},
    {&TForm1::Panel22, "Panel22", nullptr, {0, 0, 320, 24}},
};
constexpr Spec<qtapp::PictureBox> kStripPictures[] = {
    {&TForm1::PaintBox2, "PaintBox2", nullptr, {0, 0, 400, 73}},
};
constexpr Spec<QRadioButton> kStripRadios[] = {
    {&TForm1::showupperrad, "showupperrad", nullptr, {2, 2, 150, 20}},
    {&TForm1::showlowerrad, "showlowerrad", nullptr, {160, 2, 150, 20}},
};

// A small picture for the drawings: a framed logo.
rtl::Picture LogoPicture(int w, int h, const std::string& name) {
    rtl::Picture p(w, h, rtl::colors::White, name);
    for (int x = 0; x < w; ++x) {
        p.Set(x, 0, rtl::colors::Navy);
        p.Set(x, h - 1, rtl::colors::Navy);
    }
    for (int y = 0; y < h; ++y) {
        p.Set(0, y, rtl::colors::Navy);
        p.Set(w - 1, y, rtl::colors::Navy);
    }
    return p;
}

}  // namespace

void TForm1::BuildPicture() {
    formbuild::Build(*this, this, kPanels);
    formbuild::Build(*this, Panel1, kPictures);
    image1->setCursor(Qt::CrossCursor);

    formbuild::Build(*this, ProcessorTab, kPatchPanels);
    formbuild::Build(*this, ProcessorTab, kPatchPictures);

    formbuild::Build(*this, this, kStrips);
    formbuild::Build(*this, Panel14, kStripPictures);
    formbuild::Build(*this, Panel22, kStripRadios);
    showupperrad->setChecked(true);
    Panel14->hide();
    Panel22->hide();

    Image2Picture = LogoPicture(263, 281, "Image2");
    Image5Picture = LogoPicture(64, 64, "Image5");
}

// --- layout --------------------------------------------------------------------

void TForm1::ArrangeAligned() {
    const int w = width();
    PagesToolBar->setGeometry(0, 0, w, kToolBarHeight);
    ArrangeToolBar();
    QRect area(0, kToolBarHeight, w, std::max(0, height() - kToolBarHeight));

    // The order of the platform's alignment: top, bottom, left, then the
    // client area takes what is left.
    struct Item {
        QWidget* widget;
        TAlign align;
        int size;
    };
    const Item items[] = {{PageControl1, PageControl1Align,
                           PageControl1Align == TAlign::Left ? FPageControlWidth : FPageControlHeight},
                          {Panel1, Panel1Align, FPanel1Height}};
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Client}) {
        for (const Item& it : items) {
            if (it.align != pass) continue;
            const int size = std::max(0, it.size);
            switch (pass) {
            case TAlign::Top: {
                const int h = std::min(size, area.height());
                it.widget->setGeometry(area.left(), area.top(), area.width(), h);
                area.setTop(area.top() + h);
                break;
            }
            case TAlign::Bottom: {
                const int h = std::min(size, area.height());
                it.widget->setGeometry(area.left(), area.bottom() + 1 - h, area.width(), h);
                area.setBottom(area.bottom() - h);
                break;
            }
            case TAlign::Left: {
                const int wl = std::min(size, area.width());
                it.widget->setGeometry(area.left(), area.top(), wl, area.height());
                area.setLeft(area.left() + wl);
                break;
            }
            case TAlign::Client:
                it.widget->setGeometry(area);
                break;
            default:
                break;
            }
        }
    }
    image1->setGeometry(0, 0, Panel1->width(), Panel1->height());
}

void TForm1::resizeEvent(QResizeEvent*) {
    ArrangeAligned();
    if (FReady) qtapp::RunGuarded([this] { ScreenResizeExecute(this); });
}

void TForm1::ScreenResizeExecute(QObject* sender) { FormPaint(sender); }

void TForm1::DrawVenueInto(int width, int height, bool redrawFlags, int selElement,
                           bool useImage2) {
    TVenueDrawCall call;
    call.Width = width;
    call.Height = height;
    for (int k = 0; k <= 10; ++k) call.ViewFlags[static_cast<std::size_t>(k)] = FViewFlags[k];
    if (redrawFlags)
        for (int k : {1, 3, 4, 5, 7}) call.ViewFlags[static_cast<std::size_t>(k)] = 0;
    call.SelElement = selElement;
    call.UseImage2 = useImage2;
    DrawVenueSection(*this, FVenueImage->Canvas(), call);
}

// --- painting -----------------------------------------------------------------

void TForm1::FormPaint(QObject*) {
    if (!FVenue) return;
    using rtl::CheckedAdd;
    const int page = PageControl1->currentIndex();
    const double dpiScale = screen() != nullptr ? screen()->logicalDotsPerInch() / 96.0 : 1.0;
    switch (page) {
    case 0: {
        PageControl1Align = TAlign::Bottom;
        FPageControlHeight = CheckedAdd(ArvoStrGrid->height(), 110);
        Panel1Align = TAlign::Client;
        ArrangeAligned();
        FVenueImage->SetSize(image1->width(), image1->height());
        // No cabinet is marked on this page.
        DrawVenueInto(Panel1->width(), Panel1->height(), false, 50, true);
        image1->SetPicture(FVenueImage->Image());
        Panel14->hide();
        SetupArrayControls();
        if (FNoDesign == 0) ShowRiggingLoads();
        break;
    }
    case 1: {
        PageControl1Align = TAlign::Left;
        FPageControlWidth = CheckedAdd(
            CheckedAdd(CheckedAdd(arvoGB->width(), BexaGB->width()), Panel7->width()), 6);
        Panel1Align = TAlign::Client;
        ArrangeAligned();
        FVenueImage->SetSize(image1->width(), image1->height());
        if (TLoudspeakerArray* a = FVenue->LSArray.get())
            a->DrawSideView(FVenueImage->Canvas(), true, true, Panel1->width(), Panel1->height(),
                            FMetric != 0, FRigMode, false, FHobaMatched != 0);
        image1->SetPicture(FVenueImage->Image());
        FSideViewImage->SetSize(gridimg->width(), gridimg->height());
        gridimg->SetPicture(FSideViewImage->Image());
        Panel14->hide();
        RedrawWithAngles();
        UpdateArrayPage();
        break;
    }
    case 2: {
        PageControl1Align = TAlign::Left;
        FPageControlWidth = rtl::Round(dpiScale * 315);
        Panel16->setGeometry(0, 0, ProcessorTab->width(), rtl::Round(dpiScale * 160));
        Image3->setGeometry(0, Panel16->height(), ProcessorTab->width(),
                            std::max(0, ProcessorTab->height() - Panel16->height()));
        Panel1Align = TAlign::Client;
        ArrangeAligned();
        FVenueImage->SetSize(image1->width(), image1->height());
        image1->SetPicture(FVenueImage->Image());
        break;
    }
    case 3:
        Panel1Align = TAlign::Top;
        FPanel1Height = rtl::Round(height() * 0.25);
        ArrangeAligned();
        break;
    default:
        break;
    }
}
