// Pointer input on the drawing area: the press bookkeeping, the
// middle-button pan, the rubber boxes, the gestures of the
// screen-operation mode, and the pen. Strokes of the drawing modes go on
// to drawing_modes.cpp.

#include "orvik/session/edit_session.h"

#include "orvik/render/primitives.h"

#include <cmath>
#include <utility>

namespace orvik::session {
namespace {

constexpr std::int32_t kBothButtons = kLeftButton | kRightButton;

// A long stroke keeps every other point once it has this many: the shape
// stays, the memory stays bounded.
constexpr std::size_t kMaxPathPoints = 1 << 16;

} // namespace

void EditSession::PointerPressed(const PointerPress &press) {
  if (state_ != State::Open)
    return;
  if (touch_.Active())
    TouchCancelled();
  // Only a stroke of a drawing mode keeps the preview: at its press point.
  if (press.button != kLeftButton || mode_ == kScreenMode)
    surface_.ClearOverlay();
  // Flags left from a press whose release never arrived (the window lost
  // the mouse meanwhile) would tie this press to that old one.
  if (flags_ != 0 && (press.flags & kAnyButton & ~press.button) == 0)
    flags_ = 0;
  // A second button pressed during a drag keeps the first press point.
  if (!(flags_ & kBothButtons)) {
    press_x_ = press.x;
    press_y_ = press.y;
  }
  // A left press with no other button held starts a stroke's path.
  if (!(flags_ & kAnyButton) && press.button == kLeftButton)
    path_.assign(1,
                 {static_cast<double>(press.x), static_cast<double>(press.y)});
  flags_ |= press.flags;
  if (flags_ & kMiddleButton)
    surface_.Keep(Picture::Pan);
}

void EditSession::PointerMoved(std::int32_t x, std::int32_t y) {
  if (state_ != State::Open)
    return;
  pointer_in_ = true;
  pointer_x_ = x;
  pointer_y_ = y;
  if (!(flags_ & kAnyButton)) {
    ShowPreview();
  } else if ((flags_ & kBothButtons) == kBothButtons) {
    DragRubberBox(zoom_box_, x, y);
  } else if (flags_ & kMiddleButton) {
    PanTo(x, y);
  } else if (flags_ & kLeftButton) {
    if (mode_ == kScreenMode)
      DragRubberBox(drag_box_, x, y);
    else if (mode_ == kLineMode || mode_ == kArcMode) {
      PenTrace(x, y);
      RecordPath(x, y);
      ShowPreview();
    }
  }
}

void EditSession::PointerReleased(std::int32_t x, std::int32_t y) {
  if (state_ != State::Open)
    return;
  const double sx = view_.WorldX(press_x_), sy = view_.WorldY(press_y_);
  const double ex = view_.WorldX(x), ey = view_.WorldY(y);
  if ((flags_ & kBothButtons) == kBothButtons) {
    if (zoom_box_.shown)
      XorBox(zoom_box_);
    zoom_box_.shown = false;
    Gesture(sx, sy, ex, ey);
  } else if (flags_ & kMiddleButton) {
    // The drawing follows the mouse.
    surface_.Drop(Picture::Pan);
    Shift(sx - ex, sy - ey);
  } else if (flags_ & kLeftButton) {
    if (mode_ == kScreenMode) {
      if (drag_box_.shown)
        XorBox(drag_box_);
      drag_box_.shown = false;
      Gesture(sx, sy, ex, ey);
    } else {
      RecordPath(x, y);
      DrawingRelease(x, y);
    }
  }
  flags_ = 0;
  ShowPreview();
}

// A press or hover also ends an eraser stroke whose release was lost.
void EditSession::PenPressed(std::int32_t x, std::int32_t y, PenEnd end) {
  PenNear();
  erasing_ = end == PenEnd::Eraser;
  if (!erasing_)
    PointerPressed({x, y, kLeftButton, kLeftButton});
}

void EditSession::PenMoved(std::int32_t x, std::int32_t y) {
  PenNear();
  if (!erasing_)
    PointerMoved(x, y);
}

void EditSession::PenReleased(std::int32_t x, std::int32_t y) {
  PenNear();
  if (!std::exchange(erasing_, false))
    PointerReleased(x, y);
  else if (state_ == State::Open)
    DeleteNewest();
}

void EditSession::PenHovered(std::int32_t x, std::int32_t y) {
  PenNear();
  erasing_ = false;
  PointerMoved(x, y);
}

void EditSession::PenLeft() {
  pen_in_range_ = erasing_ = false;
  PointerLeft();
}

// A pen near the tablet rules touches out, and ends a touch gesture that
// the palm may have started.
void EditSession::PenNear() {
  pen_in_range_ = true;
  if (touch_.Active())
    TouchCancelled();
}

// A click or a drag along one axis (within 5 pixels) recentres on the
// press point; otherwise the drag's direction on screen chooses the step.
void EditSession::Gesture(double sx, double sy, double ex, double ey) {
  const double t = 5 / view_.ViewScale();
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

// The snapshot taken at the press, moved with the mouse over the
// background; nothing is rendered until the release.
void EditSession::PanTo(std::int32_t x, std::int32_t y) {
  if (!surface_.Has(Picture::Pan))
    return;
  zoom_box_.shown = false;
  ShowMoved(Picture::Pan, {1, static_cast<double>(x - press_x_),
                           static_cast<double>(y - press_y_)});
}

// `which` moved (and scaled) over the background.
void EditSession::ShowMoved(Picture which, const TouchGesture::Transform &t) {
  surface_.Draw([this](render::Canvas &canvas) {
    render::Primitives(canvas, view_, pens_)
        .ClearBackground(surface_.Width(), surface_.Height());
  });
  const bool whole = t.scale == 1 && std::trunc(t.dx) == t.dx &&
                     std::trunc(t.dy) == t.dy && std::fabs(t.dx) < 1e9 &&
                     std::fabs(t.dy) < 1e9;
  if (whole)
    surface_.Put(which, static_cast<std::int32_t>(t.dx),
                 static_cast<std::int32_t>(t.dy));
  else
    surface_.PutScaled(which, t.scale, t.dx, t.dy);
}

// Erases the box last drawn, if any, and draws the one from the press
// point to (x, y).
void EditSession::DragRubberBox(RubberBox &box, std::int32_t x,
                                std::int32_t y) {
  if (box.shown)
    XorBox(box);
  box = {true, press_x_, press_y_, x, y};
  XorBox(box);
}

void EditSession::RecordPath(std::int32_t x, std::int32_t y) {
  if (path_.size() >= kMaxPathPoints) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < path_.size(); i += 2)
      path_[kept++] = path_[i];
    path_.resize(kept);
  }
  path_.push_back({static_cast<double>(x), static_cast<double>(y)});
}

// Drawing the same box again in XOR mode wipes it without a redraw.
void EditSession::XorBox(const RubberBox &box) {
  surface_.Draw([this, &box](render::Canvas &canvas) {
    render::Primitives p(canvas, view_, pens_);
    p.XorMode();
    p.SetPen(pens_.GetColourScheme() == 0 ? 0xFFFF00 : 0x0000FF,
             render::PenStyle::Solid, 3);
    p.PixelRectangle(box.x1, box.y1, box.x2, box.y2);
  });
}

} // namespace orvik::session
