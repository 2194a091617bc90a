#include "orvik/app/window_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvik::app {
namespace {

constexpr int kGripWidth = 100;
constexpr int kGripHeight = 40;

bool CaptionVisible(const QRect &window, const QRect &screen) {
  const QRect caption(window.left(), window.top(), window.width(),
                      std::min(kGripHeight, window.height()));
  const QRect seen = caption.intersected(screen);
  return seen.width() >= std::min(kGripWidth, window.width()) &&
         seen.height() >= std::min(kGripHeight, window.height());
}

// Squared distance between the rectangles' centres, in 64 bits: saved
// positions can be anything a settings file holds.
std::int64_t Distance(const QRect &a, const QRect &b) {
  const std::int64_t dx = (std::int64_t{a.left()} + a.right()) -
                          (std::int64_t{b.left()} + b.right());
  const std::int64_t dy = (std::int64_t{a.top()} + a.bottom()) -
                          (std::int64_t{b.top()} + b.bottom());
  return dx / 2 * (dx / 2) + dy / 2 * (dy / 2);
}

} // namespace

QRect KeepOnScreens(const QRect &window, const QList<QRect> &screens) {
  if (screens.isEmpty())
    return window;
  for (const QRect &s : screens)
    if (CaptionVisible(window, s))
      return {window.topLeft(), window.size().boundedTo(s.size())};
  const QRect *nearest = &screens.front();
  std::int64_t best = std::numeric_limits<std::int64_t>::max();
  for (const QRect &s : screens) {
    const std::int64_t d = Distance(window, s);
    if (d < best) {
      best = d;
      nearest = &s;
    }
  }
  const QRect &s = *nearest;
  const int w = std::min(window.width(), s.width());
  const int h = std::min(window.height(), s.height());
  const int x = std::clamp(window.left(), s.left(), s.left() + s.width() - w);
  const int y = std::clamp(window.top(), s.top(), s.top() + s.height() - h);
  return {x, y, w, h};
}

} // namespace orvik::app
