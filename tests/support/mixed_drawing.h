#pragma once
// A seeded drawing of every kind the renderer draws, for comparing pictures
// painted in different ways.

#include "exchange_support.h"

#include <random>
#include <string>

namespace orvik::render {

// Lines of every type and pen, circles and arcs, solids in their own
// colours, markers of every code, image boxes and texts of several kinds,
// angles and styles, in a 200 x 150 mm area: `count` elements.
inline std::string MixedDrawing(unsigned seed, int count = 400) {
  std::mt19937 rng(seed);
  const auto n = [&rng](double lo, double hi) {
    return " " + std::to_string(std::uniform_real_distribution<>(lo, hi)(rng));
  };
  const auto xy = [&n] { return n(0, 200) + n(0, 150); };
  const char *const texts[] = {
      " 2 0 \"\x8A\xBF\x8E\x9A abc", " 0.6 0.3 \"\x89\xF1^!\x91\xBE",
      " -1 -0.2 \"m^u2 H^d2O ^_\x89\xBA", " 1 0 \"^@BMa,10,5",
      " 1 0 \"\x91\xE5\x82\xAB\x81\x45\x81\x45"};
  std::string f = std::string("cn\"$") + test::kMincho + "\r\n";
  for (int i = 0; i < count; ++i) {
    f += "lc" + std::to_string(1 + rng() % 9) + "\r\nlt" +
         std::to_string(1 + rng() % 9) + "\r\ncn" + std::to_string(rng() % 11);
    const std::string records[] = {
        "ci" + xy() + n(0.1, 30) +
            (i % 4 ? n(0, 360) + n(0, 360) + " 0.5" + n(0, 360) : ""),
        "pt" + xy() + " 2" + n(0, 360) + " " +
            std::to_string(static_cast<int>(rng() % 21) - 8),
        "lc10 " + std::to_string(rng() % 0x1000000) + "\r\nsl" + xy() + xy() +
            xy(),
        "sc" + xy() + n(0.1, 30) + " 1 0 0.5 2 " + (i % 2 ? "0" : "100"),
        (rng() % 3 ? "ch" : "cv") + xy() + texts[rng() % 5],
        xy() + xy()};
    f += "\r\n" + records[i % 6] + "\r\n";
  }
  return f;
}

} // namespace orvik::render
