// The services on the desktop, offscreen: the file filter, PDF print jobs,
// the mail hand-over against a fake xdg-email, the desktop opener, and the
// real dialogs and message boxes driven by a timer so nothing can block.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QTimer>
#include <QUrl>

#include <functional>

#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/contact.h"
#include "platform/qtapp/dialog_owner.h"
#include "platform/qtapp/services_qt.h"
#include "platform/qtapp/tests/services_test_support.h"

using qtapp::Answer;
using qtapp::AskButtons;
using qtapp::PageOrientation;
using qtapp::ReplaceQuestion;
using qtapp::QtServices;

namespace {

// Plays the user: every time another modal window comes up, `step` gets
// it.  After `limitMs` every modal window is closed and the run counts as
// timed out, so a test fails rather than hangs.
class ModalDriver {
public:
    using Step = std::function<void(QWidget* modal, int visit)>;
    explicit ModalDriver(Step step, int limitMs = 10000) : step_(std::move(step)), limitMs_(limitMs) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start(10);
        clock_.start();
    }
    bool TimedOut() const { return timedOut_; }
    QStringList Seen() const { return seen_; }

private:
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (clock_.elapsed() > limitMs_) {
            timedOut_ = true;
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            return;
        }
        if (modal == last_.data()) return;
        last_ = modal;
        seen_.append(QString::fromLatin1(modal->metaObject()->className()));
        step_(modal, ++visits_);
    }

    Step step_;
    int limitMs_;
    QTimer timer_;
    QElapsedTimer clock_;
    QPointer<QWidget> last_;
    QStringList seen_;
    int visits_ = 0;
    bool timedOut_ = false;
};

void Click(QWidget* modal, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    QAbstractButton* b = box->button(button);
    ASSERT_NE(b, nullptr);
    b->click();
}

void PressEscape(QWidget* modal) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(modal, &press);
}

}  // namespace

// ---------------------------------------------------------------------------

