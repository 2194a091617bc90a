#include "orvik/geometry/lines.h"

#include "geometry_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvik::geometry {
namespace {

using test_support::RandomGeometry;

TEST(SignedLineOffset, IsPositiveOnTheLeftOfTheDirection) {
  EXPECT_NEAR(SignedLineOffset(0, 0, 10, 0, 3, 2), 2, 1e-12);
  EXPECT_NEAR(SignedLineOffset(0, 0, 10, 0, 3, -2), -2, 1e-12);
  EXPECT_NEAR(SignedLineOffset(10, 0, 0, 0, 3, 2), -2, 1e-12);
  EXPECT_NEAR(SignedLineOffset(0, 0, 0, 5, -3, 1), 3, 1e-12);
  EXPECT_NEAR(SignedLineOffset(0, 0, 1, 1, 0, 1), std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(SignedLineOffset(0, 0, 1, 1, 1, 0), -std::sqrt(0.5), 1e-12);
  // Beyond the end points the line goes on.
  EXPECT_NEAR(SignedLineOffset(0, 0, 1, 0, 50, -4), -4, 1e-12);
}

TEST(SignedLineOffset, CoincidentPointsGiveAHorizontalLine) {
  EXPECT_NEAR(SignedLineOffset(2, 3, 2, 3, 7, 5), 2, 1e-12);
}

TEST(SignedLineOffset, AgreesWithTheCrossProductOnRandomLines) {
  RandomGeometry random(11);
  for (int i = 0; i < 1000; ++i) {
    const double x1 = random.Uniform(-100, 100), y1 = random.Uniform(-100, 100);
    const double x2 = random.Uniform(-100, 100), y2 = random.Uniform(-100, 100);
    const double px = random.Uniform(-100, 100), py = random.Uniform(-100, 100);
    const double dx = x2 - x1, dy = y2 - y1;
    const double cross = (dx * (py - y1) - dy * (px - x1)) / std::hypot(dx, dy);
    EXPECT_NEAR(SignedLineOffset(x1, y1, x2, y2, px, py), cross, 1e-9);
  }
}

// The crossing is set to this before each call so that "untouched" shows.
constexpr Point2 kUntouched{-7, -7};

struct Crossing {
  int result;
  Point2 point;
};

Crossing Cross(double x1, double y1, double x2, double y2, double x3, double y3,
               double x4, double y4) {
  Crossing c{0, kUntouched};
  c.result = LineCrossing(c.point, x1, y1, x2, y2, x3, y3, x4, y4);
  return c;
}

void ExpectCrossing(const Crossing &c, int result, double x, double y) {
  EXPECT_EQ(c.result, result);
  EXPECT_NEAR(c.point.x, x, 1e-12);
  EXPECT_NEAR(c.point.y, y, 1e-12);
}

TEST(LineCrossing, ParallelLinesLeaveThePointUntouched) {
  ExpectCrossing(Cross(1, 0, 1, 5, 3, 0, 3, 5), 0, -7, -7);  // vertical
  ExpectCrossing(Cross(0, 0, 2, 2, 0, 1, 2, 3), 0, -7, -7);  // same slope
  ExpectCrossing(Cross(0, 0, 2, 2, 5, 5, 9, 9), 0, -7, -7);  // same line
  ExpectCrossing(Cross(0, 0, 4, 0, -1, 3, 9, 3), 0, -7, -7); // horizontal
}

TEST(LineCrossing, ClassifiesWhereTheLinesMeet) {
  ExpectCrossing(Cross(0, 0, 4, 4, 0, 4, 4, 0), 1, 2, 2);
  ExpectCrossing(Cross(1, -1, 1, 3, 0, 0, 2, 2), 1, 1, 1); // A vertical
  ExpectCrossing(Cross(0, 0, 4, 2, 2, -5, 2, 5), 1, 2, 1); // B vertical
  ExpectCrossing(Cross(0, 0, 1, 1, 3, 0, 3, 10), 2, 3, 3); // outside A
  ExpectCrossing(Cross(3, 0, 3, 10, 0, 0, 1, 1), 2, 3, 3); // outside B
  ExpectCrossing(Cross(0, 0, 1, 0, 5, 1, 5, 2), 2, 5, 0);  // outside both
  ExpectCrossing(Cross(0, 0, 2, 1, 2, 1, 3, -4), 1, 2, 1); // shared end
}

TEST(LineCrossing, SegmentEndsHaveATinyMargin) {
  EXPECT_EQ(Cross(0, 0, 1, 0, 1 + 1e-11, -1, 1 + 1e-11, 1).result, 1);
  EXPECT_EQ(Cross(0, 0, 1, 0, 1 + 1e-9, -1, 1 + 1e-9, 1).result, 2);
  EXPECT_EQ(Cross(0, 0, 1, 0, -1e-11, -1, -1e-11, 1).result, 1);
}

TEST(LineCrossing, TheVerticalWindowIsLopsided) {
  // Runs x1 - x2 in (-1.5e-10, 0.5e-10) count as zero, and a vertical A
  // crosses at exactly x1; through the slope the crossing would lie half
  // the run away.
  const Crossing left = Cross(1, -1, 1 + 1.2e-10, 1, 0, 0, 2, 0);
  EXPECT_EQ(left.result, 1);
  EXPECT_EQ(left.point.x, 1.0);
  const Crossing right = Cross(1, -1, 1 - 0.6e-10, 1, 0, 0, 2, 0);
  EXPECT_EQ(right.result, 1);
  EXPECT_NEAR(right.point.x, 1 - 0.3e-10, 1e-13);
}

TEST(LineCrossing, NaNIsNeverOnTheSegments) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Cross(nan, 0, 1, 1, 0, 1, 1, 0).result, 2);
  EXPECT_EQ(Cross(0, 0, 1, 1, 0, 1, 1, nan).result, 2);
}

// Independent check by the parametric form: p1 + t d1 = p3 + u d2.
TEST(LineCrossing, AgreesWithTheParametricCrossingOnRandomSegments) {
  RandomGeometry random(12);
  int on_both = 0;
  for (int i = 0; i < 2000; ++i) {
    double v[8];
    for (double &x : v)
      x = random.Uniform(-10, 10);
    const double d1x = v[2] - v[0], d1y = v[3] - v[1];
    const double d2x = v[6] - v[4], d2y = v[7] - v[5];
    const double denom = d1x * d2y - d1y * d2x;
    if (std::fabs(denom) < 1e-3)
      continue;
    const double ex = v[4] - v[0], ey = v[5] - v[1];
    const double t = (ex * d2y - ey * d2x) / denom;
    const double u = (ex * d1y - ey * d1x) / denom;
    const auto near_end = [](double s) {
      return std::fabs(s) < 1e-6 || std::fabs(s - 1) < 1e-6;
    };
    if (near_end(t) || near_end(u))
      continue;
    SCOPED_TRACE("segment pair " + std::to_string(i));
    const Crossing c = Cross(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    const bool inside = t > 0 && t < 1 && u > 0 && u < 1;
    on_both += inside;
    EXPECT_EQ(c.result, inside ? 1 : 2);
    EXPECT_NEAR(c.point.x, v[0] + t * d1x, 1e-6);
    EXPECT_NEAR(c.point.y, v[1] + t * d1y, 1e-6);
  }
  EXPECT_GT(on_both, 100); // both outcomes were exercised
}

} // namespace
} // namespace orvik::geometry
