#include "orvik/geometry/lines.h"

#include "orvik/util/plane.h"

#include <algorithm>
#include <cmath>

namespace orvik::geometry {
namespace {

constexpr double kZero = 1e-10;

bool CountsAsZero(double d) { return std::trunc(d / kZero + 0.5) == 0.0; }

// Written as "inside" so that a NaN coordinate fails every comparison.
bool InSegmentBox(const Point2 &p, double x1, double y1, double x2, double y2) {
  return std::min(x1, x2) - kZero <= p.x && p.x <= std::max(x1, x2) + kZero &&
         std::min(y1, y2) - kZero <= p.y && p.y <= std::max(y1, y2) + kZero;
}

} // namespace

double SignedLineOffset(double x1, double y1, double x2, double y2, double px,
                        double py) {
  const double theta = DirectionAngle(x2 - x1, y2 - y1);
  return RotateY(px, py, x1, y1, -theta) - y1;
}

int LineCrossing(Point2 &crossing, double x1, double y1, double x2, double y2,
                 double x3, double y3, double x4, double y4) {
  const bool a_vertical = CountsAsZero(x1 - x2);
  const bool b_vertical = CountsAsZero(x3 - x4);
  if (a_vertical && b_vertical)
    return 0;
  Point2 c;
  if (a_vertical) {
    const double mb = (y4 - y3) / (x4 - x3);
    c = {x1, (x1 - x3) * mb + y3};
  } else if (b_vertical) {
    const double ma = (y2 - y1) / (x2 - x1);
    c = {x3, (x3 - x1) * ma + y1};
  } else {
    const double ma = (y2 - y1) / (x2 - x1);
    const double mb = (y4 - y3) / (x4 - x3);
    if (CountsAsZero(ma - mb))
      return 0;
    const double ca = y1 - ma * x1;
    const double cb = y3 - mb * x3;
    c.x = (cb - ca) / (ma - mb);
    c.y = ma * c.x + ca;
  }
  crossing = c;
  const bool on_both =
      InSegmentBox(c, x1, y1, x2, y2) && InSegmentBox(c, x3, y3, x4, y4);
  return on_both ? 1 : 2;
}

} // namespace orvik::geometry
