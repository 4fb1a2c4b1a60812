#include <gtest/gtest.h>

#include <string>

#include "base/guarded.h"
#include "nc/extents_pass.h"
#include "nc/mode_detection.h"
#include "nc/program_plot.h"
#include "nc/standard_words.h"
#include "nc/tool_path_pass.h"
#include "test_support.h"
#include "view/palette.h"

using namespace orca;
using test::EngineFixture;

namespace {

EngineFixture& unitScale(EngineFixture& f) {
    f.engine.view.XMin = f.engine.view.YMin = 0;
    f.engine.view.PlotScale = 1;
    return f;
}

void draw(EngineFixture& f, std::initializer_list<const char*> lines) {
    for (const char* l : lines) LineRouteDspStandard_Sub(f.engine, l);
}

void extents(EngineFixture& f, std::initializer_list<const char*> lines) {
    for (const char* l : lines) LineMaxMinGetStandard_Sub(f.engine, l);
}

bool hasG(const char* text, GCode code) { return ReadStandardLine(text).hasG(code); }

}  // namespace

TEST(StandardWords, GCodesAreReadByValue) {
    for (const char* text : {"G0", "G00", "G000", "g0", "G 0", "N10G0X1"})
        EXPECT_TRUE(hasG(text, GCode::G00)) << text;
    EXPECT_TRUE(hasG("G1", GCode::G01));
    EXPECT_TRUE(hasG("g2", GCode::G02));
    EXPECT_TRUE(hasG("G03", GCode::G03));
    EXPECT_TRUE(hasG("G17 G18 G19", GCode::G18));
    EXPECT_TRUE(hasG("G28", GCode::G28));
    EXPECT_TRUE(hasG("g85", GCode::G85));
    EXPECT_TRUE(hasG("G91", GCode::G91));
    // Longer numbers are other codes, and a G inside a comment is none.
    EXPECT_FALSE(hasG("G900", GCode::G90));
    EXPECT_FALSE(hasG("G10", GCode::G01));
    EXPECT_FALSE(hasG("G90.1", GCode::G90));
    EXPECT_FALSE(hasG("G64 (G90)", GCode::G90));
    EXPECT_FALSE(hasG("G64 ;G90", GCode::G90));
    EXPECT_FALSE(hasG("GOTO1", GCode::G01));
    // The default reading sees substrings: G900 is G90, g1 is nothing.
    EXPECT_TRUE(NcLine("G900").hasG(GCode::G90));
    EXPECT_FALSE(NcLine("g1").hasG(GCode::G01));
}

TEST(StandardWords, WordsOfEitherCaseAroundComments) {
    const NcLine line = ReadStandardLine("(start) x1 2.5 (X99) y-.5 ;Y7");
    EXPECT_EQ(line.word('X'), 12.5);
    EXPECT_EQ(line.word('Y'), -0.5);
    // Reading goes on after ")", and an open "(" ends the line.
    EXPECT_EQ(ReadStandardLine("(a)(b)X3").word('X'), 3);
    EXPECT_FALSE(ReadStandardLine("G1 (X1 Y2").has('X'));
    // The next letter starts the next word: D is no exponent here.
    const NcLine d = ReadStandardLine("G41 G01 X10. Y5. D01");
    EXPECT_EQ(d.word('Y'), 5);
    EXPECT_EQ(d.word('D'), 1);
    EXPECT_EQ(ReadStandardLine("X1E2").word('X'), 1);
    // Letters followed by no number are no words; the first word counts.
    const NcLine m = ReadStandardLine("MSG X1 X2");
    EXPECT_FALSE(m.has('M'));
    EXPECT_EQ(m.word('X'), 1);
    // Long lines (past the first 16 characters) and comments across them.
    const NcLine l = ReadStandardLine("N0001 G01 (a long comment of thirty) x4. y5. (another one, open");
    EXPECT_EQ(l.word('X'), 4);
    EXPECT_EQ(l.word('Y'), 5);
    EXPECT_TRUE(l.hasG(GCode::G01));
    EXPECT_THROW(static_cast<void>(ReadStandardLine("X" + std::string(400, '9')).word('X')), ArithmeticFault);
}

