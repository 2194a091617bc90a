// The drawing operations: which calls reach a recording canvas for tiny
// shapes, chords, clipped polylines, polygons, arc-shaped solids and point
// markers; clipping and pixel rounding (the canvas's own pixels are in
// canvas_test.cpp).

#include "pixel_support.h"

#include "orvik/exchange/elements.h"
#include "orvik/render/clipping.h"
#include "orvik/render/point_markers.h"
#include "orvik/render/recording_canvas.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvik::render {
namespace {

// 10 x 10 mm at 10 px per mm: (x, y) mm is the pixel (10 x, 100 - 10 y).
ViewState TenByTen() { return test::ViewOf(100, 100, 5, 5, 10); }

class Recorded : public ::testing::Test {
protected:
  Recorded()
      : view_(TenByTen()), canvas_(1000, 1000), p_(canvas_, view_, pens_) {}
  // The shapes drawn since the last call, as "M x,y" moves, "L x,y"
  // lines, "S x,y" pixels, "R" rectangles and "E" ellipses by their box,
  // "PL" polylines and "PG" polygons by their point count and first and
  // last points; pens and brushes left out.
  std::string Shapes() {
    std::string s;
    const auto xy = [](std::int32_t x, std::int32_t y) {
      return std::to_string(x) + "," + std::to_string(y);
    };
    for (const CanvasCall &c : canvas_.Calls()) {
      const char *const names[] = {"",  "",  "",  "M",  "L",
                                   "S", "R", "E", "PL", "PG"};
      const auto op = static_cast<std::size_t>(c.op);
      if (op < 3 || op > 9)
        continue;
      s += std::string(s.empty() ? "" : " ") + names[op] + " ";
      if (op >= 8)
        s += std::to_string(c.points.size()) + ":" +
             xy(c.points.front().x, c.points.front().y) + ".." +
             xy(c.points.back().x, c.points.back().y);
      else
        s += xy(c.a, c.b) + (op >= 6 ? "," + xy(c.c, c.d) : "");
    }
    canvas_.Clear();
    return s;
  }
  attributes::TgraAttribute pens_;
  ViewState view_;
  RecordingCanvas canvas_;
  Primitives p_;
};

// Nothing for a box of at most 2 x 2 or a marker below radius 3; a line
// with its end pixel for one at most 2 wide or high. Element pens are
// solid for line types 1 and 31, dotted for others, and clear the brush.
TEST_F(Recorded, TinyShapesAndPens) {
  p_.PixelRectangle(10, 10, 12, 12);
  p_.CircleMarker(50, 50, 2);
  p_.PixelRectangle(10, 10, 12, 20);
  p_.PixelRectangle(10, 10, 20, 11);
  p_.PixelRectangle(10, 10, 13, 13);
  p_.CircleMarker(50, 50, 3);
  EXPECT_EQ(Shapes(), "M 10,10 L 10,20 S 10,20 M 10,10 L 20,10 S 20,10 "
                      "R 10,10,13,13 E 47,47,53,53");
  for (const int type : {1, 31, 5})
    p_.ElementPen(2, type);
  const auto &c = canvas_.Calls();
  EXPECT_EQ(c[0].op, CanvasOp::SetBrush);
  EXPECT_EQ(c[0].style, static_cast<int>(BrushStyle::Clear));
  EXPECT_EQ((std::array{c[1].style, c[3].style, c[5].style, c[5].width}),
            (std::array{0, 0, static_cast<int>(PenStyle::Dot), 0}));
}

// A circle inside the window: 72 chords of 5 degrees with their end
// pixels, the first from (9, 5) mm; one half above the window: only the
// chords below its top. Polylines beyond one border draw nothing; one from
// the left is cut there and drawn apart from the rest. A polygon is
// filled while its first edge is at most 10000 px long, else outlined. A
// rectangle inside is the canvas's, across a border a polygon (the canvas
// clips it), beyond one nothing.
TEST_F(Recorded, ChordsPolylinesPolygonsAndRectangles) {
  p_.DrawEllipse(0, 1, 4, 5, 5);
  EXPECT_EQ(canvas_.Count(CanvasOp::LineTo), 72u);
  // 5 degrees on: (5 + 4 cos 5, 5 + 4 sin 5) mm = (89.85, 53.49) px.
  EXPECT_EQ(Shapes().substr(0, 23), "M 90,50 L 90,47 S 90,47");
  p_.DrawEllipse(0, 1, 4, 5, 10);
  EXPECT_GT(canvas_.Count(CanvasOp::LineTo), 30u);
  EXPECT_LT(canvas_.Count(CanvasOp::LineTo), 40u);
  canvas_.Clear();
  p_.WorldPoints().assign({{1, 11}, {5, 12}, {9, 11}});
  p_.DrawPolyline();
  p_.WorldPoints().assign({{-5, 5}, {5, 5}, {5, 8}});
  p_.DrawPolyline();
  EXPECT_EQ(Shapes(), "PL 2:0,50..50,50 PL 2:50,50..50,20");
  p_.WorldPoints().assign({{1, 1}, {801, 601}, {1, 9}}); // 1000 mm
  p_.DrawPolygon();
  EXPECT_EQ(Shapes(), "PG 3:10,90..10,10");
  p_.WorldPoints().assign({{1, 1}, {801.1, 601}, {1, 9}});
  p_.DrawPolygon();
  EXPECT_EQ(canvas_.Count(CanvasOp::Polygon), 0u);
  EXPECT_GE(canvas_.Count(CanvasOp::Polyline), 1u);
  EXPECT_TRUE(p_.WorldPoints().empty());
  canvas_.Clear();
  p_.DrawWorldRect(1, 1, 4, 4);
  p_.DrawWorldRect(-1, 1, 4, 4);
  p_.DrawWorldRect(-5, 1, -1, 4);
  EXPECT_EQ(Shapes(), "R 10,90,40,60 PG 4:-10,90..-10,60");
}

// A quarter of radius 3 about (5, 5): 73 arc points from (8, 5) mm to
// (5, 8), pixels (80, 50) to (50, 20), then the centre for a sector,
// nothing for a segment (the chord closes it), the tangents' apex (8, 8)
// for a tangent zone (code -1 or any other). A disc is the 72 points of
// 0..355 degrees, the last (7.989, 4.739) mm; its outline goes on to 360.
// A ring goes back along the inner arc of radius 1, (5, 6) to (6, 5).
TEST_F(Recorded, ArcShapedSolids) {
  const geometry::ArcShape q{5, 5, 3, 1, 0, kPi / 2, 0};
  using namespace exchange;
  for (const std::int32_t code : std::initializer_list<std::int32_t>{
           kDiscCode, kSectorCode, kSegmentCode, kTangentCode, 7})
    p_.FillArcSolid(q, code);
  EXPECT_EQ(Shapes(), "PG 72:80,50..80,53 PG 74:80,50..50,50 PG "
                      "73:80,50..50,20 PG 74:80,50..80,20 PG 74:80,50..80,20");
  p_.OutlineArcSolid(q, kDiscCode);
  p_.OutlineArcSolid(q, kSectorCode);
  p_.FillRingSolid(geometry::RingMode::SameFlatness, q, 1);
  p_.FillRingSolid(geometry::RingMode::EvenWidth, q, 1);
  EXPECT_EQ(Shapes(), "PL 73:80,50..80,50 PL 73:80,50..50,20 PG "
                      "146:80,50..60,50 PG 146:80,50..60,50");
  EXPECT_TRUE(p_.WorldPoints().empty());
}

// The corner drawn for a tangent zone is the apex snapping offers, also
// where the end tangents are nearly parallel (a sweep 1e-9 short of a half
// turn puts it about 1e9 mm away).
TEST_F(Recorded, TangentZoneCornerIsTheSnappedApex) {
  for (const double sweep :
       {kPi / 2, 2 * kPi / 3, kPi - 1e-9, kPi, 1.5 * kPi}) {
    const geometry::ArcShape s{5, 5, 3, 1, 0.3, sweep, 0.2};
    canvas_.Clear();
    p_.FillArcSolid(s, exchange::kTangentCode);
    const geometry::Point2 apex = geometry::ArcTangentApex(s).apex;
    EXPECT_EQ(canvas_.Calls().back().points.back(),
              ToScreen(view_, apex.x, apex.y))
        << sweep;
  }
}

// A line on the top border is outside; 0.1 mm below it is row 1. The
// arrowhead (code 1) at pi/2 from (5, 8) mm: the tip at pixel (50, 20),
// its base corners (-7.5, +-1.25) turned to (5 -+ 1.25, 0.5) mm, row 95.
// cos pi/2 is not 0 in doubles: the first corner is at 3.7499999999999996
// mm, pixel 37 (not 38); the second sums to 6.25 mm exactly, pixel 63.
TEST_F(Recorded, BorderLineAndTurnedArrowhead) {
  p_.DrawWorldLine(1, 10, 9, 10);
  p_.DrawWorldLine(1, 9.9, 9, 9.9);
  DrawPointMarker(p_, 1, 0, 2, 1, kPi / 2, 5, 8);
  EXPECT_EQ(canvas_.Calls().back().points.at(1), (PixelPoint{37, 95}));
  EXPECT_EQ(Shapes(), "M 10,1 L 90,1 S 90,1 PG 3:50,20..63,95");
}

// On a border is outside. Segments inside stay, across borders are cut
// (interpolated from the unclipped first end), beyond one border or
// clipped down to a point are invisible. Pixels round halves away from
// zero and clamp to +-2^30 (NaN as 0); text pixels round halves to even.
TEST(Clipping, Table) {
  const ViewState v = TenByTen();
  const double outcodes[][3] = {{5, 5, 0},    {0, 5, 1},  {10, 5, 2},
                                {5, 0, 4},    {5, 10, 8}, {-1, 11, 9},
                                {2e-12, 5, 0}};
  for (const auto &[x, y, code] : outcodes)
    EXPECT_EQ(OutCode(x, y, v), code) << x << " " << y;
  const double segments[][10] = {
      {1, 2, 3, 4, 0, 0, 1, 2, 3, 4},     {5, 5, -5, 0, 1, 1, 5, 5, 0, 2.5},
      {-10, 5, 20, 5, 1, 1, 0, 5, 10, 5}, {1, 10, 9, 10, 2, 2, 0, 0, 0, 0},
      {-1, -5, -1, 15, 2, 2, 0, 0, 0, 0}, {-1, 1, 1, -1, 1, 2, 0, 0, 0, 0}};
  for (const auto &s : segments) {
    double x1 = s[0], y1 = s[1], x2 = s[2], y2 = s[3];
    EXPECT_EQ(SegmentVisibility(v, x1, y1, x2, y2), s[4]);
    EXPECT_EQ(ClipSegment(x1, y1, x2, y2, v), s[5]);
    if (s[5] != 2) {
      EXPECT_EQ((std::array{x1, y1, x2, y2}),
                (std::array{s[6], s[7], s[8], s[9]}));
    }
  }
  EXPECT_EQ(PointVisibility(0, 5, v), 2);
  ViewState unit;
  unit.SetSize(0, 100);
  EXPECT_EQ(ToScreen(unit, 2.5, 0), (PixelPoint{3, 100}));
  EXPECT_EQ(ToScreen(unit, -2.5, 2.5), (PixelPoint{-3, 97}));
  EXPECT_EQ(ToScreen(unit, 2.4999, 0.5), (PixelPoint{2, 99}));
  EXPECT_EQ(ToScreen(unit, 1e308, -HUGE_VAL), (PixelPoint{1 << 30, 1 << 30}));
  EXPECT_EQ(ToScreen(unit, std::nan(""), 5), (PixelPoint{0, 95}));
  EXPECT_EQ(
      (std::array{RoundHalfEven(2.5), RoundHalfEven(-2.5), RoundHalfEven(3.5)}),
      (std::array{2, -2, 4}));
}

} // namespace
} // namespace orvik::render
