#include <benchmark/benchmark.h>

#include "alloc_counter.h"
#include "bench_programs.h"
#include "nc/program_plot.h"
#include "nc/view_fit.h"
#include "view/recording_surface.h"

namespace orca {
namespace {

struct PassRig {
    RecordingSurface surface{false};
    PlainToolMarker marker;
    SilentSink sink;
    PlotEngine engine{surface, marker, sink};

    PassRig() { ResetWindow(engine, kBenchWindowWidth, kBenchWindowHeight); }
};

// Extents and tool-path passes over 1,000,000 lines, as a load runs them.
// allocs_per_line counts operator new calls of the last iteration (the
// display list keeps its capacity between iterations, so this is what the
// passes allocate per line).
void BM_Passes1M(benchmark::State& state) {
    const std::string& text = MillionLineProgram();
    PassRig rig;
    std::size_t allocs = 0;
    for (auto _ : state) {
        const std::size_t before = NewCalls();
        benchmark::DoNotOptimize(PlotLoadedProgram(rig.engine, text));
        allocs = NewCalls() - before;
    }
    state.counters["lines"] = static_cast<double>(kBenchLines);
    state.counters["drawn"] = static_cast<double>(rig.surface.lineCalls() + rig.surface.circleCalls()) /
                              static_cast<double>(state.iterations());
    state.counters["allocs_per_line"] = static_cast<double>(allocs) / kBenchLines;
}
BENCHMARK(BM_Passes1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same program in the standard word reading.
void BM_PassesStandard1M(benchmark::State& state) {
    const std::string& text = MillionLineProgram();
    PassRig rig;
    rig.engine.settings.StandardReading = true;
    for (auto _ : state) benchmark::DoNotOptimize(PlotLoadedProgram(rig.engine, text));
    state.counters["lines"] = static_cast<double>(kBenchLines);
    state.counters["drawn"] = static_cast<double>(rig.surface.lineCalls() + rig.surface.circleCalls()) /
                              static_cast<double>(state.iterations());
}
BENCHMARK(BM_PassesStandard1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The load's text pipeline as the window runs it: both passes plus the
// editor text built record by record.
void BM_PlotLoadedText1M(benchmark::State& state) {
    const std::string& text = MillionLineProgram();
    PassRig rig;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlotLoadedText(rig.engine, text));
    }
}
BENCHMARK(BM_PlotLoadedText1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace orca
