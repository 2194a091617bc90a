#include "orvik/render/primitives.h"

#include "orvik/render/clipping.h"
#include "orvik/util/plane.h"

#include <cmath>
#include <cstdlib>

namespace orvik::render {

void Primitives::ClearBackground(std::int32_t width, std::int32_t height) {
  const Colour32 background = pens_.GetBackgroundColour();
  canvas_.SetPenMode(PenMode::Copy);
  canvas_.SetPen(background, PenStyle::Solid, 1);
  pen_colour_ = background;
  canvas_.SetBrush(background, BrushStyle::Solid);
  canvas_.Rectangle(0, 0, width, height);
  canvas_.SetBrush(background, BrushStyle::Clear);
  brush_colour_ = background;
}

void Primitives::SetPen(Colour32 colour, PenStyle style, std::int32_t width) {
  canvas_.SetBrush(brush_colour_, BrushStyle::Clear);
  canvas_.SetPen(colour, style, width);
  pen_colour_ = colour;
}

void Primitives::SetBrush(Colour32 colour, BrushStyle style) {
  canvas_.SetBrush(colour, style);
  brush_colour_ = colour;
}

void Primitives::XorMode() { canvas_.SetPenMode(PenMode::Xor); }

void Primitives::PixelLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2) {
  canvas_.MoveTo(x1, y1);
  canvas_.LineTo(x2, y2);
  canvas_.SetPixel(x2, y2, pen_colour_);
}

void Primitives::PixelRectangle(std::int32_t x1, std::int32_t y1,
                                std::int32_t x2, std::int32_t y2) {
  const bool narrow = std::abs(std::int64_t{x1} - x2) <= 2;
  const bool flat = std::abs(std::int64_t{y1} - y2) <= 2;
  if (narrow && flat)
    return;
  if (narrow)
    PixelLine(x1, y1, x1, y2);
  else if (flat)
    PixelLine(x1, y1, x2, y1);
  else
    canvas_.Rectangle(x1, y1, x2, y2);
}

void Primitives::CircleMarker(std::int32_t x, std::int32_t y, std::int32_t r) {
  if (r < 3)
    return;
  canvas_.Ellipse(x - r, y - r, x + r, y + r);
}

void Primitives::ElementPen(std::int32_t pen, std::int32_t line_type) {
  const bool solid = line_type == 1 || line_type == 31;
  SetPen(pens_.PenColour(pen), solid ? PenStyle::Solid : PenStyle::Dot, 0);
}

void Primitives::ElementBrush(std::int32_t pen, BrushStyle brush_style) {
  SetBrush(pens_.PenColour(pen), brush_style);
}

void Primitives::DrawWorldLine(double x1, double y1, double x2, double y2) {
  if (ClipSegment(x1, y1, x2, y2, view_) == 2)
    return;
  const PixelPoint a = ToScreen(view_, x1, y1);
  const PixelPoint b = ToScreen(view_, x2, y2);
  PixelLine(a.x, a.y, b.x, b.y);
}

void Primitives::DrawWorldRect(double x1, double y1, double x2, double y2) {
  switch (SegmentVisibility(view_, x1, y1, x2, y2)) {
  case 0: {
    const PixelPoint a = ToScreen(view_, x1, y1);
    const PixelPoint b = ToScreen(view_, x2, y2);
    PixelRectangle(a.x, a.y, b.x, b.y);
    return;
  }
  case 1:
    world_points_.assign({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
    DrawPolygon();
    return;
  default:
    return;
  }
}

// Draws the pixel points collected so far as one canvas polyline.
void Primitives::DrawScreenPolyline() {
  if (screen_points_.size() >= 2)
    canvas_.Polyline(screen_points_);
  screen_points_.clear();
}

void Primitives::DrawPolyline() {
  const std::vector<Point2> &pts = world_points_;
  int common = 15;
  for (const Point2 &p : pts)
    common &= OutCode(p.x, p.y, view_);
  if (pts.size() >= 2 && common == 0) {
    screen_points_.clear();
    for (std::size_t i = 1; i < pts.size(); ++i) {
      double x1 = pts[i - 1].x, y1 = pts[i - 1].y;
      double x2 = pts[i].x, y2 = pts[i].y;
      const int visible = ClipSegment(x1, y1, x2, y2, view_);
      if (visible == 2) {
        DrawScreenPolyline();
        continue;
      }
      if (screen_points_.empty())
        screen_points_.push_back(ToScreen(view_, x1, y1));
      screen_points_.push_back(ToScreen(view_, x2, y2));
      if (visible == 1 && screen_points_.size() >= 2)
        DrawScreenPolyline();
    }
    DrawScreenPolyline();
  }
  world_points_.clear();
}

// A polygon is filled only while its first edge is at most 10000 pixels
// long; a longer one is drawn as its clipped closed outline.
void Primitives::DrawPolygon() {
  std::vector<Point2> &pts = world_points_;
  int common = 15;
  for (const Point2 &p : pts)
    common &= OutCode(p.x, p.y, view_);
  if (pts.size() < 3 || common != 0) {
    pts.clear();
    return;
  }
  const double first_edge =
      TwoPointDistance(pts[0].x, pts[0].y, pts[1].x, pts[1].y) *
      view_.ViewScale();
  if (!(first_edge <= 10000)) {
    pts.push_back(pts[0]);
    DrawPolyline();
    return;
  }
  screen_points_.clear();
  for (const Point2 &p : pts)
    screen_points_.push_back(ToScreen(view_, p.x, p.y));
  canvas_.Polygon(screen_points_);
  screen_points_.clear();
  pts.clear();
}

} // namespace orvik::render
