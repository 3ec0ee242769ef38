#pragma once
// The platform services on the real desktop: Qt's own file dialogs and
// message boxes, QPrinter / QPdfWriter under our printer canvas, xdg-email
// for the mail client and xdg-open for the browser and help.

#include <QPagedPaintDevice>

#include <memory>

#include "platform/qtapp/services.h"

namespace qtapp {

// A print job on any paged device (a printer, or a PDF writer).  Abort
// throws the pages away: a printer's abort, a PDF file's removal.
class PagedDevicePrintJob : public PrintJob {
public:
    // `pdfPath` is the file the device writes, empty for a printer.
    PagedDevicePrintJob(std::unique_ptr<QPagedPaintDevice> device, QString pdfPath);
    ~PagedDevicePrintJob() override;
    PagedDevicePrintJob(const PagedDevicePrintJob&) = delete;
    PagedDevicePrintJob& operator=(const PagedDevicePrintJob&) = delete;

    rtl::PrinterCanvas& Canvas() override;
    bool NewPage() override;
    bool End() override;
    void Abort() override;

    // False when the device would not open (nothing can be drawn).
    bool IsActive() const;

private:
    std::unique_ptr<QPagedPaintDevice> device_;
    QString pdfPath_;
    std::unique_ptr<rtl::PrinterCanvas> canvas_;
    bool finished_ = false;
};

// Resolution and margins of the pages printed to a PDF file: A4, 300 dpi,
// 10 mm all round.
inline constexpr int kPdfResolution = 300;
inline constexpr double kPdfMarginMm = 10.0;

// A job writing the PDF file `path`.  nullptr, with the reason in `error`,
// when the file cannot be written.
std::unique_ptr<PrintJob> StartPdfJob(const QString& path, PageOrientation orientation,
                                      const QString& documentName, QString* error);

// Where the save dialog of a PDF print proposes to write: the user's
// documents folder when it exists, else the home folder, and a file named
// after the document (characters a file name cannot hold become "_"),
// ending in ".pdf".
QString PdfFileProposal(const QString& documentName);

class QtServices : public PlatformServices {
public:
    // How long SendMail waits for the mail hand-over to end before it
    // leaves it running and returns 0: long enough to hear xdg-email say
    // that no mail client is there (it says so at once), short enough that
    // a hand-over keeping the mail client in the foreground does not freeze
    // the window while the user writes the mail.
    // OpenUrl and OpenHelp do not wait for the desktop's opener: whether it
    // found a program (a browser) for the address is heard through their
    // failedLater when it ends, within openHeardMs of the start.
    explicit QtServices(int mailWaitMs = 5000, int openHeardMs = 10000)
        : mailWaitMs_(mailWaitMs), openHeardMs_(openHeardMs) {}

    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& dir) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix, const QString& dir,
                                        ReplaceQuestion replace = ReplaceQuestion::Dialog) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    Answer Ask(const QString& title, const QString& text, AskButtons buttons) override;
    std::optional<int> ChoosePrinter(int printerIndex) override;
    std::unique_ptr<PrintJob> BeginPrint(int printerIndex, PageOrientation orientation,
                                         const QString& documentName) override;
    int SendMail(const QString& recipient, const QString& subject, const QString& body,
                 const QString& attachmentPath) override;
    bool OpenUrl(const QString& url, std::function<void()> failedLater = nullptr) override;
    bool OpenHelp(const QString& path, std::function<void()> failedLater = nullptr) override;

private:
    int mailWaitMs_;
    int openHeardMs_;
};

}  // namespace qtapp
