// The view keeps its window and scale together: a 200 x 100 px area at 10
// px a millimetre shows 20 x 10 mm, whatever the navigation did.

#include "orvik/geometry/view_state.h"

#include <gtest/gtest.h>

namespace orvik::geometry {
namespace {

void ExpectWindow(const ViewState &v, double left, double bottom, double right,
                  double top, double scale) {
  EXPECT_NEAR(v.ViewLeft(), left, 1e-9);
  EXPECT_NEAR(v.ViewBottom(), bottom, 1e-9);
  EXPECT_NEAR(v.ViewRight(), right, 1e-9);
  EXPECT_NEAR(v.ViewTop(), top, 1e-9);
  EXPECT_NEAR(v.ViewScale(), scale, 1e-12);
  EXPECT_NEAR((v.ViewRight() - v.ViewLeft()) * v.ViewScale(), v.ViewWidth(),
              1e-9);
  EXPECT_NEAR((v.ViewTop() - v.ViewBottom()) * v.ViewScale(), v.ViewHeight(),
              1e-9);
}

TEST(ViewState, NavigationKeepsTheWindowAndScaleTogether) {
  ViewState v;
  v.SetSize(200, 100);
  v.CentreWindow(5, 5, 10);
  ExpectWindow(v, -5, 0, 15, 10, 10);
  // Pixel (0, 0) is the top-left corner; (200, 100) the bottom-right.
  EXPECT_EQ(v.WorldX(0), -5);
  EXPECT_EQ(v.WorldY(0), 10);
  EXPECT_EQ(v.PixelX(15), 200);
  EXPECT_EQ(v.PixelY(0), 100);
  v.SaveView();
  v.MoveBy(1, -2);
  ExpectWindow(v, -4, -2, 16, 8, 10);
  // Twice about (16, 8), the top-right corner, which stays put.
  v.ZoomAbout(16, 8, 2);
  ExpectWindow(v, 6, 3, 16, 8, 20);
  EXPECT_NEAR(v.PixelX(16), 200, 1e-9);
  EXPECT_NEAR(v.PixelY(8), 0, 1e-9);
  // Half about the centre (11, 5.5).
  v.ZoomAbout(11, 5.5, 0.5);
  ExpectWindow(v, 1, 0.5, 21, 10.5, 10);
  // The view before the last step is the saved one.
  EXPECT_EQ(v.PrevView().Left, -5);
  v.SetWindow(v.PrevView());
  ExpectWindow(v, -5, 0, 15, 10, 10);
}

} // namespace
} // namespace orvik::geometry
