#pragma once
// Helpers for the window tests: scratch folders and a recorder for the
// error boxes, so that no test ever blocks on a modal box.

#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/background1.h"
#include "riglink/mechdll5.h"
#include "platform/qtapp/guarded.h"

class ScratchDir {
public:
    ScratchDir() {
        std::string templ =
            (std::filesystem::temp_directory_path() / "orandel-app-test-XXXXXX").string();
        path_ = mkdtemp(templ.data());
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    // The folder with a trailing "/".
    std::string Dir() const { return path_ + "/"; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& contents) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Records error texts for as long as it lives.
class ErrorRecorder {
public:
    ErrorRecorder() {
        old_ = qtapp::SetErrorReporter([this](const QString& t) { errors.append(t); });
    }
    ~ErrorRecorder() { qtapp::SetErrorReporter(old_); }
    QStringList errors;

private:
    qtapp::ErrorReporter old_;
};

// A start with the settings in scratch folders and the real rigging library.
inline TForm1Environment TestEnv(const ScratchDir& user, const ScratchDir& program) {
    TForm1Environment env;
    env.ProgramDir = program.Dir();
    env.UserConfigDir = user.Dir();
    env.MechInit = [] { return mechInit(); };
    return env;
}
