#include "nc/route_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "nc/crlf_lines.h"
#include "test_support.h"

using namespace orca;
using test::EngineFixture;

namespace {

// The main window as the driver sees it, with a clock that only moves when
// events run.
class FakeHost : public RouteHost {
public:
    std::string text;
    std::int64_t caretLine = 0;
    std::string status;
    std::vector<std::string> statusAtEvents;
    bool progressVisible = false;
    std::int64_t progressMin = -1, progressMax = -1, progressValue = -1;
    std::vector<std::int64_t> progressValues;
    int picture = 5;
    std::string caption = kTraceCaption;
    double now = 100.0;
    double tick = 0.01;  // seconds each event point takes
    int events = 0;
    std::function<void()> onEvents;

    std::string_view EditorText() const override { return text; }
    std::int64_t CaretLine() const override { return caretLine; }
    void SetStatusText(const std::string& t) override { status = t; }
    bool ProgressVisible() const override { return progressVisible; }
    void SetProgressVisible(bool v) override { progressVisible = v; }
    void SetProgressRange(std::int64_t min, std::int64_t max) override {
        progressMin = min;
        progressMax = max;
    }
    void SetProgressValue(std::int64_t v) override {
        progressValue = v;
        progressValues.push_back(v);
    }
    int TraceButtonPicture() const override { return picture; }
    void SetTraceButtonPicture(int index) override { picture = index; }
    void SetTraceButtonCaption(const std::string& c) override { caption = c; }
    void DoEvents() override {
        ++events;
        now += tick;
        statusAtEvents.push_back(status);
        if (onEvents) onEvents();
    }
    double MonotonicSeconds() const override { return now; }
    float FrameWidth() const override { return 4000; }
    float FrameHeight() const override { return 3000; }
};

struct DriverFixture : EngineFixture {
    FakeHost host;
    RouteDriver driver{engine, host};

    explicit DriverFixture(std::string text) { host.text = std::move(text); }

    std::size_t drawnLines() const { return engine.displayList.LineCount(); }
    std::size_t clsCount() const {
        std::size_t n = 0;
        for (const auto& op : surface.ops()) n += op.kind == RecordingSurface::Op::kCls;
        return n;
    }
};

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "\r\n" : "") + line;
    return text;
}

// Feed moves that each draw a segment: G01 X1. Y1., G01 X2. Y2., ...
std::string Moves(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += (i > 1 ? "\r\n" : "") + ("G01 X" + std::to_string(i) + ". Y" + std::to_string(i) + ".");
    return text;
}

void ExpectIdle(const DriverFixture& f, const std::string& caretStatus) {
    EXPECT_EQ(f.driver.DrawBusy(), 0);
    EXPECT_EQ(f.host.caption, kTraceCaption);
    EXPECT_EQ(f.host.picture, 5);
    EXPECT_FALSE(f.host.progressVisible);
    EXPECT_EQ(f.host.status, caretStatus);
}

}  // namespace

TEST(CrLfLines, EveryLineKeepsItsCrLfAndTheTextGetsOneMore) {
    const auto split = [](const std::string& text) {
        CrLfLines lines(text);
        std::vector<std::string> out;
        std::string_view line;
        while (lines.next(line)) out.emplace_back(line);
        return out;
    };
    EXPECT_EQ(split("A\r\nB"), (std::vector<std::string>{"A\r\n", "B\r\n"}));
    EXPECT_EQ(split("A\r\n"), (std::vector<std::string>{"A\r\n", "\r\n"}));
    EXPECT_EQ(split(""), (std::vector<std::string>{"\r\n"}));
    EXPECT_EQ(split("A\nB\rC"), (std::vector<std::string>{"A\nB\rC\r\n"}));
    EXPECT_EQ(Utf8CharCount("(穴)G01"), 6u);
    EXPECT_EQ(Utf8CharCount("G01 X1. (穴あけ・ドリル) Y2. é"), 23u);  // beyond one block of eight bytes
    std::string comment;
    for (int i = 0; i < 4000; ++i) comment += "穴";
    EXPECT_EQ(Utf8CharCount(comment + "G01"), 4003u);  // more continuing bytes than one sum holds
}

TEST(CrLfLines, CountsTheLoneBreaksInsideEachLine) {
    CrLfLines lines("A\nB\rC\r\nD\r\r\n\r\nE\r");
    std::vector<std::size_t> breaks;
    std::string_view line;
    while (lines.next(line)) breaks.push_back(lines.innerBreaks());
    EXPECT_EQ(breaks, (std::vector<std::size_t>{2, 1, 0, 1}));
}

TEST(CaretLineStatus, LineNumberWithABlankForTheSign) {
    EXPECT_EQ(CaretLineStatusText(0), " 1行");
    EXPECT_EQ(CaretLineStatusText(11), " 12行");
}

TEST(RouteDriver, EmptyEditorDrawsNothingAndShowsTheCaretLine) {
    DriverFixture f("");
    f.host.caption = kStopCaption;
    f.driver.RouteDsp_Sub(true);
    EXPECT_TRUE(f.surface.ops().empty());
    EXPECT_EQ(f.host.events, 0);
    ExpectIdle(f, " 1行");
}

