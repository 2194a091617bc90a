#include "orvik/render/polygon_stamps.h"

#include <QBrush>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace orvik::render {

const std::vector<QPoint> *
PolygonStamps::Of(std::span<const PixelPoint> corners) {
  if (corners.empty())
    return nullptr;
  const PixelPoint first = corners.front();
  key_.clear();
  corners_.clear();
  int left = 0, right = 0, top = 0, bottom = 0;
  for (const PixelPoint &p : corners) {
    const std::int64_t dx = std::int64_t{p.x} - first.x;
    const std::int64_t dy = std::int64_t{p.y} - first.y;
    if (std::abs(dx) > kReach || std::abs(dy) > kReach)
      return nullptr;
    const QPointF corner(static_cast<double>(dx), static_cast<double>(dy));
    if (!corners_.empty() && corners_.back() == corner)
      continue;
    if (corners_.size() == kMaxCorners)
      return nullptr;
    corners_.push_back(corner);
    key_ += static_cast<char>(dx);
    key_ += static_cast<char>(dy);
    left = std::min(left, static_cast<int>(dx));
    right = std::max(right, static_cast<int>(dx));
    top = std::min(top, static_cast<int>(dy));
    bottom = std::max(bottom, static_cast<int>(dy));
  }
  const auto found = stamps_.find(key_);
  if (found != stamps_.end())
    return &found->second;
  if (stamps_.size() >= kMaxStamps)
    return nullptr;

  // Drawn as the canvas draws a polygon, about the centre of a picture it
  // cannot leave; its box and margin are taken off.
  QPainter &painter = picture_.Painter();
  QPen pen(Qt::black);
  pen.setWidth(0);
  painter.setPen(pen);
  painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
  const double c = picture_.Half();
  for (QPointF &corner : corners_)
    corner += QPointF(c, c);
  painter.drawPolygon(corners_.data(), static_cast<int>(corners_.size()),
                      Qt::OddEvenFill);
  std::vector<QPoint> &stamp = stamps_[key_];
  picture_.TakePixels(QRect(QPoint(left, top), QPoint(right, bottom))
                          .adjusted(-kMargin, -kMargin, kMargin, kMargin),
                      stamp);
  return &stamp;
}

} // namespace orvik::render
