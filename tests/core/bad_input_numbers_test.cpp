// Numbers at the edges of what a double holds, in whole programs: each one
// is drawn or its record is skipped, the lines around it are drawn as
// usual, and no infinity or NaN reaches the surface or the display list.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "finite_drawing.h"
#include "nc/arc_words.h"
#include "nc/program_plot.h"
#include "test_support.h"

namespace orca {
namespace {

class EdgeNumberTest : public ::testing::Test {
protected:
    test::EngineFixture fx;

    EdgeNumberTest() {
        fx.engine.settings.HouganFlag = true;
        fx.engine.settings.HouganWidth = 100;
    }

    // The edge line between a move to (10, 10) and a move to (20, 5).
    void plot(const std::string& edgeLines) {
        PlotLoadedText(fx.engine, "G90\nG01 X10. Y10.\n" + edgeLines + "\nG01 X20. Y5.\n");
    }

    // Surface coordinates of a program point with this load's fit.
    double u(double x) const { return (x - fx.engine.view.XMin) * fx.engine.view.PlotScale; }
    double v(double y) const {
        return fx.engine.view.SurfaceHeight - (y - fx.engine.view.YMin) * fx.engine.view.PlotScale;
    }

    void expectFiniteDrawing() const {
        EXPECT_TRUE(test::FiniteSurfaceOps(fx.surface));
        EXPECT_TRUE(test::FiniteDisplayList(fx.engine.displayList));
        EXPECT_TRUE(std::isfinite(fx.marker.left) && std::isfinite(fx.marker.top));
        EXPECT_TRUE(std::isfinite(fx.engine.view.PlotScale));
    }

    // The last move, from wherever the edge line left the tool, ends at (20, 5).
    void expectLastMoveDrawn() const {
        ASSERT_FALSE(fx.engine.displayList.lines.empty());
        const LineItem& last = fx.engine.displayList.lines.back();
        EXPECT_DOUBLE_EQ(last.X2, u(20));
        EXPECT_DOUBLE_EQ(last.Y2, v(5));
        EXPECT_EQ(fx.engine.nc.CurX, 20);
        EXPECT_EQ(fx.engine.nc.CurY, 5);
    }

    std::size_t gridLines() const {
        std::size_t n = 0;
        for (const auto& op : fx.surface.ops()) n += op.kind == RecordingSurface::Op::kLine && op.color == 3;
        return n;
    }
};

TEST_F(EdgeNumberTest, ExponentBeyondAnyDoubleSkipsTheRecordSilently) {
    plot("G01 X1E999");
    expectFiniteDrawing();
    EXPECT_EQ(fx.engine.view.XMax, 20) << "the extents pass skipped it too";
    ASSERT_EQ(fx.engine.displayList.LineCount(), 2u);
    EXPECT_DOUBLE_EQ(fx.engine.displayList.lines[1].X1, u(10)) << "the tool stayed at (10, 10)";
    expectLastMoveDrawn();
    EXPECT_TRUE(fx.sink.messages.empty());
    EXPECT_GT(gridLines(), 0u);
}

TEST_F(EdgeNumberTest, LargestDoublesAreDrawnAtAScaleThatHoldsThem) {
    plot("G01 X-1E308 Y1E308");
    expectFiniteDrawing();
    EXPECT_EQ(fx.engine.view.XMin, -1e308);
    EXPECT_EQ(fx.engine.view.YMax, 1e308);
    EXPECT_EQ(fx.engine.displayList.LineCount(), 3u);
    expectLastMoveDrawn();
    EXPECT_TRUE(fx.sink.messages.empty());
    EXPECT_LT(gridLines(), 10u) << "only groups that need at most 100,000 pitches are drawn";
}

// A radius far below half the chord has no centre: the arc centre says so
// once for each of its three callers and they go on with the centre (0, 0).
TEST_F(EdgeNumberTest, SubnormalRadiusShowsTheCalculationErrorAndTheArcTakesTheOrigin) {
    plot("G02 X20. Y10. R1E-320");
    expectFiniteDrawing();
    ASSERT_EQ(fx.engine.displayList.CircleCount(), 1u);
    EXPECT_DOUBLE_EQ(fx.engine.displayList.circles[0].X, u(0));
    EXPECT_DOUBLE_EQ(fx.engine.displayList.circles[0].Y, v(0));
    expectLastMoveDrawn();
    EXPECT_EQ(fx.sink.messages, (std::vector<std::string>(3, kCalcErrorMessage)));
}

TEST_F(EdgeNumberTest, FourHundredDigitNumbersReadAsFarAsADoubleGoes) {
    const std::string ones(400, '1');
    const std::string thirds(400, '3');
    const std::string tenPower = "1" + std::string(399, '0');
    plot("G01 X" + ones + "\nG01 X0." + thirds + " Y" + tenPower + "E-398");
    expectFiniteDrawing();
    ASSERT_EQ(fx.engine.displayList.LineCount(), 3u) << "the 400-digit whole number overflows: skipped";
    EXPECT_DOUBLE_EQ(fx.engine.displayList.lines[1].X2, u(1.0 / 3));
    EXPECT_DOUBLE_EQ(fx.engine.displayList.lines[1].Y2, v(10));
    expectLastMoveDrawn();
    EXPECT_TRUE(fx.sink.messages.empty());
}

TEST_F(EdgeNumberTest, HexadecimalBeyondThirtyTwoBitsIsAnOrdinaryCoordinate) {
    plot("G01 X&HFFFFFFFFFFFF Y&O777");
    expectFiniteDrawing();
    EXPECT_EQ(fx.engine.view.XMax, 281474976710655.0);
    ASSERT_EQ(fx.engine.displayList.LineCount(), 3u);
    EXPECT_DOUBLE_EQ(fx.engine.displayList.lines[1].X2, u(281474976710655.0));
    EXPECT_DOUBLE_EQ(fx.engine.displayList.lines[1].Y2, v(511));
    expectLastMoveDrawn();
    // The two groups right of the origin would need 2.8E12 pitches and are
    // left out; the six others give 6 + 1 + 1 + 6 + 1 + 1 lines.
    EXPECT_EQ(gridLines(), 16u);
    EXPECT_TRUE(fx.sink.messages.empty());
}

}  // namespace
}  // namespace orca
