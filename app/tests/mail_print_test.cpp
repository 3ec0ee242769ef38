// The Support mail through a fake xdg-email that records its arguments,
// and printing into PDF files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>

#include "app/background1.h"
#include "app/mail.h"
#include "venue/model/venue.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/services_qt.h"
#include "platform/qtapp/updown.h"
#include "app/tests/printed_text_boxes.h"
#include "app/tests/test_support.h"

namespace {

// Scripted dialogs, but the real hand-over to xdg-email.
class RealMailServices : public qtapp::ScriptedServices {
public:
    int SendMail(const QString& recipient, const QString& subject, const QString& body,
                 const QString& attachmentPath) override {
        return qtapp::QtServices(20000).SendMail(recipient, subject, body, attachmentPath);
    }
};

// PATH holds only `dir` while it lives.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& dir) : old_(qgetenv("PATH")) { qputenv("PATH", dir.c_str()); }
    ~ScopedPath() { qputenv("PATH", old_); }

private:
    QByteArray old_;
};

// An xdg-email that writes each argument on a line of its own into `log`
// and exits with `status`.
void FakeMailer(const ScratchDir& bin, const std::string& log, int status) {
    const std::string path = bin.Path("xdg-email");
    WriteFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + log +
                        "'\nexit " + std::to_string(status) + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

int PdfPages(const std::string& path) {
    const std::string pdf = ReadFile(path);
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                                          std::sregex_iterator()));
}

}  // namespace

// A hand-over that fails says which program was missing and where the file
// to send lies.
TEST(Mail, ResultsAndMessages) {
    const QString saved = QStringLiteral("/home/ann/hall.ven");
    const QString where = "\nThe venue file is saved as " + saved +
                          ": it can be sent to x@example.com from any mail program.";
    const struct {
        bool mailer;
        int status;
        QString attachment;
        int want;
        QStringList errors;
    } cases[] = {
        {true, 0, saved, 0, {}},
        {true, 2, "", 2, {"Error sending mail (2)."}},
        {true, 2, saved, 2, {"Error sending mail (2)." + where}},
        {true, 3, saved, 3, {"Error sending mail: no mail client was found to write the mail with." + where}},
        {false, 0, saved, -1,
         {"Error sending mail: the program xdg-email (of xdg-utils), which hands the mail to the "
          "mail client, could not be started." + where}},
    };
    for (const auto& c : cases) {
        ScratchDir bin, out;
        const std::string log = out.Path("args");
        if (c.mailer) FakeMailer(bin, log, c.status);
        ScopedPath path(bin.Path(""));
        RealMailServices services;
        EXPECT_EQ(SendMail(services, "S", "B", c.attachment, " A Customer", "", "", "x@example.com"), c.want);
        EXPECT_EQ(services.Errors().join("|").toStdString(), c.errors.join("|").toStdString());
    }
}

// Support with a design changed since its file was loaded: the save
// dialog, on the loaded file, decides whether and where it is written; a
// cancel writes and sends nothing.
TEST(Mail, SupportAsksWhereAChangedDesignGoesAndCancelSendsNothing) {
    // A file loaded as "hall.VEN" is saved as "hall.VEN.ven": that is the
    // name proposed.  Replacing the loaded file is asked first.
    const struct { const char* loaded; const char* chosen; const char* proposed; bool hallChanged, sent; } cases[] = {
        {"hall.ven", nullptr, "hall.ven", false, false}, {"hall.ven", "hall.ven", "hall.ven", true, true},
        {"hall.ven", "copy.ven", "hall.ven", false, true},
        {"hall.VEN", nullptr, "hall.VEN.ven", false, false}};  // nullptr: Cancel
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.loaded) + " " + (c.chosen ? c.chosen : "cancelled"));
        TestWindow t;
        const std::string hall = t.user.Path(c.loaded);
        t.Load(VenueDesign("Arvo", 8, 0, 1), c.loaded);
        const std::string loaded = ReadFile(hall);
        t->numbox1updn->Press(qtapp::UDBtnType::Next);
        t.services->ClearCalls();
        t.services->QueueSaveFile(c.chosen ? std::optional(QString::fromStdString(t.user.Path(c.chosen)))
                                           : std::nullopt);
        if (c.sent) t.services->QueueMailResult(0);
        if (c.hallChanged) t.services->QueueAnswer(qtapp::Answer::Yes);
        t->mailtbutClick();
        ASSERT_GE(t.services->Calls().size(), 1u);
        EXPECT_EQ(t.services->Calls()[0].kind, "SaveFileName");
        EXPECT_EQ(t.services->Calls()[0].args[3].toStdString(), t.user.Path(c.proposed));
        EXPECT_EQ(ReadFile(hall) != loaded, c.hallChanged);
        EXPECT_EQ(t.services->Kinds().contains("SendMail"), c.sent);
        if (c.sent) {
            EXPECT_EQ(t.services->Calls().back().args[3].toStdString(), t.user.Path(c.chosen));
            // The count of the first model, the file's sixth line, as changed.
            EXPECT_EQ(QString::fromStdString(ReadFile(t.user.Path(c.chosen))).split("\r\n").value(5), "9");
        }
    }
}

