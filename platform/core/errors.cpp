#include "platform/core/errors.h"

namespace rtl {

std::string InOutError::TextFor(int code) {
    switch (code) {
        case FileNotFound: return "File not found";
        case PathNotFound: return "Invalid filename";
        case TooManyOpenFiles: return "Too many open files";
        case AccessDenied: return "File access denied";
        case ReadBeyondEnd: return "Read beyond end of file";
        case DiskFull: return "Disk full";
        case FileNotAssigned: return "File not assigned";
        case FileNotOpen: return "File not open";
        case FileNotOpenForInput: return "File not open for input";
        case FileNotOpenForOutput: return "File not open for output";
        case InvalidNumericInput: return "Invalid numeric input";
        default: return "I/O error " + std::to_string(code);
    }
}

}  // namespace rtl
