// Time of the main window's recalculate road for a 16-cabinet array: the
// hand-over of the window's values to the venue (array rebuilt, splay angles
// designed automatically, rig evaluated), the rigging read-out, and the venue
// section drawn into a 1280 x 800 off-screen image.  Target: under 5 ms.
//
// Run on the offscreen platform: QT_QPA_PLATFORM=offscreen (set here when
// the environment leaves it empty).  Read the CPU column: wall time on a
// loaded machine says little.
//
// The pictures are drawn at the screen's scale: `--scale=2` (or the
// environment's QT_SCALE_FACTOR) runs every benchmark as on a screen at
// 200 %; the counter "scale" says which scale a row was measured at.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStringList>
#include <QTabWidget>
#include <QtGlobal>

#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "model/arrays/lsarray.h"
#include "app/background1.h"
#include "riglink/mechdll5.h"
#include "app/mechwarnform.h"
#include "venue/model/venue.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/picturebox.h"
#include "app/venue_picture.h"

namespace {

constexpr int kPictureWidth = 1280;
constexpr int kPictureHeight = 800;

struct ArrayChoice {
    const char* Type;
    int N1, N2;
};

constexpr ArrayChoice kArrays[] = {
    {"Arvo", 16, 0},
    {"Bexa", 16, 0},
    {"MIXArvoBexa", 8, 8},
};

// Error texts a guarded handler would have put in a message box; a modal
// box would stop an unattended run.
QStringList& ReportedErrors() {
    static QStringList errors;
    return errors;
}

// The offscreen platform says of each raise() of the warnings window (an
// unsafe rig) that it cannot raise windows; that is not news to a
// benchmark.  Every other message goes on as before.
QtMessageHandler& PreviousMessageHandler() {
    static QtMessageHandler previous = nullptr;
    return previous;
}

void QuietAboutRaise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support raise()"))) return;
    if (PreviousMessageHandler() != nullptr) PreviousMessageHandler()(type, context, text);
}

// The widgets need an application object; one for the whole run.  It is
// never destroyed: the windows made by the benchmarks are gone by then and
// tearing Qt down during static destruction gains nothing.
void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "recalculate_road_bench";
    static char* argv[] = {name, nullptr};
    new qtapp::GuardedApplication(argc, argv);
    qtapp::UseCNumericLocale();
    qtapp::SetErrorReporter([](const QString& text) { ReportedErrors().append(text); });
    PreviousMessageHandler() = qInstallMessageHandler(QuietAboutRaise);
}

// A road that reported an error measured something else than the road.
void FailOnReportedErrors(benchmark::State& state) {
    if (ReportedErrors().isEmpty()) return;
    // Kept alive: older releases of the library keep only the pointer.
    static std::string message;
    message = ReportedErrors().join(QStringLiteral("; ")).toStdString();
    state.SkipWithError(message.c_str());
    ReportedErrors().clear();
}

// A main window as after "Design": the start-up venue, the chosen array,
// rigging results shown.  No settings file is read or written.
std::unique_ptr<TForm1> MakeWindow(const ArrayChoice& a, const std::string& scratch) {
    TForm1Environment env;
    env.ProgramDir = scratch;
    env.UserConfigDir = scratch;
    env.MechInit = [] { return mechInit(); };
    auto w = std::make_unique<TForm1>(env);
    w->FArrayType = a.Type;
    w->FNumBoxes1 = a.N1;
    w->FNumBoxes2 = a.N2;
    w->FNumBoxes3 = 0;
    // Trimmed high enough for sixteen cabinets over the start-up floor.
    w->FArrayHeight = 12.0;
    w->FNoDesign = 0;
    // As the design start leaves the view: planes, array, coverage and rays
    // shown, the start-up screen gone.
    for (int k = 1; k <= 4; ++k) w->FViewFlags[k] = 1;
    w->FViewFlags[5] = 0;
    w->FViewFlags[6] = 0;
    w->FViewFlags[8] = 0;
    w->FStatusText = "AUTO DESIGNED ARRAY";
    return w;
}

std::string ScratchFolder() {
    // A folder that holds no settings file; nothing is written to it.
    return "/nonexistent-orandel-bench/";
}

// What the timed road did, so that a fast time cannot hide skipped work:
// the cabinets the rig was evaluated with, the rig's safety level and how
// much of the picture was drawn on.
void ReportWork(benchmark::State& state, TForm1& w, const QImage& picture) {
    const TLoudspeakerArray* a = w.FVenue->LSArray.get();
    state.counters["cabinets"] = a != nullptr ? a->ElementCount : 0;
    state.counters["level"] = w.RigReadout().SafetyLevel();
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    // The section is drawn on white; its top-left pixel is the frame's, so
    // it cannot stand for the background.
    const QRgb background = qRgb(0xFF, 0xFF, 0xFF);
    long long drawn = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != background) ++drawn;
    state.counters["drawn_px"] = static_cast<double>(drawn);
    if (drawn == 0) state.SkipWithError("nothing was drawn on the picture");
    state.counters["width"] = img.width();
    state.counters["height"] = img.height();
    state.counters["scale"] = picture.devicePixelRatio();
}

