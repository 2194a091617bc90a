#include "orvik/util/rounding.h"

#include <cmath>
#include <limits>
#include <utility>

namespace orvik {

void SwapDoubles(double &a, double &b) { std::swap(a, b); }

std::int64_t RoundHalfAway(double x) {
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

double RoundToStep(double x, double step) {
  const double t = std::trunc(std::fabs(x) / step + 0.5) * step;
  return x >= 0 ? t : -t;
}

double RoundTo1e10(double x) { return RoundToStep(x, 1e-10); }

} // namespace orvik
