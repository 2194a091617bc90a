#include "orvik/geometry/shape_tests.h"

#include "orvik/geometry/arc_measures.h"

#include "geometry_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace orvik::geometry {
namespace {

using test_support::Arc;
using test_support::Polar;
using test_support::RandomGeometry;
using test_support::ScaledOutlinePoint;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Probe {
  double x, y;
  bool inside;
};

template <typename Test, std::size_t N>
void ExpectProbes(Test test, const Probe (&probes)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    SCOPED_TRACE("probe " + std::to_string(i));
    EXPECT_EQ(test(probes[i].x, probes[i].y), probes[i].inside);
  }
}

TEST(InsideEllipse, AcceptsTheDiscWidenedByTheTolerance) {
  const auto test = [](double x, double y) {
    return InsideEllipse(1, 2, 5, 1, 0, x, y, 0.1);
  };
  ExpectProbes(test, {{1, 2, true},
                      {6.05, 2, true},
                      {6.2, 2, false},
                      {1, -3.05, true},
                      {4.7, 5.7, false}});            // 5.23 from the centre
  EXPECT_TRUE(InsideEllipse(0, 0, 4, 1, 0, 5, 0, 1)); // limit included
  EXPECT_FALSE(InsideEllipse(0, 0, 4, 1, 0, 5 + 1e-9, 0, 1));
}

TEST(InsideEllipse, FollowsFlatnessAndTilt) {
  // Semi-axes 4 and 2, the long one turned onto the y axis.
  const auto test = [](double x, double y) {
    return InsideEllipse(0, 0, 4, 0.5, kPi / 2, x, y, 0);
  };
  ExpectProbes(test, {{0, 3.9, true},
                      {0, -3.9, true},
                      {1.9, 0, true},
                      {3, 0, false},
                      {1.5, 2.9, false}}); // 1.5^2/4 + 2.9^2/16 > 1
}

TEST(InsideEllipse, DegenerateInputMisses) {
  EXPECT_TRUE(InsideEllipse(0, 0, 0, 1, 0, 0.3, 0.3, 0.5));
  EXPECT_FALSE(InsideEllipse(0, 0, 0, 1, 0, 0.4, 0.4, 0.5));
  EXPECT_FALSE(InsideEllipse(0, 0, 4, 1, 0, kNaN, 0, 1));
  EXPECT_FALSE(InsideEllipse(0, 0, 4, 1, 0, 1, 1, kNaN));
  EXPECT_FALSE(InsideEllipse(0, 0, 4, 1, 0, kInf, 0, 1));
  EXPECT_FALSE(InsideEllipse(0, 0, 4, 1, kInf, 1, 1, 1));
}

TEST(InsideEllipse, SeparatesRandomInnerAndOuterPoints) {
  RandomGeometry random(31);
  for (int i = 0; i < 500; ++i) {
    const ArcShape s = random.AnyArc();
    const double a = random.Uniform(0, kTwoPi);
    const Point2 in = ScaledOutlinePoint(s, a, random.Uniform(0, 0.99));
    const Point2 out = ScaledOutlinePoint(s, a, random.Uniform(1.01, 3));
    SCOPED_TRACE("shape " + std::to_string(i));
    EXPECT_TRUE(
        InsideEllipse(s.cx, s.cy, s.radius, s.flatness, s.tilt, in.x, in.y, 0));
    EXPECT_FALSE(InsideEllipse(s.cx, s.cy, s.radius, s.flatness, s.tilt, out.x,
                               out.y, 0));
  }
}

// A quarter circle of radius 10 about the origin, with tol 0.5, run either
// way round; the probes are shared by the sector, segment and ring tests.
const ArcShape kQuarter = Arc(0, 0, 10, 0, kPi / 2);
const ArcShape kQuarterBack = Arc(0, 0, 10, kPi / 2, -kPi / 2);

TEST(InsideSector, IsThePieBetweenArcAndCentre) {
  const Probe probes[] = {
      {3, 3, true},      {0, 0, true},     {-3, 3, false},
      {10.5, 0, true},   {11, 1, false},   {10.2, -0.2, true}, // first end
      {-0.3, 9.9, true}, {5, -0.6, false}, {7, 7.2, true}};
  for (const ArcShape &s : {kQuarter, kQuarterBack})
    ExpectProbes([&](double x, double y) { return InsideSector(s, x, y, 0.5); },
                 probes);
}

TEST(InsideSector, SpansAcrossTheZeroDirectionAndBeyondAHalfTurn) {
  const ArcShape across = Arc(0, 0, 10, 1.75 * kPi, kPi / 2);
  EXPECT_TRUE(InsideSector(across, 5, 0.1, 0));
  EXPECT_TRUE(InsideSector(across, 5, -0.1, 0));
  EXPECT_FALSE(InsideSector(across, -5, 0, 0));
  const ArcShape major = Arc(0, 0, 10, 0, 1.5 * kPi);
  EXPECT_TRUE(InsideSector(major, -3, -3, 0));
  EXPECT_FALSE(InsideSector(major, 3, -3, 0));
}

