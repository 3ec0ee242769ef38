#pragma once
// A scripted stand-in for the platform services, for tests: every answer a
// dialog would give is queued beforehand, per kind of call, and every call
// is recorded with its texts.  A dialog asked with no answer queued throws
// UnscriptedCall at once (and is counted), so a test can never sit on a
// modal box.  Message boxes with a single OK button need no answer; they
// are only recorded.  Print jobs draw real pages into a PDF file, or onto a
// sheet picture that shows where the pages' margins are.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/services.h"
#include "platform/qtapp/services_qt.h"

namespace qtapp {

class UnscriptedCall : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

struct ServiceCall {
    QString kind;  // "OpenFileName", "SaveFileName", "ShowError", "ShowInformation",
                   // "Ask", "ChoosePrinter", "BeginPrint", "PrintJob.NewPage",
                   // "PrintJob.End", "PrintJob.Abort", "SendMail", "OpenUrl", "OpenHelp"
    QStringList args;
    bool operator==(const ServiceCall&) const = default;
};

inline QString ToText(AskButtons b) {
    return b == AskButtons::YesNoCancel ? QStringLiteral("YesNoCancel") : QStringLiteral("YesNo");
}
inline QString ToText(PageOrientation o) {
    return o == PageOrientation::Landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait");
}

class ScriptedServices : public PlatformServices {
public:
    ScriptedServices() : log_(std::make_shared<std::vector<ServiceCall>>()) {}

    // --- answers, first in first out per kind (nullopt: the user cancels) ---
    void QueueOpenFile(std::optional<QString> path) { openFiles_.push_back(std::move(path)); }
    void QueueSaveFile(std::optional<QString> path) { saveFiles_.push_back(std::move(path)); }
    void QueueAnswer(Answer answer) { answers_.push_back(answer); }
    void QueuePrinterChoice(std::optional<int> index) { printers_.push_back(index); }
    // BeginPrint: a job whose pages go into the PDF file `path` ...
    void QueuePrintToPdf(const QString& path) { printJobs_.push_back(path); }
    // ... or no job (the user cancelled the PDF file, or the printer failed).
    void QueuePrintRefused() { printJobs_.push_back(std::nullopt); }
    // ... or a job drawn onto Sheet(), an A4 sheet at 100 dpi whose every
    // page lies at SheetPage(), inside margins of 10 mm that keep whatever
    // a drawing puts beside the page.
    void QueuePrintToSheet() { printJobs_.push_back(QString()); }
    const QImage& Sheet() const { return sheet_; }
    QRect SheetPage() const { return sheet_.rect().adjusted(39, 39, -39, -39); }
    // Every text of every print job begun from now on goes to `recorder`.
    void RecordPrintedTexts(rtl::PrinterCanvas::TextRecorder recorder) {
        textRecorder_ = std::move(recorder);
    }
    void QueueMailResult(int code) { mailResults_.push_back(code); }
    // For OpenUrl and OpenHelp alike.
    void QueueOpenResult(bool taken) { openResults_.push_back(taken); }

    // --- what was asked ---
    const std::vector<ServiceCall>& Calls() const { return *log_; }
    QStringList Kinds() const {
        QStringList kinds;
        for (const ServiceCall& c : *log_) kinds.append(c.kind);
        return kinds;
    }
    // The texts of the error boxes shown.
    QStringList Errors() const { return TextsOf(QStringLiteral("ShowError")); }
    QStringList Informations() const { return TextsOf(QStringLiteral("ShowInformation")); }
    // Dialogs asked with no answer queued, and answers never asked for.
    int Unanswered() const { return unanswered_; }
    std::size_t PendingAnswers() const {
        return openFiles_.size() + saveFiles_.size() + answers_.size() + printers_.size() +
               printJobs_.size() + mailResults_.size() + openResults_.size();
    }
    void ClearCalls() { log_->clear(); }

    // Told of every dialog asked with no answer queued (just before it
    // throws) and of every error box shown, with a text saying which: a test
    // hands one that fails the running test, so that neither can pass
    // unnoticed.  Without one they are only recorded.
    using FailureReport = std::function<void(const QString& what)>;
    void ReportFailuresTo(FailureReport report) { failureReport_ = std::move(report); }

