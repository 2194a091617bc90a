#include "orvik/render/clipping.h"

#include <cmath>

namespace orvik::render {
namespace {

constexpr double kInside = 1e-12;

// Moves one end onto the borders its outcode names, in the order left,
// right, bottom, top, recomputing the outcode after each step.
void ClipEnd(double &x, double &y, double x0, double y0, double dx, double dy,
             const ViewState &v) {
  if ((OutCode(x, y, v) & 1) && std::fabs(dx) > kInside) {
    x = v.ViewLeft();
    y = (x - x0) * dy / dx + y0;
  }
  if ((OutCode(x, y, v) & 2) && std::fabs(dx) > kInside) {
    x = v.ViewRight();
    y = (x - x0) * dy / dx + y0;
  }
  if ((OutCode(x, y, v) & 4) && std::fabs(dy) > kInside) {
    y = v.ViewBottom();
    x = (y - y0) * dx / dy + x0;
  }
  if ((OutCode(x, y, v) & 8) && std::fabs(dy) > kInside) {
    y = v.ViewTop();
    x = (y - y0) * dx / dy + x0;
  }
}

} // namespace

int PointVisibility(double x, double y, const ViewState &view) {
  return OutCode(x, y, view) != 0 ? 2 : 0;
}

int SegmentVisibility(const ViewState &view, double x1, double y1, double x2,
                      double y2) {
  const int c1 = OutCode(x1, y1, view);
  const int c2 = OutCode(x2, y2, view);
  if (c1 == 0 && c2 == 0)
    return 0;
  return (c1 & c2) != 0 ? 2 : 1;
}

int ClipSegment(double &x1, double &y1, double &x2, double &y2,
                const ViewState &view) {
  const int c1 = OutCode(x1, y1, view);
  const int c2 = OutCode(x2, y2, view);
  if (c1 == 0 && c2 == 0)
    return 0;
  if ((c1 & c2) != 0)
    return 2;
  const double x0 = x1, y0 = y1;
  const double dx = x2 - x0, dy = y2 - y0;
  ClipEnd(x1, y1, x0, y0, dx, dy, view);
  ClipEnd(x2, y2, x0, y0, dx, dy, view);
  return (std::fabs(x2 - x1) >= kInside || std::fabs(y2 - y1) >= kInside) ? 1
                                                                          : 2;
}

} // namespace orvik::render
