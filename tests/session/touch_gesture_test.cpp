// Fingers as one gesture: the zoom limits, the hand-over when a finger
// lifts, and what is a tap. (The views that pans and pinches give are the
// replay cases'.)

#include "orvik/session/touch_gesture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvik::session {
namespace {

// Steps "d ID X Y" (a finger down), "m ID X Y" (moved), "u ID X Y" (up);
// the scale stays within [0.5, 4].
TEST(TouchGesture, FollowsTheFingersWithinTheLimits) {
  const struct {
    const char *steps;
    double scale, dx, dy; // the transform afterwards
    bool tap;
  } rows[] = {
      // 100 apart about (150, 100), drawn 800 apart: the scale stops at 4;
      // the centre stays where it is.
      {"d 1 100 100 d 2 200 100 m 1 -250 100 m 2 550 100", 4, -450, -300,
       false},
      // Drawn 200 apart (twice the size), then finger 1 lifts and finger 2
      // alone moves the scaled picture 10 px on, without a jump.
      {"d 1 100 100 d 2 200 100 m 1 50 100 m 2 250 100 u 1 50 100 "
       "m 2 260 100",
       2, -140, -100, false},
      // Both fingers 5 px right and up: within a tap's 10 px.
      {"d 1 100 100 d 2 200 100 m 1 105 95 m 2 205 95 u 1 105 95 u 2 205 95", 1,
       5, -5, true},
      {"d 1 100 100 d 2 200 100 m 2 211 100", 1.11, -11, -11, false},
      // A third finger is not followed, and makes no tap.
      {"d 1 100 100 d 2 200 100 d 3 300 100 m 3 900 900 u 3 900 900", 1, 0, 0,
       false},
      {"d 1 100 100 u 1 100 100", 1, 0, 0, false},
      // Two fingers set down on one spot have no spread to scale by: they
      // only drag, the centre from (100, 100) to (150, 100).
      {"d 1 100 100 d 2 100 100 m 2 200 100", 1, 50, 0, false},
  };
  for (const auto &row : rows) {
    TouchGesture g;
    g.Begin(0.5, 4);
    std::istringstream steps(row.steps);
    char what = 0;
    for (int id = 0, x = 0, y = 0; steps >> what >> id >> x >> y;)
      what == 'd' ? g.Down(id, x, y)
                  : (what == 'm' ? g.Move(id, x, y) : g.Up(id, x, y));
    EXPECT_NEAR(g.Current().scale, row.scale, 1e-12) << row.steps;
    EXPECT_NEAR(g.Current().dx, row.dx, 1e-9) << row.steps;
    EXPECT_NEAR(g.Current().dy, row.dy, 1e-9) << row.steps;
    EXPECT_EQ(g.WasTwoFingerTap(), row.tap) << row.steps;
  }
}

} // namespace
} // namespace orvik::session
