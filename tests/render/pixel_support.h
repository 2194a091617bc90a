#pragma once
// Helpers for pixel tests: images in white, pixel colours in the Colour32
// order, and the box of the pixels that are not white.

#include "orvik/util/colour.h"

#include <QImage>

#include <climits>

namespace orvik::test {

inline QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

inline Colour32 PixelAt(const QImage &image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return MakeColour(static_cast<unsigned>(qRed(p)),
                    static_cast<unsigned>(qGreen(p)),
                    static_cast<unsigned>(qBlue(p)));
}

inline bool IsWhite(const QImage &image, int x, int y) {
  return PixelAt(image, x, y) == 0xFFFFFFu;
}

struct PixelBox {
  int min_x = INT_MAX, min_y = INT_MAX, max_x = INT_MIN, max_y = INT_MIN;
  int count = 0;
};

inline PixelBox InkBox(const QImage &image) {
  PixelBox box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!IsWhite(image, x, y)) {
        box.min_x = std::min(box.min_x, x);
        box.max_x = std::max(box.max_x, x);
        box.min_y = std::min(box.min_y, y);
        box.max_y = std::max(box.max_y, y);
        ++box.count;
      }
  return box;
}

} // namespace orvik::test
