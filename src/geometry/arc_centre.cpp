#include "geometry/arc_centre.h"

#include <cmath>

#include "geometry/angles.h"
#include "geometry/guarded.h"
#include "nc/line_words.h"
#include "nc/message_sink.h"

namespace orca {
namespace {

// How far |half chord / R| may be from 1, relatively, for a half circle.
constexpr double kHalfCircleTolerance = 1e-12;

void computeCentre(const NcLine& line, const NcModalState& st, double& xc, double& yc) {
    const double xs = st.CurX;
    const double ys = st.CurY;
    const double xe = XPosGet(line, st);
    const double ye = YPosGet(line, st);

    if (!line.has('R')) {
        const double i = line.has('I') ? line.word('I') : 0.0;
        const double j = line.has('J') ? line.word('J') : 0.0;
        xc = checked(xs + i);
        yc = checked(ys + j);
        return;
    }

    const double r = line.word('R');
    const double theta = KakudoGet(xs, ys, xe, ye);
    const double h = KyoriGet(xs, ys, xe, ye) / 2;
    const PolarDirection chord = PolarDirectionGet(theta);
    const double xm = PolarXGet(chord, h, xs);
    const double ym = PolarYGet(chord, h, ys);
    const double s = guardedDiv(h, r);
    // A half circle (the chord is the diameter) has its centre on the chord:
    // the formula below would divide by zero there.
    double d = 0;
    if (std::fabs(std::fabs(s) - 1) > kHalfCircleTolerance) {
        const double w = guardedSqrt(checked(s * (-1) * s + 1));
        const double degrees = RadToDeg(std::atan(guardedDiv(s, w)));
        d = checked(std::cos(degrees * kCirclePi / 180) * r);
    }
    double phi = theta + (st.MotionMode == 2 ? 270 : 90);
    if (phi > 360) phi -= 360;
    const PolarDirection toCentre = PolarDirectionGet(phi);
    const double cx = PolarXGet(toCentre, d, xm);
    const double cy = PolarYGet(toCentre, d, ym);
    xc = cx;
    yc = cy;
}

}  // namespace

bool G02G03XcYcGet_Sub(const NcLine& line, const NcModalState& st, MessageSink& messages, double& xc,
                       double& yc) {
    try {
        double cx = xc;
        double cy = yc;
        computeCentre(line, st, cx, cy);
        xc = cx;
        yc = cy;
        return true;
    } catch (const ArithmeticFault&) {
        messages.showMessage(kCalcErrorMessage);
        return false;
    }
}

}  // namespace orca
