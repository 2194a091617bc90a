#include "orvik/geometry/snap.h"

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
using test_support::ScaledOutlinePoint;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The outcome of one snap: whether it hit, and where.
struct Hit {
  bool hit;
  Point2 at;
};

void ExpectHit(const Hit &h, double x, double y) {
  EXPECT_TRUE(h.hit);
  EXPECT_NEAR(h.at.x, x, 1e-12);
  EXPECT_NEAR(h.at.y, y, 1e-12);
}

Hit FullEllipse(const ArcShape &s, double px, double py, double tol) {
  Hit h{false, {-7, -7}};
  h.hit = SnapFullEllipse(h.at, s.cx, s.cy, s.radius, s.flatness, s.tilt, px,
                          py, tol);
  return h;
}

template <typename SnapFn>
Hit Snap(SnapFn snap, const ArcShape &s, double px, double py, double tol) {
  Hit h{false, {-7, -7}};
  h.hit = snap(h.at, s, px, py, tol);
  return h;
}

Hit CircleOrArc(int force_full, const ArcShape &s, double px, double py) {
  Hit h{false, {-7, -7}};
  h.hit = SnapCircleOrArc(force_full != 0, h.at, s, px, py, 0.5);
  return h;
}

Hit Disc(const ArcShape &s, double px, double py, double tol) {
  Hit h{false, {-7, -7}};
  h.hit = SnapSolidDisc(h.at, s.cx, s.cy, s.radius, s.flatness, s.tilt, px, py,
                        tol);
  return h;
}

Hit Ring(int mode, const ArcShape &s, double inner, double px, double py) {
  Hit h{false, {-7, -7}};
  h.hit =
      SnapSolidRing(mode == 1 ? RingMode::EvenWidth : RingMode::SameFlatness,
                    h.at, s, inner, px, py, 0.2);
  return h;
}

const ArcShape kCircle = Arc(5, 7, 10, 0, 0);
const ArcShape kQuarter = Arc(0, 0, 10, 0, kPi / 2);

TEST(SnapFullEllipse, OffersQuadrantPointsThenTheCentre) {
  ExpectHit(FullEllipse(kCircle, 15.2, 7.3, 0.5), 15, 7);
  ExpectHit(FullEllipse(kCircle, 5.3, -2.8, 0.5), 5, -3);
  ExpectHit(FullEllipse(kCircle, -4.9, 7.4, 0.5), -5, 7);
  ExpectHit(FullEllipse(kCircle, 5 + 7.1, 7 + 7.1, 0.5), 5, 7);
}

TEST(SnapFullEllipse, MissesOffTheOutlineWithTheOrigin) {
  const Hit inside = FullEllipse(kCircle, 8, 10, 0.5);
  EXPECT_FALSE(inside.hit);
  EXPECT_EQ(inside.at.x, 0);
  EXPECT_EQ(inside.at.y, 0);
  EXPECT_FALSE(FullEllipse(kCircle, 15.6, 7, 0.5).hit);
  EXPECT_TRUE(FullEllipse(kCircle, 15.5, 7, 0.5).hit); // limit included
  EXPECT_FALSE(FullEllipse(kCircle, kNaN, 7, 0.5).hit);
  EXPECT_FALSE(FullEllipse(kCircle, 15, 7, kNaN).hit);
}

TEST(SnapFullEllipse, TheFirstQuadrantPointInOrderWins) {
  // (0.7, 0.7) lies in the windows of both (1, 0) and (0, 1).
  ExpectHit(FullEllipse(Arc(0, 0, 1, 0, 0), 0.7, 0.7, 1), 1, 0);
}

TEST(SnapFullEllipse, QuadrantPointsFollowFlatnessAndTilt) {
  const ArcShape e{1, 1, 4, 0.5, 0, 0, kPi / 2};
  ExpectHit(FullEllipse(e, 1.1, 5.1, 0.3), 1, 5);
  ExpectHit(FullEllipse(e, -1.1, 1.05, 0.3), -1, 1);
  ExpectHit(FullEllipse(e, 1, -3.2, 0.3), 1, -3);
}

TEST(SnapFullEllipse, CatchesTheWholeDrawnOutlineOfRandomEllipses) {
  RandomGeometry random(41);
  for (int i = 0; i < 1000; ++i) {
    const ArcShape s = random.AnyArc();
    const double a = random.Uniform(0, kTwoPi);
    const Point2 on = ScaledOutlinePoint(s, a, 1);
    const Point2 off = ScaledOutlinePoint(s, a, random.Uniform(1.2, 5));
    SCOPED_TRACE("shape " + std::to_string(i));
    EXPECT_TRUE(FullEllipse(s, on.x, on.y, 1e-6 * s.radius).hit);
    EXPECT_FALSE(FullEllipse(s, off.x, off.y, 0.05 * s.radius).hit);
  }
}

