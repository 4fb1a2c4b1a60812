#include "geometry/arc_extremes.h"

#include <cmath>

#include "geometry/angles.h"

namespace orca {
namespace {

// Below 0: add turns until it is not; above 360: subtract turns until it is
// not (so 720 comes down to 360, not 0). Both steps are exact, so fmod gives
// the same result without looping on huge values.
double normalise(double a) {
    if (a < 0) {
        a = std::fmod(a, 360.0);
        if (a < 0) a += 360;
    } else if (a > 360) {
        a = std::fmod(a, 360.0);
        if (a == 0) a = 360;
    }
    return a;
}

bool inside(const ArcSweep& s, double direction) { return KakudoHaniChk_Sub(s.as, s.ae, direction) == 0; }

// The four axis directions are the same for every arc; their cosines and
// sines are worked out once.
const PolarDirection kEast = PolarDirectionGet(0);
const PolarDirection kNorth = PolarDirectionGet(90);
const PolarDirection kWest = PolarDirectionGet(180);
const PolarDirection kSouth = PolarDirectionGet(270);

}  // namespace

ArcSweep ArcSweepOf(PlanePoint start, PlanePoint end, double r, PlanePoint centre, ArcTurn turn) {
    ArcSweep s{};
    s.xs = start.x;
    s.ys = start.y;
    s.xe = end.x;
    s.ye = end.y;
    s.r = std::fabs(r);
    s.xc = centre.x;
    s.yc = centre.y;
    const double aStart = KakudoGet(s.xc, s.yc, s.xs, s.ys);
    const double aEnd = KakudoGet(s.xc, s.yc, s.xe, s.ye);
    const bool clockwise = turn == ArcTurn::Clockwise;
    s.as = clockwise ? aEnd : aStart;
    s.ae = clockwise ? aStart : aEnd;
    return s;
}

int KakudoHaniChk_Sub(double as, double ae, double a) {
    as = normalise(as);
    ae = normalise(ae);
    a = normalise(a);
    const bool in = as < ae ? (as <= a && a <= ae) : ((as <= a && a <= 360) || (0 <= a && a <= ae));
    return in ? 0 : 1;
}

void G02G03BigXYGet_Sub(const ArcSweep& s, double& x, double& y) {
    x = inside(s, 0) ? PolarXGet(kEast, s.r, s.xc) : (s.xs > s.xe ? s.xs : s.xe);
    y = inside(s, 90) ? PolarYGet(kNorth, s.r, s.yc) : (s.ys > s.ye ? s.ys : s.ye);
}

void G02G03SmallXYGet_Sub(const ArcSweep& s, double& x, double& y) {
    x = inside(s, 180) ? PolarXGet(kWest, s.r, s.xc) : (s.xs < s.xe ? s.xs : s.xe);
    y = inside(s, 270) ? PolarYGet(kSouth, s.r, s.yc) : (s.ys < s.ye ? s.ys : s.ye);
}

}  // namespace orca
