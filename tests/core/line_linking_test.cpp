// The drawing points back at the text: every recorded item carries the
// editor line that drew it, a line's items are found without a scan, and a
// point of the picture finds the nearest item.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "base/records.h"
#include "nc/line_pass.h"
#include "nc/program_plot.h"
#include "nc/route_driver.h"
#include "nc/tool_path_pass.h"
#include "test_support.h"
#include "view/hit_index.h"
#include "view/line_items.h"
#include "view/pan.h"
#include "view/program_point.h"
#include "view/zoom.h"

using namespace orca;
using test::EngineFixture;

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the load's tool-path pass again one record at a time, on an engine in
// the state the load left, and checks that what each record appends is what
// the load recorded at that place, under that record's line number.
void ExpectItemsOfTheirLines(const std::string& text, const std::string& name) {
    EngineFixture load;
    static_cast<void>(PlotLoadedText(load.engine, text));
    const DisplayList& recorded = load.engine.displayList;

    EngineFixture again;
    again.surface.setWindow(load.surface.window());
    again.engine.view = load.engine.view;
    again.engine.nc.startToolPathPass(load.engine.settings.IncFlagDefault);
    std::int32_t record = 0;
    std::size_t lines = 0, circles = 0;
    ForEachRecord(text, [&](std::string_view line) {
        ++record;
        if (load.engine.view.PlotScale == 0.0) return;
        static_cast<void>(Guarded([&] { LineRouteDsp_Sub(again.engine, line); }));
        for (; lines < again.engine.displayList.lines.size(); ++lines) {
            ASSERT_LT(lines, recorded.lines.size()) << name;
            EXPECT_EQ(recorded.lines[lines].LineNumber, record) << name << " line item " << lines;
            EXPECT_EQ(recorded.lines[lines].X2, again.engine.displayList.lines[lines].X2) << name;
        }
        for (; circles < again.engine.displayList.circles.size(); ++circles) {
            ASSERT_LT(circles, recorded.circles.size()) << name;
            EXPECT_EQ(recorded.circles[circles].LineNumber, record) << name << " circle item " << circles;
            EXPECT_EQ(recorded.circles[circles].X, again.engine.displayList.circles[circles].X) << name;
        }
    });
    EXPECT_EQ(lines, recorded.lines.size()) << name;
    EXPECT_EQ(circles, recorded.circles.size()) << name;
}

TEST(LineRecording, EveryCorpusItemNamesTheLineThatDrewIt) {
    if (!std::filesystem::is_directory(ORCA_CORPUS_DIR)) GTEST_SKIP() << "no corpus at " ORCA_CORPUS_DIR;
    int programs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORCA_CORPUS_DIR)) {
        if (!entry.is_regular_file() || entry.path().filename() == "SOURCES.md") continue;
        ExpectItemsOfTheirLines(ReadBytes(entry.path()), entry.path().filename().string());
        ++programs;
    }
    EXPECT_GT(programs, 0);
}

TEST(LineRecording, RecordsSplitOnEveryLineEndAndCommentsDrawNothing) {
    ExpectItemsOfTheirLines("G00 X1 Y1\r\n(note)\rG81 X5 Y5\nX7\r\n\r\nG80\r\nG02 X9 Y7 R2\r\n",
                            "mixed ends");
    EngineFixture f;
    static_cast<void>(PlotLoadedText(f.engine, "G00 X1 Y1\r\n(note)\rG81 X5 Y5\nX7\r\n"));
    ASSERT_EQ(f.engine.displayList.lines.size(), 3u);
    EXPECT_EQ(f.engine.displayList.lines[0].LineNumber, 1);
    EXPECT_EQ(f.engine.displayList.lines[1].LineNumber, 3);
    EXPECT_EQ(f.engine.displayList.lines[2].LineNumber, 4);
    ASSERT_EQ(f.engine.displayList.circles.size(), 2u);
    EXPECT_EQ(f.engine.displayList.circles[1].LineNumber, 4);
}

// The editor breaks lines at a lone CR or LF as well; the driver keeps them
// inside its line but numbers the items by the editor's lines.
class MarkingHost : public RouteHost {
public:
    std::string text;
    std::vector<std::int64_t> marked;
    std::string_view EditorText() const override { return text; }
    std::int64_t CaretLine() const override { return 0; }
    void SetStatusText(const std::string&) override {}
    bool ProgressVisible() const override { return false; }
    void SetProgressVisible(bool) override {}
    void SetProgressRange(std::int64_t, std::int64_t) override {}
    void SetProgressValue(std::int64_t) override {}
    int TraceButtonPicture() const override { return 0; }
    void SetTraceButtonPicture(int) override {}
    void SetTraceButtonCaption(const std::string&) override {}
    void DoEvents() override {}
    double MonotonicSeconds() const override { return 1e9; }
    float FrameWidth() const override { return 4000; }
    float FrameHeight() const override { return 3000; }
    void MarkTracedLine(std::int64_t lineIndex) override { marked.push_back(lineIndex); }
};

