#include "orvik/render/point_markers.h"

#include "orvik/util/plane.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace orvik::render {
namespace {

const double kCos30 = std::cos(kPi / 6);
const double kCos45 = std::cos(kPi / 4);
const double kSin45 = std::sin(kPi / 4);

// A marker placed at (x, y), scaled and turned: marker-frame points (u, v)
// map to world points.
struct Frame {
  double x, y, scale, angle;
  Point2 operator()(double u, double v) const {
    return {x + RotateX(scale * u, scale * v, 0, 0, angle),
            y + RotateY(scale * u, scale * v, 0, 0, angle)};
  }
};

void Line(Primitives &p, const Frame &f, double u1, double v1, double u2,
          double v2) {
  const Point2 a = f(u1, v1), b = f(u2, v2);
  p.DrawWorldLine(a.x, a.y, b.x, b.y);
}

void Shape(Primitives &p, const Frame &f,
           std::initializer_list<std::pair<double, double>> corners,
           bool filled) {
  std::vector<Point2> &pts = p.WorldPoints();
  pts.clear();
  for (const auto &[u, v] : corners)
    pts.push_back(f(u, v));
  if (filled) {
    p.DrawPolygon();
  } else {
    pts.push_back(pts.front());
    p.DrawPolyline();
  }
}

void Circle(Primitives &p, double x, double y, double radius) {
  p.DrawEllipse(0, 1, radius, x, y);
}

void FillSetUp(Primitives &p, std::int32_t pen) {
  p.ElementBrush(pen, BrushStyle::Solid);
}

void Arrowhead(Primitives &p, const Frame &f) {
  Shape(p, f, {{0, 0}, {-7.5, 1.25}, {-7.5, -1.25}}, true);
}

void Square(Primitives &p, const Frame &f, bool filled) {
  Shape(p, f, {{-1.25, -1.25}, {1.25, -1.25}, {1.25, 1.25}, {-1.25, 1.25}},
        filled);
}

// The symbols drawn as outlines only: stars, crosses, the open square and
// triangle, the wave, the open arrowheads and the slash. False, drawing
// nothing, for any other code.
bool DrawOutlineMarker(Primitives &p, const Frame &f, std::int32_t code) {
  switch (code) {
  case -1:
    Line(p, f, 0, 1.25, 0, -1.25);
    Line(p, f, 1.25 * kCos30, 0.625, -1.25 * kCos30, -0.625);
    Line(p, f, -1.25 * kCos30, 0.625, 1.25 * kCos30, -0.625);
    return true;
  case -4:
    Line(p, f, 0, 1.25, 0, -1.25);
    Line(p, f, -1.25, 0, 1.25, 0);
    return true;
  case -5:
    Square(p, f, false);
    return true;
  case -6:
    Shape(p, f,
          {{0, 5.0 / 3},
           {-(5.0 / 3) * kCos30, -5.0 / 6},
           {(5.0 / 3) * kCos30, -5.0 / 6}},
          false);
    return true;
  case -7:
    Line(p, f, 1.25 * kCos45, 1.25 * kSin45, -1.25 * kCos45, -1.25 * kSin45);
    Line(p, f, -1.25 * kCos45, 1.25 * kSin45, 1.25 * kCos45, -1.25 * kSin45);
    return true;
  case 8: {
    // A wave: two quarter arcs of radius 2.5, turned with the marker.
    const Point2 right = f(2.5, 0), left = f(-2.5, 0);
    p.DrawEllipseArc(kPi / 2, kPi / 2, f.angle, 1, 2.5 * f.scale, right.x,
                     right.y);
    p.DrawEllipseArc(kPi / 2, 3 * kPi / 2, f.angle, 1, 2.5 * f.scale, left.x,
                     left.y);
    return true;
  }
  case 9:
    Line(p, f, 0, 0, -7.5, 1.25);
    Line(p, f, 0, 0, -7.5, -1.25);
    return true;
  case 10:
    Line(p, f, 2.5 * kCos45, 2.5 * kSin45, -2.5 * kCos45, -2.5 * kSin45);
    return true;
  case 11:
    Arrowhead(p, f);
    return true;
  default:
    return false;
  }
}

} // namespace

void DrawPointMarker(Primitives &p, std::int32_t code, std::int32_t line_width,
                     std::int32_t pen, double scale, double angle, double x,
                     double y) {
  const attributes::TgraAttribute &pens = p.pens();
  const double w = line_width != 0 ? line_width * 0.01 : pens.PenWidth(pen);
  p.ElementPen(pen, 1);
  if (!(scale > 1e-8))
    scale = 1;
  const double pixel = 1 / p.view().ViewScale();
  const Frame f{x, y, scale, angle};
  if (DrawOutlineMarker(p, f, code))
    return;
  switch (code) {
  case 0:
    FillSetUp(p, pen);
    Circle(p, x, y, std::max(w / 2 + pens.PenWidth2(pen), pixel));
    return;
  case -2:
  case 4:
    Circle(p, x, y, 1.25 * scale);
    return;
  case -3:
    FillSetUp(p, pen);
    Circle(p, x, y, std::max(pens.PenWidth(pen) * scale, pixel));
    return;
  case 1:
  case 6:
    FillSetUp(p, pen);
    Arrowhead(p, f);
    return;
  case 2:
  case 5:
    FillSetUp(p, pen);
    Square(p, f, true);
    return;
  case 3:
    p.ElementBrush(-1, BrushStyle::Solid);
    Circle(p, x, y, 1.25 * scale);
    return;
  default: // 7 and codes outside the table
    FillSetUp(p, pen);
    Circle(p, x, y, 1.25 * scale);
    return;
  }
}

} // namespace orvik::render
