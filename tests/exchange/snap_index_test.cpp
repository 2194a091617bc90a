#include "orvik/exchange/snap_index.h"

#include "snap_test_drawings.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

using namespace snap_test;

// ---- the index against the plain search ----

// Small drawings full of unusual values: every kind, degenerate and
// non-finite shapes, odd scales, pointers on and around what they offer.
TEST(SnapIndex, AnswersAsThePlainSearchOnOddDrawings) {
  Gen g(20250607);
  std::array<int, 16> hits{};
  int failures = 0;
  const int drawings = 300, queries = 200;
  for (int i = 0; i < drawings; ++i) {
    Drawing d;
    RandomScales(d.m, g);
    Fill(d, g, 14 * g.Int(1, 30), kAllKinds);
    Compare(d, g, queries, EntKind::Block, hits, failures);
  }
  EXPECT_EQ(failures, 0);
  // The pointers must have found every searched kind, and missed often too.
  for (const EntKind kind : kSnapOrder)
    EXPECT_GT(hits[static_cast<std::size_t>(kind)], 20)
        << "kind " << static_cast<int>(kind);
  EXPECT_GT(Total(hits), drawings * queries / 4);
  EXPECT_LT(Total(hits), drawings * queries * 9 / 10);
}

// Drawings of one kind only, so that no earlier kind answers first, with
// enough records for a grid of several cells, few enough that the filled
// shapes seldom cover one another.
TEST(SnapIndex, AnswersAsThePlainSearchKindByKind) {
  Gen g(31337);
  g.odd = 0.3;
  for (const EntKind kind : kSnapOrder) {
    std::array<int, 16> hits{};
    int failures = 0;
    for (int i = 0; i < 40; ++i) {
      Drawing d;
      RandomScales(d.m, g);
      Fill(d, g, 60, {kind});
      Compare(d, g, 150, kind, hits, failures);
    }
    EXPECT_EQ(failures, 0) << "kind " << static_cast<int>(kind);
    EXPECT_GT(hits[static_cast<std::size_t>(kind)], 600)
        << "kind " << static_cast<int>(kind);
  }
}

// A larger drawing of mostly ordinary shapes, so that the grid has many
// cells and records meet several of them.
TEST(SnapIndex, AnswersAsThePlainSearchOnADenseDrawing) {
  Gen g(77);
  g.odd = 0.05;
  std::array<int, 16> hits{};
  int failures = 0;
  Drawing d;
  for (double &s : d.m.GroupScale)
    s = g.Chance(0.8) ? 1 : 2;
  Fill(d, g, 11200, kAllKinds);
  Compare(d, g, 2000, EntKind::Block, hits, failures);
  EXPECT_EQ(failures, 0);
  EXPECT_GT(Total(hits), 1000);
}

// Where the two tangent sides of a tangent zone, each moved out by tol, meet:
// the far corner of the region between them.
Point2 WidenedApex(const ArcShape &s, const geometry::ArcCorners &k,
                   double tol) {
  const double side =
      geometry::SignedLineOffset(k.first.x, k.first.y, k.second.x, k.second.y,
                                 s.cx, s.cy) >= 0
          ? 1.0
          : -1.0;
  const double t1 = DirectionAngle(k.apex.x - k.first.x, k.apex.y - k.first.y);
  const double t2 =
      DirectionAngle(k.second.x - k.apex.x, k.second.y - k.apex.y);
  // n . p = n . (a point of the side) - side * tol for both unit normals.
  const double ax = -std::sin(t1), ay = std::cos(t1);
  const double bx = -std::sin(t2), by = std::cos(t2);
  const double c1 = ax * k.first.x + ay * k.first.y - side * tol;
  const double c2 = bx * k.apex.x + by * k.apex.y - side * tol;
  const double det = ax * by - ay * bx;
  if (std::fabs(det) < 1e-9)
    return k.apex;
  return {(c1 * by - ay * c2) / det, (ax * c2 - c1 * bx) / det};
}

