// The one rounding rule of the program: to the nearest integer, an exact half to the even neighbour.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

// std::nearbyint honours the current rounding mode, which is round-to-nearest-even unless changed.
inline double RoundHalfEven(double v) { return std::nearbyint(v); }

// Rounds to a 16-bit integer, saturating at the type's limits (callers keep values in range).
inline int16_t Nearest16(double v) {
  const double r = RoundHalfEven(v);
  if (!(r >= std::numeric_limits<int16_t>::min())) return std::numeric_limits<int16_t>::min();
  if (r > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
  return static_cast<int16_t>(r);
}
