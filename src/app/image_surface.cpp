#include "orvik/app/image_surface.h"

#include "orvik/render/image_canvas.h"

#include <QPainter>

#include <cstring>

namespace orvik::app {
namespace {

bool SameLayout(const QImage &a, const QImage &b) {
  return a.size() == b.size() && a.format() == b.format() &&
         a.bytesPerLine() == b.bytesPerLine();
}

// Copies `from` into `to`, reusing `to`'s storage when the layout is the
// same: a fresh picture of a large area costs more in page faults than the
// copy itself.
void CopyPicture(const QImage &from, QImage &to) {
  if (SameLayout(from, to))
    std::memcpy(to.bits(), from.constBits(), from.sizeInBytes());
  else
    to = from.copy();
}

} // namespace

void ImageSurface::Draw(const std::function<void(render::Canvas &)> &draw) {
  {
    render::ImageCanvas canvas(area_);
    draw(canvas);
    canvas.Flush();
  }
  Shown();
}

// On both cores, the elements outside the view passed over.
bool ImageSurface::PaintScene(const render::SceneJob &job,
                              render::AbortCheck *abort) {
  const bool complete = painter_.PaintAll(area_, job, abort);
  Shown();
  return complete;
}

// Only the elements near the box are painted, on the painter's scratch
// picture; the mended View picture then replaces whatever marks the area
// showed.
void ImageSurface::RepaintView(const render::SceneJob &job,
                               const session::PixelBox &box, std::size_t from) {
  if (!Fits(session::Picture::View)) {
    PaintScene(job, nullptr);
    Keep(session::Picture::View);
    return;
  }
  const QRect rect(QPoint(box.left, box.top),
                   QPoint(box.right - 1, box.bottom - 1));
  if (from > 0)
    painter_.PaintOver(view_image_, job, rect, from);
  else
    painter_.PaintRect(view_image_, job, rect);
  Put(session::Picture::View, 0, 0);
}

void ImageSurface::Keep(session::Picture which) {
  if (which == session::Picture::View)
    CopyPicture(area_, view_image_);
  else
    pan_image_ = area_.copy();
}

bool ImageSurface::Fits(session::Picture which) const {
  const QImage &image = Image(which);
  return !image.isNull() && image.size() == area_.size();
}

void ImageSurface::Put(session::Picture which, std::int32_t dx,
                       std::int32_t dy) {
  const QImage &image = Image(which);
  if (dx == 0 && dy == 0 && SameLayout(image, area_))
    CopyPicture(image, area_);
  else
    QPainter(&area_).drawImage(dx, dy, image);
  Shown();
}

void ImageSurface::PutScaled(session::Picture which, double scale, double dx,
                             double dy) {
  QPainter painter(&area_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.translate(dx, dy);
  painter.scale(scale, scale);
  painter.drawImage(0, 0, Image(which));
  painter.end();
  Shown();
}

// Only the box of the marks shown before is cleared: a step of the
// preview costs the mark, not the area.
void ImageSurface::ShowOverlay(
    const session::PixelBox &box,
    const std::function<void(render::Canvas &)> &draw) {
  if (overlay_.image.size() != area_.size()) {
    overlay_.image = QImage(area_.size(), QImage::Format_ARGB32_Premultiplied);
    overlay_.image.fill(Qt::transparent);
    overlay_.box = {};
  }
  const QRect before = overlay_.box;
  Erase(before);
  const QRect now =
      QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1))
          .intersected(overlay_.image.rect());
  if (!now.isEmpty()) {
    render::ImageCanvas canvas(overlay_.image);
    draw(canvas);
  }
  overlay_.box = now;
  OverlayShown(before.united(now));
}

void ImageSurface::ClearOverlay() {
  if (overlay_.box.isEmpty())
    return;
  const QRect before = overlay_.box;
  Erase(before);
  overlay_.box = {};
  OverlayShown(before);
}

void ImageSurface::Erase(const QRect &box) {
  if (box.isEmpty() || overlay_.image.isNull())
    return;
  QPainter painter(&overlay_.image);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(box, Qt::transparent);
}

} // namespace orvik::app
