#pragma once
// Whether a point lies in a filled circle, ellipse or arc-shaped region.
// Each test takes the point (px, py) and a tolerance tol in drawing units by
// which the region is widened; limits are inclusive. A NaN among the inputs
// makes the point miss. Arc regions take their span from start and sweep
// (either sign); a point outside the span still counts when it lies within
// the square window tol of an arc end point.

#include "orvik/geometry/arc_measures.h"

namespace orvik::geometry {

// The whole ellipse.
bool InsideEllipse(double cx, double cy, double radius, double flatness,
                   double tilt, double px, double py, double tol);

// The pie between the arc and the centre.
bool InsideSector(const ArcShape &shape, double px, double py, double tol);

// The region between the arc and its chord. Up to a half turn that is the
// part of the ellipse on the far side of the chord from the centre; beyond
// a half turn it is the ellipse less that part, so it holds the centre.
bool InsideSegment(const ArcShape &shape, double px, double py, double tol);

// The region between the arc and the tangents at its end points. Below a
// half turn: outside the ellipse (by at most tol), inside the span, and on
// the centre's side of both tangents. From a half turn on, the tangents no
// longer close a region on the arc's side; the region is then the filled
// outline drawn for it (the arc closed through the tangents' crossing, or
// through the centre when they are parallel): inside the span the ellipse,
// outside it the corner between the tangents. Either way the region is
// bounded, so a solid never catches pointers far away from it.
bool InsideTangentZone(const ArcShape &shape, double px, double py, double tol);

// The band between the outer arc `shape` and InnerArc(mode, shape,
// inner_radius). A sweep of whole turns, zero included, is a full ring.
// A point outside the span also counts when it is near an end point of the
// inner arc.
bool InsideRingBand(RingMode mode, const ArcShape &shape, double inner_radius,
                    double px, double py, double tol);

} // namespace orvik::geometry
