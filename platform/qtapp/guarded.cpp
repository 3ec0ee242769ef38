#include "platform/qtapp/guarded.h"

#include <QLocale>

#include <clocale>
#include <exception>

#include "platform/core/errors.h"
#include "platform/qtapp/services.h"

namespace qtapp {
namespace {

ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}

}  // namespace

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
