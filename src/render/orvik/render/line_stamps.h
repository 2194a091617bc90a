#pragma once
// The pixels QPainter lights for a short line, kept by the line's offset
// from its first end and the pen's style and width, so that the canvas can
// write them itself: per line, QPainter costs many times more than the
// pixels it lights.
//
// Why a stamp is exact: without antialiasing, QPainter computes a line
// between whole-pixel ends in fixed point from the ends alone, its dashes
// starting afresh on each line, so moving both ends by whole pixels moves
// every lit pixel with them, as long as nothing is clipped. A line's pixels
// do not depend on the lines drawn before it, and a batch of lines in one
// colour lights the union of their pixels.

#include "orvik/render/stamp_picture.h"

#include <QPen>
#include <QPoint>

#include <vector>

namespace orvik::render {

class LineStamps {
public:
  // Stamps exist for offsets up to kReach both ways, pen widths up to
  // kMaxWidth and every drawing style (`style` 0 .. kStyles - 1); a stamp
  // reaches at most kMargin pixels past the line's box.
  static constexpr int kReach = 32, kMaxWidth = 3, kStyles = 5, kMargin = 3;

  static bool Covers(int style, int width, int dx, int dy) {
    return style >= 0 && style < kStyles && width <= kMaxWidth &&
           dx >= -kReach && dx <= kReach && dy >= -kReach && dy <= kReach;
  }

  // The pixels `pen` (of `style`, `width` pixels wide: 0 and 1 are the
  // same) lights for the line from (0, 0) to (dx, dy), drawn the first time
  // it is asked for. Only for what Covers takes.
  const std::vector<QPoint> &Of(int style, int width, int dx, int dy,
                                const QPen &pen);

private:
  static constexpr int kSide = 2 * kReach + 1;
  std::vector<std::vector<QPoint>> stamps_; // by Index
  std::vector<bool> made_;
  StampPicture picture_{kReach + kMargin + 1};
};

} // namespace orvik::render
