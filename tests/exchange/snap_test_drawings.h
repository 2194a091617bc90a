#pragma once
// Random drawings of every searched kind and pointers around what their
// records offer, for comparing the snap index with the plain search.

#include "orvik/exchange/model.h"
#include "orvik/exchange/point_snap.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/lines.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace orvik::exchange::snap_test {

using geometry::ArcShape;
using geometry::Point2;

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kPi = std::numbers::pi;

// ---- comparing answers ----

inline std::string Describe(const SnapHit &h) {
  std::ostringstream s;
  s.precision(17);
  s << "{found " << h.found << ", kind " << static_cast<int>(h.kind)
    << ", index " << h.index << ", x " << h.x << ", y " << h.y << "}";
  return s.str();
}

// All five fields equal, a NaN matching a NaN.
inline ::testing::AssertionResult SameHit(const SnapHit &plain,
                                          const SnapHit &indexed) {
  const auto same = [](double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
  };
  if (plain.found == indexed.found && plain.kind == indexed.kind &&
      plain.index == indexed.index && same(plain.x, indexed.x) &&
      same(plain.y, indexed.y))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "plain " << Describe(plain) << " indexed " << Describe(indexed);
}

// Compares both searches at one pointer; reports the first few failures.
inline void Check(const DrawingModel &m, const SnapIndex &index, double px,
                  double py, double tol, int &failures,
                  SnapHit *plain_out = nullptr) {
  const SnapHit plain = SnapToElement(m, px, py, tol);
  const auto same = SameHit(plain, index.Find(m, px, py, tol));
  if (!same && ++failures <= 10)
    ADD_FAILURE() << same.message() << " at (" << px << ", " << py << ") tol "
                  << tol;
  if (plain_out != nullptr)
    *plain_out = plain;
}

// ---- random drawings ----

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

  // Mostly ordinary values, some shared so that points coincide, a few
  // that no drawing should hold.
  double Coord() {
    if (Chance(0.03 * odd))
      return Pick({0.0, -0.0, 1e-300, -1e-300, 1e300, -1e300, 1e15, -1e15, kNaN,
                   kInf, -kInf, 5e-324});
    if (Chance(0.15 * odd))
      return Pick({-400.0, -25.5, 0.0, 12.25, 300.0, 777.0});
    return Uniform(-1000, 1000);
  }
  double Radius() {
    if (Chance(0.15 * odd))
      return Pick({0.0, -50.0, 1e-12, 1e300, kNaN, kInf, -1e-9, 1e-300, 2e3});
    return Uniform(0, 300 * odd);
  }
  double Flatness() {
    if (Chance(0.7 * odd))
      return Pick({1.0, 1.0, 0.0, -1.0, 0.5, -0.5, 2.0, 1e-3, 1.0001e-3,
                   9.99e-4, -1e-3, 1e3, 1e4, 1e-9, kNaN, kInf, 1e200});
    return Uniform(-3, 3);
  }
  double Degrees() {
    if (Chance(0.4))
      return Pick({0.0, 90.0, 180.0, 270.0, 360.0, -360.0, 720.0, 1e-9, -1e-9,
                   1e20, kNaN, kInf, 359.9, -90.0});
    return Uniform(-720, 720);
  }
  double Radians() {
    if (Chance(0.4))
      return Pick({0.0, kPi, -kPi, 2 * kPi, -2 * kPi, kPi + 1e-12, kPi - 1e-12,
                   kPi - 1e-6, 2 * kPi / 3, -2 * kPi / 3, 1e-12, 999.0, 1001.0,
                   1e20, kNaN, kInf, kPi / 2, 3 * kPi / 2});
    return Uniform(-7, 7);
  }
  std::int32_t Group() {
    return Chance(0.05 * odd) ? Pick({-1, 16, 99}) : Int(0, 15);
  }

private:
  std::mt19937_64 rng_;
};

// A model and, per kind, points its records offer, in paper millimetres.
struct Drawing {
  DrawingModel m;
  std::array<std::vector<Point2>, 16> offered;
  std::vector<ArcShape> outlines; // of the curved records
};

