#pragma once

#include <cmath>

namespace orca {

// Nearest whole number, halves to the even neighbour (the default rounding
// mode, which the program never changes).
inline double RoundHalfEven(double v) { return std::nearbyint(v); }

}  // namespace orca
