// Reach, arc ends, the tangent apex, the inside tests and the snaps of
// circles, ellipses, arcs and arc-shaped solids: probes worked out by hand,
// and seeded random shapes.

#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/shape_tests.h"
#include "orvik/geometry/snap.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

namespace orvik::geometry {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr RingMode kSame = RingMode::SameFlatness, kEven = RingMode::EvenWidth;

ArcShape Arc(double cx, double cy, double r, double start, double sweep) {
  return {cx, cy, r, 1, start, sweep, 0};
}

// The words of a probe list: numbers, or other words as NaN.
std::vector<std::pair<std::string_view, double>> Words(std::string_view s) {
  std::vector<std::pair<std::string_view, double>> words;
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t end = std::min(s.find_first_of(" ,", at), s.size());
    if (end > at) {
      const std::string_view w = s.substr(at, end - at);
      double v = kNaN;
      std::from_chars(w.data(), w.data() + w.size(), v);
      words.emplace_back(w, v);
    }
    at = end + 1;
  }
  return words;
}

// A quarter circle of radius 10 about the origin, run either way round;
// the unit quarter; a circle of radius 10 about (5, 7).
const ArcShape kQuarter = Arc(0, 0, 10, 0, kPi / 2);
const ArcShape kBack = Arc(0, 0, 10, kPi / 2, -kPi / 2);
const ArcShape kUnit = Arc(0, 0, 1, 0, kPi / 2);
const ArcShape kCircle = Arc(5, 7, 10, 0, 0);

// Semi-axes 4 and 2 reach 4 and 2 along them and sqrt(6.4) along the
// diagonals (t^2 (1/16 + 1/4) / 2 = 1), whichever sign the flatness has;
// flatness 0 is a segment along the x axis. First end, second end and
// apex of the end tangents: 120 degrees has its apex 1 / cos 60 = 2 along
// 60 degrees; the ellipse turned a quarter ends at parameters pi/2 and pi;
// a half turn has parallel tangents and the centre as apex.
TEST(ArcMeasures, ReachEndsApexAndInnerArcs) {
  for (const double phi : {0.0, 0.3, 1.7, 3.0, -2.0, 9.0})
    EXPECT_NEAR(Reach(Arc(3, 4, 5, 0, 0), phi), 5, 1e-12);
  for (int k = -4; k < 4; ++k) // every eighth of a turn
    for (const double f : {0.5, -0.5})
      EXPECT_NEAR(Reach({0, 0, 4, f, 0, 0, 0}, k * kPi / 4),
                  k % 2   ? std::sqrt(6.4)
                  : k % 4 ? 2
                          : 4,
                  1e-12)
          << k;
  EXPECT_NEAR(Reach({0, 0, 7, 0, 0, 0, 0}, 0), 7, 1e-12);
  EXPECT_NEAR(Reach({0, 0, 7, 0, 0, 0, 0}, 0.4), 0, 1e-12);
  const std::pair<ArcShape, std::array<double, 6>> rows[] = {
      {Arc(10, 20, 2, 0, kPi / 2), {12, 20, 10, 22, 12, 22}},
      {Arc(0, 0, 1, kPi / 2, -kPi / 2), {0, 1, 1, 0, 1, 1}},
      {{0, 0, 1, 1, 0, kPi / 2, kPi / 2}, {0, 1, -1, 0, -1, 1}},
      {Arc(0, 0, 1, 0, 2 * kPi / 3),
       {1, 0, -0.5, std::sqrt(0.75), 1, std::sqrt(3.0)}},
      {{0, 0, 4, 0.5, kPi / 2, kPi / 2, kPi / 2}, {-2, 0, 0, -4, -2, -4}},
      {Arc(4, 5, 3, 0, -kPi), {7, 5, 1, 5, 4, 5}}};
  for (const auto &[s, p] : rows) {
    const ArcCorners k = ArcTangentApex(s);
    const double got[] = {k.first.x,  k.first.y, k.second.x,
                          k.second.y, k.apex.x,  k.apex.y};
    for (int i = 0; i < 6; ++i)
      EXPECT_NEAR(got[i], p[i], 1e-12) << s.sweep << " #" << i;
    EXPECT_EQ(k.tangents_cross, s.sweep != -kPi);
    EXPECT_EQ(k.second.y, SecondEnd(s).y);
  }
  EXPECT_FALSE(ArcTangentApex(Arc(4, 5, 3, 0.3, kPi)).tangents_cross);
  // Outer semi-axes 10 and 5, inner radius 8: inner semi-y 4 with the same
  // flatness, 3 for an even band; inner radius 0 keeps the flatness.
  const ArcShape outer{1, 2, 10, 0.5, 0.3, 1.2, 0.4};
  const ArcShape same = InnerArc(kSame, outer, 8);
  EXPECT_EQ((std::array{same.radius, same.flatness, same.start, same.sweep,
                        same.tilt}),
            (std::array{8.0, 0.5, 0.3, 1.2, 0.4}));
  EXPECT_NEAR(InnerArc(kEven, outer, 8).flatness, 3.0 / 8, 1e-15);
  EXPECT_EQ(InnerArc(kEven, outer, 0).flatness, 0.5);
  EXPECT_EQ(BearingOf({2, 3, 5, 0.5, 0, 1, 0.7}, 2, 3).phi, -0.7);
}

