#pragma once
// Quantities derived from an ArcShape that the inside tests and the snaps
// share: how far the outline reaches in a direction, where the arc ends, and
// where the tangents at its ends meet.

#include "orvik/geometry/arc_shape.h"

namespace orvik::geometry {

// Directions are turned into ellipse parameters before they are compared
// with a shape's outline or its start and sweep (which are parameters).
// Using the direction itself as the parameter would misplace an ellipse's
// outline by up to a sixth of its radius at flatness 0.5, and its arc ends
// by up to 20 degrees, so pointers on a drawn ellipse would miss it. For a
// circle (flatness exactly 1) parameter and direction are the same number.

// The parameter of the outline point that lies in direction phi, phi
// measured in the shape's own frame. Any flatness, 0 and negative included.
double ParameterOfDirection(double flatness, double phi);

// Distance from the centre to the outline in direction phi (shape frame).
// A circle gives |radius|. Flatness 0 makes the outline a segment along the
// shape's x axis: the reach is |radius| at phi = 0 and 0 off the axis.
double Reach(const ArcShape &shape, double phi);

// Where a point lies as seen from a shape's centre. Each predicate takes a
// tolerance in drawing units, is inclusive at its limit, and is false when
// any of the numbers involved is NaN.
struct Bearing {
  double phi = 0;      // direction in the shape's frame, not normalised;
                       // -tilt when the point is the centre
  double param = 0;    // ParameterOfDirection(flatness, phi), for spans
  double distance = 0; // from the centre
  double reach = 0;    // Reach(shape, phi)

  // Not beyond the outline by more than tol.
  bool NotOutside(double tol) const { return distance <= reach + tol; }
  // Not inside the outline by more than tol.
  bool NotInside(double tol) const { return reach - tol <= distance; }
  bool OnOutline(double tol) const { return NotOutside(tol) && NotInside(tol); }
};

Bearing BearingOf(const ArcShape &shape, double px, double py);

// The two arc end points, at parameters start and start + sweep whatever
// the sign of sweep.
Point2 FirstEnd(const ArcShape &shape);
Point2 SecondEnd(const ArcShape &shape);

// True when (px, py) lies within the square window tol of the first end
// point, or else of the second.
bool NearArcEnd(const ArcShape &shape, double px, double py, double tol);

struct ArcCorners {
  Point2 first;  // end point at start
  Point2 second; // end point at start + sweep
  Point2 apex;   // where the end tangents cross; the centre when they don't
  bool tangents_cross = false;
};

// The end tangents are taken as a circle's (perpendicular to the radius
// direction at the end parameter) also for an ellipse. The renderer draws
// the corner of a tangent-zone solid at this apex, so the corner drawn and
// the one snapped to are the same point. Parallel tangents, as for a half
// turn, give the centre as apex and tangents_cross false.
ArcCorners ArcTangentApex(const ArcShape &shape);

// How the inner arc of a ring follows the outer one: with the same
// flatness ("so" solids), or with the band as wide along the shape's y axis
// as along its x axis ("sg" solids).
enum class RingMode { SameFlatness, EvenWidth };

// The inner arc of a ring: the same centre, start, sweep and tilt, radius
// inner_radius. An even band has the inner flatness
// (radius * flatness - radius) / inner_radius + 1. When that value is not
// finite (inner radius 0) the outer flatness is kept: the inner outline is
// then the centre whatever its flatness, and a NaN flatness would make
// every point miss the ring.
ArcShape InnerArc(RingMode mode, const ArcShape &outer, double inner_radius);

} // namespace orvik::geometry
