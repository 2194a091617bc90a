#pragma once
// The pixels QPainter lights for a solid line of width 0 or 1 without
// antialiasing between two whole-pixel ends, worked out without QPainter:
// per line, QPainter costs many times more than the pixels it lights.
//
// QPainter draws such a line with its cosmetic stroker: the ends in 26.6
// fixed point, the line stepped one pixel at a time along its major axis
// (y when it is steeper than 45 degrees, else x) with the minor coordinate
// in 16.16 fixed point, both ends extended by half a pixel (square caps).
// This is that computation, step for step, so the pixels are the same.
// It holds only for a line QPainter does not clip, one whose pixels all
// lie on the picture with a pixel to spare.

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace orvik::render {

// Calls plot(x, y) for each pixel of the line from (x1, y1) to (x2, y2),
// once each, in no set order. Coordinates up to 2^20 in size.
template <class Plot>
void ThinLinePixels(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                    std::int32_t y2, Plot plot) {
  if (x1 == x2 && y1 == y2) {
    plot(x1, y1);
    return;
  }
  // Stepped along b, the major axis; a is the minor one.
  const bool steep = std::abs(x2 - x1) < std::abs(y2 - y1);
  std::int64_t a1 = (steep ? x1 : y1) * 64, b1 = (steep ? y1 : x1) * 64;
  std::int64_t a2 = (steep ? x2 : y2) * 64, b2 = (steep ? y2 : x2) * 64;
  if (b1 > b2) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const std::int64_t step = (a2 - a1) * 65536 / (b2 - b1); // 16.16 per pixel
  std::int64_t a = a1 * 1024 - (step >> 1); // 16.16, back by the cap
  b1 -= 32;
  b2 += 32;
  std::int64_t b = (b1 + 32) >> 6;
  const std::int64_t last = (b2 + 32) >> 6; // one past
  if (b == last)
    return;
  // Shifts round towards minus infinity, as QPainter's do.
  const std::int64_t round = step > 0 ? 32 : 0;
  a += ((b * 64 + round - b1) * step) >> 6;
  for (; b < last; ++b, a += step) {
    const auto minor = static_cast<std::int32_t>(a >> 16);
    const auto major = static_cast<std::int32_t>(b);
    if (steep)
      plot(minor, major);
    else
      plot(major, minor);
  }
}

} // namespace orvik::render