enum class Region { Ellipse, Sector, Segment, TangentZone, Ring, EvenRing };

bool Inside(Region r, const ArcShape &s, double inner, double x, double y,
            double tol) {
  switch (r) {
  case Region::Ellipse:
    return InsideEllipse(s.cx, s.cy, s.radius, s.flatness, s.tilt, x, y, tol);
  case Region::Sector:
    return InsideSector(s, x, y, tol);
  case Region::Segment:
    return InsideSegment(s, x, y, tol);
  case Region::TangentZone:
    return InsideTangentZone(s, x, y, tol);
  default:
    return InsideRingBand(r == Region::Ring ? kSame : kEven, s, inner, x, y,
                          tol);
  }
}

// The points after "in" lie inside every shape of the list, those after
// "out" outside: "in x y, x y out x y".
void Probe(Region r, std::initializer_list<ArcShape> shapes, double inner,
           double tol, std::string_view probes) {
  bool in = true;
  const auto words = Words(probes);
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (std::isnan(words[i].second) && words[i].first != "nan") {
      in = words[i].first == "in";
      continue;
    }
    for (const ArcShape &s : shapes)
      EXPECT_EQ(Inside(r, s, inner, words[i].second, words[i + 1].second, tol),
                in)
          << static_cast<int>(r) << " sweep " << s.sweep << " ("
          << words[i].first << ", " << words[i + 1].first << ")";
    ++i;
  }
}