inline void RandomScales(DrawingModel &m, Gen &g) {
  m.SheetCoords = g.Chance(0.2);
  for (double &s : m.GroupScale)
    s = g.Pick({1.0, 1.0, 2.0, 50.0, 100.0, 0.5, 0.0, kNaN, -2.0, 1e-120, 1e-90,
                1e200});
}

inline ArcShape SolidShape(const TJwwEntSolidArc &r, double s) {
  return {r.Outline.CentreX / s, r.Outline.CentreY / s, r.Outline.Radius / s,
          r.Outline.Flatness,    r.Outline.Start,       r.Outline.Sweep,
          r.Outline.Tilt};
}
inline ArcShape SolidShape(const TJwwEntSolidRing &r, double s) {
  return {r.Outline.CentreX / s, r.Outline.CentreY / s, r.Outline.Radius / s,
          r.Outline.Flatness,    r.Outline.Start,       r.Outline.Sweep,
          r.Outline.Tilt};
}

// The centre, an end, a point of the outline or the tangents' apex.
inline Point2 ShapePoint(const ArcShape &a, Gen &g) {
  switch (g.Int(0, 4)) {
  case 0:
    return {a.cx, a.cy};
  case 1:
    return geometry::PointAt(a, a.start);
  case 2:
    return geometry::PointAt(a, a.start + a.sweep);
  case 3:
    return geometry::PointAt(a, g.Uniform(0, 2 * kPi));
  default:
    return geometry::ArcTangentApex(a).apex;
  }
}

// Appends a record of `kind` with random fields and notes what it offers.
class Filler {
public:
  Filler(Drawing &d, Gen &g) : d_(d), m_(d.m), g_(g) {}

