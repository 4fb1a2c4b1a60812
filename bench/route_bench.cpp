#include <benchmark/benchmark.h>

#include <string>

#include "bench_programs.h"
#include "nc/route_driver.h"
#include "view/pan.h"
#include "view/zoom.h"

#ifdef ORCA_WITH_QT
#include "app/ui/raster_surface.h"
#else
#include "view/recording_surface.h"
#endif

namespace orca {
namespace {

// The main window with nothing to show and no events waiting.
class QuietHost : public RouteHost, public PanHost {
public:
    explicit QuietHost(const std::string& text) : text_(text) {}

    std::string_view EditorText() const override { return text_; }
    std::int64_t CaretLine() const override { return 0; }
    void SetStatusText(const std::string&) override {}
    bool ProgressVisible() const override { return progressVisible_; }
    void SetProgressVisible(bool visible) override { progressVisible_ = visible; }
    void SetProgressRange(std::int64_t, std::int64_t) override {}
    void SetProgressValue(std::int64_t) override {}
    int TraceButtonPicture() const override { return 0; }
    void SetTraceButtonPicture(int) override {}
    void SetTraceButtonCaption(const std::string&) override {}
    void DoEvents() override {}
    double MonotonicSeconds() const override { return 0.0; }
    float FrameWidth() const override { return kBenchWindowWidth; }
    float FrameHeight() const override { return kBenchWindowHeight; }
    void ShowHourglass() override {}
    void RestorePointer() override {}
    void SetPanButtonEnabled(PanDirection, bool) override {}

private:
    const std::string& text_;
    bool progressVisible_ = false;
};

// A 1200 x 800 pixel drawing area with the grid on at its default pitch.
struct DriverRig {
#ifdef ORCA_WITH_QT
    RasterSurface surface{1200, 800};
#else
    RecordingSurface surface{false};
#endif
    PlainToolMarker marker;
    SilentSink sink;
    PlotEngine engine{surface, marker, sink};
    QuietHost host{MillionLineProgram()};
    RouteDriver driver{engine, host};
};

// "再描画" of the 1,000,000-line program in the editor: both passes, grid and
// drawing, as the menu command runs it.
void BM_RouteRedraw1M(benchmark::State& state) {
    DriverRig rig;
    for (auto _ : state) {
        rig.driver.RouteDsp_Sub(false);
        benchmark::ClobberMemory();
    }
    state.counters["drawn"] =
        static_cast<double>(rig.engine.displayList.LineCount() + rig.engine.displayList.CircleCount());
}
BENCHMARK(BM_RouteRedraw1M)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// One zoom step (in and out alternately) after that redraw: clear, grid and
// replay of the whole display list.
void BM_ZoomStep1M(benchmark::State& state) {
    DriverRig rig;
    rig.driver.RouteDsp_Sub(false);
    bool in = true;
    for (auto _ : state) {
        if (in) {
            ViewScaleUp_Sub(rig.engine, rig.host);
        } else {
            ViewScaleDown_Sub(rig.engine, rig.host);
        }
        in = !in;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ZoomStep1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One wheel notch (in and out alternately) about a point off the centre:
// the same step and replay as a zoom button.
void BM_WheelZoomStep1M(benchmark::State& state) {
    DriverRig rig;
    rig.driver.RouteDsp_Sub(false);
    bool in = true;
    for (auto _ : state) {
        ViewScaleAbout_Sub(rig.engine, rig.host, kBenchWindowWidth * 0.3, kBenchWindowHeight * 0.7, in);
        in = !in;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WheelZoomStep1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One pan step (right and back left alternately) after that redraw.
void BM_PanStep1M(benchmark::State& state) {
    DriverRig rig;
    rig.driver.RouteDsp_Sub(false);
    bool right = true;
    for (auto _ : state) {
        PanView(rig.engine, rig.host, right ? PanDirection::Right : PanDirection::Left);
        right = !right;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PanStep1M)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace orca
