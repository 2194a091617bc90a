#include "orvik/render/extents.h"
#include "orvik/render/scene.h"
#include "orvik/util/plane.h"

#include "exchange_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvik::render {
namespace {

using test::CrLf;
using test::Read;

void ExpectBox(const DrawingExtents &e, double x1, double y1, double x2,
               double y2) {
  EXPECT_NEAR(e.MinX, x1, 1e-9);
  EXPECT_NEAR(e.MinY, y1, 1e-9);
  EXPECT_NEAR(e.MaxX, x2, 1e-9);
  EXPECT_NEAR(e.MaxY, y2, 1e-9);
}

TEST(Extents, EmptyDrawing) {
  ExpectBox(ComputeExtents(Read(""), {}), -100, -100, 100, 100);
}

TEST(Extents, SinglePointGetsAMargin) {
  ExpectBox(ComputeExtents(Read("pt 10 20\r\n"), {}), -90, -80, 110, 120);
}

TEST(Extents, BoundsAreClamped) {
  const DrawingExtents e =
      ComputeExtents(Read(CrLf({"0 0 5e8 -7e8", "pt 1 1"})), {});
  ExpectBox(e, 0, -1e8, 1e8, 1);
}

// Radius 10 at scale 2: the four axis points of radius 5.
TEST(Extents, CircleAtGroupScale) {
  const DrawingExtents e = ComputeExtents(
      Read(CrLf({"hs 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "ci 0 0 10", "pt 0 0"})),
      {});
  ExpectBox(e, -5, -5, 5, 5);
}

// From 350 to 10 degrees: the two ends and the 0 degree point only.
TEST(Extents, ArcAcrossZeroDegrees) {
  const DrawingExtents e =
      ComputeExtents(Read(CrLf({"ci 0 0 10 350 10 1 0", "pt 0 0"})), {});
  EXPECT_NEAR(e.MaxX, 10, 1e-9);
  EXPECT_NEAR(e.MaxY, 10 * std::sin(10 * kPi / 180), 1e-9);
  EXPECT_NEAR(e.MinY, -10 * std::sin(10 * kPi / 180), 1e-9);
  EXPECT_NEAR(e.MinX, 0, 1e-9); // the point; not the 180 degree point
}

TEST(Extents, ImageReferenceAddsItsSize) {
  const DrawingExtents e =
      ComputeExtents(Read(CrLf({"hs 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
                                "ch 0 0 1 0 \"^@BMa.bmp,20,30", "pt 0 0"})),
                     {});
  ExpectBox(e, 0, 0, 10, 15); // (X + 20, Y + 30) / 2
}

TEST(Extents, SheetCoordinatesIgnoreTheScale) {
  const DrawingExtents e =
      ComputeExtents(Read(CrLf({"hs 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "bz",
                                "0 0 10 10", "0 0 1 1"})),
                     {});
  ExpectBox(e, 0, 0, 10, 10);
}

// A group scale of 0 (a malformed "hs") counts as 1, not as infinities.
TEST(Extents, ZeroScaleCountsAsOne) {
  const DrawingExtents e =
      ComputeExtents(Read(CrLf({"hs 0 x 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
                                "0 0 10 10", "0 0 1 1"})),
                     {});
  ExpectBox(e, 0, 0, 10, 10);
}

TEST(Extents, OnlyBlocksKeepThePreviousBox) {
  const DrawingExtents previous{1, 2, 3, 4};
  ExpectBox(ComputeExtents(Read(CrLf({"BL 0 0 a", "BL 5 5 b"})), previous), 1,
            2, 3, 4);
}

TEST(FitView, FillsNinetyPercentOfTheTighterDirection) {
  geometry::ViewState v;
  FitView(v, {0, 0, 100, 50}, 1000, 1000);
  EXPECT_DOUBLE_EQ(v.ViewScale, 9); // 1000 / 100 * 0.9
  EXPECT_DOUBLE_EQ((v.ViewLeft + v.ViewRight) / 2, 50);
  EXPECT_DOUBLE_EQ((v.ViewBottom + v.ViewTop) / 2, 25);
  EXPECT_NEAR((v.ViewRight - v.ViewLeft) * v.ViewScale, 1000, 1e-9);
}

TEST(FitView, DegenerateExtentsStayFinite) {
  geometry::ViewState v;
  FitView(v, {5, 5, 5, 5}, 800, 600);
  EXPECT_TRUE(std::isfinite(v.ViewScale));
  EXPECT_NEAR((v.ViewLeft + v.ViewRight) / 2, 5, 1e-9);
}

} // namespace
} // namespace orvik::render
