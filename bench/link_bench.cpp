// Text and drawing as one on the 1,000,000-line program: the caret line's
// highlight, the hit test of a click, and a wheel notch.

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

#include "bench_programs.h"
#include "view/hit_index.h"
#include "view/line_items.h"
#include "view/window_pixels.h"

#ifdef ORCA_WITH_QT
#include <QImage>

#include "app/ui/surface_view.h"
#include "headless_app.h"
#endif

namespace orca {
namespace {

constexpr int kWidthPx = 1200;
constexpr int kHeightPx = 800;

WindowPixels FittedPixels() {
    return WindowPixels::Of({0.0f, 0.0f, kBenchWindowWidth, kBenchWindowHeight}, kWidthPx, kHeightPx);
}

// Building the index on the first click: its time and what it holds.
void BM_HitIndexBuild1M(benchmark::State& state) {
    const DisplayList& list = MillionLineDisplayList();
    HitIndex index;
    for (auto _ : state) {
        index.build(list);
        benchmark::ClobberMemory();
    }
    const double items = static_cast<double>(list.LineCount() + list.CircleCount());
    state.counters["index_MB"] = static_cast<double>(index.memoryBytes()) / 1e6;
    state.counters["index_bytes_per_item"] = static_cast<double>(index.memoryBytes()) / items;
    state.counters["list_bytes_per_item"] =
        static_cast<double>(list.LineCount() * sizeof(LineItem) + list.CircleCount() * sizeof(CircleItem)) /
        items;
}
BENCHMARK(BM_HitIndexBuild1M)->Unit(benchmark::kMillisecond)->Iterations(3);

// One click: the nearest item within five pixels, the fitted view.
void BM_HitTest1M(benchmark::State& state) {
    const DisplayList& list = MillionLineDisplayList();
    HitIndex index;
    index.build(list);
    const WindowPixels m = FittedPixels();
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> x(0, kWidthPx), y(0, kHeightPx);
    std::int64_t hits = 0;
    for (auto _ : state) {
        hits += index.Nearest(list, m, x(rng), y(rng), 5.0).has_value();
    }
    state.counters["hit_ratio"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HitTest1M)->Unit(benchmark::kMicrosecond);

#ifdef ORCA_WITH_QT
// The caret moves to a line: the drawing is painted again, the picture and
// the line's items over it, highlighted.
void BM_HighlightLine1M(benchmark::State& state) {
    headlessApp();
    const DisplayList& list = MillionLineDisplayList();
    SurfaceView view;
    view.resize(kWidthPx, kHeightPx);
    view.show();
    view.surface().setWindow({0.0f, 0.0f, kBenchWindowWidth, kBenchWindowHeight});
    DisplayList_Redraw(list, view.surface());
    QImage frame(kWidthPx, kHeightPx, QImage::Format_RGB32);
    std::mt19937 rng(2);
    std::uniform_int_distribution<std::int32_t> line(1, static_cast<std::int32_t>(kBenchLines));
    for (auto _ : state) {
        view.setHighlight(&list, line(rng));
        view.render(&frame);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HighlightLine1M)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace orca
