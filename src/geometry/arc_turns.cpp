#include "geometry/arc_turns.h"

#include <utility>

namespace orca {
namespace {

// Directions closer than this (degrees) to an end of the sweep are that end:
// the program's circle constant leaves that much noise in an angle.
constexpr double kEndTolerance = 1e-6;

}  // namespace

ArcTurnPoints ArcTurnPointsOf(const ArcSweep& s, ArcTurn turn, PlaneAxis axis) {
    // The sweep's angles come from KakudoGet, 0 up to below 360.
    double total = s.ae - s.as;
    if (total <= 0) total += 360;
    const bool first = axis == PlaneAxis::First;
    const double directions[2] = {first ? 0.0 : 90.0, first ? 180.0 : 270.0};
    const double centre = first ? s.xc : s.yc;
    ArcTurnPoints result;
    if (s.r == 0) return result;
    for (int k = 0; k < 2; ++k) {
        double offset = directions[k] - s.as;
        if (offset < 0) offset += 360;
        if (offset <= kEndTolerance || offset >= total - kEndTolerance) continue;
        // A clockwise arc starts at the sweep's end and runs back to its start.
        const double done = turn == ArcTurn::CounterClockwise ? offset / total : (total - offset) / total;
        result.points[result.count++] = {k == 0 ? centre + s.r : centre - s.r, done};
    }
    if (result.count == 2 && result.points[0].fraction > result.points[1].fraction) {
        std::swap(result.points[0], result.points[1]);
    }
    return result;
}

}  // namespace orca
