#pragma once
// Clipping of world segments against the view window and the conversion of
// world points to pixels. World coordinates are paper millimetres.
//
// A point counts as inside a border only when it lies more than 1e-12
// inside it, so a point exactly on a border is outside.

#include "orvik/geometry/view_state.h"
#include "orvik/render/canvas.h"

#include <cmath>

namespace orvik::render {

using geometry::ViewState;

// Outcode bits: 1 left of the window, 2 right, 4 below, 8 above.
inline int OutCode(double x, double y, const ViewState &v) {
  constexpr double kInside = 1e-12;
  return (x < v.ViewLeft() + kInside ? 1 : 0) |
         (x > v.ViewRight() - kInside ? 2 : 0) |
         (y < v.ViewBottom() + kInside ? 4 : 0) |
         (y > v.ViewTop() - kInside ? 8 : 0);
}

// 2 when the point's outcode is not 0, else 0.
int PointVisibility(double x, double y, const ViewState &view);

// 0 when both ends are inside, 2 when both lie beyond one common border,
// else 1.
int SegmentVisibility(const ViewState &view, double x1, double y1, double x2,
                      double y2);

// Clips the segment in place, each border applied at most once per end and
// every interpolation taken from the unclipped first end. Returns 0 when
// the segment lies wholly inside (unchanged), 1 when something may be
// visible after clipping, 2 when nothing is (also when it clips down to a
// point). A segment that passes the first tests but misses the window is
// reported as 1; the canvas clips it.
int ClipSegment(double &x1, double &y1, double &x2, double &y2,
                const ViewState &view);

// A pixel count rounded halves away from zero (truncating v +- 0.5) and
// clamped to +-2^30; NaN gives 0.
inline std::int32_t RoundPixel(double v) {
  constexpr double kLimit = 1 << 30;
  v += v >= 0 ? 0.5 : -0.5;
  if (v >= kLimit)
    return 1 << 30;
  if (v <= -kLimit)
    return -(1 << 30);
  return v == v ? static_cast<std::int32_t>(v) : 0;
}

// A pixel count rounded to the nearest integer, halves to even (how texts
// are placed), clamped to +-2^30; NaN gives 0.
inline std::int32_t RoundHalfEven(double v) {
  constexpr double kLimit = 1 << 30;
  if (!(v > -kLimit))
    return v == v ? -(1 << 30) : 0;
  if (v >= kLimit)
    return 1 << 30;
  const double f = std::floor(v);
  const double rest = v - f;
  double r = f;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(f, 2.0) != 0))
    r = f + 1;
  return static_cast<std::int32_t>(r);
}

// The pixel of a world point: each product with the scale rounded halves
// away from zero, then y turned downwards. Results are clamped to +-2^30,
// so any input (1e308, infinities, NaN as 0) gives a usable pixel.
inline PixelPoint ToScreen(const ViewState &view, double x, double y) {
  const std::int32_t px = RoundPixel((x - view.ViewLeft()) * view.ViewScale());
  const std::int32_t py =
      RoundPixel((y - view.ViewBottom()) * view.ViewScale());
  return {px, RoundPixel(static_cast<double>(view.ViewHeight()) - py)};
}

} // namespace orvik::render
