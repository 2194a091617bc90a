#include "orvik/geometry/shape_tests.h"

#include "orvik/geometry/angles.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

namespace orvik::geometry {
namespace {

// c is the centre's offset from a directed line and q the point's. The
// sign of c tells which side the centre is on, so that arcs of either
// orientation share one rule.
bool OnCentreSide(double c, double q, double tol) {
  return c >= 0 ? q >= -tol : q <= tol;
}

bool OffCentreSide(double c, double q, double tol) {
  return c >= 0 ? q <= tol : q >= -tol;
}

double OffsetFrom(const Point2 &a, const Point2 &b, double px, double py) {
  return SignedLineOffset(a.x, a.y, b.x, b.y, px, py);
}

bool BetweenTangents(const ArcShape &shape, const ArcCorners &k, double px,
                     double py, double tol) {
  const double c = OffsetFrom(k.first, k.second, shape.cx, shape.cy);
  return OnCentreSide(c, OffsetFrom(k.first, k.apex, px, py), tol) &&
         OnCentreSide(c, OffsetFrom(k.apex, k.second, px, py), tol);
}

bool NarrowTangentZone(const ArcShape &shape, const Bearing &b, double px,
                       double py, double tol) {
  if (!b.NotInside(tol))
    return false;
  if (WithinSpan(shape.start, shape.sweep, b.param))
    return BetweenTangents(shape, ArcTangentApex(shape), px, py, tol);
  return NearArcEnd(shape, px, py, tol);
}

// The drawn outline runs along the arc and then to the apex, so inside the
// span the region is the ellipse, and outside it the corner bounded by the
// tangents, which holds the rest of the ellipse. Without an apex (a half
// turn) the outline closes through the centre and nothing outside the span
// belongs to it.
bool WideTangentZone(const ArcShape &shape, const Bearing &b, double px,
                     double py, double tol) {
  if (WithinSpan(shape.start, shape.sweep, b.param)) {
    if (b.NotOutside(tol))
      return true;
  } else {
    const ArcCorners k = ArcTangentApex(shape);
    if (k.tangents_cross && BetweenTangents(shape, k, px, py, tol))
      return true;
  }
  return NearArcEnd(shape, px, py, tol);
}

} // namespace

bool InsideEllipse(double cx, double cy, double radius, double flatness,
                   double tilt, double px, double py, double tol) {
  const ArcShape shape{cx, cy, radius, flatness, 0, 0, tilt};
  return BearingOf(shape, px, py).NotOutside(tol);
}

bool InsideSector(const ArcShape &shape, double px, double py, double tol) {
  const Bearing b = BearingOf(shape, px, py);
  if (!b.NotOutside(tol))
    return false;
  if (WithinSpan(shape.start, shape.sweep, b.param))
    return true;
  return NearArcEnd(shape, px, py, tol);
}

bool InsideSegment(const ArcShape &shape, double px, double py, double tol) {
  const Bearing b = BearingOf(shape, px, py);
  if (!b.NotOutside(tol))
    return false;
  const double span = SpanOf(shape.start, shape.sweep);
  const Point2 first = FirstEnd(shape);
  const Point2 second = SecondEnd(shape);
  const double c = OffsetFrom(first, second, shape.cx, shape.cy);
  const double q = OffsetFrom(first, second, px, py);
  if (WithinSpan(shape.start, shape.sweep, b.param))
    return span >= kPi || OffCentreSide(c, q, tol);
  // Beyond a half turn the triangle between the centre and the chord lies
  // outside the span but belongs to the segment.
  if (span > kPi && OnCentreSide(c, q, tol))
    return true;
  return NearArcEnd(shape, px, py, tol);
}

bool InsideTangentZone(const ArcShape &shape, double px, double py,
                       double tol) {
  const Bearing b = BearingOf(shape, px, py);
  if (SpanOf(shape.start, shape.sweep) < kPi)
    return NarrowTangentZone(shape, b, px, py, tol);
  return WideTangentZone(shape, b, px, py, tol);
}

bool InsideRingBand(RingMode mode, const ArcShape &shape, double inner_radius,
                    double px, double py, double tol) {
  const ArcShape inner = InnerArc(mode, shape, inner_radius);
  const Bearing outer_b = BearingOf(shape, px, py);
  if (!outer_b.NotOutside(tol) || !BearingOf(inner, px, py).NotInside(tol))
    return false;
  if (IsWholeTurns(shape.sweep))
    return true;
  if (WithinSpan(shape.start, shape.sweep, outer_b.param))
    return true;
  return NearArcEnd(shape, px, py, tol) || NearArcEnd(inner, px, py, tol);
}

} // namespace orvik::geometry
