#include "view/replay_cut.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "view/display_list.h"

namespace orca {
namespace {

// About this many items are looked at, whatever the length of the list.
constexpr std::size_t kSamples = 4096;

// Work in about nanoseconds, as measured on generated programs of a million
// lines: passing over an item costs a few, a line its set-up and less than
// one a pixel, an arc a larger set-up and two a step of its walk.
constexpr double kPassedOver = 4.0;
constexpr double kLineSetUp = 28.0;
constexpr double kLinePixel = 0.75;
constexpr double kArcSetUp = 58.0;
constexpr double kArcStep = 2.0;

struct Canvas {
    const WindowPixels& m;
    double w, h;

    [[nodiscard]] double work(const LineItem& l) const {
        const double x1 = m.u(static_cast<float>(l.X1));
        const double y1 = m.v(static_cast<float>(l.Y1));
        const double x2 = m.u(static_cast<float>(l.X2));
        const double y2 = m.v(static_cast<float>(l.Y2));
        if ((x1 < 0.0 && x2 < 0.0) || (x1 >= w && x2 >= w) || (y1 < 0.0 && y2 < 0.0) ||
            (y1 >= h && y2 >= h)) {
            return kPassedOver;
        }
        const double pixels = std::max(std::fabs(x2 - x1), std::fabs(y2 - y1));
        // A NaN or a line far beyond the canvas is clipped to about its size.
        return kLineSetUp + kLinePixel * (pixels < w + h ? pixels : w + h);
    }

    [[nodiscard]] double work(const CircleItem& c) const {
        const double r = std::fabs(static_cast<double>(static_cast<float>(c.Radius))) * m.sx;
        const double cx = m.u(static_cast<float>(c.X));
        const double cy = m.v(static_cast<float>(c.Y));
        if (!(cx + r + 1.0 >= 0.0 && cx - r - 1.0 < w && cy + r + 1.0 >= 0.0 && cy - r - 1.0 < h)) {
            return kPassedOver;
        }
        constexpr double kTurn = 2.0 * std::numbers::pi;
        double span = std::fabs(c.EndAngle - c.StartAngle);
        if (!(span > 0.0 && span < kTurn)) span = kTurn;
        const double steps = span * r;
        // Only the part of a huge ring near the canvas is walked.
        return kArcSetUp + kArcStep * (steps < 4.0 * (w + h) ? steps : 4.0 * (w + h));
    }
};

}  // namespace

std::size_t EvenReplayCut(const DisplayList& list, const WindowPixels& m, int widthPx, int heightPx) {
    const std::size_t lines = list.LineCount();
    const std::size_t items = lines + list.CircleCount();
    const std::size_t every = std::max<std::size_t>(1, items / kSamples);
    const Canvas canvas{m, static_cast<double>(widthPx), static_cast<double>(heightPx)};
    // The work up to each sampled item, the item's own included.
    std::vector<double> sum;
    sum.reserve(items / every + 1);
    double total = 0.0;
    for (std::size_t i = 0; i < items; i += every) {
        total += i < lines ? canvas.work(list.lines[i]) : canvas.work(list.circles[i - lines]);
        sum.push_back(total);
    }
    const auto half = std::lower_bound(sum.begin(), sum.end(), total / 2.0);
    return std::min(items, static_cast<std::size_t>(half - sum.begin()) * every);
}

}  // namespace orca
