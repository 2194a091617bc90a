#include "orvik/geometry/arc_measures.h"

#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::geometry {
namespace {

// Length of the construction segments laid along the end tangents; any
// length gives the same lines, this one keeps the slopes well conditioned
// for drawing-sized shapes.
constexpr double kTangentLength = 10;

Point2 Along(const Point2 &from, double direction) {
  return {from.x + kTangentLength * std::cos(direction),
          from.y + kTangentLength * std::sin(direction)};
}

} // namespace

double ParameterOfDirection(double flatness, double phi) {
  if (flatness == 1)
    return phi;
  // The parameter a whose point (cos a, f sin a) points along phi: a
  // positive multiple of (|f| cos phi, sign(f) sin phi). atan2 needs no
  // division by f, so flatness 0 needs no special case.
  return std::atan2(std::copysign(1.0, flatness) * std::sin(phi),
                    std::fabs(flatness) * std::cos(phi));
}

double Reach(const ArcShape &shape, double phi) {
  const double a = ParameterOfDirection(shape.flatness, phi);
  const double u = shape.radius * std::cos(a);
  const double v = shape.radius * shape.flatness * std::sin(a);
  return std::sqrt(u * u + v * v);
}

Bearing BearingOf(const ArcShape &shape, double px, double py) {
  Bearing b;
  b.phi = DirectionAngle(px - shape.cx, py - shape.cy) - shape.tilt;
  b.param = ParameterOfDirection(shape.flatness, b.phi);
  b.distance = PointDistance(shape.cx, shape.cy, px, py);
  b.reach = Reach(shape, b.phi);
  return b;
}

Point2 FirstEnd(const ArcShape &shape) { return PointAt(shape, shape.start); }

Point2 SecondEnd(const ArcShape &shape) {
  return PointAt(shape, shape.start + shape.sweep);
}

bool NearArcEnd(const ArcShape &shape, double px, double py, double tol) {
  const Point2 first = FirstEnd(shape);
  if (NearPoint(first.x, first.y, px, py, tol))
    return true;
  const Point2 second = SecondEnd(shape);
  return NearPoint(second.x, second.y, px, py, tol);
}

ArcCorners ArcTangentApex(const ArcShape &shape) {
  ArcCorners k;
  k.first = FirstEnd(shape);
  k.second = SecondEnd(shape);
  const Point2 s = Along(k.first, shape.start + shape.tilt + kPi / 2);
  const Point2 e =
      Along(k.second, shape.start + shape.sweep + shape.tilt - kPi / 2);
  k.apex = {shape.cx, shape.cy};
  k.tangents_cross = LineCrossing(k.apex, k.first.x, k.first.y, s.x, s.y,
                                  k.second.x, k.second.y, e.x, e.y) != 0;
  return k;
}

ArcShape InnerArc(RingMode mode, const ArcShape &outer, double inner_radius) {
  ArcShape inner = outer;
  inner.radius = inner_radius;
  if (mode == RingMode::EvenWidth) {
    const double f =
        (outer.radius * outer.flatness - outer.radius) / inner_radius + 1;
    if (std::isfinite(f))
      inner.flatness = f;
  }
  return inner;
}

} // namespace orvik::geometry
