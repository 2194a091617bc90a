#pragma once
// Shapes and seeded random geometry shared by the geometry tests.

#include "orvik/geometry/arc_shape.h"
#include "orvik/util/plane.h"

#include <cmath>
#include <cstdint>
#include <random>

namespace orvik::geometry::test_support {

inline ArcShape Arc(double cx, double cy, double radius, double start,
                    double sweep) {
  return ArcShape{cx, cy, radius, 1, start, sweep, 0};
}

// The point at world direction `angle` and distance `d` from the centre.
inline Point2 Polar(const ArcShape &s, double angle, double d) {
  return {s.cx + d * std::cos(angle), s.cy + d * std::sin(angle)};
}

// Fixed seeds keep failures reproducible.
class RandomGeometry {
public:
  explicit RandomGeometry(std::uint32_t seed) : engine_(seed) {}

  double Uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(engine_);
  }

  // Any centre, size, flatness (0.2 to 1) and tilt; start anywhere; sweep
  // of either sign up to just short of a full turn.
  ArcShape AnyArc() {
    ArcShape s;
    s.cx = Uniform(-500, 500);
    s.cy = Uniform(-500, 500);
    s.radius = Uniform(1, 200);
    s.flatness = Uniform(0.2, 1);
    s.start = Uniform(-kTwoPi, kTwoPi);
    s.sweep = Uniform(0.1, kTwoPi - 0.1) * (Uniform(0, 1) < 0.5 ? -1 : 1);
    s.tilt = Uniform(-kPi, kPi);
    return s;
  }

  // A parameter angle on the arc, kept `margin` radians off its ends.
  double ParameterOnArc(const ArcShape &s, double margin) {
    return s.start +
           s.sweep * Uniform(0, 1) * (1 - 2 * margin / std::fabs(s.sweep)) +
           std::copysign(margin, s.sweep);
  }

private:
  std::mt19937 engine_;
};

// The point of `s` at parameter a, pushed along the ray from the centre to
// `scale` times its distance (inside for scale < 1, outside for > 1).
inline Point2 ScaledOutlinePoint(const ArcShape &s, double a, double scale) {
  const Point2 p = PointAt(s, a);
  return {s.cx + scale * (p.x - s.cx), s.cy + scale * (p.y - s.cy)};
}

} // namespace orvik::geometry::test_support
