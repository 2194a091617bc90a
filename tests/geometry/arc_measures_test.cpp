#include "orvik/geometry/arc_measures.h"

#include "geometry_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvik::geometry {
namespace {

using test_support::Arc;
using test_support::RandomGeometry;

void ExpectPoint(const Point2 &p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-12);
  EXPECT_NEAR(p.y, y, 1e-12);
}

TEST(Reach, IsTheRadiusOfACircleInEveryDirection) {
  const ArcShape circle = Arc(3, 4, 5, 0, 0);
  for (const double phi : {0.0, 0.3, 1.7, 3.0, -2.0, 9.0})
    EXPECT_NEAR(Reach(circle, phi), 5, 1e-12);
}

TEST(Reach, IsTheTrueDistanceToAnEllipse) {
  // x^2/16 + y^2/4 = 1; along the diagonal t^2 (1/16 + 1/4) / 2 = 1.
  const double diagonal = std::sqrt(6.4);
  for (const double f : {0.5, -0.5}) {
    const ArcShape e{0, 0, 4, f, 0, 0, 0};
    EXPECT_NEAR(Reach(e, 0), 4, 1e-12);
    EXPECT_NEAR(Reach(e, kPi / 2), 2, 1e-12);
    EXPECT_NEAR(Reach(e, kPi), 4, 1e-12);
    EXPECT_NEAR(Reach(e, -kPi / 2), 2, 1e-12);
    EXPECT_NEAR(Reach(e, kPi / 4), diagonal, 1e-12);
    EXPECT_NEAR(Reach(e, 3 * kPi / 4), diagonal, 1e-12);
  }
}

TEST(Reach, FlatnessZeroIsReachedOnlyAlongTheAxis) {
  const ArcShape flat{0, 0, 7, 0, 0, 0, 0};
  EXPECT_NEAR(Reach(flat, 0), 7, 1e-12);
  EXPECT_NEAR(Reach(flat, kPi / 2), 0, 1e-12);
  EXPECT_NEAR(Reach(flat, 0.4), 0, 1e-12);
}

TEST(BearingOf, OutlinePointsOfRandomEllipsesLieAtTheirReach) {
  RandomGeometry random(21);
  for (int i = 0; i < 1000; ++i) {
    const ArcShape s = random.AnyArc();
    const double a = random.Uniform(-10, 10);
    const Point2 p = PointAt(s, a);
    const Bearing b = BearingOf(s, p.x, p.y);
    SCOPED_TRACE("shape " + std::to_string(i));
    EXPECT_NEAR(b.distance, b.reach, 1e-9 * s.radius);
    // The parameter found from the direction is the one the point came from.
    EXPECT_NEAR(std::remainder(b.param - a, kTwoPi), 0, 1e-9);
  }
}

TEST(BearingOf, TheCentreLiesInDirectionMinusTilt) {
  const ArcShape s{2, 3, 5, 0.5, 0, 1, 0.7};
  const Bearing b = BearingOf(s, 2, 3);
  EXPECT_EQ(b.phi, -0.7);
  EXPECT_EQ(b.distance, 0);
}

TEST(Bearing, LimitsAreInclusiveAndNaNMisses) {
  const Bearing beyond{0, 0, 5, 4};
  EXPECT_TRUE(beyond.NotOutside(1));
  EXPECT_FALSE(beyond.NotOutside(0.999));
  EXPECT_TRUE(beyond.NotInside(0));
  const Bearing within{0, 0, 5, 6};
  EXPECT_TRUE(within.NotInside(1));
  EXPECT_FALSE(within.NotInside(0.999));
  EXPECT_TRUE(within.OnOutline(1));
  const Bearing nan{0, 0, std::numeric_limits<double>::quiet_NaN(), 4};
  EXPECT_FALSE(nan.NotOutside(1e300));
  EXPECT_FALSE(nan.NotInside(1e300));
}

TEST(ArcEnds, FollowStartAndSweepWhateverTheSign) {
  ExpectPoint(FirstEnd(Arc(1, 1, 2, 0, kPi / 2)), 3, 1);
  ExpectPoint(SecondEnd(Arc(1, 1, 2, 0, kPi / 2)), 1, 3);
  ExpectPoint(FirstEnd(Arc(1, 1, 2, kPi / 2, -kPi / 2)), 1, 3);
  ExpectPoint(SecondEnd(Arc(1, 1, 2, kPi / 2, -kPi / 2)), 3, 1);
  const ArcShape ellipse{0, 0, 4, 0.5, kPi / 2, kPi / 2, kPi / 2};
  ExpectPoint(FirstEnd(ellipse), -2, 0);
  ExpectPoint(SecondEnd(ellipse), 0, -4);
}

TEST(ArcTangentApex, QuarterArcsMeetAtTheCorner) {
  const ArcCorners k = ArcTangentApex(Arc(10, 20, 2, 0, kPi / 2));
  ExpectPoint(k.first, 12, 20);
  ExpectPoint(k.second, 10, 22);
  ExpectPoint(k.apex, 12, 22);
  EXPECT_TRUE(k.tangents_cross);
  const ArcCorners back = ArcTangentApex(Arc(0, 0, 1, kPi / 2, -kPi / 2));
  ExpectPoint(back.first, 0, 1);
  ExpectPoint(back.apex, 1, 1);
  const ArcCorners turned =
      ArcTangentApex(ArcShape{0, 0, 1, 1, 0, kPi / 2, kPi / 2});
  ExpectPoint(turned.first, 0, 1);
  ExpectPoint(turned.second, -1, 0);
  ExpectPoint(turned.apex, -1, 1);
}

TEST(ArcTangentApex, ApexLiesOnTheBisectorBeyondTheArc) {
  // 120 degrees: the apex is at 1 / cos(60 deg) = 2 along 60 degrees.
  const ArcCorners k = ArcTangentApex(Arc(0, 0, 1, 0, 2 * kPi / 3));
  ExpectPoint(k.apex, 1, std::sqrt(3.0));
}

TEST(ArcTangentApex, ParallelTangentsGiveTheCentre) {
  const ArcCorners half = ArcTangentApex(Arc(4, 5, 3, 0.3, kPi));
  ExpectPoint(half.apex, 4, 5);
  EXPECT_FALSE(half.tangents_cross);
  const ArcCorners vertical = ArcTangentApex(Arc(4, 5, 3, 0, -kPi));
  ExpectPoint(vertical.apex, 4, 5);
  EXPECT_FALSE(vertical.tangents_cross);
}

TEST(InnerArc, RingModeOneKeepsTheBandWidthOnBothAxes) {
  const ArcShape outer{1, 2, 10, 0.5, 0.3, 1.2, 0.4};
  const ArcShape same = InnerArc(RingMode::SameFlatness, outer, 8);
  EXPECT_EQ(same.radius, 8);
  EXPECT_EQ(same.flatness, 0.5);
  EXPECT_EQ(same.start, 0.3);
  EXPECT_EQ(same.sweep, 1.2);
  EXPECT_EQ(same.tilt, 0.4);
  EXPECT_EQ(InnerArc(RingMode::SameFlatness, outer, 8).flatness, 0.5);
  // Outer semi-axes 10 and 5; a width of 2 leaves 8 and 3.
  EXPECT_NEAR(InnerArc(RingMode::EvenWidth, outer, 8).flatness, 3.0 / 8, 1e-15);
  EXPECT_EQ(InnerArc(RingMode::EvenWidth, outer, 0).flatness, 0.5);
}

} // namespace
} // namespace orvik::geometry