TEST(NameFilter, PairsBecomeQtFiltersMatchingEitherCase) {
    struct Row {
        const char* filter;
        const char* qt;
    };
    const Row rows[] = {
        {"Venue files (*.ven)|*.VEN", "Venue files (*.ven *.VEN)"},
        {"Venue files (*.ven)|*.ven", "Venue files (*.ven *.VEN)"},
        {"PDF files|*.Pdf", "PDF files (*.pdf *.PDF *.Pdf)"},
        {"Venues|*.ven;*.bak|All files (*.*)|*.*", "Venues (*.ven *.VEN *.bak *.BAK);;All files (*.*)"},
        {"Venue files", "Venue files (*)"},
        {"|*.ven", "(*.ven *.VEN)"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(qtapp::ToQtNameFilter(QString::fromLatin1(row.filter)), QString::fromLatin1(row.qt))
            << row.filter;
}

// ---------------------------------------------------------------------------

TEST(PdfJob, PagesAndPageSizeFollowTheJob) {
    // A4 at 300 dpi less 10 mm all round: 190 mm x 277 mm
    // = 190 / 25.4 * 300 = 2244.1 by 277 / 25.4 * 300 = 3271.7 pixels; Qt
    // holds the page in whole points, so a few pixels either way (4 px is
    // a third of a millimetre).
    struct Row {
        PageOrientation orientation;
        int newPages;
        bool abort;
        int width, height;
        int pagesInFile;  // -1: no file left
    };
    const Row rows[] = {
        {PageOrientation::Portrait, 0, false, 2244, 3272, 1},
        {PageOrientation::Landscape, 2, false, 3272, 2244, 3},
        {PageOrientation::Landscape, 1, true, 3272, 2244, -1},
    };
    ScratchFolder dir;
    ASSERT_TRUE(dir.Ok());
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(n);
        const QString path = dir.Path(QStringLiteral("job%1.pdf").arg(n++));
        QString error;
        std::unique_ptr<qtapp::PrintJob> job = qtapp::StartPdfJob(path, row.orientation, "Venue", &error);
        ASSERT_NE(job, nullptr) << error.toStdString();
        EXPECT_TRUE(error.isEmpty());
        EXPECT_NEAR(job->PageWidth(), row.width, 4);
        EXPECT_NEAR(job->PageHeight(), row.height, 4);
        EXPECT_EQ(job->Canvas().Dpi(), 300);
        for (int i = 0; i < row.newPages; ++i) {
            job->Canvas().Rectangle(100, 100, 1000, 1000);
            EXPECT_TRUE(job->NewPage());
        }
        job->Canvas().TextOut(200, 200, "Printed");
        if (row.abort) {
            job->Abort();
        } else {
            EXPECT_TRUE(job->End());
            EXPECT_FALSE(job->End());  // once only
            EXPECT_FALSE(job->NewPage());
        }
        job.reset();
        if (row.pagesInFile < 0)
            EXPECT_FALSE(QFile::exists(path));
        else
            EXPECT_EQ(PdfPageCount(path), row.pagesInFile);
    }
}

TEST(PdfJob, AFileThatCannotBeOpenedGivesNoJobAndIsLeftAlone) {
    ScratchFolder dir;
    ASSERT_TRUE(QDir(dir.Dir()).mkdir(QStringLiteral("hall.pdf")));
    const QString paths[] = {dir.Path(QStringLiteral("hall.pdf")),
                             dir.Path(QStringLiteral("no such folder/x.pdf"))};
    for (const QString& path : paths) {
        QString error;
        EXPECT_EQ(qtapp::StartPdfJob(path, PageOrientation::Portrait, "Venue", &error), nullptr);
        EXPECT_EQ(error, "Cannot write the file \"" + path + "\".");
    }
    EXPECT_TRUE(QFileInfo(paths[0]).isDir());
}

// ---------------------------------------------------------------------------

namespace {

// A fake xdg-email (or another desktop program) first on PATH: it writes
// its arguments, each ended by a NUL byte, into $FAKE_MAIL_LOG, sleeps
// $FAKE_MAIL_SLEEP seconds, writes the file $FAKE_MAIL_LOG.ended and ends
// with the status $FAKE_MAIL_STATUS.
class FakeMailClient {
public:
    explicit FakeMailClient(const QString& program = "xdg-email")
        : path_("PATH", (dir_.Path("bin") + ":/usr/bin:/bin").toLocal8Bit()),
          log_("FAKE_MAIL_LOG", dir_.Path("args").toLocal8Bit()) {
        QDir(dir_.Dir()).mkdir("bin");
        const QString script = dir_.Path("bin/" + program);
        WriteAll(script,
                 "#!/bin/sh\n"
                 "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$FAKE_MAIL_LOG\"\n"
                 "sleep \"${FAKE_MAIL_SLEEP:-0}\"\n"
                 ": > \"$FAKE_MAIL_LOG.ended\"\n"
                 "exit \"${FAKE_MAIL_STATUS:-0}\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Dir() const { return dir_.Dir(); }
    bool Ended() const { return QFile::exists(dir_.Path("args.ended")); }
    QStringList Arguments() const {
        QStringList args;
        const QByteArray data = ReadAll(dir_.Path("args"));
        for (const QByteArray& a : data.split('\0')) args.append(QString::fromUtf8(a));
        if (!args.isEmpty()) args.removeLast();  // after the last NUL
        return args;
    }

private:
    ScratchFolder dir_;
    EnvOverride path_;
    EnvOverride log_;
};

}  // namespace

TEST(Mail, EveryTextReachesXdgEmailAsOneUnchangedArgument) {
    FakeMailClient fake;
    const QString tricky = fake.Dir() + "/my hall \"q\" 'x' $(touch " + fake.Dir() + "/pwned) `id`;.ven";
    struct Row {
        QString recipient, subject, body, attachment;
        const char* status;
        int result;
        QStringList arguments;
    };
    const Row rows[] = {
        {"support@example.com", "Orandel 3.04 file", "Please see attached ven file", tricky, "0", 0,
         {"--utf8", "--subject", "Orandel 3.04 file", "--body", "Please see attached ven file", "--attach",
          tricky, "support@example.com"}},
        {"support@example.com", "Orandel 3.04 file", "", "", "2", 2,
         {"--utf8", "--subject", "Orandel 3.04 file", "support@example.com"}},
        {"", "", "two\nlines", "-rf .ven", "5", 5, {"--utf8", "--body", "two\nlines", "--attach", "-rf .ven"}},
    };
    QtServices services;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.status);
        EnvOverride status("FAKE_MAIL_STATUS", row.status);
        EXPECT_EQ(services.SendMail(row.recipient, row.subject, row.body, row.attachment), row.result);
        EXPECT_EQ(fake.Arguments(), row.arguments);
    }
    EXPECT_FALSE(QFile::exists(fake.Dir() + "/pwned"));
}

TEST(Mail, NoMailClientOnThePathGivesMinusOne) {
    ScratchFolder empty;
    EnvOverride path("PATH", empty.Dir().toLocal8Bit());
    EXPECT_EQ(QtServices().SendMail("support@example.com", "s", "b", ""), -1);
}

TEST(Mail, AHandOverThatDoesNotEndIsLeftRunning) {
    FakeMailClient fake;
    EnvOverride sleep("FAKE_MAIL_SLEEP", "2");
    EnvOverride status("FAKE_MAIL_STATUS", "7");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(QtServices(200).SendMail("support@example.com", "s", "b", ""), 0);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_FALSE(fake.Ended());
    // The hand-over ends by itself later and takes its process object with
    // it (the leak check of the sanitizer build sees that it does).
    while (!fake.Ended() && clock.elapsed() < 20000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(fake.Ended());
    const qint64 ended = clock.elapsed();
    while (clock.elapsed() - ended < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// ---------------------------------------------------------------------------

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.append(url); }
};

// The desktop's opener is asked, and its answer heard: an opener that
// finds no browser (xdg-open's status 3) is no address opened.
TEST(Opener, WebAddressesAndHelpFilesGoToTheDesktopOpenerWhoseAnswerCounts) {
    FakeMailClient opener("xdg-open");
    const QString help = opener.Dir() + "/odhelp4.html";
    ASSERT_TRUE(WriteAll(help, "help"));
    QtServices services;
    const auto waitForTheOpener = [&] {
        QElapsedTimer clock;
        clock.start();
        while (!opener.Ended() && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
        const qint64 ended = clock.elapsed();
        while (clock.elapsed() - ended < 300) QApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    // The opener is never waited for, quick or slow: its failure calls back
    // when it ends, a success does not.
    for (const char* sleep : {"0", "1"}) {
        for (const char* status : {"0", "3"}) {
            SCOPED_TRACE(std::string("sleep ") + sleep + " status " + status);
            EnvOverride slow("FAKE_MAIL_SLEEP", sleep);
            EnvOverride exit("FAKE_MAIL_STATUS", status);
            for (bool toHelp : {false, true}) {
                QFile::remove(opener.Dir() + "/args.ended");
                int late = 0;
                EXPECT_TRUE(toHelp ? services.OpenHelp(help, [&] { ++late; })
                                 : services.OpenUrl(QString::fromLatin1(qtapp::contact::kWebSiteAddress),
                                                    [&] { ++late; }));
                EXPECT_EQ(late, 0);
                if (QByteArray(sleep) == "1") {
                    EXPECT_FALSE(opener.Ended());
                }
                waitForTheOpener();
                EXPECT_EQ(late, QByteArray(status) == "3" ? 1 : 0);
                EXPECT_EQ(opener.Arguments(), QStringList{toHelp ? QUrl::fromLocalFile(help).toString()
                                                               : QStringLiteral("https://www.example.com/")});
            }
        }
    }
    // An error heard long after the start is the browser's own ending.
    {
        EnvOverride slow("FAKE_MAIL_SLEEP", "1");
        EnvOverride exit("FAKE_MAIL_STATUS", "3");
        QFile::remove(opener.Dir() + "/args.ended");
        int late = 0;
        EXPECT_TRUE(QtServices(1000, 200).OpenUrl("https://www.example.com/", [&] { ++late; }));
        waitForTheOpener();
        EXPECT_EQ(late, 0);
    }
    // Nothing to open is no call of the opener.
    QFile::remove(opener.Dir() + "/args");
    EXPECT_FALSE(services.OpenUrl(""));
    EXPECT_FALSE(services.OpenUrl("no address at all"));
    EXPECT_FALSE(services.OpenHelp(opener.Dir() + "/missing.html"));
    EXPECT_FALSE(services.OpenHelp(""));
    EXPECT_FALSE(services.OpenHelp(opener.Dir()));
    EXPECT_FALSE(QFile::exists(opener.Dir() + "/args"));
}

// Without xdg-open the address goes to whatever Qt finds on the desktop.
TEST(Opener, WithoutXdgOpenQtsOwnOpenerIsAsked) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "Open");
    ScratchFolder empty;
    EnvOverride path("PATH", empty.Dir().toLocal8Bit());
    EXPECT_TRUE(QtServices().OpenUrl(QString::fromLatin1(qtapp::contact::kWebSiteAddress)));
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(recorder.urls, QList<QUrl>{QUrl("https://www.example.com/")});
}

// ---------------------------------------------------------------------------

TEST(QtBoxes, QuestionsAnswerByTheButtonPressed) {
    enum class Press { Yes, No, Cancel, Escape };
    struct Row {
        AskButtons buttons;
        Press press;
        Answer answer;
    };
    const Row rows[] = {
        {AskButtons::YesNoCancel, Press::Yes, Answer::Yes},
        {AskButtons::YesNoCancel, Press::No, Answer::No},
        {AskButtons::YesNoCancel, Press::Cancel, Answer::Cancel},
        {AskButtons::YesNoCancel, Press::Escape, Answer::Cancel},
        {AskButtons::YesNo, Press::Escape, Answer::No},
        {AskButtons::YesNo, Press::Yes, Answer::Yes},
    };
    QtServices services;
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(n++);
        QString title, text;
        bool hasCancel = false;
        ModalDriver driver([&](QWidget* modal, int) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            hasCancel = box->button(QMessageBox::Cancel) != nullptr;
            switch (row.press) {
                case Press::Yes: Click(modal, QMessageBox::Yes); break;
                case Press::No: Click(modal, QMessageBox::No); break;
                case Press::Cancel: Click(modal, QMessageBox::Cancel); break;
                case Press::Escape: PressEscape(modal); break;
            }
        });
        EXPECT_EQ(services.Ask("Exit File save check", "Do you want to save the Venue ?", row.buttons), row.answer);
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(title, "Exit File save check");
        EXPECT_EQ(text, "Do you want to save the Venue ?");
        EXPECT_EQ(hasCancel, row.buttons == AskButtons::YesNoCancel);
    }
}

