#include "view/pixel_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orca {
namespace {

// Coordinates beyond this are pulled in: still far outside any canvas, yet
// small enough that clipping keeps sub-pixel accuracy.
constexpr double kFar = 1e15;

double pullIn(double v) { return std::clamp(v, -kFar, kFar); }

std::uint32_t advancePhase(std::uint32_t phase, double steps) {
    const double period = PixelPen::kDotPeriod;
    return static_cast<std::uint32_t>(std::fmod(phase + std::fmod(steps, period), period));
}

// Liang-Barsky: cuts the segment to the box [0, w] x [0, h]; `t0` is the
// parameter of the new start. False when nothing of it lies in the box.
bool clipToBox(double w, double h, double& x1, double& y1, double& x2, double& y2, double& t0) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t1 = 1.0;
    t0 = 0.0;
    const auto edge = [&](double p, double q) {  // keeps the part where p * t <= q
        if (p == 0.0) return q >= 0.0;
        const double r = q / p;
        if (p < 0.0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, x1) || !edge(dx, w - x1) || !edge(-dy, y1) || !edge(dy, h - y1)) return false;
    const double sx = x1;
    const double sy = y1;
    if (t1 < 1.0) {
        x2 = sx + t1 * dx;
        y2 = sy + t1 * dy;
    }
    if (t0 > 0.0) {
        x1 = sx + t0 * dx;
        y1 = sy + t0 * dy;
    }
    return true;
}

int pixelIndex(double v, int size) { return std::clamp(static_cast<int>(std::floor(v)), 0, size - 1); }

// Bresenham along the major axis; the minor step is taken without a branch.
// A run that leaves the canvas's band writes only the pixels in [lo, hi).
template <bool Dotted, bool InBand>
void plotRun(std::uint32_t* p, int major, int minor, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep,
             std::uint32_t color, std::uint32_t phase, const std::uint32_t* lo, const std::uint32_t* hi) {
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
void plotDots(std::uint32_t* p, int major, int minor, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep,
              std::uint32_t color, std::uint32_t phase, const std::uint32_t* lo, const std::uint32_t* hi) {
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
void plotRun(const PixelCanvas& canvas, bool inBand, std::uint32_t* p, int major, int minor,
             std::ptrdiff_t majorStep, std::ptrdiff_t minorStep, std::uint32_t color, std::uint32_t phase) {
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

// Every pixel from (x1, y1) to (x2, y2), both on the canvas.
void plotPixels(const PixelCanvas& canvas, int x1, int y1, int x2, int y2, const PixelPen& pen,
                std::uint32_t phase) {
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const std::ptrdiff_t stepX = x1 < x2 ? 1 : -1;
    const std::ptrdiff_t stepY = y1 < y2 ? canvas.stride : -canvas.stride;
    std::uint32_t* p = canvas.row(y1) + x1;
    const bool xMajor = dx >= dy;
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    const std::ptrdiff_t majorStep = xMajor ? stepX : stepY;
    const std::ptrdiff_t minorStep = xMajor ? stepY : stepX;
    const bool inBand = canvas.bandHolds(y1, y2);
    if (pen.dotted) {
        plotRun<true>(canvas, inBand, p, major, minor, majorStep, minorStep, pen.color, phase);
    } else {
        plotRun<false>(canvas, inBand, p, major, minor, majorStep, minorStep, pen.color, 0);
    }
}

// Both ends on the canvas: no clipping, and the dot count stays whole.
void insideLine(const PixelCanvas& canvas, double x1, double y1, double x2, double y2, PixelPen& pen) {
    const int ix1 = static_cast<int>(x1);
    const int iy1 = static_cast<int>(y1);
    const int ix2 = static_cast<int>(x2);
    const int iy2 = static_cast<int>(y2);
    const std::uint32_t phase = pen.phase;
    if (pen.dotted) {
        const auto steps = static_cast<std::uint32_t>(std::max(std::abs(ix2 - ix1), std::abs(iy2 - iy1)));
        pen.phase = (phase + steps % PixelPen::kDotPeriod) % PixelPen::kDotPeriod;
    }
    plotPixels(canvas, ix1, iy1, ix2, iy2, pen, phase);
}

}  // namespace

void DrawLineInsidePx(const PixelCanvas& canvas, double x1, double y1, double x2, double y2, PixelPen& pen) {
    insideLine(canvas, x1, y1, x2, y2, pen);
}

void DrawLinePx(const PixelCanvas& canvas, double x1, double y1, double x2, double y2, PixelPen& pen) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
    x1 = pullIn(x1);
    y1 = pullIn(y1);
    x2 = pullIn(x2);
    y2 = pullIn(y2);
    const double w = canvas.width;
    const double h = canvas.height;
    const bool firstInside = x1 >= 0.0 && x1 < w && y1 >= 0.0 && y1 < h;
    const bool secondInside = x2 >= 0.0 && x2 < w && y2 >= 0.0 && y2 < h;
    if (firstInside && secondInside) return insideLine(canvas, x1, y1, x2, y2, pen);

    const double steps =
        std::max(std::fabs(std::floor(x2) - std::floor(x1)), std::fabs(std::floor(y2) - std::floor(y1)));
    const std::uint32_t phase = pen.phase;
    if (pen.dotted) pen.phase = advancePhase(phase, steps);
    if ((x1 < 0.0 && x2 < 0.0) || (x1 >= w && x2 >= w) || (y1 < 0.0 && y2 < 0.0) || (y1 >= h && y2 >= h)) {
        return;
    }
    double t0 = 0.0;
    if (!clipToBox(w, h, x1, y1, x2, y2, t0)) return;
    plotPixels(canvas, pixelIndex(x1, canvas.width), pixelIndex(y1, canvas.height),
               pixelIndex(x2, canvas.width), pixelIndex(y2, canvas.height), pen,
               advancePhase(phase, std::round(t0 * steps)));
}

}  // namespace orca
