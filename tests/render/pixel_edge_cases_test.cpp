// The drawing rules that are about pixels, checked on the QImage canvas
// against pixels worked out by hand.

#include "pixel_support.h"

#include "orvik/render/image_canvas.h"
#include "orvik/render/point_markers.h"
#include "orvik/render/primitives.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

namespace orvik::render {
namespace {

using test::InkBox;
using test::IsWhite;
using test::PixelAt;
using test::WhiteImage;

// 100 x 100 pixels over (0, 0)..(10, 10) mm.
class PixelEdgeCases : public ::testing::Test {
protected:
  PixelEdgeCases() : image_(WhiteImage(100, 100)) {
    view_.ViewWidth = 100;
    view_.ViewHeight = 100;
    view_.CentreWindow(5, 5, 10);
  }
  template <class Draw> void Paint(Draw draw) {
    ImageCanvas canvas(image_);
    Primitives p(canvas, view_, pens_);
    p.SetPen(0, PenStyle::Solid, 0);  // black
    p.SetBrush(0, BrushStyle::Solid); // solid black
    draw(p);
  }

  attributes::TgraAttribute pens_;
  ViewState view_;
  QImage image_;
};

TEST_F(PixelEdgeCases, TwoByTwoRectangleDrawsNothing) {
  Paint([](Primitives &p) { p.PixelRectangle(10, 10, 12, 12); });
  EXPECT_EQ(InkBox(image_).count, 0);
}

TEST_F(PixelEdgeCases, TwoByTenRectangleIsAVerticalLineWithBothEnds) {
  Paint([](Primitives &p) { p.PixelRectangle(10, 10, 12, 20); });
  const test::PixelBox box = InkBox(image_);
  EXPECT_EQ(box.count, 11);
  EXPECT_EQ(box.min_x, 10);
  EXPECT_EQ(box.max_x, 10);
  EXPECT_EQ(box.min_y, 10);
  EXPECT_EQ(box.max_y, 20);
}

TEST_F(PixelEdgeCases, CircleMarkerOfRadiusTwoDrawsNothing) {
  Paint([](Primitives &p) { p.CircleMarker(50, 50, 2); });
  EXPECT_EQ(InkBox(image_).count, 0);
}

TEST_F(PixelEdgeCases, CircleMarkerOfRadiusThreeFillsASixPixelBox) {
  Paint([](Primitives &p) { p.CircleMarker(50, 50, 3); });
  const test::PixelBox box = InkBox(image_);
  EXPECT_EQ(box.min_x, 47);
  EXPECT_EQ(box.max_x, 52);
  EXPECT_EQ(box.min_y, 47);
  EXPECT_EQ(box.max_y, 52);
  EXPECT_EQ(PixelAt(image_, 49, 49), 0u); // filled with the brush
}

// First edge 10001 pixels: outline only, the inside stays white; at 10000
// pixels the polygon is filled.
TEST_F(PixelEdgeCases, LongFirstEdgeLeavesThePolygonUnfilled) {
  Paint([](Primitives &p) {
    p.WorldPoints().assign({{-990.1, 1}, {10, 1}, {10, 9}, {-990.1, 9}});
    p.DrawPolygon();
  });
  EXPECT_EQ(PixelAt(image_, 50, 90), 0u); // the bottom edge
  EXPECT_TRUE(IsWhite(image_, 50, 50));
  image_ = WhiteImage(100, 100);
  Paint([](Primitives &p) {
    p.WorldPoints().assign({{-990, 1}, {10, 1}, {10, 9}, {-990, 9}});
    p.DrawPolygon();
  });
  EXPECT_EQ(PixelAt(image_, 50, 50), 0u);
}

// Code 1 at pi/2: the tip at the point (5, 8) mm, pixel (50, 20); the body
// below it, down to y = 0.5 mm (pixel 95), 2.5 mm wide at its base. The
// base corners come out at 3.7499999999999996 and 6.2499999999999996 mm
// (cos(pi/2) is not 0 in doubles), so they round to pixels 37 and 62.
TEST_F(PixelEdgeCases, ArrowheadTurnedUpHasItsBodyBelow) {
  Paint([](Primitives &p) { DrawPointMarker(p, 1, 0, 2, 1, kPi / 2, 5, 8); });
  const test::PixelBox box = InkBox(image_);
  EXPECT_EQ(box.min_y, 20);
  EXPECT_EQ(box.max_y, 95);
  EXPECT_EQ(box.min_x, 37);
  EXPECT_EQ(box.max_x, 62);
  EXPECT_EQ(PixelAt(image_, 50, 20), 0u);
  EXPECT_EQ(PixelAt(image_, 50, 90), 0u); // filled
}

// A line on the top border counts as outside and is not drawn; one just
// below it is.
TEST_F(PixelEdgeCases, LineOnTheBorderIsNotDrawn) {
  Paint([](Primitives &p) { p.DrawWorldLine(1, 10, 9, 10); });
  EXPECT_EQ(InkBox(image_).count, 0);
  Paint([](Primitives &p) { p.DrawWorldLine(1, 9.9, 9, 9.9); });
  EXPECT_EQ(InkBox(image_).min_y, 1);
}

} // namespace
} // namespace orvik::render