TEST(InsideSector, AZeroSweepKeepsOnlyTheStartRayAndTheEnds) {
  const ArcShape ray = Arc(0, 0, 10, 0, 0);
  EXPECT_TRUE(InsideSector(ray, 3, 0, 0.5));
  EXPECT_FALSE(InsideSector(ray, 3, 0.3, 0.5));
  EXPECT_TRUE(InsideSector(ray, 9.8, 0.3, 0.5));
}

TEST(InsideSector, HoldsRandomPointsOfRandomSectors) {
  RandomGeometry random(32);
  for (int i = 0; i < 500; ++i) {
    const ArcShape s = random.AnyArc();
    const double a = random.ParameterOnArc(s, 1e-6);
    const Point2 in = ScaledOutlinePoint(s, a, random.Uniform(0, 1));
    const Point2 out = ScaledOutlinePoint(s, a, random.Uniform(1.01, 2));
    SCOPED_TRACE("shape " + std::to_string(i));
    EXPECT_TRUE(InsideSector(s, in.x, in.y, 0));
    EXPECT_FALSE(InsideSector(s, out.x, out.y, 0));
  }
}

TEST(InsideSegment, AMinorSegmentLiesBeyondTheChord) {
  // Chord x + y = 10; (5, 4.8) is 0.14 on the centre's side, (4, 4) 1.41.
  const Probe probes[] = {{6, 6, true},       {3, 3, false}, {5, 4.8, true},
                          {4, 4, false},      {9, 9, false}, {-3, 3, false},
                          {10.2, -0.2, true}, {0, 0, false}};
  for (const ArcShape &s : {kQuarter, kQuarterBack})
    ExpectProbes(
        [&](double x, double y) { return InsideSegment(s, x, y, 0.5); },
        probes);
}

TEST(InsideSegment, AMajorSegmentHoldsTheCentre) {
  // 270 degrees; chord x - y = 10 cuts off the minor part near (6, -6).
  const Probe probes[] = {{0, 0, true},  {-5, -5, true}, {2, -2, true},
                          {-7, 7, true}, {6, -6, false}, {20, 20, false}};
  for (const ArcShape &s :
       {Arc(0, 0, 10, 0, 1.5 * kPi), Arc(0, 0, 10, 1.5 * kPi, -1.5 * kPi)})
    ExpectProbes(
        [&](double x, double y) { return InsideSegment(s, x, y, 0.5); },
        probes);
}

TEST(InsideSegment, AHalfTurnIsTheHalfDiscWhateverItsStart) {
  for (const double start : {0.0, 0.3, 1.0, kPi / 2, 2.0, 4.0, -1.0}) {
    SCOPED_TRACE("start " + std::to_string(start));
    const ArcShape half = Arc(1, 1, 10, start, kPi);
    const Point2 in = Polar(half, start + kPi / 2, 5);
    const Point2 out = Polar(half, start - kPi / 2, 5);
    EXPECT_TRUE(InsideSegment(half, in.x, in.y, 0.1));
    EXPECT_FALSE(InsideSegment(half, out.x, out.y, 0.1));
  }
  EXPECT_TRUE(InsideSegment(Arc(0, 0, 10, 0, kTwoPi), -3, -3, 0));
}

// Unit quarter circle: the tangents x = 1 and y = 1 meet at (1, 1).
TEST(InsideTangentZone, IsTheCornerBetweenArcAndTangents) {
  const Probe probes[] = {{0.9, 0.9, true},    {1, 1, true},
                          {0.5, 0.5, false},   {1.5, 0.5, false},
                          {0.5, 1.2, false},   {1.005, -0.005, true},
                          {-0.5, 0.95, false}, {0.995, 0.3, true}};
  for (const ArcShape &s :
       {Arc(0, 0, 1, 0, kPi / 2), Arc(0, 0, 1, kPi / 2, -kPi / 2)})
    ExpectProbes(
        [&](double x, double y) { return InsideTangentZone(s, x, y, 0.01); },
        probes);
}

TEST(InsideTangentZone, AWideAngleStillEndsAtTheApex) {
  // 120 degrees: apex (1, sqrt 3); the far tangent is x cos120 + y sin120 = 1.
  const ArcShape s = Arc(0, 0, 1, 0, 2 * kPi / 3);
  EXPECT_TRUE(InsideTangentZone(s, 0.9, 1.2, 0.01));
  EXPECT_FALSE(InsideTangentZone(s, 0.2, 1.9, 0.01));
  EXPECT_FALSE(InsideTangentZone(s, 1.1, 1.2, 0.01));
}

