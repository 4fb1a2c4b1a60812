#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/guarded.h"
#include "base/records.h"
#include "nc/extents_pass.h"
#include "nc/line_words.h"
#include "nc/program_plot.h"
#include "nc/tool_path_pass.h"
#include "nc/view_fit.h"
#include "test_support.h"
#include "view/palette.h"

using namespace orca;
using test::EngineFixture;

namespace {

void extents(EngineFixture& f, std::initializer_list<const char*> lines) {
    for (const char* l : lines) LineMaxMinGet_Sub(f.engine, l);
}

// Scale 1 and origin at the surface's bottom-left, so px(x) = x, py(y) = H - y.
EngineFixture& unitScale(EngineFixture& f) {
    f.engine.view.XMin = f.engine.view.YMin = 0;
    f.engine.view.PlotScale = 1;
    return f;
}

}  // namespace

TEST(ExtentsPass, WidensByEndPointsAndArcExtremes) {
    EngineFixture f;
    extents(f, {"G00 X10. Y20.", "G01 X-5."});
    EXPECT_EQ(f.engine.view.XMax, 10);
    EXPECT_EQ(f.engine.view.XMin, -5);
    EXPECT_EQ(f.engine.view.YMax, 20);
    EXPECT_EQ(f.engine.view.YMin, 0);

    EngineFixture arc;
    extents(arc, {"G02 X20. Y0 I10."});
    EXPECT_NEAR(arc.engine.view.YMax, 10, 1e-8);
    EXPECT_NEAR(arc.engine.view.XMax, 20, 1e-8);
    EXPECT_EQ(arc.engine.nc.CurX, 20);
}

TEST(ExtentsPass, AnImpossibleArcReportsOncePerExtremeRoutine) {
    EngineFixture f;
    extents(f, {"G02 X10. Y0 R4."});
    EXPECT_EQ(f.sink.messages.size(), 2u);
    // The extremes are taken about the centre (0, 0) with the radius 4.
    EXPECT_NEAR(f.engine.view.YMax, 4, 1e-8);
    EXPECT_NEAR(f.engine.view.XMin, -4, 1e-8);
    EXPECT_EQ(f.engine.nc.CurX, 10);
}

TEST(ExtentsPass, AnArcWhoseExtremesOverflowCountsForNothing) {
    // Its largest point still fits a double, its smallest does not: the line
    // is abandoned whole, not after widening by half of what it reaches.
    EngineFixture f;
    f.engine.nc.MotionMode = 2;
    f.engine.nc.CurX = f.engine.nc.CurY = -1.5e308;
    EXPECT_THROW(LineMaxMinGet_Sub(f.engine, "X-1.5E308 Y-1.5E308 I0 J5E307"), ArithmeticFault);
    EXPECT_EQ(f.engine.view.XMin, 0);
    EXPECT_EQ(f.engine.view.YMin, 0);
    EXPECT_EQ(f.engine.view.XMax, kExtentStart);
    EXPECT_EQ(f.engine.nc.CurX, -1.5e308);
}

TEST(ExtentsPass, ZOnlyIncrementalCommentsAndCycles) {
    EngineFixture z;
    extents(z, {"G01 Z-5."});
    EXPECT_EQ(z.engine.view.XMax, kExtentStart);
    EXPECT_EQ(z.engine.view.YMax, kExtentStart);

    EngineFixture inc;
    extents(inc, {"G91 G01 X5.", "X5.", "X5."});
    EXPECT_EQ(inc.engine.nc.CurX, 15);
    EXPECT_EQ(inc.engine.view.XMax, 15);

    // A comment is cut as the tool-path pass cuts it: its words do not
    // count, so neither the fit nor an arc's radius comes from it.
    EngineFixture comment;
    extents(comment, {"G00 X7.", "G00 Y10. (MOVE X)", "M00 (CHECK X99 Y99)"});
    EXPECT_EQ(comment.engine.nc.CurX, 7);
    EXPECT_EQ(comment.engine.view.XMax, 7);
    EXPECT_EQ(comment.engine.view.YMax, 10);
    extents(comment, {"(X-50.)", "G02 X27. Y10. I10. J0 (ROUGH PASS)"});
    EXPECT_EQ(comment.engine.view.XMin, 0);
    EXPECT_TRUE(comment.sink.messages.empty());

    // Cycles are ignored here: in arc mode a G81 line is an arc.
    EngineFixture cycle;
    cycle.engine.nc.MotionMode = 2;
    extents(cycle, {"G81 X5. Y5. R10."});
    EXPECT_EQ(cycle.engine.nc.MotionMode, 2);
    EXPECT_EQ(cycle.engine.nc.CurX, 5);
}