TEST(InsideRegions, HandWorkedEllipsesSectorsAndSegments) {
  using enum Region;
  // Radius 5 about (1, 2) widened by 0.1, (4.7, 5.7) 5.23 away; semi-axes
  // 4 and 2 turned upright (1.5^2/4 + 2.9^2/16 > 1); the limit included; a
  // point-sized disc holds the pointer within tol.
  Probe(Ellipse, {Arc(1, 2, 5, 0, 0)}, 0, 0.1,
        "in 1 2, 6.05 2, 1 -3.05 out 6.2 2, 4.7 5.7");
  Probe(Ellipse, {{0, 0, 4, 0.5, 0, 0, kPi / 2}}, 0, 0,
        "in 0 3.9, 0 -3.9, 1.9 0 out 3 0, 1.5 2.9");
  Probe(Ellipse, {Arc(0, 0, 4, 0, 0)}, 0, 1, "in 5 0 out 5.000000001 0");
  Probe(Ellipse, {Arc(0, 0, 0, 0, 0)}, 0, 0.5, "in 0.3 0.3 out 0.4 0.4");
  // Sectors: the pie and the end windows; across the zero direction and
  // beyond a half turn; a zero sweep keeps the start ray and the ends.
  Probe(
      Sector, {kQuarter, kBack}, 0, 0.5,
      "in 3 3, 0 0, 10.5 0, 10.2 -0.2, -0.3 9.9, 7 7.2 out -3 3, 11 1, 5 -0.6");
  Probe(Sector, {Arc(0, 0, 10, 1.75 * kPi, kPi / 2)}, 0, 0,
        "in 5 0.1, 5 -0.1 out -5 0");
  Probe(Sector, {Arc(0, 0, 10, 0, 1.5 * kPi)}, 0, 0, "in -3 -3 out 3 -3");
  Probe(Sector, {Arc(0, 0, 10, 0, 0)}, 0, 0.5, "in 3 0, 9.8 0.3 out 3 0.3");
  // Segments beyond the chord x + y = 10 ((5, 4.8) is 0.14 on the centre's
  // side); beyond a half turn the centre's side of x - y = 10; a half turn
  // (here from 90 degrees) the half disc, a whole turn all of it.
  Probe(Segment, {kQuarter, kBack}, 0, 0.5,
        "in 6 6, 5 4.8, 10.2 -0.2 out 3 3, 4 4, 9 9, -3 3, 0 0");
  Probe(Segment,
        {Arc(0, 0, 10, 0, 1.5 * kPi), Arc(0, 0, 10, 1.5 * kPi, -1.5 * kPi)}, 0,
        0.5, "in 0 0, -5 -5, 2 -2, -7 7 out 6 -6, 20 20");
  for (const double a : {0.0, 0.3, 1.0, kPi / 2, 2.0, 4.0, -1.0}) {
    const auto at = [a](double turn, double r) {
      return std::array{1 + r * std::cos(a + turn), 1 + r * std::sin(a + turn)};
    };
    const auto [x, y] = at(kPi / 2, 5);
    const auto [u, v] = at(-kPi / 2, 5);
    EXPECT_TRUE(Inside(Segment, Arc(1, 1, 10, a, kPi), 0, x, y, 0.1));
    EXPECT_FALSE(Inside(Segment, Arc(1, 1, 10, a, kPi), 0, u, v, 0.1));
  }
  Probe(Segment, {Arc(0, 0, 10, 0, kTwoPi)}, 0, 0, "in -3 -3");
}

TEST(InsideRegions, HandWorkedZonesAndRings) {
  using enum Region;
  // Tangent zones: the unit quarter's tangents x = 1 and y = 1 meet at
  // (1, 1); at 120 degrees the far tangent is x cos 120 + y sin 120 = 1;
  // at 270 degrees the disc and the corner up to (10, -10); a half turn
  // (no apex) the half disc.
  Probe(TangentZone, {kUnit, Arc(0, 0, 1, kPi / 2, -kPi / 2)}, 0, 0.01,
        "in 0.9 0.9, 1 1, 1.005 -0.005, 0.995 0.3 "
        "out 0.5 0.5, 1.5 0.5, 0.5 1.2, -0.5 0.95");
  Probe(TangentZone, {Arc(0, 0, 1, 0, 2 * kPi / 3)}, 0, 0.01,
        "in 0.9 1.2 out 0.2 1.9, 1.1 1.2");
  Probe(TangentZone, {Arc(0, 0, 10, 0, 1.5 * kPi)}, 0, 0.5,
        "in 0 0, -5 5, 5 -5, 9 -9 out 11 -5, -30 30, 10.6 5");
  Probe(TangentZone, {Arc(0, 0, 10, 0, kPi)}, 0, 0.5,
        "in 0 5 out 0 -5, 1000 0.1");
  // Ring bands with their inner ends; whole turns, zero included, are full
  // rings; outer semi-axes 10 and 5 with inner radius 8 leave an inner
  // semi-y of 4, or 3 for an even band; without a hole, the sector.
  Probe(Ring, {kQuarter, kBack}, 6, 0.2,
        "in 5.6 5.6, 10.1 -0.1, 6.1 -0.1 out 3 3, 8 8, -8 0, 8 -0.5");
  Probe(Ring,
        {Arc(0, 0, 10, 0.5, 0), Arc(0, 0, 10, 0.5, kTwoPi),
         Arc(0, 0, 10, 0.5, -4 * kPi)},
        6, 0.2, "in -8 0, 0 -8 out 1 1");
  Probe(Ring, {{0, 0, 10, 0.5, 0, 0, 0}}, 8, 0.2, "out 0 3.5");
  Probe(EvenRing, {{0, 0, 10, 0.5, 0, 0, 0}}, 8, 0.2,
        "in 0 3.5, 9 0 out 0 2.5");
  Probe(EvenRing, {kQuarter}, 0, 0, "in 0.5 0.5");
  // Nothing non-finite is inside anything.
  for (const Region r : {Ellipse, Sector, Segment, TangentZone, Ring, EvenRing})
    Probe(r, {kQuarter, Arc(0, 0, 10, 0, kNaN), Arc(0, 0, 10, 1e300, 1)}, 6,
          0.5, "out nan 1, 1 nan, inf 1");
  EXPECT_FALSE(Inside(Ring, Arc(0, 0, 10, 0, 0), 6, 8, 0, kNaN));
  EXPECT_FALSE(Inside(Ellipse, {0, 0, 4, 1, 0, 0, kInf}, 0, 1, 1, 1));
}

