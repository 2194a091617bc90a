#pragma once
// Plane-geometry primitives in double precision. Angles are radians,
// counter-clockwise from +x, unless a function says degrees. No function
// reports errors: impossibility shows in the result.

namespace orvik {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;

double TwoPointDistance(double x1, double y1, double x2, double y2);

// Direction of (dx, dy) in [0, 2pi); 0 when both |dx| and |dy| < 1e-10.
double DirectionAngle(double dx, double dy);

// (x, y) turned counter-clockwise by `angle` about (cx, cy).
double RotateX(double x, double y, double cx, double cy, double angle);
double RotateY(double x, double y, double cx, double cy, double angle);

// Equal within 1e-8 in each coordinate.
bool SamePoint(double x1, double y1, double x2, double y2);

// The arc from start point S through T to end point E.
struct ThreePointArc {
  double cx = 0, cy = 0, radius = 0;
  double start_deg = 0, end_deg = 0; // counter-clockwise from start to end
  bool counter_clockwise = false;    // S, T, E follow each other CCW
};

// False (and a zeroed result) when the three points are collinear or
// coincide within 1e-8. Angles are degrees rounded to 1e-10.
bool ArcThroughThreePoints(double sx, double sy, double tx, double ty,
                           double ex, double ey, ThreePointArc &arc);

} // namespace orvik
