#pragma once
// The scratch picture stamps are made on: transparent, with QPainter kept
// open on it (opening one costs more than drawing a small shape), one
// shape drawn at a time about its centre and taken off again.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <memory>
#include <vector>

namespace orvik::render {

class StampPicture {
public:
  // A picture reaching `half` pixels from its centre every way.
  explicit StampPicture(int half) : half_(half) {}

  // The painter, without antialiasing; the picture is made on first use.
  // Coordinates are the picture's own: the centre is (Half(), Half()).
  QPainter &Painter();
  int Half() const { return half_; }

  // Appends the opaque pixels of `box` (offsets from the centre, within
  // the picture) to `out` as offsets from the centre, and makes them
  // transparent again.
  void TakePixels(const QRect &box, std::vector<QPoint> &out);

private:
  int half_;
  QImage picture_;
  std::unique_ptr<QPainter> painter_; // on picture_, made with it
};

} // namespace orvik::render
