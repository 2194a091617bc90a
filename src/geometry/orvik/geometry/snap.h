#pragma once
// Snapping a pointer to the characteristic points of circles, ellipses,
// arcs and arc-shaped solids: quadrant points, arc end points and centres.
//
// Every routine takes the pointer (px, py) and a tolerance tol in drawing
// units, writes a candidate into `snap` and returns whether the pointer hits
// the shape; `snap` is meaningful only when the result is true. Point
// windows are squares of half-side tol; distances to an outline are
// measured along the line from the centre (see Reach in arc_measures.h).
// All limits are inclusive. Degenerate or non-finite input never fails
// loudly: a NaN makes the pointer miss, a zero radius shrinks the shape to
// its centre.

#include "orvik/geometry/arc_measures.h"

namespace orvik::geometry {

// Pointer on the outline of a full ellipse (within tol either side): the
// first quadrant point, at parameters 0, pi/2, pi, 3pi/2 in that order,
// whose window holds the pointer, else the centre. When the pointer is off
// the outline the result is false and `snap` is (0, 0).
bool SnapFullEllipse(Point2 &snap, double cx, double cy, double radius,
                     double flatness, double tilt, double px, double py,
                     double tol);

// The first end point whose window holds the pointer (the end at start
// first); else the centre when the pointer is on the outline within the
// arc's span. An arc has no quadrant points.
bool SnapArc(Point2 &snap, const ArcShape &shape, double px, double py,
             double tol);

// A circle or arc element. The sweep is first brought into [-2pi, 2pi];
// then it counts as a full ellipse when force_full is set or the sweep
// is less than 1e-10 from 0 or from 2pi, and as an arc otherwise. A sweep of
// -2pi is thus an arc of one turn: it snaps to its end point or centre, never
// to a quadrant point.
bool SnapCircleOrArc(bool force_full, Point2 &snap, const ArcShape &shape,
                     double px, double py, double tol);

// The filled shapes: inside the region the result is true and the snap is
// the outline's snap point when the outline snap hits, else the centre;
// outside the region they behave as the outline snap alone.
bool SnapSolidDisc(Point2 &snap, double cx, double cy, double radius,
                   double flatness, double tilt, double px, double py,
                   double tol);
bool SnapSolidSector(Point2 &snap, const ArcShape &shape, double px, double py,
                     double tol);
bool SnapSolidSegment(Point2 &snap, const ArcShape &shape, double px, double py,
                      double tol);

// As the other filled shapes, but the two end points and the apex of the
// end tangents, in that order, are tried first.
bool SnapSolidTangentZone(Point2 &snap, const ArcShape &shape, double px,
                          double py, double tol);

// A ring between `shape` and its inner arc (see InnerArc for the mode):
// the outer arc's end points, then the inner arc's, then the centre when
// the pointer is in the band. The centre itself is never offered as an end
// point, so a ring of radius 0 falls through to the band test.
bool SnapSolidRing(RingMode mode, Point2 &snap, const ArcShape &shape,
                   double inner_radius, double px, double py, double tol);

} // namespace orvik::geometry
