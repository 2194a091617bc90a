#include "orvik/util/rounding.h"

#include <cmath>

namespace orvik {

double RoundToStep(double x, double step) {
  const double t = std::trunc(std::fabs(x) / step + 0.5) * step;
  return x >= 0 ? t : -t;
}

double RoundTo1e10(double x) { return RoundToStep(x, 1e-10); }

} // namespace orvik
