// Ellipses, elliptic arcs and the shapes of arc-shaped solids, all as
// chords of 72 equal steps of the ellipse parameter.

#include "orvik/geometry/arc_measures.h"
#include "orvik/render/primitives.h"
#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::render {
namespace {

constexpr int kSteps = 72;
constexpr double kDegree = kPi / 180.0;
// Shape parameters compare with this tolerance.
constexpr double kParamTol = 1e-10;

bool Is(double param, double value) {
  return std::fabs(param - value) <= kParamTol;
}

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

void Primitives::DrawEllipse(double tilt, double flatness, double radius,
                             double cx, double cy) {
  const geometry::ArcShape s{cx, cy, radius, flatness, 0, 0, tilt};
  const EllipsePoints ellipse(s);
  Point2 previous = ellipse.AtDegreesTimesFive(0);
  for (int k = 1; k <= kSteps; ++k) {
    const Point2 next = ellipse.AtDegreesTimesFive(k);
    DrawWorldLine(previous.x, previous.y, next.x, next.y);
    previous = next;
  }
}

void Primitives::DrawEllipseArc(double sweep, double start, double tilt,
                                double flatness, double radius, double cx,
                                double cy) {
  const geometry::ArcShape s{cx, cy, radius, flatness, start, sweep, tilt};
  bool first = true;
  Point2 previous;
  EllipsePoints(s).Arc(start, sweep / kSteps, [&](const Point2 &next) {
    if (!first)
      DrawWorldLine(previous.x, previous.y, next.x, next.y);
    first = false;
    previous = next;
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

void Primitives::BuildArcShape(int kind, double param, double sweep,
                               double start, double tilt, double flatness,
                               double radius, double cx, double cy) {
  const geometry::ArcShape s{cx, cy, radius, flatness, start, sweep, tilt};
  world_points_.clear();
  switch (kind) {
  case 101:
    if (Is(param, 100)) {
      AddWholeEllipse(s, kSteps); // 0 .. 355 degrees
    } else {
      AddArcPoints(s);
      if (Is(param, 0)) {
        world_points_.push_back({cx, cy}); // sector
      } else if (!Is(param, 5)) {
        world_points_.push_back(TangentCorner(s)); // tangent zone
      }
    }
    DrawPolygon();
    break;
  case 111:
    if (Is(param, 100)) {
      AddWholeEllipse(s, kSteps + 1); // 0 .. 360 degrees
    } else {
      AddArcPoints(s);
    }
    DrawPolyline();
    break;
  case 105:
  case 106: {
    AddArcPoints(s);
    // The inner arc from the end back to the start.
    geometry::ArcShape inner =
        geometry::InnerArc(kind == 106 ? 1 : 0, s, param);
    inner.start = start + sweep;
    inner.sweep = -sweep;
    AddArcPoints(inner);
    DrawPolygon();
    break;
  }
  default:
    break;
  }
  world_points_.clear();
}

// Where the tangents at the arc's ends meet: the line through the first
// arc point in direction start + tilt + 90 degrees and the one through the
// last in direction start + sweep + tilt - 90 degrees, each given by the
// point and a second point 10 units along; the centre when they do not
// meet.
Point2 Primitives::TangentCorner(const geometry::ArcShape &s) {
  const Point2 first = geometry::PointAt(s, s.start);
  const Point2 last = geometry::PointAt(s, s.start + s.sweep);
  const double a = s.start + s.tilt + kPi / 2;
  const double b = s.start + s.sweep + s.tilt - kPi / 2;
  double x = s.cx, y = s.cy;
  if (LineIntersection(first.x, first.y, first.x + 10 * std::cos(a),
                       first.y + 10 * std::sin(a), last.x, last.y,
                       last.x + 10 * std::cos(b), last.y + 10 * std::sin(b), x,
                       y) == 0)
    return {s.cx, s.cy};
  return {x, y};
}

} // namespace orvik::render
