#pragma once
// The drawing area as the editing session draws on it: the paint box's
// surface, with the last render (ViewImage) and the pan snapshot
// (PanImage) kept beside it.

#include "orvik/app/paint_box.h"
#include "orvik/session/drawing_surface.h"

#include <QImage>

namespace orvik::app {

class PaintBoxSurface final : public session::DrawingSurface {
public:
  explicit PaintBoxSurface(PaintBox &box) : box_(box) {}

  std::int32_t Width() const override { return box_.width(); }
  std::int32_t Height() const override { return box_.height(); }
  void Draw(const std::function<void(render::Canvas &)> &draw) override;
  void Keep(session::Picture which) override;
  void Drop(session::Picture which) override { Image(which) = QImage(); }
  bool Has(session::Picture which) const override {
    return !Image(which).isNull();
  }
  bool Fits(session::Picture which) const override;
  void Put(session::Picture which, std::int32_t dx, std::int32_t dy) override;

  // The last render; null before the first.
  const QImage &ViewImage() const { return view_image_; }

private:
  QImage &Image(session::Picture which) {
    return which == session::Picture::View ? view_image_ : pan_image_;
  }
  const QImage &Image(session::Picture which) const {
    return which == session::Picture::View ? view_image_ : pan_image_;
  }

  PaintBox &box_;
  QImage view_image_, pan_image_;
};

} // namespace orvik::app
