#pragma once
// What one pen stroke drawn in the arc mode looks like: an arc, a whole
// circle, or neither. A curved stroke is already an arc, so the pen need
// not give its three points in two strokes.
//
// The path is every pointer position of the drag in drawing-area pixels,
// the press first and the release last. The verdict is a pure function of
// it; the thresholds are in pixels, so a stroke is judged as the user saw
// it whatever the zoom.

#include "orvik/geometry/arc_shape.h"

#include <span>

namespace orvik::geometry {

struct StrokeShape {
  enum class Kind { None, Arc, Circle };
  Kind kind = Kind::None;
  // Arc: the path point farthest from the chord (the stroke's own first
  // and last points are the arc's ends).
  Point2 through;
  // Circle: the least-squares circle of the path.
  Point2 centre;
  double radius = 0;
};

// An arc when the chord (first to last point) is at least 10 pixels, the
// path point M farthest from it at least max(8, chord / 10) pixels away,
// and the circle through the first point, M and the last point fits the
// path: the root-mean-square radial distance of the path's points is at
// most max(2, 8 % of the radius). A whole circle when the chord is under
// 10 pixels, the path spans at least 20 pixels (the larger side of its
// box) and its least-squares circle fits it as above. Otherwise None, as
// for paths of fewer than three distinct points.
StrokeShape RecognizeStroke(std::span<const Point2> path);

} // namespace orvik::geometry
