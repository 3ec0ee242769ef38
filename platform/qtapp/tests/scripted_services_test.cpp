// The scripted double: queued answers per kind, the record of calls, the
// loud failure of an unanswered dialog, and print jobs on real PDF pages.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/core/errors.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/scripted_services.h"
#include "platform/qtapp/tests/services_test_support.h"

using qtapp::Answer;
using qtapp::AskButtons;
using qtapp::PageOrientation;
using qtapp::ScriptedServices;
using qtapp::ServiceCall;
using qtapp::UnscriptedCall;

TEST(ScriptedServices, AnswersComeInQueueOrderPerKindAndEveryCallIsRecorded) {
    ScriptedServices s;
    s.QueueSaveFile(QStringLiteral("/data/hall.ven"));
    s.QueueSaveFile(std::nullopt);
    s.QueueOpenFile(QStringLiteral("/data/arena.VEN"));
    s.QueueAnswer(Answer::Cancel);
    s.QueueAnswer(Answer::Yes);
    s.QueueMailResult(3);
    s.QueueOpenResult(false);
    s.QueueOpenResult(true);
    s.QueuePrinterChoice(2);

    EXPECT_EQ(s.Ask(QStringLiteral("Exit File save check"), QStringLiteral("Do you want to save the Venue ?"),
                    AskButtons::YesNoCancel),
              Answer::Cancel);
    EXPECT_EQ(s.SaveFileName(QStringLiteral("Save"), QStringLiteral("Venue files (*.ven)|*.VEN"),
                             QStringLiteral("ven"), QStringLiteral("/data")),
              QStringLiteral("/data/hall.ven"));
    EXPECT_EQ(s.OpenFileName(QStringLiteral("Open"), QStringLiteral("Venue files (*.ven)|*.VEN"), QString()),
              QStringLiteral("/data/arena.VEN"));
    s.ShowError(QStringLiteral("File not found"));
    EXPECT_EQ(s.Ask(QString(), QStringLiteral("Sure?"), AskButtons::YesNo), Answer::Yes);
    EXPECT_EQ(s.SaveFileName(QStringLiteral("Again"), QString(), QString(), QString()), std::nullopt);
    EXPECT_EQ(s.SendMail(QStringLiteral("support@example.com"), QStringLiteral("Orandel 3.04 file"),
                         QStringLiteral("Please see attached ven file"), QStringLiteral("/data/hall.ven")),
              3);
    EXPECT_FALSE(s.OpenUrl(QStringLiteral("https://www.example.com/")));
    EXPECT_TRUE(s.OpenHelp(QStringLiteral("/opt/o/odhelp4.hlp")));
    s.ShowInformation(QStringLiteral("Printed"));
    EXPECT_EQ(s.ChoosePrinter(-1), 2);

    const std::vector<ServiceCall> expected = {
        {"Ask", {"Exit File save check", "Do you want to save the Venue ?", "YesNoCancel"}},
        {"SaveFileName", {"Save", "Venue files (*.ven)|*.VEN", "ven", "/data"}},
        {"OpenFileName", {"Open", "Venue files (*.ven)|*.VEN", ""}},
        {"ShowError", {"File not found"}},
        {"Ask", {"", "Sure?", "YesNo"}},
        {"SaveFileName", {"Again", "", "", ""}},
        {"SendMail",
         {"support@example.com", "Orandel 3.04 file", "Please see attached ven file", "/data/hall.ven"}},
        {"OpenUrl", {"https://www.example.com/"}},
        {"OpenHelp", {"/opt/o/odhelp4.hlp"}},
        {"ShowInformation", {"Printed"}},
        {"ChoosePrinter", {"-1"}},
    };
    EXPECT_EQ(s.Calls(), expected);
    EXPECT_EQ(s.Errors(), QStringList{"File not found"});
    EXPECT_EQ(s.Informations(), QStringList{"Printed"});
    EXPECT_EQ(s.Unanswered(), 0);
    EXPECT_EQ(s.PendingAnswers(), 0u);
}