TEST(ToolPathPass, RapidsLinesAndUnchangedLines) {
    EngineFixture f;
    unitScale(f);
    LineRouteDsp_Sub(f.engine, "G00 X10. Y10.");
    LineRouteDsp_Sub(f.engine, "G01 X20.");
    LineRouteDsp_Sub(f.engine, "F200");
    LineRouteDsp_Sub(f.engine, "(DRILL X100)");
    LineRouteDsp_Sub(f.engine, "G01 X30. (X100)");
    const auto& lines = f.engine.displayList.lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].X1, 0);
    EXPECT_EQ(lines[0].Y1, 6000);
    EXPECT_EQ(lines[0].X2, 10);
    EXPECT_EQ(lines[0].Y2, 5990);
    EXPECT_EQ(lines[0].ColorIndex, kRapidColor);
    EXPECT_EQ(lines[0].DrawStyle, kDotted);
    EXPECT_EQ(lines[1].ColorIndex, kFeedColor);
    EXPECT_EQ(lines[1].DrawStyle, kSolid);
    EXPECT_EQ(lines[1].Y2, 5990);
    EXPECT_EQ(lines[2].X2, 30);
    EXPECT_EQ(f.engine.nc.CurX, 30);
    // The surface saw the same primitives, each drawn in its own style, and
    // its style is left as it was.
    EXPECT_EQ(f.surface.lineCalls(), 3u);
    EXPECT_EQ(f.surface.ops()[0].style, kDotted);
    EXPECT_EQ(f.surface.DrawStyle(), kSolid);
}

TEST(ToolPathPass, ArcsRunCounterClockwiseOnTheSurface) {
    EngineFixture f;
    unitScale(f);
    LineRouteDsp_Sub(f.engine, "G02 X10. Y0 I5.");
    const CircleItem& cw = f.engine.displayList.circles.at(0);
    EXPECT_EQ(cw.X, 5);
    EXPECT_EQ(cw.Radius, 5);
    EXPECT_EQ(cw.StartAngle, 0);
    EXPECT_EQ(cw.EndAngle, 3.141592654);
    EXPECT_EQ(cw.ColorIndex, kFeedColor);

    f.engine.nc.CurX = 0;
    LineRouteDsp_Sub(f.engine, "G03 X10. Y0 I5.");
    EXPECT_EQ(f.engine.displayList.circles.at(1).StartAngle, 3.141592654);
    EXPECT_EQ(f.engine.displayList.circles.at(1).EndAngle, 0);

    // No X, Y or R: full circle, position kept; then a wordless line in arc
    // mode draws a circle of radius 0.
    f.engine.nc.CurX = 0;
    LineRouteDsp_Sub(f.engine, "G02 I5.");
    EXPECT_EQ(f.engine.displayList.circles.at(2).StartAngle, f.engine.displayList.circles.at(2).EndAngle);
    EXPECT_EQ(f.engine.nc.CurX, 0);
    LineRouteDsp_Sub(f.engine, "M08");
    EXPECT_EQ(f.engine.displayList.circles.at(3).Radius, 0);

    // A negative R keeps its sign in the record.
    LineRouteDsp_Sub(f.engine, "G03 X0 Y10. R-10.");
    EXPECT_EQ(f.engine.displayList.circles.back().Radius, -10);
}

