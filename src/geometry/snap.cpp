#include "orvik/geometry/snap.h"

#include "orvik/geometry/angles.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/shape_tests.h"
#include "orvik/util/plane.h"

#include <array>
#include <cmath>

namespace orvik::geometry {
namespace {

constexpr double kFullTurnTolerance = 1e-10;

// Parameters of the quadrant points, in the order they are offered.
constexpr std::array<double, 4> kQuadrants{0.0, kPi / 2, kPi, 3 * kPi / 2};

Point2 CentreOf(const ArcShape &shape) { return {shape.cx, shape.cy}; }

bool TrySnap(Point2 &snap, const Point2 &candidate, double px, double py,
             double tol) {
  snap = candidate;
  return NearPoint(candidate.x, candidate.y, px, py, tol);
}

bool FilledResult(Point2 &snap, bool inside, bool outline_hit,
                  const ArcShape &shape) {
  if (inside && !outline_hit)
    snap = CentreOf(shape);
  return inside || outline_hit;
}

// An arc snap that offers one of its end points, not its centre.
bool SnapArcEnd(Point2 &snap, const ArcShape &shape, double px, double py,
                double tol) {
  return SnapArc(snap, shape, px, py, tol) &&
         !SamePoint(snap.x, snap.y, shape.cx, shape.cy);
}

} // namespace

bool SnapFullEllipse(Point2 &snap, double cx, double cy, double radius,
                     double flatness, double tilt, double px, double py,
                     double tol) {
  snap = {0, 0};
  const ArcShape shape{cx, cy, radius, flatness, 0, 0, tilt};
  if (!BearingOf(shape, px, py).OnOutline(tol))
    return false;
  for (const double a : kQuadrants) {
    if (TrySnap(snap, PointAt(shape, a), px, py, tol))
      return true;
  }
  snap = CentreOf(shape);
  return true;
}

bool SnapArc(Point2 &snap, const ArcShape &shape, double px, double py,
             double tol) {
  if (TrySnap(snap, FirstEnd(shape), px, py, tol) ||
      TrySnap(snap, SecondEnd(shape), px, py, tol))
    return true;
  snap = CentreOf(shape);
  const Bearing b = BearingOf(shape, px, py);
  return b.OnOutline(tol) && WithinSpan(shape.start, shape.sweep, b.param);
}

bool SnapCircleOrArc(bool force_full, Point2 &snap, const ArcShape &shape,
                     double px, double py, double tol) {
  ArcShape arc = shape;
  arc.sweep = WrapSweep(shape.sweep);
  const bool full = force_full || std::fabs(arc.sweep) < kFullTurnTolerance ||
                    std::fabs(arc.sweep - kTwoPi) < kFullTurnTolerance;
  if (full)
    return SnapFullEllipse(snap, shape.cx, shape.cy, shape.radius,
                           shape.flatness, shape.tilt, px, py, tol);
  return SnapArc(snap, arc, px, py, tol);
}

bool SnapSolidDisc(Point2 &snap, double cx, double cy, double radius,
                   double flatness, double tilt, double px, double py,
                   double tol) {
  const bool inside =
      InsideEllipse(cx, cy, radius, flatness, tilt, px, py, tol);
  const bool outline_hit =
      SnapFullEllipse(snap, cx, cy, radius, flatness, tilt, px, py, tol);
  return FilledResult(snap, inside, outline_hit,
                      ArcShape{cx, cy, radius, flatness, 0, 0, tilt});
}

bool SnapSolidSector(Point2 &snap, const ArcShape &shape, double px, double py,
                     double tol) {
  const bool inside = InsideSector(shape, px, py, tol);
  const bool outline_hit = SnapArc(snap, shape, px, py, tol);
  return FilledResult(snap, inside, outline_hit, shape);
}

bool SnapSolidSegment(Point2 &snap, const ArcShape &shape, double px, double py,
                      double tol) {
  const bool inside = InsideSegment(shape, px, py, tol);
  const bool outline_hit = SnapArc(snap, shape, px, py, tol);
  return FilledResult(snap, inside, outline_hit, shape);
}

bool SnapSolidTangentZone(Point2 &snap, const ArcShape &shape, double px,
                          double py, double tol) {
  const ArcCorners k = ArcTangentApex(shape);
  if (TrySnap(snap, k.first, px, py, tol) ||
      TrySnap(snap, k.second, px, py, tol) ||
      TrySnap(snap, k.apex, px, py, tol))
    return true;
  const bool inside = InsideTangentZone(shape, px, py, tol);
  const bool outline_hit = SnapArc(snap, shape, px, py, tol);
  return FilledResult(snap, inside, outline_hit, shape);
}

bool SnapSolidRing(RingMode mode, Point2 &snap, const ArcShape &shape,
                   double inner_radius, double px, double py, double tol) {
  if (SnapArcEnd(snap, shape, px, py, tol))
    return true;
  const ArcShape inner = InnerArc(mode, shape, inner_radius);
  if (SnapArcEnd(snap, inner, px, py, tol))
    return true;
  snap = CentreOf(shape);
  return InsideRingBand(mode, shape, inner_radius, px, py, tol);
}

} // namespace orvik::geometry
