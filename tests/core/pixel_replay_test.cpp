// The quick replay of a display list gives the very pixels of one Line or
// Circle call per item, whatever the items: runs inside one pixel in one
// colour or in turns, segments and circles across or off every edge,
// dotted ones, huge and degenerate ones.
#include "view/pixel_replay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "view/display_list.h"
#include "view/palette.h"
#include "view/surface.h"

namespace orca {
namespace {

constexpr int kWidth = 61;
constexpr int kHeight = 47;

struct Pixels {
    std::vector<std::uint32_t> bits = std::vector<std::uint32_t>(kWidth * kHeight, 0xFF000000u);
    PixelCanvas canvas() { return {bits.data(), kWidth, kWidth, kHeight}; }
};

// One call per item, lines first, as any surface replays.
void replayOneByOne(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m) {
    for (const LineItem& l : list.lines) {
        DrawMappedLine(canvas, m, static_cast<float>(l.X1), static_cast<float>(l.Y1),
                       static_cast<float>(l.X2), static_cast<float>(l.Y2), l.ColorIndex,
                       l.DrawStyle == kDotted);
    }
    for (const CircleItem& c : list.circles) {
        DrawMappedCircle(canvas, m, static_cast<float>(c.X), static_cast<float>(c.Y),
                         static_cast<float>(c.Radius), c.ColorIndex, static_cast<float>(c.StartAngle),
                         static_cast<float>(c.EndAngle), c.DrawStyle == kDotted);
    }
}

void expectSamePixels(const DisplayList& list, const WindowPixels& m) {
    Pixels quick;
    Pixels slow;
    ReplayPixels(list, quick.canvas(), m);
    replayOneByOne(list, slow.canvas(), m);
    int differing = 0;
    for (std::size_t i = 0; i < quick.bits.size(); ++i) differing += quick.bits[i] != slow.bits[i];
    EXPECT_EQ(differing, 0);
}

// Surface units of 1/10 pixel, the window a little left of and above the
// canvas, so that coordinates near 0 and near the far edges cross them.
WindowPixels tenthsOfPixels() { return {-20.0, -15.0, 0.1, 0.1, true}; }

std::int16_t style(std::mt19937& rng) { return rng() % 3 == 0 ? kDotted : kSolid; }

TEST(PixelReplayTest, RandomListsGiveThePixelsOfTheCallsOneByOne) {
    std::mt19937 rng(7);
    const WindowPixels m = tenthsOfPixels();
    for (int round = 0; round < 40; ++round) {
        DisplayList list;
        std::uniform_real_distribution<double> across(-300.0, 900.0);
        std::uniform_real_distribution<double> jitter(-6.0, 6.0);
        for (int i = 0; i < 400; ++i) {
            const std::int16_t color = static_cast<std::int16_t>(rng() % 16);
            switch (rng() % 4) {
                case 0: {  // a chain of tiny steps, mostly inside one pixel
                    double x = across(rng);
                    double y = across(rng);
                    const auto chainColor = static_cast<std::int16_t>(rng() % 2 ? kFeedColor : kRapidColor);
                    for (int k = 0; k < 20; ++k) {
                        const double nx = x + jitter(rng) / 4;
                        const double ny = y + jitter(rng) / 4;
                        list.lines.push_back({x, y, nx, ny, chainColor, style(rng)});
                        x = nx;
                        y = ny;
                    }
                    break;
                }
                case 1:  // anywhere, across and beyond the edges
                    list.lines.push_back(
                        {across(rng), across(rng), across(rng), across(rng), color, style(rng)});
                    break;
                case 2:  // far away or huge
                    list.lines.push_back({-1e9, across(rng), 1e9, across(rng), color, style(rng)});
                    list.lines.push_back({across(rng), 1e7, across(rng), 2e7, color, style(rng)});
                    break;
                default: {  // circles and arcs, small to large, some off the canvas
                    std::uniform_real_distribution<double> radius(0.0, rng() % 4 ? 40.0 : 3000.0);
                    std::uniform_real_distribution<double> angle(-7.0, 7.0);
                    const double a = angle(rng);
                    list.circles.push_back({across(rng) * 1.5, across(rng) * 1.5, radius(rng), color, a,
                                            rng() % 3 ? angle(rng) : a, style(rng)});
                    break;
                }
            }
        }
        expectSamePixels(list, m);
    }
}

// Two colours taking turns inside one pixel: the last one drawn shows.
TEST(PixelReplayTest, ColoursTakingTurnsInOnePixelEndWithTheLast) {
    const WindowPixels m = tenthsOfPixels();
    DisplayList list;
    for (int k = 0; k < 5; ++k) {
        list.lines.push_back({100.0, 100.0, 100.4, 100.3, kFeedColor, kSolid});
        list.lines.push_back({100.1, 100.2, 100.3, 100.1, kRapidColor, kDotted});
        list.lines.push_back({100.1, 100.2, 100.3, 100.1, kRapidColor, kDotted});
    }
    list.lines.push_back({90.0, 100.0, 140.0, 100.0, kHoleColor, kSolid});
    list.lines.push_back({100.2, 100.2, 100.3, 100.2, kRapidColor, kSolid});
    expectSamePixels(list, m);

    Pixels quick;
    ReplayPixels(list, quick.canvas(), m);
    EXPECT_EQ(quick.bits[static_cast<std::size_t>(12 * kWidth + 12)], PixelColor(kRapidColor));
}

TEST(PixelReplayTest, AnUnusableWindowShowsNothing) {
    DisplayList list;
    list.lines.push_back({0.0, 0.0, 500.0, 400.0, kFeedColor, kSolid});
    list.circles.push_back({200.0, 200.0, 50.0, kFeedColor, 0.0, 0.0, kSolid});
    Pixels quick;
    ReplayPixels(list, quick.canvas(), WindowPixels{});
    for (const std::uint32_t p : quick.bits) ASSERT_EQ(p, 0xFF000000u);
}

}  // namespace
}  // namespace orca
