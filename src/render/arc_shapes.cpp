// Ellipses, elliptic arcs and the shapes of arc-shaped solids, all as
// chords of 72 equal steps of the ellipse parameter.

#include "orvik/exchange/elements.h"
#include "orvik/render/clipping.h"
#include "orvik/render/primitives.h"
#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::render {
namespace {

constexpr int kSteps = 72;
constexpr double kDegree = kPi / 180.0;

// cos and sin of the 73 whole-ellipse angles 0, 5, ..., 360 degrees.
struct FiveDegreeTable {
  double cos[kSteps + 1], sin[kSteps + 1];
  FiveDegreeTable() {
    for (int k = 0; k <= kSteps; ++k) {
      cos[k] = std::cos(k * 5 * kDegree);
      sin[k] = std::sin(k * 5 * kDegree);
    }
  }
};

const FiveDegreeTable &FiveDegrees() {
  static const FiveDegreeTable table;
  return table;
}

// Points of one ellipse: (r cos a, r f sin a) turned by the tilt about the
// origin and moved to the centre, the tilt's cos and sin taken once.
class EllipsePoints {
public:
  explicit EllipsePoints(const geometry::ArcShape &s)
      : s_(s), ct_(std::cos(s.tilt)), st_(std::sin(s.tilt)) {}

  Point2 At(double c, double sn) const {
    const double x = s_.radius * c, y = s_.radius * s_.flatness * sn;
    return {s_.cx + x * ct_ - y * st_, s_.cy + x * st_ + y * ct_};
  }
  Point2 AtDegreesTimesFive(int k) const {
    return At(FiveDegrees().cos[k], FiveDegrees().sin[k]);
  }
  // Calls f(point) for the 73 parameters from `start` in 72 steps of
  // `step`, the angles advanced by rotation (72 steps add less than 1e-13
  // of relative error, far below a pixel).
  template <class F> void Arc(double start, double step, F f) const {
    double c = std::cos(start), sn = std::sin(start);
    const double cs = std::cos(step), ss = std::sin(step);
    for (int k = 0; k <= kSteps; ++k) {
      f(At(c, sn));
      const double next_c = c * cs - sn * ss;
      sn = sn * cs + c * ss;
      c = next_c;
    }
  }

private:
  const geometry::ArcShape &s_;
  double ct_, st_;
};

} // namespace

// The ellipse lies within radius * (1 + |flatness|) of its centre both
// ways; the margin covers the rounding of its points.
Primitives::ShapeReach Primitives::ReachOf(const geometry::ArcShape &s) {
  const double reach = std::fabs(s.radius) * (1 + std::fabs(s.flatness));
  const double margin =
      reach + 1e-9 * (std::fabs(s.cx) + std::fabs(s.cy) + reach);
  return {s.cx - margin, s.cy - margin, s.cx + margin, s.cy + margin};
}

// Chords wholly in view (every point inside the view by OutCode) are drawn
// as DrawWorldLine would draw them, each point's pixel taken once; when the
// whole ellipse falls on one pixel (ToScreen is monotonic both ways), that
// pixel is every point's.
template <class EachPoint>
void Primitives::DrawChords(const geometry::ArcShape &s, EachPoint each) {
  const ShapeReach r = ReachOf(s);
  if (OutCode(r.left, r.bottom, view_) == 0 &&
      OutCode(r.right, r.top, view_) == 0) {
    screen_points_.clear();
    const PixelPoint low = ToScreen(view_, r.left, r.bottom);
    if (low == ToScreen(view_, r.right, r.top)) {
      screen_points_.assign(kSteps + 1, low);
    } else {
      each([this](const Point2 &p) {
        screen_points_.push_back(ToScreen(view_, p.x, p.y));
      });
    }
    canvas_.PixelLines(screen_points_, pen_colour_);
    screen_points_.clear();
    return;
  }
  bool first = true;
  Point2 previous;
  each([&](const Point2 &next) {
    if (!first)
      DrawWorldLine(previous.x, previous.y, next.x, next.y);
    first = false;
    previous = next;
  });
}

void Primitives::DrawEllipse(double tilt, double flatness, double radius,
                             double cx, double cy) {
  const geometry::ArcShape s{cx, cy, radius, flatness, 0, 0, tilt};
  const EllipsePoints ellipse(s);
  DrawChords(s, [&ellipse](auto f) {
    for (int k = 0; k <= kSteps; ++k)
      f(ellipse.AtDegreesTimesFive(k));
  });
}

void Primitives::DrawEllipseArc(double sweep, double start, double tilt,
                                double flatness, double radius, double cx,
                                double cy) {
  const geometry::ArcShape s{cx, cy, radius, flatness, start, sweep, tilt};
  const EllipsePoints ellipse(s);
  DrawChords(s, [&ellipse, start, sweep](auto f) {
    ellipse.Arc(start, sweep / kSteps, f);
  });
}

// The 73 points from start in 72 equal steps of sweep.
void Primitives::AddArcPoints(const geometry::ArcShape &s) {
  EllipsePoints(s).Arc(s.start, s.sweep / kSteps,
                       [this](const Point2 &p) { world_points_.push_back(p); });
}

void Primitives::AddWholeEllipse(const geometry::ArcShape &s, int count) {
  const EllipsePoints ellipse(s);
  for (int k = 0; k < count; ++k)
    world_points_.push_back(ellipse.AtDegreesTimesFive(k));
}

void Primitives::FillArcSolid(const geometry::ArcShape &s, std::int32_t code) {
  using namespace exchange;
  world_points_.clear();
  if (code == kDiscCode) {
    AddWholeEllipse(s, kSteps); // 0 .. 355 degrees
  } else {
    AddArcPoints(s);
    if (code == kSectorCode)
      world_points_.push_back({s.cx, s.cy});
    else if (code != kSegmentCode) // the chord closes a segment
      world_points_.push_back(geometry::ArcTangentApex(s).apex);
  }
  DrawPolygon();
}

void Primitives::OutlineArcSolid(const geometry::ArcShape &s,
                                 std::int32_t code) {
  world_points_.clear();
  if (code == exchange::kDiscCode)
    AddWholeEllipse(s, kSteps + 1); // 0 .. 360 degrees
  else
    AddArcPoints(s);
  DrawPolyline();
}

void Primitives::FillRingSolid(geometry::RingMode mode,
                               const geometry::ArcShape &outer,
                               double inner_radius) {
  world_points_.clear();
  AddArcPoints(outer);
  // The inner arc from the end back to the start.
  geometry::ArcShape inner = geometry::InnerArc(mode, outer, inner_radius);
  inner.start = outer.start + outer.sweep;
  inner.sweep = -outer.sweep;
  AddArcPoints(inner);
  DrawPolygon();
}

} // namespace orvik::render
