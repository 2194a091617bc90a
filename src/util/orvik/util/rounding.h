#pragma once
// Rounding helpers shared by geometry, snapping and the writer.

namespace orvik {

// Nearest multiple of `step` (step > 0), halves away from zero:
// RoundToStep(-7.5, 5) is -10. Computed in doubles, without an integer
// conversion, so any finite input is safe.
double RoundToStep(double x, double step);

// RoundToStep(x, 1e-10): removes the noise of degree conversions.
double RoundTo1e10(double x);

} // namespace orvik
