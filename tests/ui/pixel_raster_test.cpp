#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

#include "view/pixel_arc.h"
#include "view/pixel_line.h"

namespace orca {
namespace {

constexpr std::uint32_t kInk = 0xFFFFFFFFu;

struct Buffer {
    Buffer(int w, int h, int padding = 3) : pixels(static_cast<std::size_t>((w + padding) * h), 0u) {
        canvas = {pixels.data(), w + padding, w, h};
    }
    bool lit(int x, int y) const { return pixels[static_cast<std::size_t>(y * canvas.stride + x)] != 0u; }
    int count() const {
        int n = 0;
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x) n += lit(x, y);
        return n;
    }
    // The row padding past the width must never be written.
    bool paddingClean() const {
        for (int y = 0; y < canvas.height; ++y)
            for (int x = canvas.width; x < canvas.stride; ++x)
                if (lit(x, y)) return false;
        return true;
    }
    std::vector<std::uint32_t> pixels;
    PixelCanvas canvas;
};

PixelPen solidPen() { return {kInk, false, 0}; }
PixelPen dottedPen() { return {kInk, true, 0}; }

double distanceToSegment(double px, double py, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 == 0.0 ? 0.0 : std::clamp(((px - x1) * dx + (py - y1) * dy) / len2, 0.0, 1.0);
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

TEST(PixelLine, SetsTheFloorPixelsOfBothEndsAndEveryStepBetween) {
    Buffer b(40, 30);
    PixelPen pen = solidPen();
    DrawLinePx(b.canvas, 2.7, 5.2, 12.1, 5.9, pen);
    EXPECT_TRUE(b.lit(2, 5));
    EXPECT_TRUE(b.lit(12, 5));
    EXPECT_EQ(b.count(), 11);
    Buffer v(40, 30);
    DrawLinePx(v.canvas, 3.5, 20.5, 3.5, 1.5, pen);
    EXPECT_EQ(v.count(), 20);
    EXPECT_TRUE(v.lit(3, 1));
    EXPECT_TRUE(v.lit(3, 20));
}

TEST(PixelLine, SegmentInsideOnePixelSetsOnlyThatPixel) {
    Buffer b(10, 10);
    PixelPen pen = solidPen();
    DrawLinePx(b.canvas, 4.1, 6.2, 4.9, 6.8, pen);
    EXPECT_EQ(b.count(), 1);
    EXPECT_TRUE(b.lit(4, 6));
    DrawLinePx(b.canvas, -0.5, 3.0, -0.2, 3.1, pen);  // one pixel, off the canvas
    DrawLinePx(b.canvas, 10.0, 3.0, 10.9, 3.1, pen);
    EXPECT_EQ(b.count(), 1);
}

TEST(PixelLine, ClippedSegmentsStayOnTheTrueLineAndOnTheCanvas) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-80.0, 140.0);
    for (int i = 0; i < 300; ++i) {
        Buffer b(60, 45);
        const double x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
        PixelPen pen = solidPen();
        DrawLinePx(b.canvas, x1, y1, x2, y2, pen);
        ASSERT_TRUE(b.paddingClean());
        for (int y = 0; y < 45; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (!b.lit(x, y)) continue;
                ASSERT_LT(distanceToSegment(x + 0.5, y + 0.5, x1, y1, x2, y2), 1.5)
                    << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2 << " pixel " << x << ',' << y;
            }
        }
        // A segment that crosses the canvas leaves a mark on it.
        const double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
        if (mx > 2 && mx < 58 && my > 2 && my < 43) {
            EXPECT_GT(b.count(), 0);
        }
    }
}

TEST(PixelLine, FarAndNonFiniteEndsAreSafe) {
    Buffer b(50, 20);
    PixelPen pen = solidPen();
    DrawLinePx(b.canvas, -1e300, 10.5, 1e300, 10.5, pen);
    EXPECT_EQ(b.count(), 50);
    DrawLinePx(b.canvas, 25.5, -INFINITY, 25.5, INFINITY, pen);
    EXPECT_EQ(b.count(), 50 + 19);
    DrawLinePx(b.canvas, NAN, 1.0, 5.0, 5.0, pen);
    DrawLinePx(b.canvas, 1e14, 1e14, 2e14, -3e14, pen);
    EXPECT_EQ(b.count(), 69);
    EXPECT_TRUE(b.paddingClean());
}

