#include "orvik/geometry/angles.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <random>
#include <string>

namespace orvik::geometry {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NormaliseAngle, BringsAnglesIntoOneTurn) {
  EXPECT_NEAR(NormaliseAngle(-kPi / 2), 1.5 * kPi, 1e-15);
  EXPECT_NEAR(NormaliseAngle(5 * kPi), kPi, 1e-14);
  EXPECT_NEAR(NormaliseAngle(7.0), 7.0 - kTwoPi, 1e-15);
  for (int k = -60; k <= 60; ++k) {
    SCOPED_TRACE("turns " + std::to_string(k));
    EXPECT_NEAR(NormaliseAngle(1.0 + k * kTwoPi), 1.0, 1e-12);
  }
}

TEST(NormaliseAngle, KeepsBothEndsOfTheClosedRange) {
  EXPECT_EQ(NormaliseAngle(0.0), 0.0);
  EXPECT_EQ(NormaliseAngle(kTwoPi), kTwoPi);
  EXPECT_EQ(NormaliseAngle(-kTwoPi), 0.0);
}

TEST(NormaliseAngle, HugeAndNonFiniteValuesTerminate) {
  // Either side of the point where stepping gives way to fmod.
  EXPECT_NEAR(NormaliseAngle(63 * kTwoPi + 0.5), 0.5, 1e-12);
  EXPECT_NEAR(NormaliseAngle(65 * kTwoPi + 0.5), 0.5, 1e-12);
  EXPECT_NEAR(NormaliseAngle(-65 * kTwoPi + 0.5), 0.5, 1e-12);
  const double huge[] = {1e20, -1e20, 1e300, -1e300,
                         std::numeric_limits<double>::max()};
  for (const double h : huge) {
    const double a = NormaliseAngle(h);
    EXPECT_GE(a, 0.0);
    EXPECT_LE(a, kTwoPi);
  }
  EXPECT_TRUE(std::isnan(NormaliseAngle(kNaN)));
  EXPECT_TRUE(std::isnan(NormaliseAngle(kInf)));
  EXPECT_TRUE(std::isnan(NormaliseAngle(-kInf)));
}

TEST(WrapSweep, KeepsSignAndFullTurns) {
  EXPECT_EQ(WrapSweep(4 * kPi), kTwoPi);
  EXPECT_EQ(WrapSweep(-4 * kPi), -kTwoPi);
  EXPECT_EQ(WrapSweep(kTwoPi), kTwoPi);
  EXPECT_EQ(WrapSweep(-kTwoPi), -kTwoPi);
  EXPECT_EQ(WrapSweep(0.0), 0.0);
  EXPECT_NEAR(WrapSweep(3 * kPi), kPi, 1e-15);
  EXPECT_NEAR(WrapSweep(-3 * kPi), -kPi, 1e-15);
  EXPECT_EQ(WrapSweep(-1.0), -1.0);
  const double huge = WrapSweep(-1e300);
  EXPECT_GE(huge, -kTwoPi);
  EXPECT_LE(huge, kTwoPi);
  EXPECT_TRUE(std::isnan(WrapSweep(kInf)));
}

TEST(SpanOf, IsTheUnsignedExtent) {
  EXPECT_NEAR(SpanOf(1, 2), 2, 1e-15);
  EXPECT_NEAR(SpanOf(1, -2), 2, 1e-15);
  EXPECT_EQ(SpanOf(3, 0), 0);
  EXPECT_NEAR(SpanOf(0.5, kTwoPi), kTwoPi, 1e-15);
  EXPECT_NEAR(SpanOf(0, 5 * kPi), kPi, 1e-14);
}

TEST(WithinSpan, AcceptsDirectionsOnTheArcOnly) {
  struct Case {
    double start, sweep, phi;
    bool inside;
  };
  const Case cases[] = {
      {kPi / 4, kPi / 2, kPi / 2, true},
      {kPi / 4, kPi / 2, kPi / 2 + 3 * kTwoPi, true}, // turns don't matter
      {kPi / 4, kPi / 2, kPi / 2 - 2 * kTwoPi, true},
      {kPi / 4, kPi / 2, 0, false},
      {kPi / 4, kPi / 2, kPi, false},
      {kPi / 4, kPi / 2, kPi / 4, true},  // start end included
      {kPi / 2, -kPi / 2, kPi / 4, true}, // negative sweep
      {kPi / 2, -kPi / 2, kPi, false},
      {1.75 * kPi, kPi / 2, 0.1, true}, // across the zero direction
      {1.75 * kPi, kPi / 2, -0.1, true},
      {1.75 * kPi, kPi / 2, kPi, false},
      {1.0, 0, 1.0, true}, // zero sweep: its start only
      {1.0, 0, 1.0 + 1e-9, false},
      {0, kTwoPi, 4.0, true}, // one turn: everything
      {0, -kTwoPi, 4.0, true},
      {0, kPi / 2, kNaN, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const Case &c = cases[i];
    EXPECT_EQ(WithinSpan(c.start, c.sweep, c.phi), c.inside);
  }
}

TEST(IsWholeTurns, CountsZeroAndFullTurnsOfEitherSign) {
  EXPECT_TRUE(IsWholeTurns(0));
  EXPECT_TRUE(IsWholeTurns(kTwoPi));
  EXPECT_TRUE(IsWholeTurns(-4 * kPi));
  EXPECT_TRUE(IsWholeTurns(kTwoPi + 1e-12));
  EXPECT_FALSE(IsWholeTurns(kPi));
  EXPECT_FALSE(IsWholeTurns(kTwoPi - 1e-6));
  EXPECT_FALSE(IsWholeTurns(kNaN));
}

// Degrees stepped by whole turns, the plain loop the constant-time version
// must match.
double SteppedDegrees(double a) {
  while (a < 0)
    a += 360;
  while (a >= 360)
    a -= 360;
  return a;
}

TEST(DegreesIntoTurn, MatchesSteppingByWholeTurns) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> turns(-64 * 360.0, 64 * 360.0);
  std::uniform_real_distribution<double> tiny(-1e-12, 1e-12);
  for (int i = 0; i < 20000; ++i) {
    const double a = i % 4 == 0 ? tiny(random) : turns(random);
    ASSERT_EQ(DegreesIntoTurn(a), SteppedDegrees(a)) << a;
  }
  for (const double a : {0.0, -0.0, 360.0, -360.0, 720.5, -90.0, -1e-20})
    EXPECT_EQ(DegreesIntoTurn(a), SteppedDegrees(a)) << a;
}

TEST(DegreesIntoTurn, HugeAndNonFiniteValues) {
  for (const double a : {1e300, -1e300, 1e17, -1e17}) {
    const double r = DegreesIntoTurn(a);
    EXPECT_GE(r, 0.0) << a;
    EXPECT_LT(r, 360.0) << a;
  }
  EXPECT_TRUE(std::isnan(DegreesIntoTurn(kNaN)));
  EXPECT_TRUE(
      std::isnan(DegreesIntoTurn(std::numeric_limits<double>::infinity())));
}

} // namespace
} // namespace orvik::geometry
