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
#include "view/pixel_arc.h"
#include "view/replay_cut.h"
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

// A replay as after a new list: its memo of the arcs' starts is empty.
void replayAfresh(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m) {
    ArcStarts starts;
    ReplayPixels(list, canvas, m, starts);
}

void expectSamePixels(const DisplayList& list, const WindowPixels& m) {
    Pixels quick;
    Pixels slow;
    replayAfresh(list, quick.canvas(), m);
    replayOneByOne(list, slow.canvas(), m);
    int differing = 0;
    for (std::size_t i = 0; i < quick.bits.size(); ++i) differing += quick.bits[i] != slow.bits[i];
    EXPECT_EQ(differing, 0);
}

// Surface units of 1/10 pixel, the window a little left of and above the
// canvas, so that coordinates near 0 and near the far edges cross them.
WindowPixels tenthsOfPixels() { return {-20.0, -15.0, 0.1, 0.1, true}; }

std::int16_t style(std::mt19937& rng) { return rng() % 3 == 0 ? kDotted : kSolid; }

// Chains of tiny steps, segments across and far beyond the edges, circles
// and arcs small to huge, some dotted.
DisplayList randomList(std::mt19937& rng, int items) {
    DisplayList list;
    std::uniform_real_distribution<double> across(-300.0, 900.0);
    std::uniform_real_distribution<double> jitter(-6.0, 6.0);
    for (int i = 0; i < items; ++i) {
        const std::int16_t color = static_cast<std::int16_t>(rng() % 16);
        switch (rng() % 5) {
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
                list.lines.push_back({across(rng), across(rng), across(rng), across(rng), color, style(rng)});
                break;
            case 2:  // far away or huge
                list.lines.push_back({-1e9, across(rng), 1e9, across(rng), color, style(rng)});
                list.lines.push_back({across(rng), 1e7, across(rng), 2e7, color, style(rng)});
                break;
            case 3: {  // a run of arcs in one colour over each other, long and short
                std::uniform_real_distribution<double> centre(0.0, 400.0);
                std::uniform_real_distribution<double> radius(1.0, 160.0);
                std::uniform_real_distribution<double> angle(-7.0, 7.0);
                for (int k = 0; k < 6; ++k) {
                    const auto runColor = static_cast<std::int16_t>(k == 4 ? color : kFeedColor);
                    list.circles.push_back({centre(rng), centre(rng), radius(rng), runColor, angle(rng),
                                            angle(rng), k == 2 ? style(rng) : std::int16_t{kSolid}});
                }
                break;
            }
            default: {  // circles and arcs, tiny to large, some off the canvas
                const double largest = rng() % 4 == 0 ? 3000.0 : rng() % 2 ? 40.0 : 4.0;
                std::uniform_real_distribution<double> radius(0.0, largest);
                std::uniform_real_distribution<double> angle(-7.0, 7.0);
                const double a = angle(rng);
                list.circles.push_back({across(rng) * 1.5, across(rng) * 1.5, radius(rng), color, a,
                                        rng() % 3 ? angle(rng) : a, style(rng)});
                break;
            }
        }
    }
    return list;
}

// A list long enough to be shared out between two threads.
DisplayList listForTwoParts(std::mt19937& rng) {
    DisplayList list;
    while (list.LineCount() + list.CircleCount() < kItemsForTwoParts) {
        const DisplayList more = randomList(rng, 400);
        list.lines.insert(list.lines.end(), more.lines.begin(), more.lines.end());
        list.circles.insert(list.circles.end(), more.circles.begin(), more.circles.end());
    }
    return list;
}

TEST(PixelReplayTest, RandomListsGiveThePixelsOfTheCallsOneByOne) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) expectSamePixels(randomList(rng, 400), tenthsOfPixels());
}