// The road with its parts made explicit, so that the picture is exactly
// 1280 x 800: values to the venue, rig read-out and lamp, venue section.
void BM_RecalculateRoad(benchmark::State& state) {
    EnsureApplication();
    const ArrayChoice& a = kArrays[state.range(0)];
    state.SetLabel(std::string(a.Type) + " x" + std::to_string(a.N1 + a.N2));
    try {
        auto w = MakeWindow(a, ScratchFolder());
        TOffscreenImage image;
        image.SetSize(kPictureWidth, kPictureHeight);
        TVenueDrawCall call;
        call.Width = kPictureWidth;
        call.Height = kPictureHeight;
        for (int k = 0; k <= 10; ++k) call.ViewFlags[static_cast<std::size_t>(k)] = w->FViewFlags[k];
        call.SelElement = w->FSelElement;
        for (auto _ : state) {
            w->PassValuesToVenue();
            w->ShowRiggingLoads();
            DrawVenueSection(*w, image.Canvas(), call);
            benchmark::DoNotOptimize(image.Image().constBits());
        }
        ReportWork(state, *w, image.Image());
        FailOnReportedErrors(state);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_RecalculateRoad)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The window's own Recalculate, laid out so that its picture is 1280 x 800:
// adds the warnings window, the copy onto the paint box and the array-tab
// refresh.
void BM_Recalculate(benchmark::State& state) {
    EnsureApplication();
    const ArrayChoice& a = kArrays[state.range(0)];
    state.SetLabel(std::string(a.Type) + " x" + std::to_string(a.N1 + a.N2));
    try {
        auto w = MakeWindow(a, ScratchFolder());
        // An unsafe or caution rig fills, places and shows the warnings window.
        Tmechwarn warnings;
        w->SetWarningsWindow(&warnings);
        // Tool bar and venue page take the rest of the window's height.
        w->resize(kPictureWidth, kPictureHeight);
        w->ScreenResizeExecute(w.get());
        const int extra = w->height() - w->image1->height();
        w->resize(kPictureWidth, kPictureHeight + extra);
        w->ScreenResizeExecute(w.get());
        if (w->image1->width() != kPictureWidth || w->image1->height() != kPictureHeight) {
            state.SkipWithError("the picture is not 1280 x 800");
            return;
        }
        for (auto _ : state) {
            w->Recalculate();
            benchmark::DoNotOptimize(w->FVenueImage->Image().constBits());
        }
        ReportWork(state, *w, w->FVenueImage->Image());
        FailOnReportedErrors(state);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_Recalculate)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One action on each page as the user makes it: a recalculation and the
// page's paint that follows it once the handler has returned, or on the
// venue page one step of the cabinet selection with the Down key (a redraw
// of the array over the section).  "paints" counts the paint road's runs
// per action: one.
void BM_ActionWithItsPaint(benchmark::State& state) {
    EnsureApplication();
    const int page = static_cast<int>(state.range(0));
    state.SetLabel(page == 0 ? "venue page, Down key" : page == 1 ? "array page" : "patch page");
    try {
        auto w = MakeWindow(kArrays[0], ScratchFolder());
        Tmechwarn warnings;
        w->SetWarningsWindow(&warnings);
        w->resize(kPictureWidth, kPictureHeight);
        w->PageControl1->setCurrentIndex(page);
        w->ScreenResizeExecute(w.get());
        QApplication::processEvents();
        const int before = w->PaintRoadRuns();
        for (auto _ : state) {
            if (page == 0) {
                w->FSelElement = 0;
                w->FormKeyDown(Qt::Key_Down);
            } else {
                w->Recalculate();
            }
            QApplication::processEvents();
            benchmark::DoNotOptimize(w->image1->Picture().constBits());
        }
        state.counters["paints"] = benchmark::Counter(
            static_cast<double>(w->PaintRoadRuns() - before) / static_cast<double>(state.iterations()));
        ReportWork(state, *w, w->image1->Picture());
        FailOnReportedErrors(state);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_ActionWithItsPaint)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

// Google Benchmark's own arguments, and `--scale=<factor>`: the screen scale
// the window is made at (QT_SCALE_FACTOR, read when the application starts).
int main(int argc, char** argv) {
    constexpr const char* kScale = "--scale=";
    std::vector<char*> args;
    for (int k = 0; k < argc; ++k) {
        if (k > 0 && std::strncmp(argv[k], kScale, std::strlen(kScale)) == 0)
            qputenv("QT_SCALE_FACTOR", argv[k] + std::strlen(kScale));
        else
            args.push_back(argv[k]);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    benchmark::AddCustomContext("scale", scale.isEmpty() ? "1" : scale.toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
