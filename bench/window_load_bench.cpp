#ifdef ORCA_WITH_QT

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <fstream>

#include "app/qt/font_substitutes.h"
#include "app/qt/form1.h"
#include "bench_programs.h"
#include "document/qt/cp932_codec.h"
#include "document/qt/editor_pane.h"
#include "document/qt/user_dialogs.h"
#include "headless_app.h"

namespace orca {
QApplication& headlessApp() {
    static int argc = 1;
    static char name[] = "orca_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    InstallFontSubstitutes();
    return app;
}

namespace {

// Answers every question Yes and shows nothing.
class NoDialogs : public UserDialogs {
public:
    MsgAnswer message(const std::string&, MsgIcon, MsgButtons, const std::string&) override {
        return MsgAnswer::Yes;
    }
    std::vector<std::string> openFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
    int runModal(QDialog&) override { return 0; }
};

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// The window's load of the 1,000,000-line program (a file dropped on the
// editor): detection, reading, decoding, both passes on the raster surface,
// the progress bar and the editor filled in one assignment.
void BM_WindowLoadMillionLines(benchmark::State& state) {
    headlessApp();
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/million.nc";
    std::ofstream(path, std::ios::binary) << MillionLineProgram();
    NoDialogs dialogs;
    const QtTextCodec codec;
    Form1 form(SettingsFile(dir.path().toStdString() + "/settings.ini", codec), dialogs);
    form.resize(1600, 1000);
    form.show();
    for (auto _ : state) {
        form.richCode_OLEDragDrop({QString::fromStdString(path)});
        benchmark::DoNotOptimize(form.richCode().empty());
    }
    state.counters["lines"] = static_cast<double>(form.richCode().lines());
    state.counters["segments"] = static_cast<double>(form.engine().displayList.LineCount());
    state.counters["peak_rss_MB"] = peakMegabytes();
}
BENCHMARK(BM_WindowLoadMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// The toolbar's trace at speed 5 (no pause) of the first 50,000 lines of the
// program, tool marker shown: lines traced per second, the status bar
// following as the window's events run.
void BM_TraceAtSpeedFive(benchmark::State& state) {
    headlessApp();
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/part.nc";
    const std::string& all = MillionLineProgram();
    std::size_t end = 0;
    for (int i = 0; i < 50000; ++i) end = all.find('\n', end) + 1;
    std::ofstream(path, std::ios::binary) << all.substr(0, end);
    NoDialogs dialogs;
    const QtTextCodec codec;
    Form1 form(SettingsFile(dir.path().toStdString() + "/settings.ini", codec), dialogs);
    form.resize(1600, 1000);
    form.show();
    form.richCode_OLEDragDrop({QString::fromStdString(path)});
    for (auto _ : state) form.toolbarButton(Form1::kTraceButtonPosition)->trigger();
    state.counters["lines_per_s"] =
        benchmark::Counter(50000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TraceAtSpeedFive)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace orca

#endif
