#include "orvik/render/stamp_picture.h"

namespace orvik::render {

QPainter &StampPicture::Painter() {
  if (painter_ == nullptr) {
    picture_ = QImage(2 * half_ + 1, 2 * half_ + 1,
                      QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&picture_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  return *painter_;
}

void StampPicture::TakePixels(const QRect &box, std::vector<QPoint> &out) {
  for (int y = box.top(); y <= box.bottom(); ++y) {
    auto *row = reinterpret_cast<QRgb *>(picture_.scanLine(y + half_));
    for (int x = box.left(); x <= box.right(); ++x)
      if (qAlpha(row[x + half_]) != 0) {
        out.emplace_back(x, y);
        row[x + half_] = 0;
      }
  }
}

} // namespace orvik::render
