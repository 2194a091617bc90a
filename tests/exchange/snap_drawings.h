#pragma once
// Random drawings of every searched kind with unusual values among the
// ordinary ones, and pointers around what their records offer: the snap
// index must answer exactly as the plain search everywhere. The runs are
// sized by the caller: short in the default suite, long in the long one.

#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

namespace orvik::exchange::snap_test {

using geometry::ArcShape;
using geometry::Point2;

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();

// All five fields equal, a NaN matching a NaN.
inline bool SameHit(const SnapHit &a, const SnapHit &b) {
  const auto same = [](double u, double v) {
    return u == v || (std::isnan(u) && std::isnan(v));
  };
  return a.found == b.found && a.kind == b.kind && a.index == b.index &&
         same(a.x, b.x) && same(a.y, b.y);
}

class Gen {
public:
  explicit Gen(std::uint64_t seed) : rng_(seed) {}
  double odd = 1; // scales the share of unusual values

  double Uniform(double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(rng_);
  }
  bool Chance(double p) { return Uniform(0, 1) < p; }
  int Int(int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(rng_);
  }
  template <class T> T Pick(std::initializer_list<T> v) {
    return v.begin()[Int(0, static_cast<int>(v.size()) - 1)];
  }
  // With chance p one of `unusual`, else uniform in [lo, hi).
  double Value(double p, std::initializer_list<double> unusual, double lo,
               double hi) {
    return Chance(p) ? Pick(unusual) : Uniform(lo, hi);
  }
  // Mostly ordinary values, some shared so that points coincide, a few
  // that no drawing should hold.
  double Coord() {
    return Chance(0.03 * odd)
               ? Pick({0.0, -0.0, 1e-300, 1e300, -1e300, 1e15, kNaN, kInf,
                       -kInf, 5e-324})
               : Value(0.15 * odd, {-400, -25.5, 0, 12.25, 300, 777}, -1000,
                       1000);
  }
  double Radius() {
    return Value(0.15 * odd,
                 {0, -50, 1e-12, 1e300, kNaN, kInf, -1e-9, 1e-300, 2e3}, 0,
                 300 * odd);
  }
  double Flatness() {
    return Value(0.7 * odd,
                 {1, 1, 0, -1, 0.5, -0.5, 2, 1e-3, 1.0001e-3, 9.99e-4, -1e-3,
                  1e3, 1e4, 1e-9, kNaN, kInf, 1e200},
                 -3, 3);
  }
  double Degrees() {
    return Value(0.4,
                 {0, 90, 180, 270, 360, -360, 720, 1e-9, -1e-9, 1e20, kNaN,
                  kInf, 359.9, -90},
                 -720, 720);
  }
  double Radians() {
    return Value(0.4,
                 {0, kPi, -kPi, kTwoPi, -kTwoPi, kPi + 1e-12, kPi - 1e-12,
                  kPi - 1e-6, kTwoPi / 3, -kTwoPi / 3, 1e-12, 999, 1001, 1e20,
                  kNaN, kInf, kPi / 2, 3 * kPi / 2},
                 -7, 7);
  }
  double Tol() {
    return Chance(0.4) ? Pick({0.0, 1e-12, 1e-6, 1e-3, 0.05, 0.5, 2.0, 20.0,
                               300.0, 1e5, 1e200, kInf})
                       : std::exp(Uniform(std::log(1e-4), std::log(1e3)));
  }
  // On the window's edge, just beyond it, inside it, or a few windows off.
  double Offset(double tol) {
    if (!std::isfinite(tol))
      return 0;
    const double edge = Pick({tol, std::nextafter(tol, kInf)});
    const double wide = tol * Pick({1.0, 3.0, 8.0});
    return Chance(0.3)    ? Pick({0.0, edge, -edge})
           : Chance(0.15) ? Uniform(-1e-9, 1e-9)
                          : Uniform(-wide, wide);
  }

private:
  std::mt19937_64 rng_;
};

// `x` moved by `steps` units in the last place.
inline double Nudge(double x, int steps) {
  for (; steps != 0; steps += steps > 0 ? -1 : 1)
    x = std::nextafter(x, steps > 0 ? kInf : -kInf);
  return x;
}

// A model and the points its records offer, in paper millimetres: those
// in the records, and of the curves the centre, the ends, points of the
// outline and the tangents' apex.
struct Drawing {
  DrawingModel m;
  std::vector<Point2> offered;
  std::vector<ArcShape> outlines; // of the curved records
};

// Gives new records random fields and notes what they offer.
struct Filler {
  Drawing &d;
  Gen &g;
  EntKind kind;

