#include <gtest/gtest.h>

#include <cmath>

#include "base/guarded.h"
#include "geometry/angles.h"
#include "geometry/arc_centre.h"
#include "geometry/arc_extremes.h"
#include "nc/arc_words.h"
#include "nc/line_words.h"
#include "test_support.h"

using namespace orca;

TEST(Angles, AxisDirectionsAreExactAndQuadrantsUseTheProgramConstant) {
    EXPECT_EQ(KakudoGet(0, 0, 0, 5), 90);
    EXPECT_EQ(KakudoGet(0, 0, 0, -5), 270);
    EXPECT_EQ(KakudoGet(0, 0, -3, 0), 180);
    EXPECT_EQ(KakudoGet(0, 0, 4, 0), 0);
    EXPECT_EQ(KakudoGet(1, 1, 1, 1), 0);
    const double d = KakudoGet(0, 0, 1, 1);
    EXPECT_DOUBLE_EQ(d, 44.99999999412422);
    EXPECT_NE(d, 45.0);
    EXPECT_EQ(KakudoGet(0, 0, -1, 1), 180 - d);
    EXPECT_EQ(KakudoGet(0, 0, -1, -1), 180 + d);
    EXPECT_EQ(KakudoGet(0, 0, 1, -1), 360 - d);
    EXPECT_EQ(RadToDeg(3.141592654), 180.0);
}

TEST(Angles, DistancesAndPolarPoints) {
    EXPECT_EQ(KyoriGet(0, 0, 3, 4), 5);
    EXPECT_EQ(KyoriGet(2, 7, 2, 3), 4);
    EXPECT_EQ(KyoriGet(2.5, 2.5, 2.5, 2.5), 0);
    EXPECT_NEAR(PolarXGet(PolarDirectionGet(0), 10, 1), 11, 1e-9);
    EXPECT_NEAR(PolarYGet(PolarDirectionGet(90), 10, 2), 12, 1e-9);
    EXPECT_NEAR(PolarXGet(PolarDirectionGet(180), 10, 1), -9, 1e-9);
    EXPECT_NEAR(PolarYGet(PolarDirectionGet(270), 10, 2), -8, 1e-9);
    EXPECT_EQ(PolarXGet(PolarDirectionGet(33), 0, 0.1), 0.1);
    EXPECT_EQ(PolarYGet(PolarDirectionGet(33), 0, 0.2), 0.2);
    EXPECT_THROW(KyoriGet(-1e308, -1e308, 1e308, 1e308), ArithmeticFault);
}

// The direction's cosine and sine come from one sincos call; they must be
// exactly what separate cos and sin calls give, or arcs would move.
TEST(Angles, PolarDirectionEqualsSeparateCosineAndSine) {
    for (int k = 0; k <= 360000; ++k) {
        const double angle = k / 1000.0;
        double t = (3.141592654 / 180) * angle + 3.141592654;
        if (t > 6.283185308) t -= 6.283185308;
        volatile double turn = t;  // keeps the compiler from pairing the two calls
        const PolarDirection d = PolarDirectionGet(angle);
        ASSERT_EQ(d.cos, std::cos(turn)) << angle;
        ASSERT_EQ(d.sin, std::sin(turn)) << angle;
    }
}

namespace {

struct Centre {
    bool ok;
    double x, y;
    std::size_t messages;
};

Centre centreOf(const char* text, double x, double y, std::int16_t mode, std::int16_t inc = 0) {
    test::CollectingSink sink;
    NcModalState st;
    st.CurX = x;
    st.CurY = y;
    st.MotionMode = mode;
    st.IncFlag = inc;
    double xc = 0, yc = 0;
    const bool ok = G02G03XcYcGet_Sub(NcLine(text), st, sink, xc, yc);
    return {ok, xc, yc, sink.messages.size()};
}

}  // namespace

TEST(ArcCentre, RadiusFormPutsTheCentreRightOfTheChordForG02) {
    const Centre cw = centreOf("G02 X10. Y0 R10.", 0, 0, 2);
    EXPECT_NEAR(cw.x, 5, 1e-8);
    EXPECT_NEAR(cw.y, -8.6602540, 1e-7);
    const Centre ccw = centreOf("G03 X10. Y0 R10.", 0, 0, 3);
    EXPECT_NEAR(ccw.y, 8.6602540, 1e-7);
    const Centre negative = centreOf("G02 X10. Y0 R-10.", 0, 0, 2);
    EXPECT_NEAR(negative.y, 8.6602540, 1e-7);
    const Centre same = centreOf("G02 R5.", 0, 0, 2);
    EXPECT_NEAR(same.x, 0, 2e-9);
    EXPECT_NEAR(same.y, -5, 1e-9);
    EXPECT_NEAR(centreOf("G03 R5.", 0, 0, 3).y, 5, 1e-9);
    // A line without G02/G03 after a G03 line is counter-clockwise.
    EXPECT_NEAR(centreOf("X10. Y0 R10.", 0, 0, 3).y, 8.6602540, 1e-7);
}