// Bands drawn one after the other, cut at any row, even or odd, and the
// list long enough to be shared out between two threads: every pixel is
// the one of the calls one by one on the whole canvas.
TEST(PixelReplayTest, BandsOfRowsGiveThePixelsOfTheWholeCanvas) {
    std::mt19937 rng(11);
    const WindowPixels m = tenthsOfPixels();
    for (int round = 0; round < 12; ++round) {
        const DisplayList list = randomList(rng, 300);
        Pixels slow;
        replayOneByOne(list, slow.canvas(), m);
        const int cut = static_cast<int>(rng() % (kHeight + 1));
        const int second = cut + static_cast<int>(rng() % (kHeight - cut + 1));
        Pixels banded;
        const PixelCanvas whole = banded.canvas();
        ReplayPixelBand(list, whole.band(second, kHeight), m);
        ReplayPixelBand(list, whole.band(0, cut), m);
        ReplayPixelBand(list, whole.band(cut, second), m);
        EXPECT_EQ(banded.bits, slow.bits) << "cut at rows " << cut << " and " << second;
    }
    expectSamePixels(listForTwoParts(rng), m);
}

// A list cut anywhere, the later part drawn on a layer of its own and laid
// over the earlier one, on a canvas that already holds a picture (the grid,
// in colours the list draws too): every pixel is the one of a single pass.
TEST(PixelReplayTest, ListsCutAnywhereGiveThePixelsOfOnePass) {
    std::mt19937 rng(13);
    const WindowPixels m = tenthsOfPixels();
    const auto underneath = [](Pixels& p) {
        for (std::size_t i = 0; i < p.bits.size(); i += 7) p.bits[i] = PixelColor(static_cast<int>(i % 16));
    };
    for (int round = 0; round < 6; ++round) {
        const DisplayList list = randomList(rng, 200);
        const std::size_t lines = list.LineCount();
        const std::size_t items = lines + list.CircleCount();
        Pixels slow;
        underneath(slow);
        replayOneByOne(list, slow.canvas(), m);
        for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, lines / 2, lines - 1, lines, lines + 1,
                                      lines + (items - lines) / 2, items - 1, items, items + 3}) {
            Pixels quick;
            underneath(quick);
            ReplayPixelsCutAt(list, quick.canvas(), m, cut);
            EXPECT_EQ(quick.bits, slow.bits) << "cut before item " << cut << " of " << items;
        }
    }
}

// One memo of the arcs' starts, kept from replay to replay as a surface
// keeps it: through other lists, longer and shorter, shared out between two
// threads or not, with angles moved under the same items and the window
// moved, every replay gives the pixels of the calls one by one.
TEST(PixelReplayTest, AMemoOfTheStartsKeptFromReplayToReplayChangesNoPixel) {
    std::mt19937 rng(17);
    const DisplayList longList = listForTwoParts(rng);
    const DisplayList turned = [&] {
        DisplayList t = longList;
        for (std::size_t i = 0; i < t.circles.size(); i += 2) t.circles[i].StartAngle += 0.5;
        return t;
    }();
    const DisplayList shortList = randomList(rng, 300);
    WindowPixels moved = tenthsOfPixels();
    moved.left += 3.7;
    moved.sx *= 1.4;
    moved.sy *= 1.4;
    ArcStarts starts;
    for (const DisplayList* list : {&shortList, &longList, &longList, &turned, &shortList, &longList}) {
        for (const WindowPixels& m : {tenthsOfPixels(), moved}) {
            Pixels quick;
            Pixels slow;
            ReplayPixels(*list, quick.canvas(), m, starts);
            replayOneByOne(*list, slow.canvas(), m);
            EXPECT_EQ(quick.bits, slow.bits);
            EXPECT_EQ(starts.size(), list->CircleCount());
        }
    }
}