  double Scale(TJwwEntAttr &a) {
    a.Group = g.Chance(0.05 * g.odd) ? g.Pick({-1, 16, 99}) : g.Int(0, 15);
    return d.m.ScaleOfGroup(a.Group);
  }
  // Random points for record r (X, Y or X1, Y1 .. X4, Y4).
  template <class R> void Points(R &r) {
    const double s = Scale(r.Attr);
    const auto put = [&](double &x, double &y) {
      x = g.Coord(), y = g.Coord();
      d.offered.push_back({x / s, y / s});
    };
    if constexpr (requires { r.X; })
      put(r.X, r.Y);
    if constexpr (requires { r.X2; })
      put(r.X1, r.Y1), put(r.X2, r.Y2);
    if constexpr (requires { r.X3; })
      put(r.X3, r.Y3);
    if constexpr (requires { r.X4; })
      put(r.X4, r.Y4);
  }
  ArcShape Shape(const ArcShape &a) {
    d.outlines.push_back(a);
    d.offered.insert(d.offered.end(),
                     {{a.cx, a.cy},
                      geometry::FirstEnd(a),
                      geometry::SecondEnd(a),
                      geometry::PointAt(a, g.Uniform(0, kTwoPi)),
                      geometry::ArcTangentApex(a).apex});
    return a;
  }
  template <class R> ArcShape Outline(R &r) {
    r.Outline = {g.Coord(),   g.Coord(),   g.Radius(), g.Flatness(),
                 g.Radians(), g.Radians(), g.Radians()};
    return Shape(PaperShape(r.Outline, Scale(r.Attr)));
  }
  template <class R> void operator()(R &r) {
    if constexpr (std::is_same_v<R, TJwwEntDim>) { // a group for each part
      Points(r.Line);
      Points(r.Text);
    } else if constexpr (std::is_same_v<R, TJwwEntCircle>) {
      r.X = g.Coord(), r.Y = g.Coord(), r.Radius = g.Radius();
      const double s = Scale(r.Attr);
      Shape({r.X / s, r.Y / s, r.Radius / s, 1, 0, kTwoPi, 0});
    } else if constexpr (std::is_same_v<R, TJwwEntArc>) {
      r.X = g.Coord(), r.Y = g.Coord(), r.Radius = g.Radius();
      r.Flatness = g.Flatness(), r.StartAngle = g.Degrees();
      r.Tilt = g.Degrees();
      r.EndAngle = g.Chance(0.3) ? r.StartAngle + g.Degrees() : g.Degrees();
      const double s = Scale(r.Attr), deg = kPi / 180;
      Shape({r.X / s, r.Y / s, r.Radius / s, r.Flatness, r.StartAngle * deg,
             (r.EndAngle - r.StartAngle) * deg, r.Tilt * deg});
    } else if constexpr (std::is_base_of_v<TJwwEntSolidArc, R>) {
      Outline(r);
      r.Code = g.Pick({100, 0, 5, -1, 1, 7, 99});
    } else if constexpr (std::is_base_of_v<TJwwEntSolidRing, R>) {
      const ArcShape outer = Outline(r);
      r.InnerRadius =
          g.Chance(0.8) ? r.Outline.Radius * g.Uniform(0, 1.2) : g.Radius();
      Shape(geometry::InnerArc(
          kind == EntKind::SolidSg ? geometry::RingMode::EvenWidth
                                   : geometry::RingMode::SameFlatness,
          outer, r.InnerRadius / d.m.ScaleOfGroup(r.Attr.Group)));
    } else {
      Points(r);
    }
  }
};

// Appends a record of `kind` (a searched one) with random fields.
inline void AddRecord(Drawing &d, Gen &g, EntKind kind) {
  Filler fill{d, g, kind};
  if (kind != EntKind::Block)
    VisitList(d.m, kind,
              [&](auto &list) { fill(d.m.AppendElement(list, kind)); });
}

// Where the two tangents of a tangent zone, each moved away from the
// centre by tol, meet: the far corner of the region between them, which
// widens with tol (the apex itself for parallel tangents).
inline Point2 WidenedApex(const ArcShape &s, double tol) {
  const geometry::ArcCorners k = geometry::ArcTangentApex(s);
  const auto moved = [&](Point2 a, Point2 b) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    double nx = (a.y - b.y) / len, ny = (b.x - a.x) / len;
    if (nx * (s.cx - a.x) + ny * (s.cy - a.y) > 0)
      nx = -nx, ny = -ny;
    return std::array{a.x + tol * nx, a.y + tol * ny, b.x + tol * nx,
                      b.y + tol * ny};
  };
  const auto u = moved(k.first, k.apex), v = moved(k.apex, k.second);
  Point2 c = k.apex;
  geometry::LineCrossing(c, u[0], u[1], u[2], u[3], v[0], v[1], v[2], v[3]);
  return c;
}

