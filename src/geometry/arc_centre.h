#pragma once

#include <cmath>
#include <optional>

namespace orca {

struct PlanePoint {
    double x;
    double y;
};

// Which way a circular move turns: G02 clockwise, G03 counter-clockwise.
enum class ArcTurn { Clockwise, CounterClockwise };

// Centre of the circular move from `start` to `end` with radius `r` (either
// sign; a negative one takes the other centre). Nothing when the arithmetic
// fails: the caller decides how to report it.
[[nodiscard]] std::optional<PlanePoint> ArcCentreByRadius(PlanePoint start, PlanePoint end, double r,
                                                          ArcTurn turn);

// Centre at the offsets (i, j) from the start; nothing when it overflows.
// Inline: most arcs programs hold are given this way.
[[nodiscard]] inline std::optional<PlanePoint> ArcCentreByOffsets(PlanePoint start, double i, double j) {
    const double x = start.x + i;
    const double y = start.y + j;
    if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    return PlanePoint{x, y};
}

}  // namespace orca
