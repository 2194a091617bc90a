#pragma once
// Rounding helpers shared by geometry, snapping and the writer.

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvik {

void SwapDoubles(double &a, double &b);

// Nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
// Values beyond the int64 range saturate and NaN gives 0, so no input can
// reach an out-of-range float-to-integer conversion.
inline std::int64_t RoundHalfAway(double x) {
  if (std::isnan(x))
    return 0;
  const double r = x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5);
  // 2^63 is exactly representable; anything at or beyond it saturates.
  constexpr double kLimit = 9223372036854775808.0;
  if (r >= kLimit)
    return std::numeric_limits<std::int64_t>::max();
  if (r < -kLimit)
    return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

// Nearest multiple of `step` (step > 0), halves away from zero:
// RoundToStep(-7.5, 5) is -10. Computed in doubles, without an integer
// conversion, so any finite input is safe.
double RoundToStep(double x, double step);

// RoundToStep(x, 1e-10): removes the noise of degree conversions.
double RoundTo1e10(double x);

} // namespace orvik
