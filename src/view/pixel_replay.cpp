#include "view/pixel_replay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <latch>
#include <memory>
#include <numbers>
#include <optional>
#include <span>
#include <system_error>
#include <thread>

#include "view/display_list.h"
#include "view/palette.h"
#include "view/pixel_arc.h"
#include "view/pixel_line.h"
#include "view/pixel_run.h"
#include "view/replay_cut.h"
#include "view/surface.h"

namespace orca {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;

constexpr std::array<std::uint32_t, Palette16.size()> kPixelColors = [] {
    std::array<std::uint32_t, Palette16.size()> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = 0xFF000000u | (std::uint32_t{Palette16[i].r} << 16) | (std::uint32_t{Palette16[i].g} << 8) |
                 Palette16[i].b;
    }
    return out;
}();

}  // namespace

std::uint32_t PixelColor(int colorIndex) {
    return kPixelColors[static_cast<unsigned>(colorIndex) % kPixelColors.size()];
}

void DrawMappedLine(const PixelCanvas& canvas, const WindowPixels& m, float x1, float y1, float x2, float y2,
                    int colorIndex, bool dotted) {
    if (!m.usable) return;
    PixelPen p{PixelColor(colorIndex), dotted, 0};
    DrawLinePx(canvas, m.u(x1), m.v(y1), m.u(x2), m.v(y2), p);
}

namespace {

// fmod(a, kTurn), which is `a` itself for the angles of less than a turn
// that nearly every arc has: those do without the call.
double withinTurn(double a) { return std::fabs(a) < kTurn ? a : std::fmod(a, kTurn); }

// The arc of a Surface::Circle call in pixels, handed to `draw` as DrawArcPx
// takes it.
template <typename Draw>
void mapCircle(const WindowPixels& m, float x, float y, float radius, int colorIndex, float startAngle,
               float endAngle, bool dotted, Draw&& draw) {
    if (!m.usable || !std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
    const double start = withinTurn(startAngle);
    double span = withinTurn(static_cast<double>(endAngle) - startAngle);
    if (span <= 0.0) span += kTurn;  // equal angles: the full circle
    PixelPen p{PixelColor(colorIndex), dotted, 0};
    draw(m.u(x), m.v(y), std::fabs(static_cast<double>(radius)) * m.sx, start < 0.0 ? start + kTurn : start,
         span, p);
}

}  // namespace

void DrawMappedCircle(const PixelCanvas& canvas, const WindowPixels& m, float x, float y, float radius,
                      int colorIndex, float startAngle, float endAngle, bool dotted) {
    mapCircle(m, x, y, radius, colorIndex, startAngle, endAngle, dotted,
              [&](double cx, double cy, double r, double start, double span, PixelPen& pen) {
                  DrawArcPx(canvas, cx, cy, r, start, span, pen);
              });
}

namespace {

// The lines, then the circles, of a stretch of a list, in drawing order;
// `starts` is empty or holds the memo of each circle's start.
void replayItems(std::span<const LineItem> lines, std::span<const CircleItem> circles,
                 std::span<ArcStart> starts, const PixelCanvas& canvas, const WindowPixels& m) {
    const double w = canvas.width;
    const double h = canvas.height;
    const double top = canvas.firstRow();
    const double bottom = canvas.endRow();
    // The pixel a run of one-pixel segments last set, and its colour: the
    // next one of the run on that pixel changes nothing.
    std::uint32_t* lastPixel = nullptr;
    std::uint32_t lastColor = 0;
    for (const LineItem& l : lines) {
        const double x1 = m.u(static_cast<float>(l.X1));
        const double y1 = m.v(static_cast<float>(l.Y1));
        const double x2 = m.u(static_cast<float>(l.X2));
        const double y2 = m.v(static_cast<float>(l.Y2));
        // Wholly on one side of the canvas or of its band (a NaN compares
        // false and goes on).
        if ((x1 < 0.0 && x2 < 0.0) || (x1 >= w && x2 >= w) || (y1 < top && y2 < top) ||
            (y1 >= bottom && y2 >= bottom)) {
            continue;
        }
        const std::uint32_t color = PixelColor(l.ColorIndex);
        const bool inside =
            x1 >= 0.0 && x1 < w && y1 >= 0.0 && y1 < h && x2 >= 0.0 && x2 < w && y2 >= 0.0 && y2 < h;
        const int ix = static_cast<int>(x1);
        const int iy = static_cast<int>(y1);
        if (inside && ix == static_cast<int>(x2) && iy == static_cast<int>(y2)) {
            // Solid or dotted, a segment inside one pixel sets it: a dotted
            // pen starts on a dot. Its row is in the band, or it was passed over.
            std::uint32_t* p = canvas.row(iy) + ix;
            if (p == lastPixel && color == lastColor) continue;
            *p = color;
            lastPixel = p;
            lastColor = color;
            continue;
        }
        lastPixel = nullptr;
        if (inside && l.DrawStyle != kDotted && canvas.bandHolds(iy, static_cast<int>(y2))) {
            PlotSolidPixelsInBand(canvas, ix, iy, static_cast<int>(x2), static_cast<int>(y2), color);
            continue;
        }
        PixelPen pen{color, l.DrawStyle == kDotted, 0};
        if (inside) {
            DrawLineInsidePx(canvas, x1, y1, x2, y2, pen);
        } else {
            DrawLinePx(canvas, x1, y1, x2, y2, pen);
        }
    }
    ArcPairs arcs(canvas);
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const CircleItem& c = circles[i];
        const float r = static_cast<float>(c.Radius);
        const double reach = std::fabs(static_cast<double>(r)) * m.sx + 1.0;
        const double cx = m.u(static_cast<float>(c.X));
        const double cy = m.v(static_cast<float>(c.Y));
        // A circle wholly off the canvas or its band, its box with a pixel to spare.
        if (cx + reach < 0.0 || cx - reach >= w || cy + reach < top || cy - reach >= bottom) continue;
        ArcStart* const memo = starts.empty() ? nullptr : &starts[i];
        mapCircle(m, static_cast<float>(c.X), static_cast<float>(c.Y), r, c.ColorIndex,
                  static_cast<float>(c.StartAngle), static_cast<float>(c.EndAngle), c.DrawStyle == kDotted,
                  [&](double x, double y, double radius, double from, double sweep, PixelPen& pen) {
                      arcs.draw(x, y, radius, from, sweep, pen, memo);
                  });
    }
    arcs.finish();
}

// Lays every pixel the layer holds (a drawn pixel is never 0: its alpha is
// full) over the canvas's band.
void overlay(const PixelCanvas& canvas, const PixelCanvas& layer) {
    for (int y = canvas.firstRow(); y < canvas.endRow(); ++y) {
        std::uint32_t* to = canvas.row(y);
        const std::uint32_t* from = layer.row(y);
        for (int x = 0; x < canvas.width; ++x) to[x] = from[x] != 0 ? from[x] : to[x];
    }
}

}  // namespace

