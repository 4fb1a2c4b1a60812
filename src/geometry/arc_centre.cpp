#include "geometry/arc_centre.h"

#include <cmath>

#include "base/guarded.h"
#include "geometry/angles.h"

namespace orca {
namespace {

// How far |half chord / R| may be from 1, relatively, for a half circle.
constexpr double kHalfCircleTolerance = 1e-12;

PlanePoint centreByRadius(PlanePoint start, PlanePoint end, double r, ArcTurn turn) {
    const double theta = KakudoGet(start.x, start.y, end.x, end.y);
    const double h = KyoriGet(start.x, start.y, end.x, end.y) / 2;
    const PolarDirection chord = PolarDirectionGet(theta);
    const double xm = PolarXGet(chord, h, start.x);
    const double ym = PolarYGet(chord, h, start.y);
    const double s = guardedDiv(h, r);
    // A half circle (the chord is the diameter) has its centre on the chord:
    // the formula below would divide by zero there.
    double d = 0;
    if (std::fabs(std::fabs(s) - 1) > kHalfCircleTolerance) {
        const double w = guardedSqrt(checked(s * (-1) * s + 1));
        const double degrees = RadToDeg(std::atan(guardedDiv(s, w)));
        d = checked(std::cos(degrees * kCirclePi / 180) * r);
    }
    double phi = theta + (turn == ArcTurn::Clockwise ? 270 : 90);
    if (phi > 360) phi -= 360;
    const PolarDirection toCentre = PolarDirectionGet(phi);
    return {PolarXGet(toCentre, d, xm), PolarYGet(toCentre, d, ym)};
}

}  // namespace

std::optional<PlanePoint> ArcCentreByRadius(PlanePoint start, PlanePoint end, double r, ArcTurn turn) {
    return Guarded([&] { return centreByRadius(start, end, r, turn); });
}

}  // namespace orca
