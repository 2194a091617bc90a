#include "orvik/util/plane.h"

#include "orvik/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace orvik {

double TwoPointDistance(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

double DirectionAngle(double dx, double dy) {
  if (std::fabs(dx) < 1e-10 && std::fabs(dy) < 1e-10)
    return 0.0;
  const double a = std::atan2(dy, dx);
  return a < 0 ? a + kTwoPi : a;
}

double RotateX(double x, double y, double cx, double cy, double angle) {
  return cx + (x - cx) * std::cos(angle) - (y - cy) * std::sin(angle);
}

double RotateY(double x, double y, double cx, double cy, double angle) {
  return cy + (x - cx) * std::sin(angle) + (y - cy) * std::cos(angle);
}

bool SamePoint(double x1, double y1, double x2, double y2) {
  return std::fabs(x1 - x2) <= 1e-8 && std::fabs(y1 - y2) <= 1e-8;
}

bool ArcThroughThreePoints(double sx, double sy, double tx, double ty,
                           double ex, double ey, ThreePointArc &arc) {
  arc = ThreePointArc{};
  // Distance of E from the line S-T: turn E about S so that S-T lies on +x.
  const double theta = DirectionAngle(tx - sx, ty - sy);
  if (std::fabs(RotateY(ex, ey, sx, sy, -theta) - sy) < 1e-8)
    return false;
  const double det = (ex - tx) * (sy - ty) - (ey - ty) * (sx - tx);
  if (std::fabs(det) < 1e-8)
    return false;

  // Circumcentre relative to T, from u = S - T and v = E - T.
  const double ux = sx - tx, uy = sy - ty;
  const double vx = ex - tx, vy = ey - ty;
  const double uu = ux * ux + uy * uy;
  const double vv = vx * vx + vy * vy;
  const double cx = tx + (vv * uy - uu * vy) / (2 * det);
  const double cy = ty + (uu * vx - vv * ux) / (2 * det);
  const double radius = TwoPointDistance(sx, sy, cx, cy);
  if (radius < 1e-8)
    return false;

  const double as = DirectionAngle(sx - cx, sy - cy);
  const double at = DirectionAngle(tx - cx, ty - cy);
  const double ae = DirectionAngle(ex - cx, ey - cy);
  const double lo = std::min(as, ae);
  const double hi = std::max(as, ae);
  const bool swapped = as > ae;
  double start = 0;
  double end = 0;
  if (lo <= at && at <= hi) {
    start = lo;
    end = hi;
    arc.counter_clockwise = !swapped;
  } else {
    start = hi;
    end = lo;
    arc.counter_clockwise = swapped;
  }
  arc.cx = cx;
  arc.cy = cy;
  arc.radius = radius;
  arc.start_deg = RoundTo1e10(start * 180.0 / kPi);
  arc.end_deg = RoundTo1e10(end * 180.0 / kPi);
  return true;
}

} // namespace orvik
