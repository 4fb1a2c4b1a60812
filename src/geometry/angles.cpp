#include "geometry/angles.h"

#include <cmath>

#include "base/guarded.h"

namespace orca {

double KakudoGet(double x1, double y1, double x2, double y2) {
    const double dx = checked(x2 - x1);
    const double dy = checked(y2 - y1);
    if (dx == 0 && dy > 0) return 90;
    if (dx == 0 && dy < 0) return 270;
    if (dy == 0 && dx > 0) return 0;
    if (dy == 0 && dx < 0) return 180;

    const double d = std::fabs(dx) != 0 ? RadToDeg(std::atan(guardedDiv(std::fabs(dy), std::fabs(dx)))) : 0.0;
    if (dx < 0 && dy > 0) return 180 - d;
    if (dx < 0 && dy < 0) return 180 + d;
    if (dx > 0 && dy < 0) return 360 - d;
    return d;
}

double RadToDeg(double radians) {
    const double factor = 180 / kCirclePi;
    return checked(factor * radians);
}

namespace {

// The polar turn: the angle in radians plus a half turn, brought below a
// full turn by one subtraction.
double polarTurn(double angle) {
    double t = checked((kCirclePi / 180) * angle);
    t = t + kCirclePi;
    if (t > kFullTurn) t = t - kFullTurn;
    return t;
}

}  // namespace

// Sine and cosine of one turn together let the compiler use a single sincos
// call, which gives the same values as the two separate calls.
PolarDirection PolarDirectionGet(double angle) {
    const double t = polarTurn(angle);
    return {std::cos(t), std::sin(t)};
}

double PolarXGet(const PolarDirection& d, double r, double x) { return r == 0 ? x : checked(x - r * d.cos); }

double PolarYGet(const PolarDirection& d, double r, double y) { return r == 0 ? y : checked(y - r * d.sin); }

double KyoriGet(double x1, double y1, double x2, double y2) {
    if (x1 == x2 && y1 == y2) return 0;
    // Away from the extremes of the double range the direction only decides
    // between |dx| and the square root, and both agree whenever the
    // direction rounds to an axis, so the angle need not be computed.
    const double dx = checked(x2 - x1);
    const double dy = checked(y2 - y1);
    constexpr double kLow = 1e-150;
    constexpr double kHigh = 1e150;
    const double ax = std::fabs(dx);
    const double ay = std::fabs(dy);
    if (dx == 0) return checked(std::fabs(y1 - y2));
    if (dy == 0) return checked(std::fabs(x1 - x2));
    if (ax > kLow && ax < kHigh && ay > kLow && ay < kHigh) return std::sqrt(ax * ax + ay * ay);

    const double a = KakudoGet(x1, y1, x2, y2);
    if (a == 90 || a == 270) return checked(std::fabs(y1 - y2));
    if (a == 0 || a == 180) return checked(std::fabs(x1 - x2));
    return guardedSqrt(checked(ax * ax + ay * ay));
}

}  // namespace orca
