#pragma once
// Pixel tests: views, white images, pixel colours in the Colour32 order,
// the box of the pixels that are not white, and a stop after some questions.

#include "orvik/geometry/view_state.h"
#include "orvik/render/abort_check.h"
#include "orvik/util/colour.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <climits>

namespace orvik::test {

// A w x h pixel view centred on (x, y) mm at `scale` pixels per mm.
inline geometry::ViewState ViewOf(int w, int h, double x, double y,
                                  double scale) {
  geometry::ViewState v;
  v.SetSize(w, h);
  v.CentreWindow(x, y, scale);
  return v;
}

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
  std::array<int, 4> Bounds() const { return {min_x, min_y, max_x, max_y}; }
};

// The pixels that are not white within x0 <= x < x1, y0 <= y < y1 (the
// whole image by default).
inline PixelBox InkBox(const QImage &image, int x0 = 0, int y0 = 0,
                       int x1 = INT_MAX, int y1 = INT_MAX) {
  PixelBox box;
  for (int y = y0; y < std::min(y1, image.height()); ++y)
    for (int x = x0; x < std::min(x1, image.width()); ++x)
      if (!IsWhite(image, x, y)) {
        box.min_x = std::min(box.min_x, x);
        box.max_x = std::max(box.max_x, x);
        box.min_y = std::min(box.min_y, y);
        box.max_y = std::max(box.max_y, y);
        ++box.count;
      }
  return box;
}

// Answers "go on" to the first `answers` questions, then "stop".
class StopAfter final : public render::AbortCheck {
public:
  explicit StopAfter(int answers) : left_(answers) {}
  bool ShouldStop() override { return left_-- <= 0; }

private:
  int left_;
};

} // namespace orvik::test
