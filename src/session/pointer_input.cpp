// Pointer, pen and touch input on the drawing area: the press bookkeeping
// and where each event goes. The middle button pans and both buttons zoom
// (Navigator); the left button draws in the drawing modes (PenTool) and
// gestures in the screen-operation mode; fingers navigate.

#include "orvik/session/edit_session.h"

#include <utility>

namespace orvik::session {
namespace {

constexpr std::int32_t kBothButtons = kLeftButton | kRightButton;

// The palm of a hand that holds the pen, or fingers during a mouse drag,
// are not the user's navigation.
bool TouchAllowed(const SessionContext &c, const PointerState &pointer) {
  return IsOpen(c) && !pointer.pen_in_range && !(pointer.flags & kAnyButton);
}

} // namespace

void EditSession::PointerPressed(const PointerPress &press) {
  if (!IsOpen())
    return;
  if (navigator_.Touching())
    TouchCancelled();
  // Only a stroke of a drawing mode keeps the preview: at its press point.
  if (press.button != kLeftButton || pen_.Mode() == kScreenMode)
    context_.surface.ClearOverlay();
  std::int32_t &flags = pointer_.flags;
  // Flags left from a press whose release never arrived (the window lost
  // the mouse meanwhile) would tie this press to that old one.
  if (flags != 0 && (press.flags & kAnyButton & ~press.button) == 0)
    flags = 0;
  // A second button pressed during a drag keeps the first press point.
  if (!(flags & kBothButtons)) {
    pointer_.press_x = press.x;
    pointer_.press_y = press.y;
  }
  // A left press with no other button held starts a stroke's path.
  if (!(flags & kAnyButton) && press.button == kLeftButton)
    pen_.StartStroke(press.x, press.y);
  flags |= press.flags;
  if (flags & kMiddleButton)
    context_.surface.Keep(Picture::Pan);
}

void EditSession::PointerMoved(std::int32_t x, std::int32_t y) {
  if (!IsOpen())
    return;
  pointer_.in = true;
  pointer_.x = x;
  pointer_.y = y;
  const std::int32_t flags = pointer_.flags;
  const std::int32_t px = pointer_.press_x, py = pointer_.press_y;
  if (!(flags & kAnyButton)) {
    ShowPreview();
  } else if ((flags & kBothButtons) == kBothButtons) {
    picture_.DragRubberBox(AreaPicture::Box::Zoom, px, py, x, y);
  } else if (flags & kMiddleButton) {
    navigator_.PanTo(px, py, x, y);
  } else if (flags & kLeftButton) {
    if (pen_.Mode() == kScreenMode)
      picture_.DragRubberBox(AreaPicture::Box::Drag, px, py, x, y);
    else if (pen_.StrokeMoved(x, y))
      ShowPreview();
  }
}

void EditSession::PointerReleased(std::int32_t x, std::int32_t y) {
  if (!IsOpen())
    return;
  const std::int32_t flags = pointer_.flags;
  const std::int32_t px = pointer_.press_x, py = pointer_.press_y;
  if ((flags & kBothButtons) == kBothButtons) {
    picture_.WipeRubberBox(AreaPicture::Box::Zoom);
    navigator_.Gesture(px, py, x, y);
  } else if (flags & kMiddleButton) {
    navigator_.EndPan(px, py, x, y);
  } else if (flags & kLeftButton) {
    if (pen_.Mode() == kScreenMode) {
      picture_.WipeRubberBox(AreaPicture::Box::Drag);
      navigator_.Gesture(px, py, x, y);
    } else {
      pen_.StrokeReleased(px, py, x, y);
    }
  }
  pointer_.flags = 0;
  ShowPreview();
}

void EditSession::PointerLeft() {
  pointer_.in = false;
  context_.surface.ClearOverlay();
}

// Never while fingers move the picture.
void EditSession::ShowPreview() {
  if (!IsOpen() || !pointer_.in || navigator_.Touching())
    context_.surface.ClearOverlay();
  else
    pen_.ShowPreview(pointer_.x, pointer_.y);
}

// A press or hover also ends an eraser stroke whose release was lost.
void EditSession::PenPressed(std::int32_t x, std::int32_t y, PenEnd end) {
  PenNear();
  pointer_.erasing = end == PenEnd::Eraser;
  if (!pointer_.erasing)
    PointerPressed({x, y, kLeftButton, kLeftButton});
}

void EditSession::PenMoved(std::int32_t x, std::int32_t y) {
  PenNear();
  if (!pointer_.erasing)
    PointerMoved(x, y);
}

void EditSession::PenReleased(std::int32_t x, std::int32_t y) {
  PenNear();
  if (!std::exchange(pointer_.erasing, false))
    PointerReleased(x, y);
  else if (IsOpen())
    pen_.DeleteNewest();
}

void EditSession::PenHovered(std::int32_t x, std::int32_t y) {
  PenNear();
  pointer_.erasing = false;
  PointerMoved(x, y);
}

void EditSession::PenLeft() {
  pointer_.pen_in_range = pointer_.erasing = false;
  PointerLeft();
}

// A pen near the tablet rules touches out, and ends a touch gesture that
// the palm may have started.
void EditSession::PenNear() {
  pointer_.pen_in_range = true;
  if (navigator_.Touching())
    TouchCancelled();
}

void EditSession::TouchPressed(std::int32_t id, std::int32_t x,
                               std::int32_t y) {
  if (TouchAllowed(context_, pointer_))
    navigator_.TouchPressed(id, x, y);
}

void EditSession::TouchMoved(std::int32_t id, std::int32_t x, std::int32_t y) {
  navigator_.TouchMoved(id, x, y);
}

void EditSession::TouchReleased(std::int32_t id, std::int32_t x,
                                std::int32_t y) {
  if (navigator_.TouchReleased(id, x, y))
    pen_.DeleteNewest();
}

void EditSession::TouchCancelled() { navigator_.TouchCancelled(); }

void EditSession::WheelTurned(int angle_delta, std::int32_t x, std::int32_t y) {
  if (IsOpen())
    navigator_.WheelTurned(angle_delta, x, y);
}

} // namespace orvik::session
