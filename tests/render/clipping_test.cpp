#include "orvik/render/clipping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvik::render {
namespace {

// A 10 x 10 mm window at 10 pixels per mm.
ViewState Window() {
  ViewState v;
  v.ViewWidth = 100;
  v.ViewHeight = 100;
  v.CentreWindow(5, 5, 10);
  return v;
}

TEST(Clipping, PointsOnABorderAreOutside) {
  const ViewState v = Window();
  EXPECT_EQ(OutCode(5, 5, v), 0);
  EXPECT_EQ(OutCode(0, 5, v), 1);
  EXPECT_EQ(OutCode(10, 5, v), 2);
  EXPECT_EQ(OutCode(5, 0, v), 4);
  EXPECT_EQ(OutCode(5, 10, v), 8);
  EXPECT_EQ(OutCode(-1, 11, v), 1 | 8);
  EXPECT_EQ(OutCode(2e-12, 5, v), 0);
  EXPECT_EQ(PointVisibility(0, 5, v), 2);
}

TEST(Clipping, SegmentOnTheTopBorderIsInvisible) {
  const ViewState v = Window();
  double x1 = 1, y1 = 10, x2 = 9, y2 = 10;
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), 2);
}

TEST(Clipping, InsideSegmentIsUnchanged) {
  const ViewState v = Window();
  double x1 = 1, y1 = 2, x2 = 3, y2 = 4;
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), 0);
  EXPECT_EQ(x1, 1);
  EXPECT_EQ(y2, 4);
}

TEST(Clipping, SegmentLeavingLeftIsCutAtTheLeftEdge) {
  const ViewState v = Window();
  double x1 = 5, y1 = 5, x2 = -5, y2 = 0;
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), 1);
  EXPECT_DOUBLE_EQ(x2, 0);
  EXPECT_DOUBLE_EQ(y2, 2.5);
  EXPECT_EQ(x1, 5);
}

TEST(Clipping, VerticalSegmentLeftOfTheWindowIsRejected) {
  const ViewState v = Window();
  double x1 = -1, y1 = -5, x2 = -1, y2 = 15;
  EXPECT_EQ(SegmentVisibility(v, x1, y1, x2, y2), 2);
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), 2);
}

// Through the corner from left to below: both ends clip to (0, 0).
TEST(Clipping, SegmentClippedToAPointIsInvisible) {
  const ViewState v = Window();
  double x1 = -1, y1 = 1, x2 = 1, y2 = -1;
  EXPECT_EQ(SegmentVisibility(v, x1, y1, x2, y2), 1);
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), 2);
}

TEST(Clipping, CrossingSegmentIsCutAtBothEdges) {
  const ViewState v = Window();
  double x1 = -10, y1 = 5, x2 = 20, y2 = 5;
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), 1);
  EXPECT_DOUBLE_EQ(x1, 0);
  EXPECT_DOUBLE_EQ(x2, 10);
}

TEST(ToScreen, RoundsHalvesAwayFromZero) {
  ViewState v;
  v.ViewHeight = 100;
  v.ViewScale = 1;
  EXPECT_EQ(ToScreen(v, 2.5, 0), (PixelPoint{3, 100}));
  EXPECT_EQ(ToScreen(v, -2.5, 2.5), (PixelPoint{-3, 97}));
  EXPECT_EQ(ToScreen(v, 2.4999, 0.5), (PixelPoint{2, 99}));
}

// Any coordinate gives a pixel within +-2^30, never an undefined
// conversion (the sanitizer build checks the latter).
TEST(ToScreen, ExtremeCoordinatesClamp) {
  const ViewState v = Window();
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double x : {1e308, -1e308, inf, -inf, nan, 5.0}) {
    const PixelPoint p = ToScreen(v, x, x);
    EXPECT_LE(std::abs(static_cast<long>(p.x)), 1L << 30);
    EXPECT_LE(std::abs(static_cast<long>(p.y)), 1L << 30);
  }
  EXPECT_EQ(ToScreen(v, 1e308, 0).x, 1 << 30);
  EXPECT_EQ(ToScreen(v, nan, 5).x, 0);
}

} // namespace
} // namespace orvik::render
