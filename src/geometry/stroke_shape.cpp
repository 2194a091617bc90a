#include "orvik/geometry/stroke_shape.h"

#include "orvik/util/plane.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvik::geometry {
namespace {

constexpr double kMinChord = 10;     // pixels: shorter is a closed stroke
constexpr double kMinSagitta = 8;    // pixels
constexpr double kSagittaShare = 10; // ... or a tenth of the chord
constexpr double kMinSpan = 20;      // pixels, for a whole circle
constexpr double kFitTolerance = 2;  // pixels of RMS radial distance ...
constexpr double kFitShare = 0.08;   // ... or this share of the radius

struct Circle {
  Point2 centre;
  double radius = 0;
};

double SegmentDistance(Point2 p, Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return PointDistance(p.x, p.y, a.x + t * dx, a.y + t * dy);
}

bool Fits(std::span<const Point2> path, const Circle &c) {
  double sum = 0;
  for (const Point2 &p : path) {
    const double d = PointDistance(p.x, p.y, c.centre.x, c.centre.y) - c.radius;
    sum += d * d;
  }
  const double rms = std::sqrt(sum / static_cast<double>(path.size()));
  return std::isfinite(rms) &&
         rms <= std::max(kFitTolerance, kFitShare * c.radius);
}

std::optional<Circle> ThroughThree(Point2 a, Point2 m, Point2 b) {
  ThreePointArc arc;
  if (!ArcThroughThreePoints(a.x, a.y, m.x, m.y, b.x, b.y, arc))
    return std::nullopt;
  return Circle{{arc.cx, arc.cy}, arc.radius};
}

// The algebraic least-squares circle x² + y² + Dx + Ey + F = 0, computed
// about the points' mean so that far-off coordinates keep their precision.
std::optional<Circle> LeastSquares(std::span<const Point2> path) {
  double mx = 0, my = 0;
  for (const Point2 &p : path) {
    mx += p.x;
    my += p.y;
  }
  const double n = static_cast<double>(path.size());
  mx /= n;
  my /= n;
  double sxx = 0, sxy = 0, syy = 0, sxz = 0, syz = 0, sz = 0;
  for (const Point2 &p : path) {
    const double x = p.x - mx, y = p.y - my, z = x * x + y * y;
    sxx += x * x;
    sxy += x * y;
    syy += y * y;
    sxz += x * z;
    syz += y * z;
    sz += z;
  }
  // With the mean at the origin the sums of x and y vanish, and the normal
  // equations split: [sxx sxy; sxy syy] (D, E) = -(sxz, syz), F = -sz / n.
  const double det = sxx * syy - sxy * sxy;
  if (!(std::fabs(det) > 1e-12 * (sxx * syy + 1e-300)))
    return std::nullopt;
  const double d = -(sxz * syy - syz * sxy) / det;
  const double e = -(syz * sxx - sxz * sxy) / det;
  const double f = -sz / n;
  const double r2 = (d * d + e * e) / 4 - f;
  if (!(r2 > 0) || !std::isfinite(r2))
    return std::nullopt;
  return Circle{{mx - d / 2, my - e / 2}, std::sqrt(r2)};
}

double Span(std::span<const Point2> path) {
  double x0 = path[0].x, x1 = x0, y0 = path[0].y, y1 = y0;
  for (const Point2 &p : path) {
    x0 = std::min(x0, p.x);
    x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y);
    y1 = std::max(y1, p.y);
  }
  return std::max(x1 - x0, y1 - y0);
}

} // namespace

StrokeShape RecognizeStroke(std::span<const Point2> path) {
  StrokeShape shape;
  if (path.size() < 3)
    return shape;
  const Point2 first = path.front(), last = path.back();
  const double chord = PointDistance(first.x, first.y, last.x, last.y);
  if (chord >= kMinChord) {
    const Point2 *far = &path[0];
    double sagitta = 0;
    for (const Point2 &p : path) {
      const double d = SegmentDistance(p, first, last);
      if (d > sagitta) {
        sagitta = d;
        far = &p;
      }
    }
    if (!(sagitta >= std::max(kMinSagitta, chord / kSagittaShare)))
      return shape;
    const std::optional<Circle> c = ThroughThree(first, *far, last);
    if (c && Fits(path, *c)) {
      shape.kind = StrokeShape::Kind::Arc;
      shape.through = *far;
    }
    return shape;
  }
  if (!(Span(path) >= kMinSpan))
    return shape;
  const std::optional<Circle> c = LeastSquares(path);
  if (c && Fits(path, *c)) {
    shape.kind = StrokeShape::Kind::Circle;
    shape.centre = c->centre;
    shape.radius = c->radius;
  }
  return shape;
}

} // namespace orvik::geometry
