#pragma once
// Helpers for the window tests: scratch folders, scripted services that
// fail the test on a dialog it did not script, and a recorder for the error
// boxes a test expects, so that no test ever blocks on a modal box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "app/background1.h"
#include "riglink/mechdll5.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/scripted_services.h"

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

// Scripted services that fail the running test on a dialog it did not
// script and on an error box: a test that expects either queues its answers
// on services of its own, or records the errors (ErrorRecorder).
inline std::shared_ptr<qtapp::ScriptedServices> LoudServices() {
    auto services = std::make_shared<qtapp::ScriptedServices>();
    services->ReportFailuresTo([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
    return services;
}

// A start with the settings in scratch folders, the real rigging library
// and loud scripted services (a test that scripts answers hands its own).
inline TForm1Environment TestEnv(const ScratchDir& user, const ScratchDir& program) {
    TForm1Environment env;
    env.ProgramDir = program.Dir();
    env.UserConfigDir = user.Dir();
    env.MechInit = [] { return mechInit(); };
    env.Services = LoudServices();
    return env;
}

// The scripted services a window was started with, or nullptr.
inline qtapp::ScriptedServices* ScriptedOf(const TForm1& w) {
    return dynamic_cast<qtapp::ScriptedServices*>(w.Environment().Services.get());
}

// Shows `w` at a size that shows the venue page whole, as the active window.
inline void ShowActive(TForm1& w) {
    w.resize(1280, 720);
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    for (int k = 0; k < 100 && !w.isActiveWindow(); ++k) QApplication::processEvents();
}

// A window of one test's own: scratch folders for its settings, the real
// rigging library and loud scripted services, installed for the process too
// (queue a dialog's answers on `services`; record expected errors with an
// ErrorRecorder).
struct TestWindow {
    ScratchDir user, program;
    std::shared_ptr<qtapp::ScriptedServices> services = LoudServices();
    qtapp::ScopedProcessServices process{services};
    std::unique_ptr<TForm1> w;
    TestWindow() {
        TForm1Environment env = TestEnv(user, program);
        env.Services = services;
        w = std::make_unique<TForm1>(std::move(env));
    }
    TForm1& operator*() const { return *w; }
    TForm1* operator->() const { return w.get(); }
    // Writes the venue file `text` as `file` in the user's folder and loads
    // it through the Load button.
    void Load(const std::string& text, const std::string& file = "d.ven") {
        WriteFile(user.Path(file), text);
        services->QueueOpenFile(QString::fromStdString(user.Path(file)));
        w->LoadTButClick();
    }
};
