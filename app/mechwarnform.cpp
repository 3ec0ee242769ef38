#include "mechwarnform.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/checked.h"
#include "fonts.h"
#include "core/numtext.h"
#include "qtapp/guarded.h"

namespace {

// Layout of the window, in pixels.
constexpr int kClientWidth = 249;
constexpr int kBevel1Height = 112;
constexpr int kBevel2Height = 26;
constexpr int kPanel2Height = 30;
constexpr int kPanel1Height = 160;
constexpr int kRowHeight = 18;

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

QString LoadText(double kg, uint8_t metric) {
    if (metric == 0) return QString::fromStdString(rtl::FormatFixed(kg * 2.2, 5, 2) + " lb");
    return QString::fromStdString(rtl::FormatFixed(kg, 5, 2) + " kg");
}

}  // namespace

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
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                         Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint) {
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
    StaticText1 = MakeLabel(Bevel1, "StaticText1", QStringLiteral("Grid Front Pick point"), 4, 68, 112);
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

    FHelpOpen = 0;
    Helpbut->setText(QStringLiteral("Help >>"));
    SetClientHeight(188);
    Advice = {
        QStringLiteral("Try increasing the Coverage Start position"),
        QStringLiteral("Try decreasing the Coverage Start position"),
        QStringLiteral("Try reducing the number of boxes"),
        QStringLiteral("Try increasing the Coverage Stop position"),
        QStringLiteral("Try decreasing the Coverage Stop position"),
        QStringLiteral("Try increasing the Array Height"),
        QStringLiteral("Try decreasing the Array Height"),
        QStringLiteral("Center of gravity is not between the grid pick points"),
        QStringLiteral("The load on the front grid pick point is too high"),
        QStringLiteral("The load on the rear grid pick point is too high"),
        QStringLiteral("The load on front cabinet couplings is too high"),
        QStringLiteral("The load on rear cabinet couplings is too high"),
        QStringLiteral("Check that cabs are in front position on grid"),
        QStringLiteral("Check that cabs are on rear position on grid"),
        QStringLiteral("Check that lift bar is in front position`"),
        QStringLiteral("Check that lift bar is in rear position"),
        QStringLiteral("C.O.G is not coincident with any Hole"),
        QStringLiteral("Adjust grid angle until C.O.G. is between pick points"),
    };
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

void Tmechwarn::SetTips(std::initializer_list<int> adviceNumbers) {
    std::size_t i = 0;
    for (int n : adviceNumbers) Tips.at(i++)->setText(Advice.at(static_cast<std::size_t>(n)));
    for (; i < Tips.size(); ++i) Tips[i]->clear();
}

void Tmechwarn::SetTipTexts(std::initializer_list<QString> texts) {
    std::size_t i = 0;
    for (const QString& t : texts) Tips.at(i++)->setText(t);
    for (; i < Tips.size(); ++i) Tips[i]->clear();
}

void Tmechwarn::ClearTips() {
    for (QLabel* t : Tips) t->clear();
}

bool Tmechwarn::AnyRowMarked() const {
    for (bool m : FMarked)
        if (m) return true;
    return false;
}

QColor Tmechwarn::Grade(double sf) {
    if (sf >= 7) return GradeGreen;
    if (sf >= 5) return GradeYellow;
    return GradeRed;
}

void Tmechwarn::ShowRowFigures(QLabel* loadLabel, QLabel* sfLabel, const QColor& colour,
                               double load, double sf, uint8_t metric) {
    SetFontColor(loadLabel, colour);
    loadLabel->setText(LoadText(load, metric));
    SetBackgroundColor(sfLabel, colour);
    sfLabel->setText(QString::fromStdString(rtl::FormatFixed(sf, 5, 2)));
}

void Tmechwarn::ShowWarnings(uint8_t Metric, int PickOption, double FrontPickLoad,
                             double RearPickLoad, double FrontCouplingForce,
                             double RearCouplingForce, double GridFrontSF, double GridRearSF,
                             double CouplingFrontSF, double CouplingRearSF, int BestHole,
                             int RigMode) {
    if (RigMode == 1) {
        // The tips panel closed.
        int h = rtl::CheckedAdd(Bevel1->height(), Panel2->height());
        SetClientHeight(rtl::CheckedAdd(h, Bevel2->height()));
        SetAlphaBlend(200);
        Helpbut->setText(QStringLiteral("Help >>"));
        FHelpOpen = 0;
        FMarked.fill(false);

        // Every row back on; a caption a lift-bar call painted red goes
        // back to the face colour too.
        for (QWidget* w : std::initializer_list<QWidget*>{
                 StaticText1, StaticText2, StaticText3, StaticText4, StaticText5, StaticText6,
                 StaticText7, CFPPlab, SFCFPPlab, CRPPlab, SFCRPPlab, GFPPlab, SFGFPPlab, GRPPlab,
                 SFGRPPlab})
            w->setVisible(true);
        StaticText5->setText(QStringLiteral("Cabinet Front links"));
        StaticText1->setText(QStringLiteral("Grid Front Pick point"));
        StaticText1->setPalette(QPalette());
        StaticText1->setAutoFillBackground(false);

        // The centre of gravity.
        if (PickOption == 4) {
            cogposlab->setVisible(false);
            StaticText8->setVisible(false);
        } else {
            cogposlab->setVisible(true);
            StaticText8->setVisible(true);
            if (FrontPickLoad < 0 || RearPickLoad < 0) {
                cogposlab->setText(QStringLiteral("NOT between pick points"));
                SetFontColor(cogposlab, GradeRed);
            } else {
                cogposlab->setText(QStringLiteral("Between pick points OK"));
                SetFontColor(cogposlab, GradeGreen);
            }
        }

        // Grid front pick point: its tips always win.
        {
            const double sf = GridFrontSF;
            QColor c = Grade(sf);
            if (sf >= 5 && sf < 7) {
                FMarked[GridFront] = true;
                SetTips({8, 0, 2, 3, 6, 12});
            }
            if (sf >= 7) {
                FMarked[GridFront] = false;
                ClearTips();
            }
            if (!(sf >= 5) || FrontPickLoad < 0) {
                c = GradeRed;
                FMarked[GridFront] = true;
                if (FrontPickLoad < 0)
                    SetTips({7, 0, 2, 3, 6, 12, 15});
                else
                    SetTips({8, 0, 2, 3, 6, 12});
            }
            ShowRowFigures(GFPPlab, SFGFPPlab, c, FrontPickLoad, sf, Metric);
        }

        // Grid rear pick point: tips only while no row has set them.
        {
            const double sf = GridRearSF;
            QColor c = Grade(sf);
            if (sf >= 5 && sf < 7 && !AnyRowMarked()) {
                FMarked[GridRear] = true;
                SetTips({9, 1, 2, 4, 5, 13});
            }
            if (sf >= 7 && !AnyRowMarked()) {
                FMarked[GridRear] = false;
                ClearTips();
            }
            if (!(sf >= 5) || RearPickLoad < 0) {
                c = GradeRed;
                if (!AnyRowMarked()) {
                    FMarked[GridRear] = true;
                    if (RearPickLoad < 0)
                        SetTips({7, 1, 2, 4, 5, 13, 14});
                    else
                        SetTips({9, 1, 2, 4, 5, 13});
                }
            }
            ShowRowFigures(GRPPlab, SFGRPPlab, c, RearPickLoad, sf, Metric);
        }

        // and 7. The weakest cabinet couplings.
        auto coupling = [this](Row row, double sf, int advice) {
            if (sf >= 5 && sf < 7 && !AnyRowMarked()) {
                FMarked[row] = true;
                SetTipTexts({Advice.at(static_cast<std::size_t>(advice))});
            }
            if (sf >= 7 && !AnyRowMarked()) {
                FMarked[row] = false;
                ClearTips();
            }
            if (!(sf >= 5) && !AnyRowMarked()) {
                FMarked[row] = true;
                SetTipTexts({Advice.at(static_cast<std::size_t>(advice)), QStringLiteral("Unsafe")});
            }
        };
        coupling(CabinetFront, CouplingFrontSF, 10);
        ShowRowFigures(CFPPlab, SFCFPPlab, Grade(CouplingFrontSF), FrontCouplingForce,
                       CouplingFrontSF, Metric);
        coupling(CabinetRear, CouplingRearSF, 11);
        ShowRowFigures(CRPPlab, SFCRPPlab, Grade(CouplingRearSF), RearCouplingForce,
                       CouplingRearSF, Metric);

        // One-point lift from a lift bar: no grid pick points.
        if (PickOption == 4) {
            if (BestHole <= -1) {
                for (QWidget* w : std::initializer_list<QWidget*>{StaticText3, GFPPlab, GRPPlab,
                                                                   SFGFPPlab, SFGRPPlab})
                    w->setVisible(false);
                StaticText1->setVisible(true);
                StaticText1->setText(Advice[16]);
                SetBackgroundColor(StaticText1, GradeRed);
                Tips[0]->setText(Advice[17]);
            } else {
                StaticText1->setPalette(QPalette());
                StaticText1->setAutoFillBackground(false);
                for (QWidget* w : std::initializer_list<QWidget*>{
                         StaticText1, StaticText3, GFPPlab, GRPPlab, SFGFPPlab, SFGRPPlab})
                    w->setVisible(false);
            }
        }
    } else if (RigMode == 2) {
        int h = rtl::CheckedAdd(Bevel1->height(), Panel2->height());
        SetClientHeight(rtl::CheckedAdd(h, Bevel2->height()));
        SetAlphaBlend(200);
        Helpbut->setText(QStringLiteral("Help >>"));
        // The panel is closed, so its flag must say so: the next "Help >>"
        // opens it again.
        FHelpOpen = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 StaticText1, StaticText2, StaticText3, StaticText4, StaticText6, StaticText7,
                 StaticText8, CFPPlab, SFCFPPlab, CRPPlab, SFCRPPlab, GFPPlab, SFGFPPlab, GRPPlab,
                 SFGRPPlab, cogposlab})
            w->setVisible(false);
        StaticText5->setVisible(true);
        StaticText5->setText(QStringLiteral("COG in unsafe region"));
        SetTipTexts({QStringLiteral("Fix Grid to floor "),
                     QStringLiteral("Reduce allowable horizontal pull/push force")});
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
