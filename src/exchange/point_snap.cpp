#include "orvik/exchange/point_snap.h"

#include "orvik/geometry/angles.h"
#include "orvik/geometry/snap.h"

#include <cmath>
#include <numbers>

namespace orvik::exchange {
namespace {

using geometry::ArcShape;
using geometry::NearPoint;
using geometry::Point2;

constexpr double kDegToRad = std::numbers::pi / 180.0;

// Tests one candidate point (model units) against the window.
struct Window {
  const DrawingModel &m;
  double px, py, tol, s; // s: model units per paper millimetre
  bool Try(double x, double y, Point2 &out) const {
    const double vx = x / s, vy = y / s;
    if (!NearPoint(px, py, vx, vy, tol))
      return false;
    out = {vx, vy};
    return true;
  }
};

bool Snap(const TJwwEntPoint &r, const Window &w, Point2 &out) {
  return w.Try(r.X, r.Y, out);
}
bool Snap(const TJwwEntPointEx &r, const Window &w, Point2 &out) {
  return w.Try(r.X, r.Y, out);
}
bool Snap(const TJwwEntLine &r, const Window &w, Point2 &out) {
  return w.Try(r.X1, r.Y1, out) || w.Try(r.X2, r.Y2, out);
}
bool Snap(const TJwwEntCircle &r, const Window &w, Point2 &out) {
  const ArcShape shape{r.X / w.s, r.Y / w.s, r.Radius / w.s,
                       1.0,       0.0,       2 * std::numbers::pi,
                       0.0};
  return geometry::SnapCircleOrArc(true, out, shape, w.px, w.py, w.tol);
}
bool Snap(const TJwwEntArc &r, const Window &w, Point2 &out) {
  const double start = geometry::DegreesIntoTurn(r.StartAngle);
  const double sweep = geometry::DegreesIntoTurn(r.EndAngle - r.StartAngle);
  const bool force_full = std::fabs(sweep) <= 1e-8;
  const ArcShape shape{r.X / w.s,         r.Y / w.s,         r.Radius / w.s,
                       r.Flatness,        start * kDegToRad, sweep * kDegToRad,
                       r.Tilt * kDegToRad};
  return geometry::SnapCircleOrArc(force_full, out, shape, w.px, w.py, w.tol);
}
bool Snap(const TJwwEntText &r, const Window &w, Point2 &out) {
  return w.Try(r.X, r.Y, out);
}
bool Snap(const TJwwEntSolid2 &r, const Window &w, Point2 &out) {
  return w.Try(r.X1, r.Y1, out) || w.Try(r.X2, r.Y2, out);
}
bool Snap(const TJwwEntSolid3 &r, const Window &w, Point2 &out) {
  return w.Try(r.X1, r.Y1, out) || w.Try(r.X2, r.Y2, out) ||
         w.Try(r.X3, r.Y3, out);
}
bool Snap(const TJwwEntSolid4 &r, const Window &w, Point2 &out) {
  return w.Try(r.X1, r.Y1, out) || w.Try(r.X2, r.Y2, out) ||
         w.Try(r.X3, r.Y3, out) || w.Try(r.X4, r.Y4, out);
}

bool Snap(const TJwwEntSolidSc &r, const Window &w, Point2 &out) {
  const ArcShape s = PaperShape(r.Outline, w.s);
  switch (r.Code) {
  case kDiscCode:
    return geometry::SnapSolidDisc(out, s.cx, s.cy, s.radius, s.flatness,
                                   s.tilt, w.px, w.py, w.tol);
  case kSectorCode:
    return geometry::SnapSolidSector(out, s, w.px, w.py, w.tol);
  case kSegmentCode:
    return geometry::SnapSolidSegment(out, s, w.px, w.py, w.tol);
  default:
    return geometry::SnapSolidTangentZone(out, s, w.px, w.py, w.tol);
  }
}
// An "se" solid of a code other than 0 snaps as a whole ellipse.
bool Snap(const TJwwEntSolidSe &r, const Window &w, Point2 &out) {
  const ArcShape s = PaperShape(r.Outline, w.s);
  if (r.Code != 0)
    return geometry::SnapFullEllipse(out, s.cx, s.cy, s.radius, s.flatness,
                                     s.tilt, w.px, w.py, w.tol);
  return geometry::SnapArc(out, s, w.px, w.py, w.tol);
}
// "so" rings keep their flatness inside, "sg" rings are bands of even
// width.
bool Snap(const TJwwEntSolidSo &r, const Window &w, Point2 &out) {
  return geometry::SnapSolidRing(geometry::RingMode::SameFlatness, out,
                                 PaperShape(r.Outline, w.s),
                                 r.InnerRadius / w.s, w.px, w.py, w.tol);
}
bool Snap(const TJwwEntSolidSg &r, const Window &w, Point2 &out) {
  return geometry::SnapSolidRing(geometry::RingMode::EvenWidth, out,
                                 PaperShape(r.Outline, w.s),
                                 r.InnerRadius / w.s, w.px, w.py, w.tol);
}
// Block insertions are never snapped to.
bool Snap(const TJwwEntBlk &, const Window &, Point2 &) { return false; }

// A dimension offers its line's ends and its text's start point, each part
// in the units of its own layer group.
bool Snap(const TJwwEntDim &r, const Window &w, Point2 &out) {
  Window line = w, text = w;
  line.s = w.m.ScaleOfGroup(r.Line.Attr.Group);
  text.s = w.m.ScaleOfGroup(r.Text.Attr.Group);
  return line.Try(r.Line.X1, r.Line.Y1, out) ||
         line.Try(r.Line.X2, r.Line.Y2, out) ||
         text.Try(r.Text.X, r.Text.Y, out);
}

template <class T>
SnapHit Scan(const DrawingModel &m, EntKind kind, const GrowableList<T> &list,
             std::size_t first, std::size_t last, double px, double py,
             double tol) {
  if (last > list.Count())
    last = list.Count();
  Window w{m, px, py, tol, 1.0};
  Point2 out;
  for (std::size_t i = first; i < last; ++i) {
    const T &r = list[i];
    w.s = m.ScaleOfGroup(r.Attr.Group);
    if (Snap(r, w, out))
      return {true, kind, i, out.x, out.y};
  }
  return {};
}

} // namespace

SnapHit SnapInRange(const DrawingModel &m, EntKind kind, std::size_t first,
                    std::size_t last, double px, double py, double tol) {
  SnapHit hit;
  VisitList(m, kind, [&](const auto &list) {
    hit = Scan(m, kind, list, first, last, px, py, tol);
  });
  return hit;
}

SnapHit SnapToElement(const DrawingModel &model, double px, double py,
                      double tol) {
  for (const EntKind kind : kSnapOrder) {
    const SnapHit hit =
        SnapInRange(model, kind, 0, static_cast<std::size_t>(-1), px, py, tol);
    if (hit.found)
      return hit;
  }
  return {};
}

} // namespace orvik::exchange
