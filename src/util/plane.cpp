#include "orvik/util/plane.h"

#include "orvik/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace orvik {
namespace {

// Int(v / step + 0.5) * step with Int truncating toward zero; a difference
// counts as zero when this is 0.
bool QuantisesToZero(double v, double step) {
  return std::trunc(v / step + 0.5) == 0.0;
}

bool WithinSegmentBox(double x, double y, double x1, double y1, double x2,
                      double y2, double margin) {
  return std::min(x1, x2) - margin <= x && x <= std::max(x1, x2) + margin &&
         std::min(y1, y2) - margin <= y && y <= std::max(y1, y2) + margin;
}

} // namespace

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

int LineIntersection(double x1, double y1, double x2, double y2, double x3,
                     double y3, double x4, double y4, double &x, double &y) {
  constexpr double kStep = 1e-8;
  const bool a_vertical = QuantisesToZero(x1 - x2, kStep);
  const bool b_vertical = QuantisesToZero(x3 - x4, kStep);
  double cx = 0;
  double cy = 0;
  if (a_vertical && b_vertical)
    return 0;
  if (a_vertical) {
    const double mb = (y4 - y3) / (x4 - x3);
    cx = x1;
    cy = (x1 - x3) * mb + y3;
  } else if (b_vertical) {
    const double ma = (y2 - y1) / (x2 - x1);
    cx = x3;
    cy = (x3 - x1) * ma + y1;
  } else {
    const double ma = (y2 - y1) / (x2 - x1);
    const double mb = (y4 - y3) / (x4 - x3);
    if (QuantisesToZero(ma - mb, kStep))
      return 0;
    const double ba = y1 - ma * x1;
    const double bb = y3 - mb * x3;
    cx = (bb - ba) / (ma - mb);
    cy = ma * cx + ba;
  }
  x = cx;
  y = cy;
  const bool on_a = WithinSegmentBox(cx, cy, x1, y1, x2, y2, kStep);
  const bool on_b = WithinSegmentBox(cx, cy, x3, y3, x4, y4, kStep);
  return (on_a && on_b) ? 1 : 2;
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