TEST(LineRecording, RedrawAndTraceNumberEditorLines) {
    EngineFixture f;
    MarkingHost host;
    host.text = "G00 X1 Y1\r\nG01 X2\nY3\r\nG01 X5 Y5";
    f.engine.settings.TraceSpeed = f.engine.settings.TraceSpeedMax;
    RouteDriver driver(f.engine, host);
    for (const bool trace : {false, true}) {
        driver.RouteDsp_Sub(trace);
        const DisplayList& dl = f.engine.displayList;
        ASSERT_EQ(dl.lines.size(), 3u);
        EXPECT_EQ(dl.lines[0].LineNumber, 1);
        EXPECT_EQ(dl.lines[1].LineNumber, 2);
        EXPECT_EQ(dl.lines[2].LineNumber, 4);
    }
    EXPECT_EQ(host.marked, (std::vector<std::int64_t>{0, 1, 3}));
}

TEST(LineItems, FindsExactlyTheItemsOfALine) {
    DisplayList list;
    for (const std::int32_t n : {1, 1, 3, 3, 3, 5}) list.lines.push_back({0, 0, 1, 1, 15, 0, n});
    for (const std::int32_t n : {3, 4}) list.circles.push_back({0, 0, 1, 11, 0, 0, 0, n});
    const LineItems three = ItemsOfLine(list, 3);
    EXPECT_EQ(three.lines.data(), list.lines.data() + 2);
    EXPECT_EQ(three.lines.size(), 3u);
    EXPECT_EQ(three.circles.size(), 1u);
    EXPECT_EQ(ItemsOfLine(list, 4).lines.size(), 0u);
    EXPECT_EQ(ItemsOfLine(list, 4).circles.size(), 1u);
    EXPECT_TRUE(ItemsOfLine(list, 2).empty());
    EXPECT_TRUE(ItemsOfLine(list, 6).empty());
    EXPECT_TRUE(ItemsOfLine(list, 0).empty());
}

// One surface unit per pixel: a window one unit narrower than the pixels.
WindowPixels UnitPixels(int w = 801, int h = 601, float left = 0, float top = 0) {
    return WindowPixels::Of({left, top, static_cast<float>(w - 1), static_cast<float>(h - 1)}, w, h);
}

struct Probe {
    DisplayList list;
    HitIndex index;
    std::optional<Hit> at(double x, double y, const WindowPixels& m = UnitPixels()) {
        if (!index.builtFor(list)) index.build(list);
        return index.Nearest(list, m, m.u(x), m.v(y), 5.0);
    }
};

TEST(HitIndex, NearestItemWithinFivePixelsAndNothingBeyond) {
    Probe p;
    p.list.lines.push_back({100, 100, 300, 100, 15, 0, 7});
    p.list.lines.push_back({100, 110, 300, 110, 15, 0, 8});
    // An arc of radius 50 about (500, 300) over its upper half on the screen.
    p.list.circles.push_back({500, 300, 50, 15, 0, std::numbers::pi, 0, 9});
    // A hole marker.
    p.list.circles.push_back({700, 500, 3, 11, 0, 0, 0, 10});

    EXPECT_EQ(p.at(200, 103)->lineNumber, 7);
    EXPECT_EQ(p.at(200, 106)->lineNumber, 8);
    EXPECT_EQ(p.at(200, 95)->lineNumber, 7);
    EXPECT_FALSE(p.at(200, 94.4));
    EXPECT_FALSE(p.at(306, 100));
    EXPECT_EQ(p.at(304, 100)->lineNumber, 7);

    // The arc as drawn: near its top, not near the missing lower half.
    EXPECT_EQ(p.at(500, 252)->lineNumber, 9);
    EXPECT_TRUE(p.at(500, 252)->circle);
    EXPECT_FALSE(p.at(500, 350));
    EXPECT_EQ(p.at(549, 301)->lineNumber, 9);  // near the arc's end point
    EXPECT_FALSE(p.at(500, 300));              // the centre is 50 pixels off

    // A hole's centre is three pixels from its circle.
    EXPECT_EQ(p.at(700, 500)->lineNumber, 10);
    EXPECT_FALSE(p.at(709, 500));
}

TEST(HitIndex, TheToleranceIsInPixelsWhateverTheZoom) {
    Probe p;
    p.list.lines.push_back({100, 100, 300, 100, 15, 0, 1});
    // Two pixels per unit: four units off is eight pixels.
    const WindowPixels zoomed = WindowPixels::Of({0, 0, 400, 300}, 801, 601);
    EXPECT_FALSE(p.at(200, 104, zoomed));
    EXPECT_TRUE(p.at(200, 102, zoomed));
    // Half a pixel per unit: eight units off is four pixels.
    const WindowPixels wide = WindowPixels::Of({0, 0, 1600, 1200}, 801, 601);
    EXPECT_TRUE(p.at(200, 108, wide));
    // Far outside the drawing.
    EXPECT_FALSE(p.at(-5000, -5000, wide));
}

