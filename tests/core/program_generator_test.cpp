#include "program_generator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "nc/program_plot.h"
#include "test_support.h"
#include "view/palette.h"

namespace orca {
namespace {

std::size_t countOf(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

TEST(ProgramGenerator, ExactLineCountLineEndsAndSize) {
    const std::string crlf = GenerateProgram({5000, 3, true});
    EXPECT_EQ(countOf(crlf, "\r\n"), 5000u);
    EXPECT_EQ(countOf(crlf, "\n"), 5000u);
    EXPECT_TRUE(crlf.ends_with("M30\r\n%\r\n"));
    const std::string lf = GenerateProgram({5000, 3, false});
    EXPECT_EQ(countOf(lf, "\n"), 5000u);
    EXPECT_EQ(lf.find('\r'), std::string::npos);
    const double bytesPerLine = static_cast<double>(lf.size()) / 5000;
    EXPECT_GT(bytesPerLine, 24);
    EXPECT_LT(bytesPerLine, 36);
    EXPECT_EQ(countOf(GenerateProgram({3, 1, false}), "\n"), 3u);
}

TEST(ProgramGenerator, SameSeedSameProgram) {
    EXPECT_EQ(GenerateProgram({2000, 42, true}), GenerateProgram({2000, 42, true}));
    EXPECT_NE(GenerateProgram({2000, 42, true}), GenerateProgram({2000, 43, true}));
}

// Run through the real passes: every arc's radius spans its move (no
// calculation error), and the program has every kind of move the benchmarks
// are meant to exercise, inside its work area.
TEST(ProgramGenerator, DrawsEveryKindOfMoveWithoutCalculationErrors) {
    const std::string text = GenerateProgram({20000, 7, true});
    EXPECT_GT(countOf(text, " R"), 100u);
    EXPECT_GT(countOf(text, " I"), 100u);
    EXPECT_GT(countOf(text, "G91"), 10u);
    EXPECT_GT(countOf(text, "G80"), 10u);
    EXPECT_GT(countOf(text, "("), 10u);

    test::EngineFixture f(18000, 12000);
    PlotLoadedText(f.engine, text);
    EXPECT_TRUE(f.sink.messages.empty()) << f.sink.messages.front();
    const DisplayList& list = f.engine.displayList;
    const auto lines = [&](int colour, int style) {
        return std::count_if(list.lines.begin(), list.lines.end(), [&](const LineItem& l) {
            return l.ColorIndex == colour && l.DrawStyle == style;
        });
    };
    const auto circles = [&](int colour) {
        return std::count_if(list.circles.begin(), list.circles.end(),
                             [&](const CircleItem& c) { return c.ColorIndex == colour; });
    };
    EXPECT_GT(lines(kFeedColor, kSolid), 1000);
    EXPECT_GT(lines(kRapidColor, kDotted), 100);
    EXPECT_GT(circles(kFeedColor), 1000);
    EXPECT_GT(circles(kHoleColor), 100);
    // Arcs bulge a little beyond the 200 x 150 area, nothing more.
    EXPECT_LT(f.engine.view.XMax, 210);
    EXPECT_LT(f.engine.view.YMax, 160);
    EXPECT_GT(f.engine.view.XMin, -10);
    EXPECT_GT(f.engine.view.YMin, -10);
}

}  // namespace
}  // namespace orca
