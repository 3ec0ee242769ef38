#pragma once
// Event handlers run guarded: a run-time error (or any other exception)
// raised inside one is shown to the user in a message box and the program
// carries on with the next event.  No exception may cross the Qt event loop,
// so every connection goes through Guarded(...) and GuardedApplication
// catches whatever slips past as a last line.

#include <QApplication>
#include <QString>

#include <functional>
#include <type_traits>
#include <utility>

namespace qtapp {

// Where error texts go.  The default hands them to the process's platform
// services (services.h), whose ShowError shows a modal error box; tests
// install a recorder, or scripted services, so that nothing blocks.
using ErrorReporter = std::function<void(const QString& text)>;
// Installs `reporter` (an empty one restores the message box); returns the
// one it replaces.
ErrorReporter SetErrorReporter(ErrorReporter reporter);
void ReportError(const QString& text);

// The text the user sees for the exception being handled.
QString CurrentExceptionText();

// Runs `f`; an exception is reported and swallowed.  True when `f` ended
// normally.
bool RunGuarded(const std::function<void()>& f) noexcept;

// How many guarded handlers are on the stack now.  A modal dialog's loop
// inside a handler runs further events: their handlers count on top.
int RunningHandlers() noexcept;

// Runs `f` once the outermost guarded handler now running has returned, or
// at once when none runs.  `f` must not throw.
void AfterHandlers(std::function<void()> f);

// Wraps a handler for connect(): the wrapper takes whatever the signal
// passes and hands it on when the handler wants it.
template <class F>
auto Guarded(F f) {
    return [f = std::move(f)](auto&&... args) mutable {
        RunGuarded([&] {
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        });
    };
}

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Numbers are read and written with "." whatever the user's locale: the C
// library's numeric category and Qt's default locale both become "C".  Call
// after the application object exists (it sets the locale from the
// environment).
void UseCNumericLocale();

}  // namespace qtapp