TEST(RouteDriver, ProgramWithoutXOrYClearsAndEndsNormally) {
    DriverFixture f("G90\r\nM30");
    f.host.caretLine = 1;
    f.driver.RouteDsp_Sub(false);
    EXPECT_EQ(f.clsCount(), 1u);
    EXPECT_EQ(f.surface.ops().size(), 1u);  // no grid, no path
    EXPECT_EQ(f.drawnLines(), 0u);
    ExpectIdle(f, " 2行");
}

TEST(RouteDriver, RedrawFitsTheViewResetsTheWindowAndDrawsThePath) {
    DriverFixture f("G00 X50. Y25.\r\nG01 X100. Y50.");
    f.engine.settings.HouganFlag = false;
    f.surface.setWindow({300, 200, 10, 10});  // zoomed and panned before
    f.driver.RouteDsp_Sub(false);
    const ScaleWindow& w = f.surface.window();
    EXPECT_EQ(w.ScaleLeft, 0);
    EXPECT_EQ(w.ScaleTop, 0);
    EXPECT_EQ(w.ScaleWidth, 4000);
    EXPECT_EQ(w.ScaleHeight, 3000);
    EXPECT_DOUBLE_EQ(f.engine.view.PlotScale, 38);
    EXPECT_EQ(f.drawnLines(), 2u);
    EXPECT_EQ(f.clsCount(), 1u);
    ExpectIdle(f, " 1行");
}

TEST(RouteDriver, RedrawRunsEventsOnlyBeforeAndEveryOtherExtentsLine) {
    DriverFixture f(Lines(5, "G01 X10. Y10."));
    f.driver.RouteDsp_Sub(false);
    EXPECT_EQ(f.host.events, 1 + 3);
    for (const std::string& s : f.host.statusAtEvents) EXPECT_EQ(s, "描画中...");
}

TEST(RouteDriver, ProgressCountsCharactersUpToEachClosingCr) {
    DriverFixture f("(穴)\r\nG01 X1.");
    f.driver.RouteDsp_Sub(false);
    EXPECT_EQ(f.host.progressMin, 0);
    EXPECT_EQ(f.host.progressMax, 14);  // 3 + 2 + 7 characters and the added CR LF
    EXPECT_EQ(f.host.progressValues, (std::vector<std::int64_t>{0, 4, 13, 0}));
    EXPECT_FALSE(f.host.progressVisible);

    DriverFixture ascii("G01\r\nX1.");
    ascii.driver.RouteDsp_Sub(false);
    EXPECT_EQ(ascii.host.progressMax, 10);
    EXPECT_EQ(ascii.host.progressValues, (std::vector<std::int64_t>{0, 4, 9, 0}));
}

TEST(RouteDriver, LongProgramsSendOnlyVisibleProgressSteps) {
    DriverFixture f(Lines(20000, "G01 X10. Y10."));
    f.driver.RouteDsp_Sub(false);
    EXPECT_LE(f.host.progressValues.size(), 4096u + 3);
    EXPECT_GT(f.host.progressValues.size(), 1000u);
}

TEST(RouteDriver, DrawLoopStartsFromTheDefaultModeAgain) {
    // The extents pass ends in G91; the draw must start absolute again.
    DriverFixture f("G01 X10. Y10.\r\nX10. Y10.\r\nG91");
    f.driver.RouteDsp_Sub(false);
    EXPECT_EQ(f.engine.nc.CurX, 10);
    EXPECT_EQ(f.engine.nc.IncFlag, 1);
}

TEST(RouteDriver, ALineWhoseArithmeticFailsIsSkippedAlone) {
    DriverFixture f("G01 X10.\r\nG01 X1E999 Y5.\r\nG01 X20. Y5.");
    f.driver.RouteDsp_Sub(false);
    EXPECT_EQ(f.engine.nc.CurX, 20);
    EXPECT_EQ(f.engine.nc.CurY, 5);
    EXPECT_EQ(f.driver.DrawBusy(), 0);
}

TEST(RouteDriver, TraceShowsEachLineWhileItIsDrawn) {
    std::string text = Lines(11, "G00 X1. Y1.") + "\r\nG01 X10.";
    DriverFixture f(text);
    std::vector<std::size_t> drawnAtLine12;
    f.host.onEvents = [&] {
        if (f.host.status == "描画中... 【12行】:G01 X10.") drawnAtLine12.push_back(f.drawnLines());
    };
    f.driver.RouteDsp_Sub(true);
    // Seen before the line is drawn (14.1) and in its pause after it (14.5).
    ASSERT_EQ(drawnAtLine12.size(), 2u);
    EXPECT_EQ(drawnAtLine12[1], drawnAtLine12[0] + 1);
    ExpectIdle(f, " 1行");
}

