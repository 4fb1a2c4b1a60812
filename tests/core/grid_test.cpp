#include "view/grid.h"

#include <gtest/gtest.h>

#include <set>

#include "test_support.h"
#include "view/display_list.h"
#include "view/palette.h"

using namespace orca;
using test::EngineFixture;

namespace {

// Grid lines as program coordinates, with scale 1 and flip base 6000.
struct GridLines {
    std::set<double> verticalX, horizontalY;
    std::size_t count = 0;
};

GridLines gridOf(double xMax, double xMin, double yMax, double yMin, short pitch) {
    EngineFixture f;
    ViewState& v = f.engine.view;
    v.XMax = xMax;
    v.XMin = xMin;
    v.YMax = yMax;
    v.YMin = yMin;
    v.PlotScale = 1;
    v.SurfaceHeight = 6000;
    f.engine.settings.HouganWidth = pitch;
    Kukaku_Dsp(f.engine);
    GridLines g;
    for (const auto& op : f.surface.ops()) {
        EXPECT_EQ(op.color, kGridColor);
        EXPECT_EQ(op.style, kDotted);
        ++g.count;
        if (op.a == op.c) g.verticalX.insert(op.a + xMin);
        if (op.b == op.d) g.horizontalY.insert(6000 - op.b + yMin);
    }
    EXPECT_EQ(f.surface.DrawStyle(), kSolid);
    return g;
}

}  // namespace

TEST(Grid, PitchesRoundHalvesToEven) {
    const GridLines g = gridOf(25, 0, 40, 0, 10);
    EXPECT_EQ(g.verticalX, (std::set<double>{0, 10, 20}));
    EXPECT_EQ(g.horizontalY, (std::set<double>{0, 10, 20, 30, 40}));
    const GridLines wider = gridOf(35, 0, 40, 0, 10);
    EXPECT_EQ(wider.verticalX, (std::set<double>{0, 10, 20, 30, 40}));
    // Only the axes when the pitch is larger than twice every extent.
    const GridLines axes = gridOf(30, -30, 30, -30, 100);
    EXPECT_EQ(axes.verticalX, (std::set<double>{0}));
    EXPECT_EQ(axes.horizontalY, (std::set<double>{0}));
}

TEST(Grid, NegativeMaximaCountAsZeroAndNoGridForPitchZeroOrOff) {
    // A program with no X word keeps XMax at -99999.999; no grid line may
    // spread over the positive side it never reaches.
    const GridLines g = gridOf(kExtentStart, -20, 10, 0, 10);
    EXPECT_EQ(g.verticalX, (std::set<double>{-20, -10, 0}));
    EXPECT_EQ(gridOf(25, 0, 40, 0, 0).count, 0u);
    EXPECT_EQ(gridOf(25, 0, 40, 0, -5).count, 0u);

    EngineFixture off;
    off.engine.view.PlotScale = 2;
    off.engine.view.SurfaceHeight = 600;
    off.engine.view.XMin = -10;
    off.engine.settings.HouganFlag = false;
    off.surface.setDrawStyle(kDotted);
    Kukaku_Dsp(off.engine);
    EXPECT_TRUE(off.surface.ops().empty());
    EXPECT_EQ(off.surface.DrawStyle(), kDotted);
    // The marker is centred on the program origin.
    EXPECT_EQ(off.marker.left, 20 - 240);
    EXPECT_EQ(off.marker.top, 600 - 240);
}

TEST(Grid, AnAbsurdlyDenseGroupIsLeftOutAndTheOthersAreDrawn) {
    // The vertical groups right of the origin would need 10^12 lines.
    const GridLines wide = gridOf(1e12, 0, 10, 0, 1);
    EXPECT_EQ(wide.verticalX, (std::set<double>{0}));
    EXPECT_EQ(wide.horizontalY.size(), 11u);
    // The horizontal groups above it; the verticals after them still come.
    const GridLines tall = gridOf(20, 0, 1e12, 0, 1);
    EXPECT_EQ(tall.verticalX.size(), 21u);
    EXPECT_EQ(tall.horizontalY, (std::set<double>{0}));
}

TEST(DisplayList, ReplayDrawsLinesThenCirclesAndRestoresTheStyle) {
    DisplayList list;
    list.circles.push_back({1, 2, 3, 11, 0, 0, 0});
    list.lines.push_back({0, 0, 1, 1, 8, 2});
    RecordingSurface s;
    s.setDrawStyle(kDotted);
    DisplayList_Redraw(list, s);
    ASSERT_EQ(s.ops().size(), 2u);
    EXPECT_EQ(s.ops()[0].kind, RecordingSurface::Op::kLine);
    EXPECT_EQ(s.ops()[0].style, kDotted);
    EXPECT_EQ(s.ops()[1].kind, RecordingSurface::Op::kCircle);
    EXPECT_EQ(s.ops()[1].style, kSolid);
    EXPECT_EQ(s.DrawStyle(), kDotted);
    RecordingSurface empty;
    DisplayList_Redraw(DisplayList{}, empty);
    EXPECT_TRUE(empty.ops().empty());
}
