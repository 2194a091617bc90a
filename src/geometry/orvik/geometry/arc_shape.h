#pragma once
// The one record by which circles, ellipses and arcs reach the geometry and
// the drawing code. World coordinates, y up; angles in radians,
// counter-clockwise from +x.

namespace orvik::geometry {

struct ArcShape {
  double cx = 0, cy = 0; // centre
  double radius = 0;     // semi-axis along the shape's own x axis
  double flatness = 1;   // other semi-axis over radius (1 for a circle)
  double start = 0;      // start parameter angle in the shape's own frame
  double sweep = 0;      // signed extent; negative runs start+sweep..start
  double tilt = 0;       // rotation of the shape's x axis against world x
};

struct Point2 {
  double x = 0, y = 0;
};

// The point at parameter angle a: centre + (radius cos a,
// radius flatness sin a) turned by tilt.
Point2 PointAt(const ArcShape &shape, double a);

// sqrt((x2 - x1)^2 + (y2 - y1)^2).
double PointDistance(double x1, double y1, double x2, double y2);

// True when |x1 - x2| <= tol and |y1 - y2| <= tol (a square window).
bool NearPoint(double x1, double y1, double x2, double y2, double tol);

} // namespace orvik::geometry
