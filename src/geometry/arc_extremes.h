#pragma once

namespace orca {

class NcLine;
class MessageSink;
struct NcModalState;

// 1 when angle `a` lies outside the counter-clockwise sweep from `as` to
// `ae` (degrees, bounds inclusive), 0 when inside.
int KakudoHaniChk_Sub(double as, double ae, double a);

// The arc of one line as the extreme-point routines see it: start, end,
// radius magnitude, centre (0, 0 when it could not be computed) and the
// counter-clockwise sweep (As, Ae) in degrees.
struct ArcSweep {
    double xs, ys, xe, ye, r, xc, yc, as, ae;
    bool centreFailed;
};

// Computes the sweep once for both extreme-point routines. A failed centre
// shows the calculation-error message here; each routine that runs on a
// failed centre shows it again, as computing the centre itself would.
ArcSweep ArcSweepGet(const NcLine& line, const NcModalState& st, MessageSink& messages);

// Largest X and Y, and smallest X and Y, that the arc reaches.
void G02G03BigXYGet_Sub(const ArcSweep& sweep, double& x, double& y);
void G02G03SmallXYGet_Sub(const ArcSweep& sweep, double& x, double& y);

}  // namespace orca
