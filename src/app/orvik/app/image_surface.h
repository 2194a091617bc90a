#pragma once
// The drawing area as a picture in memory, as the editing session draws
// on it: the area's pixels, the last render (ViewImage) and the pan
// snapshot (PanImage) kept beside them, the overlay above them, and the
// scene painted on both cores. The window's paint box shows such an area;
// the headless tests and benchmarks use one alone.

#include "orvik/render/scene_painter.h"
#include "orvik/session/drawing_surface.h"

#include <QImage>

namespace orvik::app {

// Marks shown above an area: a transparent picture of the area's size
// (Format_ARGB32_Premultiplied, null until first drawn), and the box of it
// that holds them (empty when it shows nothing).
struct Overlay {
  QImage image;
  QRect box;
};

class ImageSurface : public session::DrawingSurface {
public:
  // `area`: the area's pixels (Format_RGB32), owned by the caller, which
  // keeps it the area's size.
  explicit ImageSurface(QImage &area) : area_(area) {}

  std::int32_t Width() const override { return area_.width(); }
  std::int32_t Height() const override { return area_.height(); }
  void Draw(const std::function<void(render::Canvas &)> &draw) override;
  void Keep(session::Picture which) override;
  void Drop(session::Picture which) override { Image(which) = QImage(); }
  bool Has(session::Picture which) const override {
    return !Image(which).isNull();
  }
  bool Fits(session::Picture which) const override;
  void Put(session::Picture which, std::int32_t dx, std::int32_t dy) override;
  void PutScaled(session::Picture which, double scale, double dx,
                 double dy) override;
  void ShowOverlay(const session::PixelBox &box,
                   const std::function<void(render::Canvas &)> &draw) override;
  void ClearOverlay() override;
  bool PaintScene(const render::SceneJob &job,
                  render::AbortCheck *abort) override;
  void RepaintView(const render::SceneJob &job, const session::PixelBox &box,
                   std::size_t from) override;

  // The last render; null before the first.
  const QImage &ViewImage() const { return view_image_; }
  const Overlay &OverlayLayer() const { return overlay_; }

protected:
  // What was drawn onto the area is complete: time to show it.
  virtual void Shown() {}
  // The overlay changed within `box`.
  virtual void OverlayShown(const QRect &) {}

private:
  QImage &Image(session::Picture which) {
    return which == session::Picture::View ? view_image_ : pan_image_;
  }
  const QImage &Image(session::Picture which) const {
    return which == session::Picture::View ? view_image_ : pan_image_;
  }

  // Makes `box` of the overlay transparent.
  void Erase(const QRect &box);

  QImage &area_;
  QImage view_image_, pan_image_;
  Overlay overlay_;
  render::ScenePainter painter_;
};

} // namespace orvik::app
