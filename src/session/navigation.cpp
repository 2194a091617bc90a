// View navigation and the full redraw: fit, zoom, pan, the back gesture,
// the keys and the wheel.

#include "orvik/session/edit_session.h"

#include "escape_watch.h"
#include "session_limits.h"

#include "orvik/render/primitives.h"
#include "orvik/render/scene.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {
namespace {

// One zoom step of the keys and the wheel.
constexpr double kZoomFactor = 2.0;
constexpr int kWheelNotch = 120;

} // namespace

void EditSession::FitAll() {
  view_.SaveView();
  extents_ = render::ComputeExtents(model_, extents_);
  render::FitView(view_, extents_, surface_.Width(), surface_.Height());
  Redraw();
}

// The world point under pixel (x, y) stays under it.
void EditSession::ZoomAt(std::int32_t x, std::int32_t y, double f) {
  const double scale = view_.ViewScale() * f;
  if (!ScaleAllowed(scale))
    return;
  view_.SaveView();
  view_.ZoomAbout(view_.WorldX(x), view_.WorldY(y), f);
  Redraw();
}

// The box fills the area in its tighter direction, without a margin.
void EditSession::ZoomToBox(double x1, double y1, double x2, double y2) {
  view_.SaveView();
  view_.SetSize(surface_.Width(), surface_.Height());
  double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
  if (!(w > 0.001))
    w = 0.001;
  if (!(h > 0.001))
    h = 0.001;
  const double scale = std::min(view_.ViewWidth() / w, view_.ViewHeight() / h);
  view_.CentreWindow((x1 + x2) / 2, (y1 + y2) / 2, scale);
  Redraw();
}

// Twice the window, about the box's centre.
void EditSession::ZoomOutAbout(double x1, double y1, double x2, double y2) {
  const double w = 2 * (view_.ViewRight() - view_.ViewLeft());
  const double h = 2 * (view_.ViewTop() - view_.ViewBottom());
  const double scale = std::min(surface_.Width() / w, surface_.Height() / h);
  if (!ScaleAllowed(scale))
    return;
  view_.SaveView();
  view_.SetSize(surface_.Width(), surface_.Height());
  view_.CentreWindow((x1 + x2) / 2, (y1 + y2) / 2, scale);
  Redraw();
}

void EditSession::CentreOn(double x, double y) {
  view_.SaveView();
  view_.SetSize(surface_.Width(), surface_.Height());
  view_.MoveBy(x - view_.CentreX(), y - view_.CentreY());
  Redraw();
}

// The middle of the extents as last computed, at the same scale and size.
void EditSession::CentreOnExtents() {
  view_.SaveView();
  view_.CentreWindow((extents_.MinX + extents_.MaxX) / 2,
                     (extents_.MinY + extents_.MaxY) / 2, view_.ViewScale());
  Redraw();
}

void EditSession::Shift(double dx, double dy) {
  view_.SaveView();
  view_.MoveBy(dx, dy);
  Redraw();
}

// The back gesture swaps the view with the one before the last step, so
// doing it twice returns to where it was.
void EditSession::GoBack() {
  const geometry::ViewWindow previous = view_.PrevView();
  view_.SaveView();
  view_.SetWindow(previous);
  Redraw();
}

// The boxes follow the model's lists, so elements outside the part being
// painted can be passed over.
render::SceneJob EditSession::Job() const {
  return {model_,  pens_,
          view_,   {grid_on_, grid_spacing_, grid_origin_.x, grid_origin_.y},
          &codes_, &boxes_};
}

bool EditSession::Redraw() {
  if (state_ != State::Open)
    return true;
  zoom_box_.shown = drag_box_.shown = false; // the clear wipes them
  marks_ = {};
  boxes_.Sync(model_, pens_, &codes_);
  EscapeWatch abort(services_);
  const bool complete = surface_.PaintScene(Job(), &abort);
  if (!complete)
    swallow_escape_ = true;
  surface_.Keep(Picture::View);
  RequestSnapIndex();
  ShowPreview(); // the view or what snaps may have changed
  return complete;
}

