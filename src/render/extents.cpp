#include "orvik/render/extents.h"

#include "orvik/geometry/angles.h"
#include "orvik/geometry/arc_shape.h"
#include "orvik/render/image_reference.h"
#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::render {
namespace {

using namespace exchange;

constexpr double kLimit = 1e8;
constexpr double kDegree = kPi / 180.0;

class Box {
public:
  explicit Box(const DrawingExtents &e) : e_(e) {}
  const DrawingExtents &extents() const { return e_; }

  void Start(double x, double y) {
    e_ = {x, y, x, y};
    Clamp();
  }
  void Add(double x, double y) {
    if (x < e_.MinX)
      e_.MinX = x;
    if (x > e_.MaxX)
      e_.MaxX = x;
    if (y < e_.MinY)
      e_.MinY = y;
    if (y > e_.MaxY)
      e_.MaxY = y;
    Clamp();
  }
  void Add(double x, double y, double s) { Add(x / s, y / s); }
  void Widen(double margin) {
    e_.MinX -= margin;
    e_.MinY -= margin;
    e_.MaxX += margin;
    e_.MaxY += margin;
    Clamp();
  }

  // The ends of the arc from start to end (degrees) and those of the four
  // axis points 0, 90, 180 and 270 degrees that the arc passes; the four
  // alone for a whole ellipse (a sweep within 1e-8 of 0). The points are
  // those of the ellipse parameter, not the extreme points of a tilted
  // ellipse.
  void AddArc(double cx, double cy, double r, double f, double start,
              double end, double tilt, double s) {
    const geometry::ArcShape shape{cx, cy, r, f, 0, 0, tilt * kDegree};
    const double sweep = geometry::DegreesIntoTurn(end - start);
    const bool whole = std::fabs(sweep) < 1e-8;
    const double from = geometry::DegreesIntoTurn(start);
    if (!whole) {
      AddPoint(shape, from, s);
      AddPoint(shape, from + sweep, s);
    }
    for (double axis : {0.0, 90.0, 180.0, 270.0})
      if (whole || geometry::DegreesIntoTurn(axis - from) <= sweep)
        AddPoint(shape, axis, s);
  }

private:
  void AddPoint(const geometry::ArcShape &shape, double degrees, double s) {
    const geometry::Point2 p = geometry::PointAt(shape, degrees * kDegree);
    Add(p.x, p.y, s);
  }
  void Clamp() {
    if (e_.MinX < -kLimit)
      e_.MinX = -kLimit;
    if (e_.MinY < -kLimit)
      e_.MinY = -kLimit;
    if (e_.MaxX > kLimit)
      e_.MaxX = kLimit;
    if (e_.MaxY > kLimit)
      e_.MaxY = kLimit;
  }

