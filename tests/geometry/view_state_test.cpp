#include "orvik/geometry/view_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace orvik::geometry {
namespace {

ViewState View(double cx, double cy, double scale) {
  ViewState v;
  v.ViewWidth = 640;
  v.ViewHeight = 480;
  v.CentreWindow(cx, cy, scale);
  return v;
}

TEST(ViewState, RowZeroIsTheTopAndTheLastRowTheBottom) {
  const ViewState v = View(100, 50, 4);
  EXPECT_DOUBLE_EQ(v.WorldY(0), v.ViewTop);
  EXPECT_DOUBLE_EQ(v.WorldY(v.ViewHeight), v.ViewBottom);
  EXPECT_DOUBLE_EQ(v.WorldX(0), v.ViewLeft);
  EXPECT_NEAR((v.ViewRight - v.ViewLeft) * v.ViewScale, v.ViewWidth, 1e-9);
  EXPECT_NEAR((v.ViewTop - v.ViewBottom) * v.ViewScale, v.ViewHeight, 1e-9);
}

// A world point taken to (rounded) pixels and back lands within half a
// pixel of itself, at any scale.
TEST(ViewState, PixelRoundTripWithinHalfAPixel) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> unit(0, 1);
  for (double scale : {1e-4, 0.37, 1.0, 12.5, 3e3}) {
    const ViewState v = View(-2000, 780, scale);
    for (int i = 0; i < 500; ++i) {
      const double x = v.ViewLeft + unit(rng) * (v.ViewRight - v.ViewLeft);
      const double y = v.ViewBottom + unit(rng) * (v.ViewTop - v.ViewBottom);
      const double px = std::round(v.PixelX(x)), py = std::round(v.PixelY(y));
      EXPECT_LE(std::fabs(v.WorldX(px) - x), 0.5 / scale * (1 + 1e-9));
      EXPECT_LE(std::fabs(v.WorldY(py) - y), 0.5 / scale * (1 + 1e-9));
    }
  }
}

TEST(ViewState, SwappingWithThePreviousViewRestoresIt) {
  ViewState v = View(10, 20, 2);
  const ViewWindow before = v.Window();
  v.SaveView();
  v.CentreWindow(30, 40, 8);
  const ViewWindow zoomed = v.Window();
  const ViewWindow previous = v.PrevView;
  v.PrevView = zoomed;
  v.SetWindow(previous);
  EXPECT_EQ(v.ViewLeft, before.Left);
  EXPECT_EQ(v.ViewTop, before.Top);
  EXPECT_EQ(v.ViewScale, before.Scale);
  EXPECT_EQ(v.PrevView.Scale, 8);
}

} // namespace
} // namespace orvik::geometry
