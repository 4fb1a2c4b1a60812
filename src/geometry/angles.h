#pragma once

namespace orca {

// Angle (kakudo): direction of the vector (x1,y1)->(x2,y2) in degrees, 0 up to below 360.
double KakudoGet(double x1, double y1, double x2, double y2);
double RadToDeg(double radians);  // radians -> degrees
// The direction of a polar step for an angle in degrees. It is worked out
// once for both coordinates, or once for all arcs for a fixed angle.
struct PolarDirection {
    double cos;
    double sin;
};
PolarDirection PolarDirectionGet(double angle);
// The point at distance r from (x, y) in direction d.
double PolarXGet(const PolarDirection& d, double r, double x);
double PolarYGet(const PolarDirection& d, double r, double y);
// Distance (kyori) from (x1,y1) to (x2,y2).
double KyoriGet(double x1, double y1, double x2, double y2);

}  // namespace orca