TEST(SnapArc, OffersEndPointsFirstThenTheCentre) {
  ExpectHit(Snap(SnapArc, kQuarter, 10.1, 0.2, 0.5), 10, 0);
  ExpectHit(Snap(SnapArc, kQuarter, -0.2, 9.9, 0.5), 0, 10);
  ExpectHit(Snap(SnapArc, kQuarter, 7.1, 7.1, 0.5), 0, 0);
  // Both end windows hold the pointer: the first end wins.
  ExpectHit(Snap(SnapArc, Arc(0, 0, 1, 0, kPi / 2), 0.5, 0.5, 2), 1, 0);
  ExpectHit(Snap(SnapArc, Arc(0, 0, 1, kPi / 2, -kPi / 2), 0.5, 0.5, 2), 0, 1);
}

TEST(SnapArc, MissesOutsideTheSpanOrOffTheOutline) {
  EXPECT_FALSE(Snap(SnapArc, kQuarter, -10, 0, 0.5).hit);
  EXPECT_FALSE(Snap(SnapArc, kQuarter, 3, 3, 0.5).hit);
  EXPECT_FALSE(Snap(SnapArc, kQuarter, 0, -10, 0.5).hit); // a quadrant point
}

TEST(SnapArc, CatchesRandomEllipseArcsUpToTheirEnds) {
  RandomGeometry random(42);
  for (int i = 0; i < 1000; ++i) {
    const ArcShape s = random.AnyArc();
    const double tol = 1e-6 * s.radius;
    const Point2 on = PointAt(s, random.ParameterOnArc(s, 1e-4));
    const Point2 beyond = PointAt(s, s.start - std::copysign(0.05, s.sweep));
    SCOPED_TRACE("shape " + std::to_string(i));
    EXPECT_TRUE(Snap(SnapArc, s, on.x, on.y, tol).hit);
    EXPECT_FALSE(Snap(SnapArc, s, beyond.x, beyond.y, tol).hit);
  }
}

TEST(SnapCircleOrArc, ZeroAndPositiveFullTurnsAreFullEllipses) {
  // (0.2, 10.1) is near the quadrant point (0, 10) of the origin circle.
  for (const double sweep :
       {0.0, kTwoPi, 4 * kPi, 5e-11, -5e-11, kTwoPi - 5e-11, kTwoPi + 5e-11})
    ExpectHit(CircleOrArc(0, Arc(0, 0, 10, 0, sweep), 0.2, 10.1), 0, 10);
}

TEST(SnapCircleOrArc, NegativeFullTurnsAreArcsWithoutQuadrantPoints) {
  for (const double sweep : {-kTwoPi, -4 * kPi}) {
    const ArcShape s = Arc(0, 0, 10, 0, sweep);
    ExpectHit(CircleOrArc(0, s, 0.2, 10.1), 0, 0);
    ExpectHit(CircleOrArc(0, s, 10.1, 0.1), 10, 0);
  }
}

TEST(SnapCircleOrArc, ForceFullOverridesTheSweep) {
  const ArcShape eighth = Arc(0, 0, 10, 0, kPi / 4);
  ExpectHit(CircleOrArc(1, eighth, 0.2, 10.1), 0, 10);
  ExpectHit(CircleOrArc(-3, eighth, 0.2, 10.1), 0, 10);
  EXPECT_FALSE(CircleOrArc(0, eighth, 0.2, 10.1).hit);
  // Five half turns are brought in to one: (0, 10) is then an end point.
  ExpectHit(CircleOrArc(0, Arc(0, 0, 10, 0, 2.5 * kPi), 0.2, 10.1), 0, 10);
}

TEST(SnapCircleOrArc, HugeOrNonFiniteSweepsKeepTheirStartEnd) {
  for (const double sweep :
       {1e300, -1e300, kNaN, std::numeric_limits<double>::infinity()}) {
    const ArcShape s = Arc(0, 0, 10, 0, sweep);
    ExpectHit(CircleOrArc(0, s, 10, 0.1), 10, 0);
    EXPECT_FALSE(CircleOrArc(0, s, 3, 3).hit);
  }
}