TEST(QtBoxes, ErrorAndInformationShowTheirText) {
    QtServices services;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    ModalDriver driver([&](QWidget* modal, int) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        texts.append(box->text());
        icons.append(box->icon());
        Click(modal, QMessageBox::Ok);
    });
    services.ShowError("Error sending mail (-1).");
    services.ShowInformation("Printed");
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(texts, (QStringList{"Error sending mail (-1).", "Printed"}));
    EXPECT_EQ(icons, (QList<QMessageBox::Icon>{QMessageBox::Critical, QMessageBox::Information}));
}

TEST(QtBoxes, ABoxBelongsToTheRunningDialogElseToTheMainWindow) {
    // Not to the active window: a tool window of the main window's.
    QWidget main, tool(&main, Qt::Tool);
    main.show();
    tool.show();
    tool.activateWindow();
    qtapp::SetMainWindow(&main);
    QDialog dialog(&main);
    QList<QWidget*> owners;
    ModalDriver driver([&](QWidget* modal, int) {
        if (modal != &dialog) {
            owners.append(modal->parentWidget());
            Click(modal, QMessageBox::Ok);
        } else if (owners.size() == 1) {  // a box from inside the dialog
            QTimer::singleShot(0, &dialog, [&] { QtServices().ShowInformation("in"), dialog.reject(); });
        }
    });
    QtServices().ShowInformation(QStringLiteral("out"));
    dialog.exec();
    qtapp::SetMainWindow(nullptr);
    EXPECT_EQ(owners, (QList<QWidget*>{&main, &dialog}));
}

