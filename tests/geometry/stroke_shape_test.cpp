// One pen stroke judged as an arc, a whole circle, or neither: a table of
// paths in pixels (y down, as the pointer gives them).

#include "orvik/geometry/stroke_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

namespace orvik::geometry {
namespace {

using Kind = StrokeShape::Kind;
using Path = std::vector<Point2>;

constexpr double kDeg = std::numbers::pi / 180;

// `n` + 1 points on the circle about (cx, cy) of radius r from angle a0 to
// a1 (degrees, counter-clockwise on screen when a1 > a0).
Path Arc(double cx, double cy, double r, double a0, double a1, int n = 40) {
  Path p;
  for (int i = 0; i <= n; ++i) {
    const double a = (a0 + (a1 - a0) * i / n) * kDeg;
    p.push_back({cx + r * std::cos(a), cy - r * std::sin(a)});
  }
  return p;
}

// The arc of chord `c` and sagitta `s`, level, bulging upwards.
Path Shallow(double c, double s) {
  const double r = (c * c / 4 + s * s) / (2 * s);
  const double half = std::asin(c / 2 / r) / kDeg;
  return Arc(200, 200 + (r - s), r, 90 - half, 90 + half);
}

Path Twice(const Path &p) {
  Path q;
  for (const Point2 &pt : p)
    q.insert(q.end(), {pt, pt});
  return q;
}

// `n` + 1 points `step` apart across, each `rise(i)` below y = 100.
Path Across(int n, double step, double (*rise)(int)) {
  Path p;
  for (int i = 0; i <= n; ++i)
    p.push_back({100.0 + step * i, 100.0 + rise(i)});
  return p;
}

TEST(RecognizeStroke, JudgesTheWholePath) {
  const std::tuple<const char *, Path, Kind> rows[] = {
      {"quarter arc", Arc(100, 100, 60, 0, 90), Kind::Arc},
      {"quarter arc, other way", Arc(100, 100, 60, 90, 0), Kind::Arc},
      {"half arc", Arc(100, 100, 60, 0, 180), Kind::Arc},
      {"half arc, other way", Arc(100, 100, 60, 180, 0), Kind::Arc},
      {"three quarters", Arc(100, 100, 60, 0, 270), Kind::Arc},
      {"three quarters, other way", Arc(100, 100, 60, 270, 0), Kind::Arc},
      // Chord 100: the sagitta must reach a tenth of it, 10 pixels.
      {"shallow, sagitta 9.5", Shallow(100, 9.5), Kind::None},
      {"shallow, sagitta 10.5", Shallow(100, 10.5), Kind::Arc},
      // Chord 40: the sagitta must reach 8 pixels.
      {"short, sagitta 7.5", Shallow(40, 7.5), Kind::None},
      {"short, sagitta 8.5", Shallow(40, 8.5), Kind::Arc},
      {"wobbly straight drag",
       Across(50, 4, [](int i) { return 2 * std::sin(i); }), Kind::None},
      {"zig-zag", Across(10, 10, [](int i) { return i % 2 ? 30.0 : 0; }),
       Kind::None},
      {"closed loop", Arc(300, 300, 40, 10, 366), Kind::Circle},
      {"loop that does not close", Arc(300, 300, 40, 10, 310), Kind::Arc},
      {"loop too small for a circle", Arc(300, 300, 8, 10, 366), Kind::None},
      {"every point twice", Twice(Arc(100, 100, 60, 0, 180)), Kind::Arc},
      {"one point", Path{{5, 5}}, Kind::None},
      {"two points", Path{{5, 5}, {50, 50}}, Kind::None},
      {"three on a line", Path{{0, 0}, {20, 20}, {40, 40}}, Kind::None},
      {"far away", Arc(1e9, 1e9, 60, 0, 180), Kind::Arc},
      {"far away, closed", Arc(1e9, -1e9, 40, 0, 359), Kind::Circle},
  };
  for (const auto &[name, path, kind] : rows)
    EXPECT_EQ(RecognizeStroke(path).kind, kind) << name;
}

TEST(RecognizeStroke, ArcThroughTheFarthestPointCircleTheFittedOne) {
  // The half arc from (160, 100) over (100, 40) to (40, 100): the top
  // point is the one farthest from the chord.
  const StrokeShape arc = RecognizeStroke(Arc(100, 100, 60, 0, 180));
  EXPECT_NEAR(arc.through.x, 100, 1e-9);
  EXPECT_NEAR(arc.through.y, 40, 1e-9);
  const StrokeShape s = RecognizeStroke(Arc(300, 250, 40, 10, 366));
  EXPECT_NEAR(s.centre.x, 300, 1e-6);
  EXPECT_NEAR(s.centre.y, 250, 1e-6);
  EXPECT_NEAR(s.radius, 40, 1e-6);
  const StrokeShape far = RecognizeStroke(Arc(1e9, -1e9, 40, 0, 359));
  EXPECT_NEAR(far.centre.x, 1e9, 1e-3);
  EXPECT_NEAR(far.radius, 40, 1e-3);
}

} // namespace
} // namespace orvik::geometry
