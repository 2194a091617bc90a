// Fingers on the drawing area: they move and zoom the picture and take
// back the newest element; they never draw, snap, set the grid's reference
// point or click. While a gesture lasts the picture of its start is shown
// moved and scaled, as the middle-button drag shows it; the view changes
// once, when the last finger lifts.

#include "orvik/session/edit_session.h"

#include "session_limits.h"

namespace orvik::session {

// The palm of a hand that holds the pen, or fingers during a mouse drag,
// are not the user's navigation.
bool EditSession::TouchAllowed() const {
  return state_ == State::Open && !pen_in_range_ && !(flags_ & kAnyButton);
}

void EditSession::TouchPressed(std::int32_t id, std::int32_t x,
                               std::int32_t y) {
  if (!TouchAllowed())
    return;
  if (!touch_.Active()) {
    touch_.Begin(kMinScale / view_.ViewScale(), kMaxScale / view_.ViewScale());
    surface_.ClearOverlay();
    surface_.Keep(Picture::Pan);
  }
  if (touch_.Down(id, x, y))
    ShowTouch();
}

void EditSession::TouchMoved(std::int32_t id, std::int32_t x, std::int32_t y) {
  if (touch_.Active() && touch_.Move(id, x, y))
    ShowTouch();
}

void EditSession::TouchReleased(std::int32_t id, std::int32_t x,
                                std::int32_t y) {
  if (!touch_.Active() || !touch_.Up(id, x, y))
    return;
  if (touch_.Active())
    ShowTouch();
  else
    FinishTouch();
}

void EditSession::TouchCancelled() {
  if (!touch_.Active())
    return;
  touch_.Reset();
  surface_.Drop(Picture::Pan);
  PutBackPicture();
}

void EditSession::ShowTouch() {
  if (surface_.Has(Picture::Pan))
    ShowMoved(Picture::Pan, touch_.Current());
}

// The area's pixel q now shows what its pixel (q - offset) / scale showed
// when the gesture began: the view follows. A tap of two fingers leaves the
// view and takes back the newest element.
void EditSession::FinishTouch() {
  const TouchGesture::Transform t = touch_.Current();
  const bool tap = touch_.WasTwoFingerTap();
  touch_.Reset();
  surface_.Drop(Picture::Pan);
  if (tap || t.Identity()) {
    PutBackPicture();
    if (tap)
      DeleteNewest();
    return;
  }
  const double scale = view_.ViewScale() * t.scale;
  const double left = view_.WorldX(-t.dx / t.scale);
  const double top = view_.WorldY(-t.dy / t.scale);
  view_.SaveView();
  view_.SetWindow({scale, left, top - view_.ViewHeight() / scale,
                   left + view_.ViewWidth() / scale, top});
  Redraw();
}

} // namespace orvik::session
