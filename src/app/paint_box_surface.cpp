#include "orvik/app/paint_box_surface.h"

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

void PaintBoxSurface::Draw(const std::function<void(render::Canvas &)> &draw) {
  {
    render::ImageCanvas canvas(box_.Surface());
    draw(canvas);
    canvas.Flush();
  }
  box_.Show();
}

void PaintBoxSurface::Keep(session::Picture which) {
  if (which == session::Picture::View)
    CopyPicture(box_.Surface(), view_image_);
  else
    pan_image_ = box_.Surface().copy();
}

bool PaintBoxSurface::Fits(session::Picture which) const {
  const QImage &image = Image(which);
  return !image.isNull() && image.size() == box_.Surface().size();
}

void PaintBoxSurface::Put(session::Picture which, std::int32_t dx,
                          std::int32_t dy) {
  const QImage &image = Image(which);
  QImage &surface = box_.Surface();
  if (dx == 0 && dy == 0 && SameLayout(image, surface))
    CopyPicture(image, surface);
  else
    QPainter(&surface).drawImage(dx, dy, image);
  box_.Show();
}

} // namespace orvik::app
