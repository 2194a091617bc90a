// Fingers on the drawing area: they move and zoom the picture and take
// back the newest element; they never draw, snap, set the grid's reference
// point or click. While a gesture lasts the picture of its start is shown
// moved and scaled, as the middle-button drag shows it; the view changes
// once, when the last finger lifts.

#include "orvik/session/navigator.h"

#include "session_limits.h"

namespace orvik::session {

void Navigator::TouchPressed(std::int32_t id, std::int32_t x, std::int32_t y) {
  if (!touch_.Active()) {
    const double scale = c_.view.ViewScale();
    touch_.Begin(kMinScale / scale, kMaxScale / scale);
    c_.surface.ClearOverlay();
    c_.surface.Keep(Picture::Pan);
  }
  if (touch_.Down(id, x, y))
    ShowTouch();
}

void Navigator::TouchMoved(std::int32_t id, std::int32_t x, std::int32_t y) {
  if (touch_.Active() && touch_.Move(id, x, y))
    ShowTouch();
}

bool Navigator::TouchReleased(std::int32_t id, std::int32_t x, std::int32_t y) {
  if (!touch_.Active() || !touch_.Up(id, x, y))
    return false;
  if (!touch_.Active())
    return FinishTouch();
  ShowTouch();
  return false;
}

void Navigator::TouchCancelled() {
  if (!touch_.Active())
    return;
  touch_.Reset();
  c_.surface.Drop(Picture::Pan);
  picture_.PutBackPicture();
}

void Navigator::ShowTouch() {
  if (c_.surface.Has(Picture::Pan))
    picture_.ShowMoved(Picture::Pan, touch_.Current());
}

// The area's pixel q now shows what its pixel (q - offset) / scale showed
// when the gesture began: the view follows. A tap of two fingers leaves the
// view.
bool Navigator::FinishTouch() {
  const TouchGesture::Transform t = touch_.Current();
  const bool tap = touch_.WasTwoFingerTap();
  touch_.Reset();
  c_.surface.Drop(Picture::Pan);
  if (tap || t.Identity()) {
    picture_.PutBackPicture();
    return tap;
  }
  geometry::ViewState &view = c_.view;
  const double scale = view.ViewScale() * t.scale;
  const double left = view.WorldX(-t.dx / t.scale);
  const double top = view.WorldY(-t.dy / t.scale);
  view.SaveView();
  view.SetWindow({scale, left, top - view.ViewHeight() / scale,
                  left + view.ViewWidth() / scale, top});
  picture_.Redraw();
  return false;
}

} // namespace orvik::session