TEST(InsideTangentZone, BeyondAHalfTurnIsTheDrawnShape) {
  // 270 degrees: the disc plus the corner up to the apex (10, -10).
  const Probe probes[] = {{0, 0, true},    {-5, 5, true},   {5, -5, true},
                          {9, -9, true},   {11, -5, false}, {-30, 30, false},
                          {10.6, 5, false}};
  ExpectProbes(
      [](double x, double y) {
        return InsideTangentZone(Arc(0, 0, 10, 0, 1.5 * kPi), x, y, 0.5);
      },
      probes);
  // A half turn has no apex: the drawn shape is the half disc.
  const ArcShape half = Arc(0, 0, 10, 0, kPi);
  EXPECT_TRUE(InsideTangentZone(half, 0, 5, 0.5));
  EXPECT_FALSE(InsideTangentZone(half, 0, -5, 0.5));
  EXPECT_FALSE(InsideTangentZone(half, 1000, 0.1, 0.5));
}

TEST(InsideRingBand, IsTheBandBetweenTwoArcs) {
  const Probe probes[] = {{5.6, 5.6, true},   {3, 3, false},
                          {8, 8, false},      {-8, 0, false},
                          {10.1, -0.1, true}, {6.1, -0.1, true}, // ends
                          {8, -0.5, false}};
  for (const ArcShape &s : {kQuarter, kQuarterBack})
    ExpectProbes(
        [&](double x, double y) {
          return InsideRingBand(RingMode::SameFlatness, s, 6, x, y, 0.2);
        },
        probes);
}

TEST(InsideRingBand, WholeTurnsAreFullRingsUnlikeSectors) {
  for (const double sweep : {0.0, kTwoPi, -4 * kPi}) {
    const ArcShape s = Arc(0, 0, 10, 0.5, sweep);
    EXPECT_TRUE(InsideRingBand(RingMode::SameFlatness, s, 6, -8, 0, 0.2));
    EXPECT_TRUE(InsideRingBand(RingMode::SameFlatness, s, 6, 0, -8, 0.2));
    EXPECT_FALSE(InsideRingBand(RingMode::SameFlatness, s, 6, 1, 1, 0.2));
  }
  EXPECT_FALSE(InsideSector(Arc(0, 0, 10, 0.5, 0), -8, 0, 0.2));
}

TEST(InsideRingBand, RingModeOneNarrowsTheInnerEllipse) {
  // Outer semi-axes 10 and 5, inner radius 8: inner semi-y 4 in mode 0,
  // 3 in mode 1.
  const ArcShape s{0, 0, 10, 0.5, 0, 0, 0};
  EXPECT_FALSE(InsideRingBand(RingMode::SameFlatness, s, 8, 0, 3.5, 0.2));
  EXPECT_TRUE(InsideRingBand(RingMode::EvenWidth, s, 8, 0, 3.5, 0.2));
  EXPECT_FALSE(InsideRingBand(RingMode::EvenWidth, s, 8, 0, 2.5, 0.2));
  EXPECT_TRUE(InsideRingBand(RingMode::EvenWidth, s, 8, 9, 0, 0.2));
  // No hole: the band is the whole sector.
  EXPECT_TRUE(InsideRingBand(RingMode::EvenWidth, kQuarter, 0, 0.5, 0.5, 0));
}

TEST(InsideRegions, RejectNonFiniteInput) {
  const ArcShape nan_sweep = Arc(0, 0, 10, 0, kNaN);
  const ArcShape huge_start = Arc(0, 0, 10, 1e300, 1);
  for (const ArcShape &s : {kQuarter, nan_sweep, huge_start}) {
    EXPECT_FALSE(InsideSector(s, kNaN, 1, 0.5));
    EXPECT_FALSE(InsideSegment(s, 1, kNaN, 0.5));
    EXPECT_FALSE(InsideTangentZone(s, kInf, 1, 0.5));
    EXPECT_FALSE(InsideRingBand(RingMode::EvenWidth, s, 6, kNaN, kNaN, 0.5));
  }
  EXPECT_FALSE(InsideRingBand(RingMode::SameFlatness, Arc(0, 0, 10, 0, 0), 6, 8,
                              0, kNaN));
}

// Every region is bounded: nothing far beyond the shape and its tangent
// apex is inside, whatever the sweep.
TEST(InsideRegions, NeverReachFarPointers) {
  RandomGeometry random(33);
  for (int i = 0; i < 500; ++i) {
    const ArcShape s = random.AnyArc();
    const ArcCorners k = ArcTangentApex(s);
    const double tol = 0.01 * s.radius;
    const double bound =
        1.5 *
            std::fmax(s.radius, PointDistance(s.cx, s.cy, k.apex.x, k.apex.y)) +
        2 * tol;
    const Point2 p =
        Polar(s, random.Uniform(0, kTwoPi), bound * random.Uniform(1, 100));
    SCOPED_TRACE("shape " + std::to_string(i));
    EXPECT_FALSE(InsideSector(s, p.x, p.y, tol));
    EXPECT_FALSE(InsideSegment(s, p.x, p.y, tol));
    EXPECT_FALSE(InsideTangentZone(s, p.x, p.y, tol));
    EXPECT_FALSE(
        InsideRingBand(RingMode::EvenWidth, s, 0.5 * s.radius, p.x, p.y, tol));
  }
}

} // namespace
} // namespace orvik::geometry