double SegDist(double px, double py, const LineItem& l) {
    const double dx = l.X2 - l.X1, dy = l.Y2 - l.Y1;
    const double t = std::clamp(((px - l.X1) * dx + (py - l.Y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - l.X1 - t * dx, py - l.Y1 - t * dy);
}

TEST(HitIndex, AgreesWithLookingAtEveryItem) {
    std::mt19937 rng(14);
    std::uniform_real_distribution<double> pos(0, 800), len(-60, 60);
    Probe p;
    for (int i = 0; i < 3000; ++i) {
        const double x = pos(rng), y = pos(rng) * 0.75;
        p.list.lines.push_back({x, y, x + len(rng), y + len(rng), 15, 0, i + 1});
    }
    p.list.lines.push_back({0, 0, 800, 600, 15, 0, 5000});  // across everything
    for (int q = 0; q < 2000; ++q) {
        const double x = pos(rng), y = pos(rng) * 0.75;
        double best = 1e300;
        for (const LineItem& l : p.list.lines) best = std::min(best, SegDist(x, y, l));
        const std::optional<Hit> hit = p.at(x, y);
        ASSERT_EQ(hit.has_value(), best <= 5.0) << x << "," << y;
        if (hit) {
            EXPECT_NEAR(hit->distancePx, best, 1e-9);
        }
    }
}

TEST(HitIndex, AListThatChangedIsBuiltAgain) {
    Probe p;
    p.list.lines.push_back({100, 100, 300, 100, 15, 0, 1});
    EXPECT_TRUE(p.at(200, 100));
    p.list.lines.push_back({100, 400, 300, 400, 15, 0, 2});
    EXPECT_FALSE(p.index.builtFor(p.list));
    EXPECT_EQ(p.at(200, 400)->lineNumber, 2);
    EXPECT_GT(p.index.memoryBytes(), 0u);
    p.index.reset();
    EXPECT_FALSE(p.index.builtFor(p.list));
}

TEST(WheelZoom, ThePointUnderTheMouseStaysWithinAPixel) {
    for (const bool in : {true, false}) {
        ScaleWindow w{1234.5f, -300.25f, 14000, 7000};
        const int wpx = 934, hpx = 467;
        const double mx = 100.5, my = 400.5;
        const WindowPixels before = WindowPixels::Of(w, wpx, hpx);
        const double x = before.x(mx), y = before.y(my);
        for (int notch = 0; notch < 6; ++notch) {
            ASSERT_TRUE(ZoomWindowAbout(w, WindowPixels::Of(w, wpx, hpx).x(mx),
                                        WindowPixels::Of(w, wpx, hpx).y(my), in));
            const WindowPixels after = WindowPixels::Of(w, wpx, hpx);
            EXPECT_NEAR(after.u(x), mx, 1.0);
            EXPECT_NEAR(after.v(y), my, 1.0);
        }
        EXPECT_NEAR(w.ScaleWidth, 14000 * std::pow(in ? 1 / 1.4 : 1.4, 6), 1.0);
    }
}

TEST(WheelZoom, KeepsTheZoomButtonsBounds) {
    ScaleWindow w{0, 0, kMinWindowSize * 1.2f, kMinWindowSize * 1.2f};
    const ScaleWindow before = w;
    EXPECT_FALSE(ZoomWindowAbout(w, 0, 0, true));
    EXPECT_EQ(w.ScaleLeft, before.ScaleLeft);
    EXPECT_EQ(w.ScaleWidth, before.ScaleWidth);
    EXPECT_TRUE(ZoomWindowAbout(w, 0, 0, false));
}

TEST(DragPan, ThePictureMovesByTheMouseDistance) {
    ScaleWindow w{500, 200, 9000, 6000};
    const int wpx = 601, hpx = 401;
    const WindowPixels before = WindowPixels::Of(w, wpx, hpx);
    const double x = 4000, y = 3000;
    DragWindow(w, 37, -21, wpx, hpx);
    const WindowPixels after = WindowPixels::Of(w, wpx, hpx);
    EXPECT_NEAR(after.u(x) - before.u(x), 37, 0.01);
    EXPECT_NEAR(after.v(y) - before.v(y), -21, 0.01);
    EXPECT_EQ(w.ScaleWidth, 9000);
}

TEST(ProgramPoint, ReadsBackWhatThePassMapped) {
    EngineFixture f(4000, 3000);
    static_cast<void>(PlotLoadedText(f.engine, "G00 X-20 Y-5\r\nG01 X37.5 Y12.25\r\n"));
    const LineItem& l = f.engine.displayList.lines.at(1);
    const std::optional<ProgramPoint> end = ProgramPointAt(f.engine.view, l.X2, l.Y2);
    ASSERT_TRUE(end);
    EXPECT_NEAR(end->x, 37.5, 1e-9);
    EXPECT_NEAR(end->y, 12.25, 1e-9);
    EXPECT_FALSE(ProgramPointAt(ViewState{}, 1, 1));
}

}  // namespace
