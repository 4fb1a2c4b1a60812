#include "view/pixel_arc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

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
    // Multiplied by the reciprocals, not divided: a division takes many
    // times as long, and the series stays as close.
    c = 1.0 - a2 * 0.5 * (1.0 - a2 * (1.0 / 12) * (1.0 - a2 * (1.0 / 30) * (1.0 - a2 * (1.0 / 56))));
    s = a *
        (1.0 - a2 * (1.0 / 6) * (1.0 - a2 * (1.0 / 20) * (1.0 - a2 * (1.0 / 42) * (1.0 - a2 * (1.0 / 72)))));
}

// cos a and sin a. One call gives both with the very values of the two
// functions, in about the time of one of them.
ArcStart startAt(double a) {
    ArcStart start{a};
    ::sincos(a, &start.sin, &start.cos);
    return start;
}

// (r cos a, r sin a).
void radiusVector(double r, double a, double& ux, double& uy) {
    const ArcStart start = startAt(a);
    ux = r * start.cos;
    uy = r * start.sin;
}

// How far the points of a ring of radius r may stray from its centre: the
// rotation's rounding stays far below this between two exact points.
double reachOf(double r) { return r * (1.0 + 1e-9) + 1e-9; }

int stepsOf(double span, double r) {
    return static_cast<int>(std::min(kMaxSteps, std::max(1.0, std::ceil(span * r))));
}

// Walks the arc in steps of at most one pixel, so consecutive points fall on
// the same or neighbouring pixels and the ring has no gaps. The radius vector
// is turned by a fixed rotation instead of evaluating sine and cosine, and
// worked out afresh every kExactEvery steps. `Inside`: every point is known
// to fall in the canvas's band, and none is tested.
template <bool Dotted, bool Inside>
void drawPiece(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen) {
    const int n = stepsOf(span, r);
    const double step = span / n;
    double c;
    double s;
    rotationOf(step, c, s);
    const double w = canvas.width;
    // Dots are counted over the whole canvas, laid only in the band.
    const double top = Dotted ? 0.0 : canvas.firstRow();
    const double bottom = Dotted ? canvas.height : canvas.endRow();
    const std::uint32_t* const lo = canvas.row(canvas.firstRow());
    const std::uint32_t* const hi = canvas.row(canvas.endRow());
    const std::uint32_t color = pen.color;
    double ux;
    double uy;
    radiusVector(r, start, ux, uy);
    std::uint32_t* last = nullptr;
    std::uint32_t phase = pen.phase;
    for (int first = 0;; first += kExactEvery) {
        const int upTo = std::min(n, first + kExactEvery - 1);
        for (int i = first; i <= upTo; ++i) {
            const double x = cx + ux;
            const double y = cy - uy;
            if (Inside || (x >= 0.0 && x < w && y >= top && y < bottom)) {
                std::uint32_t* p = canvas.row(static_cast<int>(y)) + static_cast<int>(x);
                if constexpr (Dotted) {
                    if (p != last) {
                        if (phase < PixelPen::kDotOn && (Inside || (p >= lo && p < hi))) *p = color;
                        phase = phase + 1 == PixelPen::kDotPeriod ? 0 : phase + 1;
                        last = p;
                    }
                } else {
                    *p = color;
                }
            }
            const double rx = ux * c - uy * s;
            uy = ux * s + uy * c;
            ux = rx;
        }
        if (upTo == n) break;
        radiusVector(r, start + step * (upTo + 1), ux, uy);
    }
    pen.phase = phase;
}

bool insideBand(const PixelCanvas& canvas, double cx, double cy, double r) {
    const double reach = reachOf(r);
    return cx - reach >= 0.0 && cx + reach < canvas.width && cy - reach >= canvas.firstRow() &&
           cy + reach < canvas.endRow();
}

template <bool Dotted>
void drawPiece(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen) {
    const bool inside = insideBand(canvas, cx, cy, r);
    if (inside && !Dotted) {
        SolidArcWalk walk(cx, cy, r, start, span, nullptr);
        walk.alone(canvas, pen.color);
    } else if (inside) {
        drawPiece<Dotted, true>(canvas, cx, cy, r, start, span, pen);
    } else {
        drawPiece<Dotted, false>(canvas, cx, cy, r, start, span, pen);
    }
}

void drawPiece(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen) {
    if (pen.dotted) {
        drawPiece<true>(canvas, cx, cy, r, start, span, pen);
    } else {
        drawPiece<false>(canvas, cx, cy, r, start, span, pen);
    }
}

bool withinOnePixel(double cx, double cy, double r) {
    const double reach = reachOf(r);
    // A ring a pixel wide or more spans two pixels whatever its centre: most
    // rings are, and do without the floors.
    return reach < 0.5 && std::floor(cx - reach) == std::floor(cx + reach) &&
           std::floor(cy - reach) == std::floor(cy + reach);
}

