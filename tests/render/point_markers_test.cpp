// Point markers on the recording canvas, checked by the world geometry of
// what they draw.

#include "orvik/render/point_markers.h"
#include "orvik/render/recording_canvas.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvik::render {
namespace {

class PointMarkers : public ::testing::Test {
protected:
  PointMarkers() : canvas_(1000, 1000), p_(canvas_, view_, pens_) {
    view_.ViewWidth = 1000;
    view_.ViewHeight = 1000;
    view_.CentreWindow(0, 0, 100); // 10 x 10 mm at 100 px/mm
  }
  // Pixel distance from the centre pixel (500, 500) to the first point
  // drawn, for circles: the radius in pixels.
  double FirstMoveRadius() const {
    for (const CanvasCall &c : canvas_.Calls())
      if (c.op == CanvasOp::MoveTo)
        return std::hypot(c.a - 500, c.b - 500);
    return -1;
  }
  std::vector<CanvasCall> Ops(CanvasOp op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall &c : canvas_.Calls())
      if (c.op == op)
        out.push_back(c);
    return out;
  }

  attributes::TgraAttribute pens_;
  ViewState view_;
  RecordingCanvas canvas_;
  Primitives p_;
};

// Line width 3 on pen 1 (second width 0.2): radius 0.015 + 0.2 = 0.215 mm.
TEST_F(PointMarkers, PlainPointRadiusFollowsThePen) {
  DrawPointMarker(p_, 0, 3, 1, 1, 0, 0, 0);
  EXPECT_NEAR(FirstMoveRadius(), 21.5, 0.5);
  EXPECT_EQ(canvas_.Count(CanvasOp::LineTo), 72u);
}

TEST_F(PointMarkers, PlainPointIsAtLeastOnePixel) {
  view_.CentreWindow(0, 0, 0.01); // a pixel is 100 mm
  DrawPointMarker(p_, 0, 0, 1, 1, 0, 0, 0);
  EXPECT_NEAR(FirstMoveRadius(), 1, 0.5);
}

TEST_F(PointMarkers, ScaleZeroCountsAsOne) {
  DrawPointMarker(p_, -2, 0, 1, 0, 0, 0, 0);
  const double r0 = FirstMoveRadius();
  canvas_.Clear();
  DrawPointMarker(p_, -2, 0, 1, 1, 0, 0, 0);
  EXPECT_EQ(FirstMoveRadius(), r0);
  EXPECT_NEAR(r0, 125, 0.5);
}

TEST_F(PointMarkers, UnknownCodeIsACircleOfScaledRadius) {
  DrawPointMarker(p_, 12, 0, 1, 2, 0, 0, 0);
  EXPECT_NEAR(FirstMoveRadius(), 250, 0.5);
}

// The arrowhead's tip is the point; at pi/2 its body lies below it.
TEST_F(PointMarkers, ArrowheadTurnedUpPointsAtThePoint) {
  DrawPointMarker(p_, 1, 0, 1, 1, kPi / 2, 0, 0);
  const std::vector<CanvasCall> polygons = Ops(CanvasOp::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  const std::vector<PixelPoint> &pts = polygons[0].points;
  ASSERT_EQ(pts.size(), 3u);
  EXPECT_EQ(pts[0], (PixelPoint{500, 500}));
  // (-7.5, +-1.25) turned by 90 degrees: (-+1.25, -7.5) mm, y down in
  // pixels.
  EXPECT_EQ(pts[1], (PixelPoint{375, 1250}));
  EXPECT_EQ(pts[2], (PixelPoint{625, 1250}));
}

TEST_F(PointMarkers, FilledAndPlainTwinsDrawTheSame) {
  auto draw = [this](int code) {
    canvas_.Clear();
    DrawPointMarker(p_, code, 0, 3, 1.5, 0.3, 1, 1);
    std::vector<PixelPoint> points;
    for (const CanvasCall &c : canvas_.Calls()) {
      points.insert(points.end(), c.points.begin(), c.points.end());
      if (c.op == CanvasOp::LineTo)
        points.push_back({c.a, c.b});
    }
    return points;
  };
  EXPECT_EQ(draw(2), draw(5));
  EXPECT_EQ(draw(-2), draw(4));
  EXPECT_EQ(draw(1), draw(6));
  EXPECT_FALSE(draw(2).empty());
}

TEST_F(PointMarkers, EveryCodeDrawsSomething) {
  for (int code = -8; code <= 12; ++code) {
    canvas_.Clear();
    DrawPointMarker(p_, code, 0, 1, 1, 0.7, 0, 0);
    EXPECT_GT(canvas_.Count(CanvasOp::LineTo) +
                  canvas_.Count(CanvasOp::Polygon) +
                  canvas_.Count(CanvasOp::Polyline),
              0u)
        << code;
  }
}

// The wave: two quarter arcs meeting at the point.
TEST_F(PointMarkers, WaveMeetsAtThePoint) {
  DrawPointMarker(p_, 8, 0, 1, 1, 0, 0, 0);
  EXPECT_EQ(canvas_.Count(CanvasOp::LineTo), 144u);
  const std::vector<CanvasCall> moves = Ops(CanvasOp::MoveTo);
  // The first arc starts at 90 degrees about (2.5, 0): (2.5, 2.5) mm.
  EXPECT_EQ(moves.front().a, 750);
  EXPECT_EQ(moves.front().b, 250);
  // The second starts at 270 degrees about (-2.5, 0): (-2.5, -2.5) mm.
  EXPECT_EQ(moves[72].a, 250);
  EXPECT_EQ(moves[72].b, 750);
}

} // namespace
} // namespace orvik::render