TEST(ScriptedServices, EveryDialogAskedWithoutAnAnswerThrowsAndIsCounted) {
    struct Row {
        const char* kind;
        std::function<void(ScriptedServices&)> call;
        bool throws;
    };
    const Row rows[] = {
        {"OpenFileName", [](ScriptedServices& s) { s.OpenFileName("t", "f", "d"); }, true},
        {"SaveFileName", [](ScriptedServices& s) { s.SaveFileName("t", "f", "ven", "d"); }, true},
        {"Ask", [](ScriptedServices& s) { s.Ask("t", "q", AskButtons::YesNo); }, true},
        {"ChoosePrinter", [](ScriptedServices& s) { s.ChoosePrinter(0); }, true},
        {"BeginPrint", [](ScriptedServices& s) { s.BeginPrint(-1, PageOrientation::Portrait, "d"); }, true},
        {"SendMail", [](ScriptedServices& s) { s.SendMail("a", "s", "b", "f"); }, true},
        {"OpenUrl", [](ScriptedServices& s) { s.OpenUrl("https://x/"); }, true},
        {"OpenHelp", [](ScriptedServices& s) { s.OpenHelp("/h"); }, true},
        // A box with only OK needs no answer.
        {"ShowError", [](ScriptedServices& s) { s.ShowError("e"); }, false},
        {"ShowInformation", [](ScriptedServices& s) { s.ShowInformation("i"); }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        const QString kind = QString::fromLatin1(row.kind);
        ScriptedServices s;
        // Answers of every other kind are there: they must not be taken.
        if (kind != "OpenFileName") s.QueueOpenFile(QStringLiteral("x"));
        if (kind != "SaveFileName") s.QueueSaveFile(QStringLiteral("x"));
        if (kind != "Ask") s.QueueAnswer(Answer::Yes);
        if (kind != "ChoosePrinter") s.QueuePrinterChoice(0);
        if (kind != "BeginPrint") s.QueuePrintRefused();
        if (kind != "SendMail") s.QueueMailResult(0);
        if (kind != "OpenUrl" && kind != "OpenHelp") s.QueueOpenResult(true);
        const std::size_t queued = s.PendingAnswers();
        bool threw = false;
        try {
            row.call(s);
        } catch (const UnscriptedCall& e) {
            threw = true;
            EXPECT_NE(std::string(e.what()).find(row.kind), std::string::npos) << e.what();
        }
        EXPECT_EQ(threw, row.throws);
        EXPECT_EQ(s.Unanswered(), row.throws ? 1 : 0);
        EXPECT_EQ(s.Kinds(), QStringList{kind});
        EXPECT_EQ(s.PendingAnswers(), queued);
    }
}

TEST(ScriptedServices, CancelIsNoAnswerToAYesNoQuestion) {
    ScriptedServices s;
    s.QueueAnswer(Answer::Cancel);
    EXPECT_THROW(s.Ask("t", "q", AskButtons::YesNo), UnscriptedCall);
}

TEST(ScriptedServices, ErrorsOfGuardedHandlersReachTheProcessServices) {
    auto s = std::make_shared<ScriptedServices>();
    {
        qtapp::ScopedProcessServices use(s);
        EXPECT_EQ(&qtapp::ProcessServices(), s.get());
        EXPECT_FALSE(qtapp::RunGuarded([] { throw rtl::RangeError(); }));
        // A handler that asks an unscripted question ends at once, and says why.
        EXPECT_FALSE(qtapp::RunGuarded(
            [&] { qtapp::ProcessServices().Ask("", "Do you want to save the Venue ?", AskButtons::YesNoCancel); }));
    }
    EXPECT_NE(&qtapp::ProcessServices(), s.get());
    ASSERT_EQ(s->Errors().size(), 2);
    EXPECT_EQ(s->Errors()[0], "Range check error");
    EXPECT_TRUE(s->Errors()[1].startsWith("ScriptedServices: no answer queued for Ask(")) << s->Errors()[1].toStdString();
    EXPECT_EQ(s->Unanswered(), 1);
}

TEST(ScriptedServices, PrintJobsWriteRealPagesAndRecordTheirSteps) {
    enum class Finish { End, Abort, Throw };
    struct Row {
        const char* name;
        int newPages;
        Finish finish;
        int pagesInFile;  // -1: no file left
        QStringList kinds;
    };
    const Row rows[] = {
        {"three pages", 2, Finish::End, 3,
         {"BeginPrint", "PrintJob.NewPage", "PrintJob.NewPage", "PrintJob.End"}},
        {"one page", 0, Finish::End, 1, {"BeginPrint", "PrintJob.End"}},
        {"aborted", 1, Finish::Abort, -1, {"BeginPrint", "PrintJob.NewPage", "PrintJob.Abort"}},
        {"drawing failed", 1, Finish::Throw, -1, {"BeginPrint", "PrintJob.NewPage", "PrintJob.Abort"}},
    };
    ScratchFolder dir;
    ASSERT_TRUE(dir.Ok());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedServices s;
        const QString path = dir.Path(QString::fromLatin1(row.name) + ".pdf");
        s.QueuePrintToPdf(path);
        try {
            std::unique_ptr<qtapp::PrintJob> job = s.BeginPrint(-1, PageOrientation::Portrait, "Venue");
            ASSERT_NE(job, nullptr);
            job->Canvas().Rectangle(10, 10, 200, 200);
            for (int i = 0; i < row.newPages; ++i) {
                EXPECT_TRUE(job->NewPage());
                job->Canvas().TextOut(100, 100, "page");
            }
            switch (row.finish) {
                case Finish::End: EXPECT_TRUE(job->End()); break;
                case Finish::Abort: job->Abort(); break;
                case Finish::Throw: throw rtl::RangeError();
            }
        } catch (const rtl::RangeError&) {
        }
        EXPECT_EQ(s.Kinds(), row.kinds);
        if (row.pagesInFile < 0)
            EXPECT_FALSE(QFile::exists(path));
        else
            EXPECT_EQ(PdfPageCount(path), row.pagesInFile);
    }
}

TEST(ScriptedServices, APrintJobRefusedOrUnwritableGivesNoJob) {
    ScratchFolder dir;
    ScriptedServices s;
    s.QueuePrintRefused();
    s.QueuePrintToPdf(dir.Dir());  // a folder cannot be written as a file
    EXPECT_EQ(s.BeginPrint(0, PageOrientation::Landscape, "Array"), nullptr);
    EXPECT_EQ(s.BeginPrint(0, PageOrientation::Landscape, "Array"), nullptr);
    EXPECT_EQ(s.Kinds(), (QStringList{"BeginPrint", "BeginPrint", "ShowError"}));
    EXPECT_EQ(s.Calls()[0].args, (QStringList{"0", "Landscape", "Array"}));
    EXPECT_EQ(s.Errors(), QStringList{"Cannot write the file \"" + dir.Dir() + "\"."});
    EXPECT_TRUE(QFileInfo(dir.Dir()).isDir());
}
