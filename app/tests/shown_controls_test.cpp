// What the window shows can be used, and refused input changes none of it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/rthetaxytool.h"
#include "app/substack.h"
#include "app/surveyorform.h"
#include "app/tests/test_support.h"
#include "model/arrays/arraytypes.h"
#include "venue/storage/venue_storage.h"

// Every shown button is what a click at its centre reaches, every caption as large as its text.
static void ExpectUsable(QWidget* top) {
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
        const QWidget* at = top->childAt(b->mapTo(top, b->rect().center()));
        int need = b->fontMetrics().horizontalAdvance(b->text()) + 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin);
        need = qobject_cast<QPushButton*>(b) ? std::min(need, b->sizeHint().width()) : b->sizeHint().width();
        EXPECT_TRUE(!b->isVisibleTo(top) || ((at == b || b->isAncestorOf(at)) && (b->text().isEmpty() || need <= b->width())))
            << b->objectName().toStdString() << " under " << (at ? at->objectName().toStdString() : "");
    }
    for (QLabel* l : top->findChildren<QLabel*>()) {
        const QSize need = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        EXPECT_TRUE(!l->isVisibleTo(top) || (need.width() <= l->width() && need.height() <= l->height())) << l->text().toStdString();
    }
}

TEST(ShownControls, EveryButtonCanBeClickedAndEveryCaptionShowsWhole) {
    for (const TArrayTypeInfo& type : kArrayTypes) {  // each page, on the two screens a rigger tried
        SCOPED_TRACE(type.Name);
        TestWindow t;
        t->resize(TypeCodeOf(type.Type) % 2 ? QSize(1366, 768) : QSize(1280, 960)), t->show();
        t->DesignTBut->click();
        t->FArrayType = type.Name, t->FMixedChoice = type.ModelCount() > 1;
        t->FNumBoxes1 = 4, t->FNumBoxes2 = t->FMixedChoice * 4, t->FNumBoxes3 = type.ModelCount() > 2 ? 2 : 0;
        t->Recalculate(), t->RefreshControls();
        t->mailtbut->show();  // as a right click on "Venue planes" does
        for (QToolButton* page : {t->VenTBut, t->ArrayTBut, t->RigTBut, t->VenTBut}) ExpectUsable(&*t), page->click();
    }
    TForm3 calc;  // and the dialogs
    TSurveyForm survey;
    Tssform subs;
    for (QWidget* d : std::initializer_list<QWidget*>{&calc, &survey, &subs}) d->show(), ExpectUsable(d);
}

TEST(ShownControls, RefusedInputChangesNothingAndSaysWhy) {
    // The window's venue file cut to `lines` (-1 all), plane 1's length `text`; or `text` typed in `edit`.
    const struct { bool designed; int lines; const char* text; QLineEdit* TForm3::*edit; const char* error; } cases[] = {
        {false, 0, nullptr, nullptr, "Read beyond end of file"},
        {false, 20, nullptr, nullptr, "Read beyond end of file"},
        {true, 20, nullptr, nullptr, "Read beyond end of file"},
        {false, -1, "3e9", nullptr, "Range check error"},  // no up/down reaches it
        {false, 0, "abc", &TForm3::editX, "'abc' is not a valid floating point value"},
        {true, 0, "ten", &TForm3::editR, "'ten' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        TestWindow t;
        t.services->ReportFailuresTo(nullptr);  // the refusal's box is expected
        TForm3 calc;
        calc.SetPoint(2, true, 3, 4);
        if (c.designed) t->DesignTBut->click();
        QStringList file = QString::fromStdString(VenueFileText(*t->FVenue, "x.ven")).split("\r\n");
        if (c.text) c.edit ? (calc.*c.edit)->setText(c.text) : void(file[9] = c.text);
        WriteFile(t.user.Path("x.ven"), file.mid(0, c.lines).join("\r\n").toStdString());
        t.services->QueueOpenFile(QString::fromStdString(t.user.Path("x.ven")));
        if (c.designed && !c.edit) t.services->QueueAnswer(qtapp::Answer::No);  // not saved first
        const auto shown = [&] {  // every text and check shown, what the venue and the calculator hold
            QString s = QString::fromStdString(VenueFileText(*t->FVenue, "x.ven"));
            for (const QObject* w : t->findChildren<QObject*>() + calc.findChildren<QObject*>())
                s += w->property("text").toString() + w->property("checked").toString();
            return (s + QString("%1 %2 %3 %4").arg(calc.PointX).arg(calc.PointY).arg(calc.PointR).arg(calc.PointA)).toStdString();
        };
        const std::string before = shown();
        c.edit ? (c.edit == &TForm3::editR ? calc.BitBtn1 : calc.BitBtn2)->click() : t->LoadTButClick();
        EXPECT_EQ(t.services->Errors().join("|").section(" (", 0, 0).toStdString(), c.error);  // one box, its place apart
        EXPECT_EQ(shown(), before) << c.error;  // plane 3 seated as before, for one
    }
}