TEST(Mail, RecipientForms) {
    EXPECT_EQ(MailRecipient("", "a@example.com"), "a@example.com");
    EXPECT_EQ(MailRecipient("a@example.com", "a@example.com"), "a@example.com");
    EXPECT_EQ(MailRecipient("Ann Lee", "a@example.com"), "Ann Lee <a@example.com>");
    EXPECT_EQ(MailRecipient("Ann <x>", "a@example.com"), "a@example.com");
    EXPECT_EQ(MailRecipient("Ann Lee", ""), "");
}

TEST(Mail, SupportButtonSendsTheSavedFileWhateverItsName) {
    ScratchDir user, program, bin, out;
    auto services = std::make_shared<RealMailServices>();
    qtapp::ScopedProcessServices process(services);
    TForm1Environment env = TestEnv(user, program);
    env.Services = services;
    TForm1 w(env);
    const std::string hall = user.Path("hall.ven");
    WriteFile(hall, VenueDesign("Arvo", 8, 0, 1));
    services->QueueOpenFile(QString::fromStdString(hall));
    w.LoadTButClick();
    w.FNumBoxes1 = 9;
    w.Recalculate();
    const std::string odd = user.Path("my \"big\" $(touch pwned) hall");
    services->QueueSaveFile(QString::fromStdString(odd));
    w.SaveTButClick();
    ASSERT_TRUE(std::filesystem::exists(odd + ".ven"));

    const std::string log = out.Path("args");
    FakeMailer(bin, log, 0);
    ScopedPath path(bin.Path(""));
    w.mailtbutClick();
    EXPECT_EQ(services->Errors(), QStringList{});
    EXPECT_EQ(ReadFile(log), "--utf8\n--subject\nOrandel 3.04 file\n--body\nPlease see attached ven file\n"
                             "--attach\n" + odd + ".ven\nsupport@example.com\n");
    EXPECT_FALSE(std::filesystem::exists(user.Path("pwned")));
}

TEST(Mail, NoFileIsSentWhenTheUserSavesNone) {
    ScratchDir user, program;
    auto services = std::make_shared<qtapp::ScriptedServices>();
    qtapp::ScopedProcessServices process(services);
    TForm1Environment env = TestEnv(user, program);
    env.Services = services;
    TForm1 w(env);
    w.RefreshControls();
    services->QueueSaveFile(std::nullopt);
    w.mailtbutClick();
    EXPECT_EQ(services->Kinds(), QStringList{"SaveFileName"});
}

TEST(Printing, PagesPerPageAndType) {
    const struct {
        const char* type;
        int n1, n2, rigMode;
        int tab;
        const char* orientation;
        int pages;
    } cases[] = {
        {"Arvo", 8, 0, 1, 0, "Landscape", 1},
        {"Arvo", 8, 0, 1, 1, "Portrait", 1},
        {"MIXArvoBexa", 6, 2, 1, 1, "Portrait", 2},
        {"MIXBexaDovi", 4, 4, 1, 2, "Portrait", 2},
        {"Dovi", 3, 0, 2, 1, "Portrait", 1},
        {"Elka", 3, 0, 2, 1, "Portrait", 1},
        {"Bexa", 6, 0, 2, 1, "Portrait", 1},
        {"MIXDoviElka", 5, 1, 2, 1, "Portrait", 1},
        {"Arvo", 6, 0, 2, 1, "Portrait", 1},
    };
    for (const auto& c : cases) {
        ScratchDir user, program;
        auto services = std::make_shared<qtapp::ScriptedServices>();
        qtapp::ScopedProcessServices process(services);
        TForm1Environment env = TestEnv(user, program);
        env.Services = services;
        TForm1 w(env);
        const std::string f = user.Path("d.ven");
        WriteFile(f, VenueDesign(c.type, c.n1, c.n2, c.rigMode));
        services->QueueOpenFile(QString::fromStdString(f));
        w.LoadTButClick();
        ASSERT_EQ(services->Errors(), QStringList{}) << c.type;
        w.PageControl1->setCurrentIndex(c.tab);
        services->ClearCalls();
        const std::string pdf = user.Path("out.pdf");
        services->QueuePrintToPdf(QString::fromStdString(pdf));
        w.PrintTButClick();
        EXPECT_EQ(services->Errors(), QStringList{}) << c.type;
        ASSERT_GE(services->Calls().size(), 2u) << c.type;
        EXPECT_EQ(services->Calls()[0].args[1], c.orientation) << c.type;
        EXPECT_EQ(services->Kinds().last(), "PrintJob.End") << c.type;
        EXPECT_EQ(PdfPages(pdf), c.pages) << c.type;
        EXPECT_EQ(w.FViewFlags[0], 0) << c.type;
        if (const char* keep = std::getenv("ORANDEL_KEEP_PDF"))
            std::filesystem::copy_file(pdf, std::string(keep) + "/" + c.type + "-" +
                                                std::to_string(c.rigMode) + "-" +
                                                std::to_string(c.tab) + ".pdf",
                                       std::filesystem::copy_options::overwrite_existing);
    }
}

