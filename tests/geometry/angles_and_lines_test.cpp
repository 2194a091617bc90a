// Angle ranges and spans, and where lines cross, as tables of
// hand-checked rows and comparisons with independent formulas.

#include "orvik/geometry/angles.h"
#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace orvik::geometry {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Into [0, 2pi] and [-2pi, 2pi], whole turns kept whole; either side of 64
// turns, where stepping gives way to fmod; any number terminates, NaN and
// infinities give NaN.
TEST(Angles, NormaliseAndWrap) {
  const double normalised[][2] = {
      {-kPi / 2, 1.5 * kPi},    {5 * kPi, kPi},
      {7, 7 - kTwoPi},          {0, 0},
      {kTwoPi, kTwoPi},         {-kTwoPi, 0},
      {63 * kTwoPi + 0.5, 0.5}, {65 * kTwoPi + 0.5, 0.5},
      {-65 * kTwoPi + 0.5, 0.5}};
  for (const auto &[in, out] : normalised)
    EXPECT_NEAR(NormaliseAngle(in), out, 1e-12) << in;
  const double wrapped[][2] = {{4 * kPi, kTwoPi}, {-4 * kPi, -kTwoPi},
                               {kTwoPi, kTwoPi},  {-kTwoPi, -kTwoPi},
                               {0.0, 0.0},        {3 * kPi, kPi},
                               {-3 * kPi, -kPi},  {-1.0, -1.0}};
  for (const auto &[in, out] : wrapped)
    EXPECT_NEAR(WrapSweep(in), out, 1e-15) << in;
  for (int k = -60; k <= 60; ++k)
    EXPECT_NEAR(NormaliseAngle(1.0 + k * kTwoPi), 1.0, 1e-12) << k;
  for (const double huge : {1e20, -1e20, 1e300, -1e300, 1.7e308}) {
    EXPECT_TRUE(NormaliseAngle(huge) >= 0 && NormaliseAngle(huge) <= kTwoPi);
    EXPECT_TRUE(std::fabs(WrapSweep(huge)) <= kTwoPi);
  }
  for (const double bad : {kNaN, HUGE_VAL, -HUGE_VAL})
    EXPECT_TRUE(std::isnan(NormaliseAngle(bad)) && std::isnan(WrapSweep(bad)) &&
                std::isnan(DegreesIntoTurn(bad)));
}

// Spans are unsigned; a direction is on the arc whatever turns it is off,
// ends included, also across the zero direction and for negative sweeps; a
// zero sweep holds its start only, one turn everything.
TEST(Angles, Spans) {
  const double spans[][3] = {{1, 2, 2},
                             {1, -2, 2},
                             {3, 0, 0},
                             {0.5, kTwoPi, kTwoPi},
                             {0, 5 * kPi, kPi}};
  for (const auto &[start, sweep, span] : spans)
    EXPECT_NEAR(SpanOf(start, sweep), span, 1e-14) << sweep;
  for (const double turns : {3.0, -2.0})
    EXPECT_TRUE(WithinSpan(kPi / 4, kPi / 2, kPi / 2 + turns * kTwoPi));
  const double inside[][3] = {
      {kPi / 4, kPi / 2, kPi / 2},  {kPi / 4, kPi / 2, kPi / 4},
      {kPi / 2, -kPi / 2, kPi / 4}, {1.75 * kPi, kPi / 2, 0.1},
      {1.75 * kPi, kPi / 2, -0.1},  {1.0, 0.0, 1.0},
      {0.0, kTwoPi, 4.0},           {0.0, -kTwoPi, 4.0}};
  for (const auto &[start, sweep, phi] : inside)
    EXPECT_TRUE(WithinSpan(start, sweep, phi))
        << start << " " << sweep << " " << phi;
  const double outside[][3] = {
      {kPi / 4, kPi / 2, 0},    {kPi / 4, kPi / 2, kPi},
      {kPi / 2, -kPi / 2, kPi}, {1.75 * kPi, kPi / 2, kPi},
      {1.0, 0, 1.0 + 1e-9},     {0, kPi / 2, kNaN}};
  for (const auto &[start, sweep, phi] : outside)
    EXPECT_FALSE(WithinSpan(start, sweep, phi))
        << start << " " << sweep << " " << phi;
  for (const double whole : {0.0, kTwoPi, -4 * kPi, kTwoPi + 1e-12})
    EXPECT_TRUE(IsWholeTurns(whole)) << whole;
  for (const double part : {kPi, kTwoPi - 1e-6, kNaN})
    EXPECT_FALSE(IsWholeTurns(part)) << part;
}