  void Add(EntKind kind) {
    kind_ = kind;
    const auto c = [this] { return g_.Coord(); };
    switch (kind) {
    case EntKind::Point: {
      auto &r = New(m_.Points);
      r.X = c(), r.Y = c();
      Offer(r.Attr, {r.X, r.Y});
      break;
    }
    case EntKind::PointEx: {
      auto &r = New(m_.PointsEx);
      r.X = c(), r.Y = c();
      Offer(r.Attr, {r.X, r.Y});
      break;
    }
    case EntKind::Text: {
      auto &r = New(m_.Texts);
      r.X = c(), r.Y = c();
      Offer(r.Attr, {r.X, r.Y});
      break;
    }
    case EntKind::Line: {
      auto &r = New(m_.Lines);
      r.X1 = c(), r.Y1 = c(), r.X2 = c(), r.Y2 = c();
      Offer(r.Attr, {r.X1, r.Y1, r.X2, r.Y2});
      break;
    }
    case EntKind::Solid2: {
      auto &r = New(m_.Solids2);
      r.X1 = c(), r.Y1 = c(), r.X2 = c(), r.Y2 = c();
      Offer(r.Attr, {r.X1, r.Y1, r.X2, r.Y2});
      break;
    }
    case EntKind::Solid3: {
      auto &r = New(m_.Solids3);
      r.X1 = c(), r.Y1 = c(), r.X2 = c(), r.Y2 = c(), r.X3 = c(), r.Y3 = c();
      Offer(r.Attr, {r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3});
      break;
    }
    case EntKind::Solid4: {
      auto &r = New(m_.Solids4);
      r.X1 = c(), r.Y1 = c(), r.X2 = c(), r.Y2 = c(), r.X3 = c(), r.Y3 = c();
      r.X4 = c(), r.Y4 = c();
      Offer(r.Attr, {r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3, r.X4, r.Y4});
      break;
    }
    case EntKind::Dim:
      Dim();
      break;
    case EntKind::Circle:
    case EntKind::Arc:
      Curve(kind);
      break;
    case EntKind::SolidSc:
    case EntKind::SolidSe:
      ArcSolid(kind == EntKind::SolidSc ? m_.SolidsSc : m_.SolidsSe);
      break;
    case EntKind::SolidSo:
    case EntKind::SolidSg:
      Ring(kind == EntKind::SolidSo ? m_.SolidsSo : m_.SolidsSg);
      break;
    case EntKind::Block:
      break;
    }
  }

private:
  template <class T> T &New(GrowableList<T> &list) {
    T &r = m_.AppendElement(list, kind_);
    r.Attr.Group = g_.Group();
    return r;
  }
  double Scale(const TJwwEntAttr &a) const { return m_.ScaleOfGroup(a.Group); }
  std::vector<Point2> &Offered() {
    return d_.offered[static_cast<std::size_t>(kind_)];
  }
  // The points (x0, y0, x1, y1, ...) of a record with header `a`.
  void Offer(const TJwwEntAttr &a, std::initializer_list<double> xy) {
    const double s = Scale(a);
    for (auto p = xy.begin(); p != xy.end(); p += 2)
      Offered().push_back({p[0] / s, p[1] / s});
  }
  void Dim() {
    TJwwEntDim &r = New(m_.Dims);
    r.Line.Attr.Group = g_.Group(), r.Text.Attr.Group = g_.Group();
    r.Line.X1 = g_.Coord(), r.Line.Y1 = g_.Coord();
    r.Line.X2 = g_.Coord(), r.Line.Y2 = g_.Coord();
    r.Text.X = g_.Coord(), r.Text.Y = g_.Coord();
    Offer(r.Line.Attr, {r.Line.X1, r.Line.Y1, r.Line.X2, r.Line.Y2});
    Offer(r.Text.Attr, {r.Text.X, r.Text.Y});
  }
  void Curve(EntKind kind) {
    const double x = g_.Coord(), y = g_.Coord(), radius = g_.Radius();
    if (kind == EntKind::Circle) {
      TJwwEntCircle &r = New(m_.Circles);
      r.X = x, r.Y = y, r.Radius = radius;
      const double s = Scale(r.Attr);
      Shape({x / s, y / s, radius / s, 1, 0, 2 * kPi, 0});
      return;
    }
    TJwwEntArc &r = New(m_.Arcs);
    r.X = x, r.Y = y, r.Radius = radius, r.Flatness = g_.Flatness();
    r.StartAngle = g_.Degrees(), r.Tilt = g_.Degrees();
    r.EndAngle = g_.Chance(0.3) ? r.StartAngle + g_.Degrees() : g_.Degrees();
    const double s = Scale(r.Attr), d = kPi / 180;
    Shape({x / s, y / s, radius / s, r.Flatness, r.StartAngle * d,
           (r.EndAngle - r.StartAngle) * d, r.Tilt * d});
  }
  void ArcSolid(GrowableList<TJwwEntSolidArc> &list) {
    TJwwEntSolidArc &r = New(list);
    r.Outline.CentreX = g_.Coord(), r.Outline.CentreY = g_.Coord(),
    r.Outline.Radius = g_.Radius();
    r.Outline.Flatness = g_.Flatness(), r.Outline.Tilt = g_.Radians(),
    r.Outline.Start = g_.Radians();
    r.Outline.Sweep = g_.Radians(), r.Code = g_.Pick({100, 0, 5, -1, 1, 7, 99});
    Shape(SolidShape(r, Scale(r.Attr)));
  }
  void Ring(GrowableList<TJwwEntSolidRing> &list) {
    TJwwEntSolidRing &r = New(list);
    r.Outline.CentreX = g_.Coord(), r.Outline.CentreY = g_.Coord(),
    r.Outline.Radius = g_.Radius();
    r.Outline.Flatness = g_.Flatness(), r.Outline.Tilt = g_.Radians(),
    r.Outline.Start = g_.Radians();
    r.Outline.Sweep = g_.Radians();
    r.InnerRadius =
        g_.Chance(0.8) ? r.Outline.Radius * g_.Uniform(0, 1.2) : g_.Radius();
    const ArcShape outer = SolidShape(r, Scale(r.Attr));
    Shape(outer);
    Shape(geometry::InnerArc(kind_ == EntKind::SolidSg
                                 ? geometry::RingMode::EvenWidth
                                 : geometry::RingMode::SameFlatness,
                             outer, r.InnerRadius / Scale(r.Attr)));
  }
  void Shape(const ArcShape &a) {
    d_.outlines.push_back(a);
    for (int i = 0; i < 3; ++i)
      Offered().push_back(ShapePoint(a, g_));
  }

