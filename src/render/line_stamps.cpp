#include "orvik/render/line_stamps.h"

#include <QImage>
#include <QLine>
#include <QPainter>

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
  // picture it cannot leave.
  constexpr int kHalf = kReach + kMargin + 1;
  QImage picture(2 * kHalf + 1, 2 * kHalf + 1,
                 QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen opaque = pen;
    opaque.setColor(Qt::black);
    painter.setPen(opaque);
    const QLine line(kHalf, kHalf, kHalf + dx, kHalf + dy);
    painter.drawLines(&line, 1);
  }
  for (int y = 0; y < picture.height(); ++y) {
    const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(row[x]) != 0)
        stamp.emplace_back(x - kHalf, y - kHalf);
  }
  return stamp;
}

} // namespace orvik::render
