#include "orvik/render/polygon_stamps.h"

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
  // cannot leave; only its box and margin are looked at, and cleared.
  constexpr int kHalf = kReach + kMargin + 1;
  if (painter_ == nullptr) {
    picture_ = QImage(2 * kHalf + 1, 2 * kHalf + 1,
                      QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&picture_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidth(0);
    painter_->setPen(pen);
    painter_->setBrush(QBrush(Qt::black, Qt::SolidPattern));
  }
  for (QPointF &corner : corners_)
    corner += QPointF(kHalf, kHalf);
  painter_->drawPolygon(corners_.data(), static_cast<int>(corners_.size()),
                        Qt::OddEvenFill);
  std::vector<QPoint> &stamp = stamps_[key_];
  for (int y = kHalf + top - kMargin; y <= kHalf + bottom + kMargin; ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture_.scanLine(y));
    for (int x = kHalf + left - kMargin; x <= kHalf + right + kMargin; ++x)
      if (qAlpha(row[x]) != 0) {
        stamp.emplace_back(x - kHalf, y - kHalf);
        row[x] = 0;
      }
  }
  return &stamp;
}

} // namespace orvik::render
