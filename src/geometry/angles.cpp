#include "geometry/angles.h"

#include <cmath>

#include "geometry/guarded.h"

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

double PolarXGet(double angle, double r, double x, double y) {
    (void)y;
    if (r == 0) return x;
    return checked(x - r * std::cos(polarTurn(angle)));
}

double PolarYGet(double angle, double r, double x, double y) {
    (void)x;
    if (r == 0) return y;
    return checked(y - r * std::sin(polarTurn(angle)));
}

double KyoriGet(double x1, double y1, double x2, double y2) {
    if (x1 == x2 && y1 == y2) return 0;
    const double a = KakudoGet(x1, y1, x2, y2);
    if (a == 90 || a == 270) return checked(std::fabs(y1 - y2));
    if (a == 0 || a == 180) return checked(std::fabs(x1 - x2));
    const double dx = std::fabs(x1 - x2);
    const double dy = std::fabs(y1 - y2);
    return guardedSqrt(checked(dx * dx + dy * dy));
}

}  // namespace orca
