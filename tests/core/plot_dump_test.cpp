#include "app/plot_dump.h"

#include <gtest/gtest.h>

namespace orca {
namespace {

TEST(PlotDump, ViewThenGridThenLinesThenCircles) {
    ViewState view;
    view.resetExtents();
    view.XMax = 110;
    view.YMax = 90;
    view.PlotScale = 63.333333333333336;
    RecordingSurface surface;
    surface.Cls();
    surface.Line(0, 6000, 0, -333.33334f, 3);  // grid
    surface.Line(0.5f, 1, 2, 3, 3);
    surface.Line(0, 6000, 633.3333333333334f, 5366.666666666667f, 8);  // path
    surface.Circle(1583.3333f, 4416.6665f, 190, 11, 0, 0);
    DisplayList list;
    list.lines.push_back({0, 6000, 633.3333333333334, 5366.666666666667, 8, 2});
    list.circles.push_back({1583.3333333333335, 4416.666666666666, 190, 11, 0, 0, 0});
    EXPECT_EQ(FormatPlotDump(view, list, surface),
              "V 110 0 90 0 63.333333333333336\n"
              "G 0 6000 0 -333.33334\n"
              "G 0.5 1 2 3\n"
              "L 0 6000 633.3333333333334 5366.666666666667 8 2\n"
              "C 1583.3333333333335 4416.666666666666 190 11 0 0 0\n");
}

TEST(PlotDump, NothingDrawnGivesOnlyTheViewLine) {
    ViewState view;
    view.resetExtents();
    RecordingSurface surface;
    surface.Cls();
    EXPECT_EQ(FormatPlotDump(view, DisplayList{}, surface), "V -99999.999 0 -99999.999 0 0\n");
}

TEST(PlotDump, WithoutGridEveryOperationIsPath) {
    ViewState view;
    RecordingSurface surface;
    surface.Line(1, 2, 3, 4, 15);
    surface.Circle(5, 6, 7, 15, 0.25f, 1.5f);
    DisplayList list;
    list.lines.push_back({1, 2, 3, 4, 15, 0});
    list.circles.push_back({5, 6, 7, 15, 0.25, 1.5, 0});
    const std::string dump = FormatPlotDump(view, list, surface);
    EXPECT_EQ(dump.find("\nG "), std::string::npos);
    EXPECT_NE(dump.find("\nC 5 6 7 15 0.25 1.5 0\n"), std::string::npos);
}

}  // namespace
}  // namespace orca
