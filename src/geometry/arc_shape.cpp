#include "orvik/geometry/arc_shape.h"

#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::geometry {

Point2 PointAt(const ArcShape &s, double a) {
  const double x = s.radius * std::cos(a);
  const double y = s.radius * s.flatness * std::sin(a);
  return {s.cx + RotateX(x, y, 0, 0, s.tilt),
          s.cy + RotateY(x, y, 0, 0, s.tilt)};
}

double PointDistance(double x1, double y1, double x2, double y2) {
  return TwoPointDistance(x1, y1, x2, y2);
}

bool NearPoint(double x1, double y1, double x2, double y2, double tol) {
  return std::fabs(x1 - x2) <= tol && std::fabs(y1 - y2) <= tol;
}

} // namespace orvik::geometry
