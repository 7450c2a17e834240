#pragma once
#include <cmath>

// Rounds to the nearest whole number, halves to the even neighbour, as the
// clock readings of the program are rounded (sign-in time, run seconds).
inline int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }
