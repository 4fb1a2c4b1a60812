#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "view/pixel_canvas.h"

namespace orca {

// Draws the arc of centre (cx, cy) and radius r (pixels) from angle `start`
// through `span` radians (0 < span <= a full turn), counter-clockwise as seen
// on the canvas, whose rows grow downwards. Only the part that can reach the
// canvas is stepped, so huge circles after a deep zoom stay cheap.
void DrawArcPx(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen);

// cos and sin of an arc's start angle, kept from one replay of a list to the
// next: every zoom or pan step walks the same arcs from the same angles, and
// working them out is a good part of an arc's set-up. An entry holds for the
// angle it was worked out for, so it is never stale.
struct ArcStart {
    double angle = std::numeric_limits<double>::quiet_NaN();
    double cos = 0.0;
    double sin = 0.0;
};

// DrawArcPx's walk of a solid arc whose every point falls in the canvas's
// band: the points from `next_` on, the radius vector of point `next_` in
// (ux_, uy_), nothing tested.
class SolidArcWalk {
public:
    // The cos and sin of `start` come from `memo` when it holds them, and
    // go into it when not (no memo: nullptr).
    SolidArcWalk(double cx, double cy, double r, double start, double span, ArcStart* memo);

    bool done() const { return next_ > n_; }
    void alone(PixelCanvas canvas, std::uint32_t color);
    // Both walks side by side until one of them ends: neither waits for its
    // own last step, and in one colour the order of the pixels is no matter.
    void besides(SolidArcWalk& other, PixelCanvas canvas, std::uint32_t color);

private:
    // Points up to the next one worked out afresh, or to the end.
    int left() const;
    // Sets the pixel of radius vector (ux, uy) and turns it by one step.
    void plotAndTurn(const PixelCanvas& canvas, std::uint32_t color, double& ux, double& uy) const;
    void advance(int k);

    double cx_, cy_, r_, start_;
    int n_;
    double step_;
    double c_ = 0.0, s_ = 0.0, ux_ = 0.0, uy_ = 0.0;
    int next_ = 0;
};

// DrawArcPx for a run of arcs, one after the other, with the very pixels,
// in less time: solid arcs in one colour are walked two at a time. What is
// left is drawn by finish(), and before an arc of another colour. Each arc
// may bring the memo of its start angle (none: nullptr).
class ArcPairs {
public:
    explicit ArcPairs(const PixelCanvas& canvas) : canvas_(canvas) {}

    void draw(double cx, double cy, double r, double start, double span, PixelPen& pen, ArcStart* memo);
    void finish();

private:
    PixelCanvas canvas_;
    std::array<std::optional<SolidArcWalk>, 2> walks_;
    int waiting_ = -1;  // the walk of walks_ not yet at its end, or none
    std::uint32_t color_ = 0;
};

}  // namespace orca