TEST(ToolPathPass, CannedCyclesDrawHolesUntilG80) {
    EngineFixture f;
    unitScale(f);
    LineRouteDsp_Sub(f.engine, "G00 X1.");
    LineRouteDsp_Sub(f.engine, "G81 X5. Y5. Z-3. R2.");
    LineRouteDsp_Sub(f.engine, "X10.");
    LineRouteDsp_Sub(f.engine, "Z-4.");
    LineRouteDsp_Sub(f.engine, "G80");
    LineRouteDsp_Sub(f.engine, "X0 Y0");
    const auto& dl = f.engine.displayList;
    EXPECT_EQ(dl.lines.size(), 4u);
    ASSERT_EQ(dl.circles.size(), 3u);
    for (const CircleItem& c : dl.circles) {
        EXPECT_EQ(c.ColorIndex, kHoleColor);
        EXPECT_EQ(c.Radius, 3);
        EXPECT_EQ(c.StartAngle, 0);
        EXPECT_EQ(c.EndAngle, 0);
    }
    EXPECT_EQ(dl.circles[2].X, 10);
    EXPECT_EQ(dl.lines[3].DrawStyle, kDotted);

    // G81 and G00 on one line leave the cycle active.
    LineRouteDsp_Sub(f.engine, "G00 G81 X1.");
    EXPECT_EQ(f.engine.nc.CannedCode, 81);
    // G90 and G91 on one line leave incremental mode.
    LineRouteDsp_Sub(f.engine, "G91 G90");
    EXPECT_EQ(f.engine.nc.IncFlag, 1);
}

TEST(ToolPathPass, CycleInArcModeAlsoRunsTheArcBlockWithTheRWord) {
    EngineFixture f;
    unitScale(f);
    f.engine.nc.MotionMode = 2;
    LineRouteDsp_Sub(f.engine, "G81 X5. Y5. Z-3. R2.");
    EXPECT_EQ(f.engine.displayList.lines.size(), 1u);
    // hole + arc (the radius 2 cannot span the move: calculation error)
    EXPECT_EQ(f.engine.displayList.circles.size(), 2u);
    EXPECT_EQ(f.sink.messages.size(), 1u);
    EXPECT_EQ(f.engine.nc.CurX, 5);
}

TEST(ToolPathPass, IncrementalAccumulatesAndShortFormsAreNotCodes) {
    EngineFixture f;
    unitScale(f);
    f.engine.nc.CurX = 10;
    LineRouteDsp_Sub(f.engine, "G91 G01 X5.");
    LineRouteDsp_Sub(f.engine, "X5.");
    EXPECT_EQ(f.engine.nc.CurX, 20);
    LineRouteDsp_Sub(f.engine, "G90 G0 X1.");
    EXPECT_EQ(f.engine.displayList.lines.back().DrawStyle, kSolid);
    LineRouteDsp_Sub(f.engine, "G28 X0 Y0");
    EXPECT_EQ(f.engine.displayList.lines.back().ColorIndex, kRapidColor);
}

TEST(ToolPathPass, AFailingLineDrawsNothingAndKeepsThePosition) {
    EngineFixture f;
    unitScale(f);
    f.engine.nc.CurX = 3;
    EXPECT_THROW(LineRouteDsp_Sub(f.engine, "G01 X1E999 Y2"), ArithmeticFault);
    EXPECT_THROW(LineRouteDsp_Sub(f.engine, "G01 X-1E308 Y1E308"), ArithmeticFault);
    EXPECT_TRUE(f.engine.displayList.empty());
    EXPECT_EQ(f.surface.lineCalls(), 0u);
    EXPECT_EQ(f.engine.nc.CurX, 3);
    EXPECT_EQ(f.engine.nc.MotionMode, 1);

    // In arc mode a cycle line draws a move, a hole and an arc: an arc too
    // large for the surface leaves none of them drawn and the tool where it was.
    f.engine.nc.MotionMode = 2;
    EXPECT_THROW(LineRouteDsp_Sub(f.engine, "G81 X5. Y5. R1E300"), ArithmeticFault);
    EXPECT_TRUE(f.engine.displayList.empty());
    EXPECT_EQ(f.surface.lineCalls(), 0u);
    EXPECT_TRUE(f.surface.ops().empty());
    EXPECT_EQ(f.engine.nc.CurX, 3);
}

TEST(ToolPathPass, TheMarkerFollowsTheMoveOnlyWhenVisible) {
    EngineFixture f;
    unitScale(f);
    LineRouteDsp_Sub(f.engine, "G01 X100. Y100.");
    EXPECT_EQ(f.marker.left, 0);
    f.marker.visible = true;
    LineRouteDsp_Sub(f.engine, "G01 X1000. Y1000.");
    EXPECT_EQ(f.marker.left, 1000 - 240);
    EXPECT_EQ(f.marker.top, 5000 - 240);
}

