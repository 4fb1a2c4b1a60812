#pragma once

#include <algorithm>
#include <cmath>

#include "view/surface.h"

namespace orca {

// Surface units <-> pixels of a drawing area Wpx x Hpx showing `window`.
// Pixel (i, j) covers [i, i + 1) x [j, j + 1) and the window's edges fall on
// the centres of the first and last pixel column and row, so a move along
// the fitted box's edge is on the picture. The picture, its overlay, the
// mouse and the hit test all map through this one rule.
struct WindowPixels {
    double left = 0.0, top = 0.0, sx = 0.0, sy = 0.0;
    bool usable = false;  // a window that is not positive and finite shows nothing

    static WindowPixels Of(const ScaleWindow& w, int widthPx, int heightPx) {
        WindowPixels m;
        m.left = w.ScaleLeft;
        m.top = w.ScaleTop;
        m.sx = std::max(widthPx - 1, 1) / static_cast<double>(w.ScaleWidth);
        m.sy = std::max(heightPx - 1, 1) / static_cast<double>(w.ScaleHeight);
        m.usable = std::isfinite(m.left) && std::isfinite(m.top) && std::isfinite(m.sx) &&
                   std::isfinite(m.sy) && m.sx > 0.0 && m.sy > 0.0;
        return m;
    }

    // Surface units to pixel coordinates (a pixel's centre is at i + 0.5).
    double u(double x) const { return (x - left) * sx + 0.5; }
    double v(double y) const { return (y - top) * sy + 0.5; }
    // Pixel coordinates back to surface units.
    double x(double u) const { return (u - 0.5) / sx + left; }
    double y(double v) const { return (v - 0.5) / sy + top; }
};

}  // namespace orca
