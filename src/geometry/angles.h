#pragma once

namespace orca {

// Direction of the vector (x1,y1)->(x2,y2) in degrees, 0 up to below 360.
double KakudoGet(double x1, double y1, double x2, double y2);
double RadToDeg(double radians);
// The point at distance r from (x, y) in direction `angle` (degrees).
double PolarXGet(double angle, double r, double x, double y);
double PolarYGet(double angle, double r, double x, double y);
double KyoriGet(double x1, double y1, double x2, double y2);

}  // namespace orca