    // --- the services ---
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& dir) override {
        return Take(openFiles_, {QStringLiteral("OpenFileName"), {title, filter, dir}});
    }
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix, const QString& dir,
                                        ReplaceQuestion = ReplaceQuestion::Dialog) override {
        return Take(saveFiles_, {QStringLiteral("SaveFileName"), {title, filter, defaultSuffix, dir}});
    }
    void ShowError(const QString& text) override {
        Record({QStringLiteral("ShowError"), {text}});
        if (failureReport_) failureReport_(QStringLiteral("ScriptedServices: error box shown: ") + text);
    }
    void ShowInformation(const QString& text) override {
        Record({QStringLiteral("ShowInformation"), {text}});
    }
    Answer Ask(const QString& title, const QString& text, AskButtons buttons) override {
        const Answer a = Take(answers_, {QStringLiteral("Ask"), {title, text, ToText(buttons)}});
        if (a == Answer::Cancel && buttons != AskButtons::YesNoCancel) {
            const QString what = QStringLiteral("ScriptedServices: Cancel queued for a question without Cancel");
            if (failureReport_) failureReport_(what);
            throw UnscriptedCall(what.toStdString());
        }
        return a;
    }
    std::optional<int> ChoosePrinter(int printerIndex) override {
        return Take(printers_, {QStringLiteral("ChoosePrinter"), {QString::number(printerIndex)}});
    }
    std::unique_ptr<PrintJob> BeginPrint(int printerIndex, PageOrientation orientation,
                                         const QString& documentName) override {
        const std::optional<QString> path =
            Take(printJobs_, {QStringLiteral("BeginPrint"),
                              {QString::number(printerIndex), ToText(orientation), documentName}});
        if (!path) return nullptr;
        if (path->isEmpty()) {
            const bool wide = orientation == PageOrientation::Landscape;
            sheet_ = QImage(wide ? 1169 : 827, wide ? 827 : 1169, QImage::Format_RGB32);
            sheet_.setDotsPerMeterX(3937);
            sheet_.setDotsPerMeterY(3937);
            sheet_.fill(Qt::white);
            auto sheetJob = std::make_unique<SheetJob>(sheet_, SheetPage());
            sheetJob->Canvas().SetTextRecorder(textRecorder_);
            return std::make_unique<RecordedJob>(std::move(sheetJob), log_);
        }
        QString error;
        std::unique_ptr<PrintJob> job = StartPdfJob(*path, orientation, documentName, &error);
        if (!job) {
            ShowError(error);
            return nullptr;
        }
        job->Canvas().SetTextRecorder(textRecorder_);
        return std::make_unique<RecordedJob>(std::move(job), log_);
    }
    int SendMail(const QString& recipient, const QString& subject, const QString& body,
                 const QString& attachmentPath) override {
        return Take(mailResults_,
                    {QStringLiteral("SendMail"), {recipient, subject, body, attachmentPath}});
    }
    // The answer is given at once: nothing fails later.
    bool OpenUrl(const QString& url, std::function<void()> = nullptr) override {
        return Take(openResults_, {QStringLiteral("OpenUrl"), {url}});
    }
    bool OpenHelp(const QString& path, std::function<void()> = nullptr) override {
        return Take(openResults_, {QStringLiteral("OpenHelp"), {path}});
    }

private:
    using Log = std::vector<ServiceCall>;

    // A print job that writes its calls into the log it shares with the
    // services (it may outlive them).
    class RecordedJob : public PrintJob {
    public:
        RecordedJob(std::unique_ptr<PrintJob> job, std::shared_ptr<Log> log)
            : job_(std::move(job)), log_(std::move(log)) {}
        ~RecordedJob() override {
            if (!done_) Abort();
        }
        rtl::PrinterCanvas& Canvas() override { return job_->Canvas(); }
        bool NewPage() override {
            log_->push_back({QStringLiteral("PrintJob.NewPage"), {}});
            return job_->NewPage();
        }
        bool End() override {
            log_->push_back({QStringLiteral("PrintJob.End"), {}});
            done_ = true;
            return job_->End();
        }
        void Abort() override {
            if (done_) return;
            log_->push_back({QStringLiteral("PrintJob.Abort"), {}});
            done_ = true;
            job_->Abort();
        }

    private:
        std::unique_ptr<PrintJob> job_;
        std::shared_ptr<Log> log_;
        bool done_ = false;
    };

    class SheetJob : public PrintJob {
    public:
        SheetJob(QImage& sheet, const QRect& page) : canvas_(sheet, page) {}
        rtl::PrinterCanvas& Canvas() override { return canvas_; }
        bool NewPage() override { return canvas_.NewPage(); }
        bool End() override {
            canvas_.EndDocument();
            return true;
        }
        void Abort() override { canvas_.EndDocument(); }

    private:
        rtl::PrinterCanvas canvas_;
    };

    void Record(ServiceCall call) { log_->push_back(std::move(call)); }

    template <class T>
    T Take(std::deque<T>& queue, ServiceCall call) {
        Record(call);
        if (queue.empty()) {
            ++unanswered_;
            const QString what = QStringLiteral("ScriptedServices: no answer queued for ") + call.kind +
                                 "(" + call.args.join(QStringLiteral(", ")) + ")";
            if (failureReport_) failureReport_(what);
            throw UnscriptedCall(what.toStdString());
        }
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }

    QStringList TextsOf(const QString& kind) const {
        QStringList texts;
        for (const ServiceCall& c : *log_)
            if (c.kind == kind) texts.append(c.args.value(0));
        return texts;
    }

    std::shared_ptr<Log> log_;
    std::deque<std::optional<QString>> openFiles_;
    std::deque<std::optional<QString>> saveFiles_;
    std::deque<Answer> answers_;
    std::deque<std::optional<int>> printers_;
    std::deque<std::optional<QString>> printJobs_;
    rtl::PrinterCanvas::TextRecorder textRecorder_;
    std::deque<int> mailResults_;
    std::deque<bool> openResults_;
    int unanswered_ = 0;
    FailureReport failureReport_;
    QImage sheet_;
};

// Makes `services` the process's services (the ones guarded handlers report
// their errors to) for as long as it lives.
class ScopedProcessServices {
public:
    explicit ScopedProcessServices(std::shared_ptr<PlatformServices> services)
        : old_(SetProcessServices(std::move(services))) {}
    ~ScopedProcessServices() { SetProcessServices(std::move(old_)); }
    ScopedProcessServices(const ScopedProcessServices&) = delete;
    ScopedProcessServices& operator=(const ScopedProcessServices&) = delete;

private:
    std::shared_ptr<PlatformServices> old_;
};

}  // namespace qtapp
