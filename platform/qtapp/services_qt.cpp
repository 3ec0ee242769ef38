#include "platform/qtapp/services_qt.h"

#include <QAbstractPrintDialog>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/dialog_owner.h"
#include "platform/qtapp/guarded.h"

namespace qtapp {
namespace {

QString BoxTitle(const QString& fallback) {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? fallback : name;
}

QPageLayout::Orientation ToQt(PageOrientation o) {
    return o == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Qt's own dialog, not the desktop's: only it adds the default suffix
// before it asks whether to replace an existing file, so the question is
// always about the file that will be written.
std::optional<QString> RunFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    return files.front();
}

}  // namespace

// ---------------------------------------------------------------------------

PagedDevicePrintJob::PagedDevicePrintJob(std::unique_ptr<QPagedPaintDevice> device, QString pdfPath)
    : device_(std::move(device)),
      pdfPath_(std::move(pdfPath)),
      canvas_(std::make_unique<rtl::PrinterCanvas>(*device_)) {}

PagedDevicePrintJob::~PagedDevicePrintJob() {
    if (!finished_) Abort();
}

rtl::PrinterCanvas& PagedDevicePrintJob::Canvas() { return *canvas_; }

bool PagedDevicePrintJob::IsActive() const { return canvas_->IsActive(); }

bool PagedDevicePrintJob::NewPage() {
    if (finished_) return false;
    return canvas_->NewPage();
}

bool PagedDevicePrintJob::End() {
    if (finished_) return false;
    finished_ = true;
    if (!canvas_->IsActive()) return false;
    canvas_->EndDocument();
    if (!pdfPath_.isEmpty()) return QFileInfo(pdfPath_).size() > 0;
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get()))
        return printer->printerState() != QPrinter::Error &&
               printer->printerState() != QPrinter::Aborted;
    return true;
}

void PagedDevicePrintJob::Abort() {
    if (finished_) return;
    finished_ = true;
    // Only a file this job opened (and so emptied) is removed: a path that
    // never opened may name someone else's file.
    const bool opened = canvas_->IsActive();
    if (auto* printer = dynamic_cast<QPrinter*>(device_.get()); printer && opened) printer->abort();
    canvas_->EndDocument();
    if (opened && !pdfPath_.isEmpty()) QFile::remove(pdfPath_);
}

QString PdfFileProposal(const QString& documentName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    QString name;
    for (const QChar c : documentName) {
        const bool unfit = c.category() == QChar::Other_Control ||
                           QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unfit ? QChar(u'_') : c;
    }
    // No hidden file, no name that ends in a dot or blank.
    while (!name.isEmpty() && (name.front() == u'.' || name.front().isSpace())) name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u'.' || name.back().isSpace())) name.chop(1);
    if (name.isEmpty()) name = QStringLiteral("Printed");
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

std::unique_ptr<PrintJob> StartPdfJob(const QString& path, PageOrientation orientation,
                                      const QString& documentName, QString* error) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(kPdfResolution);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), ToQt(orientation),
                                      QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                      QPageLayout::Millimeter));
    writer->setTitle(documentName);
    writer->setCreator(QApplication::applicationDisplayName());
    auto job = std::make_unique<PagedDevicePrintJob>(std::move(writer), path);
    if (!job->IsActive()) {
        if (error) *error = QStringLiteral("Cannot write the file \"%1\".").arg(path);
        return nullptr;
    }
    return job;
}

// ---------------------------------------------------------------------------

std::shared_ptr<PlatformServices> MakeQtServices() { return std::make_shared<QtServices>(); }

std::optional<QString> QtServices::OpenFileName(const QString& title, const QString& filter,
                                                const QString& dir) {
    QFileDialog dialog(DialogOwner(), title, dir, ToQtNameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog);
}

std::optional<QString> QtServices::SaveFileName(const QString& title, const QString& filter,
                                                const QString& defaultSuffix, const QString& dir,
                                                ReplaceQuestion replace) {
    QFileDialog dialog(DialogOwner(), title, dir, ToQtNameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, replace == ReplaceQuestion::Caller);
    return RunFileDialog(dialog);
}

void QtServices::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, BoxTitle(QStringLiteral("Error")), text, QMessageBox::Ok,
                    DialogOwner());
    box.exec();
}

void QtServices::ShowInformation(const QString& text) {
    QMessageBox box(QMessageBox::Information, BoxTitle(QStringLiteral("Information")), text,
                    QMessageBox::Ok, DialogOwner());
    box.exec();
}

