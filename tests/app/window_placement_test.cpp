// A restored window stays where the user can take hold of it by its
// caption: one row per saved rectangle, with two screens side by side.

#include "orvik/app/window_placement.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using app::KeepOnScreens;

TEST(WindowPlacement, KeepsTheCaptionOnAScreen) {
  const QList<QRect> screens = {QRect(0, 0, 1920, 1080),
                                QRect(1920, 0, 1280, 1024)};
  const QRect rows[][2] = {
      // Visible windows stay put: on either screen, straddling both, mostly
      // off the right edge with the caption still reachable.
      {{100, 100, 600, 400}, {100, 100, 600, 400}},
      {{2000, 50, 600, 400}, {2000, 50, 600, 400}},
      {{1700, 300, 600, 400}, {1700, 300, 600, 400}},
      {{3100, 500, 600, 400}, {3100, 500, 600, 400}},
      // On a third monitor that is gone: back to the nearest edge. Far
      // above the desktop, or only the caption above it: to the top.
      {{3500, 200, 600, 400}, {3200 - 600, 200, 600, 400}},
      {{100, -5000, 600, 400}, {100, 0, 600, 400}},
      {{100, -300, 600, 400}, {100, 0, 600, 400}},
      // Far below: the centres are nearer across to the second screen but
      // nearer down to the first (its centre is 28 px lower), which wins
      // once both axes weigh alike: sqrt(2253 ^ 2 + 99460 ^ 2) against
      // sqrt(653 ^ 2 + 99488 ^ 2) pixels.
      {{2913, 99800, 600, 400}, {1320, 680, 600, 400}},
      // Too large: shrunk to the screen that holds (or is nearest to) the
      // caption.
      {{-9000, -9000, 4000, 3000}, {0, 0, 1920, 1080}},
      {{0, 0, 100000, 100000}, {0, 0, 1920, 1080}},
      {{2000, 10, 100000, 500}, {2000, 10, 1280, 500}}};
  for (const auto &[saved, kept] : rows)
    EXPECT_EQ(KeepOnScreens(saved, screens), kept)
        << saved.x() << "," << saved.y();
  // Extreme saved values do not overflow; without screens nothing moves.
  const int far = 1 << 24;
  EXPECT_TRUE(QRect(1920, 0, 1280, 1024)
                  .contains(KeepOnScreens(QRect(far, far, far, far), screens)));
  EXPECT_EQ(KeepOnScreens(QRect(5, 6, 700, 500), {}), QRect(5, 6, 700, 500));
}

} // namespace
} // namespace orvik::test
