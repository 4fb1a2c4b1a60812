#include "app/ui/raster_surface.h"

#include <gtest/gtest.h>

#include <numbers>

#include "view/palette.h"

namespace orca {
namespace {

constexpr float kTwips = 15.0f;

QRgb paletteRgb(int index) {
    const Rgb c = Palette16[static_cast<std::size_t>(index)];
    return qRgb(c.r, c.g, c.b);
}

int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

int countLit(const QImage& image) {
    return image.width() * image.height() - countColour(image, qRgb(0, 0, 0));
}

// A surface of one pixel more than its window holds twips across and down:
// a twip is then exactly 1/15 pixel, unit 0 the first pixel's centre.
RasterSurface twipSurface(int w, int h) {
    RasterSurface s(w + 1, h + 1);
    s.setWindow({0.0f, 0.0f, w * kTwips, h * kTwips});
    return s;
}

TEST(RasterSurface, LinesLandWhereTheCurrentWindowPutsThem) {
    RasterSurface s = twipSurface(40, 30);
    EXPECT_EQ(s.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(countLit(s.image()), 0);
    s.Line(10 * kTwips + 1, 20 * kTwips + 1, 30 * kTwips + 1, 20 * kTwips + 1, kFeedColor);
    EXPECT_EQ(countColour(s.image(), paletteRgb(kFeedColor)), 21);
    EXPECT_EQ(s.image().pixel(10, 20), paletteRgb(kFeedColor));
    EXPECT_EQ(s.image().pixel(30, 20), paletteRgb(kFeedColor));

    // Pan: the same surface point moves with the window's left and top.
    s.Cls();
    s.setWindow({5 * kTwips, -3 * kTwips, 40 * kTwips, 30 * kTwips});
    s.Line(10 * kTwips + 1, 20 * kTwips + 1, 10 * kTwips + 1, 20 * kTwips + 1, kRapidColor);
    EXPECT_EQ(s.image().pixel(5, 23), paletteRgb(kRapidColor));
    EXPECT_EQ(countLit(s.image()), 1);

    // Zoom in by two about the top-left corner: lengths double.
    s.Cls();
    s.setWindow({0, 0, 20 * kTwips, 15 * kTwips});
    s.Line(2 * kTwips + 1, 3 * kTwips + 1, 12 * kTwips + 1, 3 * kTwips + 1, kFeedColor);
    EXPECT_EQ(countLit(s.image()), 21);
    EXPECT_EQ(s.image().pixel(4, 6), paletteRgb(kFeedColor));
}

// The fit puts the path's box on the window's edges: moves along them are
// on the first and last pixel row and column, not one past the image.
TEST(RasterSurface, WindowEdgesFallOnTheOutermostPixels) {
    RasterSurface s(120, 80);
    s.setWindow({0, 0, 1800, 1200});
    s.Line(0, 1200, 1800, 1200, kFeedColor);
    s.Line(0, 0, 0, 1200, kRapidColor);
    s.Line(1800, 0, 1800, 1200, kGridColor);
    for (int x = 1; x < 119; ++x) ASSERT_EQ(s.image().pixel(x, 79), paletteRgb(kFeedColor)) << x;
    for (int y = 0; y < 79; ++y) ASSERT_EQ(s.image().pixel(0, y), paletteRgb(kRapidColor)) << y;
    for (int y = 0; y < 80; ++y) ASSERT_EQ(s.image().pixel(119, y), paletteRgb(kGridColor)) << y;
}

TEST(RasterSurface, DrawStyleInForceAtTheCallDecidesDotted) {
    RasterSurface s = twipSurface(60, 10);
    s.setDrawStyle(kDotted);
    s.Line(0, 5 * kTwips, 60 * kTwips, 5 * kTwips, kGridColor);
    EXPECT_EQ(countColour(s.image(), paletteRgb(kGridColor)), 31) << "every other of 61 pixels";
    s.setDrawStyle(kSolid);
    s.Line(0, 7 * kTwips, 60 * kTwips, 7 * kTwips, kGridColor);
    EXPECT_EQ(countColour(s.image(), paletteRgb(kGridColor)), 31 + 61);
}

TEST(RasterSurface, CircleRadiusIsInHorizontalUnitsAndStaysRound) {
    RasterSurface s(201, 201);
    // Twice as many units across as down: a radius of 100 units is 50 pixels.
    s.setWindow({0, 0, 400, 200});
    s.Circle(200.0f, 100.0f, 100.0f, kHoleColor, 0, 0);
    const QRgb cyan = paletteRgb(kHoleColor);
    EXPECT_EQ(s.image().pixel(150, 100), cyan);
    EXPECT_EQ(s.image().pixel(100, 150), cyan);
    EXPECT_EQ(s.image().pixel(100, 50), cyan);
    EXPECT_NE(s.image().pixel(100, 100), cyan);
    // A negative radius draws the same circle.
    RasterSurface n(201, 201);
    n.setWindow({0, 0, 400, 200});
    n.Circle(200.0f, 100.0f, -100.0f, kHoleColor, 0, 0);
    EXPECT_EQ(n.image(), s.image());
}

TEST(RasterSurface, ArcRunsCounterClockwiseFromStartToEnd) {
    const float pi = static_cast<float>(std::numbers::pi);
    RasterSurface upper = twipSurface(100, 100);
    // The upper half, as a clockwise G02 from the left end to the right end is stored.
    upper.Circle(50 * kTwips, 50 * kTwips, 40 * kTwips, kFeedColor, 0.0f, pi);
    RasterSurface lower = twipSurface(100, 100);
    lower.Circle(50 * kTwips, 50 * kTwips, 40 * kTwips, kFeedColor, pi, 0.0f);
    const QRgb white = paletteRgb(kFeedColor);
    EXPECT_EQ(upper.image().pixel(50, 10), white);
    EXPECT_NE(upper.image().pixel(50, 90), white);
    EXPECT_EQ(lower.image().pixel(50, 90), white);
    EXPECT_NE(lower.image().pixel(50, 10), white);
    for (int y = 52; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_NE(upper.image().pixel(x, y), white) << x << ',' << y;
}

TEST(RasterSurface, ExtremeWindowsAndCoordinatesDoNotBreakIt) {
    RasterSurface s(120, 80);
    s.setWindow({0, 0, 1e-3f, 1e-3f});
    s.Line(-1e30f, 5e-4f, 1e30f, 5e-4f, kFeedColor);
    s.Circle(5e-4f, 5e-4f, 1e20f, kFeedColor, 0, 0);
    s.setWindow({-1e12f, -1e12f, 1e12f, 1e12f});
    s.Line(0, 0, 1, 1, kFeedColor);
    s.Circle(0, 0, 3.4e38f, kFeedColor, 0, 1);
    s.setWindow({0, 0, 0, 100});  // not a usable window: nothing is drawn
    s.Line(0, 0, 100, 100, kRapidColor);
    s.setWindow({0, 0, 100, 100});
    s.Line(INFINITY, 0, NAN, 50, kRapidColor);
    EXPECT_EQ(countColour(s.image(), paletteRgb(kRapidColor)), 0);
    EXPECT_GT(countColour(s.image(), paletteRgb(kFeedColor)), 0);
}

}  // namespace
}  // namespace orca
