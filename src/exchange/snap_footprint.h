#pragma once
// Where a record of each searched kind can be reported by SnapInRange, as
// boxes in paper millimetres: the footprint the snap index files records
// by. Internal to the index.

#include "orvik/exchange/model.h"
#include "orvik/geometry/arc_measures.h"
#include "orvik/geometry/arc_shape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace orvik::exchange::snap_detail {

using geometry::ArcShape;

// Rounding allowances: every box and every query window is widened by
// kRelPad of its magnitude plus kAbsPad. The geometry rounds by a few units
// in the last place, and squares of differences below 1e-154 vanish.
constexpr double kRelPad = 1e-9;
constexpr double kAbsPad = 1e-100;
// Wider windows (and non-finite or negative tolerances) are searched
// plainly; curves reaching further are tested always (see AddDisc).
constexpr double kMaxHalfSide = 1e150;
constexpr double kMaxRadius = 1e150;
// Records whose region widens faster than this many tolerances are tested
// always.
constexpr double kMaxGrowth = 16;

struct Box {
  double x0, y0, x1, y1;
};

template <class... D> bool AllFinite(D... values) {
  return (std::isfinite(values) && ...);
}

// Where a record can be reported: SnapInRange reports it only for pointers
// within growth * tol, in each axis, of one of the boxes. A record that is
// not boundable, or has no box, is tested always.
struct Footprint {
  std::array<Box, 4> boxes; // the first `count` are set
  int count = 0;
  double growth = 1;
  bool boundable = true;

  std::span<const Box> Boxes() const {
    return {boxes.data(), static_cast<std::size_t>(count)};
  }
  std::span<Box> Boxes() {
    return {boxes.data(), static_cast<std::size_t>(count)};
  }

  // A candidate point; one that is not finite never lies in a finite window.
  void AddPoint(double x, double y) {
    if (std::isfinite(x) && std::isfinite(y))
      boxes[count++] = {x, y, x, y};
  }
  // The geometry squares distances and reaches, which overflow beyond
  // about 1.3e154; an infinite reach would let pointers far away hit.
  void AddDisc(double cx, double cy, double radius) {
    if (!AllFinite(cx, cy) || !(radius <= kMaxRadius)) {
      boundable = false;
      return;
    }
    boxes[count++] = {cx - radius, cy - radius, cx + radius, cy + radius};
  }

  // Pads the boxes for rounding; false when the record is tested always.
  bool Settle() {
    if (!boundable || count == 0)
      return false;
    for (Box &b : Boxes()) {
      const double pad =
          kRelPad * std::max({std::fabs(b.x0), std::fabs(b.y0), std::fabs(b.x1),
                              std::fabs(b.y1)}) +
          kAbsPad;
      b = {b.x0 - pad, b.y0 - pad, b.x1 + pad, b.y1 + pad};
      if (!AllFinite(b.x0, b.y0, b.x1, b.y1))
        return false;
    }
    return true;
  }
};

// Shapes that hit only on or inside their outline, or at their end points.
void AddOutline(Footprint &f, const ArcShape &s);
// A tangent-zone solid ("sc" of any other code than 100, 0 and 5).
void AddTangentZone(Footprint &f, const ArcShape &s);
// The larger of |radius| and |radius * flatness|.
double OutlineRadius(const ArcShape &s);

// Each kind's candidates as point_snap.cpp builds them, in paper millimetres.
struct Tracer {
  const DrawingModel &m;
  std::array<double, 16> scales{}; // ScaleOfGroup of the groups 0..15

  explicit Tracer(const DrawingModel &model) : m(model) {
    for (std::size_t g = 0; g < scales.size(); ++g)
      scales[g] = m.ScaleOfGroup(static_cast<std::int32_t>(g));
  }
  double Scale(const TJwwEntAttr &a) const {
    return a.Group < 16 ? scales[a.Group] : m.ScaleOfGroup(a.Group);
  }

  // The points (x0, y0, x1, y1, ...) at the scale s.
  static void Points(Footprint &f, double s, std::initializer_list<double> xy) {
    for (auto p = xy.begin(); p != xy.end(); p += 2)
      f.AddPoint(p[0] / s, p[1] / s);
  }

  void operator()(const TJwwEntPoint &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X, r.Y});
  }
  void operator()(const TJwwEntPointEx &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X, r.Y});
  }
  void operator()(const TJwwEntLine &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X1, r.Y1, r.X2, r.Y2});
  }
  void operator()(const TJwwEntText &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X, r.Y});
  }
  void operator()(const TJwwEntDim &r, Footprint &f) const {
    (*this)(r.Line, f);
    Points(f, Scale(r.Text.Attr), {r.Text.X, r.Text.Y});
  }
  void operator()(const TJwwEntSolid2 &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X1, r.Y1, r.X2, r.Y2});
  }
  void operator()(const TJwwEntSolid3 &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3});
  }
  void operator()(const TJwwEntSolid4 &r, Footprint &f) const {
    Points(f, Scale(r.Attr), {r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3, r.X4, r.Y4});
  }
  void operator()(const TJwwEntCircle &r, Footprint &f) const {
    const double s = Scale(r.Attr);
    AddOutline(f, {r.X / s, r.Y / s, r.Radius / s, 1.0, 0, 0, 0});
  }
  void operator()(const TJwwEntArc &r, Footprint &f) const {
    const double s = Scale(r.Attr);
    AddOutline(f, {r.X / s, r.Y / s, r.Radius / s, r.Flatness, 0, 0, 0});
  }
  // Disc, sector and segment solids hit inside or on their outline.
  void operator()(const TJwwEntSolidSc &r, Footprint &f) const {
    const ArcShape shape = PaperShape(r.Outline, Scale(r.Attr));
    if (r.Code == kDiscCode || r.Code == kSectorCode || r.Code == kSegmentCode)
      AddOutline(f, shape);
    else
      AddTangentZone(f, shape);
  }
  void operator()(const TJwwEntSolidSe &r, Footprint &f) const {
    AddOutline(f, PaperShape(r.Outline, Scale(r.Attr)));
  }
  // Block insertions are never snapped to: no footprint.
  void operator()(const TJwwEntBlk &, Footprint &) const {}
  void operator()(const TJwwEntSolidSo &r, Footprint &f) const {
    Ring(geometry::RingMode::SameFlatness, r, f);
  }
  void operator()(const TJwwEntSolidSg &r, Footprint &f) const {
    Ring(geometry::RingMode::EvenWidth, r, f);
  }
  // A ring hits inside its outer outline or at its inner arc's end points.
  void Ring(geometry::RingMode mode, const TJwwEntSolidRing &r,
            Footprint &f) const {
    const ArcShape outer = PaperShape(r.Outline, Scale(r.Attr));
    const ArcShape inner =
        geometry::InnerArc(mode, outer, r.InnerRadius / Scale(r.Attr));
    if (!AllFinite(outer.flatness, inner.flatness, inner.radius)) {
      f.boundable = false;
      return;
    }
    f.AddDisc(outer.cx, outer.cy,
              std::max(OutlineRadius(outer), OutlineRadius(inner)));
  }
};

} // namespace orvik::exchange::snap_detail
