#pragma once

#include "geometry/arc_centre.h"

namespace orca {

class MessageSink;
class NcLine;
struct NcModalState;

// What only the standard reading draws: Z (for arcs outside the XY plane),
// repeated cycles and those arcs' projections on the XY view.

// Where Z ends after the line: its Z word (plus CurZ in incremental mode), or CurZ.
double ZPosGet(const NcLine& line, const NcModalState& st);

// How many times a cycle line drills: its L word, else its K word, when
// that is 1 or more (whole times, at most kMaxCycleRepeats); otherwise once.
inline constexpr int kMaxCycleRepeats = 9999;
int CycleRepeats(const NcLine& line);

// An arc in the XZ or YZ plane as the XY view shows it: straight segments
// from the start through the points where it turns back along the view's
// axis to its end. A centre that cannot be computed has shown the
// calculation-error message and is the origin of the plane.
struct ProjectedArc {
    PlanePoint points[3];  // the turning points, then the end
    int count = 0;
    double endZ = 0;
};
ProjectedArc ProjectedArcGet(const NcLine& line, const NcModalState& st, MessageSink& messages);

}  // namespace orca
