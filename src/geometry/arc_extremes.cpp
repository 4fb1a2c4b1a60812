#include "geometry/arc_extremes.h"

#include <cmath>

#include "geometry/angles.h"
#include "geometry/arc_centre.h"
#include "nc/line_words.h"

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

ArcSweep ArcSweepGet(const NcLine& line, const NcModalState& st, MessageSink& messages) {
    ArcSweep s{};
    s.xs = st.CurX;
    s.ys = st.CurY;
    s.xe = XPosGet(line, st);
    s.ye = YPosGet(line, st);
    s.r = std::fabs(RadiusGet(line, st));
    s.xc = 0;
    s.yc = 0;
    s.centreFailed = !G02G03XcYcGet_Sub(line, st, messages, s.xc, s.yc);
    const double aStart = KakudoGet(s.xc, s.yc, s.xs, s.ys);
    const double aEnd = KakudoGet(s.xc, s.yc, s.xe, s.ye);
    const bool clockwise = st.MotionMode == 2;
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
