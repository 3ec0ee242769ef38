#include "platform/qtapp/guarded.h"

#include <QLocale>

#include <clocale>
#include <exception>
#include <vector>

#include "platform/core/errors.h"
#include "platform/qtapp/services.h"

namespace qtapp {
namespace {

ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}

int& HandlerDepth() {
    static int depth = 0;
    return depth;
}

std::vector<std::function<void()>>& WaitingForHandlers() {
    static std::vector<std::function<void()>> waiting;
    return waiting;
}

// Counts a guarded handler for as long as it runs; the last one out runs
// what waited for the handlers to end.
class HandlerRun {
public:
    HandlerRun() noexcept { ++HandlerDepth(); }
    ~HandlerRun() {
        if (--HandlerDepth() > 0) return;
        std::vector<std::function<void()>> due;
        due.swap(WaitingForHandlers());
        for (std::function<void()>& f : due) {
            try {
                f();
            } catch (...) {
            }
        }
    }
    HandlerRun(const HandlerRun&) = delete;
    HandlerRun& operator=(const HandlerRun&) = delete;
};

}  // namespace

int RunningHandlers() noexcept { return HandlerDepth(); }

void AfterHandlers(std::function<void()> f) {
    if (HandlerDepth() > 0)
        WaitingForHandlers().push_back(std::move(f));
    else
        f();
}

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    ErrorReporter old = std::move(Reporter());
    Reporter() = std::move(reporter);
    return old;
}

void ReportError(const QString& text) {
    // A reporter that fails itself must not take the program down.
    try {
        if (Reporter())
            Reporter()(text);
        else
            ProcessServices().ShowError(text);
    } catch (...) {
    }
}

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const rtl::RuntimeError& e) {
        return QString::fromUtf8(e.what());
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

bool RunGuarded(const std::function<void()>& f) noexcept {
    const HandlerRun running;
    try {
        f();
        return true;
    } catch (...) {
        QString text;
        try {
            text = CurrentExceptionText();
        } catch (...) {
        }
        ReportError(text);
        return false;
    }
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        QString text;
        try {
            text = CurrentExceptionText();
        } catch (...) {
        }
        ReportError(text);
        return false;
    }
}

void UseCNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

}  // namespace qtapp
