#include "orvik/render/line_stamps.h"

#include <QLine>

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
  // picture it cannot leave; its box and margin are taken off.
  QPainter &painter = picture_.Painter();
  QPen opaque = pen;
  opaque.setColor(Qt::black);
  painter.setPen(opaque);
  const int c = picture_.Half();
  const QLine line(c, c, c + dx, c + dy);
  painter.drawLines(&line, 1);
  picture_.TakePixels(QRect(QPoint(std::min(dx, 0), std::min(dy, 0)),
                            QPoint(std::max(dx, 0), std::max(dy, 0)))
                          .adjusted(-kMargin, -kMargin, kMargin, kMargin),
                      stamp);
  return stamp;
}

} // namespace orvik::render
