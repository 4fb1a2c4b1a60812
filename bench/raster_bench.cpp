#ifdef ORCA_WITH_QT

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/qt/entry_points.h"
#include "app/ui/raster_surface.h"
#include "bench_programs.h"
#include "view/display_list.h"
#include "view/pixel_replay.h"

namespace orca {
namespace {

// One zoom or pan: clear and replay the 1,000,000-line display list on a
// 1200 x 800 image.
void BM_RasterReplay1M(benchmark::State& state) {
    const DisplayList& list = MillionLineDisplayList();
    RasterSurface surface(1200, 800);
    surface.setWindow({0.0f, 0.0f, kBenchWindowWidth, kBenchWindowHeight});
    for (auto _ : state) {
        surface.Cls();
        DisplayList_Redraw(list, surface);
        benchmark::ClobberMemory();
    }
    state.counters["lines"] = static_cast<double>(list.LineCount());
    state.counters["circles"] = static_cast<double>(list.CircleCount());
}
BENCHMARK(BM_RasterReplay1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same replay on the calling thread alone: what the two bands save.
void BM_RasterReplayOneThread1M(benchmark::State& state) {
    const DisplayList& list = MillionLineDisplayList();
    QImage image(1200, 800, QImage::Format_RGB32);
    const PixelCanvas canvas{reinterpret_cast<std::uint32_t*>(image.bits()),
                             static_cast<int>(image.bytesPerLine() / 4), image.width(), image.height()};
    const WindowPixels m =
        WindowPixels::Of({0.0f, 0.0f, kBenchWindowWidth, kBenchWindowHeight}, image.width(), image.height());
    for (auto _ : state) {
        image.fill(0xFF000000u);
        ReplayPixelBand(list, canvas, m);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RasterReplayOneThread1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same replay zoomed in four times about the middle: most of the path
// is culled, the rest drawn four times larger.
void BM_RasterReplayZoomed1M(benchmark::State& state) {
    const DisplayList& list = MillionLineDisplayList();
    RasterSurface surface(1200, 800);
    surface.setWindow({kBenchWindowWidth * 3 / 8, kBenchWindowHeight * 3 / 8, kBenchWindowWidth / 4,
                       kBenchWindowHeight / 4});
    for (auto _ : state) {
        surface.Cls();
        DisplayList_Redraw(list, surface);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RasterReplayZoomed1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The whole --render command on the 1,000,000-line file: read, decode, both
// passes with the editor text, raster and PNG.
void BM_RenderCommand1M(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string program = QDir(dir.path()).filePath("million.nc").toStdString();
    const std::string png = QDir(dir.path()).filePath("million.png").toStdString();
    const std::string& text = MillionLineProgram();
    std::FILE* f = std::fopen(program.c_str(), "wb");
    if (f == nullptr || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
        state.SkipWithError("cannot write the program file");
        return;
    }
    std::string args[] = {"orca-nc-editor", "--render", program, png};
    char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data()};
    for (auto _ : state) {
        if (RunHeadlessCommand(4, argv) != 0) state.SkipWithError("--render failed");
    }
}
BENCHMARK(BM_RenderCommand1M)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace orca

#endif  // ORCA_WITH_QT
