#pragma once

#include "geometry/arc_extremes.h"

namespace orca {

// One axis of an arc's plane: the first (x of the sweep) or the second (y).
enum class PlaneAxis { First, Second };

// A point where an arc turns back along one axis: its coordinate on that
// axis, and how much of the sweep the tool has done there (0 to 1).
struct ArcTurnPoint {
    double along;
    double fraction;
};

// The points strictly inside the arc where it turns back along `axis`, in
// the order the tool meets them going `turn` from its start. An arc whose
// start and end coincide is a full circle.
struct ArcTurnPoints {
    ArcTurnPoint points[2];
    int count = 0;
};
ArcTurnPoints ArcTurnPointsOf(const ArcSweep& sweep, ArcTurn turn, PlaneAxis axis);

}  // namespace orca