  DrawingExtents e_;
};

// Starts the box at a point of the first element found, lists searched in a
// fixed order; false when none of them holds an element.
bool StartAtFirstElement(const DrawingModel &m, Box &box) {
  auto start = [&](double x, double y, std::int32_t group) {
    const double s = m.ScaleOfGroup(group);
    box.Start(x / s, y / s);
    return true;
  };
  if (!m.Lines.Empty())
    return start(m.Lines[0].X1, m.Lines[0].Y1, m.Lines[0].Attr.Group);
  if (!m.Circles.Empty())
    return start(m.Circles[0].X, m.Circles[0].Y, m.Circles[0].Attr.Group);
  if (!m.Arcs.Empty())
    return start(m.Arcs[0].X, m.Arcs[0].Y, m.Arcs[0].Attr.Group);
  if (!m.Points.Empty())
    return start(m.Points[0].X, m.Points[0].Y, m.Points[0].Attr.Group);
  if (!m.PointsEx.Empty())
    return start(m.PointsEx[0].X, m.PointsEx[0].Y, m.PointsEx[0].Attr.Group);
  if (!m.Texts.Empty())
    return start(m.Texts[0].X, m.Texts[0].Y, m.Texts[0].Attr.Group);
  if (!m.Dims.Empty())
    return start(m.Dims[0].Line.X1, m.Dims[0].Line.Y1, m.Dims[0].Attr.Group);
  if (!m.Solids2.Empty())
    return start(m.Solids2[0].X1, m.Solids2[0].Y1, m.Solids2[0].Attr.Group);
  if (!m.Solids3.Empty())
    return start(m.Solids3[0].X1, m.Solids3[0].Y1, m.Solids3[0].Attr.Group);
  if (!m.Solids4.Empty())
    return start(m.Solids4[0].X1, m.Solids4[0].Y1, m.Solids4[0].Attr.Group);
  for (const auto *list : {&m.SolidsSc, &m.SolidsSe})
    if (!list->Empty())
      return start((*list)[0].V1, (*list)[0].V2, (*list)[0].Attr.Group);
  for (const auto *list : {&m.SolidsSo, &m.SolidsSg})
    if (!list->Empty())
      return start((*list)[0].V1, (*list)[0].V2, (*list)[0].Attr.Group);
  return false;
}

template <class Solid> void AddArcSolid(const Solid &e, double s, Box &box) {
  double start = e.V6 / kDegree;
  double end = (e.V6 + e.V7) / kDegree;
  if (e.V7 < 0)
    std::swap(start, end);
  box.AddArc(e.V1, e.V2, e.V3, e.V4, start, end, e.V5 / kDegree, s);
}

void AddAll(const DrawingModel &m, Box &box) {
  for (std::size_t i = 0; i < m.Lines.Count(); ++i) {
    const TJwwEntLine &e = m.Lines[i];
    const double s = m.ScaleOfGroup(e.Attr.Group);
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
  }
  for (std::size_t i = 0; i < m.Circles.Count(); ++i) {
    const TJwwEntCircle &e = m.Circles[i];
    box.AddArc(e.X, e.Y, e.Radius, 1, 0, 0, 0, m.ScaleOfGroup(e.Attr.Group));
  }
  for (std::size_t i = 0; i < m.Arcs.Count(); ++i) {
    const TJwwEntArc &e = m.Arcs[i];
    box.AddArc(e.X, e.Y, e.Radius, e.Flatness, e.StartAngle, e.EndAngle, e.Tilt,
               m.ScaleOfGroup(e.Attr.Group));
  }
  for (std::size_t i = 0; i < m.Points.Count(); ++i)
    box.Add(m.Points[i].X, m.Points[i].Y,
            m.ScaleOfGroup(m.Points[i].Attr.Group));
  for (std::size_t i = 0; i < m.PointsEx.Count(); ++i)
    box.Add(m.PointsEx[i].X, m.PointsEx[i].Y,
            m.ScaleOfGroup(m.PointsEx[i].Attr.Group));
  ImageReference image;
  for (std::size_t i = 0; i < m.Texts.Count(); ++i) {
    const TJwwEntText &e = m.Texts[i];
    const double s = m.ScaleOfGroup(e.Attr.Group);
    box.Add(e.X, e.Y, s);
    if (ParseImageReference(e.Text, image) && image.has_size)
      box.Add(e.X + image.width, e.Y + image.height, s);
  }
  for (std::size_t i = 0; i < m.Dims.Count(); ++i) {
    const TJwwEntDim &e = m.Dims[i];
    const double s = m.ScaleOfGroup(e.Attr.Group);
    box.Add(e.Line.X1, e.Line.Y1, s);
    box.Add(e.Line.X2, e.Line.Y2, s);
    box.Add(e.Text.X, e.Text.Y, s);
  }
  for (std::size_t i = 0; i < m.Solids2.Count(); ++i) {
    const TJwwEntSolid2 &e = m.Solids2[i];
    const double s = m.ScaleOfGroup(e.Attr.Group);
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
  }
  for (std::size_t i = 0; i < m.Solids3.Count(); ++i) {
    const TJwwEntSolid3 &e = m.Solids3[i];
    const double s = m.ScaleOfGroup(e.Attr.Group);
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
    box.Add(e.X3, e.Y3, s);
  }
  for (std::size_t i = 0; i < m.Solids4.Count(); ++i) {
    const TJwwEntSolid4 &e = m.Solids4[i];
    const double s = m.ScaleOfGroup(e.Attr.Group);
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
    box.Add(e.X3, e.Y3, s);
    box.Add(e.X4, e.Y4, s);
  }
  for (const auto *list : {&m.SolidsSc, &m.SolidsSe})
    for (std::size_t i = 0; i < list->Count(); ++i)
      AddArcSolid((*list)[i], m.ScaleOfGroup((*list)[i].Attr.Group), box);
  for (const auto *list : {&m.SolidsSo, &m.SolidsSg})
    for (std::size_t i = 0; i < list->Count(); ++i)
      AddArcSolid((*list)[i], m.ScaleOfGroup((*list)[i].Attr.Group), box);
}

} // namespace

DrawingExtents ComputeExtents(const DrawingModel &m,
                              const DrawingExtents &previous) {
  Box box(previous);
  StartAtFirstElement(m, box);
  const std::size_t count = m.EntOrder.Count();
  if (count == 0)
    return {-100, -100, 100, 100};
  if (count == 1)
    box.Widen(100);
  AddAll(m, box);
  return box.extents();
}

} // namespace orvik::render