TEST(ArcCentre, OffsetFormIsRelativeToTheStartInBothModes) {
    const Centre c = centreOf("G03 X0 Y10. I-10. J0", 10, 0, 3);
    EXPECT_EQ(c.x, 0);
    EXPECT_EQ(c.y, 0);
    const Centre inc = centreOf("G03 X0 Y10. I-10. J0", 10, 0, 3, 1);
    EXPECT_EQ(inc.x, 0);
    EXPECT_EQ(inc.y, 0);
    const Centre none = centreOf("G02 X10. r5.", 3, 4, 2);
    EXPECT_EQ(none.x, 3);
    EXPECT_EQ(none.y, 4);
}

// The chord is the diameter: the centre is its midpoint, whichever the
// direction or the sign of R, also when rounding leaves |h / R| a hair off 1.
TEST(ArcCentre, HalfCircleByRadiusHasItsCentreOnTheChord) {
    struct Case {
        const char* text;
        double xs, ys;
        std::int16_t mode;
        double xc, yc;
    };
    for (const Case& c :
         {Case{"G02 X10. Y0 R5.", 0, 0, 2, 5, 0}, Case{"G03 X50. Y50. R25.", 50, 0, 3, 50, 25},
          Case{"G03 X50. Y50. R-25.", 50, 0, 3, 50, 25}, Case{"G02 X0.3 Y0 R0.15", 0, 0, 2, 0.15, 0},
          Case{"G02 X0.1 Y0.2 R0.11180339887498948", 0, 0, 2, 0.05, 0.1}}) {
        const Centre centre = centreOf(c.text, c.xs, c.ys, c.mode);
        EXPECT_TRUE(centre.ok) << c.text;
        // The circle constant of the polar functions is 3.141592654.
        EXPECT_NEAR(centre.x, c.xc, 1e-7) << c.text;
        EXPECT_NEAR(centre.y, c.yc, 1e-7) << c.text;
        EXPECT_EQ(centre.messages, 0u) << c.text;
    }
}

TEST(ArcCentre, ImpossibleArcsShowTheMessageOnceAndKeepThePresetCentre) {
    for (const char* text : {"G02 X10. Y0 R4.99", "G02 X10. Y0 R4.", "G02 X10. Y0 R", "G02 X10. Y0 R0",
                             "G02 X1E999 R5.", "G02 X10. R1E-320"}) {
        const Centre c = centreOf(text, 0, 0, 2);
        EXPECT_FALSE(c.ok) << text;
        EXPECT_EQ(c.x, 0) << text;
        EXPECT_EQ(c.y, 0) << text;
        EXPECT_EQ(c.messages, 1u) << text;
    }
}

TEST(ArcExtremes, SweepCheckBoundsAreInclusiveAnd720IsNot0) {
    EXPECT_EQ(KakudoHaniChk_Sub(350, 10, 0), 0);
    EXPECT_EQ(KakudoHaniChk_Sub(10, 350, 0), 1);
    EXPECT_EQ(KakudoHaniChk_Sub(-90, 90, 0), 0);
    EXPECT_EQ(KakudoHaniChk_Sub(90, 90, 200), 0);
    EXPECT_EQ(KakudoHaniChk_Sub(0, 90, 360), 1);
    EXPECT_EQ(KakudoHaniChk_Sub(0, 90, 720), 1);
    EXPECT_EQ(KakudoHaniChk_Sub(270, 90, 360), 0);
    // Huge angles are brought into range without looping for ever.
    EXPECT_EQ(KakudoHaniChk_Sub(0, 90, -3.6e9 - 270), 0);
    EXPECT_EQ(KakudoHaniChk_Sub(0, 90, 3.6e9 + 180), 1);
}

namespace {

struct Box {
    double bigX, bigY, smallX, smallY;
};

Box extremesOf(const char* text, double x, double y, std::int16_t mode) {
    test::CollectingSink sink;
    NcModalState st;
    st.CurX = x;
    st.CurY = y;
    st.MotionMode = mode;
    Box b{};
    const ArcSweep sweep = ArcSweepGet(NcLine(text), st, sink);
    G02G03BigXYGet_Sub(sweep, b.bigX, b.bigY);
    G02G03SmallXYGet_Sub(sweep, b.smallX, b.smallY);
    return b;
}

}  // namespace

TEST(ArcExtremes, EndPointsOrCircleExtremesDependOnTheSweep) {
    const Box quarter = extremesOf("G02 X10. Y0 I0 J-10.", 0, 10, 2);
    EXPECT_NEAR(quarter.bigX, 10, 1e-9);
    EXPECT_NEAR(quarter.bigY, 10, 1e-9);
    EXPECT_EQ(quarter.smallX, 0);
    EXPECT_EQ(quarter.smallY, 0);

    const Box upper = extremesOf("G03 X-10. Y0 I-10. J0", 10, 0, 3);
    EXPECT_NEAR(upper.bigY, 10, 1e-9);
    EXPECT_EQ(upper.smallY, 0);
    const Box lower = extremesOf("G02 X-10. Y0 I-10. J0", 10, 0, 2);
    EXPECT_NEAR(lower.smallY, -10, 1e-9);
    EXPECT_EQ(lower.bigY, 0);

    const Box full = extremesOf("G02 I-5. J0", 5, 0, 2);
    EXPECT_NEAR(full.bigX, 5, 1e-8);
    EXPECT_NEAR(full.smallX, -5, 1e-8);
    EXPECT_NEAR(full.bigY, 5, 1e-8);
    EXPECT_NEAR(full.smallY, -5, 1e-8);
}