TEST(RouteDriver, TracePauseFollowsTraceSpeed) {
    for (const int speed : {0, 3, 5}) {
        DriverFixture f(Moves(3));
        f.engine.settings.TraceSpeed = static_cast<std::int16_t>(speed);
        std::vector<double> lineStarts;
        std::string last;
        f.host.onEvents = [&] {
            if (f.host.status != last && f.host.status.rfind("描画中... 【", 0) == 0)
                lineStarts.push_back(f.host.now);
            last = f.host.status;
        };
        f.driver.RouteDsp_Sub(true);
        ASSERT_EQ(lineStarts.size(), 3u) << speed;
        const double pause = (5 - speed) * 0.1;
        for (std::size_t i = 1; i < lineStarts.size(); ++i) {
            const double gap = lineStarts[i] - lineStarts[i - 1];
            // At least the pause, ended by the first event point past it.
            EXPECT_GE(gap, pause + f.host.tick - 1e-9) << speed;
            EXPECT_LE(gap, pause + 2 * f.host.tick + 1e-9) << speed;
        }
    }
}

TEST(RouteDriver, SecondRequestStopsTheTraceAfterTheLineBeingDrawn) {
    DriverFixture f(Moves(6));
    f.host.caretLine = 3;
    std::vector<std::string> captionsSeen;
    f.host.onEvents = [&] {
        captionsSeen.push_back(f.host.caption);
        if (f.drawnLines() == 2 && f.driver.DrawBusy() == 1) f.driver.RouteDsp_Sub(true);
    };
    f.driver.RouteDsp_Sub(true);
    EXPECT_EQ(f.drawnLines(), 2u);
    EXPECT_EQ(captionsSeen.front(), kStopCaption);
    ExpectIdle(f, " 4行");
}

TEST(RouteDriver, SecondRequestDuringTheExtentsLoopStopsBeforeDrawing) {
    DriverFixture f(Lines(40, "G01 X10. Y10."));
    f.host.onEvents = [&] {
        if (f.host.events == 3) f.driver.stopRun();
    };
    f.driver.RouteDsp_Sub(false);
    EXPECT_EQ(f.drawnLines(), 0u);
    EXPECT_EQ(f.host.events, 3);
    ExpectIdle(f, " 1行");
}

TEST(RouteDriver, StopWhenIdleChangesNothing) {
    DriverFixture f("G01 X10.");
    f.host.status = "kept";
    f.driver.stopRun();
    EXPECT_EQ(f.host.status, "kept");
    EXPECT_TRUE(f.surface.ops().empty());
}

namespace {

// Moves, arcs by R and by I/J, holes of a cycle and an arc whose centre
// cannot be computed, repeated well beyond what one hand-over paints.
std::string MixedProgram(int repeats) {
    std::string text;
    for (int i = 0; i < repeats; ++i) {
        const std::string y = std::to_string(i % 50) + ".";
        text += "G90 G00 X0. Y" + y + "\r\nG01 X10. Y5.\r\nG02 X20. Y5. R5.\r\nG03 X30. Y5. I5. J0.\r\n";
        text += "G81 X40. Y10. Z-1. R1.\r\nX50.\r\nG80\r\n";
        if (i % 700 == 0) text += "G02 X90. Y5. R1.\r\n";
    }
    return text;
}

// Every message with the number of surface operations it followed.
class SurfaceWatchingSink : public MessageSink {
public:
    explicit SurfaceWatchingSink(const RecordingSurface& s) : surface_(s) {}
    void showMessage(const std::string&) override { opsSeen.push_back(surface_.ops().size()); }
    std::vector<std::size_t> opsSeen;

private:
    const RecordingSurface& surface_;
};

struct WatchedDriver {
    RecordingSurface surface;
    PlainToolMarker marker;
    SurfaceWatchingSink sink{surface};
    PlotEngine engine{surface, marker, sink};
    FakeHost host;
    RouteDriver driver{engine, host};

    explicit WatchedDriver(std::string text) { host.text = std::move(text); }
};

bool SameOps(const std::vector<RecordingSurface::Op>& a, const std::vector<RecordingSurface::Op>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return x.kind == y.kind && x.style == y.style && x.color == y.color && x.a == y.a &&
                      x.b == y.b && x.c == y.c && x.d == y.d && x.start == y.start && x.end == y.end;
           });
}

}  // namespace

// The redraw paints on a second thread; a trace at full speed draws every
// primitive itself. Both leave the same picture, and a message shown while
// drawing comes after everything drawn before it, as the user would see it.
TEST(RouteDriver, RedrawPaintsWhatATraceDrawsAndMessagesFollowThePicture) {
    const std::string text = MixedProgram(1500);
    WatchedDriver redraw(text);
    redraw.driver.RouteDsp_Sub(false);
    WatchedDriver trace(text);
    trace.driver.RouteDsp_Sub(true);

    EXPECT_GT(redraw.engine.displayList.CircleCount(), 4096u);
    EXPECT_TRUE(SameOps(redraw.surface.ops(), trace.surface.ops()));
    EXPECT_EQ(redraw.sink.opsSeen, trace.sink.opsSeen);
    ASSERT_GE(redraw.sink.opsSeen.size(), 6u);  // three arcs, reported by each pass
    EXPECT_GT(redraw.sink.opsSeen.back(), redraw.sink.opsSeen.front());
    EXPECT_EQ(redraw.engine.drawing, nullptr);
}
