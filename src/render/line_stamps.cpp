#include "orvik/render/line_stamps.h"

#include <QImage>
#include <QLine>
#include <QPainter>

#include <algorithm>

namespace orvik::render {

const std::vector<QPoint> &LineStamps::Of(int style, int width, int dx, int dy,
                                          const QPen &pen) {
  const int w = width <= 1 ? 0 : width - 1; // 0 .. kMaxWidth - 1
  const std::size_t index =
      ((static_cast<std::size_t>(style) * kMaxWidth + w) * kSide +
       (dx + kReach)) *
          kSide +
      (dy + kReach);
  if (made_.empty()) {
    made_.assign(static_cast<std::size_t>(kStyles) * kMaxWidth * kSide * kSide,
                 false);
    stamps_.resize(made_.size());
  }
  std::vector<QPoint> &stamp = stamps_[index];
  if (made_[index])
    return stamp;
  made_[index] = true;
  // The line drawn as the canvas draws a batch, about the centre of a
  // picture it cannot leave; only its box and margin are looked at, and
  // cleared for the next stamp.
  constexpr int kHalf = kReach + kMargin + 1;
  if (painter_ == nullptr) {
    picture_ = QImage(2 * kHalf + 1, 2 * kHalf + 1,
                      QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&picture_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  QPen opaque = pen;
  opaque.setColor(Qt::black);
  painter_->setPen(opaque);
  const QLine line(kHalf, kHalf, kHalf + dx, kHalf + dy);
  painter_->drawLines(&line, 1);
  const int left = kHalf + std::min(dx, 0) - kMargin;
  const int right = kHalf + std::max(dx, 0) + kMargin;
  for (int y = kHalf + std::min(dy, 0) - kMargin;
       y <= kHalf + std::max(dy, 0) + kMargin; ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture_.scanLine(y));
    for (int x = left; x <= right; ++x)
      if (qAlpha(row[x]) != 0) {
        stamp.emplace_back(x - kHalf, y - kHalf);
        row[x] = 0;
      }
  }
  return stamp;
}

} // namespace orvik::render
