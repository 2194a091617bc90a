#include "orvik/render/extents.h"

#include "orvik/geometry/angles.h"
#include "orvik/geometry/arc_shape.h"
#include "orvik/render/image_reference.h"
#include "orvik/util/plane.h"

#include <cmath>
#include <utility>

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
  const auto from = [&](const auto &list, auto point) {
    if (list.Empty())
      return false;
    const auto [x, y] = point(list.First());
    const double s = m.ScaleOfGroup(list.First().Attr.Group);
    box.Start(x / s, y / s);
    return true;
  };
  const auto xy = [](const auto &e) { return std::pair{e.X, e.Y}; };
  const auto xy1 = [](const auto &e) { return std::pair{e.X1, e.Y1}; };
  const auto dim = [](const auto &e) {
    return std::pair{e.Line.X1, e.Line.Y1};
  };
  const auto centre = [](const auto &e) {
    return std::pair{e.Outline.CentreX, e.Outline.CentreY};
  };
  return from(m.Lines, xy1) || from(m.Circles, xy) || from(m.Arcs, xy) ||
         from(m.Points, xy) || from(m.PointsEx, xy) || from(m.Texts, xy) ||
         from(m.Dims, dim) || from(m.Solids2, xy1) || from(m.Solids3, xy1) ||
         from(m.Solids4, xy1) || from(m.SolidsSc, centre) ||
         from(m.SolidsSe, centre) || from(m.SolidsSo, centre) ||
         from(m.SolidsSg, centre);
}

// Calls add(record, scale of its group) for every record of the list.
template <class T, class Add>
void EachScaled(const DrawingModel &m, const GrowableList<T> &list, Add add) {
  for (std::size_t i = 0; i < list.Count(); ++i)
    add(list[i], m.ScaleOfGroup(list[i].Attr.Group));
}

void AddLinework(const DrawingModel &m, Box &box) {
  EachScaled(m, m.Lines, [&box](const TJwwEntLine &e, double s) {
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
  });
  EachScaled(m, m.Circles, [&box](const TJwwEntCircle &e, double s) {
    box.AddArc(e.X, e.Y, e.Radius, 1, 0, 0, 0, s);
  });
  EachScaled(m, m.Arcs, [&box](const TJwwEntArc &e, double s) {
    box.AddArc(e.X, e.Y, e.Radius, e.Flatness, e.StartAngle, e.EndAngle, e.Tilt,
               s);
  });
  EachScaled(m, m.Points,
             [&box](const TJwwEntPoint &e, double s) { box.Add(e.X, e.Y, s); });
  EachScaled(m, m.PointsEx, [&box](const TJwwEntPointEx &e, double s) {
    box.Add(e.X, e.Y, s);
  });
}

void AddTexts(const DrawingModel &m, Box &box) {
  ImageReference image;
  EachScaled(m, m.Texts, [&](const TJwwEntText &e, double s) {
    box.Add(e.X, e.Y, s);
    if (ParseImageReference(e.Text, image) && image.has_size)
      box.Add(e.X + image.width, e.Y + image.height, s);
  });
  EachScaled(m, m.Dims, [&box](const TJwwEntDim &e, double s) {
    box.Add(e.Line.X1, e.Line.Y1, s);
    box.Add(e.Line.X2, e.Line.Y2, s);
    box.Add(e.Text.X, e.Text.Y, s);
  });
}

// An arc-shaped solid's arc from its lower to its higher angle.
void AddOutline(const TJwwSolidOutline &o, double s, Box &box) {
  double start = o.Start / kDegree;
  double end = (o.Start + o.Sweep) / kDegree;
  if (o.Sweep < 0)
    std::swap(start, end);
  box.AddArc(o.CentreX, o.CentreY, o.Radius, o.Flatness, start, end,
             o.Tilt / kDegree, s);
}

void AddSolids(const DrawingModel &m, Box &box) {
  EachScaled(m, m.Solids2, [&box](const TJwwEntSolid2 &e, double s) {
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
  });
  EachScaled(m, m.Solids3, [&box](const TJwwEntSolid3 &e, double s) {
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
    box.Add(e.X3, e.Y3, s);
  });
  EachScaled(m, m.Solids4, [&box](const TJwwEntSolid4 &e, double s) {
    box.Add(e.X1, e.Y1, s);
    box.Add(e.X2, e.Y2, s);
    box.Add(e.X3, e.Y3, s);
    box.Add(e.X4, e.Y4, s);
  });
  const auto arc = [&box](const auto &e, double s) {
    AddOutline(e.Outline, s, box);
  };
  EachScaled(m, m.SolidsSc, arc);
  EachScaled(m, m.SolidsSe, arc);
  EachScaled(m, m.SolidsSo, arc);
  EachScaled(m, m.SolidsSg, arc);
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
  AddLinework(m, box);
  AddTexts(m, box);
  AddSolids(m, box);
  return box.extents();
}

} // namespace orvik::render