// True when (px, py) is further than tol from the tangent zone's apex and
// from the box around its outline.
bool BeyondApexAndOutline(const ArcShape &s, double px, double py, double tol) {
  const Point2 apex = geometry::ArcTangentApex(s).apex;
  const double out = std::fabs(s.radius) * std::max(1.0, std::fabs(s.flatness));
  const bool near_apex =
      std::fabs(px - apex.x) <= tol && std::fabs(py - apex.y) <= tol;
  const bool near_outline =
      std::fabs(px - s.cx) <= out + tol && std::fabs(py - s.cy) <= out + tol;
  return !near_apex && !near_outline;
}

// The region between a tangent zone's tangents widens with the tolerance:
// pointers beyond the apex by more than the tolerance still hit. Drawings
// of tangent zones, pointers around their apexes, ends and widened corners.
TEST(SnapIndex, AnswersAsThePlainSearchAroundTangentZones) {
  Gen g(4242);
  int failures = 0, hits = 0, far_hits = 0;
  for (int i = 0; i < 200; ++i) {
    DrawingModel m;
    for (int j = 0; j < 40; ++j) {
      TJwwEntSolidSc &r = m.AppendElement(m.SolidsSc, EntKind::SolidSc);
      r.Outline.CentreX = g.Uniform(-100, 100),
      r.Outline.CentreY = g.Uniform(-100, 100);
      r.Outline.Radius = g.Uniform(-5, 30);
      r.Outline.Flatness =
          g.Chance(0.6) ? g.Pick({1.0, 1.0, 0.5, 2.0, -1.0, -0.5, 0.01, 1e2})
                        : g.Uniform(-3, 3);
      r.Outline.Tilt = g.Uniform(-kPi, kPi), r.Outline.Start = g.Uniform(-7, 7);
      r.Outline.Sweep = g.Chance(0.3)
                            ? g.Pick({kPi - 1e-9, kPi, 2 * kPi / 3,
                                      -2 * kPi / 3, 4 * kPi / 3, 2 * kPi})
                            : g.Uniform(-7, 7);
      r.Code = g.Chance(0.9) ? -1 : 5;
    }
    SnapIndex index;
    index.Build(m);
    for (int q = 0; q < 300; ++q) {
      const ArcShape shape =
          SolidShape(m.SolidsSc[static_cast<std::size_t>(g.Int(0, 39))], 1);
      const geometry::ArcCorners k = geometry::ArcTangentApex(shape);
      const double tol = std::exp(g.Uniform(std::log(1e-3), std::log(50.0)));
      const double a = g.Uniform(0, 2 * kPi), reach = g.Uniform(0, 8) * tol;
      const Point2 base = g.Chance(0.6) ? k.apex : ShapePoint(shape, g);
      double px = base.x + reach * std::cos(a);
      double py = base.y + reach * std::sin(a);
      if (g.Chance(0.3)) {
        const Point2 corner = WidenedApex(shape, k, tol);
        px = Nudge(corner.x, g.Int(-3, 3));
        py = Nudge(corner.y, g.Int(-3, 3));
      }
      SnapHit plain;
      Check(m, index, px, py, tol, failures, &plain);
      hits += plain.found ? 1 : 0;
      if (plain.found &&
          BeyondApexAndOutline(SolidShape(m.SolidsSc[plain.index], 1), px, py,
                               tol))
        ++far_hits;
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(hits, 5000);
  EXPECT_GT(far_hits, 100);
}

// Pointers a few units in the last place either side of the furthest a
// curve reaches along the axes, widened by tol: the index's boxes must
// allow for the rounding of the outline tests.
TEST(SnapIndex, AnswersAsThePlainSearchAtTheEdgeOfCurves) {
  Gen g(9001);
  int failures = 0, hits = 0;
  for (int i = 0; i < 300; ++i) {
    Drawing d;
    Fill(d, g, 20,
         {EntKind::Circle, EntKind::Arc, EntKind::SolidSc, EntKind::SolidSe,
          EntKind::SolidSo, EntKind::SolidSg});
    SnapIndex index;
    index.Build(d.m);
    for (int q = 0; q < 100; ++q) {
      const ArcShape &a = d.outlines[static_cast<std::size_t>(
          g.Int(0, static_cast<int>(d.outlines.size()) - 1))];
      const double tol = g.Chance(0.3) ? 0 : std::pow(10.0, g.Uniform(-12, 2));
      const double world = kPi / 2 * g.Int(0, 3);
      const double reach = geometry::Reach(a, world - a.tilt) + tol;
      SnapHit plain;
      Check(d.m, index, Nudge(a.cx + reach * std::cos(world), g.Int(-3, 3)),
            Nudge(a.cy + reach * std::sin(world), g.Int(-3, 3)), tol, failures,
            &plain);
      hits += plain.found ? 1 : 0;
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(hits, 2000);
}

// ---- answers worked out by hand ----

SnapHit Expected(EntKind kind, std::size_t index, double x, double y) {
  return {true, kind, index, x, y};
}

// The plain search gives `want` at (px, py), the snapped point within
// rounding of the worked-out one, and the index gives exactly the same.
void ExpectBoth(const DrawingModel &m, const SnapIndex &index, double px,
                double py, double tol, const SnapHit &want) {
  const SnapHit plain = SnapToElement(m, px, py, tol);
  EXPECT_EQ(plain.found, want.found);
  EXPECT_EQ(plain.kind, want.kind);
  EXPECT_EQ(plain.index, want.index);
  EXPECT_NEAR(plain.x, want.x, 1e-12);
  EXPECT_NEAR(plain.y, want.y, 1e-12);
  EXPECT_TRUE(SameHit(plain, index.Find(m, px, py, tol)));
}

TEST(SnapIndex, TakesTheFirstRecordInTheWindowNotTheNearest) {
  DrawingModel m;
  m.AddPoint(1, 0);
  m.AddPoint(0, 0);
  m.AddLine(0, 0, 5, 5);
  SnapIndex index;
  index.Build(m);
  ExpectBoth(m, index, 0, 0, 2, Expected(EntKind::Point, 0, 1, 0));
  ExpectBoth(m, index, 0, 0, 0.5, Expected(EntKind::Point, 1, 0, 0));
  ExpectBoth(m, index, 5, 5.25, 0.5, Expected(EntKind::Line, 0, 5, 5));
  ExpectBoth(m, index, 5, 5.75, 0.5, SnapHit{});
}

TEST(SnapIndex, WorksInEachGroupsPaperMillimetres) {
  DrawingModel m;
  m.GroupScale[3] = 100;
  m.SetCurrentGroup(3);
  m.AddPoint(500, -200);
  TJwwEntDim &dim = m.AppendElement(m.Dims, EntKind::Dim);
  dim.Line.Attr.Group = 3;
  dim.Line.X1 = 100, dim.Line.X2 = 200;
  dim.Text.Attr.Group = 0; // scale 0 counts as 1
  dim.Text.X = 7, dim.Text.Y = 7;
  SnapIndex index;
  index.Build(m);
  ExpectBoth(m, index, 5, -2, 0.01, Expected(EntKind::Point, 0, 5, -2));
  ExpectBoth(m, index, 500, -200, 0.01, SnapHit{});
  ExpectBoth(m, index, 2, 0, 0.01, Expected(EntKind::Dim, 0, 2, 0));
  ExpectBoth(m, index, 7, 7, 0.01, Expected(EntKind::Dim, 0, 7, 7));
  m.SheetCoords = true;
  index.Build(m);
  ExpectBoth(m, index, 500, -200, 0.01, Expected(EntKind::Point, 0, 500, -200));
  ExpectBoth(m, index, 200, 0, 0.01, Expected(EntKind::Dim, 0, 200, 0));
}

// A circular tangent zone of radius 1 over a third of a turn from +x: ends
// (1, 0) and (-1/2, sqrt 3/2), apex (1, sqrt 3) at 60 degrees. Its region
// between the tangents meets their widened sides 2 tol beyond the apex
// along that direction (1 / cos 60), where neither the apex nor the circle
// is within tol; a pointer there lands in the region and gets the centre.
TEST(SnapIndex, FindsTangentZonesWhereTheirRegionWidensBeyondTheApex) {
  DrawingModel m;
  TJwwEntSolidSc &r = m.AppendElement(m.SolidsSc, EntKind::SolidSc);
  r.Outline.Radius = 1, r.Outline.Flatness = 1, r.Outline.Sweep = 2 * kPi / 3,
  r.Code = -1;
  SnapIndex index;
  index.Build(m);
  const double apex_y = std::sqrt(3.0), tol = 0.1;
  const auto beyond = [&](double d) {
    return Point2{1 + d / 2, apex_y + d * std::sqrt(3.0) / 2};
  };
  const Point2 in = beyond(0.19), out = beyond(0.21);
  ExpectBoth(m, index, in.x, in.y, tol, Expected(EntKind::SolidSc, 0, 0, 0));
  ExpectBoth(m, index, out.x, out.y, tol, SnapHit{});
  ExpectBoth(m, index, 1.05, apex_y - 0.05, tol,
             Expected(EntKind::SolidSc, 0, 1, apex_y));
}

TEST(SnapIndex, FindsElementsAddedAfterBuildInListOrder) {
  DrawingModel m;
  m.AddLine(0, 0, 10, 0);
  TJwwEntCircle &c = m.AppendElement(m.Circles, EntKind::Circle);
  c.X = 50, c.Radius = 5;
  SnapIndex index;
  index.Build(m);
  ExpectBoth(m, index, 10, 0, 0.5, Expected(EntKind::Line, 0, 10, 0));

  // A later point comes first: points are searched before lines.
  m.AddPoint(10, 0.25);
  ExpectBoth(m, index, 10, 0, 0.5, Expected(EntKind::Point, 0, 10, 0.25));
  // A later line is searched after the indexed ones, before the circles.
  m.AddLine(0, 0.25, 55, 0);
  ExpectBoth(m, index, 0, 0.2, 0.5, Expected(EntKind::Line, 0, 0, 0));
  ExpectBoth(m, index, 0, 0.3, 0.1, Expected(EntKind::Line, 1, 0, 0.25));
  ExpectBoth(m, index, 55, 0, 0.1, Expected(EntKind::Line, 1, 55, 0));
  ExpectBoth(m, index, 50, 5, 0.1, Expected(EntKind::Circle, 0, 50, 5));
  m.AddArc(100, 100, 10, 0, 90, 1, 0);
  ExpectBoth(m, index, 110, 100.05, 0.1, Expected(EntKind::Arc, 0, 110, 100));
  ExpectBoth(m, index, 100, 110, 0.1, Expected(EntKind::Arc, 0, 100, 110));

  // Taken back newest first, each is no longer found.
  m.RemoveLastElement();
  ExpectBoth(m, index, 110, 100.05, 0.1, SnapHit{});
  m.RemoveLastElement();
  ExpectBoth(m, index, 55, 0, 0.1, Expected(EntKind::Circle, 0, 55, 0));
  m.RemoveLastElement();
  ExpectBoth(m, index, 10, 0, 0.5, Expected(EntKind::Line, 0, 10, 0));
}

TEST(SnapIndex, IgnoresIndexedPositionsBeyondAShrunkList) {
  DrawingModel m;
  m.AddPoint(0, 0);
  m.AddPoint(1, 0);
  m.AddPoint(2, 0);
  SnapIndex index;
  index.Build(m);
  m.RemoveLastElement();
  m.RemoveLastElement();
  ExpectBoth(m, index, 2, 0, 0.1, SnapHit{});
  ExpectBoth(m, index, 1, 0, 0.1, SnapHit{});
  ExpectBoth(m, index, 0, 0, 0.1, Expected(EntKind::Point, 0, 0, 0));
}

TEST(SnapIndex, SearchesPlainlyWhenClearedOrNeverBuilt) {
  DrawingModel m;
  m.AddLine(3, 4, 5, 6);
  SnapIndex never;
  ExpectBoth(m, never, 5, 6, 0.1, Expected(EntKind::Line, 0, 5, 6));
  SnapIndex index;
  index.Build(m);
  index.Clear();
  EXPECT_EQ(index.MemoryBytes(), 0u);
  m.AddLine(7, 8, 9, 10);
  ExpectBoth(m, index, 9, 10, 0.1, Expected(EntKind::Line, 1, 9, 10));
}

} // namespace
} // namespace orvik::exchange