// The picture of the whole scene is mended where it changed; the marks go
// with it. Pixel for pixel what Redraw would paint, in a fraction of the
// time on a large drawing.
void EditSession::RedrawAround(const PixelBox &changed, std::size_t from) {
  if (state_ != State::Open)
    return;
  if (!surface_.Fits(Picture::View)) {
    Redraw();
    return;
  }
  const PixelBox area{0, 0, surface_.Width(), surface_.Height()};
  PixelBox box = changed.United(marks_);
  box = {std::max(box.left, area.left), std::max(box.top, area.top),
         std::min(box.right, area.right), std::min(box.bottom, area.bottom)};
  zoom_box_.shown = drag_box_.shown = false;
  marks_ = {};
  boxes_.Sync(model_, pens_, &codes_);
  if (box.Empty())
    surface_.Put(Picture::View, 0, 0);
  else
    surface_.RepaintView(Job(), box, from);
  RequestSnapIndex();
  ShowPreview();
}

// The pixels an element may light, from its box and its kind's margin;
// the whole area for an element without a finite box.
PixelBox EditSession::PixelsOf(exchange::EntKind kind,
                               std::size_t index) const {
  const render::WorldBox b = boxes_.Box(kind, index);
  if (!(b.x0 <= b.x1) || !(b.y0 <= b.y1))
    return {0, 0, surface_.Width(), surface_.Height()};
  const double m = render::ElementBoxes::MarginPixels(kind) + 2;
  const double left = std::floor(view_.PixelX(b.x0) - m);
  const double right = std::ceil(view_.PixelX(b.x1) + m);
  const double top = std::floor(view_.PixelY(b.y1) - m);
  const double bottom = std::ceil(view_.PixelY(b.y0) + m);
  const auto pixel = [](double v) {
    return static_cast<std::int32_t>(std::clamp(v, -1e9, 1e9));
  };
  return {pixel(left), pixel(top), pixel(right) + 1, pixel(bottom) + 1};
}

void EditSession::Paint() {
  zoom_box_.shown = drag_box_.shown = false;
  if (state_ != State::Open)
    return;
  if (!surface_.Has(Picture::View)) {
    FitAll();
    return;
  }
  PutBackPicture();
}

// The last render over the background and the frame (which the picture
// covers unless the area has grown since).
void EditSession::PutBackPicture() {
  if (!surface_.Fits(Picture::View)) {
    surface_.Draw([this](render::Canvas &canvas) {
      render::Primitives p(canvas, view_, pens_);
      const std::int32_t w = surface_.Width(), h = surface_.Height();
      p.ClearBackground(w, h);
      p.SetPen(0xFF0000, render::PenStyle::Solid, 0);
      p.PixelRectangle(0, 0, w - 1, h - 1);
    });
  }
  surface_.Put(Picture::View, 0, 0);
}

void EditSession::AreaResized() {
  if (state_ != State::Open)
    return;
  const double cx = view_.CentreX(), cy = view_.CentreY();
  view_.SetSize(surface_.Width(), surface_.Height());
  view_.CentreWindow(cx, cy, view_.ViewScale());
}

bool EditSession::KeyPressed(Key key, bool shift) {
  if (state_ != State::Open)
    return false;
  // The arrows move by half the window, a tenth of it with Shift.
  const double step = shift ? 10.0 : 2.0;
  const double across = (view_.ViewRight() - view_.ViewLeft()) / step;
  const double up = (view_.ViewTop() - view_.ViewBottom()) / step;
  switch (key) {
  case Key::PageUp:
  case Key::PageDown:
    ZoomAt(surface_.Width() / 2, surface_.Height() / 2,
           key == Key::PageUp ? kZoomFactor : 1 / kZoomFactor);
    break;
  case Key::Home:
    FitAll();
    break;
  case Key::End:
  case Key::Insert:
    CentreOnExtents();
    break;
  case Key::Left:
  case Key::Right:
    Shift(key == Key::Left ? -across : across, 0);
    break;
  case Key::Up:
  case Key::Down:
    Shift(0, key == Key::Up ? up : -up);
    break;
  case Key::Esc:
    if (!swallow_escape_)
      DeleteNewest();
    break;
  }
  return true;
}

// One zoom step per notch; finer wheels add up to notches.
void EditSession::WheelTurned(int angle_delta, std::int32_t x, std::int32_t y) {
  if (state_ != State::Open)
    return;
  wheel_remainder_ += angle_delta;
  while (wheel_remainder_ <= -kWheelNotch) {
    wheel_remainder_ += kWheelNotch;
    ZoomAt(x, y, kZoomFactor);
  }
  while (wheel_remainder_ >= kWheelNotch) {
    wheel_remainder_ -= kWheelNotch;
    ZoomAt(x, y, 1 / kZoomFactor);
  }
}

} // namespace orvik::session