TEST(StandardWords, ExpressionsAndVariablesMarkTheLine) {
    for (const char* text : {"X[#1/2.]", "G1 R#11", "y [1+2]", "Z#<depth>"})
        EXPECT_TRUE(ReadStandardLine(text).hasExpression()) << text;
    for (const char* text : {"#1=5", "G1 X1 (X[#1])", "X1 ;R#2"})
        EXPECT_FALSE(ReadStandardLine(text).hasExpression()) << text;
}

TEST(StandardModeDetection, ReadsWordsNotComments) {
    EXPECT_EQ(AbsIncModeInText("(ABS PROGRAM G90)\r\ng91 g0 x1\r\n", true), 1);
    EXPECT_EQ(AbsIncModeInText("(ABS PROGRAM G90)\r\ng91 g0 x1\r\n", false), 0);
    EXPECT_EQ(AbsIncModeInText("G900\r\n", true), -1);
    EXPECT_EQ(AbsIncModeInText("G91 G90\r\n", true), 0);
}

TEST(StandardToolPath, ShortCodesLowerCaseAndModalPrecedence) {
    EngineFixture f;
    unitScale(f);
    draw(f, {"g0 x10 y10", "G1 X20", "(comment first) G2 X30 Y0 R10 ; trailing"});
    const auto& dl = f.engine.displayList;
    ASSERT_EQ(dl.lines.size(), 2u);
    EXPECT_EQ(dl.lines[0].ColorIndex, kRapidColor);
    EXPECT_EQ(dl.lines[1].ColorIndex, kFeedColor);
    ASSERT_EQ(dl.circles.size(), 1u);
    EXPECT_EQ(f.engine.nc.CurX, 30);
    EXPECT_EQ(f.engine.nc.CurY, 0);

    // The table order rules, as in the default reading.
    draw(f, {"G81 G0 X1"});
    EXPECT_EQ(f.engine.nc.CannedCode, 81);
    draw(f, {"G91 G90"});
    EXPECT_EQ(f.engine.nc.IncFlag, kIncremental);
    // Of two cycles the later of the table wins, in both readings.
    draw(f, {"G89 G81"});
    EXPECT_EQ(f.engine.nc.CannedCode, 89);
    LineRouteDsp_Sub(f.engine, "G82 G81 G00");
    EXPECT_EQ(f.engine.nc.CannedCode, 82);
}

TEST(StandardToolPath, CyclesDrawNoArcAndG80RestoresTheMotion) {
    EngineFixture f;
    unitScale(f);
    draw(f, {"G2 X10 Y0 R5", "G81 X5 Y5 Z-3 R2", "X15", "G80", "X25 Y5 R5"});
    const auto& dl = f.engine.displayList;
    // An arc before the cycle, holes without circles about them, the G80
    // line in arc mode (a circle of radius 0, as in the default reading),
    // an arc after it.
    ASSERT_EQ(dl.circles.size(), 5u);
    EXPECT_EQ(dl.circles[1].ColorIndex, kHoleColor);
    EXPECT_EQ(dl.circles[2].ColorIndex, kHoleColor);
    EXPECT_EQ(dl.circles[3].Radius, 0);
    EXPECT_EQ(dl.circles[4].ColorIndex, kFeedColor);
    EXPECT_EQ(dl.circles[4].Radius, 5);
    EXPECT_EQ(dl.lines.size(), 2u);
    EXPECT_TRUE(f.sink.messages.empty());

    EngineFixture e;
    extents(e, {"G2 X10 Y0 R5", "G81 X5 Y5 R2", "X15"});
    EXPECT_TRUE(e.sink.messages.empty()) << "R is the retract level, not a radius";
    EXPECT_EQ(e.engine.view.XMax, 15);
}

TEST(StandardToolPath, RepeatsDrillStepByStepInIncrementalMode) {
    EngineFixture f;
    unitScale(f);
    draw(f, {"G91 G81 X10. L4"});
    const auto& dl = f.engine.displayList;
    ASSERT_EQ(dl.lines.size(), 4u);
    ASSERT_EQ(dl.circles.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(dl.lines[k].X2, 10.0 * (k + 1));
        EXPECT_EQ(dl.circles[k].X, 10.0 * (k + 1));
    }
    EXPECT_EQ(f.engine.nc.CurX, 40);
    EngineFixture e;
    extents(e, {"G91 G81 X10. K4"});
    EXPECT_EQ(e.engine.view.XMax, 40);

    // Absolute: the same place n times, one marker; L0 drills once.
    EngineFixture a;
    unitScale(a);
    draw(a, {"G90 G81 X5. L3", "X7. L0"});
    EXPECT_EQ(a.engine.displayList.circles.size(), 2u);
    EXPECT_EQ(a.engine.nc.CurX, 7);
}

