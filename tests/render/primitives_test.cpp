// The drawing operations on the recording canvas: which primitives reach
// the canvas for tiny shapes, chords, polylines, polygons and arc shapes.

#include "orvik/exchange/elements.h"
#include "orvik/render/clipping.h"
#include "orvik/render/primitives.h"
#include "orvik/render/recording_canvas.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvik::render {
namespace {

class PrimitivesTest : public ::testing::Test {
protected:
  PrimitivesTest() : canvas_(100, 100), p_(canvas_, view_, pens_) {
    view_.ViewWidth = 100;
    view_.ViewHeight = 100;
    view_.CentreWindow(5, 5, 10); // 10 x 10 mm at 10 px/mm
  }
  std::size_t Count(CanvasOp op) const { return canvas_.Count(op); }

  attributes::TgraAttribute pens_;
  ViewState view_;
  RecordingCanvas canvas_;
  Primitives p_;
};

TEST_F(PrimitivesTest, TinyRectangles) {
  p_.PixelRectangle(10, 10, 12, 12); // 2 x 2: nothing
  EXPECT_TRUE(canvas_.Calls().empty());
  p_.PixelRectangle(10, 10, 12, 20); // 2 x 10: a vertical pixel line
  ASSERT_EQ(canvas_.Calls().size(), 3u);
  EXPECT_EQ(canvas_.Calls()[0].op, CanvasOp::MoveTo);
  EXPECT_EQ(canvas_.Calls()[1].op, CanvasOp::LineTo);
  EXPECT_EQ(canvas_.Calls()[1].a, 10);
  EXPECT_EQ(canvas_.Calls()[1].b, 20);
  EXPECT_EQ(canvas_.Calls()[2].op, CanvasOp::SetPixel);
  EXPECT_EQ(canvas_.Calls()[2].b, 20);
  canvas_.Clear();
  p_.PixelRectangle(10, 10, 20, 11); // 10 x 1: a horizontal pixel line
  EXPECT_EQ(canvas_.Calls()[1].a, 20);
  EXPECT_EQ(canvas_.Calls()[1].b, 10);
  canvas_.Clear();
  p_.PixelRectangle(10, 10, 13, 13);
  ASSERT_EQ(Count(CanvasOp::Rectangle), 1u);
}

TEST_F(PrimitivesTest, CircleMarkers) {
  p_.CircleMarker(50, 50, 2);
  EXPECT_TRUE(canvas_.Calls().empty());
  p_.CircleMarker(50, 50, 3);
  ASSERT_EQ(canvas_.Calls().size(), 1u);
  const CanvasCall &e = canvas_.Calls()[0];
  EXPECT_EQ(e.op, CanvasOp::Ellipse);
  EXPECT_EQ(e.a, 47);
  EXPECT_EQ(e.b, 47);
  EXPECT_EQ(e.c, 53);
  EXPECT_EQ(e.d, 53);
}

TEST_F(PrimitivesTest, ElementPenSolidOrDotted) {
  p_.ElementPen(2, 1);
  p_.ElementPen(2, 31);
  p_.ElementPen(2, 5);
  const auto &calls = canvas_.Calls();
  ASSERT_EQ(Count(CanvasOp::SetPen), 3u);
  std::vector<int> styles;
  for (const CanvasCall &c : calls)
    if (c.op == CanvasOp::SetPen) {
      styles.push_back(c.style);
      EXPECT_EQ(c.width, 0);
      EXPECT_EQ(c.colour, 0u); // pen 2 is black
    }
  EXPECT_EQ(styles, (std::vector<int>{static_cast<int>(PenStyle::Solid),
                                      static_cast<int>(PenStyle::Solid),
                                      static_cast<int>(PenStyle::Dot)}));
  EXPECT_EQ(calls[0].op, CanvasOp::SetBrush); // the pen clears the brush
  EXPECT_EQ(calls[0].style, static_cast<int>(BrushStyle::Clear));
}

// A full circle inside the window: 72 chords of 5 degrees, each with its
// end pixel.
TEST_F(PrimitivesTest, CircleIsSeventyTwoChords) {
  p_.DrawEllipse(0, 1, 4, 5, 5);
  EXPECT_EQ(Count(CanvasOp::LineTo), 72u);
  EXPECT_EQ(Count(CanvasOp::SetPixel), 72u);
  // The first chord runs from angle 0 (90, 50) to 5 degrees.
  const CanvasCall &move = canvas_.Calls()[0];
  EXPECT_EQ(move.op, CanvasOp::MoveTo);
  EXPECT_EQ(move.a, 90);
  EXPECT_EQ(move.b, 50);
  const CanvasCall &line = canvas_.Calls()[1];
  EXPECT_EQ(line.a,
            static_cast<int>(std::lround(50 + 40 * std::cos(kPi / 36))));
  EXPECT_EQ(line.b,
            static_cast<int>(std::lround(50 - 40 * std::sin(kPi / 36))));
}

TEST_F(PrimitivesTest, ChordsOutsideTheWindowAreSkipped) {
  p_.DrawEllipse(0, 1, 4, 5, 10); // the lower half is inside
  EXPECT_GT(Count(CanvasOp::LineTo), 30u);
  EXPECT_LT(Count(CanvasOp::LineTo), 40u);
}

TEST_F(PrimitivesTest, PolylineAboveTheWindowDrawsNothing) {
  p_.WorldPoints().assign({{1, 11}, {5, 12}, {9, 11}});
  p_.DrawPolyline();
  EXPECT_TRUE(canvas_.Calls().empty());
  EXPECT_TRUE(p_.WorldPoints().empty());
}

TEST_F(PrimitivesTest, PolylineFromTheLeftIsClipped) {
  p_.WorldPoints().assign({{-5, 5}, {5, 5}, {5, 8}});
  p_.DrawPolyline();
  // The first segment clips at the left edge and is drawn alone; the
  // second starts a new run.
  ASSERT_EQ(Count(CanvasOp::Polyline), 2u);
  const CanvasCall &first = canvas_.Calls()[0];
  ASSERT_EQ(first.points.size(), 2u);
  EXPECT_EQ(first.points[0], (PixelPoint{0, 50}));
  EXPECT_EQ(first.points[1], (PixelPoint{50, 50}));
  EXPECT_EQ(canvas_.Calls()[1].points.back(), (PixelPoint{50, 20}));
}

TEST_F(PrimitivesTest, PolygonWithALongFirstEdgeIsOnlyOutlined) {
  // 1000.1 mm at 10 px/mm: a first edge of 10001 pixels.
  p_.WorldPoints().assign({{1, 1}, {1001.1, 1}, {1, 9}});
  p_.DrawPolygon();
  EXPECT_EQ(Count(CanvasOp::Polygon), 0u);
  EXPECT_GE(Count(CanvasOp::Polyline), 1u);
  canvas_.Clear();
  p_.WorldPoints().assign({{1, 1}, {1001, 1}, {1, 9}}); // 10000 pixels
  p_.DrawPolygon();
  EXPECT_EQ(Count(CanvasOp::Polygon), 1u);
  EXPECT_EQ(Count(CanvasOp::Polyline), 0u);
}

TEST_F(PrimitivesTest, WorldRectangleInsideOrAcrossTheWindow) {
  p_.DrawWorldRect(1, 1, 4, 4);
  EXPECT_EQ(Count(CanvasOp::Rectangle), 1u);
  canvas_.Clear();
  p_.DrawWorldRect(-1, 1, 4, 4);
  EXPECT_EQ(Count(CanvasOp::Polygon), 1u);
  canvas_.Clear();
  p_.DrawWorldRect(-5, 1, -1, 4);
  EXPECT_TRUE(canvas_.Calls().empty());
}

struct ArcShapeCase {
  int kind;
  double param;
  CanvasOp op;
  std::size_t points;
};

void Build(Primitives &p, int kind, double param, double sweep, double start,
           double tilt, double flatness, double radius, double cx, double cy) {
  const geometry::ArcShape s{cx, cy, radius, flatness, start, sweep, tilt};
  if (kind == 101)
    p.FillArcSolid(s, static_cast<std::int32_t>(param));
  else if (kind == 111)
    p.OutlineArcSolid(s, static_cast<std::int32_t>(param));
  else if (kind == 105 || kind == 106)
    p.FillRingSolid(kind == 106 ? geometry::RingMode::EvenWidth
                                : geometry::RingMode::SameFlatness,
                    s, param);
}

TEST_F(PrimitivesTest, ArcShapesOfEveryKind) {
  const ArcShapeCase cases[] = {
      {101, 100, CanvasOp::Polygon, 72}, // disc
      {101, 0, CanvasOp::Polygon, 74},   // sector: arc and centre
      {101, 5, CanvasOp::Polygon, 73},   // segment: closed by the chord
      {101, 7, CanvasOp::Polygon, 74},   // tangent zone: arc and corner
      {111, 100, CanvasOp::Polyline, 73}, {111, 0, CanvasOp::Polyline, 73},
      {105, 1, CanvasOp::Polygon, 146},   {106, 1, CanvasOp::Polygon, 146},
  };
  for (const ArcShapeCase &c : cases) {
    canvas_.Clear();
    Build(p_, c.kind, c.param, kPi / 2, 0, 0, 1, 3, 5, 5);
    ASSERT_EQ(canvas_.Count(c.op), 1u) << c.kind << " " << c.param;
    for (const CanvasCall &call : canvas_.Calls()) {
      if (call.op == c.op) {
        EXPECT_EQ(call.points.size(), c.points) << c.kind << " " << c.param;
      }
    }
    EXPECT_TRUE(p_.WorldPoints().empty());
  }
}

TEST_F(PrimitivesTest, SectorEndsAtTheCentre) {
  Build(p_, 101, 0, kPi / 2, 0, 0, 1, 3, 5, 5);
  const CanvasCall &polygon = canvas_.Calls().back();
  EXPECT_EQ(polygon.points.front(), (PixelPoint{80, 50})); // angle 0
  EXPECT_EQ(polygon.points[72], (PixelPoint{50, 20}));     // angle 90
  EXPECT_EQ(polygon.points.back(), (PixelPoint{50, 50}));  // the centre
}

// Tangents at 0 and 90 degrees of a circle of radius 3 about (5, 5) meet
// at (8, 8).
TEST_F(PrimitivesTest, TangentZoneCorner) {
  Build(p_, 101, 7, kPi / 2, 0, 0, 1, 3, 5, 5);
  EXPECT_EQ(canvas_.Calls().back().points.back(), (PixelPoint{80, 20}));
}

// The corner drawn for a tangent zone is the apex snapping offers, also
// where the end tangents are nearly parallel (a sweep 1e-9 short of a half
// turn puts it about 1e9 mm away).
TEST_F(PrimitivesTest, TangentZoneCornerIsTheSnappedApex) {
  for (const double sweep :
       {kPi / 2, 2 * kPi / 3, kPi - 1e-9, kPi, 1.5 * kPi}) {
    const geometry::ArcShape s{5, 5, 3, 1, 0.3, sweep, 0.2};
    canvas_.Clear();
    p_.FillArcSolid(s, exchange::kTangentCode);
    const Point2 apex = geometry::ArcTangentApex(s).apex;
    EXPECT_EQ(canvas_.Calls().back().points.back(),
              ToScreen(view_, apex.x, apex.y))
        << sweep;
  }
}

TEST_F(PrimitivesTest, ShapesOfExtremeSizeDoNotFail) {
  for (double r : {0.0, -3.0, 1e308, std::nan("")})
    for (double f : {0.0, -1.0, 1.0})
      for (int kind : {101, 105, 106, 111}) {
        Build(p_, kind, 0, kPi, 0, 0, f, r, 5, 5);
        p_.DrawEllipse(0.3, f, r, 1e308, -1e308);
      }
  SUCCEED() << canvas_.Calls().size() << " calls";
}

} // namespace
} // namespace orvik::render
