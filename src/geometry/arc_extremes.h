#pragma once

#include "geometry/arc_centre.h"

namespace orca {

// 1 when angle `a` lies outside the counter-clockwise sweep from `as` to
// `ae` (degrees, bounds inclusive), 0 when inside.
int KakudoHaniChk_Sub(double as, double ae, double a);

// An arc as the extreme-point routines see it: start, end, radius
// magnitude, centre and the counter-clockwise sweep (as, ae) in degrees.
struct ArcSweep {
    double xs, ys, xe, ye, r, xc, yc, as, ae;
};

// The sweep of the arc from `start` to `end` about `centre` turning `turn`;
// `r` is taken as its magnitude. Raises ArithmeticFault as the angles do.
ArcSweep ArcSweepOf(PlanePoint start, PlanePoint end, double r, PlanePoint centre, ArcTurn turn);

// Largest X and Y, and smallest X and Y, that the arc reaches.
void G02G03BigXYGet_Sub(const ArcSweep& sweep, double& x, double& y);
void G02G03SmallXYGet_Sub(const ArcSweep& sweep, double& x, double& y);

}  // namespace orca