// The cut shares out the work, not the items: what lies off the canvas
// weighs next to nothing, a long line or a large ring much.
TEST(PixelReplayTest, TheCutSharesOutTheWork) {
    const WindowPixels m = tenthsOfPixels();
    EXPECT_EQ(EvenReplayCut(DisplayList{}, m, kWidth, kHeight), 0u);
    DisplayList list;
    for (int i = 0; i < 10000; ++i)
        list.lines.push_back({-900.0, 1.0 * i, -800.0, 1.0 * i, kFeedColor, kSolid});
    for (int i = 0; i < 2000; ++i)
        list.lines.push_back({-20.0, 1.0 * (i % 400), 600.0, 1.0 * (i % 400), kFeedColor, kSolid});
    std::size_t cut = EvenReplayCut(list, m, kWidth, kHeight);
    EXPECT_GT(cut, 10200u);  // among the long lines, well past half the items
    EXPECT_LT(cut, 11800u);
    for (int i = 0; i < 1000; ++i)
        list.circles.push_back({280.0, 220.0, 200.0, kFeedColor, 0.0, 0.0, kSolid});
    cut = EvenReplayCut(list, m, kWidth, kHeight);
    EXPECT_GT(cut, 12000u);  // among the first rings
    EXPECT_LT(cut, 12500u);
}

// A ring that stays inside one pixel sets that pixel and nothing else; a
// dotted pen in its gap sets nothing, and its count moves on by one.
TEST(PixelReplayTest, RingsInsideOnePixelSetThatPixelAlone) {
    const WindowPixels m = tenthsOfPixels();
    DisplayList list;
    list.circles.push_back({380.0, 285.0, 4.0, kFeedColor, 0.0, 0.0, kSolid});    // pixel (40, 30)
    list.circles.push_back({430.0, 435.0, 0.9, kRapidColor, 1.0, 2.5, kDotted});  // pixel (45, 45)
    list.circles.push_back({-19.5, -14.5, 0.2, kHoleColor, 0.0, 0.0, kSolid});    // pixel (0, 0)
    list.circles.push_back({580.0, 450.0, 4.0, kHoleColor, 0.0, 0.0, kSolid});    // the last column and row
    Pixels quick;
    replayAfresh(list, quick.canvas(), m);
    int lit = 0;
    for (const std::uint32_t p : quick.bits) lit += p != 0xFF000000u;
    EXPECT_EQ(lit, 4);
    EXPECT_EQ(quick.bits[30 * kWidth + 40], PixelColor(kFeedColor));
    EXPECT_EQ(quick.bits[45 * kWidth + 45], PixelColor(kRapidColor));
    EXPECT_EQ(quick.bits[0], PixelColor(kHoleColor));
    EXPECT_EQ(quick.bits[kHeight * kWidth - 1], PixelColor(kHoleColor));

    std::vector<std::uint32_t> bits(4, 0u);
    const PixelCanvas canvas{bits.data(), 2, 2, 2};
    PixelPen gap{0xFFFFFFFFu, true, PixelPen::kDotPeriod - 1};
    DrawArcPx(canvas, 1.5, 0.5, 0.3, 0.0, 1.0, gap);
    EXPECT_EQ(bits, std::vector<std::uint32_t>(4, 0u));
    EXPECT_EQ(gap.phase, 0u);
    PixelPen dot{0xFFFFFFFFu, true, PixelPen::kDotOn - 1};
    DrawArcPx(canvas, 1.5, 0.5, 0.3, 0.0, 1.0, dot);
    EXPECT_EQ(bits, (std::vector<std::uint32_t>{0u, 0xFFFFFFFFu, 0u, 0u}));
    EXPECT_EQ(dot.phase, PixelPen::kDotOn);
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
    replayAfresh(list, quick.canvas(), m);
    EXPECT_EQ(quick.bits[static_cast<std::size_t>(12 * kWidth + 12)], PixelColor(kRapidColor));
}

TEST(PixelReplayTest, AnUnusableWindowShowsNothing) {
    DisplayList list;
    list.lines.push_back({0.0, 0.0, 500.0, 400.0, kFeedColor, kSolid});
    list.circles.push_back({200.0, 200.0, 50.0, kFeedColor, 0.0, 0.0, kSolid});
    Pixels quick;
    replayAfresh(list, quick.canvas(), WindowPixels{});
    for (const std::uint32_t p : quick.bits) ASSERT_EQ(p, 0xFF000000u);
}

}  // namespace
}  // namespace orca
