#pragma once
// The pixels QPainter lights for a small polygon filled and outlined in one
// colour (a solid brush and a solid one-pixel pen, as solids are drawn),
// kept by the polygon's corners relative to its first, so that the canvas
// can write them itself: per polygon, QPainter costs many times more than
// the few pixels a solid covers at a distant zoom.
//
// Why a stamp is exact: without antialiasing, QPainter fills and outlines
// a polygon with whole-pixel corners in fixed point from the corners
// alone, so moving every corner by whole pixels moves every lit pixel with
// them, as long as nothing is clipped. A corner repeated at once adds
// neither an edge to the fill nor a pixel to the outline, so repeats are
// dropped from the key: the many corners of a small arc-shaped solid
// collapse onto few pixels.

#include "orvik/render/canvas.h"
#include "orvik/render/stamp_picture.h"

#include <QPoint>
#include <QPointF>

#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvik::render {

class PolygonStamps {
public:
  // Stamps exist for polygons whose corners lie within kReach pixels of
  // the first both ways, with at most kMaxCorners after repeats go; a
  // stamp reaches at most kMargin pixels past the corners' box. At most
  // kMaxStamps are kept.
  static constexpr int kReach = 24, kMargin = 2;
  static constexpr std::size_t kMaxCorners = 24, kMaxStamps = 1 << 16;

  // The pixels of the polygon through `corners` (offsets from the first
  // are what counts), made the first time it is asked for; null when it
  // is not one that stamps keep.
  const std::vector<QPoint> *Of(std::span<const PixelPoint> corners);

private:
  std::unordered_map<std::string, std::vector<QPoint>> stamps_;
  std::string key_;              // the corners' offsets, reused
  std::vector<QPointF> corners_; // the same, for QPainter
  StampPicture picture_{kReach + kMargin + 1};
};

} // namespace orvik::render