// The constant-time reduction against the plain loop it replaces.
TEST(Angles, DegreesIntoTurnMatchesSteppingByWholeTurns) {
  const auto stepped = [](double a) {
    while (a < 0)
      a += 360;
    while (a >= 360)
      a -= 360;
    return a;
  };
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> turns(-64 * 360.0, 64 * 360.0);
  std::uniform_real_distribution<double> tiny(-1e-12, 1e-12);
  for (int i = 0; i < 20000; ++i) {
    const double a = i % 4 == 0 ? tiny(random) : turns(random);
    ASSERT_EQ(DegreesIntoTurn(a), stepped(a)) << a;
  }
  for (const double a : {0.0, -0.0, 360.0, -360.0, 720.5, -90.0, -1e-20})
    EXPECT_EQ(DegreesIntoTurn(a), stepped(a)) << a;
  for (const double a : {1e300, -1e300, 1e17, -1e17})
    EXPECT_TRUE(DegreesIntoTurn(a) >= 0 && DegreesIntoTurn(a) < 360) << a;
}

// Rows: the two segments, the result, the crossing ((-7, -7): left
// untouched). Parallel lines (both vertical, the same slope or line) give
// 0; segment ends have a margin of 1e-10. Runs in (-1.5e-10, 0.5e-10)
// count as vertical, so A crosses at exactly x1; a run of -0.6e-10 goes
// through the slope, half of it.
TEST(LineCrossing, Table) {
  const double rows[][11] = {
      {1, 0, 1, 5, 3, 0, 3, 5, 0, -7, -7},
      {0, 0, 2, 2, 0, 1, 2, 3, 0, -7, -7},
      {0, 0, 2, 2, 5, 5, 9, 9, 0, -7, -7},
      {0, 0, 4, 4, 0, 4, 4, 0, 1, 2, 2},
      {1, -1, 1, 3, 0, 0, 2, 2, 1, 1, 1},
      {0, 0, 4, 2, 2, -5, 2, 5, 1, 2, 1},
      {0, 0, 1, 1, 3, 0, 3, 10, 2, 3, 3},
      {3, 0, 3, 10, 0, 0, 1, 1, 2, 3, 3},
      {0, 0, 2, 1, 2, 1, 3, -4, 1, 2, 1},
      {0, 0, 1, 0, 1 + 1e-11, -1, 1 + 1e-11, 1, 1, 1 + 1e-11, 0},
      {0, 0, 1, 0, 1 + 1e-9, -1, 1 + 1e-9, 1, 2, 1 + 1e-9, 0},
      {1, -1, 1 + 1.2e-10, 1, 0, 0, 2, 0, 1, 1, 0},
      {1, -1, 1 - 0.6e-10, 1, 0, 0, 2, 0, 1, 1 - 0.3e-10, 0}};
  for (const auto &r : rows) {
    Point2 c{-7, -7};
    EXPECT_EQ(LineCrossing(c, r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]),
              r[8]);
    EXPECT_NEAR(c.x, r[9], 1e-13);
    EXPECT_NEAR(c.y, r[10], 1e-12);
  }
  Point2 c;
  EXPECT_EQ(LineCrossing(c, kNaN, 0, 1, 1, 0, 1, 1, 0), 2);
  EXPECT_EQ(LineCrossing(c, 0, 0, 1, 1, 0, 1, 1, kNaN), 2);
}

} // namespace
} // namespace orvik::geometry
