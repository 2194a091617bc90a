#pragma once
// The drawing operations the element renderer, the redraw and the pen
// tools share: pens and brushes by number, lines with their end pixel,
// rectangles and circle markers that degrade gracefully when tiny, and
// clipped lines, polylines, polygons, ellipses and arc shapes in world
// coordinates (paper millimetres).
//
// A Primitives object binds a canvas, the view and the pen table; it owns
// the two point buffers the polyline and polygon operations work on and
// reuses them, so drawing allocates nothing once they have grown.

#include "orvik/attributes/pen_table.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/view_state.h"
#include "orvik/render/canvas.h"

#include <cstdint>
#include <vector>

namespace orvik::render {

using geometry::Point2;
using geometry::ViewState;

class Primitives {
public:
  Primitives(Canvas &canvas, const ViewState &view,
             const attributes::TgraAttribute &pens)
      : canvas_(canvas), view_(view), pens_(pens) {}

  Canvas &canvas() { return canvas_; }
  // The colour of the pen last set through these operations; texts take it.
  Colour32 PenColour() const { return pen_colour_; }
  Colour32 BrushColour() const { return brush_colour_; }
  const ViewState &view() const { return view_; }
  const attributes::TgraAttribute &pens() const { return pens_; }

  // Copy mode, the background colour everywhere in the box 0,0..w,h, and
  // the brush left clear.
  void ClearBackground(std::int32_t width, std::int32_t height);
  // Also clears the brush.
  void SetPen(Colour32 colour, PenStyle style, std::int32_t width);
  void SetBrush(Colour32 colour, BrushStyle style);
  void XorMode();

  // A line with both end pixels.
  void PixelLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                 std::int32_t y2);
  // Nothing when both sides are at most 2 pixels, a pixel line when one
  // is, else the canvas rectangle.
  void PixelRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                      std::int32_t y2);
  // Nothing for r < 3, else the ellipse in the box of half size r.
  void CircleMarker(std::int32_t x, std::int32_t y, std::int32_t r);

  // An element's pen: its pen number's colour, one pixel, solid for line
  // types 1 and 31, dotted for every other. Clears the brush.
  void ElementPen(std::int32_t pen, std::int32_t line_type);
  void ElementBrush(std::int32_t pen, BrushStyle brush_style);

  void DrawWorldLine(double x1, double y1, double x2, double y2);
  void DrawWorldRect(double x1, double y1, double x2, double y2);

  // The buffer DrawPolyline and DrawPolygon draw; they leave it empty.
  std::vector<Point2> &WorldPoints() { return world_points_; }
  void DrawPolyline(); // at least 2 points
  void DrawPolygon();  // at least 3 points

  // Ellipse of radius r (along its own x axis), flatness f, tilt (radians)
  // about (cx, cy), as 72 chords each drawn as a clipped world line.
  void DrawEllipse(double tilt, double flatness, double radius, double cx,
                   double cy);
  void DrawEllipseArc(double sweep, double start, double tilt, double flatness,
                      double radius, double cx, double cy);
  // The arc-shaped solids, their shapes in paper millimetres. "sc": the
  // filled disc, sector, segment or tangent zone its code names (see
  // exchange::SolidArcCode); the tangent zone's corner is the apex that
  // snapping offers (geometry::ArcTangentApex). "se": the outline, of the
  // whole ellipse for code 100, else of the arc. Rings ("so", "sg"): the
  // band from the arc back along its inner arc, filled.
  void FillArcSolid(const geometry::ArcShape &shape, std::int32_t code);
  void OutlineArcSolid(const geometry::ArcShape &shape, std::int32_t code);
  void FillRingSolid(geometry::RingMode mode, const geometry::ArcShape &outer,
                     double inner_radius);

private:
  void DrawScreenPolyline();
  void AddArcPoints(const geometry::ArcShape &shape);
  void AddWholeEllipse(const geometry::ArcShape &shape, int count);
  // A box in paper millimetres that holds every point of a curve.
  struct ShapeReach {
    double left, bottom, right, top;
  };
  static ShapeReach ReachOf(const geometry::ArcShape &shape);
  // `each(f)` calls f with each point of the curve in turn.
  template <class EachPoint>
  void DrawChords(const geometry::ArcShape &shape, EachPoint each);

  Canvas &canvas_;
  const ViewState &view_;
  const attributes::TgraAttribute &pens_;
  Colour32 pen_colour_ = 0;
  Colour32 brush_colour_ = 0xFFFFFF;
  std::vector<Point2> world_points_;
  std::vector<PixelPoint> screen_points_;
};

} // namespace orvik::render
