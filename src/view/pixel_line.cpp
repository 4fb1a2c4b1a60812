#include "view/pixel_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "view/pixel_run.h"

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

}  // namespace

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
    if (firstInside && secondInside) return DrawLineInsidePx(canvas, x1, y1, x2, y2, pen);

    const double steps =
        std::max(std::fabs(std::floor(x2) - std::floor(x1)), std::fabs(std::floor(y2) - std::floor(y1)));
    const std::uint32_t phase = pen.phase;
    if (pen.dotted) pen.phase = advancePhase(phase, steps);
    if ((x1 < 0.0 && x2 < 0.0) || (x1 >= w && x2 >= w) || (y1 < 0.0 && y2 < 0.0) || (y1 >= h && y2 >= h)) {
        return;
    }
    double t0 = 0.0;
    if (!clipToBox(w, h, x1, y1, x2, y2, t0)) return;
    PlotPixels(canvas, pixelIndex(x1, canvas.width), pixelIndex(y1, canvas.height),
               pixelIndex(x2, canvas.width), pixelIndex(y2, canvas.height), pen,
               advancePhase(phase, std::round(t0 * steps)));
}

void DrawLineInsidePx(const PixelCanvas& canvas, double x1, double y1, double x2, double y2, PixelPen& pen) {
    const int ix1 = static_cast<int>(x1);
    const int iy1 = static_cast<int>(y1);
    const int ix2 = static_cast<int>(x2);
    const int iy2 = static_cast<int>(y2);
    const std::uint32_t phase = pen.phase;
    if (pen.dotted) {
        const auto steps = static_cast<std::uint32_t>(std::max(std::abs(ix2 - ix1), std::abs(iy2 - iy1)));
        pen.phase = (phase + steps % PixelPen::kDotPeriod) % PixelPen::kDotPeriod;
    }
    PlotPixels(canvas, ix1, iy1, ix2, iy2, pen, phase);
}

}  // namespace orca