TEST(PixelLine, DottedPenLeavesGapsAnchoredToTheLineStart) {
    Buffer whole(120, 3);
    PixelPen pen = dottedPen();
    DrawLinePx(whole.canvas, 0.5, 1.5, 119.5, 1.5, pen);
    EXPECT_EQ(whole.count(), 60);
    for (int x = 0; x < 120; ++x) EXPECT_EQ(whole.lit(x, 1), x % 6 < 3) << x;

    // The same line starting 40 pixels left of the canvas: the dots stay where
    // the line puts them, not where the edge cuts it.
    Buffer clipped(120, 3);
    PixelPen pen2 = dottedPen();
    DrawLinePx(clipped.canvas, -39.5, 1.5, 119.5, 1.5, pen2);
    for (int x = 0; x < 120; ++x) EXPECT_EQ(clipped.lit(x, 1), (x + 40) % 6 < 3) << x;
}

TEST(PixelLine, DottedPhaseCarriesFromOneSegmentToTheNext) {
    Buffer b(40, 3);
    PixelPen pen = dottedPen();
    DrawLinePx(b.canvas, 0.5, 1.5, 4.5, 1.5, pen);   // pixels 0..4
    DrawLinePx(b.canvas, 4.5, 1.5, 20.5, 1.5, pen);  // shares pixel 4
    for (int x = 0; x <= 20; ++x) EXPECT_EQ(b.lit(x, 1), x % 6 < 3) << x;
}

// The pixels of the line from pixel (x1, y1) to pixel (x2, y2) in their
// order, by the textbook Bresenham stepping, error starting at half the
// major length.
std::vector<std::pair<int, int>> bresenham(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    std::vector<std::pair<int, int>> out;
    int x = x1, y = y1, err = major / 2;
    for (int i = 0; i <= major; ++i) {
        out.emplace_back(x, y);
        err -= minor;
        if (xMajor)
            x += sx;
        else
            y += sy;
        if (err < 0) {
            err += major;
            if (xMajor)
                y += sy;
            else
                x += sx;
        }
    }
    return out;
}

// Dotted lines of every slope and length, whole or cut by a band, short and
// longer than any canvas usually is, lay the solid line's pixels three on,
// three off, from the pen's phase.
TEST(PixelLine, DottedLinesLayTheSolidLinesPixelsInTurns) {
    std::mt19937 rng(11);
    for (int round = 0; round < 400; ++round) {
        const bool longLine = round % 40 == 0;
        const int w = longLine ? 9000 : 90;
        const int h = longLine ? 12 : 70;
        Buffer b(w, h);
        const auto any = [&](int size) { return static_cast<int>(rng() % static_cast<unsigned>(size)); };
        const int x1 = any(w), y1 = any(h), x2 = any(w), y2 = any(h);
        const auto phase = static_cast<std::uint32_t>(rng() % PixelPen::kDotPeriod);
        const bool banded = round % 3 == 0;
        const int top = banded ? any(h) : 0;
        const int bottom = banded ? top + any(h - top + 1) : h;
        PixelPen pen{kInk, true, phase};
        DrawLineInsidePx(b.canvas.band(top, bottom), x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5, pen);
        Buffer expected(w, h);
        const auto pixels = bresenham(x1, y1, x2, y2);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const auto [x, y] = pixels[i];
            if ((phase + i) % PixelPen::kDotPeriod < PixelPen::kDotOn && y >= top && y < bottom) {
                expected.pixels[static_cast<std::size_t>(y * expected.canvas.stride + x)] = kInk;
            }
        }
        ASSERT_EQ(b.pixels, expected.pixels)
            << x1 << "," << y1 << " to " << x2 << "," << y2 << " phase " << phase;
        EXPECT_EQ(pen.phase, (phase + pixels.size() - 1) % PixelPen::kDotPeriod);
    }
}

// Lit pixels of an arc, relative to the centre pixel.
std::vector<std::pair<int, int>> arcPixels(double r, double start, double span) {
    Buffer b(201, 201);
    PixelPen pen = solidPen();
    DrawArcPx(b.canvas, 100.5, 100.5, r, start, span, pen);
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 201; ++x)
            if (b.lit(x, y)) out.emplace_back(x - 100, y - 100);
    return out;
}

