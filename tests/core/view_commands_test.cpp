#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"
#include "view/pan.h"
#include "view/zoom.h"

using namespace orca;
using test::EngineFixture;

namespace {

class FakeViewHost : public PanHost {
public:
    std::vector<std::string> calls;
    std::function<void()> onEvents;

    void ShowHourglass() override { calls.push_back("hourglass"); }
    void RestorePointer() override { calls.push_back("restore"); }
    void DoEvents() override {
        calls.push_back("events");
        if (onEvents) onEvents();
    }
    void SetPanButtonEnabled(PanDirection d, bool enabled) override {
        calls.push_back((enabled ? "enable " : "disable ") + std::to_string(static_cast<int>(d)));
    }
};

struct ViewFixture : EngineFixture {
    FakeViewHost host;

    ViewFixture() {
        engine.settings.HouganFlag = false;
        engine.displayList.lines.push_back({100, 200, 300, 400, 15, kSolid});
        engine.displayList.circles.push_back({50, 60, 10, 11, 0, 0, kSolid});
    }
};

ScaleWindow Window(float left, float top, float width, float height) { return {left, top, width, height}; }

void ExpectWindow(const ScaleWindow& w, float left, float top, float width, float height) {
    EXPECT_FLOAT_EQ(w.ScaleLeft, left);
    EXPECT_FLOAT_EQ(w.ScaleTop, top);
    EXPECT_FLOAT_EQ(w.ScaleWidth, width);
    EXPECT_FLOAT_EQ(w.ScaleHeight, height);
}

}  // namespace

TEST(ZoomWindow, InKeepsTheCentreAndOutIsItsInverse) {
    ScaleWindow w = Window(0, 0, 14000, 7000);
    ASSERT_TRUE(ZoomInWindow(w));
    ExpectWindow(w, 2000, 1000, 10000, 5000);
    ASSERT_TRUE(ZoomOutWindow(w));
    ExpectWindow(w, 0, 0, 14000, 7000);

    ScaleWindow odd = Window(-123.25f, 987.5f, 3333, 2222);
    for (int i = 0; i < 5; ++i) ZoomInWindow(odd);
    for (int i = 0; i < 5; ++i) ZoomOutWindow(odd);
    EXPECT_NEAR(odd.ScaleLeft, -123.25f, 0.01);
    EXPECT_NEAR(odd.ScaleTop, 987.5f, 0.01);
    EXPECT_NEAR(odd.ScaleWidth, 3333, 0.01);
    EXPECT_NEAR(odd.ScaleHeight, 2222, 0.01);
}

TEST(ZoomWindow, StepsThatWouldLeaveTheResolvableRangeDoNothing) {
    ScaleWindow in = Window(0, 0, 14000, 7000);
    while (ZoomInWindow(in)) {
    }
    EXPECT_GE(in.ScaleHeight, kMinWindowSize);
    EXPECT_LT(in.ScaleHeight, kMinWindowSize * 1.4f);
    const ScaleWindow stuck = in;
    EXPECT_FALSE(ZoomInWindow(in));
    ExpectWindow(in, stuck.ScaleLeft, stuck.ScaleTop, stuck.ScaleWidth, stuck.ScaleHeight);
    EXPECT_TRUE(ZoomOutWindow(in));

    ScaleWindow out = Window(0, 0, 14000, 7000);
    while (ZoomOutWindow(out)) {
    }
    EXPECT_LE(out.ScaleWidth, kMaxWindowSize);
    EXPECT_GT(out.ScaleWidth, kMaxWindowSize / 1.4f);
    EXPECT_TRUE(ZoomInWindow(out));
}

TEST(PanWindow, EachButtonMovesAFifthOfTheWindow) {
    struct Case {
        PanDirection direction;
        float left, top;
    };
    const Case cases[] = {
        {PanDirection::Up, 0, -1000},         {PanDirection::Down, 0, 1000},
        {PanDirection::Left, -2000, 0},       {PanDirection::Right, 2000, 0},
        {PanDirection::LeftUp, -2000, -1000}, {PanDirection::LeftDown, -2000, 1000},
        {PanDirection::RightUp, 2000, -1000}, {PanDirection::RightDown, 2000, 1000},
    };
    for (const Case& c : cases) {
        ScaleWindow w = Window(0, 0, 10000, 5000);
        PanWindow(w, c.direction);
        ExpectWindow(w, c.left, c.top, 10000, 5000);
    }

    ScaleWindow w = Window(0, 0, 10000, 5000);
    PanWindow(w, PanDirection::RightDown);
    PanWindow(w, PanDirection::LeftUp);
    ExpectWindow(w, 0, 0, 10000, 5000);

    ScaleWindow odd = Window(17.5f, -3.25f, 7777, 3333);
    for (int i = 0; i < 4; ++i) PanWindow(odd, PanDirection::Down);
    for (int i = 0; i < 4; ++i) PanWindow(odd, PanDirection::Up);
    EXPECT_NEAR(odd.ScaleTop, -3.25f, 0.01);
}

