// The pen tool's modes, attributes and counters, the stroke's path and
// trace, and Esc taking back the newest element.

#include "orvik/session/pen_tool.h"

#include "orvik/session/ui_texts.h"

#include "orvik/exchange/session.h"
#include "orvik/render/primitives.h"

#include <string>

namespace orvik::session {
namespace {

// A long stroke keeps every other point once it has this many: the shape
// stays, the memory stays bounded.
constexpr std::size_t kMaxPathPoints = 1 << 16;

// Waiting for Esc to come up ends after this long whatever the key state
// says, so a stuck key cannot hang the window.
constexpr int kEscapeWaitLimitMs = 10000;
constexpr int kEscapePollMs = 10;

// After a new element, the trace and snap marks stay this long before the
// redraw wipes them.
constexpr int kMarkPauseMs = 200;

} // namespace

void PenTool::Begin(std::int32_t colour_index, std::int32_t line_type_index) {
  counter_ =
      std::string(text::kCounterLines) + "0" + text::kCounterPoints + "0";
  c_.events.ShowCounter(counter_);
  pen_ = exchange::PrepareNewElements(c_.model, colour_index, line_type_index);
}

void PenTool::SetMode(int mode) {
  mode_ = mode;
  arc_stage_ = false;
}

void PenTool::ChooseColour(std::int32_t index) {
  exchange::SelectColour(pen_, c_.model, index, 1);
  exchange::SelectPointColour(pen_, c_.model, index, 1);
}

void PenTool::ChooseLineType(std::int32_t index) {
  exchange::SelectLineType(pen_, c_.model, index, 1);
}

void PenTool::StartStroke(std::int32_t x, std::int32_t y) {
  path_.assign(1, {static_cast<double>(x), static_cast<double>(y)});
}

bool PenTool::StrokeMoved(std::int32_t x, std::int32_t y) {
  if (mode_ != kLineMode && mode_ != kArcMode)
    return false;
  PenTrace(x, y);
  RecordPath(x, y);
  return true;
}

void PenTool::StrokeReleased(std::int32_t px, std::int32_t py, std::int32_t x,
                             std::int32_t y) {
  RecordPath(x, y);
  const geometry::Point2 p{c_.view.WorldX(px), c_.view.WorldY(py)};
  const geometry::Point2 r{c_.view.WorldX(x), c_.view.WorldY(y)};
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

void PenTool::RecordPath(std::int32_t x, std::int32_t y) {
  if (path_.size() >= kMaxPathPoints) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < path_.size(); i += 2)
      path_[kept++] = path_[i];
    path_.resize(kept);
  }
  path_.push_back({static_cast<double>(x), static_cast<double>(y)});
}

// A dot on the pen's path; it stays until the next redraw.
void PenTool::PenTrace(std::int32_t x, std::int32_t y) {
  c_.surface.Draw([&](render::Canvas &canvas) {
    render::Primitives d(canvas, c_.view, c_.pens);
    d.SetPen(NewElementColour(), render::PenStyle::Solid, 0);
    d.SetBrush(NewElementColour(), render::BrushStyle::Solid);
    d.CircleMarker(x, y, 3);
  });
  picture_.Marked({x - 4, y - 4, x + 5, y + 5});
}

// After a new element the marks stay a moment; counted only when the model
// took the element, so the counters always match the user's elements at
// the end of the order list.
void PenTool::Counted(std::int32_t &counter) {
  counter += 1;
  UpdateCounter();
  c_.services.Pause(kMarkPauseMs);
}

void PenTool::UpdateCounter() {
  counter_ = std::string(text::kCounterLines) + std::to_string(counts_.lines) +
             text::kCounterPoints + std::to_string(counts_.points) +
             text::kCounterArcs +
             std::to_string(counts_.arcs + counts_.circles);
  c_.events.ShowCounter(counter_);
}

// The host's elements all come before the loaded count in the order list.
void PenTool::DeleteNewest() {
  const std::size_t count = c_.model.EntOrder.Count();
  if (counts_.Total() <= 0 || count == 0 ||
      count <= static_cast<std::size_t>(c_.loaded_count)) {
    c_.services.Beep();
    return;
  }
  const exchange::EntKind kind = c_.model.EntOrder.Last().Kind;
  const PixelBox gone = picture_.PixelsOfNewest();
  c_.model.RemoveLastElement();
  const auto lower = [](std::int32_t &n) {
    if (n > 0)
      --n;
  };
  if (kind == exchange::EntKind::Line)
    lower(counts_.lines);
  else if (kind == exchange::EntKind::Arc)
    lower(counts_.arcs);
  else if (kind == exchange::EntKind::Point)
    lower(counts_.points);
  else if (kind == exchange::EntKind::Circle)
    lower(counts_.circles);
  UpdateCounter();
  // A held Esc would stop the redraw at once and repeat the deletion.
  for (int waited = 0;
       c_.services.IsEscapeHeld() && waited < kEscapeWaitLimitMs;
       waited += kEscapePollMs)
    c_.services.Pause(kEscapePollMs);
  picture_.RedrawAround(gone);
}

} // namespace orvik::session
