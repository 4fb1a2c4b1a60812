#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "base/guarded.h"
#include "view/surface.h"

namespace orca {

// A surface coordinate as the surface takes it (single precision); a value
// single precision cannot hold is an arithmetic fault, never an infinity.
inline float toSurface(double v) {
    if (!(std::fabs(v) <= FLT_MAX)) throw ArithmeticFault{};
    return static_cast<float>(v);
}

// ScaleHeight converted to the nearest 32-bit integer, halves to even.
inline std::int32_t roundedHeight(const Surface& surface) {
    const double h = std::nearbyint(static_cast<double>(surface.window().ScaleHeight));
    if (!(h >= INT32_MIN && h <= INT32_MAX)) throw ArithmeticFault{};
    return static_cast<std::int32_t>(h);
}

// Draws a line in the given style, restoring the surface's style afterwards.
inline void drawStyledLine(Surface& s, float x1, float y1, float x2, float y2, int color,
                           std::int16_t style) {
    const std::int16_t saved = s.DrawStyle();
    s.setDrawStyle(style);
    s.Line(x1, y1, x2, y2, color);
    s.setDrawStyle(saved);
}

}  // namespace orca
