#pragma once
// Run-time errors with the texts the user sees in the error box.
// Every error the program raises on purpose derives from RuntimeError, so a
// guarded event handler can catch one type and show what() as it is.

#include <stdexcept>
#include <string>

namespace rtl {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const noexcept { return code_; }

private:
    int code_;
};

// An index outside an array's bounds, or a value that does not fit the
// integer it is converted to.
class RangeError : public RuntimeError {
public:
    RangeError() : RuntimeError(201, "Range check error") {}
};

// 32-bit integer arithmetic that would wrap.
class OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError(215, "Integer overflow") {}
};

// An operation a class leaves to its subclasses and that was called anyway.
class AbstractError : public RuntimeError {
public:
    AbstractError() : RuntimeError(210, "Abstract error") {}
};

// Input/output errors, with the run-time library's numbers and texts.
class InOutError : public RuntimeError {
public:
    enum Code : int {
        FileNotFound = 2,
        PathNotFound = 3,  // shown as "Invalid filename"
        TooManyOpenFiles = 4,
        AccessDenied = 5,
        ReadBeyondEnd = 100,
        DiskFull = 101,
        FileNotAssigned = 102,
        FileNotOpen = 103,
        FileNotOpenForInput = 104,
        FileNotOpenForOutput = 105,
        InvalidNumericInput = 106,
    };
    explicit InOutError(int code) : RuntimeError(code, TextFor(code)) {}
    // The standard text followed by where it happened, for example
    // "Invalid numeric input (venue.ven, line 7)".
    InOutError(int code, const std::string& where)
        : RuntimeError(code, TextFor(code) + (where.empty() ? "" : " (" + where + ")")) {}

    static std::string TextFor(int code);
};

}  // namespace rtl
