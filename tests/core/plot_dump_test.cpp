#include "app/plot_dump.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace orca {
namespace {

std::string DumpText(const ViewState& view, const DisplayList& list, const RecordingSurface& surface,
                     bool lineNumbers = false) {
    std::string text;
    EXPECT_TRUE(WritePlotDump(
        view, list, surface,
        [&text](std::string_view piece) {
            text += piece;
            return true;
        },
        lineNumbers));
    return text;
}

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
    EXPECT_EQ(DumpText(view, list, surface),
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
    EXPECT_EQ(DumpText(view, DisplayList{}, surface), "V -99999.999 0 -99999.999 0 0\n");
}

TEST(PlotDump, WithoutGridEveryOperationIsPath) {
    ViewState view;
    RecordingSurface surface;
    surface.Line(1, 2, 3, 4, 15);
    surface.Circle(5, 6, 7, 15, 0.25f, 1.5f);
    DisplayList list;
    list.lines.push_back({1, 2, 3, 4, 15, 0});
    list.circles.push_back({5, 6, 7, 15, 0.25, 1.5, 0});
    const std::string dump = DumpText(view, list, surface);
    EXPECT_EQ(dump.find("\nG "), std::string::npos);
    EXPECT_NE(dump.find("\nC 5 6 7 15 0.25 1.5 0\n"), std::string::npos);
}

// --dump-lines adds the editor line as a last field; without it the dump
// stays as it was.
TEST(PlotDump, LineNumbersOnlyWhenAskedFor) {
    ViewState view;
    RecordingSurface surface;
    DisplayList list;
    list.lines.push_back({1, 2, 3, 4, 15, 0, 12});
    list.circles.push_back({5, 6, 7, 15, 0.25, 1.5, 0, 13});
    EXPECT_NE(DumpText(view, list, surface).find("\nL 1 2 3 4 15 0\nC 5 6 7 15 0.25 1.5 0\n"),
              std::string::npos);
    EXPECT_NE(DumpText(view, list, surface, true).find("\nL 1 2 3 4 15 0 12\nC 5 6 7 15 0.25 1.5 0 13\n"),
              std::string::npos);
}

// A long program's dump leaves in pieces of whole lines as it is formatted,
// never as one text as long as the dump.
TEST(PlotDump, LongDumpIsHandedOverInPiecesOfWholeLines) {
    ViewState view;
    RecordingSurface surface;
    DisplayList list;
    std::string expected = "V 0 0 0 0 0\n";
    for (int i = 0; i < 20000; ++i) {
        list.lines.push_back({double(i), 0.5, 2, 3, 15, 0});
        surface.Line(float(i), 0.5f, 2, 3, 15);
        expected += "L " + std::to_string(i) + " 0.5 2 3 15 0\n";
    }
    std::vector<std::string> pieces;
    EXPECT_TRUE(WritePlotDump(view, list, surface, [&pieces](std::string_view piece) {
        pieces.emplace_back(piece);
        return true;
    }));
    EXPECT_GT(pieces.size(), expected.size() / kPlotDumpPieceBytes);
    std::string all;
    for (const std::string& piece : pieces) {
        EXPECT_LE(piece.size(), kPlotDumpPieceBytes + 100);
        EXPECT_EQ(piece.back(), '\n');
        all += piece;
    }
    EXPECT_EQ(all, expected);
}

TEST(PlotDump, FailedOutputEndsTheDump) {
    ViewState view;
    RecordingSurface surface;
    DisplayList list;
    list.lines.assign(20000, LineItem{1, 2, 3, 4, 15, 0});
    int calls = 0;
    EXPECT_FALSE(WritePlotDump(view, list, surface, [&calls](std::string_view) {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(WritePlotDump(view, DisplayList{}, surface, [](std::string_view) { return false; }))
        << "even a dump of one line";
}

}  // namespace
}  // namespace orca
