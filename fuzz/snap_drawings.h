#pragma once
// Drawings of every searched kind with unusual values among the ordinary
// ones, and pointers around what their records offer, every choice drawn
// from the fuzzer's input: the snap index must answer exactly as the plain
// search everywhere.

#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

namespace orvik::exchange::snap_fuzz {

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

// Random bits from the input, eight bytes at a time, then from a generator
// seeded by the input's length: a change to the input changes the choices
// it reaches, which lets coverage guide the search.
class InputBits {
public:
  using result_type = std::uint64_t;
  InputBits(const std::uint8_t *data, std::size_t size)
      : data_(data), size_(size), rest_(size) {}
  static constexpr result_type min() { return 0; }
  static constexpr result_type max() { return ~result_type{0}; }
  result_type operator()() {
    if (size_ < 8)
      return rest_();
    result_type v = 0;
    std::memcpy(&v, data_, 8);
    data_ += 8, size_ -= 8;
    return v;
  }

private:
  const std::uint8_t *data_;
  std::size_t size_;
  std::mt19937_64 rest_;
};

class Gen {
public:
  Gen(const std::uint8_t *data, std::size_t size) : rng_(data, size) {}
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
  InputBits rng_;
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

} // namespace orvik::exchange::snap_fuzz
