#include "app/mechwarnform.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "model/advice/rig_grading.h"
#include "platform/core/checked.h"
#include "platform/core/numtext.h"
#include "app/fonts.h"
#include "model/hardware/units.h"
#include "platform/qtapp/guarded.h"

namespace {

// Layout of the window, in pixels.
constexpr int kClientWidth = 249;
constexpr int kBevel1Height = 112;
constexpr int kBevel2Height = 26;
constexpr int kPanel2Height = 30;
constexpr int kPanel1Height = 160;
constexpr int kRowHeight = 18;
// The caption column and the grid front row.
constexpr int kCaptionX = 4;
constexpr int kCaptionWidth = 112;
constexpr int kGridFrontY = 68;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                  bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, w, kRowHeight);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}


}  // namespace

QColor GradeQColor(advice::RigGrade g) {
    const advice::GradeRgb c = advice::GradeColour(g);
    return QColor(c.R, c.G, c.B);
}

void SetFontColor(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

void SetBackgroundColor(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QColor FontColor(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
QColor BackgroundColor(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

Tmechwarn::Tmechwarn(QWidget* owner)
    // Kept above the main window by belonging to it, not above every window
    // of the desktop: a dialog the main window opens must not be under it.
    // A tool window's small caption: close and help, no minimise or maximise
    // to crowd out its title.
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("mechwarn"));
    setWindowTitle(QStringLiteral("Mechanical Safety Warning"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(WindowFont("MS Sans Serif", 11));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(0, 0, kClientWidth, kBevel1Height);
    StaticText2 = MakeLabel(Bevel1, "StaticText2", QStringLiteral("Position"), 4, 6, 112, true);
    StaticText4 = MakeLabel(Bevel1, "StaticText4", QStringLiteral("Load"), 118, 6, 60, true);
    StaticText6 = MakeLabel(Bevel1, "StaticText6", QStringLiteral("Safety factor"), 178, 6, 70, true);
    StaticText5 = MakeLabel(Bevel1, "StaticText5", QStringLiteral("Cabinet  Front links"), 4, 28, 112);
    CFPPlab = MakeLabel(Bevel1, "CFPPlab", QString(), 118, 28, 62);
    SFCFPPlab = MakeLabel(Bevel1, "SFCFPPlab", QString(), 184, 28, 60);
    StaticText7 = MakeLabel(Bevel1, "StaticText7", QStringLiteral("Cabinet Rear links"), 4, 48, 112);
    CRPPlab = MakeLabel(Bevel1, "CRPPlab", QString(), 118, 48, 62);
    SFCRPPlab = MakeLabel(Bevel1, "SFCRPPlab", QString(), 184, 48, 60);
    StaticText1 = MakeLabel(Bevel1, "StaticText1", QStringLiteral("Grid Front Pick point"),
                            kCaptionX, kGridFrontY, kCaptionWidth);
    GFPPlab = MakeLabel(Bevel1, "GFPPlab", QString(), 118, 68, 62);
    SFGFPPlab = MakeLabel(Bevel1, "SFGFPPlab", QString(), 184, 68, 60);
    StaticText3 = MakeLabel(Bevel1, "StaticText3", QStringLiteral("Grid Rear Pick point"), 4, 88, 112);
    GRPPlab = MakeLabel(Bevel1, "GRPPlab", QString(), 118, 88, 62);
    SFGRPPlab = MakeLabel(Bevel1, "SFGRPPlab", QString(), 184, 88, 60);
    for (QLabel* l : {SFCFPPlab, SFCRPPlab, SFGFPPlab, SFGRPPlab}) l->setAlignment(Qt::AlignCenter);

    Bevel2 = new QFrame(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameShape(QFrame::Box);
    Bevel2->setFrameShadow(QFrame::Sunken);
    Bevel2->setGeometry(0, kBevel1Height, kClientWidth, kBevel2Height);
    StaticText8 = MakeLabel(Bevel2, "StaticText8", QStringLiteral("COG Position"), 4, 4, 112);
    cogposlab = MakeLabel(Bevel2, "cogposlab", QString(), 118, 4, 128);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, kBevel1Height + kBevel2Height, kClientWidth, kPanel2Height);
    Helpbut = new QPushButton(Panel2);
    Helpbut->setObjectName(QStringLiteral("Helpbut"));
    Helpbut->setGeometry(4, 3, 96, 24);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, kBevel1Height + kBevel2Height + kPanel2Height, kClientWidth,
                        kPanel1Height);
    SetBackgroundColor(Panel1, Qt::white);
    StaticText16 = MakeLabel(Panel1, "StaticText16",
                             QStringLiteral("Tips on how to make the array safe"), 4, 4, 241, true);
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "Tip" + QByteArray::number(i + 1);
        Tips[static_cast<std::size_t>(i)] =
            MakeLabel(Panel1, name.constData(), QString(), 4, 24 + i * kRowHeight, 241);
    }

    LayoutTips();

    FHelpOpen = 0;
    Helpbut->setText(QStringLiteral("Help >>"));
    SetClientHeight(188);
    for (std::size_t i = 0; i < Advice.size(); ++i)
        Advice[i] = QString::fromStdString(advice::AdviceTexts()[i]);
    SetAlphaBlend(200);
    int h = rtl::CheckedAdd(Bevel1->height(), Bevel2->height());
    h = rtl::CheckedAdd(h, Helpbut->height());
    h = rtl::CheckedAdd(h, Panel1->height());
    SetClientHeight(rtl::CheckedAdd(h, 20));

    connect(Helpbut, &QPushButton::clicked, this, qtapp::Guarded([this] { HelpbutClick(); }));
}

QString Tmechwarn::Tip(int i) const { return Tips.at(static_cast<std::size_t>(i - 1))->text(); }

void Tmechwarn::SetAlphaBlend(int value) {
    FAlphaBlendValue = value;
    setWindowOpacity(value / 255.0);
}

void Tmechwarn::SetClientHeight(int h) {
    setFixedSize(kClientWidth, h);
}

void Tmechwarn::ShowTips(const std::array<std::string, 7>& tips) {
    for (std::size_t i = 0; i < Tips.size(); ++i) Tips[i]->setText(QString::fromStdString(tips[i]));
    LayoutTips();
}

void Tmechwarn::LayoutTips() {
    // Every tip whole: a tip too long for one line wraps, pushes the tips
    // under it down, and the panel grows to hold them all.
    constexpr int width = kClientWidth - 8;
    int y = 4;
    auto place = [&y](QLabel* l, int gapBelow) {
        l->setWordWrap(true);
        const int h = std::max(kRowHeight, l->heightForWidth(width));
        l->setGeometry(4, y, width, h);
        y = rtl::CheckedAdd(y, rtl::CheckedAdd(h, gapBelow));
    };
    place(StaticText16, 2);
    for (QLabel* t : Tips) place(t, 0);
    Panel1->resize(kClientWidth, std::max(kPanel1Height, rtl::CheckedAdd(y, 4)));
}

void Tmechwarn::ShowRowFigures(QLabel* loadLabel, QLabel* sfLabel, advice::RigGrade grade,
                               double load, double sf, uint8_t metric) {
    const QColor colour = GradeQColor(grade);
    SetFontColor(loadLabel, colour);
    loadLabel->setText(QString::fromStdString(units::MassText(load, metric != 0, 5, 2)));
    SetBackgroundColor(sfLabel, colour);
    sfLabel->setText(QString::fromStdString(rtl::FormatFixed(sf, 5, 2)));
}

void Tmechwarn::ShowWarnings(uint8_t Metric, int PickOption, double FrontPickLoad,
                             double RearPickLoad, double FrontCouplingForce,
                             double RearCouplingForce, double GridFrontSF, double GridRearSF,
                             double CouplingFrontSF, double CouplingRearSF, int BestHole,
                             int RigMode) {
    advice::RigWarningInput in;
    in.PickOption = PickOption;
    in.FrontPickLoad = FrontPickLoad;
    in.RearPickLoad = RearPickLoad;
    in.GridFrontSF = GridFrontSF;
    in.GridRearSF = GridRearSF;
    in.CouplingFrontSF = CouplingFrontSF;
    in.CouplingRearSF = CouplingRearSF;
    in.BestHole = BestHole;
    in.RigMode = RigMode;
    const advice::RigWarnings w = advice::ChooseRigWarnings(in);
    if (w.Layout == advice::WarningLayout::Unchanged) return;

    // The tips panel closed; the next "Help >>" opens it again.
    int h = rtl::CheckedAdd(Bevel1->height(), Panel2->height());
    SetClientHeight(rtl::CheckedAdd(h, Bevel2->height()));
    SetAlphaBlend(200);
    Helpbut->setText(QStringLiteral("Help >>"));
    FHelpOpen = 0;

    if (w.Layout == advice::WarningLayout::GroundStacked) {
        for (QWidget* wd : std::initializer_list<QWidget*>{
                 StaticText1, StaticText2, StaticText3, StaticText4, StaticText6, StaticText7,
                 StaticText8, CFPPlab, SFCFPPlab, CRPPlab, SFCRPPlab, GFPPlab, SFGFPPlab, GRPPlab,
                 SFGRPPlab, cogposlab})
            wd->setVisible(false);
        StaticText5->setVisible(true);
        StaticText5->setText(QStringLiteral("COG in unsafe region"));
        ShowTips(w.Tips);
        return;
    }

    // Every row back on; a caption a lift-bar call painted red and widened
    // goes back to the face colour and its own column too.
    for (QWidget* wd : std::initializer_list<QWidget*>{
             StaticText1, StaticText2, StaticText3, StaticText4, StaticText5, StaticText6,
             StaticText7, CFPPlab, SFCFPPlab, CRPPlab, SFCRPPlab, GFPPlab, SFGFPPlab, GRPPlab,
             SFGRPPlab})
        wd->setVisible(true);
    StaticText5->setText(QStringLiteral("Cabinet Front links"));
    StaticText1->setText(QStringLiteral("Grid Front Pick point"));
    StaticText1->setPalette(QPalette());
    StaticText1->setAutoFillBackground(false);
    StaticText1->setGeometry(kCaptionX, kGridFrontY, kCaptionWidth, kRowHeight);

    // The centre of gravity.
    const bool cogShown = w.Cog != advice::CogLine::Hidden;
    cogposlab->setVisible(cogShown);
    StaticText8->setVisible(cogShown);
    if (w.Cog == advice::CogLine::NotBetween) {
        cogposlab->setText(QStringLiteral("NOT between pick points"));
        SetFontColor(cogposlab, GradeRed);
    } else if (w.Cog == advice::CogLine::Between) {
        cogposlab->setText(QStringLiteral("Between pick points OK"));
        SetFontColor(cogposlab, GradeGreen);
    }

    using advice::WarningRow;
    auto grade = [&w](WarningRow r) { return w.Rows[static_cast<std::size_t>(r)]; };
    ShowRowFigures(GFPPlab, SFGFPPlab, grade(WarningRow::GridFront), FrontPickLoad, GridFrontSF,
                   Metric);
    ShowRowFigures(GRPPlab, SFGRPPlab, grade(WarningRow::GridRear), RearPickLoad, GridRearSF,
                   Metric);
    ShowRowFigures(CFPPlab, SFCFPPlab, grade(WarningRow::CabinetFront), FrontCouplingForce,
                   CouplingFrontSF, Metric);
    ShowRowFigures(CRPPlab, SFCRPPlab, grade(WarningRow::CabinetRear), RearCouplingForce,
                   CouplingRearSF, Metric);
    ShowTips(w.Tips);

    // One-point lift from a lift bar: no grid pick points.
    if (!w.GridRowsApply) {
        if (w.NoUsableHole) {
            for (QWidget* wd : std::initializer_list<QWidget*>{StaticText3, GFPPlab, GRPPlab,
                                                                SFGFPPlab, SFGRPPlab})
                wd->setVisible(false);
            StaticText1->setVisible(true);
            StaticText1->setText(Advice[16]);
            // The row's figures are hidden: the message has the whole row.
            StaticText1->setGeometry(kCaptionX, kGridFrontY, kClientWidth - 2 * kCaptionX,
                                     kRowHeight);
            SetBackgroundColor(StaticText1, GradeRed);
        } else {
            for (QWidget* wd : std::initializer_list<QWidget*>{
                     StaticText1, StaticText3, GFPPlab, GRPPlab, SFGFPPlab, SFGRPPlab})
                wd->setVisible(false);
        }
    }
}

void Tmechwarn::HelpbutClick() {
    int h = rtl::CheckedAdd(Bevel1->height(), Panel2->height());
    h = rtl::CheckedAdd(h, Bevel2->height());
    if (FHelpOpen == 0) {
        Helpbut->setText(QStringLiteral("<< Close Help"));
        FHelpOpen = 1;
        SetClientHeight(rtl::CheckedAdd(h, Panel1->height()));
        SetAlphaBlend(255);
    } else {
        Helpbut->setText(QStringLiteral("Help >>"));
        FHelpOpen = 0;
        SetClientHeight(h);
        SetAlphaBlend(200);
    }
}
