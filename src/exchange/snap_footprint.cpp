#include "snap_footprint.h"

#include "orvik/geometry/angles.h"
#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

#include <limits>

namespace orvik::exchange::snap_detail {

using geometry::ArcCorners;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

// Every point PointAt gives and every outline distance Reach measures lies
// within |radius| * max(1, |flatness|) of the centre, whatever the angles.
double OutlineRadius(const ArcShape &s) {
  return std::fabs(s.radius) * std::max(1.0, std::fabs(s.flatness));
}

void AddOutline(Footprint &f, const ArcShape &s) {
  if (!std::isfinite(s.flatness)) {
    f.boundable = false;
    return;
  }
  f.AddDisc(s.cx, s.cy, OutlineRadius(s));
}

double Ccw(double a) {
  a = std::fmod(a, kTwoPi);
  return a < 0 ? a + kTwoPi : a;
}

// Directions counter-clockwise from `from` over `width`.
struct Cone {
  double from, width;
};

// The world directions from the centre in which BearingOf finds a
// parameter in [a0, a1] (a1 - a0 at most a half turn and a little): those
// of (cos a, flatness sin a) turned by tilt, which run with a for a
// positive flatness and against it for a negative one. Widened for the
// direction error of pointers at least the centre slack away.
Cone ConeOf(const ArcShape &s, double a0, double a1) {
  constexpr double kDirectionSlack = 1e-6;
  const double d0 = std::atan2(s.flatness * std::sin(a0), std::cos(a0));
  const double d1 = std::atan2(s.flatness * std::sin(a1), std::cos(a1));
  const bool forward = s.flatness > 0;
  return {(forward ? d0 : d1) + s.tilt - kDirectionSlack,
          Ccw(forward ? d1 - d0 : d0 - d1) + 2 * kDirectionSlack};
}

// BetweenTangents accepts p when side * offset_i(p) >= -tol for the lines
// first-apex and apex-second, and offset_i(c + rho u) = offset_i(c) +
// rho sin(psi - theta_i) for the unit u at direction psi. If throughout the
// cone one line closes at rate delta (side * sin <= -delta), then
// rho <= (A + tol) / delta with A the larger centre offset. Returns A /
// delta and sets growth to 1 / delta; infinity when the cone does not close
// fast enough.
double TangentRegionRadius(const ArcShape &s, const ArcCorners &k,
                           const Cone &cone, double &growth) {
  constexpr double kClosingSlack = 1e-9;
  const double t1 = DirectionAngle(k.apex.x - k.first.x, k.apex.y - k.first.y);
  const double t2 =
      DirectionAngle(k.second.x - k.apex.x, k.second.y - k.apex.y);
  const double side =
      geometry::SignedLineOffset(k.first.x, k.first.y, k.second.x, k.second.y,
                                 s.cx, s.cy) >= 0
          ? 1.0
          : -1.0;
  const auto closing = [&](double psi) {
    return std::max(-side * std::sin(psi - t1), -side * std::sin(psi - t2));
  };
  // The least rate lies at an end of the cone, where the two rates cross,
  // or where one of them is least.
  double delta = std::min(closing(cone.from), closing(cone.from + cone.width));
  const double cross = (t1 + t2) / 2 + kPi / 2;
  for (const double psi :
       {cross, cross + kPi, t1 + side * kPi / 2, t2 + side * kPi / 2}) {
    if (Ccw(psi - cone.from) <= cone.width)
      delta = std::min(delta, closing(psi));
  }
  delta -= kClosingSlack;
  if (!(delta >= 1 / kMaxGrowth))
    return kInf;
  growth = std::max(growth, 1 / delta);
  const double a = std::max(
      {0.0,
       side * geometry::SignedLineOffset(k.first.x, k.first.y, k.apex.x,
                                         k.apex.y, s.cx, s.cy),
       side * geometry::SignedLineOffset(k.apex.x, k.apex.y, k.second.x,
                                         k.second.y, s.cx, s.cy)});
  const double magnitude = std::max(
      {std::fabs(s.cx), std::fabs(s.cy), std::fabs(k.first.x),
       std::fabs(k.first.y), std::fabs(k.second.x), std::fabs(k.second.y),
       std::fabs(k.apex.x), std::fabs(k.apex.y)});
  return (a + kRelPad * magnitude) / delta;
}

// A tangent-zone solid: its end points and apex, the outline, and the
// region between the tangents, which InsideTangentZone tests inside the
// span below a half turn and outside it from a half turn on. That region
// widens as tol grows, so it sets the footprint's growth. Shapes whose
// angles are too large for the span test to be followed closely, or that
// are nearly flat, are tested always.
void AddTangentZone(Footprint &f, const ArcShape &s) {
  constexpr double kParamSlack = 1e-8;
  constexpr double kMaxAngle = 1e3;
  const double af = std::fabs(s.flatness);
  if (!AllFinite(s.cx, s.cy, s.radius, s.flatness, s.start, s.sweep, s.tilt) ||
      !(af >= 1e-3 && af <= 1e3) || std::fabs(s.start) > kMaxAngle ||
      std::fabs(s.sweep) > kMaxAngle || std::fabs(s.tilt) > kMaxAngle) {
    f.boundable = false;
    return;
  }
  const ArcCorners k = geometry::ArcTangentApex(s);
  if (!AllFinite(k.apex.x, k.apex.y, k.first.x, k.first.y, k.second.x,
                 k.second.y)) {
    f.boundable = false;
    return;
  }
  double radius = OutlineRadius(s);
  const double span = geometry::SpanOf(s.start, s.sweep);
  const double low = s.sweep >= 0 ? s.start : s.start + s.sweep;
  if (span < kPi || k.tangents_cross) {
    const Cone cone =
        span < kPi
            ? ConeOf(s, low - kParamSlack, low + span + kParamSlack)
            : ConeOf(s, low + span - kParamSlack, low + kTwoPi + kParamSlack);
    // Pointers this close to the centre may be seen in any direction.
    const double near_centre =
        1e-8 * std::max(std::fabs(s.cx), std::fabs(s.cy)) + 1e-9;
    radius = std::max(
        {radius, near_centre, TangentRegionRadius(s, k, cone, f.growth)});
  }
  f.AddDisc(s.cx, s.cy, radius);
  f.AddPoint(k.apex.x, k.apex.y);
}

} // namespace orvik::exchange::snap_detail