// A ring inside one pixel of the canvas: every point of it falls there, so
// the first one decides, without any stepping.
bool dotInOnePixel(const PixelCanvas& canvas, double cx, double cy, double r, PixelPen& pen) {
    const double x = std::floor(cx);
    const double y = std::floor(cy);
    if (!withinOnePixel(cx, cy, r) || x < 0.0 || x >= canvas.width || y < 0.0 || y >= canvas.height) {
        return false;
    }
    const bool lay = !pen.dotted || pen.phase < PixelPen::kDotOn;
    if (lay && y >= canvas.firstRow() && y < canvas.endRow()) {
        canvas.row(static_cast<int>(y))[static_cast<int>(x)] = pen.color;
    }
    if (pen.dotted) pen.phase = pen.phase + 1 == PixelPen::kDotPeriod ? 0 : pen.phase + 1;
    return true;
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
    if (dotInOnePixel(canvas, cx, cy, r, pen)) return;
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

SolidArcWalk::SolidArcWalk(double cx, double cy, double r, double start, double span, ArcStart* memo)
    : cx_(cx), cy_(cy), r_(r), start_(start), n_(stepsOf(span, r)), step_(span / n_) {
    rotationOf(step_, c_, s_);
    if (memo == nullptr) {
        radiusVector(r_, start_, ux_, uy_);
        return;
    }
    if (memo->angle != start) *memo = startAt(start);
    // Read where it is: a copy of the entry would be read back across the
    // stores that made it, which the processor cannot forward.
    ux_ = r_ * memo->cos;
    uy_ = r_ * memo->sin;
}

// The canvas is taken by value: a pixel written cannot then be its stride.
// The radius vectors are stepped in locals for the same reason: kept in the
// walks, every step would store them and load them back after the pixel.
void SolidArcWalk::alone(const PixelCanvas canvas, std::uint32_t color) {
    while (!done()) {
        const int k = left();
        double ux = ux_;
        double uy = uy_;
        for (int j = 0; j < k; ++j) plotAndTurn(canvas, color, ux, uy);
        ux_ = ux;
        uy_ = uy;
        advance(k);
    }
}

void SolidArcWalk::besides(SolidArcWalk& o, const PixelCanvas canvas, std::uint32_t color) {
    while (!done() && !o.done()) {
        const int k = std::min(left(), o.left());
        double ux = ux_;
        double uy = uy_;
        double oux = o.ux_;
        double ouy = o.uy_;
        for (int j = 0; j < k; ++j) {
            plotAndTurn(canvas, color, ux, uy);
            o.plotAndTurn(canvas, color, oux, ouy);
        }
        ux_ = ux;
        uy_ = uy;
        o.ux_ = oux;
        o.uy_ = ouy;
        advance(k);
        o.advance(k);
    }
}

int SolidArcWalk::left() const {
    return std::min(n_, next_ / kExactEvery * kExactEvery + kExactEvery - 1) - next_ + 1;
}

void SolidArcWalk::plotAndTurn(const PixelCanvas& canvas, std::uint32_t color, double& ux, double& uy) const {
    // Converted straight to the width of an address: the point is on the
    // canvas, so the pixel is the same, without widening an int.
    const auto row = static_cast<std::ptrdiff_t>(cy_ - uy);
    const auto column = static_cast<std::ptrdiff_t>(cx_ + ux);
    canvas.bits[row * canvas.stride + column] = color;
    const double rx = ux * c_ - uy * s_;
    uy = ux * s_ + uy * c_;
    ux = rx;
}

void SolidArcWalk::advance(int k) {
    next_ += k;
    if (!done() && next_ % kExactEvery == 0) radiusVector(r_, start_ + step_ * next_, ux_, uy_);
}

void ArcPairs::draw(double cx, double cy, double r, double start, double span, PixelPen& pen,
                    ArcStart* memo) {
    r = std::fabs(r);
    const bool pairs = !pen.dotted && std::isfinite(start) && std::isfinite(span) && std::isfinite(r) &&
                       insideBand(canvas_, cx, cy, r) && !withinOnePixel(cx, cy, r);
    if (waiting_ >= 0 && color_ != pen.color) finish();
    if (!pairs) {
        DrawArcPx(canvas_, cx, cy, r, start, span, pen);
        return;
    }
    // Each walk is made where it stays, in the free one of two places: a
    // copy would read the walk back just after it was written.
    if (waiting_ < 0) {
        walks_[0].emplace(cx, cy, r, start, span, memo);
        waiting_ = 0;
        color_ = pen.color;
        return;
    }
    const int other = 1 - waiting_;
    SolidArcWalk& walk = walks_[other].emplace(cx, cy, r, start, span, memo);
    walks_[waiting_]->besides(walk, canvas_, pen.color);
    if (walks_[waiting_]->done()) waiting_ = other;
}

void ArcPairs::finish() {
    if (waiting_ < 0) return;
    walks_[waiting_]->alone(canvas_, color_);
    waiting_ = -1;
}

}  // namespace orca
