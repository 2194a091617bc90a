// View navigation: fit, zoom, centre, shift, the back gesture, the pan,
// the keys and the wheel.

#include "orvik/session/navigator.h"

#include "session_limits.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {
namespace {

// One zoom step of the keys and the wheel.
constexpr double kZoomFactor = 2.0;
constexpr int kWheelNotch = 120;

} // namespace

void Navigator::FitAll() {
  c_.view.SaveView();
  extents_ = render::ComputeExtents(c_.model, extents_);
  render::FitView(c_.view, extents_, c_.surface.Width(), c_.surface.Height());
  picture_.Redraw();
}

// The world point under pixel (x, y) stays under it.
void Navigator::ZoomAt(std::int32_t x, std::int32_t y, double f) {
  geometry::ViewState &view = c_.view;
  const double scale = view.ViewScale() * f;
  if (!ScaleAllowed(scale))
    return;
  view.SaveView();
  view.ZoomAbout(view.WorldX(x), view.WorldY(y), f);
  picture_.Redraw();
}

// The box fills the area in its tighter direction, without a margin.
void Navigator::ZoomToBox(double x1, double y1, double x2, double y2) {
  geometry::ViewState &view = c_.view;
  view.SaveView();
  view.SetSize(c_.surface.Width(), c_.surface.Height());
  double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
  if (!(w > 0.001))
    w = 0.001;
  if (!(h > 0.001))
    h = 0.001;
  const double scale = std::min(view.ViewWidth() / w, view.ViewHeight() / h);
  view.CentreWindow((x1 + x2) / 2, (y1 + y2) / 2, scale);
  picture_.Redraw();
}

// Twice the window, about the box's centre.
void Navigator::ZoomOutAbout(double x1, double y1, double x2, double y2) {
  geometry::ViewState &view = c_.view;
  const double w = 2 * (view.ViewRight() - view.ViewLeft());
  const double h = 2 * (view.ViewTop() - view.ViewBottom());
  const double scale =
      std::min(c_.surface.Width() / w, c_.surface.Height() / h);
  if (!ScaleAllowed(scale))
    return;
  view.SaveView();
  view.SetSize(c_.surface.Width(), c_.surface.Height());
  view.CentreWindow((x1 + x2) / 2, (y1 + y2) / 2, scale);
  picture_.Redraw();
}

void Navigator::CentreOn(double x, double y) {
  geometry::ViewState &view = c_.view;
  view.SaveView();
  view.SetSize(c_.surface.Width(), c_.surface.Height());
  view.MoveBy(x - view.CentreX(), y - view.CentreY());
  picture_.Redraw();
}

// The middle of the extents as last computed, at the same scale and size.
void Navigator::CentreOnExtents() {
  c_.view.SaveView();
  c_.view.CentreWindow((extents_.MinX + extents_.MaxX) / 2,
                       (extents_.MinY + extents_.MaxY) / 2,
                       c_.view.ViewScale());
  picture_.Redraw();
}

void Navigator::Shift(double dx, double dy) {
  c_.view.SaveView();
  c_.view.MoveBy(dx, dy);
  picture_.Redraw();
}

// The back gesture swaps the view with the one before the last step, so
// doing it twice returns to where it was.
void Navigator::GoBack() {
  const geometry::ViewWindow previous = c_.view.PrevView();
  c_.view.SaveView();
  c_.view.SetWindow(previous);
  picture_.Redraw();
}

void Navigator::Paint() {
  picture_.ForgetRubberBoxes();
  if (!IsOpen(c_))
    return;
  if (!c_.surface.Has(Picture::View)) {
    FitAll();
    return;
  }
  picture_.PutBackPicture();
}

void Navigator::AreaResized() {
  if (!IsOpen(c_))
    return;
  geometry::ViewState &view = c_.view;
  const double cx = view.CentreX(), cy = view.CentreY();
  view.SetSize(c_.surface.Width(), c_.surface.Height());
  view.CentreWindow(cx, cy, view.ViewScale());
}

void Navigator::Gesture(std::int32_t px, std::int32_t py, std::int32_t x,
                        std::int32_t y) {
  const geometry::ViewState &view = c_.view;
  const double sx = view.WorldX(px), sy = view.WorldY(py);
  const double ex = view.WorldX(x), ey = view.WorldY(y);
  const double t = 5 / view.ViewScale();
  if (std::fabs(ex - sx) <= t || std::fabs(ey - sy) <= t)
    CentreOn(sx, sy);
  else if (ex > sx && ey < sy) // right and down
    ZoomToBox(sx, sy, ex, ey);
  else if (ex < sx && ey > sy) // left and up
    ZoomOutAbout(sx, sy, ex, ey);
  else if (ex > sx && ey > sy) // right and up
    FitAll();
  else // left and down
    GoBack();
}

void Navigator::PanTo(std::int32_t px, std::int32_t py, std::int32_t x,
                      std::int32_t y) {
  if (!c_.surface.Has(Picture::Pan))
    return;
  picture_.ForgetRubberBox(AreaPicture::Box::Zoom);
  picture_.ShowMoved(Picture::Pan, {1, static_cast<double>(x - px),
                                    static_cast<double>(y - py)});
}

void Navigator::EndPan(std::int32_t px, std::int32_t py, std::int32_t x,
                       std::int32_t y) {
  const geometry::ViewState &view = c_.view;
  const double dx = view.WorldX(px) - view.WorldX(x);
  const double dy = view.WorldY(py) - view.WorldY(y);
  c_.surface.Drop(Picture::Pan);
  Shift(dx, dy);
}

void Navigator::KeyPressed(Key key, bool shift) {
  const geometry::ViewState &view = c_.view;
  // The arrows move by half the window, a tenth of it with Shift.
  const double step = shift ? 10.0 : 2.0;
  const double across = (view.ViewRight() - view.ViewLeft()) / step;
  const double up = (view.ViewTop() - view.ViewBottom()) / step;
  switch (key) {
  case Key::PageUp:
  case Key::PageDown:
    ZoomAt(c_.surface.Width() / 2, c_.surface.Height() / 2,
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
  case Key::Esc: // the pen tool's
    break;
  }
}

// One zoom step per notch; finer wheels add up to notches.
void Navigator::WheelTurned(int angle_delta, std::int32_t x, std::int32_t y) {
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
