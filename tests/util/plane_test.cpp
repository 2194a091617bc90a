#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace orvik {
namespace {

TEST(DirectionAngle, QuadrantsAndNullVector) {
  EXPECT_DOUBLE_EQ(DirectionAngle(0, -1), 3 * kPi / 2);
  EXPECT_DOUBLE_EQ(DirectionAngle(-1, 0), kPi);
  EXPECT_DOUBLE_EQ(DirectionAngle(1, 0), 0);
  EXPECT_DOUBLE_EQ(DirectionAngle(1e-11, 1e-11), 0);
  EXPECT_LT(DirectionAngle(1, -1e-15), kTwoPi);
}

TEST(Rotate, QuarterTurnAboutACentre) {
  EXPECT_NEAR(RotateX(2, 1, 1, 1, kPi / 2), 1, 1e-12);
  EXPECT_NEAR(RotateY(2, 1, 1, 1, kPi / 2), 2, 1e-12);
}

TEST(SamePoint, ToleranceIsInclusive) {
  EXPECT_TRUE(SamePoint(0, 0, 1e-8, -1e-8));
  EXPECT_FALSE(SamePoint(0, 0, 2e-8, 0));
}

TEST(ArcThroughThreePoints, HalfCircleBothWays) {
  ThreePointArc arc;
  ASSERT_TRUE(ArcThroughThreePoints(10, 0, 0, 10, -10, 0, arc));
  EXPECT_NEAR(arc.cx, 0, 1e-12);
  EXPECT_NEAR(arc.cy, 0, 1e-12);
  EXPECT_NEAR(arc.radius, 10, 1e-12);
  EXPECT_DOUBLE_EQ(arc.start_deg, 0);
  EXPECT_DOUBLE_EQ(arc.end_deg, 180);
  EXPECT_TRUE(arc.counter_clockwise);

  ASSERT_TRUE(ArcThroughThreePoints(-10, 0, 0, 10, 10, 0, arc));
  EXPECT_DOUBLE_EQ(arc.start_deg, 0);
  EXPECT_DOUBLE_EQ(arc.end_deg, 180);
  EXPECT_FALSE(arc.counter_clockwise);
}

TEST(ArcThroughThreePoints, ArcThroughTheZeroDirection) {
  // S below, T to the right, E above the centre (5, 5): the arc crosses 0.
  ThreePointArc arc;
  ASSERT_TRUE(ArcThroughThreePoints(5, 0, 10, 5, 5, 10, arc));
  EXPECT_DOUBLE_EQ(arc.start_deg, 270);
  EXPECT_DOUBLE_EQ(arc.end_deg, 90);
  EXPECT_TRUE(arc.counter_clockwise);
}

TEST(ArcThroughThreePoints, CollinearOrCoincidentPointsFail) {
  ThreePointArc arc;
  EXPECT_FALSE(ArcThroughThreePoints(0, 0, 1, 1, 2, 2, arc));
  EXPECT_FALSE(ArcThroughThreePoints(0, 0, 5, 0, 5, 0, arc));
  EXPECT_FALSE(ArcThroughThreePoints(3, 3, 3, 3, 3, 3, arc));
  EXPECT_EQ(arc.radius, 0);
}

// Random non-degenerate triples: the circle passes through all three
// points, and T lies on the counter-clockwise arc from start to end.
TEST(ArcThroughThreePoints, RandomTriplesLieOnTheArc) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> coord(-1000, 1000);
  int checked = 0;
  for (int i = 0; i < 5000; ++i) {
    const double sx = coord(rng), sy = coord(rng), tx = coord(rng),
                 ty = coord(rng), ex = coord(rng), ey = coord(rng);
    ThreePointArc arc;
    if (!ArcThroughThreePoints(sx, sy, tx, ty, ex, ey, arc))
      continue;
    ++checked;
    const double tol = 1e-9 * std::max(1.0, arc.radius);
    EXPECT_NEAR(std::hypot(tx - arc.cx, ty - arc.cy), arc.radius, tol);
    EXPECT_NEAR(std::hypot(ex - arc.cx, ey - arc.cy), arc.radius, tol);
    const double span = std::fmod(arc.end_deg - arc.start_deg + 360, 360);
    const double t_deg = DirectionAngle(tx - arc.cx, ty - arc.cy) * 180 / kPi;
    const double t_off = std::fmod(t_deg - arc.start_deg + 360, 360);
    EXPECT_LE(t_off, span + 1e-6);
  }
  EXPECT_GT(checked, 4900);
}

} // namespace
} // namespace orvik