TEST(SnapSolidDisc, InsideSnapsToTheCentreOnTheOutlineToQuadrants) {
  ExpectHit(Disc(kCircle, 8, 10, 0.5), 5, 7);
  ExpectHit(Disc(kCircle, 15.2, 7.1, 0.5), 15, 7);
  ExpectHit(Disc(kCircle, 5 + 7.1, 7 - 7.1, 0.5), 5, 7);
  EXPECT_FALSE(Disc(kCircle, 30, 7, 0.5).hit);
  EXPECT_FALSE(Disc(kCircle, kNaN, kNaN, 0.5).hit);
}

TEST(SnapSolidSector, InsideSnapsToTheCentre) {
  ExpectHit(Snap(SnapSolidSector, kQuarter, 3, 3, 0.5), 0, 0);
  ExpectHit(Snap(SnapSolidSector, kQuarter, 10.2, 0.1, 0.5), 10, 0);
  EXPECT_FALSE(Snap(SnapSolidSector, kQuarter, -3, 3, 0.5).hit);
}

TEST(SnapSolidSegment, InsideSnapsToTheCentre) {
  ExpectHit(Snap(SnapSolidSegment, kQuarter, 6, 6, 0.5), 0, 0);
  ExpectHit(Snap(SnapSolidSegment, kQuarter, -0.1, 10.3, 0.5), 0, 10);
  EXPECT_FALSE(Snap(SnapSolidSegment, kQuarter, 3, 3, 0.5).hit);
  ExpectHit(Snap(SnapSolidSegment, Arc(1, 1, 10, 0, 1.5 * kPi), 1, 1, 0.5), 1,
            1);
}

TEST(SnapSolidTangentZone, OffersEndsAndApexBeforeTheRegion) {
  const ArcShape unit = Arc(0, 0, 1, 0, kPi / 2);
  ExpectHit(Snap(SnapSolidTangentZone, unit, 1.02, 0.98, 0.05), 1, 1);
  ExpectHit(Snap(SnapSolidTangentZone, unit, 1.02, 0.02, 0.05), 1, 0);
  ExpectHit(Snap(SnapSolidTangentZone, unit, 0.02, 1.03, 0.05), 0, 1);
  ExpectHit(Snap(SnapSolidTangentZone, unit, 0.9, 0.9, 0.05), 0, 0);
  EXPECT_FALSE(Snap(SnapSolidTangentZone, unit, 0.5, 0.5, 0.05).hit);
  // A tolerance wider than the arc: the first end beats the apex.
  ExpectHit(Snap(SnapSolidTangentZone, unit, 1, 1, 1), 1, 0);
}

TEST(SnapSolidRing, OffersOuterEndsThenInnerEndsThenTheCentre) {
  ExpectHit(Ring(0, kQuarter, 6, 10.1, 0.1), 10, 0);
  ExpectHit(Ring(0, kQuarter, 6, 6.1, -0.1), 6, 0);
  ExpectHit(Ring(0, kQuarter, 6, 0.1, 6.1), 0, 6);
  ExpectHit(Ring(0, kQuarter, 6, 5.6, 5.6), 0, 0);
  ExpectHit(Ring(0, kQuarter, 6, 7.07, 7.07), 0, 0); // on the outer arc
  EXPECT_FALSE(Ring(0, kQuarter, 6, 3, 3).hit);
  EXPECT_FALSE(Ring(0, kQuarter, 6, -8, 0).hit);
}

TEST(SnapSolidRing, RingModeOneMovesTheInnerEnds) {
  // Outer semi-axes 10 and 5 from 90 to 180 degrees, inner radius 8: the
  // inner first end is (0, 4) in mode 0 and (0, 3) in mode 1.
  const ArcShape s{0, 0, 10, 0.5, kPi / 2, kPi / 2, 0};
  ExpectHit(Ring(1, s, 8, 0.1, 3.1), 0, 3);
  EXPECT_FALSE(Ring(0, s, 8, 0.1, 3.1).hit);
  ExpectHit(Ring(0, s, 8, 0.1, 4.1), 0, 4);
}

TEST(SnapSolidRing, APointRingFallsThroughToItsBand) {
  ExpectHit(Ring(0, Arc(2, 2, 0, 0, kPi / 2), 0, 2.1, 2.1), 2, 2);
  // In the square window of the ends, which are the centre, but beyond the
  // band's reach of tol.
  EXPECT_FALSE(Ring(0, Arc(2, 2, 0, 0, kPi / 2), 0, 2.19, 2.19).hit);
}

} // namespace
} // namespace orvik::geometry
