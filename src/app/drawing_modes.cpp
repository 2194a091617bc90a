// The drawing modes: the grid reference point, lines and points by
// strokes, three-point arcs by two strokes, and Esc taking back the newest
// element.

#include "orvik/app/tform1.h"

#include "surface_drawing.h"

#include "orvik/app/ui_texts.h"
#include "orvik/util/plane.h"
#include "orvik/util/rounding.h"

#include <QLabel>

#include <cmath>

namespace orvik::app {
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

double TForm1::ViewSpacing() const {
  return model_.SheetCoords ? GridSpacing : GridSpacing / model_.DrawingScale();
}

// The grid node nearest `p`, halves away from zero, or `p` itself when the
// spacing gives no usable node (a spacing so large or small that the
// rounding overflows).
Point2 TForm1::GridNode(Point2 p) const {
  const double s = ViewSpacing();
  const Point2 node{RoundToStep(p.x - GridOriginX, s) + GridOriginX,
                    RoundToStep(p.y - GridOriginY, s) + GridOriginY};
  return s > 0 && IsFinite(node) ? node : p;
}

// View units to the model's: times the drawing scale unless the drawing
// has sheet coordinates.
Point2 TForm1::ToModel(Point2 p) const {
  const double k = model_.SheetCoords ? 1.0 : model_.DrawingScale();
  return {p.x * k, p.y * k};
}

Point2 TForm1::PickPoint(Point2 p) {
  const double tol = 5 / view_.ViewScale;
  const exchange::SnapHit hit = snap_index_.Find(model_, p.x, p.y, tol);
  if (hit.found) {
    if (pens_) {
      SurfaceDrawing d(*PaintBox1, view_, *pens_);
      d.p().SetPen(model_.NewElementScreenColour, render::PenStyle::Solid, 2);
      d.p().DrawWorldRect(hit.x - tol, hit.y - tol, hit.x + tol, hit.y + tol);
    }
    return {hit.x, hit.y};
  }
  if (GridOn == 1)
    return GridNode(p);
  return p;
}

void TForm1::PenTrace(QPoint at) {
  if (!pens_)
    return;
  SurfaceDrawing d(*PaintBox1, view_, *pens_);
  d.p().SetPen(model_.NewElementScreenColour, render::PenStyle::Solid, 0);
  d.p().SetBrush(model_.NewElementScreenColour, render::BrushStyle::Solid);
  d.p().CircleMarker(at.x(), at.y(), 3);
}

void TForm1::DrawingRelease(QPoint release) {
  const Point2 p{view_.WorldX(PressX), view_.WorldY(PressY)};
  const Point2 r{view_.WorldX(release.x()), view_.WorldY(release.y())};
  switch (ModeItem()) {
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

void TForm1::SetGridOrigin(Point2 p) {
  const exchange::SnapHit hit =
      snap_index_.Find(model_, p.x, p.y, 5 / view_.ViewScale);
  if (hit.found) {
    GridOriginX = hit.x;
    GridOriginY = hit.y;
    if (GridOn == 1)
      Redraw();
  } else if (GridOn == 1) {
    const Point2 node = GridNode(p);
    GridOriginX = node.x;
    GridOriginY = node.y;
    Redraw();
  }
}

void TForm1::DrawLine(Point2 p, Point2 r) {
  const Point2 a = ToModel(PickPoint(p));
  const Point2 b = ToModel(PickPoint(r));
  // Counted only when the model took the element, so the counters always
  // match the user's elements at the end of the order list.
  const std::size_t before = model_.EntOrder.Count();
  const bool point = SameSpot(a, b);
  if (point)
    model_.AddPoint(a.x, a.y);
  else
    model_.AddLine(a.x, a.y, b.x, b.y);
  if (model_.EntOrder.Count() > before) {
    (point ? NewPointCount : NewLineCount) += 1;
    UpdateCounter();
    services_.Pause(kMarkPauseMs);
  }
  Redraw();
  ArcStage = false;
}

void TForm1::DrawArcStroke(Point2 p, Point2 r) {
  if (ArcStage) {
    if (SameSpot(ArcThrough, ArcStart))
      ArcThrough = ToModel(PickPoint(p));
    FinishArc(ToModel(PickPoint(r)));
    return;
  }
  ArcStart = ToModel(PickPoint(p));
  ArcThrough = ToModel(PickPoint(r));
  ArcStage = true;
  ShowStatus(QString::fromUtf8(SameSpot(ArcStart, ArcThrough)
                                   ? text::kArcAfterClick
                                   : text::kArcAfterDrag));
}

void TForm1::FinishArc(Point2 e) {
  ThreePointArc arc;
  const std::size_t before = model_.EntOrder.Count();
  if (ArcThroughThreePoints(ArcStart.x, ArcStart.y, ArcThrough.x, ArcThrough.y,
                            e.x, e.y, arc))
    model_.AddArc(arc.cx, arc.cy, arc.radius, arc.start_deg, arc.end_deg, 1.0,
                  0.0);
  if (model_.EntOrder.Count() > before) {
    NewArcCount += 1;
    UpdateCounter();
    services_.Pause(kMarkPauseMs);
  } else {
    services_.Beep();
  }
  Redraw();
  ArcStage = false;
  ShowStatus(QString::fromUtf8(text::kModeStatus[kArcMode]));
}

// Takes back the user's newest element; never one of the host's, which all
// come before LoadedElementCount in the order list.
void TForm1::DeleteNewest() {
  const std::size_t count = model_.EntOrder.Count();
  const bool drawn = NewLineCount + NewPointCount + NewArcCount > 0;
  if (!drawn || count == 0 ||
      count <= static_cast<std::size_t>(LoadedElementCount)) {
    services_.Beep();
    return;
  }
  const exchange::EntKind kind = model_.EntOrder[count - 1].Kind;
  model_.RemoveLastElement();
  const auto lower = [](std::int32_t &n) {
    if (n > 0)
      --n;
  };
  if (kind == exchange::EntKind::Line)
    lower(NewLineCount);
  else if (kind == exchange::EntKind::Arc)
    lower(NewArcCount);
  else if (kind == exchange::EntKind::Point)
    lower(NewPointCount);
  UpdateCounter();
  // A held Esc would stop the redraw at once and repeat the deletion.
  for (int waited = 0; services_.IsEscapeHeld() && waited < kEscapeWaitLimitMs;
       waited += kEscapePollMs)
    services_.Pause(kEscapePollMs);
  Redraw();
}

void TForm1::UpdateCounter() {
  LabelC->setText(
      QString::fromUtf8(text::kCounterLines) + QString::number(NewLineCount) +
      QString::fromUtf8(text::kCounterPoints) + QString::number(NewPointCount) +
      QString::fromUtf8(text::kCounterArcs) + QString::number(NewArcCount));
  LabelC->adjustSize();
  LabelC->repaint();
}

} // namespace orvik::app
