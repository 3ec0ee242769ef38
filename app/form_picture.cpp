// The picture: the panel with the venue section, the array side view or the
// patch diagram, the strips laid over it, the layout of the window around
// it for the active page, and its painting.

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

#include "app/background1.h"
#include "platform/core/checked.h"
#include "platform/core/rounding.h"
#include "app/form_build.h"
#include "venue/model/venue.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/program_logo.h"
#include "app/venue_picture.h"

#include "app/rules/array_height.h"
#include "model/arrays/arraytypes.h"
#include "model/details/hole_detail.h"
#include "venue/drawings/amp_patch.h"
#include "venue/drawings/splay_table.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/hardware/groundstackbar.h"
#include "app/rules/patch_strip.h"
#include "app/rules/picture_layout.h"
#include "app/rules/splay_steps.h"

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

// The controller settings over the patch page's table: the upper model's
// rows (A), the lower model's (B), the note.
constexpr Spec<QLabel> kSettingsLabels[] = {
    {&TForm1::headA, "headA", nullptr, {4, 2, 300, 16}},
    {&TForm1::StaticText1, "StaticText1", nullptr, {4, 18, 110, 16}},
    {&TForm1::H1com, "H1com", nullptr, {116, 18, 190, 16}},
    {&TForm1::StaticText2, "StaticText2", nullptr, {4, 34, 110, 16}},
    {&TForm1::H2com, "H2com", nullptr, {116, 34, 190, 16}},
    {&TForm1::StaticText3, "StaticText3", nullptr, {4, 50, 110, 16}},
    {&TForm1::H3com, "H3com", nullptr, {116, 50, 190, 16}},
    {&TForm1::headB, "headB", nullptr, {4, 68, 300, 16}},
    {&TForm1::StaticText1b, "StaticText1b", nullptr, {4, 84, 110, 16}},
    {&TForm1::h1comb, "h1comb", nullptr, {116, 84, 190, 16}},
    {&TForm1::StaticText2b, "StaticText2b", nullptr, {4, 100, 110, 16}},
    {&TForm1::h2comb, "h2comb", nullptr, {116, 100, 190, 16}},
    {&TForm1::StaticText3b, "StaticText3b", nullptr, {4, 116, 110, 16}},
    {&TForm1::h3comb, "h3comb", nullptr, {116, 116, 190, 16}},
    {&TForm1::contnote, "contnote", nullptr, {4, 134, 300, 24}},
};

// The controller settings' rows, the upper model's three then the lower
// model's: a setting's name and its comment.
struct SettingRow {
    QLabel* TForm1::*Name;
    QLabel* TForm1::*Comment;
};
constexpr SettingRow kSettingRows[] = {
    {&TForm1::StaticText1, &TForm1::H1com},   {&TForm1::StaticText2, &TForm1::H2com},
    {&TForm1::StaticText3, &TForm1::H3com},   {&TForm1::StaticText1b, &TForm1::h1comb},
    {&TForm1::StaticText2b, &TForm1::h2comb}, {&TForm1::StaticText3b, &TForm1::h3comb},
};

// The strip over the picture, placed by the paint road.
constexpr Spec<QWidget> kStrips[] = {
    {&TForm1::Panel14, "Panel14", nullptr, {0, 0, 400, 73}},
};
// The choice of a mixed array's patching diagram, on the patch page under
// the settings (ArrangePatchPage).
constexpr Spec<QWidget> kDiagramChoice[] = {
    {&TForm1::Panel22, "Panel22", nullptr, {0, 0, 320, 24}},
};
constexpr Spec<qtapp::PictureBox> kStripPictures[] = {
    {&TForm1::PaintBox2, "PaintBox2", nullptr, {0, 0, 400, 73}},
};
// The strip's row pictures, kept on the amplifier page.
constexpr Spec<qtapp::PictureBox> kRowPictures[] = {
    {&TForm1::r1highimg, "r1highimg", nullptr, {4, 4, 313, 89}},
    {&TForm1::r2highimg, "r2highimg", nullptr, {4, 97, 313, 89}},
    {&TForm1::r3highimg, "r3highimg", nullptr, {4, 190, 313, 89}},
};
constexpr Spec<QRadioButton> kStripRadios[] = {
    {&TForm1::showupperrad, "showupperrad", nullptr, {2, 2, 150, 20}},
    {&TForm1::showlowerrad, "showlowerrad", nullptr, {160, 2, 150, 20}},
};

}  // namespace

