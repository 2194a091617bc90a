// SnapToElement: the first candidate in the fixed order of kinds and
// records wins, within a square window, in paper millimetres.

#include "orvik/exchange/point_snap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvik::exchange {
namespace {

constexpr double kPi = std::numbers::pi;
// 5 pixels at 10 pixels per millimetre.
constexpr double kTol = 0.5;

SnapHit Snap(const DrawingModel &m, double x, double y) {
  return SnapToElement(m, x, y, kTol);
}

void ExpectHit(const SnapHit &hit, EntKind kind, std::size_t index, double x,
               double y) {
  ASSERT_TRUE(hit.found);
  EXPECT_EQ(hit.kind, kind);
  EXPECT_EQ(hit.index, index);
  EXPECT_NEAR(hit.x, x, 1e-9);
  EXPECT_NEAR(hit.y, y, 1e-9);
}

void ExpectMiss(const SnapHit &hit) {
  EXPECT_FALSE(hit.found);
  EXPECT_EQ(hit.kind, EntKind{0});
  EXPECT_EQ(hit.index, 0u);
  EXPECT_EQ(hit.x, 0.0);
  EXPECT_EQ(hit.y, 0.0);
}

void AddArc(DrawingModel &m, double x, double y, double r, double start,
            double end) {
  m.AddArc(x, y, r, start, end, 1.0, 0.0);
}

TEST(PointSnap, EmptyModelFindsNothing) {
  ExpectMiss(Snap(DrawingModel{}, 0, 0));
}

TEST(PointSnap, MissLeavesTheOutPointAtZero) {
  // An arc's test places its centre in the out point before it fails; the
  // caller must still see (0, 0).
  DrawingModel m;
  AddArc(m, 3, 4, 1, 0, 90);
  m.AddLine(7, 7, 8, 8);
  ExpectMiss(Snap(m, 50, 50));
}

TEST(PointSnap, KindsAreSearchedInTheirOrderNotByArrival) {
  // Each kind offers (0, 0); they arrive from the last searched kind to the
  // first, and every newcomer must take over the hit.
  DrawingModel m;
  const auto expect_kind = [&m](EntKind kind) {
    SCOPED_TRACE(static_cast<int>(kind));
    ExpectHit(Snap(m, 0, 0), kind, 0, 0, 0);
  };
  // The arc-shaped solids: centre (10, 0), radius 10, from pi to 3pi/2, so
  // their first end point is (0, 0).
  for (auto *ring : {&m.SolidsSg, &m.SolidsSo}) {
    const EntKind kind =
        ring == &m.SolidsSg ? EntKind::SolidSg : EntKind::SolidSo;
    TJwwEntSolidRing &r = m.AppendElement(*ring, kind);
    r.Outline.CentreX = 10, r.Outline.Radius = 10, r.Outline.Flatness = 1,
    r.Outline.Start = kPi, r.Outline.Sweep = kPi / 2, r.InnerRadius = 5;
    expect_kind(kind);
  }
  TJwwEntSolidSe &se = m.AppendElement(m.SolidsSe, EntKind::SolidSe);
  se.Outline.CentreX = 10, se.Outline.Radius = 10, se.Outline.Flatness = 1,
  se.Outline.Start = kPi, se.Outline.Sweep = kPi / 2, se.Code = 0;
  expect_kind(EntKind::SolidSe);
  TJwwEntSolidSc &sc = m.AppendElement(m.SolidsSc, EntKind::SolidSc);
  sc.Outline.CentreX = 10, sc.Outline.Radius = 10, sc.Outline.Flatness = 1,
  sc.Outline.Start = kPi, sc.Outline.Sweep = kPi / 2, sc.Code = 5;
  expect_kind(EntKind::SolidSc);
  TJwwEntSolid4 &s4 = m.AppendElement(m.Solids4, EntKind::Solid4);
  s4.X2 = 1, s4.X3 = 1, s4.Y3 = 1, s4.Y4 = 1;
  expect_kind(EntKind::Solid4);
  TJwwEntSolid3 &s3 = m.AppendElement(m.Solids3, EntKind::Solid3);
  s3.X2 = 1, s3.Y3 = 1;
  expect_kind(EntKind::Solid3);
  m.AppendElement(m.Solids2, EntKind::Solid2).X2 = 1;
  expect_kind(EntKind::Solid2);
  TJwwEntDim &dim = m.AppendElement(m.Dims, EntKind::Dim);
  dim.Line.X2 = 10;
  dim.Text.X = 5, dim.Text.Y = 1;
  expect_kind(EntKind::Dim);
  m.AppendElement(m.Texts, EntKind::Text).DX = 1;
  expect_kind(EntKind::Text);
  AddArc(m, 10, 0, 10, 180, 270); // first end point (0, 0)
  expect_kind(EntKind::Arc);
  TJwwEntCircle &c = m.AppendElement(m.Circles, EntKind::Circle);
  c.X = 10, c.Radius = 10; // quadrant point at pi: (0, 0)
  expect_kind(EntKind::Circle);
  m.AddLine(0, 0, 5, 5);
  expect_kind(EntKind::Line);
  m.AppendElement(m.PointsEx, EntKind::PointEx);
  expect_kind(EntKind::PointEx);
  m.AddPoint(0, 0);
  expect_kind(EntKind::Point);
}

TEST(PointSnap, PointElementBeatsACloserLineEnd) {
  DrawingModel m;
  m.AddLine(0, 0, 10, 0); // its end is exactly at the pointer
  m.AddPoint(0.4, 0.3);
  ExpectHit(Snap(m, 0, 0), EntKind::Point, 0, 0.4, 0.3);
}

TEST(PointSnap, EarlierRecordAndEarlierEndWin) {
  DrawingModel m;
  m.AddLine(0.4, 0.4, 10, 10);
  m.AddLine(0, 0, -10, 0);
  ExpectHit(Snap(m, 0, 0), EntKind::Line, 0, 0.4, 0.4);

  // Both ends of one line in the window: the first end, though farther.
  DrawingModel one;
  one.AddLine(0.3, 0, -0.1, 0);
  ExpectHit(Snap(one, 0, 0), EntKind::Line, 0, 0.3, 0);
}

TEST(PointSnap, WindowIsASquareWithItsEdgeIncluded) {
  DrawingModel m;
  m.AddPoint(0, 0);
  // 4 px on both axes, about 5.7 px diagonally: taken.
  ExpectHit(Snap(m, 0.4, 0.4), EntKind::Point, 0, 0, 0);
  ExpectHit(Snap(m, -0.4, 0.4), EntKind::Point, 0, 0, 0);
  // Exactly 5 px on both axes: taken.
  ExpectHit(Snap(m, 0.5, -0.5), EntKind::Point, 0, 0, 0);
  // 6 px on one axis: not taken, however close the other.
  ExpectMiss(Snap(m, 0.6, 0));
  ExpectMiss(Snap(m, 0, -0.6));
  ExpectMiss(Snap(m, -0.6, 0.1));
}

TEST(PointSnap, ModelCoordinatesAreDividedByTheirGroupsScale) {
  DrawingModel m;
  m.GroupScale[0] = 100;
  m.GroupScale[2] = 50;
  m.AddLine(1000, 0, 5000, 0); // group 0: (10, 0) on paper
  m.SetCurrentGroup(2);
  m.AddLine(1000, 100, 5000, 100); // group 2: (20, 2) on paper
  ExpectHit(Snap(m, 10.2, -0.1), EntKind::Line, 0, 10, 0);
  ExpectHit(Snap(m, 20, 2), EntKind::Line, 1, 20, 2);
  ExpectMiss(Snap(m, 1000, 0));

  // Sheet coordinates are paper millimetres already.
  m.SheetCoords = true;
  ExpectHit(Snap(m, 1000, 0), EntKind::Line, 0, 1000, 0);
  ExpectMiss(Snap(m, 10, 0));
}

TEST(PointSnap, ArcCentreAndRadiusAreScaledButNotItsAngles) {
  // Centre (1000, 0), radius 500 at 1:100: centre (10, 0), radius 5 on
  // paper; from 0 to 90 degrees its ends are (15, 0) and (10, 5).
  DrawingModel m;
  m.GroupScale[0] = 100;
  AddArc(m, 1000, 0, 500, 0, 90);
  ExpectHit(Snap(m, 15.1, 0.2), EntKind::Arc, 0, 15, 0);
  ExpectHit(Snap(m, 9.8, 5.1), EntKind::Arc, 0, 10, 5);
  // On the outline between the ends: the centre.
  ExpectHit(Snap(m, 10 + 5 * std::cos(kPi / 4), 5 * std::sin(kPi / 4)),
            EntKind::Arc, 0, 10, 0);
}

class ClosedArc : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(ClosedArc, IsAFullCircle) {
  // Radius 10 about (0, 0): the quadrant points (10, 0) and (0, -10) lie
  // outside any short arc at 30 degrees; elsewhere on the outline the
  // centre is offered.
  DrawingModel m;
  AddArc(m, 0, 0, 10, GetParam().first, GetParam().second);
  ExpectHit(Snap(m, 10.2, 0.1), EntKind::Arc, 0, 10, 0);
  ExpectHit(Snap(m, 0.1, -9.9), EntKind::Arc, 0, 0, -10);
  ExpectHit(Snap(m, 10 * std::cos(kPi / 4), 10 * std::sin(kPi / 4)),
            EntKind::Arc, 0, 0, 0);
}

INSTANTIATE_TEST_SUITE_P(
    StartAndEnd, ClosedArc,
    ::testing::Values(
        std::pair{30.0, 30.0},
        // A sweep below 1e-8 degrees, but above 1e-10 once in radians.
        std::pair{30.0, 30.0 + 9e-9},
        // -330 and 30 are the same direction: a sweep of one whole turn.
        std::pair{-330.0, 30.0}));

TEST(PointSnap, ShortArcOffersNoQuadrantPoint) {
  // The contrast to ClosedArc: from 30 to 60 degrees neither (10, 0) nor
  // (0, -10) is on the arc.
  DrawingModel m;
  AddArc(m, 0, 0, 10, 30, 60);
  ExpectMiss(Snap(m, 10.2, 0.1));
  ExpectMiss(Snap(m, 0.1, -9.9));
}

TEST(PointSnap, BlocksAreNeverSnapped) {
  DrawingModel m;
  TJwwEntBlk &block = m.AppendElement(m.Blocks, EntKind::Block);
  block.X = 0, block.Y = 0;
  ExpectMiss(Snap(m, 0, 0));
  m.AddLine(5, 5, 6, 6);
  ExpectHit(Snap(m, 5, 5), EntKind::Line, 0, 5, 5);
}

TEST(PointSnap, DimensionPartsUseTheirOwnGroups) {
  // The dimension and its text are on group 1 (1:10), its line on group 0
  // (1:100): the line's ends (1000, 0), (2000, 0) are (10, 0), (20, 0) on
  // paper and the text's start (3000, 100) is (300, 10).
  DrawingModel m;
  m.GroupScale[0] = 100;
  m.GroupScale[1] = 10;
  TJwwEntDim &dim = m.AppendElement(m.Dims, EntKind::Dim);
  dim.Attr.Group = 1;
  dim.Line.Attr.Group = 0;
  dim.Line.X1 = 1000, dim.Line.X2 = 2000;
  dim.Text.Attr.Group = 1;
  dim.Text.X = 3000, dim.Text.Y = 100, dim.Text.DX = 1;
  ExpectHit(Snap(m, 10, 0), EntKind::Dim, 0, 10, 0);
  ExpectHit(Snap(m, 20.3, 0), EntKind::Dim, 0, 20, 0);
  ExpectHit(Snap(m, 300, 10), EntKind::Dim, 0, 300, 10);
  // Where the other group's scale would put them.
  ExpectMiss(Snap(m, 100, 0));
  ExpectMiss(Snap(m, 30, 1));
}

} // namespace
} // namespace orvik::exchange