// ---------------------------------------------------------------------------

namespace {

// Types `name` into a file dialog and presses its accept button later (the
// overwrite question it may ask is a modal box of its own).
void TypeAndAccept(QWidget* modal, const QString& name) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

}  // namespace

TEST(QtFileDialogs, TheSaveDialogAddsTheSuffixBeforeItsOverwriteQuestion) {
    struct Row {
        const char* typed;
        bool replace;         // the answer to the overwrite question, when asked
        bool expectQuestion;  // "hall.ven" exists
        const char* result;   // empty: cancelled
        ReplaceQuestion asks = ReplaceQuestion::Dialog;
    };
    const Row rows[] = {
        {"hall", true, true, "hall.ven"},
        {"hall", false, true, ""},  // not replaced: the dialog stays, then is cancelled
        {"hall.ven", true, true, "hall.ven"},
        {"arena", true, false, "arena.ven"},
        // The caller asks its own question: the dialog gives the name at once.
        {"hall", true, false, "hall.ven", ReplaceQuestion::Caller},
        {"hall.ven", true, false, "hall.ven", ReplaceQuestion::Caller},
    };
    ScratchFolder dir;
    ASSERT_TRUE(WriteAll(dir.Path("hall.ven"), "old design"));
    QtServices services;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        QStringList questions;
        ModalDriver driver([&](QWidget* modal, int visit) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                questions.append(box->text());
                Click(modal, row.replace ? QMessageBox::Yes : QMessageBox::No);
            } else if (visit == 1) {
                TypeAndAccept(modal, QString::fromLatin1(row.typed));
            } else {
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            }
        });
        const std::optional<QString> chosen =
            services.SaveFileName("Save", "Venue files (*.ven)|*.VEN", "ven", dir.Dir(), row.asks);
        EXPECT_FALSE(driver.TimedOut());
        if (*row.result)
            EXPECT_EQ(chosen, dir.Path(QString::fromLatin1(row.result)));
        else
            EXPECT_EQ(chosen, std::nullopt);
        ASSERT_EQ(questions.size(), row.expectQuestion ? 1 : 0);
        if (row.expectQuestion) {
            EXPECT_TRUE(questions[0].contains("hall.ven")) << questions[0].toStdString();
        }
        EXPECT_EQ(ReadAll(dir.Path("hall.ven")), "old design");  // the dialog itself writes nothing
    }
}