TEST(Printing, RefusedJobOrOtherPagePrintsNothing) {
    ScratchDir user, program;
    auto services = std::make_shared<qtapp::ScriptedServices>();
    qtapp::ScopedProcessServices process(services);
    TForm1Environment env = TestEnv(user, program);
    env.Services = services;
    TForm1 w(env);
    w.RefreshControls();
    w.PageControl1->setCurrentIndex(0);
    services->QueuePrintRefused();
    w.PrintTButClick();
    EXPECT_EQ(services->Kinds(), QStringList{"BeginPrint"});
    EXPECT_EQ(w.FViewFlags[0], 0);
    services->ClearCalls();
    w.PageControl1->setCurrentIndex(3);
    w.PrintTButClick();
    EXPECT_EQ(services->Kinds(), QStringList{});
    services->QueuePrinterChoice(2);
    w.PrintSUTButClick();
    EXPECT_EQ(w.FPrinterIndex, 2);
}

// Every drawing printed stays on the page, the margins white; the stacked
// report's hole detail (x 0.45-0.65, y 0.56-0.79 of the page) is filled pale
// green, many times the note's cell alone; the screen keeps its own style.
TEST(Printing, NothingLandsOutsideThePage) {
    const struct { const char* type; int n1, n2, rigMode, tab; bool metric; } cases[] = {
        {"Arvo", 8, 0, 1, 0, true}, {"Arvo", 8, 0, 1, 1, true}, {"Arvo", 8, 0, 1, 1, false},
        {"MIXArvoBexa", 6, 2, 1, 1, true}, {"Dovi", 3, 0, 2, 1, true}, {"Arvo", 3, 0, 2, 0, false}};
    for (const auto& c : cases) {
        TestWindow w;
        WriteFile(w.user.Path("d.ven"), VenueDesign(c.type, c.n1, c.n2, c.rigMode));
        w.services->QueueOpenFile(QString::fromStdString(w.user.Path("d.ven")));
        w->LoadTButClick();
        if (!c.metric) w->ImperialRad->setChecked(true);
        w->PageControl1->setCurrentIndex(c.tab);
        w->FormPaint(nullptr);
        const QImage screen = w->image1->Picture();
        w.services->QueuePrintToSheet();
        w->PrintTButClick();
        const QImage& sheet = w.services->Sheet();
        const QRect p = w.services->SheetPage();
        const auto count = [&sheet](const QRect& r, QRgb colour) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) n += sheet.pixel(x, y) == colour;
            return n;
        };
        const QRgb white = qRgb(255, 255, 255);
        EXPECT_EQ(count(sheet.rect(), white) - count(p, white),
                  sheet.width() * sheet.height() - p.width() * p.height()) << c.type << c.tab;
        const QRect hole(p.x() + p.width() * 45 / 100, p.y() + p.height() * 56 / 100, p.width() / 5,
                         p.height() * 23 / 100);
        EXPECT_TRUE(c.rigMode == 1 || c.tab == 0 || count(hole, qRgb(192, 220, 192)) > 4000);
        EXPECT_TRUE(c.tab != 0 || w->image1->Picture() == screen) << c.type;
    }
}

// A cabinet selected (its red outline; in Manual also the red square at its
// ray's end): after a print of any page the window is pixel for pixel what
// it was before.
TEST(Printing, LeavesTheScreenAsItWas) {
    const struct { int tab; bool manual; int selected; } cases[] = {
        {0, false, 3}, {0, true, 3}, {0, true, 0}, {1, false, 2}, {2, false, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE("page " + std::to_string(c.tab) + (c.manual ? " manual" : " auto") +
                     " cabinet " + std::to_string(c.selected));
        TestWindow w;
        w->resize(1280, 720);
        w->show();
        const auto settle = [] {
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
        };
        // The start-up's help, 50 ms after the start, comes before a load.
        QElapsedTimer started;
        started.start();
        while (started.elapsed() < 120) QApplication::processEvents();
        w.Load(VenueDesign("Arvo", 8, 0, 1));
        if (c.manual) w->tbman->setChecked(true);
        settle();
        w->ArvoStrGridSelectCell(c.selected);
        if (c.tab != 0) w->PageControl1->setCurrentIndex(c.tab);
        settle();
        const QImage picture = w->image1->Picture();
        const QImage window = w->grab().toImage();
        const double scale = w->FVenue->ScaleX;  // the mouse's and the readout's
        w.services->QueuePrintToPdf(QString::fromStdString(w.user.Path("out.pdf")));
        w->PrintTButClick();
        settle();
        EXPECT_TRUE(w->image1->Picture() == picture);
        EXPECT_TRUE(w->grab().toImage() == window);
        EXPECT_EQ(w->FVenue->ScaleX, scale);
    }
}
