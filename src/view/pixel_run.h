#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "view/pixel_canvas.h"

// The pixels of a line between two pixels of the canvas, inline: a replay
// draws hundreds of thousands of short lines, and calls and conversions
// repeated for each would cost more than many of them take to draw.

namespace orca {
namespace pixel_run {

// Bresenham along the major axis; the minor step is taken without a branch.
// A run that leaves the canvas's band writes only the pixels in [lo, hi).
template <bool Dotted, bool InBand>
inline void plotRun(std::uint32_t* p, int major, int minor, std::ptrdiff_t majorStep,
                    std::ptrdiff_t minorStep, std::uint32_t color, std::uint32_t phase,
                    const std::uint32_t* lo, const std::uint32_t* hi) {
    int err = major / 2;
    for (int i = 0; i <= major; ++i) {
        const bool lay = InBand || (p >= lo && p < hi);
        if constexpr (Dotted) {
            if (phase < PixelPen::kDotOn && lay) *p = color;
            phase = phase + 1 == PixelPen::kDotPeriod ? 0 : phase + 1;
        } else {
            if (lay) *p = color;
        }
        err -= minor;
        const int carry = err >> 31;  // all ones when the minor axis steps
        p += majorStep + (minorStep & carry);
        err += major & carry;
    }
}

// The dotted run again, working out only the pixels it lays, each on its
// own: pixel i lies (i * minor + major - 1 - major / 2) / major minor steps
// aside, the count of the carries the error makes up to it. The division is
// a multiplication by a reciprocal, exact while the numerator stays below
// 2^kShift / major, which kMaxDotsMajor ensures.
constexpr int kShift = 40;
constexpr int kMaxDotsMajor = 1 << 13;

template <bool InBand>
inline void plotDots(std::uint32_t* p, int major, int minor, std::ptrdiff_t majorStep,
                     std::ptrdiff_t minorStep, std::uint32_t color, std::uint32_t phase,
                     const std::uint32_t* lo, const std::uint32_t* hi) {
    const std::uint64_t reciprocal = (std::uint64_t{1} << kShift) / static_cast<std::uint64_t>(major) + 1;
    const auto offset = static_cast<std::uint64_t>(major - 1 - major / 2);
    constexpr int kOn = PixelPen::kDotOn;
    // Pixel i is laid when (phase + i) % kDotPeriod < kDotOn.
    for (int dot = -static_cast<int>(phase); dot <= major; dot += PixelPen::kDotPeriod) {
        for (int i = std::max(dot, 0); i < dot + kOn && i <= major; ++i) {
            const std::uint64_t numerator =
                static_cast<std::uint64_t>(i) * static_cast<std::uint64_t>(minor) + offset;
            std::uint32_t* q = p + i * majorStep +
                               static_cast<std::ptrdiff_t>((numerator * reciprocal) >> kShift) * minorStep;
            if (InBand || (q >= lo && q < hi)) *q = color;
        }
    }
}

// A run in or across the band, dotted runs of a usual length by plotDots.
template <bool Dotted>
inline void plotRun(const PixelCanvas& canvas, bool inBand, std::uint32_t* p, int major, int minor,
                    std::ptrdiff_t majorStep, std::ptrdiff_t minorStep, std::uint32_t color,
                    std::uint32_t phase) {
    const bool dots = Dotted && major > 0 && major < kMaxDotsMajor;
    const auto run = [&]<bool InBand>(const std::uint32_t* lo, const std::uint32_t* hi) {
        if (dots) {
            plotDots<InBand>(p, major, minor, majorStep, minorStep, color, phase, lo, hi);
        } else {
            plotRun<Dotted, InBand>(p, major, minor, majorStep, minorStep, color, phase, lo, hi);
        }
    };
    if (inBand) {
        run.template operator()<true>(nullptr, nullptr);
    } else {
        run.template operator()<false>(canvas.row(canvas.firstRow()), canvas.row(canvas.endRow()));
    }
}

// A line's pixels as Bresenham walks them: from p, major + 1 of them along
// the major axis, stepping aside `minor` times in all.
struct Run {
    std::uint32_t* p;
    int major, minor;
    std::ptrdiff_t majorStep, minorStep;
};

inline Run between(const PixelCanvas& canvas, int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const std::ptrdiff_t stepX = x1 < x2 ? 1 : -1;
    const std::ptrdiff_t stepY = y1 < y2 ? canvas.stride : -canvas.stride;
    const bool xMajor = dx >= dy;
    return {canvas.row(y1) + x1, xMajor ? dx : dy, xMajor ? dy : dx, xMajor ? stepX : stepY,
            xMajor ? stepY : stepX};
}

}  // namespace pixel_run

// Every pixel from (x1, y1) to (x2, y2), both on the canvas, from the dot
// count `phase`.
inline void PlotPixels(const PixelCanvas& canvas, int x1, int y1, int x2, int y2, const PixelPen& pen,
                       std::uint32_t phase) {
    const pixel_run::Run r = pixel_run::between(canvas, x1, y1, x2, y2);
    const bool inBand = canvas.bandHolds(y1, y2);
    if (pen.dotted) {
        pixel_run::plotRun<true>(canvas, inBand, r.p, r.major, r.minor, r.majorStep, r.minorStep, pen.color,
                                 phase);
    } else {
        pixel_run::plotRun<false>(canvas, inBand, r.p, r.major, r.minor, r.majorStep, r.minorStep, pen.color,
                                  0);
    }
}

// The same for a solid line whose every pixel is in the canvas's band, the
// line a replay draws most.
inline void PlotSolidPixelsInBand(const PixelCanvas& canvas, int x1, int y1, int x2, int y2,
                                  std::uint32_t color) {
    const pixel_run::Run r = pixel_run::between(canvas, x1, y1, x2, y2);
    pixel_run::plotRun<false, true>(r.p, r.major, r.minor, r.majorStep, r.minorStep, color, 0, nullptr,
                                    nullptr);
}

}  // namespace orca