TEST(QtFileDialogs, TheOpenDialogGivesTheChosenFileOrNothing) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteAll(dir.Path("ARENA.VEN"), "x"));
    QtServices services;
    QString filter;
    ModalDriver driver([&](QWidget* modal, int visit) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filter = dialog->nameFilters().join(";;");
        if (visit == 1)
            TypeAndAccept(modal, "ARENA.VEN");
        else
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
    });
    EXPECT_EQ(services.OpenFileName("Open", "Venue files (*.ven)|*.VEN", dir.Dir()), dir.Path("ARENA.VEN"));
    EXPECT_EQ(filter, "Venue files (*.ven *.VEN)");
    EXPECT_EQ(services.OpenFileName("Open", "Venue files (*.ven)|*.VEN", dir.Dir()), std::nullopt);
    EXPECT_FALSE(driver.TimedOut());
}

// ---------------------------------------------------------------------------

TEST(QtPrinting, WithoutAPrinterThePagesGoToAChosenPdfFile) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed here";
    ScratchFolder dir;
    EnvOverride home("HOME", dir.Dir().toLocal8Bit()), config("XDG_CONFIG_HOME", "/nonexistent");
    QtServices services;
    QStringList seen;
    ModalDriver driver([&](QWidget* modal, int) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.append(box->text());
            Click(modal, QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            seen.append(dialog->windowTitle() + ": " + dialog->selectedFiles().value(0));
            if (seen.size() == 2)
                TypeAndAccept(modal, dir.Path("venue"));
            else
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        }
    });
    // The set-up has nothing to choose from.
    EXPECT_EQ(services.ChoosePrinter(-1), std::nullopt);
    // The first job goes to venue.pdf; the second is cancelled in the dialog.
    // Each dialog proposes a file named after the document, at home until
    // there is a Documents folder.
    std::unique_ptr<qtapp::PrintJob> job = services.BeginPrint(-1, PageOrientation::Landscape, " Hall: 1/2.");
    ASSERT_NE(job, nullptr);
    EXPECT_GT(job->PageWidth(), job->PageHeight());
    EXPECT_TRUE(job->NewPage());
    EXPECT_TRUE(job->End());
    ASSERT_TRUE(QDir().mkpath(dir.Path("Documents")));
    EXPECT_EQ(services.BeginPrint(-1, PageOrientation::Portrait, ""), nullptr);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(seen, (QStringList{"No printer is installed: printed pages are written to a PDF file.",
                                 "Print to a PDF file: " + dir.Path("Hall_ 1_2.pdf"),
                                 "Print to a PDF file: " + dir.Path("Documents/Printed.pdf")}));
    EXPECT_EQ(PdfPageCount(dir.Path("venue.pdf")), 2);
}

#include "qt_services_test.moc"
