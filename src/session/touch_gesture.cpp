#include "orvik/session/touch_gesture.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {
namespace {

// A finger that stays within this many pixels of where it came down has
// not moved, as far as a tap is concerned.
constexpr double kTapSlop = 10;

} // namespace

void TouchGesture::Begin(double least, double most) {
  Reset();
  least_ = least;
  most_ = most;
}

TouchGesture::Finger *TouchGesture::Find(std::int32_t id) {
  for (Finger &f : fingers_)
    if (f.held && f.id == id)
      return &f;
  return nullptr;
}

bool TouchGesture::Down(std::int32_t id, double x, double y) {
  if (Find(id))
    return Move(id, x, y);
  const auto free = std::find_if(fingers_.begin(), fingers_.end(),
                                 [](const Finger &f) { return !f.held; });
  if (free == fingers_.end()) {
    beyond_two_ = true;
    return false;
  }
  *free = {true, id, x, y, x, y};
  ++held_;
  most_held_ = std::max(most_held_, held_);
  Anchor();
  return true;
}

bool TouchGesture::Move(std::int32_t id, double x, double y) {
  Finger *f = Find(id);
  if (!f)
    return false;
  f->x = x;
  f->y = y;
  if (std::fabs(x - f->x0) > kTapSlop || std::fabs(y - f->y0) > kTapSlop)
    travelled_ = true;
  Follow();
  return true;
}

bool TouchGesture::Up(std::int32_t id, double x, double y) {
  if (!Move(id, x, y))
    return false;
  Find(id)->held = false;
  --held_;
  Anchor();
  return true;
}

double TouchGesture::CentreX() const {
  double sum = 0;
  for (const Finger &f : fingers_)
    sum += f.held ? f.x : 0;
  return held_ > 0 ? sum / held_ : 0;
}

double TouchGesture::CentreY() const {
  double sum = 0;
  for (const Finger &f : fingers_)
    sum += f.held ? f.y : 0;
  return held_ > 0 ? sum / held_ : 0;
}

double TouchGesture::Spread() const {
  if (held_ < 2)
    return 0;
  return std::hypot(fingers_[1].x - fingers_[0].x,
                    fingers_[1].y - fingers_[0].y);
}

void TouchGesture::Anchor() {
  anchor_ = now_;
  anchor_cx_ = CentreX();
  anchor_cy_ = CentreY();
  anchor_spread_ = Spread();
}

// The point under the fingers' centre when the set began stays under
// their centre; with two fingers the picture scales by how far apart they
// are now against then, within the limits.
void TouchGesture::Follow() {
  double f = 1;
  if (held_ == 2 && anchor_spread_ > 0) {
    const double scale =
        std::clamp(anchor_.scale * Spread() / anchor_spread_, least_, most_);
    f = scale / anchor_.scale;
  }
  now_.scale = anchor_.scale * f;
  now_.dx = CentreX() + (anchor_.dx - anchor_cx_) * f;
  now_.dy = CentreY() + (anchor_.dy - anchor_cy_) * f;
}

} // namespace orvik::session
