#pragma once
// The drawing area as the session's tests see it: an image in memory with
// its kept pictures and an overlay above it, drawn on through render's
// ImageCanvas. The whole scene is painted in one pass (DrawingSurface::
// PaintScene); a part of the kept picture is mended by render's
// ScenePainter, as the window's surface mends it, so a test that compares
// a mended picture with a full one compares the two ways of painting.

#include "orvik/render/image_canvas.h"
#include "orvik/render/scene_painter.h"
#include "orvik/session/drawing_surface.h"

#include <QImage>
#include <QPainter>

namespace orvik::test {

class TestSurface final : public session::DrawingSurface {
public:
  // `area`: the area's pixels (Format_RGB32), owned by the caller.
  explicit TestSurface(QImage &area) : area_(area) {}

  std::int32_t Width() const override { return area_.width(); }
  std::int32_t Height() const override { return area_.height(); }
  void Draw(const std::function<void(render::Canvas &)> &draw) override {
    render::ImageCanvas canvas(area_);
    draw(canvas);
    canvas.Flush();
  }
  void Keep(session::Picture which) override { Image(which) = area_.copy(); }
  void Drop(session::Picture which) override { Image(which) = QImage(); }
  bool Has(session::Picture which) const override {
    return !Image(which).isNull();
  }
  bool Fits(session::Picture which) const override {
    return Has(which) && Image(which).size() == area_.size();
  }
  void Put(session::Picture which, std::int32_t dx, std::int32_t dy) override {
    QPainter(&area_).drawImage(dx, dy, Image(which));
  }
  void PutScaled(session::Picture which, double scale, double dx,
                 double dy) override {
    QPainter painter(&area_);
    painter.translate(dx, dy);
    painter.scale(scale, scale);
    painter.drawImage(0, 0, Image(which));
  }
  void ShowOverlay(const session::PixelBox &box,
                   const std::function<void(render::Canvas &)> &draw) override {
    overlay_ = QImage(area_.size(), QImage::Format_ARGB32_Premultiplied);
    overlay_.fill(Qt::transparent);
    overlay_box_ =
        QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
    render::ImageCanvas canvas(overlay_);
    draw(canvas);
  }
  void ClearOverlay() override { overlay_ = QImage(); }
  void RepaintView(const render::SceneJob &job, const session::PixelBox &box,
                   std::size_t from) override {
    if (!Fits(session::Picture::View)) {
      PaintScene(job, nullptr);
      Keep(session::Picture::View);
      return;
    }
    const QRect rect(QPoint(box.left, box.top),
                     QPoint(box.right - 1, box.bottom - 1));
    if (from > 0)
      painter_.PaintOver(view_, job, rect, from);
    else
      painter_.PaintRect(view_, job, rect);
    Put(session::Picture::View, 0, 0);
  }

  // The last render; null before the first.
  const QImage &ViewImage() const { return view_; }
  // The area with the overlay's box of marks laid over it.
  QImage Shown() const {
    QImage shown = area_.copy();
    if (!overlay_.isNull())
      QPainter(&shown).drawImage(overlay_box_.topLeft(), overlay_,
                                 overlay_box_);
    return shown;
  }

private:
  QImage &Image(session::Picture which) {
    return which == session::Picture::View ? view_ : pan_;
  }
  const QImage &Image(session::Picture which) const {
    return which == session::Picture::View ? view_ : pan_;
  }

  QImage &area_;
  QImage view_, pan_, overlay_;
  QRect overlay_box_;
  render::ScenePainter painter_;
};

} // namespace orvik::test