// A pointer and tolerance: mostly near a point the records offer, else a
// few units in the last place either side of where a curve reaches
// furthest along an axis or of a tangent zone's widened corner, else
// anywhere.
inline void Aim(const Drawing &d, Gen &g, double &px, double &py, double &tol) {
  tol = g.Tol();
  px = g.Uniform(-1500, 1500), py = g.Uniform(-1500, 1500);
  const double way = g.Uniform(0, 1);
  if (way < 0.3 && !d.outlines.empty() && std::isfinite(tol)) {
    const ArcShape &a =
        d.outlines[g.Int(0, static_cast<int>(d.outlines.size()) - 1)];
    const double world = kPi / 2 * g.Int(0, 3);
    const double reach = geometry::Reach(a, world - a.tilt) + tol;
    const Point2 p = way < 0.15 ? Point2{a.cx + reach * std::cos(world),
                                         a.cy + reach * std::sin(world)}
                                : WidenedApex(a, tol);
    px = Nudge(p.x, g.Int(-3, 3)), py = Nudge(p.y, g.Int(-3, 3));
  } else if (way < 0.9 && !d.offered.empty()) {
    const Point2 p =
        d.offered[g.Int(0, static_cast<int>(d.offered.size()) - 1)];
    px = p.x + g.Offset(tol), py = p.y + g.Offset(tol);
  }
}

// `drawings` drawings of `records` records (a random count from 14 to 420
// for 0) of the given kinds, with unusual group scales when `odd_scales`,
// searched both ways at `queries` pointers: the searches must agree.
// Returns the plain search's hits by kind.
inline std::array<int, 16> Run(std::uint64_t seed, double odd, int drawings,
                               int records, std::vector<EntKind> kinds,
                               int queries, bool odd_scales = true) {
  Gen g(seed);
  g.odd = odd;
  std::array<int, 16> hits{};
  int failures = 0;
  for (int i = 0; i < drawings; ++i) {
    Drawing d;
    d.m.SheetCoords = odd_scales && g.Chance(0.2);
    for (double &s : d.m.GroupScale)
      s = odd_scales ? g.Pick({1.0, 1.0, 2.0, 50.0, 100.0, 0.5, 0.0, kNaN, -2.0,
                               1e-120, 1e-90, 1e200})
                     : g.Pick({1.0, 1.0, 1.0, 1.0, 2.0});
    for (int n = records > 0 ? records : 14 * g.Int(1, 30); n > 0; --n)
      AddRecord(d, g, kinds[g.Int(0, static_cast<int>(kinds.size()) - 1)]);
    SnapIndex index;
    index.Build(d.m);
    for (int q = 0; q < queries; ++q) {
      double px, py, tol;
      Aim(d, g, px, py, tol);
      const SnapHit plain = SnapToElement(d.m, px, py, tol);
      const SnapHit indexed = index.Find(d.m, px, py, tol);
      if (!SameHit(plain, indexed) && ++failures <= 10)
        ADD_FAILURE() << "at (" << px << ", " << py << ") tol " << tol
                      << " the index finds #" << indexed.index << ", not #"
                      << plain.index << " of kind " << int(plain.kind);
      hits[static_cast<std::size_t>(plain.kind)] += plain.found;
    }
  }
  EXPECT_EQ(failures, 0);
  return hits;
}

// Small drawings full of unusual values: every kind is found, and of the
// 6000 pointers a quarter to nine tenths hit. One kind at a time, so that
// no earlier kind answers first, in drawings with several cells and few
// overlaps. One large drawing of mostly ordinary shapes, with many cells
// that records meet several of: a quarter of the pointers hit at least.
inline void AgreeEverywhere(int scale) {
  const std::vector<EntKind> all(std::begin(kSnapOrder), std::end(kSnapOrder));
  const std::array<int, 16> odd = Run(20250607, 1, 30 * scale, 0, all, 200);
  int total = 0;
  for (const EntKind kind : kSnapOrder) {
    const int n = odd[static_cast<std::size_t>(kind)];
    total += n;
    EXPECT_GT(n, 2 * scale) << "kind " << static_cast<int>(kind);
  }
  EXPECT_GT(total, 1500 * scale);
  EXPECT_LT(total, 5400 * scale);
  for (const EntKind kind : kSnapOrder)
    EXPECT_GT(Run(31337, 0.3, 4 * scale, 60, {kind},
                  150)[static_cast<std::size_t>(kind)],
              60 * scale)
        << "kind " << static_cast<int>(kind);
  int dense = 0;
  for (const int n : Run(77, 0.05, 1, 1100 * scale, all, 200 * scale, false))
    dense += n;
  EXPECT_GT(dense, 50 * scale);
}

} // namespace orvik::exchange::snap_test
