#include "view/pixel_arc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace orca {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;
// A piece is never stepped more often than this (only reached by arcs far
// larger than anything that can reach the canvas).
constexpr double kMaxSteps = 1 << 22;
// Every kExactEvery steps the point is computed afresh so that the
// rotation's rounding cannot build up.
constexpr int kExactEvery = 64;

// Screen angle of (x, y) seen from (cx, cy): counter-clockwise, rows down.
double screenAngle(double cx, double cy, double x, double y) { return std::atan2(cy - y, x - cx); }

// cos and sin of a step angle; steps below kSeriesLimit (every radius of
// more than four pixels) by their series, within 1e-12.
constexpr double kSeriesLimit = 0.25;

void rotationOf(double a, double& c, double& s) {
    if (a >= kSeriesLimit) {
        c = std::cos(a);
        s = std::sin(a);
        return;
    }
    const double a2 = a * a;
    c = 1.0 - a2 / 2.0 * (1.0 - a2 / 12.0 * (1.0 - a2 / 30.0 * (1.0 - a2 / 56.0)));
    s = a * (1.0 - a2 / 6.0 * (1.0 - a2 / 20.0 * (1.0 - a2 / 42.0 * (1.0 - a2 / 72.0))));
}

// Walks the arc in steps of at most one pixel, so consecutive points fall on
// the same or neighbouring pixels and the ring has no gaps. The radius vector
// is turned by a fixed rotation instead of evaluating sine and cosine.
template <bool Dotted>
void drawPiece(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen) {
    const int n = static_cast<int>(std::min(kMaxSteps, std::max(1.0, std::ceil(span * r))));
    const double step = span / n;
    double c;
    double s;
    rotationOf(step, c, s);
    const double w = canvas.width;
    const double h = canvas.height;
    double ux = r * std::cos(start);
    double uy = r * std::sin(start);
    std::uint32_t* last = nullptr;
    std::uint32_t phase = pen.phase;
    for (int i = 0;; ++i) {
        const double x = cx + ux;
        const double y = cy - uy;
        if (x >= 0.0 && x < w && y >= 0.0 && y < h) {
            std::uint32_t* p =
                canvas.bits + static_cast<std::ptrdiff_t>(y) * canvas.stride + static_cast<int>(x);
            if constexpr (Dotted) {
                if (p != last) {
                    if (phase < PixelPen::kDotOn) *p = pen.color;
                    phase = phase + 1 == PixelPen::kDotPeriod ? 0 : phase + 1;
                    last = p;
                }
            } else {
                *p = pen.color;
            }
        }
        if (i == n) break;
        if ((i + 1) % kExactEvery == 0) {
            const double a = start + step * (i + 1);
            ux = r * std::cos(a);
            uy = r * std::sin(a);
        } else {
            const double rx = ux * c - uy * s;
            uy = ux * s + uy * c;
            ux = rx;
        }
    }
    pen.phase = phase;
}

void drawPiece(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen) {
    if (pen.dotted) {
        drawPiece<true>(canvas, cx, cy, r, start, span, pen);
    } else {
        drawPiece<false>(canvas, cx, cy, r, start, span, pen);
    }
}

}  // namespace

void DrawArcPx(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen) {
    r = std::fabs(r);
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || !std::isfinite(start) ||
        !std::isfinite(span)) {
        return;
    }
    const double w = canvas.width;
    const double h = canvas.height;
    // The ring must pass between the canvas's nearest and farthest points.
    const double nearX = cx - std::clamp(cx, 0.0, w);
    const double nearY = cy - std::clamp(cy, 0.0, h);
    const double farX = std::max(std::fabs(cx), std::fabs(cx - w));
    const double farY = std::max(std::fabs(cy), std::fabs(cy - h));
    const double outer = r + 1.0;
    const double inner = std::max(0.0, r - 1.0);
    if (nearX * nearX + nearY * nearY > outer * outer || farX * farX + farY * farY < inner * inner) return;
    if (cx >= -1.0 && cx <= w + 1.0 && cy >= -1.0 && cy <= h + 1.0) {
        drawPiece(canvas, cx, cy, r, start, span, pen);
        return;
    }
    // Centre well outside: the canvas is seen within less than half a turn,
    // around the direction of its middle; step only through that window.
    const double mid = screenAngle(cx, cy, w / 2.0, h / 2.0);
    const std::array<double, 4> cornerX{0.0, w, 0.0, w};
    const std::array<double, 4> cornerY{0.0, 0.0, h, h};
    double lo = 0.0;
    double hi = 0.0;
    for (std::size_t i = 0; i < cornerX.size(); ++i) {
        const double rel = std::remainder(screenAngle(cx, cy, cornerX[i], cornerY[i]) - mid, kTurn);
        lo = std::min(lo, rel);
        hi = std::max(hi, rel);
    }
    const double margin = std::min(0.1, 2.0 / r);
    const double end = start + span;
    for (int k = -1; k <= 2; ++k) {
        const double from = std::max(start, mid + lo - margin + k * kTurn);
        const double to = std::min(end, mid + hi + margin + k * kTurn);
        if (to > from) drawPiece(canvas, cx, cy, r, from, to - from, pen);
    }
}

}  // namespace orca