// The curves' snaps; filled shapes snap by their Region.
enum class Curve { Ellipse, Arc, CircleOrArc, Forced };

bool SnapOf(Curve c, Point2 &at, const ArcShape &s, double, double px,
            double py, double tol) {
  if (c == Curve::Ellipse)
    return SnapFullEllipse(at, s.cx, s.cy, s.radius, s.flatness, s.tilt, px, py,
                           tol);
  return c == Curve::Arc
             ? SnapArc(at, s, px, py, tol)
             : SnapCircleOrArc(c == Curve::Forced, at, s, px, py, tol);
}

bool SnapOf(Region r, Point2 &at, const ArcShape &s, double inner, double px,
            double py, double tol) {
  switch (r) {
  case Region::Ellipse:
    return SnapSolidDisc(at, s.cx, s.cy, s.radius, s.flatness, s.tilt, px, py,
                         tol);
  case Region::Sector:
    return SnapSolidSector(at, s, px, py, tol);
  case Region::Segment:
    return SnapSolidSegment(at, s, px, py, tol);
  case Region::TangentZone:
    return SnapSolidTangentZone(at, s, px, py, tol);
  default:
    return SnapSolidRing(r == Region::Ring ? kSame : kEven, at, s, inner, px,
                         py, tol);
  }
}

template <class Kind>
bool Hits(Kind kind, const ArcShape &s, double px, double py, double tol) {
  Point2 at;
  return SnapOf(kind, at, s, 0, px, py, tol);
}

// Each entry "px py x y" snaps the pointer (px, py) to (x, y); "px py -"
// misses.
template <class Kind>
void Snaps(Kind kind, const ArcShape &s, double inner, double tol,
           std::string_view entries) {
  const auto w = Words(entries);
  for (std::size_t i = 0; i + 2 < w.size();) {
    Point2 at{-7, -7};
    const bool hit =
        SnapOf(kind, at, s, inner, w[i].second, w[i + 1].second, tol);
    const bool miss = w[i + 2].first == "-";
    const std::string at_text =
        std::string(w[i].first) + " " + std::string(w[i + 1].first);
    EXPECT_EQ(hit, !miss) << static_cast<int>(kind) << " at " << at_text;
    if (!miss && hit) {
      EXPECT_NEAR(at.x, w[i + 2].second, 1e-12) << at_text;
      EXPECT_NEAR(at.y, w[i + 3].second, 1e-12) << at_text;
    }
    i += miss ? 3 : 4;
  }
}

