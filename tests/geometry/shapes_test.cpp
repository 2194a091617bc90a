// The inside tests and the snaps of circles, ellipses, arcs and arc-shaped
// solids: probes worked out by hand, and seeded random shapes.

#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/shape_tests.h"
#include "orvik/geometry/snap.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
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

// A number, "Api" or "A/Bpi" (A pi, A pi / B); anything else is NaN.
double Number(std::string_view w) {
  double v = kNaN, den = 1;
  if (w.ends_with("pi")) {
    w.remove_suffix(2);
    if (const std::size_t bar = w.find('/'); bar != w.npos) {
      std::from_chars(w.data() + bar + 1, w.data() + w.size(), den);
      w = w.substr(0, bar);
    }
    v = 1;
    std::from_chars(w.data(), w.data() + w.size(), v);
    return v * kPi / den;
  }
  std::from_chars(w.data(), w.data() + w.size(), v);
  return v;
}

// The words of a probe list: numbers, or other words as NaN.
std::vector<std::pair<std::string_view, double>> Words(std::string_view s) {
  std::vector<std::pair<std::string_view, double>> words;
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t end = std::min(s.find_first_of(" ,", at), s.size());
    if (end > at)
      words.emplace_back(s.substr(at, end - at),
                         Number(s.substr(at, end - at)));
    at = end + 1;
  }
  return words;
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

Region RegionNamed(std::string_view name) {
  const std::pair<std::string_view, Region> names[] = {
      {"ellipse", Region::Ellipse}, {"sector", Region::Sector},
      {"segment", Region::Segment}, {"zone", Region::TangentZone},
      {"ring", Region::Ring},       {"evenring", Region::EvenRing}};
  for (const auto &[n, r] : names)
    if (n == name)
      return r;
  ADD_FAILURE() << "no region " << name;
  return Region::Ellipse;
}

// Nothing non-finite is inside anything.
TEST(InsideRegions, NonFiniteValues) {
  using enum Region;
  for (const Region r : {Ellipse, Sector, Segment, TangentZone, Ring, EvenRing})
    for (const ArcShape &s : {Arc(0, 0, 10, 0, kPi / 2), Arc(0, 0, 10, 0, kNaN),
                              Arc(0, 0, 10, 1e300, 1)})
      for (const auto &[x, y] :
           {std::pair{kNaN, 1.0}, {1.0, kNaN}, {kInf, 1.0}})
        EXPECT_FALSE(Inside(r, s, 6, x, y, 0.5)) << static_cast<int>(r);
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

// The snap of a probe file's KIND.
bool SnapNamed(std::string_view kind, Point2 &at, const ArcShape &s,
               double inner, double px, double py, double tol) {
  const std::pair<std::string_view, Curve> curves[] = {
      {"full", Curve::Ellipse},
      {"arc", Curve::Arc},
      {"circle", Curve::CircleOrArc},
      {"forced", Curve::Forced}};
  for (const auto &[name, curve] : curves)
    if (kind == name)
      return SnapOf(curve, at, s, inner, px, py, tol);
  return SnapOf(RegionNamed(kind == "disc" ? "ellipse" : kind), at, s, inner,
                px, py, tol);
}

// One line of tests/geometry/shape_probes.txt, which says how to read it.
void CheckProbeLine(std::string_view line) {
  const std::size_t bar1 = line.find('|'), bar2 = line.find('|', bar1 + 1);
  ASSERT_NE(bar2, line.npos);
  const auto head = Words(line.substr(0, bar1));
  ASSERT_EQ(head.size(), 4u);
  const double inner = head[2].second, tol = head[3].second;
  std::vector<ArcShape> shapes;
  for (const auto &w = Words(line.substr(bar1 + 1, bar2 - bar1 - 1));
       shapes.size() * 8 < w.size();) {
    const auto n = [&](std::size_t k) {
      return w[shapes.size() * 8 + k].second;
    };
    shapes.push_back({n(0), n(1), n(2), n(3), n(4), n(5), n(6)});
  }
  const auto w = Words(line.substr(bar2 + 1));
  bool in = true;
  for (std::size_t i = 0; i + 1 < w.size();) {
    const auto [px, py] = std::pair{w[i].second, w[i + 1].second};
    const std::string at =
        std::string(w[i].first) + " " + std::string(w[i + 1].first);
    if (std::isnan(px) && w[i].first != "nan") { // "in" or "out"
      in = w[i++].first == "in";
      continue;
    }
    if (head[0].first == "inside") {
      for (const ArcShape &s : shapes)
        EXPECT_EQ(Inside(RegionNamed(head[1].first), s, inner, px, py, tol), in)
            << "sweep " << s.sweep << " at " << at;
      i += 2;
      continue;
    }
    const bool miss = w[i + 2].first == "-";
    for (const ArcShape &s : shapes) {
      Point2 p{-7, -7};
      const bool hit = SnapNamed(head[1].first, p, s, inner, px, py, tol);
      EXPECT_EQ(hit, !miss) << "sweep " << s.sweep << " at " << at;
      if (hit && !miss) {
        EXPECT_NEAR(p.x, w[i + 2].second, 1e-12) << at;
        EXPECT_NEAR(p.y, w[i + 3].second, 1e-12) << at;
      }
    }
    i += miss ? 3 : 4;
  }
}

TEST(ShapeProbes, AsWorkedOutInTheFile) {
  std::ifstream file("tests/geometry/shape_probes.txt");
  ASSERT_TRUE(file) << "run from the source folder";
  int probed = 0;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.empty() || line[0] == '#')
      continue;
    SCOPED_TRACE(line);
    CheckProbeLine(line);
    ++probed;
  }
  EXPECT_EQ(probed, 52);
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