void TForm1::BuildPicture() {
    FRepaint = new qtapp::PostedCall(this, [this] { RepaintActivePage(); });
    FRelayout = new qtapp::PostedCall(this, [this] {
        if (!FReady || PagesToolBar->height() == FLaidOutToolBarHeight) return;
        ArrangeAligned();
        ScreenResizeExecute(this);
    });
    formbuild::Build(*this, this, kPanels);
    formbuild::Build(*this, Panel1, kPictures);
    image1->setCursor(Qt::CrossCursor);

    formbuild::Build(*this, ProcessorTab, kPatchPanels);
    formbuild::Build(*this, ProcessorTab, kPatchPictures);
    formbuild::Build(*this, Panel16, kSettingsLabels);
    contnote->setWordWrap(true);

    formbuild::Build(*this, this, kStrips);
    formbuild::Build(*this, ProcessorTab, kDiagramChoice);
    formbuild::Build(*this, Panel14, kStripPictures);
    formbuild::Build(*this, Panel22, kStripRadios);
    formbuild::Build(*this, AmpTab, kRowPictures);
    DrawRowPictures(PaintBox2->size());
    showupperrad->setChecked(true);
    Panel14->hide();
    Panel22->hide();

    // The printed pages' logos: the table's band square, and the venue
    // page's corner at half the splash's size.
    Image2Picture = ProgramLogoPicture(263, 281, "Image2");
    Image5Picture = ProgramLogoPicture(kLogoWidth / 2, kLogoHeight / 2, "Image5");

    // The pointer on the picture and the arrow keys on the window and the
    // splay grids edit the array; a row chosen in the first grid selects
    // its cabinet.
    image1->setMouseTracking(true);
    image1->installEventFilter(this);
    // The patch page's strip of row pictures answers the pointer too.
    PaintBox2->setMouseTracking(true);
    PaintBox2->installEventFilter(this);
    qtapp::OnRadioClick(showupperrad, this, [this] { showupperradClick(); });
    qtapp::OnRadioClick(showlowerrad, this, [this] { showlowerradClick(); });
    installEventFilter(this);
    for (QTableWidget* g : {ArvoStrGrid, BexaStrGrid, box3strgrid}) g->installEventFilter(this);
    // A page's scroll bars follow the size the page control gives it, also
    // when that changes after the window's layout (its tabs hidden or shown).
    for (QWidget* page : {VenueTab, ArrayTab, ProcessorTab, AmpTab, DEVTAB}) page->installEventFilter(this);
    connect(ArvoStrGrid, &QTableWidget::currentCellChanged, this,
            qtapp::Guarded(formbuild::UserChoice(this, [this](int row, int, int, int) {
                if (row >= 0) ArvoStrGridSelectCell(row);
            })));
}

// --- layout --------------------------------------------------------------------

namespace {

rules::Dock ToDock(TAlign a) {
    switch (a) {
    case TAlign::Top: return rules::Dock::Top;
    case TAlign::Bottom: return rules::Dock::Bottom;
    case TAlign::Left: return rules::Dock::Left;
    case TAlign::Client: return rules::Dock::Client;
    default: return rules::Dock::None;
    }
}

TAlign ToAlign(rules::Dock d, TAlign keep) {
    switch (d) {
    case rules::Dock::Top: return TAlign::Top;
    case rules::Dock::Bottom: return TAlign::Bottom;
    case rules::Dock::Left: return TAlign::Left;
    case rules::Dock::Client: return TAlign::Client;
    default: return keep;
    }
}

constexpr int kScrollBarThickness = 16;

}  // namespace

void TForm1::ArrangeAligned() {
    const int w = width();
    const int bar = ArrangeToolBar();
    FLaidOutToolBarHeight = bar;
    const rules::Box area{0, bar, w, std::max(0, height() - bar)};
    const std::vector<rules::Box> boxes = rules::DockLayout(
        area, {{ToDock(PageControl1Align),
                PageControl1Align == TAlign::Left ? FPageControlWidth : FPageControlHeight},
               {ToDock(Panel1Align), FPanel1Height}});
    if (PageControl1Align != TAlign::Custom)
        PageControl1->setGeometry(boxes[0].Left, boxes[0].Top, boxes[0].Width, boxes[0].Height);
    if (Panel1Align != TAlign::Custom)
        Panel1->setGeometry(boxes[1].Left, boxes[1].Top, boxes[1].Width, boxes[1].Height);
    image1->setGeometry(0, 0, Panel1->width(), Panel1->height());
    for (QWidget* page : {VenueTab, ArrayTab, ProcessorTab, AmpTab, DEVTAB}) ScrollPage(page);
}