// Full ellipses offer their quadrant points at 0, 90, 180, 270 degrees in
// that order (the window's edge included), else the centre; off the
// outline nothing. Arcs offer the end at start, the other end,
// then the centre on the outline within the span; no quadrant points.
// Sweeps within 1e-10 of 0 or of a positive whole turn (after wrapping
// into [-2pi, 2pi]) are circles, as is any when forced; -2pi is an arc of
// one turn; 5 half turns wrap to one. Filled shapes give their centre
// inside their region unless the outline's snap hits. Tangent zones offer
// their ends, then the apex (1, 1). Rings offer outer ends, inner ends
// ((0, 4) of the flat quarter, (0, 3) for an even band), then the centre
// in the band; a ring of radius 0 never offers its ends (the centre).
TEST(Snaps, HandWorked) {
  using enum Region;
  Snaps(Curve::Ellipse, kCircle, 0, 0.5,
        "15.2 7.3 15 7, 5.3 -2.8 5 -3, -4.9 7.4 -5 7, 12.1 14.1 5 7, "
        "15.5 7 15 7, 15.6 7 -, 8 10 -, nan 7 -");
  Snaps(Curve::Ellipse, kCircle, 0, kNaN, "15 7 -");
  Snaps(Curve::Ellipse, Arc(0, 0, 1, 0, 0), 0, 1, "0.7 0.7 1 0");
  Snaps(Curve::Ellipse, {1, 1, 4, 0.5, 0, 0, kPi / 2}, 0, 0.3,
        "1.1 5.1 1 5, -1.1 1.05 -1 1, 1 -3.2 1 -3");
  Snaps(Curve::Arc, kQuarter, 0, 0.5,
        "10.1 0.2 10 0, -0.2 9.9 0 10, 7.1 7.1 0 0, -10 0 -, 3 3 -, 0 -10 -");
  Snaps(Curve::Arc, kUnit, 0, 2, "0.5 0.5 1 0");
  Snaps(Curve::Arc, Arc(0, 0, 1, kPi / 2, -kPi / 2), 0, 2, "0.5 0.5 0 1");
  for (const double sweep :
       {5e-11, -5e-11, 4 * kPi, kTwoPi - 5e-11, kTwoPi + 5e-11, 2.5 * kPi})
    Snaps(Curve::CircleOrArc, Arc(0, 0, 10, 0, sweep), 0, 0.5, "0.2 10.1 0 10");
  Snaps(Curve::CircleOrArc, Arc(0, 0, 10, 0, -kTwoPi), 0, 0.5, "0.2 10.1 0 0");
  Snaps(Curve::CircleOrArc, Arc(0, 0, 10, 0, -4 * kPi), 0, 0.5,
        "10.1 0.1 10 0");
  Snaps(Curve::CircleOrArc, Arc(0, 0, 10, 0, kPi / 4), 0, 0.5, "0.2 10.1 -");
  Snaps(Curve::Forced, Arc(0, 0, 10, 0, kPi / 4), 0, 0.5, "0.2 10.1 0 10");
  for (const double sweep : {1e300, kNaN})
    Snaps(Curve::CircleOrArc, Arc(0, 0, 10, 0, sweep), 0, 0.5,
          "10 0.1 10 0, 3 3 -");
  Snaps(Ellipse, kCircle, 0, 0.5,
        "8 10 5 7, 15.2 7.1 15 7, 12.1 -0.1 5 7, 30 7 -");
  Snaps(Sector, kQuarter, 0, 0.5, "3 3 0 0, 10.2 0.1 10 0");
  Snaps(Segment, kQuarter, 0, 0.5, "6 6 0 0, -0.1 10.3 0 10, 3 3 -");
  Snaps(Segment, Arc(1, 1, 10, 0, 1.5 * kPi), 0, 0.5, "1 1 1 1");
  Snaps(TangentZone, kUnit, 0, 0.05,
        "1.02 0.98 1 1, 1.02 0.02 1 0, 0.02 1.03 0 1, 0.9 0.9 0 0, 0.5 0.5 -");
  Snaps(TangentZone, kUnit, 0, 1, "1 1 1 0");
  Snaps(Ring, kQuarter, 6, 0.2,
        "10.1 0.1 10 0, 6.1 -0.1 6 0, 0.1 6.1 0 6, 5.6 5.6 0 0, 7.07 7.07 0 0, "
        "3 3 -");
  const ArcShape flat_quarter{0, 0, 10, 0.5, kPi / 2, kPi / 2, 0};
  Snaps(EvenRing, flat_quarter, 8, 0.2, "0.1 3.1 0 3");
  Snaps(Ring, flat_quarter, 8, 0.2, "0.1 3.1 -, 0.1 4.1 0 4");
  Snaps(Ring, Arc(2, 2, 0, 0, kPi / 2), 0, 0.2, "2.1 2.1 2 2, 2.19 2.19 -");
}

