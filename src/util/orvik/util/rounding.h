#pragma once
// Rounding helpers shared by geometry, snapping and the writer.

#include <cstdint>

namespace orvik {

void SwapDoubles(double &a, double &b);

// Nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
// Values beyond the int64 range saturate and NaN gives 0, so no input can
// reach an out-of-range float-to-integer conversion.
std::int64_t RoundHalfAway(double x);

// Nearest multiple of `step` (step > 0), halves away from zero:
// RoundToStep(-7.5, 5) is -10. Computed in doubles, without an integer
// conversion, so any finite input is safe.
double RoundToStep(double x, double step);

// RoundToStep(x, 1e-10): removes the noise of degree conversions.
double RoundTo1e10(double x);

} // namespace orvik