TEST(PixelArc, FullCircleStaysOnItsRadiusAndClosesUp) {
    const auto pixels = arcPixels(60.0, 0.0, 2.0 * std::numbers::pi);
    for (const auto& [dx, dy] : pixels)
        EXPECT_NEAR(std::hypot(dx, dy), 60.0, 1.2);  // chord sag plus the pixel grid
    // About one pixel per pixel of circumference, no gaps in any direction.
    EXPECT_GT(pixels.size(), 300u);
    EXPECT_LT(pixels.size(), 420u);
    for (int deg = 0; deg < 360; ++deg) {
        const double a = deg * std::numbers::pi / 180.0;
        const int ex = static_cast<int>(std::lround(60.0 * std::cos(a)));
        const int ey = static_cast<int>(std::lround(-60.0 * std::sin(a)));
        bool near = false;
        for (const auto& [dx, dy] : pixels) near = near || (std::abs(dx - ex) <= 1 && std::abs(dy - ey) <= 1);
        EXPECT_TRUE(near) << deg;
    }
}

TEST(PixelArc, RunsCounterClockwiseAsSeenOnTheCanvas) {
    // From the rightward direction a quarter turn ends pointing up (row < centre).
    for (const auto& [dx, dy] : arcPixels(40.0, 0.0, std::numbers::pi / 2.0)) {
        EXPECT_GE(dx, -1);
        EXPECT_LE(dy, 1);
    }
    // From up through a half turn: the left half.
    for (const auto& [dx, dy] : arcPixels(40.0, std::numbers::pi / 2.0, std::numbers::pi)) EXPECT_LE(dx, 1);
}

TEST(PixelArc, TinyRadiusSetsTheCentrePixel) {
    const auto pixels = arcPixels(0.0, 0.0, 2.0 * std::numbers::pi);
    ASSERT_EQ(pixels.size(), 1u);
    EXPECT_EQ(pixels[0], std::make_pair(0, 0));
}

TEST(PixelArc, CirclesThatMissTheCanvasDrawNothing) {
    Buffer b(100, 80);
    PixelPen pen = solidPen();
    DrawArcPx(b.canvas, 300.0, 40.0, 50.0, 0.0, 6.3, pen);  // beside it
    DrawArcPx(b.canvas, 50.0, 40.0, 500.0, 0.0, 6.3, pen);  // around it
    DrawArcPx(b.canvas, 50.0, NAN, 5.0, 0.0, 6.3, pen);
    DrawArcPx(b.canvas, 50.0, 40.0, INFINITY, 0.0, 6.3, pen);
    EXPECT_EQ(b.count(), 0);
}

TEST(PixelArc, HugeCircleSeenUpCloseIsDrawnWhereItCrossesTheCanvas) {
    // Centre a billion pixels below the canvas; the top of the ring passes
    // through row 40 as an almost straight line.
    Buffer b(100, 80);
    PixelPen pen = solidPen();
    const double r = 1e9;
    DrawArcPx(b.canvas, 50.0, 40.5 + r, r, 0.0, 2.0 * std::numbers::pi, pen);
    EXPECT_EQ(b.count(), 100);
    for (int x = 0; x < 100; ++x) EXPECT_TRUE(b.lit(x, 40)) << x;
    // Only its lower-left quarter is asked for: the visible top is not part of it.
    Buffer q(100, 80);
    DrawArcPx(q.canvas, 50.0, 40.5 + r, r, std::numbers::pi, std::numbers::pi / 2.0, pen);
    EXPECT_EQ(q.count(), 0);
}

// Random primitives at every scale a zoom can reach never touch memory
// around the canvas: a guard row above and below, guard columns at the right.
TEST(PixelRaster, RandomPrimitivesAtAnyScaleStayOnTheCanvas) {
    constexpr int kW = 37, kH = 23, kStride = kW + 5;
    std::vector<std::uint32_t> memory(static_cast<std::size_t>(kStride * (kH + 2)), 0u);
    const PixelCanvas canvas{memory.data() + kStride, kStride, kW, kH};
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-3, 14);
    const auto coord = [&] { return unit(rng) * std::pow(10.0, exponent(rng)) + kW / 2.0; };
    for (int i = 0; i < 20000; ++i) {
        PixelPen pen{kInk, i % 2 == 0, 0};
        if (i % 3 == 0) {
            DrawArcPx(canvas, coord(), coord(), coord(), unit(rng) * 7, std::fabs(unit(rng)) * 6.3 + 1e-3,
                      pen);
        } else {
            DrawLinePx(canvas, coord(), coord(), coord(), coord(), pen);
        }
    }
    for (int y = 0; y < kH + 2; ++y) {
        for (int x = 0; x < kStride; ++x) {
            if (y >= 1 && y <= kH && x < kW) continue;  // on the canvas
            ASSERT_EQ(memory[static_cast<std::size_t>(y * kStride + x)], 0u) << x << ',' << y;
        }
    }
}

}  // namespace
}  // namespace orca
