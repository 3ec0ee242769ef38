// Input the program refuses changes nothing the user sees or saves: a venue
// file that cannot be loaded, before and after a design has started, and a
// text that is no number in the plane calculator.  Each says why.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/form_venue_values.h"
#include "app/rthetaxytool.h"
#include "app/tests/test_support.h"
#include "platform/qtapp/updown.h"
#include "venue/model/venue.h"
#include "venue/storage/venue_storage.h"

namespace {

// The texts, choices and up/down positions a window shows.
std::string Shown(const QWidget& top) {
    QStringList s{top.windowTitle()};
    for (const QLineEdit* e : top.findChildren<QLineEdit*>()) s << e->objectName() + "=" + e->text();
    for (const QAbstractButton* b : top.findChildren<QAbstractButton*>())
        if (b->isCheckable()) s << b->objectName() + (b->isChecked() ? " on" : " off");
    for (const qtapp::UpDown* u : top.findChildren<qtapp::UpDown*>())
        s << u->objectName() + "@" + QString::number(u->Position());
    return s.join("\n").toStdString();
}

// What the window, its venue and the calculator hold.
std::vector<std::string> Held(TForm1& w, const TForm3& calc) {
    std::ostringstream o;
    venuevalues::ForEachField([&](const auto& row) { o << w.*row.Field << "|"; });
    o << calc.PointX << "|" << calc.PointY << "|" << calc.PointR << "|" << calc.PointA;
    return {o.str(), VenueFileText(*w.FVenue, "held.ven")};
}

// The window's current venue file, its line `line` (from 1) replaced, or
// cut after that line.
std::string FileOf(TForm1& w, int line, const std::string& text, bool cut = false) {
    std::string file = VenueFileText(*w.FVenue, "x.ven");
    std::size_t at = 0;
    for (int k = 1; k < line; ++k) at = file.find("\r\n", at) + 2;
    return cut ? file.substr(0, at) : file.replace(at, file.find("\r\n", at) - at, text);
}

}  // namespace

TEST(RefusedInput, ChangesNothingAndSaysWhy) {
    // A row readies its input and gives the action that is refused.
    using Act = std::function<void()>;
    using Ready = std::function<Act(TestWindow&, TForm3&)>;
    const auto load = [](std::function<std::string(TForm1&)> contents) -> Ready {
        return [contents](TestWindow& t, TForm3&) -> Act {
            const std::string path = t.user.Path("refused.ven");
            WriteFile(path, contents(*t));
            t.services->QueueOpenFile(QString::fromStdString(path));
            return [&t] { t->LoadTButClick(); };
        };
    };
    const auto press = [](QLineEdit* TForm3::*edit, const char* text, bool polar) -> Ready {
        return [=](TestWindow&, TForm3& c) -> Act {
            (c.*edit)->setText(QString::fromLatin1(text));
            return [&c, polar] { (polar ? c.BitBtn1 : c.BitBtn2)->click(); };
        };
    };
    const auto empty = [](TForm1&) { return std::string(); };
    const auto cutShort = [](TForm1& w) { return FileOf(w, 20, "", true); };
    const struct {
        const char* what;
        bool designed;
        Ready ready;
        const char* error;  // the error box's text begins so
    } cases[] = {
        {"empty file", false, load(empty), "Read beyond end of file"},
        {"empty file after a design", true, load(empty), "Read beyond end of file"},
        {"file cut short", false, load(cutShort), "Read beyond end of file"},
        {"file cut short after a design", true, load(cutShort), "Read beyond end of file"},
        {"plane 1 beyond its up/down", false, load([](TForm1& w) { return FileOf(w, 10, "3e9"); }),
         "Range check error"},
        {"X no number", false, press(&TForm3::editX, "abc", false),
         "'abc' is not a valid floating point value"},
        {"Y no number", true, press(&TForm3::editY, "4,5", false),
         "'4,5' is not a valid floating point value"},
        {"R no number", false, press(&TForm3::editR, "ten", true),
         "'ten' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestWindow t;
        t.services->ReportFailuresTo(nullptr);  // the refusal's box is expected
        TForm3 calc;
        calc.SetPoint(2, true, 3, 4);
        if (c.designed) t->DesignTBut->click();
        const Act refused = c.ready(t, calc);
        const std::string shown = Shown(*t) + Shown(calc);
        const std::vector<std::string> held = Held(*t, calc);

        refused();
        const QString errors = t.services->Errors().join("\n");
        EXPECT_EQ(t.services->Errors().size(), 1);
        EXPECT_TRUE(errors.startsWith(c.error)) << errors.toStdString();
        EXPECT_EQ(Shown(*t) + Shown(calc), shown);
        EXPECT_EQ(Held(*t, calc), held);
        // A design started afterwards takes what the venue page shows:
        // plane 3 seated.
        t->DesignTBut->click();
        EXPECT_EQ(t->FVenue->Plane3EarHeight, 1.4);
    }
}