TEST(FitRule, ScaleFromTheLongerSideWithAFivePercentMargin) {
    EngineFixture f(4000, 3000);
    ViewState& v = f.engine.view;
    v.XMin = v.YMin = 0;
    v.XMax = 100;
    v.YMax = 50;
    ASSERT_TRUE(FitView(f.engine));
    EXPECT_DOUBLE_EQ(v.PlotScale, 38);
    v.XMax = 50;
    v.YMax = 100;
    ASSERT_TRUE(FitView(f.engine));
    EXPECT_DOUBLE_EQ(v.PlotScale, 28.5);
    // Entirely negative X: the copy of XMax is 0, the stored value stays.
    v.XMax = -5;
    v.XMin = -20;
    v.YMax = 0;
    v.YMin = 0;
    ASSERT_TRUE(FitView(f.engine));
    EXPECT_DOUBLE_EQ(v.PlotScale, 4000 / 20.0 * 0.95);
    EXPECT_EQ(v.XMax, -5);
    v.XMax = kExtentStart;
    v.XMin = 0;
    v.YMax = kExtentStart;
    EXPECT_FALSE(FitView(f.engine));
    v.XMax = 1e308;
    v.XMin = -1e308;
    EXPECT_FALSE(FitView(f.engine));
}

TEST(ProgramPlot, LoadBuildsTheEditorTextAndDrawsEachRecord) {
    EngineFixture f;
    const std::string text = PlotLoadedText(f.engine, "G90\nG00 X10. Y10.\r\nG01 X20.\r(T1, DRILL)");
    EXPECT_EQ(text, "G90\r\nG00 X10. Y10.\r\nG01 X20.\r\n(T1, DRILL)\r\n");
    EXPECT_EQ(f.engine.displayList.lines.size(), 2u);
    EXPECT_EQ(f.engine.view.XMax, 20);
    EXPECT_DOUBLE_EQ(f.engine.view.PlotScale, 9000 / 20.0 * 0.95);

    // No X or Y anywhere: the text loads, nothing is drawn.
    EngineFixture none;
    EXPECT_EQ(PlotLoadedText(none.engine, "  G01 Z-1.\n\nM30"), "  G01 Z-1.\r\n\r\nM30\r\n");
    EXPECT_TRUE(none.engine.displayList.empty());
}

// The editor text goes out in pieces of whole lines, so whoever takes them
// never sees a line end split; a cancel stops it early.
TEST(ProgramPlot, EditorTextComesInPiecesOfWholeLines) {
    std::string text;
    for (int i = 0; i < 60000; ++i) text += i % 3 == 0 ? "G01 X1.\r" : i % 3 == 1 ? "Y2.\n" : "(c)\r\n";
    std::vector<std::string> pieces;
    ASSERT_TRUE(BuildEditorText(text, [&](std::string_view piece) { pieces.emplace_back(piece); }));
    ASSERT_GT(pieces.size(), 1u);
    std::string whole;
    for (const std::string& piece : pieces) {
        EXPECT_TRUE(piece.ends_with("\r\n"));
        whole += piece;
    }
    EngineFixture f;
    EXPECT_EQ(whole, PlotLoadedText(f.engine, text));

    CancelFlag cancel;
    cancel.request();
    pieces.clear();
    EXPECT_FALSE(BuildEditorText(
        text, [&](std::string_view piece) { pieces.emplace_back(piece); }, &cancel));
    EXPECT_TRUE(pieces.empty());
}

TEST(ProgramPlot, FailingRecordsAreSkippedAndNoInfinityReachesTheSurface) {
    EngineFixture f;
    PlotLoadedText(f.engine, "G01 X10. Y10.\nX1E999\nX-1E308 Y1E308\nG02 X1. R1E-320\nG01 X20. Y5.\n");
    for (const auto& op : f.surface.ops()) {
        for (float v : {op.a, op.b, op.c, op.d, op.start, op.end}) EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_EQ(f.engine.nc.CurX, 20);
    EXPECT_GE(f.sink.messages.size(), 1u);
}

TEST(Records, LineEndsOfEveryKind) {
    std::vector<std::string> got;
    ForEachRecord("a\r\nb\rc\nd\n\r\ne", [&](std::string_view r) { got.emplace_back(r); });
    EXPECT_EQ(got, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    got.clear();
    ForEachRecord("x\r\n", [&](std::string_view r) { got.emplace_back(r); });
    EXPECT_EQ(got, (std::vector<std::string>{"x"}));
    got.clear();
    ForEachRecord("", [&](std::string_view r) { got.emplace_back(r); });
    EXPECT_TRUE(got.empty());
}