TEST(StandardToolPath, ExpressionLinesKeepThePositionAndAreCounted) {
    EngineFixture f;
    unitScale(f);
    draw(f, {"G1 X10", "G0 X[#1/2.] Y3", "G1 Y#2", "Y5"});
    const auto& dl = f.engine.displayList;
    ASSERT_EQ(dl.lines.size(), 2u);
    // The rapid of the left-out line still takes effect.
    EXPECT_EQ(dl.lines[1].ColorIndex, kFeedColor);
    EXPECT_EQ(dl.lines[1].X1, 10);

    // The extents pass counts them, also when nothing at all can be drawn.
    EngineFixture e;
    e.engine.nc.startExtentsPass();
    extents(e, {"G0 X[#1/2.] Y[3]", "G1 Y#2", "Y5"});
    EXPECT_EQ(e.engine.nc.ExpressionLines, 2);
    EXPECT_EQ(e.engine.nc.CurY, 5);
    e.engine.nc.startToolPathPass(0);
    EXPECT_EQ(e.engine.nc.ExpressionLines, 2);
    e.engine.nc.startExtentsPass();
    EXPECT_EQ(e.engine.nc.ExpressionLines, 0);
}

TEST(StandardToolPath, ArcsOutsideTheXYPlaneAreTheirProjection) {
    // An XZ half circle from X0 to X10 about X5 through Z+5: seen from
    // above it is the segment from 0 to 10.
    EngineFixture f;
    unitScale(f);
    draw(f, {"G18 G2 X10 Z0 I5 K0"});
    const auto& dl = f.engine.displayList;
    ASSERT_EQ(dl.lines.size(), 1u);
    EXPECT_EQ(dl.lines[0].X2, 10);
    EXPECT_TRUE(dl.circles.empty());

    // Three quarters from (X0, Z0) about (X5, Z0) clockwise in (Z, X): it
    // passes X10 before coming back to X5, and Y moves evenly meanwhile.
    EngineFixture t;
    unitScale(t);
    draw(t, {"G18 G2 X5 Y30 Z5 I5 K0"});
    const auto& tl = t.engine.displayList.lines;
    ASSERT_EQ(tl.size(), 2u);
    EXPECT_NEAR(tl[0].X2, 10, 1e-6);
    EXPECT_NEAR(t.engine.surface.window().ScaleHeight - tl[0].Y2, 20, 1e-6);
    EXPECT_EQ(tl[1].X2, 5);
    EXPECT_EQ(t.engine.nc.CurZ, 5);

    EngineFixture e;
    extents(e, {"G18 G2 X5 Y30 Z5 I5 K0"});
    EXPECT_NEAR(e.engine.view.XMax, 10, 1e-6);
    EXPECT_EQ(e.engine.view.YMax, 30);

    // G19: the view's Y turns back, X moves evenly; G17 again draws arcs.
    EngineFixture y;
    unitScale(y);
    draw(y, {"G19 G2 Y10 Z0 J5", "G17 G2 X0 Y0 I-5"});
    EXPECT_EQ(y.engine.displayList.lines.size(), 1u);
    EXPECT_EQ(y.engine.displayList.circles.size(), 1u);
}

TEST(HoleRadius, MarkersTakeTheSettingInBothReadings) {
    for (const bool standard : {false, true}) {
        EngineFixture f;
        unitScale(f);
        f.engine.settings.HoleRadius = 0.125;
        if (standard) {
            LineRouteDspStandard_Sub(f.engine, "G81 X5. Y5.");
        } else {
            LineRouteDsp_Sub(f.engine, "G81 X5. Y5.");
        }
        ASSERT_EQ(f.engine.displayList.circles.size(), 1u);
        EXPECT_EQ(f.engine.displayList.circles[0].Radius, 0.125);
    }
}
