// The strokes of the drawing modes: the grid reference point, lines and
// points, three-point arcs by two strokes, and arcs and circles of one
// curved stroke.

#include "orvik/session/pen_tool.h"

#include "orvik/session/ui_texts.h"

#include "session_limits.h"

#include "orvik/geometry/stroke_shape.h"
#include "orvik/util/plane.h"

#include <cmath>

namespace orvik::session {
namespace {

using geometry::Point2;

// Within 1e-8 in both axes: a click rather than a drag.
bool SameSpot(Point2 a, Point2 b) {
  return std::fabs(b.x - a.x) <= 1e-8 && std::fabs(b.y - a.y) <= 1e-8;
}

} // namespace

// View units to the model's: times the drawing scale unless the drawing
// has sheet coordinates.
Point2 PenTool::ToModel(Point2 p) const {
  const double k = c_.model.SheetCoords ? 1.0 : c_.model.DrawingScale();
  return {p.x * k, p.y * k};
}

Point2 PenTool::World(Point2 pixel) const {
  return {c_.view.WorldX(pixel.x), c_.view.WorldY(pixel.y)};
}

// The press point only: onto an element point, else onto the grid node
// nearest it (the grid lines stay where they were).
void PenTool::SetGridOrigin(Point2 p) {
  const exchange::SnapHit hit = SnapNear(p);
  render::GridSettings &grid = c_.grid;
  if (hit.found) {
    grid.origin_x = hit.x;
    grid.origin_y = hit.y;
    if (grid.on)
      picture_.Redraw();
  } else if (grid.on) {
    const Point2 node = GridNode(p);
    grid.origin_x = node.x;
    grid.origin_y = node.y;
    picture_.Redraw();
  }
}

void PenTool::DrawLine(Point2 p, Point2 r) {
  const Point2 a = ToModel(PickPoint(p));
  const Point2 b = ToModel(PickPoint(r));
  exchange::DrawingModel &m = c_.model;
  const std::size_t before = m.EntOrder.Count();
  const bool point = SameSpot(a, b);
  if (point)
    m.AddPoint(pen_, a.x, a.y);
  else
    m.AddLine(pen_, a.x, a.y, b.x, b.y);
  if (m.EntOrder.Count() > before)
    Counted(point ? counts_.points : counts_.lines);
  picture_.RedrawAdded(before);
  arc_stage_ = false;
}

// The first stroke gives the start and the through point (a click: the
// start only, the next stroke's press then gives the through point); the
// second stroke's release gives the end. A first stroke that is itself an
// arc or a closed circle makes it at once.
void PenTool::DrawArcStroke(Point2 p, Point2 r) {
  if (!arc_stage_ && one_stroke_ && DrawOneStroke())
    return;
  if (arc_stage_) {
    if (SameSpot(arc_through_, arc_start_))
      arc_through_ = ToModel(PickPoint(p));
    FinishArc(ToModel(PickPoint(r)));
    return;
  }
  arc_start_ = ToModel(PickPoint(p));
  arc_through_ = ToModel(PickPoint(r));
  arc_stage_ = true;
  SetStatus(c_, SameSpot(arc_start_, arc_through_) ? text::kArcAfterClick
                                                   : text::kArcAfterDrag);
}

// An arc stroke's ends are picked as any stroke's; the point between them
// is used as drawn (a through point never snaps). A circle's centre snaps
// to an element point within 5 pixels, so a circle drawn around a point is
// concentric with it; otherwise it is the fitted centre.
bool PenTool::DrawOneStroke() {
  const geometry::StrokeShape shape = geometry::RecognizeStroke(path_);
  if (shape.kind == geometry::StrokeShape::Kind::Arc) {
    arc_start_ = ToModel(PickPoint(World(path_.front())));
    arc_through_ = ToModel(World(shape.through));
    FinishArc(ToModel(PickPoint(World(path_.back()))));
    return true;
  }
  if (shape.kind == geometry::StrokeShape::Kind::Circle) {
    Point2 centre = World(shape.centre);
    if (SnapNear(centre).found)
      centre = PickPoint(centre);
    const double k = c_.model.SheetCoords ? 1.0 : c_.model.DrawingScale();
    FinishCircle(ToModel(centre), shape.radius / c_.view.ViewScale() * k);
    return true;
  }
  return false;
}

void PenTool::FinishCircle(Point2 centre, double radius) {
  const std::size_t before = c_.model.EntOrder.Count();
  c_.model.AddCircle(pen_, centre.x, centre.y, radius);
  if (c_.model.EntOrder.Count() > before)
    Counted(counts_.circles);
  else
    c_.services.Beep();
  picture_.RedrawAdded(before);
  arc_stage_ = false;
  SetStatus(c_, text::kModeStatus[kArcMode]);
}

// Points on one line or two equal points form no arc: a beep.
void PenTool::FinishArc(Point2 e) {
  ThreePointArc arc;
  const std::size_t before = c_.model.EntOrder.Count();
  if (ArcThroughThreePoints(arc_start_.x, arc_start_.y, arc_through_.x,
                            arc_through_.y, e.x, e.y, arc))
    c_.model.AddArc(pen_, arc.cx, arc.cy, arc.radius, arc.start_deg,
                    arc.end_deg, 1.0, 0.0);
  if (c_.model.EntOrder.Count() > before)
    Counted(counts_.arcs);
  else
    c_.services.Beep();
  picture_.RedrawAdded(before);
  arc_stage_ = false;
  SetStatus(c_, text::kModeStatus[kArcMode]);
}

} // namespace orvik::session