void ReplayPixelBand(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m) {
    if (!m.usable) return;
    replayItems(list.lines, list.circles, {}, canvas, m);
}

void ReplayPixelsCutAt(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m,
                       std::size_t cut, std::span<ArcStart> starts) {
    if (!m.usable) return;
    const std::span<const LineItem> lines(list.lines);
    const std::span<const CircleItem> circles(list.circles);
    const std::size_t lineCut = std::min(cut, lines.size());
    const std::size_t circleCut = std::min(cut - lineCut, circles.size());
    const auto startsFrom = [&](std::size_t from, std::size_t count) {
        return starts.empty() ? starts : starts.subspan(from, count);
    };
    // The later items go on a layer of their own, blank and as large as the
    // canvas, laid over it once both parts are drawn: a pixel either part
    // draws then ends as it would after one pass in order.
    // It is taken here, so that a lack of memory is met on the calling
    // thread, and blanked by the thread that draws on it.
    const std::size_t layerSize =
        static_cast<std::size_t>(canvas.width) * static_cast<std::size_t>(canvas.height);
    const auto layerBits = std::make_unique_for_overwrite<std::uint32_t[]>(layerSize);
    PixelCanvas layer = canvas;
    layer.bits = layerBits.get();
    layer.stride = canvas.width;
    const auto drawLater = [&] {
        std::fill_n(layerBits.get(), layerSize, 0u);
        replayItems(lines.subspan(lineCut), circles.subspan(circleCut),
                    startsFrom(circleCut, circles.size() - circleCut), layer, m);
    };
    // Once both parts are drawn, each thread lays half of the rows.
    const int middle = canvas.firstRow() + (canvas.endRow() - canvas.firstRow()) / 2;
    std::latch drawn(2);
    std::optional<std::thread> helper;
    try {
        helper.emplace([&] {
            drawLater();
            drawn.arrive_and_wait();
            overlay(canvas.band(middle, canvas.endRow()), layer);
        });
    } catch (const std::system_error&) {
        drawLater();  // no second thread to be had
    }
    replayItems(lines.first(lineCut), circles.first(circleCut), startsFrom(0, circleCut), canvas, m);
    if (!helper) {
        overlay(canvas, layer);
        return;
    }
    drawn.arrive_and_wait();
    overlay(canvas.band(canvas.firstRow(), middle), layer);
    helper->join();
}

void ReplayPixels(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m,
                  ArcStarts& starts) {
    if (!m.usable) return;
    // A memo far longer than the list (after a big program, a small one)
    // gives its memory back.
    if (starts.size() != list.CircleCount()) {
        starts.resize(list.CircleCount());
        if (starts.capacity() > 2 * starts.size()) starts.shrink_to_fit();
    }
    if (list.LineCount() + list.CircleCount() < kItemsForTwoParts) {
        replayItems(list.lines, list.circles, starts, canvas, m);
        return;
    }
    ReplayPixelsCutAt(list, canvas, m, EvenReplayCut(list, m, canvas.width, canvas.height), starts);
}

}  // namespace orca
