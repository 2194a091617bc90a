// The drawing modes: the grid reference point, lines and points by
// strokes, three-point arcs by two strokes, and Esc taking back the newest
// element.

#include "orvik/session/edit_session.h"

#include "orvik/session/ui_texts.h"

#include "session_limits.h"

#include "orvik/geometry/stroke_shape.h"
#include "orvik/render/element_renderer.h"
#include "orvik/render/primitives.h"
#include "orvik/util/plane.h"
#include "orvik/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {
namespace {

using geometry::Point2;

// Within 1e-8 in both axes: a click rather than a drag.
bool SameSpot(Point2 a, Point2 b) {
  return std::fabs(b.x - a.x) <= 1e-8 && std::fabs(b.y - a.y) <= 1e-8;
}

bool IsFinite(Point2 p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Waiting for Esc to come up ends after this long whatever the key state
// says, so a stuck key cannot hang the window.
constexpr int kEscapeWaitLimitMs = 10000;
constexpr int kEscapePollMs = 10;

// After a new element, the trace and snap marks stay this long before the
// redraw wipes them.
constexpr int kMarkPauseMs = 200;

} // namespace

// The grid spacing in paper millimetres.
double EditSession::ViewSpacing() const {
  return model_.SheetCoords ? grid_spacing_
                            : grid_spacing_ / model_.DrawingScale();
}

// The grid node nearest `p`, halves away from zero, or `p` itself when the
// spacing gives no usable node (a spacing so large or small that the
// rounding overflows).
Point2 EditSession::GridNode(Point2 p) const {
  const double s = ViewSpacing();
  const Point2 node{RoundToStep(p.x - grid_origin_.x, s) + grid_origin_.x,
                    RoundToStep(p.y - grid_origin_.y, s) + grid_origin_.y};
  return s > 0 && IsFinite(node) ? node : p;
}

// View units to the model's: times the drawing scale unless the drawing
// has sheet coordinates.
Point2 EditSession::ToModel(Point2 p) const {
  const double k = model_.SheetCoords ? 1.0 : model_.DrawingScale();
  return {p.x * k, p.y * k};
}

// The 10-pixel square around a snapped point, in the new elements' colour.
void EditSession::DrawSnapMark(render::Canvas &canvas,
                               const exchange::SnapHit &hit) const {
  const double d = kSnapPixels / view_.ViewScale();
  render::Primitives p(canvas, view_, pens_);
  p.SetPen(NewElementColour(), render::PenStyle::Solid, 2);
  p.DrawWorldRect(hit.x - d, hit.y - d, hit.x + d, hit.y + d);
}

// The square's half size and its pen's width, and a pixel to spare.
PixelBox EditSession::SnapMarkPixels(const exchange::SnapHit &hit) const {
  const auto x = static_cast<std::int32_t>(
      std::clamp(std::floor(view_.PixelX(hit.x)), -1e9, 1e9));
  const auto y = static_cast<std::int32_t>(
      std::clamp(std::floor(view_.PixelY(hit.y)), -1e9, 1e9));
  return {x - 8, y - 8, x + 9, y + 9};
}

// An element point within 5 pixels (marked by a 10-pixel square), else the
// nearest grid node when the grid is on, else the point itself.
Point2 EditSession::PickPoint(Point2 p) {
  const double tol = kSnapPixels / view_.ViewScale();
  const exchange::SnapHit hit = snap_index_.Find(model_, p.x, p.y, tol);
  if (hit.found) {
    surface_.Draw([&](render::Canvas &canvas) { DrawSnapMark(canvas, hit); });
    Marked(SnapMarkPixels(hit));
    return {hit.x, hit.y};
  }
  return grid_on_ ? GridNode(p) : p;
}

// A dot on the pen's path; it stays until the next redraw.
void EditSession::PenTrace(std::int32_t x, std::int32_t y) {
  surface_.Draw([&](render::Canvas &canvas) {
    render::Primitives d(canvas, view_, pens_);
    d.SetPen(NewElementColour(), render::PenStyle::Solid, 0);
    d.SetBrush(NewElementColour(), render::BrushStyle::Solid);
    d.CircleMarker(x, y, 3);
  });
  Marked({x - 4, y - 4, x + 5, y + 5});
}

void EditSession::DrawingRelease(std::int32_t x, std::int32_t y) {
  const Point2 p{view_.WorldX(press_x_), view_.WorldY(press_y_)};
  const Point2 r{view_.WorldX(x), view_.WorldY(y)};
  switch (mode_) {
  case kGridOriginMode:
    SetGridOrigin(p);
    break;
  case kLineMode:
    DrawLine(p, r);
    break;
  case kArcMode:
    DrawArcStroke(p, r);
    break;
  default:
    break;
  }
}

// The press point only: onto an element point, else onto the grid node
// nearest it (the grid lines stay where they were).
void EditSession::SetGridOrigin(Point2 p) {
  const exchange::SnapHit hit =
      snap_index_.Find(model_, p.x, p.y, kSnapPixels / view_.ViewScale());
  if (hit.found) {
    grid_origin_ = {hit.x, hit.y};
    if (grid_on_)
      Redraw();
  } else if (grid_on_) {
    grid_origin_ = GridNode(p);
    Redraw();
  }
}

// After a new element the marks stay a moment; counted only when the model
// took the element, so the counters always match the user's elements at
// the end of the order list.
void EditSession::Counted(std::int32_t &counter) {
  counter += 1;
  UpdateCounter();
  services_.Pause(kMarkPauseMs);
}

// A new element is the last of its list, so it is painted with what its
// list and the later lists draw over it.
void EditSession::RedrawAdded(std::size_t before) {
  if (model_.EntOrder.Count() <= before) {
    RedrawAround({});
    return;
  }
  boxes_.Sync(model_, pens_, &codes_);
  const exchange::TJwwEntOrder newest = model_.EntOrder.Last();
  RedrawAround(
      PixelsOf(newest.Kind, newest.Index),
      render::ElementRenderer::PositionOf(model_, newest.Kind, newest.Index));
}

void EditSession::DrawLine(Point2 p, Point2 r) {
  const Point2 a = ToModel(PickPoint(p));
  const Point2 b = ToModel(PickPoint(r));
  const std::size_t before = model_.EntOrder.Count();
  const bool point = SameSpot(a, b);
  if (point)
    model_.AddPoint(pen_attributes_, a.x, a.y);
  else
    model_.AddLine(pen_attributes_, a.x, a.y, b.x, b.y);
  if (model_.EntOrder.Count() > before)
    Counted(point ? new_points_ : new_lines_);
  RedrawAdded(before);
  arc_stage_ = false;
}

Point2 EditSession::World(Point2 pixel) const {
  return {view_.WorldX(pixel.x), view_.WorldY(pixel.y)};
}

// The first stroke gives the start and the through point (a click: the
// start only, the next stroke's press then gives the through point); the
// second stroke's release gives the end. A first stroke that is itself an
// arc or a closed circle makes it at once.
void EditSession::DrawArcStroke(Point2 p, Point2 r) {
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
  SetStatus(SameSpot(arc_start_, arc_through_) ? text::kArcAfterClick
                                               : text::kArcAfterDrag);
}

// An arc stroke's ends are picked as any stroke's; the point between them
// is used as drawn (a through point never snaps). A circle's centre snaps
// to an element point within 5 pixels, so a circle drawn around a point is
// concentric with it; otherwise it is the fitted centre.
bool EditSession::DrawOneStroke() {
  const geometry::StrokeShape shape = geometry::RecognizeStroke(path_);
  if (shape.kind == geometry::StrokeShape::Kind::Arc) {
    arc_start_ = ToModel(PickPoint(World(path_.front())));
    arc_through_ = ToModel(World(shape.through));
    FinishArc(ToModel(PickPoint(World(path_.back()))));
    return true;
  }
  if (shape.kind == geometry::StrokeShape::Kind::Circle) {
    Point2 centre = World(shape.centre);
    const double tol = kSnapPixels / view_.ViewScale();
    if (snap_index_.Find(model_, centre.x, centre.y, tol).found)
      centre = PickPoint(centre);
    const double k = model_.SheetCoords ? 1.0 : model_.DrawingScale();
    FinishCircle(ToModel(centre), shape.radius / view_.ViewScale() * k);
    return true;
  }
  return false;
}

void EditSession::FinishCircle(Point2 centre, double radius) {
  const std::size_t before = model_.EntOrder.Count();
  model_.AddCircle(pen_attributes_, centre.x, centre.y, radius);
  if (model_.EntOrder.Count() > before)
    Counted(new_circles_);
  else
    services_.Beep();
  RedrawAdded(before);
  arc_stage_ = false;
  SetStatus(text::kModeStatus[kArcMode]);
}

// Points on one line or two equal points form no arc: a beep.
void EditSession::FinishArc(Point2 e) {
  ThreePointArc arc;
  const std::size_t before = model_.EntOrder.Count();
  if (ArcThroughThreePoints(arc_start_.x, arc_start_.y, arc_through_.x,
                            arc_through_.y, e.x, e.y, arc))
    model_.AddArc(pen_attributes_, arc.cx, arc.cy, arc.radius, arc.start_deg,
                  arc.end_deg, 1.0, 0.0);
  if (model_.EntOrder.Count() > before)
    Counted(new_arcs_);
  else
    services_.Beep();
  RedrawAdded(before);
  arc_stage_ = false;
  SetStatus(text::kModeStatus[kArcMode]);
}

// Takes back the user's newest element; never one of the host's, which all
// come before loaded_count_ in the order list.
void EditSession::DeleteNewest() {
  const std::size_t count = model_.EntOrder.Count();
  const bool drawn = new_lines_ + new_points_ + new_arcs_ + new_circles_ > 0;
  if (!drawn || count == 0 ||
      count <= static_cast<std::size_t>(loaded_count_)) {
    services_.Beep();
    return;
  }
  const exchange::TJwwEntOrder newest = model_.EntOrder.Last();
  const exchange::EntKind kind = newest.Kind;
  boxes_.Sync(model_, pens_, &codes_);
  const PixelBox gone = PixelsOf(kind, newest.Index);
  model_.RemoveLastElement();
  const auto lower = [](std::int32_t &n) {
    if (n > 0)
      --n;
  };
  if (kind == exchange::EntKind::Line)
    lower(new_lines_);
  else if (kind == exchange::EntKind::Arc)
    lower(new_arcs_);
  else if (kind == exchange::EntKind::Point)
    lower(new_points_);
  else if (kind == exchange::EntKind::Circle)
    lower(new_circles_);
  UpdateCounter();
  // A held Esc would stop the redraw at once and repeat the deletion.
  for (int waited = 0; services_.IsEscapeHeld() && waited < kEscapeWaitLimitMs;
       waited += kEscapePollMs)
    services_.Pause(kEscapePollMs);
  RedrawAround(gone);
}

} // namespace orvik::session