Answer QtServices::Ask(const QString& title, const QString& text, AskButtons buttons) {
    const bool withCancel = buttons == AskButtons::YesNoCancel;
    QMessageBox::StandardButtons offered = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) offered |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? BoxTitle(QStringLiteral("Question")) : title,
                    text, offered, DialogOwner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<int> QtServices::ChoosePrinter(int printerIndex) {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) {
        ShowInformation(QStringLiteral("No printer is installed: printed pages are written to a PDF file."));
        return std::nullopt;
    }
    QPrinter printer;
    if (printerIndex >= 0 && printerIndex < names.size()) printer.setPrinterName(names[printerIndex]);
    QPrintDialog dialog(&printer, DialogOwner());
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // A choice of printer only: the print job itself draws every page.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const qsizetype chosen = names.indexOf(printer.printerName());
    return chosen < 0 ? -1 : static_cast<int>(chosen);
}

std::unique_ptr<PrintJob> QtServices::BeginPrint(int printerIndex, PageOrientation orientation,
                                                 const QString& documentName) {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) {
        const std::optional<QString> path = SaveFileName(
            QStringLiteral("Print to a PDF file"), QStringLiteral("PDF files (*.pdf)|*.PDF"),
            QStringLiteral("pdf"), PdfFileProposal(documentName));
        if (!path) return nullptr;
        QString error;
        std::unique_ptr<PrintJob> job = StartPdfJob(*path, orientation, documentName, &error);
        if (!job) ShowError(error);
        return job;
    }
    if (printerIndex < -1 || printerIndex >= names.size()) {
        ShowError(QStringLiteral("The chosen printer is not installed: choose one in the printer set-up."));
        return nullptr;
    }
    QString name = printerIndex >= 0 ? names[printerIndex] : QPrinterInfo::defaultPrinterName();
    if (name.isEmpty()) name = names.front();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(name);
    printer->setPageOrientation(ToQt(orientation));
    printer->setDocName(documentName);
    auto job = std::make_unique<PagedDevicePrintJob>(std::move(printer), QString());
    if (!job->IsActive()) {
        ShowError(QStringLiteral("The printer \"%1\" could not be started.").arg(name));
        return nullptr;
    }
    return job;
}

int QtServices::SendMail(const QString& recipient, const QString& subject, const QString& body,
                         const QString& attachmentPath) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) return kMailNoHandOver;
    // Every text is one argument of its own: no shell ever sees them.
    QStringList arguments{QStringLiteral("--utf8")};
    if (!subject.isEmpty()) arguments << QStringLiteral("--subject") << subject;
    if (!body.isEmpty()) arguments << QStringLiteral("--body") << body;
    if (!attachmentPath.isEmpty()) arguments << QStringLiteral("--attach") << attachmentPath;
    if (!recipient.isEmpty()) arguments << recipient;

    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) return kMailNoHandOver;
    if (!process->waitForFinished(mailWaitMs_)) {
        if (process->state() != QProcess::NotRunning) {
            // Still handing over: leave it running, it cleans up after itself.
            QProcess* running = process.release();
            QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
            return 0;
        }
    }
    if (process->exitStatus() != QProcess::NormalExit) return kMailNoHandOver;
    return process->exitCode();
}

namespace {

// The desktop's opener, xdg-open, says by its exit status whether it found
// a program for the address: QDesktopServices starts it and never hears.
// The window never waits for it (it may hand the address to a browser it
// keeps in the foreground, and end only with it): its answer is heard when
// it ends, through failedLater.  An error heard more than `heardMs` after
// the start is the browser's own ending, not a failure to open.
bool OpenOnDesktop(const QUrl& url, int heardMs, std::function<void()> failedLater) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    auto process = std::make_unique<QProcess>();
    process->setProgram(opener);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    // Whatever the opener says still reaches the terminal.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted()) return false;
    QElapsedTimer started;
    started.start();
    QProcess* running = process.release();
    QObject::connect(running, &QProcess::finished, running,
                     [running, started, heardMs, failedLater = std::move(failedLater)] {
                         const bool failed = running->exitStatus() != QProcess::NormalExit ||
                                             running->exitCode() != 0;
                         if (failed && started.elapsed() <= heardMs && failedLater)
                             RunGuarded(failedLater);
                         running->deleteLater();
                     });
    return true;
}

}  // namespace

bool QtServices::OpenUrl(const QString& url, std::function<void()> failedLater) {
    const QUrl u(url, QUrl::StrictMode);
    if (!u.isValid() || u.scheme().isEmpty()) return false;
    return OpenOnDesktop(u, openHeardMs_, std::move(failedLater));
}

bool QtServices::OpenHelp(const QString& path, std::function<void()> failedLater) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) return false;
    return OpenOnDesktop(QUrl::fromLocalFile(info.absoluteFilePath()), openHeardMs_,
                         std::move(failedLater));
}

}  // namespace qtapp