TEST(PanWindow, AfterZoomingAClickStillMovesAFifthOfTheScreen) {
    ScaleWindow w = Window(0, 0, 14000, 7000);
    ZoomInWindow(w);
    const float left = w.ScaleLeft;
    PanWindow(w, PanDirection::Right);
    EXPECT_FLOAT_EQ(w.ScaleLeft - left, w.ScaleWidth / 5);
}

TEST(ViewCommands, DoNothingBeforeAnythingIsDrawn) {
    EngineFixture f;
    FakeViewHost host;
    const ScaleWindow before = Window(10, 20, 3000, 2000);
    f.surface.setWindow(before);
    ViewScaleUp_Sub(f.engine, host);
    ViewScaleDown_Sub(f.engine, host);
    PanView(f.engine, host, PanDirection::Down);
    ExpectWindow(f.surface.window(), 10, 20, 3000, 2000);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(f.surface.ops().empty());
}

TEST(ViewCommands, ZoomRedrawsClearGridAndReplayUnderTheHourglass) {
    ViewFixture f;
    f.engine.settings.HouganFlag = true;
    f.engine.settings.HouganWidth = 10;
    f.engine.view = {25, 0, 40, 0, 10, 6000};
    f.surface.setWindow(Window(0, 0, 14000, 7000));
    std::size_t opsAtEvents = 0;
    f.host.onEvents = [&] { opsAtEvents = f.surface.ops().size(); };
    ViewScaleUp_Sub(f.engine, f.host);

    ExpectWindow(f.surface.window(), 2000, 1000, 10000, 5000);
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"hourglass", "events", "restore"}));
    const auto& ops = f.surface.ops();
    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(opsAtEvents, ops.size());
    EXPECT_EQ(ops.front().kind, RecordingSurface::Op::kCls);
    EXPECT_EQ(ops[1].color, 3);  // grid before the path
    EXPECT_EQ(ops[ops.size() - 2].kind, RecordingSurface::Op::kLine);
    EXPECT_EQ(ops[ops.size() - 2].color, 15);
    EXPECT_EQ(ops.back().kind, RecordingSurface::Op::kCircle);
}

TEST(ViewCommands, ZoomBeyondTheBoundLeavesTheViewAlone) {
    ViewFixture f;
    f.surface.setWindow(Window(5, 5, kMinWindowSize * 1.2f, 1));
    ViewScaleUp_Sub(f.engine, f.host);
    EXPECT_FLOAT_EQ(f.surface.window().ScaleWidth, kMinWindowSize * 1.2f);
    EXPECT_TRUE(f.host.calls.empty());
    EXPECT_TRUE(f.surface.ops().empty());
}

TEST(ViewCommands, PanDisablesOnlyItsOwnButtonDuringTheRedraw) {
    ViewFixture f;
    f.surface.setWindow(Window(0, 0, 10000, 5000));
    PanView(f.engine, f.host, PanDirection::LeftDown);
    ExpectWindow(f.surface.window(), -2000, 1000, 10000, 5000);
    EXPECT_EQ(f.host.calls,
              (std::vector<std::string>{"disable 5", "hourglass", "events", "restore", "enable 5"}));
    EXPECT_EQ(f.surface.ops().size(), 3u);  // clear, line, circle (grid off)
}

// Clicks queued while a view change lets events run: each moves the window,
// none nests another redraw, and the picture ends on the last window.
TEST(ViewCommands, ClicksArrivingDuringTheEventsAreCoalescedNotNested) {
    ViewFixture f;
    f.surface.setWindow(Window(0, 0, 14000, 7000));
    int depth = 0;
    int deepest = 0;
    int clicks = 5000;
    f.host.onEvents = [&] {
        if (clicks < 0) return;
        deepest = std::max(deepest, ++depth);
        while (clicks > 0) {
            --clicks;
            if (clicks % 2 == 0) {
                ViewScaleDown_Sub(f.engine, f.host);
            } else {
                ViewScaleUp_Sub(f.engine, f.host);
            }
        }
        PanView(f.engine, f.host, PanDirection::Right);
        clicks = -1;
        --depth;
    };
    ViewScaleUp_Sub(f.engine, f.host);

    EXPECT_EQ(deepest, 1);
    EXPECT_FALSE(f.host.viewChangeRunning);
    const ScaleWindow w = f.surface.window();
    EXPECT_NEAR(w.ScaleLeft, 2000 + 2000, 1);
    EXPECT_NEAR(w.ScaleTop, 1000, 1);
    EXPECT_NEAR(w.ScaleWidth, 10000, 1);
    std::size_t clears = 0;
    for (const auto& op : f.surface.ops()) clears += op.kind == RecordingSurface::Op::kCls ? 1 : 0;
    EXPECT_EQ(clears, 2u) << "the first window, then once more for the last";
    EXPECT_EQ(f.surface.ops().back().kind, RecordingSurface::Op::kCircle);
}
