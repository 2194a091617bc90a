#pragma once
// Limits that several parts of the session share: the snap window and the
// scales navigation stops at.

#include <cmath>

namespace orvik::session {

// The snap window and the snap mark's half size, in pixels.
inline constexpr double kSnapPixels = 5;

// Scales beyond these (pixels per paper millimetre) would leave too few
// distinct doubles across the window, or overflow; zooming stops there.
inline constexpr double kMinScale = 1e-10;
inline constexpr double kMaxScale = 1e10;

inline bool ScaleAllowed(double scale) {
  return std::isfinite(scale) && scale >= kMinScale && scale <= kMaxScale;
}

} // namespace orvik::session