  Drawing &d_;
  DrawingModel &m_;
  Gen &g_;
  EntKind kind_ = EntKind::Block;
};

// Records of the given kinds, interleaved as drawings arrive. Set the
// scales first: what the records offer is noted in paper millimetres.
inline void Fill(Drawing &d, Gen &g, int count,
                 const std::vector<EntKind> &kinds) {
  Filler filler(d, g);
  for (int i = 0; i < count; ++i)
    filler.Add(kinds[static_cast<std::size_t>(
        g.Int(0, static_cast<int>(kinds.size()) - 1))]);
}

const std::vector<EntKind> kAllKinds(std::begin(kSnapOrder),
                                     std::end(kSnapOrder));

// ---- random pointers ----

inline double RandomTol(Gen &g) {
  if (g.Chance(0.4))
    return g.Pick({0.0, 1e-12, 1e-6, 1e-3, 0.05, 0.5, 2.0, 20.0, 300.0, 1e5,
                   1e200, kInf});
  return std::exp(g.Uniform(std::log(1e-4), std::log(1e3)));
}

// On the window's edge, just beyond it, inside it, or a few windows away.
inline double Offset(Gen &g, double tol) {
  if (!std::isfinite(tol))
    return 0;
  const double sign = g.Chance(0.5) ? 1 : -1;
  switch (g.Int(0, 6)) {
  case 0:
    return 0;
  case 1:
    return sign * tol;
  case 2:
    return sign * std::nextafter(tol, kInf);
  case 3:
    return g.Uniform(-tol, tol);
  case 4:
    return g.Uniform(-3 * tol, 3 * tol);
  case 5:
    return g.Uniform(-8 * tol, 8 * tol);
  default:
    return g.Uniform(-1e-9, 1e-9);
  }
}

// `x` moved by `steps` units in the last place.
inline double Nudge(double x, int steps) {
  for (; steps > 0; --steps)
    x = std::nextafter(x, kInf);
  for (; steps < 0; ++steps)
    x = std::nextafter(x, -kInf);
  return x;
}

// Compares the searches at `queries` pointers, most of them near what the
// records of `near` offer (of any kind when `near` is Block, which is never
// searched); tallies the plain search's hits by kind.
inline void Compare(const Drawing &d, Gen &g, int queries, EntKind near,
                    std::array<int, 16> &hits, int &failures) {
  SnapIndex index;
  index.Build(d.m);
  for (int i = 0; i < queries; ++i) {
    const EntKind kind =
        near != EntKind::Block
            ? near
            : kSnapOrder[static_cast<std::size_t>(g.Int(0, 13))];
    const auto &offered = d.offered[static_cast<std::size_t>(kind)];
    const double tol = RandomTol(g);
    double px = g.Uniform(-1500, 1500), py = g.Uniform(-1500, 1500);
    if (!offered.empty() && g.Chance(0.8)) {
      const Point2 p = offered[static_cast<std::size_t>(
          g.Int(0, static_cast<int>(offered.size()) - 1))];
      px = p.x + Offset(g, tol), py = p.y + Offset(g, tol);
    }
    SnapHit plain;
    Check(d.m, index, px, py, tol, failures, &plain);
    hits[static_cast<std::size_t>(plain.kind)] += plain.found ? 1 : 0;
  }
}

inline int Total(const std::array<int, 16> &counts) {
  int sum = 0;
  for (const int c : counts)
    sum += c;
  return sum;
}

} // namespace orvik::exchange::snap_test
