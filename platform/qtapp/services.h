#pragma once
// Everything the windows ask of the desktop that blocks or leaves the
// process: file dialogs, message boxes, the printer, the mail client, the
// browser and the help viewer.  Windows reach these only through a
// PlatformServices object, so that tests can hand them a scripted double
// (scripted_services.h) and walk every road, cancel and failure included,
// without a modal box.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace rtl {
class PrinterCanvas;
}

namespace qtapp {

// The buttons of a question box, and the answer given.  Closing a box with
// Escape or its window button answers Cancel when Cancel is offered, else No.
enum class AskButtons { YesNo, YesNoCancel };
enum class Answer { Yes, No, Cancel };

// Who asks before an existing file is replaced: the save dialog, or its
// caller.
enum class ReplaceQuestion { Dialog, Caller };

enum class PageOrientation { Portrait, Landscape };

// One print job: a printer canvas on the page, page size in device pixels.
// The document goes to the printer (or file) only with End(); a job that is
// destroyed without End() is aborted, so a drawing that fails half-way never
// prints half a page.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual rtl::PrinterCanvas& Canvas() = 0;
    int PageWidth();
    int PageHeight();
    // Starts a new page; false when the device refused it.
    virtual bool NewPage() = 0;
    // Finishes the document; true when it was handed over (spooled, or the
    // file written).
    virtual bool End() = 0;
    // Throws the document away; nothing is printed, a file is removed.
    virtual void Abort() = 0;
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // File dialogs.  `filter` is written as description|patterns pairs
    // ("Venue files (*.ven)|*.VEN"); the patterns match in either case.
    // The save dialog adds `defaultSuffix` (without dot) to a name typed
    // without one and asks its overwrite question about the name it will
    // return, unless the caller asks its own (ReplaceQuestion::Caller: the
    // caller writes a file named otherwise).  `dir` is the folder the dialog opens in; a path to a file in
    // a folder opens that folder with the file's name proposed.  nullopt
    // when the user cancels.
    virtual std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                                const QString& dir) = 0;
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                                const QString& defaultSuffix,
                                                const QString& dir,
                                                ReplaceQuestion replace = ReplaceQuestion::Dialog) = 0;

    // Message boxes with a single OK button.
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowInformation(const QString& text) = 0;
    // A question box; an empty title uses the program's name.
    virtual Answer Ask(const QString& title, const QString& text, AskButtons buttons) = 0;

    // The printer set-up dialog, opened on printer `printerIndex` (an index
    // into the installed printers, -1 for the default one).  The chosen
    // index, or nullopt when cancelled or when there is nothing to choose.
    virtual std::optional<int> ChoosePrinter(int printerIndex) = 0;
    // Starts a job on printer `printerIndex`; with no printer installed the
    // pages go to a PDF file chosen in a save dialog, which proposes a file
    // named after `documentName`.  nullptr when the user
    // cancelled or the job could not start (the reason has been shown).
    virtual std::unique_ptr<PrintJob> BeginPrint(int printerIndex, PageOrientation orientation,
                                                 const QString& documentName) = 0;

    // Hands one message to the desktop's mail client, which shows it to the
    // user to send or discard.  Empty texts are left out.  kMailNoHandOver
    // when the hand-over program (xdg-email) could not be started, else its
    // exit status: 0 for success, kMailNoClient when it found no mail
    // client to hand the message to.
    static constexpr int kMailNoHandOver = -1;
    static constexpr int kMailNoClient = 3;
    virtual int SendMail(const QString& recipient, const QString& subject, const QString& body,
                         const QString& attachmentPath) = 0;

    // The desktop's opener: a web address in the browser, a help file in
    // its viewer (a browser too).  True when the desktop took it; false when
    // it found no program to show it.  A desktop that says so only after
    // the call has returned calls `failedLater` then, on the window thread.
    virtual bool OpenUrl(const QString& url, std::function<void()> failedLater = nullptr) = 0;
    virtual bool OpenHelp(const QString& path, std::function<void()> failedLater = nullptr) = 0;
};

// The services on the real desktop (services_qt.h).
std::shared_ptr<PlatformServices> MakeQtServices();

// The services used where no window hands its own, notably for the errors
// of guarded handlers.  The Qt services until replaced; Set... returns the
// one it replaces (an empty pointer restores the Qt services).
PlatformServices& ProcessServices();
std::shared_ptr<PlatformServices> SetProcessServices(std::shared_ptr<PlatformServices> services);

// A filter of description|patterns pairs in the form Qt's file dialogs take:
// "Venue files (*.ven)|*.VEN" gives "Venue files (*.ven *.VEN)".  The
// description's own "(...)" is replaced by the patterns, each pattern in
// lower case, upper case and (when mixed) as given; several patterns are
// separated by ";", several pairs by "|".
QString ToQtNameFilter(const QString& filter);

}  // namespace qtapp
