// The drawing area's picture: full and partial redraws, putting it back,
// showing it moved, and the XOR rubber boxes.

#include "orvik/session/area_picture.h"

#include "escape_watch.h"

#include "orvik/render/element_renderer.h"
#include "orvik/render/primitives.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {

// The boxes follow the model's lists, so elements outside the part being
// painted can be passed over.
render::SceneJob AreaPicture::Job() const {
  return {c_.model, c_.pens, c_.view, c_.grid, &codes_, &boxes_};
}

bool AreaPicture::Redraw() {
  if (!IsOpen(c_))
    return true;
  ForgetRubberBoxes(); // the clear wipes them
  marks_ = {};
  boxes_.Sync(c_.model, c_.pens, &codes_);
  EscapeWatch abort(c_.services);
  const bool complete = c_.surface.PaintScene(Job(), &abort);
  if (!complete)
    swallow_escape_ = true;
  c_.surface.Keep(Picture::View);
  Repainted();
  return complete;
}

// The picture of the whole scene is mended where it changed; the marks go
// with it. Pixel for pixel what Redraw would paint, in a fraction of the
// time on a large drawing.
void AreaPicture::RedrawAround(const PixelBox &changed, std::size_t from) {
  if (!IsOpen(c_))
    return;
  DrawingSurface &surface = c_.surface;
  if (!surface.Fits(Picture::View)) {
    Redraw();
    return;
  }
  const PixelBox area{0, 0, surface.Width(), surface.Height()};
  PixelBox box = changed.United(marks_);
  box = {std::max(box.left, area.left), std::max(box.top, area.top),
         std::min(box.right, area.right), std::min(box.bottom, area.bottom)};
  ForgetRubberBoxes();
  marks_ = {};
  boxes_.Sync(c_.model, c_.pens, &codes_);
  if (box.Empty())
    surface.Put(Picture::View, 0, 0);
  else
    surface.RepaintView(Job(), box, from);
  Repainted();
}

// A new element is the last of its list, so it is painted with what its
// list and the later lists draw over it.
void AreaPicture::RedrawAdded(std::size_t before) {
  const exchange::DrawingModel &m = c_.model;
  if (m.EntOrder.Count() <= before) {
    RedrawAround({});
    return;
  }
  const PixelBox pixels = PixelsOfNewest();
  const exchange::TJwwEntOrder newest = m.EntOrder.Last();
  RedrawAround(pixels, render::ElementRenderer::PositionOf(m, newest.Kind,
                                                           newest.Index));
}

PixelBox AreaPicture::PixelsOfNewest() {
  boxes_.Sync(c_.model, c_.pens, &codes_);
  const exchange::TJwwEntOrder newest = c_.model.EntOrder.Last();
  return PixelsOf(newest.Kind, newest.Index);
}

// The pixels an element may light, from its box and its kind's margin;
// the whole area for an element without a finite box.
PixelBox AreaPicture::PixelsOf(exchange::EntKind kind,
                               std::size_t index) const {
  const render::WorldBox b = boxes_.Box(kind, index);
  if (!(b.x0 <= b.x1) || !(b.y0 <= b.y1))
    return {0, 0, c_.surface.Width(), c_.surface.Height()};
  const geometry::ViewState &view = c_.view;
  const double m = render::ElementBoxes::MarginPixels(kind) + 2;
  const double left = std::floor(view.PixelX(b.x0) - m);
  const double right = std::ceil(view.PixelX(b.x1) + m);
  const double top = std::floor(view.PixelY(b.y1) - m);
  const double bottom = std::ceil(view.PixelY(b.y0) + m);
  const auto pixel = [](double v) {
    return static_cast<std::int32_t>(std::clamp(v, -1e9, 1e9));
  };
  return {pixel(left), pixel(top), pixel(right) + 1, pixel(bottom) + 1};
}

// The frame shows where the picture does not cover the area (it has grown
// since the last render).
void AreaPicture::PutBackPicture() {
  DrawingSurface &surface = c_.surface;
  if (!surface.Fits(Picture::View)) {
    surface.Draw([this, &surface](render::Canvas &canvas) {
      render::Primitives p(canvas, c_.view, c_.pens);
      const std::int32_t w = surface.Width(), h = surface.Height();
      p.ClearBackground(w, h);
      p.SetPen(0xFF0000, render::PenStyle::Solid, 0);
      p.PixelRectangle(0, 0, w - 1, h - 1);
    });
  }
  surface.Put(Picture::View, 0, 0);
}

void AreaPicture::ShowMoved(Picture which, const TouchGesture::Transform &t) {
  DrawingSurface &surface = c_.surface;
  surface.Draw([this, &surface](render::Canvas &canvas) {
    render::Primitives(canvas, c_.view, c_.pens)
        .ClearBackground(surface.Width(), surface.Height());
  });
  const bool whole = t.scale == 1 && std::trunc(t.dx) == t.dx &&
                     std::trunc(t.dy) == t.dy && std::fabs(t.dx) < 1e9 &&
                     std::fabs(t.dy) < 1e9;
  if (whole)
    surface.Put(which, static_cast<std::int32_t>(t.dx),
                static_cast<std::int32_t>(t.dy));
  else
    surface.PutScaled(which, t.scale, t.dx, t.dy);
}

void AreaPicture::DragRubberBox(Box which, std::int32_t x1, std::int32_t y1,
                                std::int32_t x2, std::int32_t y2) {
  RubberBox &box = Rubber(which);
  if (box.shown)
    XorBox(box);
  box = {true, x1, y1, x2, y2};
  XorBox(box);
}

void AreaPicture::WipeRubberBox(Box which) {
  RubberBox &box = Rubber(which);
  if (box.shown)
    XorBox(box);
  box.shown = false;
}

void AreaPicture::ForgetRubberBoxes() {
  ForgetRubberBox(Box::Zoom);
  ForgetRubberBox(Box::Drag);
}

void AreaPicture::XorBox(const RubberBox &box) {
  c_.surface.Draw([this, &box](render::Canvas &canvas) {
    render::Primitives p(canvas, c_.view, c_.pens);
    p.XorMode();
    p.SetPen(c_.pens.GetColourScheme() == 0 ? 0xFFFF00 : 0x0000FF,
             render::PenStyle::Solid, 3);
    p.PixelRectangle(box.x1, box.y1, box.x2, box.y2);
  });
}

} // namespace orvik::session