// A page whose controls reach past what the page control shows gets scroll
// bars along its right and bottom edges; scrolling moves the page's controls.
void TForm1::ScrollPage(QWidget* page) {
    TPageScrollBars& bars = ScrollBarsOf(page);
    if (bars.H == nullptr) {
        bars.H = formbuild::Named(new QScrollBar(Qt::Horizontal, page),
                                  (page->objectName() + "HScroll").toStdString().c_str());
        bars.V = formbuild::Named(new QScrollBar(Qt::Vertical, page),
                                  (page->objectName() + "VScroll").toStdString().c_str());
        for (QScrollBar* b : {bars.H, bars.V}) {
            b->hide();
            connect(b, &QScrollBar::valueChanged, this,
                    qtapp::Guarded([this, page, h = bars.H, v = bars.V] {
                        ShiftPage(page, QPoint(h->value(), v->value()));
                    }));
        }
    }
    QScrollBar* h = bars.H;
    QScrollBar* v = bars.V;
    const QPoint offset = bars.Offset;
    // The controls' extent as placed, without the scrolling.
    QRect content;
    for (QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c != h && c != v && !c->isHidden()) content |= c->geometry().translated(offset);
    // The page's own size is known once the page control laid it out; before
    // that, the page control's less its tabs and frame.
    QSize view = page->size();
    if (!PageControl1->isVisible())
        view = QSize(PageControl1->width() - 4,
                     PageControl1->height() - PageControl1->tabBar()->sizeHint().height() - 4);
    const rules::ScrollPlan plan =
        rules::PlanScroll({view.width(), view.height()},
                          {content.right() + 1, content.bottom() + 1}, kScrollBarThickness);
    h->setGeometry(0, plan.Visible.Height, plan.Visible.Width, kScrollBarThickness);
    v->setGeometry(plan.Visible.Width, 0, kScrollBarThickness, plan.Visible.Height);
    h->setRange(0, plan.Range.Width);
    v->setRange(0, plan.Range.Height);
    h->setPageStep(std::max(1, plan.Visible.Width));
    v->setPageStep(std::max(1, plan.Visible.Height));
    h->setVisible(plan.Horizontal);
    v->setVisible(plan.Vertical);
    h->raise();
    v->raise();
    // A range that shrank has moved the values already; a page without bars
    // shows its controls where they were placed.
    ShiftPage(page, QPoint(plan.Horizontal ? h->value() : 0, plan.Vertical ? v->value() : 0));
}

TForm1::TPageScrollBars& TForm1::ScrollBarsOf(QWidget* page) {
    for (TPageScrollBars& b : FPageScrollBars)
        if (b.Page == page) return b;
    FPageScrollBars.push_back({page, nullptr, nullptr, {}});
    return FPageScrollBars.back();
}

void TForm1::ShiftPage(QWidget* page, QPoint to) {
    TPageScrollBars& bars = ScrollBarsOf(page);
    const QPoint from = bars.Offset;
    if (from == to) return;
    for (QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c != bars.H && c != bars.V) c->move(c->pos() + from - to);
    bars.Offset = to;
}

// The keyboard goes only where the user can see: a control that takes the
// focus in the scrolled-off part of a page scrolls the page to bring it in.
void TForm1::ScrollIntoView(QWidget* focused) {
    if (focused == nullptr) return;
    for (TPageScrollBars& bars : FPageScrollBars) {
        QWidget* page = bars.Page;
        if (bars.H == nullptr || !page->isAncestorOf(focused)) continue;
        const QRect r(focused->mapTo(page, QPoint(0, 0)), focused->size());
        const int visibleWidth = bars.V->isVisible() ? bars.V->x() : page->width();
        const int visibleHeight = bars.H->isVisible() ? bars.H->y() : page->height();
        if (bars.H->isVisible())
            bars.H->setValue(rules::OffsetShowing(bars.H->value(), bars.H->maximum(), visibleWidth,
                                                  r.left(), r.right() + 1));
        if (bars.V->isVisible())
            bars.V->setValue(rules::OffsetShowing(bars.V->value(), bars.V->maximum(), visibleHeight,
                                                  r.top(), r.bottom() + 1));
    }
}

