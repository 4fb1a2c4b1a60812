#include "nc/standard_moves.h"

#include <cmath>

#include "base/guarded.h"
#include "base/message_sink.h"
#include "geometry/angles.h"
#include "geometry/arc_turns.h"
#include "nc/arc_words.h"
#include "nc/line_words.h"

namespace orca {

double ZPosGet(const NcLine& line, const NcModalState& st) {
    if (!line.has('Z')) return st.CurZ;
    const double z = line.word('Z');
    return st.incremental() ? checked(z + st.CurZ) : z;
}

int CycleRepeats(const NcLine& line) {
    const char letter = line.has('L') ? 'L' : 'K';
    if (!line.has(letter)) return 1;
    const double n = line.word(letter);
    if (!(n >= 1)) return 1;
    return n >= kMaxCycleRepeats ? kMaxCycleRepeats : static_cast<int>(std::floor(n));
}

ProjectedArc ProjectedArcGet(const NcLine& line, const NcModalState& st, MessageSink& messages) {
    // The plane's axes in the order its arcs turn in: (Z, X) for G18,
    // (Y, Z) for G19, with the centre offsets of those axes.
    const bool xz = st.Plane == kPlaneXZ;
    const double xe = XPosGet(line, st);
    const double ye = YPosGet(line, st);
    const double ze = ZPosGet(line, st);
    const PlanePoint start = xz ? PlanePoint{st.CurZ, st.CurX} : PlanePoint{st.CurY, st.CurZ};
    const PlanePoint end = xz ? PlanePoint{ze, xe} : PlanePoint{ye, ze};
    const char firstOffset = xz ? 'K' : 'J';
    const char secondOffset = xz ? 'I' : 'K';

    const bool byRadius = line.has('R');
    const double radius = byRadius ? line.word('R') : 0.0;
    std::optional<PlanePoint> centre;
    if (byRadius) {
        centre = ArcCentreByRadius(start, end, radius, ArcTurnOf(st));
    } else {
        const double a = line.has(firstOffset) ? line.word(firstOffset) : 0.0;
        const double b = line.has(secondOffset) ? line.word(secondOffset) : 0.0;
        centre = ArcCentreByOffsets(start, a, b);
    }
    if (!centre) {
        messages.showMessage(kCalcErrorMessage);
        centre = PlanePoint{0, 0};
    }
    const double r = byRadius ? radius : KyoriGet(centre->x, centre->y, end.x, end.y);
    const ArcSweep sweep = ArcSweepOf(start, end, r, *centre, ArcTurnOf(st));

    // The view shows X, the plane's second axis, for G18, and Y, its first
    // axis, for G19; the other view axis moves evenly along the arc.
    const ArcTurnPoints turns =
        ArcTurnPointsOf(sweep, ArcTurnOf(st), xz ? PlaneAxis::Second : PlaneAxis::First);
    ProjectedArc arc;
    for (int k = 0; k < turns.count; ++k) {
        const ArcTurnPoint& t = turns.points[k];
        arc.points[arc.count++] = xz ? PlanePoint{t.along, checked(st.CurY + t.fraction * (ye - st.CurY))}
                                     : PlanePoint{checked(st.CurX + t.fraction * (xe - st.CurX)), t.along};
    }
    arc.points[arc.count++] = {xe, ye};
    arc.endZ = ze;
    return arc;
}

}  // namespace orca
