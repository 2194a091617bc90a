#pragma once
// Straight-line helpers for the arc-shaped regions: which side of a line a
// point lies on, and where two lines cross.

#include "orvik/geometry/arc_shape.h"

namespace orvik::geometry {

// Signed distance of (px, py) from the line through (x1, y1) and (x2, y2),
// directed from the first point to the second: positive on the left,
// negative on the right. When the two points coincide within 1e-10 in both
// coordinates the line is taken as horizontal, giving py - y1.
double SignedLineOffset(double x1, double y1, double x2, double y2, double px,
                        double py);

// Crossing of the lines through segment A = (x1,y1)-(x2,y2) and segment
// B = (x3,y3)-(x4,y4). Returns
//   0  the lines are parallel (both vertical, or equal slopes); `crossing`
//      is left untouched,
//   1  the crossing lies on both segments, within 1e-10 of each one's
//      bounding box,
//   2  the lines cross outside at least one segment.
// `crossing` receives the point for 1 and 2. A NaN crossing (from NaN or
// infinite input) is reported as 2, never as lying on the segments.
//
// A run x or a slope difference d counts as zero when d / 1e-10 + 0.5
// truncates to 0, so the window is lopsided, -1.5e-10 < d < 0.5e-10.
int LineCrossing(Point2 &crossing, double x1, double y1, double x2, double y2,
                 double x3, double y3, double x4, double y4);

} // namespace orvik::geometry