void TForm1::resizeEvent(QResizeEvent*) {
    qtapp::RunGuarded([this] { ArrangeAligned(); });
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

void TForm1::RedrawPicture(const std::array<int, 11>& flags, bool useImage2, bool sizeImage) {
    ++FPaintRoadRuns;
    if (sizeImage) FVenueImage->SetSize(image1->width(), image1->height());
    TVenueDrawCall call;
    call.Width = Panel1->width();
    call.Height = Panel1->height();
    for (int k = 0; k <= 10; ++k) {
        const int f = flags[static_cast<std::size_t>(k)];
        call.ViewFlags[static_cast<std::size_t>(k)] = f >= 0 ? static_cast<uint8_t>(f) : FViewFlags[k];
    }
    call.SelElement = FSelElement;
    call.UseImage2 = useImage2;
    // The picture box lets go of the picture it shows, so that drawing over
    // the section does not copy it first; it shows the picture again however
    // the drawing ends.
    struct ShowAfterwards {
        qtapp::PictureBox& box;
        TOffscreenImage& image;
        ~ShowAfterwards() { box.SetPicture(image.Image()); }
    } show{*image1, *FVenueImage};
    image1->SetPicture(QImage());
    DrawVenueSection(*this, FVenueImage->Canvas(), call);
}

// --- painting -----------------------------------------------------------------

void TForm1::RequestRepaint() {
    if (FRepaint == nullptr || FPaintDepth > 0) return;
    FRepaint->Request();
}

// The venue page's picture is the section the recalculation drew, with its
// cabinet marks; the page paint would draw it without them.  The other pages
// show what the recalculation does not draw: their paint brings them up to
// date.
void TForm1::RepaintActivePage() {
    if (!FReady || PageControl1->currentIndex() == 0) return;
    FormPaint(this);
}

void TForm1::FormPaint(QObject*) {
    if (!FVenue) return;
    ++FPaintRoadRuns;
    // The routines below recalculate and would ask for this paint again;
    // what was asked for before is done once this paint is.
    struct Painting {
        TForm1& w;
        explicit Painting(TForm1& form) : w(form) { ++w.FPaintDepth; }
        ~Painting() {
            if (--w.FPaintDepth == 0 && w.FRepaint != nullptr) w.FRepaint->Cancel();
        }
    } painting(*this);
    const int page = PageControl1->currentIndex();
    const double dpi = screen() != nullptr ? screen()->logicalDotsPerInch() : 96.0;
    const rules::PageDock dock = rules::PageDockFor(
        page, dpi,
        {ArvoStrGrid->height(),
         rtl::CheckedAdd(rtl::CheckedAdd(arvoGB->width(), BexaGB->width()), Panel7->width()),
         height()});
    PageControl1Align = ToAlign(dock.PageAlign, PageControl1Align);
    if (dock.PageAlign == rules::Dock::Left) FPageControlWidth = dock.PageSize;
    if (dock.PageAlign == rules::Dock::Bottom) FPageControlHeight = dock.PageSize;
    Panel1Align = ToAlign(dock.PictureAlign, Panel1Align);
    if (dock.PictureAlign == rules::Dock::Top) FPanel1Height = dock.PictureSize;
    // The array is read where it is used: the redraws below rebuild it.
    switch (page) {
    case 0: {
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
        ArrangeAligned();
        // The side view, the hole detail, the rows and the rig choices show
        // the array the window holds.
        HandWindowToVenue();
        ShowAngles();
        FVenueImage->SetSize(image1->width(), image1->height());
        if (TLoudspeakerArray* array = CurrentArray())
            array->DrawSideView(FVenueImage->Canvas(), true, true, Panel1->width(),
                                Panel1->height(), FMetric != 0, FRigMode, false, FHobaMatched != 0);
        image1->SetPicture(FVenueImage->Image());
        FSideViewImage->SetSize(gridimg->width(), gridimg->height());
        if (TLoudspeakerArray* array = CurrentArray())
            DrawArrayHoleDetail(*array, FSideViewImage->Canvas(), true, false, gridimg->width(),
                                gridimg->height(), 0, 0, FMetric != 0, FRigMode);
        gridimg->SetPicture(FSideViewImage->Image());
        Panel14->hide();
        UpdateArrayPage();
        break;
    }
    case 2: {
        ArrangeAligned();
        // As on the Array page: the table and the settings are those of the
        // array the window holds.
        HandWindowToVenue();
        FillInfoLabels();
        const int code = CurrentArray() != nullptr ? CurrentArray()->TypeCode : 0;
        const TArrayType type = ArrayTypeOf(code);
        if (type == TArrayType::ArvoBexa || type == TArrayType::BexaDovi) {
            showupperrad->setText(type == TArrayType::ArvoBexa ? "Arvo Patching Diag"
                                                               : "Bexa Patching Diag");
            showlowerrad->setText(type == TArrayType::ArvoBexa ? "Bexa Patching Diag"
                                                               : "Dovi Patching Diag");
            Panel22->show();
        } else {
            Panel22->hide();
        }
        ArrangePatchPage(dock.PatchPanelHeight);
        const bool upperOfBexaDovi = type == TArrayType::BexaDovi && showupperrad->isChecked();
        const bool rackStrip =
            IsAnyOf(type, {TArrayType::Arvo, TArrayType::Bexa, TArrayType::ArvoBexa,
                           TArrayType::RuddBexa, TArrayType::HobaBexa, TArrayType::RuddArvo,
                           TArrayType::ArvoGiraF}) ||
            upperOfBexaDovi;
        if (rackStrip) {
            using rtl::CheckedAdd;
            using rtl::CheckedSub;
            const int spare = CheckedSub(CheckedSub(width(), PageControl1->width()), 313);
            // At the top of the picture: lower down it would hide the
            // diagram's hint and rack title, drawn from 95 pixels down.
            Panel14->move(CheckedAdd(CheckedAdd(spare / 2, PageControl1->width()), 2),
                          CheckedAdd(PageControl1->y(), 2));
            Panel14->setEnabled(true);
            Panel14->resize(std::max(0, PageControl1->width() - 2), 89);
            PaintBox2->resize(Panel14->size());
            Panel14->show();
            Panel14->raise();
        }
        // The angle table.
        TOffscreenImage table;
        table.SetSize(Image3->width(), Image3->height());
        DrawSplayTable(*FVenue, table.Canvas(), 0, 0, Image3->width(), Image3->height(), true,
                       Image2Picture, FRigMode);
        Image3->SetPicture(table.Image());
        if (IsAnyOf(type, {TArrayType::Arvo, TArrayType::Bexa, TArrayType::ArvoBexa,
                           TArrayType::ArvoGiraF}) ||
            upperOfBexaDovi) {
            ShowPatchRow(FPatchRow);
        }
        // The patch diagram over the whole picture, or two half-height ones,
        // on clean paper: the diagram leaves a strip along its bottom.
        // It does not change with the splay angles: drawn again only when
        // what it is drawn from has changed.
        FVenueImage->SetSize(image1->width(), image1->height());
        const bool lower = showlowerrad->isChecked();
        TPatchDiagramInputs in;
        in.Venue = AmpPatchInputsOf(*FVenue);
        in.Width = image1->width();
        in.Height = image1->height();
        in.TwoDiagrams = PatchInTwoDiagrams(type) || (type == TArrayType::BexaDovi && lower);
        in.SecondModel = in.TwoDiagrams ? type == TArrayType::BexaDovi : lower;
        FPatchDiagram.Show(FVenueImage->Canvas(), in, [&] {
            FVenueImage->Clear();
            rtl::Canvas& c = FVenueImage->Canvas();
            const int W = in.Width;
            const int H = in.Height;
            if (in.TwoDiagrams) {
                DrawAmpPatch(*FVenue, c, 0, 0, W, H / 2, true, false, true, false, in.SecondModel);
                DrawAmpPatch(*FVenue, c, 0, H / 2, W, H / 2, true, true, false, false, in.SecondModel);
            } else {
                DrawAmpPatch(*FVenue, c, 0, 0, W, H, true, true, false, false, in.SecondModel);
            }
        });
        image1->SetPicture(FVenueImage->Image());
        break;
    }
    case 3:
        ArrangeAligned();
        break;
    default:
        break;
    }
}

void TForm1::FillInfoLabels() {
    const TLoudspeakerArray* a = CurrentArray();
    if (a == nullptr) return;
    const TFillGuard filling(*this);
    auto q = [](const std::string& t) { return QString::fromStdString(t); };
    for (int k = 0; k < 6; ++k) {
        // Output groups 1 to 3 of the upper model, then of the lower one.
        const bool upper = k < 3;
        const int group = upper ? k + 1 : k - 2;
        QLabel* name = this->*kSettingRows[k].Name;
        QLabel* comment = this->*kSettingRows[k].Comment;
        name->setText(q(upper ? a->Presets1[group] : a->Presets2[group]));
        comment->setText(q(" - " + (upper ? a->PresetEQ1[group] : a->PresetEQ2[group])));
    }
    contnote->setEnabled(true);
    contnote->setText(q(a->ControllerNote));
    // A row shows only with its setting name; its comment goes with it.
    for (const SettingRow& row : kSettingRows) {
        const bool shown = !(this->*row.Name)->text().isEmpty();
        (this->*row.Name)->setVisible(shown);
        (this->*row.Comment)->setVisible(shown);
    }
    headA->setText(q(a->ColumnHeading1));
    headB->setText(q(a->ColumnHeading2));
}

// The patch page from the top: the settings, as high as their texts need
// (at least `settingsHeight`), the diagram choice when it shows, the angle
// table in the rest.
void TForm1::ArrangePatchPage(int settingsHeight) {
    // Laid out unscrolled, then scrolled as the page's size needs: the
    // table as high as its rows, the settings and the table narrowed by a
    // vertical bar's thickness when the page must scroll.
    ShiftPage(ProcessorTab, QPoint(0, 0));
    const int page = ProcessorTab->height();
    rtl::RasterCanvas measure(1, 1);
    int top = 0, table = 0;
    const auto lay = [&](int w) {
        // A setting's name and its comment side by side, each as wide as its text.
        for (const SettingRow& row : kSettingRows) {
            QLabel* name = this->*row.Name;
            QLabel* comment = this->*row.Comment;
            name->resize(std::max(110, name->sizeHint().width()), name->height());
            comment->setGeometry(std::max(116, name->geometry().right() + 3), comment->y(),
                                 comment->sizeHint().width(), comment->height());
        }
        for (QLabel* head : {headA, headB})
            head->resize(std::max(head->width(), head->sizeHint().width()), head->height());
        // The note wraps within the panel and takes the lines it needs.
        const int noteWidth = std::max(0, w - 2 * contnote->x());
        contnote->resize(noteWidth, contnote->heightForWidth(noteWidth));
        Panel16->setGeometry(
            0, 0, w, std::max(settingsHeight, rtl::CheckedAdd(contnote->geometry().bottom(), 3)));
        top = Panel16->height();
        if (!Panel22->isHidden()) {
            showupperrad->resize(showupperrad->sizeHint().width(), showupperrad->height());
            showlowerrad->setGeometry(showupperrad->geometry().right() + 9, showlowerrad->y(),
                                      showlowerrad->sizeHint().width(), showlowerrad->height());
            Panel22->setGeometry(0, top, w, 24);
            top = rtl::CheckedAdd(top, Panel22->height());
        }
        table = SplayTableScreenHeight(*FVenue, measure, w);
        return rtl::CheckedAdd(top, table) <= page;
    };
    int w = ProcessorTab->width();
    if (!lay(w)) {
        w = std::max(0, w - kScrollBarThickness);
        lay(w);
    }
    Image3->setGeometry(0, top, w, std::max(table, page - top));
    ScrollPage(ProcessorTab);
}

// --- mouse and key editing ------------------------------------------------------

namespace {

std::string CabinetNumber(int s) { return std::to_string(rtl::CheckedAdd(s, 1)); }

// Steps an up/down of the venue page by one; a step down only from a
// position above 0.
void StepUpDown(qtapp::UpDown* u, int direction) {
    if (direction > 0)
        u->SetPosition(rtl::CheckedAdd(u->Position(), 1));
    else if (u->Position() > 0)
        u->SetPosition(u->Position() - 1);
}

constexpr std::array<int, 11> kKeepFlags = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
// The key and grid redraw: no clearing, no planes, the array, no coverage,
// no rays.
constexpr std::array<int, 11> kSelectionFlags = {-1, 0, 1, 0, 0, -1, -1, -1, -1, -1, 0};

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // A page laid out again by the page control plans its scroll bars for its
    // new size once it is shown: a hidden page's late resize (delivered when
    // the window is painted or grabbed) carries no size the user sees.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        for (QWidget* page : {VenueTab, ArrayTab, ProcessorTab, AmpTab, DEVTAB})
            if (watched == page && page->isVisible()) qtapp::RunGuarded([&] { ScrollPage(page); });
    }
    if (!FReady) return QWidget::eventFilter(watched, event);
    if (watched == image1) {
        if (event->type() == QEvent::MouseMove) {
            auto* m = static_cast<QMouseEvent*>(event);
            const QPoint p = m->position().toPoint();
            qtapp::RunGuarded([&] { Image1MouseMove(m->buttons(), p.x(), p.y()); });
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            auto* m = static_cast<QMouseEvent*>(event);
            qtapp::RunGuarded([&] { Image1MouseDown(m->button()); });
            return true;
        }
    }
    if (watched == PaintBox2 && event->type() == QEvent::MouseMove) {
        const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
        qtapp::RunGuarded([&] { PaintBox2MouseMove(x); });
        return true;
    }
    const bool grid = watched == ArvoStrGrid || watched == BexaStrGrid || watched == box3strgrid;
    if (grid && event->type() == QEvent::FocusIn) {
        // A grid that takes the focus with no current cell makes its first
        // cell current: the focus arriving is no choice of a cabinet, and
        // selects, draws and says nothing.
        const TFillGuard arriving(*this);
        return watched->event(event);
    }
    if (event->type() == QEvent::KeyPress && (watched == this || grid)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            qtapp::RunGuarded([&] { FormKeyDown(key); });
            if (grid) {
                // The grid moves its own cell as well.  A key it cannot use
                // (Left in the first column, Up in the top row) would go on
                // to the window, whose filter would step the array again:
                // the key ends at the grid, one press, one step.
                watched->event(event);
                event->accept();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::SelectGridRow(QTableWidget* grid, int row) {
    if (grid == nullptr || row < 0 || row > grid->rowCount() - 1) return;
    grid->setCurrentCell(row, std::max(0, grid->currentColumn()));
}

void TForm1::Image1MouseMove(Qt::MouseButtons buttons, int X, int Y) {
    if (FNoDesign == 1 || PageControl1->currentIndex() != 0) return;
    FViewFlags[9] = 1;
    // The readout follows the pointer.
    const int keepX = FDrawOffsetX, keepY = FDrawOffsetY;
    auto redraw = [&] {
        FDrawOffsetX = X;
        FDrawOffsetY = Y;
        RedrawPicture(kKeepFlags, false, false);
        FDrawOffsetX = keepX;
        FDrawOffsetY = keepY;
    };
    redraw();
    if (buttons & Qt::LeftButton) return;

    const int count = std::clamp(rtl::CheckedAdd(FNumBoxes1, FNumBoxes2), 0, 141);
    std::array<rules::MarkPoint, 141> points{};
    for (int i = 0; i < count; ++i) points[static_cast<std::size_t>(i)] = {FHotPoints[i].x, FHotPoints[i].y};
    const rules::MarkHit hit = rules::MarkAt(X, Y, {FHotPointA.x, FHotPointA.y},
                                             {FHotPointB.x, FHotPointB.y},
                                             {FHotPointC.x, FHotPointC.y}, points.data(), count);
    switch (hit.Kind) {
    case rules::MarkKind::CoverageStart:
        FHotA = 1, FHotB = 0, FHotC = 0;
        FStatusText = "Cov start selected";
        FSelElement = -1;
        break;
    case rules::MarkKind::CoverageStop:
        FHotA = 0, FHotB = 1, FHotC = 0;
        FStatusText = "Cov Stop Selected";
        FSelElement = -1;
        break;
    case rules::MarkKind::ArrayHeight:
        FHotA = 0, FHotB = 0, FHotC = 1;
        FStatusText = "Array Height Selected";
        FSelElement = -1;
        break;
    case rules::MarkKind::Cabinet:
        FSelElement = hit.Cabinet;
        FHotC = 0;
        FStatusText = FAutoDesign == 1
                          ? "AUTO-CALCULATED CABINET " + CabinetNumber(hit.Cabinet) + " selected"
                          : "CABINET " + CabinetNumber(hit.Cabinet) +
                                " selected - First position cursor in top half of screen then use "
                                "left and right mouse buttons to increase/decrease splay angles";
        break;
    case rules::MarkKind::None:
        break;
    }
    redraw();

    const int s = FSelElement;
    if (FArrayType == "Arvo" || FArrayType == "Rudd") {
        SelectGridRow(ArvoStrGrid, s);
    } else if (FArrayType == "Bexa" || FArrayType == "Hoba") {
        SelectGridRow(BexaStrGrid, s);
    } else if (FArrayType == "MIXArvoBexa" || FArrayType == "MIXRuddBexa") {
        if (s >= 0 && s <= FNumBoxes1 - 1)
            SelectGridRow(ArvoStrGrid, s);
        else
            SelectGridRow(BexaStrGrid, s - FNumBoxes1);
    }
}

void TForm1::StepArrayHeightByMouse(int direction) {
    const rules::ArrayHeightStep r =
        rules::StepArrayHeight(FArrayHeight, FHeightStep, direction, FRigMode, FVenue->LowestHeight,
                               FP1EarHeight, Plane1Seated());
    if (r.Moved) {
        FArrayHeight = r.ArrayHeight;
        StepUpDown(arrhupdn, direction);
    }
    FP1EarHeight = r.P1EarHeight;
}

void TForm1::StepSelectedAngle(int direction, bool key) {
    const int s = FSelElement;
    TLoudspeakerArray* a = FVenue->LSArray.get();
    if (a == nullptr || s < 0) return;
    const bool up = direction > 0;
    const std::string increased = "CABINET " + CabinetNumber(s) + " Splay Increased";
    const std::string decreased = "CABINET " + CabinetNumber(s) + "    Splay Decreased";
    TSplay& splay = *FSplay;
    switch (rules::ClickTargetFor(static_cast<rules::ArrayType>(a->TypeCode), FRigMode, s,
                                  FNumBoxes1, direction, key)) {
    case rules::ClickTarget::Nothing:
        // The fixed Hoba-Dovi joint still answers a raise of the mouse.
        if (!key && up && s > 0) FStatusText = increased;
        return;
    case rules::ClickTarget::GridAngle:
        splay.Angle[0] = rules::StepGridAngle(splay.Angle[0], direction);
        FStatusText = up ? "GRID angle Increased" : "GRID angle Decreased";
        return;
    case rules::ClickTarget::AllowedAngle:
        AllowedAngles.ChosenIndex =
            rules::StepIndex(AllowedAngles.ChosenIndex, direction, AllowedAngles.Count);
        splay.Angle[s] = AllowedAngles.Angles[AllowedAngles.ChosenIndex];
        if (!key && up) FStatusText = increased;
        return;
    case rules::ClickTarget::GroundStackHole: {
        TGroundStackBar* bar = a->GroundStackBar;
        if (bar == nullptr) return;
        a->SelectCabinet(s);
        const int next = bar->CurrentIndex + (up ? 1 : -1);
        if (next > bar->HoleCount - 1)
            bar->SelectLastHole(splay, FNumBoxes1);
        else if (next < 0)
            bar->SelectFirstHole(splay, FNumBoxes1);
        else {
            bar->CurrentIndex = next;
            splay.Angle[s] = bar->Angles[next];
        }
        break;
    }
    case rules::ClickTarget::SplayStep: {
        a->SelectCabinet(s);
        const TBox* box = a->CurrentBox;
        if (box == nullptr) return;
        const int index = rules::StepIndex(splay.ChoiceIndex[s], direction, box->SplayCount);
        splay.ChoiceIndex[s] = index;
        splay.Angle[s] = box->SplayAngles[index];
        break;
    }
    }
    if (!key)
        FStatusText = up ? increased : decreased;
    else if (!up)
        FStatusText = decreased;
}

void TForm1::Image1MouseDown(Qt::MouseButton button) {
    if (PageControl1->currentIndex() != 0) return;
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    const bool left = button == Qt::LeftButton;
    if (FAutoDesign == 0) {
        // Left lowers the array height and raises the angle; right the
        // other way round.
        if (FHotC != 0) StepArrayHeightByMouse(left ? -1 : +1);
        StepSelectedAngle(left ? +1 : -1, false);
    } else {
        const int direction = left ? -1 : +1;
        auto coverage = [&](double& value, qtapp::UpDown* upDown) {
            value += direction * FCoverageStep;
            StepUpDown(upDown, direction);
            if (direction < 0 && value < 0) value = 0;
        };
        if (FHotA != 0) coverage(FCovStart, covstartupdn);
        if (FHotB != 0) coverage(FCovStop, covstopupdn);
        if (FHotC != 0) StepArrayHeightByMouse(direction);
    }
    Recalculate();
}

void TForm1::FormKeyDown(int key) {
    if (PageControl1->currentIndex() != 0) return;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        int s = FSelElement;
        if (key == Qt::Key_Down)
            s = std::min(rtl::CheckedAdd(s, 1), rtl::CheckedAdd(FNumBoxes1, FNumBoxes2) - 1);
        else
            s = std::max(s - 1, 0);
        FSelElement = s;
        FStatusText = FAutoDesign == 1
                          ? "AUTO-CALCULATED - CABINET " + CabinetNumber(s) + " selected"
                          : "CABINET " + CabinetNumber(s) +
                                " selected use left/right arrow keys to change angle";
        RedrawPicture(kSelectionFlags, true, true);
        break;
    }
    case Qt::Key_Left:
        StepSelectedAngle(+1, true);
        Recalculate();
        break;
    case Qt::Key_Right:
        StepSelectedAngle(-1, true);
        Recalculate();
        break;
    default:
        break;
    }
}

void TForm1::ArvoStrGridSelectCell(int row) {
    FSelElement = row;
    FStatusText = FAutoDesign == 1
                      ? "AUTO-CALCULATED CABINET " + CabinetNumber(row) + " selected"
                      : "CABINET " + CabinetNumber(row) +
                            " selected - First position cursor in top half of screen then use left "
                            "and right mouse buttons to increase/decrease splay angles";
    RedrawPicture(kSelectionFlags, true, true);
}

// --- the patch page's strip ---------------------------------------------------------

qtapp::PictureBox* TForm1::RowPictureOf(int row) const {
    switch (row) {
    case 1: return r1highimg;
    case 2: return r2highimg;
    case 3: return r3highimg;
    default: return nullptr;
    }
}

void TForm1::DrawRowPictures(QSize size) {
    const int w = std::max(1, size.width());
    const int h = std::max(1, size.height());
    for (int row = 1; row <= 3; ++row) {
        rtl::RasterCanvas canvas(w, h);
        rules::DrawPatchStripRow(canvas, w, h, row);
        RowPictureOf(row)->SetPicture(canvas.Image());
    }
}

void TForm1::ShowPatchRow(int row) {
    qtapp::PictureBox* picture = RowPictureOf(row);
    if (picture == nullptr) return;
    if (picture->PictureSize() != PaintBox2->size()) DrawRowPictures(PaintBox2->size());
    PaintBox2->SetPicture(picture->Picture());
}

void TForm1::PaintBox2MouseMove(int x) {
    const int row = rules::PatchStripRowAt(x);
    if (row == 0 || row == FPatchRow) return;
    ShowPatchRow(row);
    // The diagram with the chosen row's racks: row 3 the third rack, row 2
    // the second, row 1 the first.
    FVenueImage->SetSize(image1->width(), image1->height());
    FVenueImage->Clear();
    const bool lower = showlowerrad->isChecked();
    DrawAmpPatch(*FVenue, FVenueImage->Canvas(), 0, 0, image1->width(), image1->height(), true,
                 row == 1, row == 2, row == 3, lower);
    image1->SetPicture(FVenueImage->Image());
    FPatchRow = row;
}

void TForm1::showupperradClick() {
    FormPaint(showupperrad);
    Panel14->hide();
}

void TForm1::showlowerradClick() {
    FormPaint(showlowerrad);
    if (FVenue && FVenue->LSArray && FVenue->LSArray->ArrayType() == TArrayType::BexaDovi)
        Panel14->hide();
}