// Random shapes: outline points lie at their reach with the parameter
// they came from and snap, points off the outline or beyond an arc's end
// do not; points inside the outline within the span are in the sector,
// those outside not; nothing far beyond the shape and its apex is inside
// any region.
TEST(Snaps, RandomShapes) {
  using enum Region;
  std::mt19937 rng(41);
  const auto uniform = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  for (int i = 0; i < 1000; ++i) {
    const ArcShape s{
        uniform(-500, 500),       uniform(-500, 500),
        uniform(1, 200),          uniform(0.2, 1),
        uniform(-kTwoPi, kTwoPi), uniform(0.1, kTwoPi - 0.1) * (i % 2 ? -1 : 1),
        uniform(-kPi, kPi)};
    // A point at parameter a pushed along its ray to `scale` times as far.
    const auto scaled = [&s](double a, double scale) {
      const Point2 p = PointAt(s, a);
      return Point2{s.cx + scale * (p.x - s.cx), s.cy + scale * (p.y - s.cy)};
    };
    const double a = uniform(-10, 10);
    const Point2 on = PointAt(s, a);
    const Bearing b = BearingOf(s, on.x, on.y);
    EXPECT_NEAR(b.distance, b.reach, 1e-9 * s.radius) << i;
    EXPECT_NEAR(std::remainder(b.param - a, kTwoPi), 0, 1e-9) << i;
    EXPECT_TRUE(Hits(Curve::Ellipse, s, on.x, on.y, 1e-6 * s.radius));
    const Point2 off = scaled(uniform(0, kTwoPi), uniform(1.2, 5));
    EXPECT_FALSE(Hits(Curve::Ellipse, s, off.x, off.y, 0.05 * s.radius));
    // A parameter on the arc, kept 1e-4 off its ends.
    const double p = s.start + std::copysign(1e-4, s.sweep) +
                     s.sweep * uniform(0, 1) * (1 - 2e-4 / std::fabs(s.sweep));
    const Point2 arc = PointAt(s, p);
    const Point2 beyond = PointAt(s, s.start - std::copysign(0.05, s.sweep));
    EXPECT_TRUE(Hits(Curve::Arc, s, arc.x, arc.y, 1e-6 * s.radius));
    EXPECT_FALSE(Hits(Curve::Arc, s, beyond.x, beyond.y, 1e-6 * s.radius));
    const Point2 in = scaled(p, uniform(0, 0.99)),
                 out = scaled(p, uniform(1.01, 2));
    EXPECT_TRUE(Inside(Sector, s, 0, in.x, in.y, 0) &&
                Inside(Ellipse, s, 0, in.x, in.y, 0))
        << i;
    EXPECT_FALSE(Inside(Sector, s, 0, out.x, out.y, 0) ||
                 Inside(Ellipse, s, 0, out.x, out.y, 0))
        << i;
    const double tol = 0.01 * s.radius;
    const Point2 apex = ArcTangentApex(s).apex;
    const double size =
        std::fmax(s.radius, PointDistance(s.cx, s.cy, apex.x, apex.y));
    const double far = (1.5 * size + 2 * tol) * uniform(1, 100);
    const double dir = uniform(0, kTwoPi);
    for (const Region r : {Sector, Segment, TangentZone, EvenRing})
      EXPECT_FALSE(Inside(r, s, 0.5 * s.radius, s.cx + far * std::cos(dir),
                          s.cy + far * std::sin(dir), tol))
          << i;
  }
}

} // namespace
} // namespace orvik::geometry
