// Where a stroke's ends land: PickPoint with its snap mark on the area,
// the grid node, and the snap preview, a mark in the overlay where a
// stroke starting under the pointer would land, or where a stroke of the
// line and arc modes would end. The preview never touches the picture.

#include "orvik/session/pen_tool.h"

#include "session_limits.h"

#include "orvik/render/primitives.h"
#include "orvik/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {
namespace {

using geometry::Point2;

bool IsFinite(Point2 p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The grid node's mark: a cross this many pixels from its centre to each
// end.
constexpr std::int32_t kNodeMarkReach = 3;

std::int32_t NearestPixel(double v) {
  return static_cast<std::int32_t>(std::lround(std::clamp(v, -1e9, 1e9)));
}

} // namespace

// The grid spacing in paper millimetres.
double PenTool::ViewSpacing() const {
  const double spacing = c_.grid.spacing;
  return c_.model.SheetCoords ? spacing : spacing / c_.model.DrawingScale();
}

// The grid node nearest `p`, halves away from zero, or `p` itself when the
// spacing gives no usable node (a spacing so large or small that the
// rounding overflows).
Point2 PenTool::GridNode(Point2 p) const {
  const double s = ViewSpacing();
  const double ox = c_.grid.origin_x, oy = c_.grid.origin_y;
  const Point2 node{RoundToStep(p.x - ox, s) + ox,
                    RoundToStep(p.y - oy, s) + oy};
  return s > 0 && IsFinite(node) ? node : p;
}

// An element point within the snap window of `p`, if any.
exchange::SnapHit PenTool::SnapNear(Point2 p) const {
  return c_.snap_index.Find(c_.model, p.x, p.y,
                            kSnapPixels / c_.view.ViewScale());
}

// The 10-pixel square around a snapped point, in the new elements' colour.
void PenTool::DrawSnapMark(render::Canvas &canvas,
                           const exchange::SnapHit &hit) const {
  const double d = kSnapPixels / c_.view.ViewScale();
  render::Primitives p(canvas, c_.view, c_.pens);
  p.SetPen(NewElementColour(), render::PenStyle::Solid, 2);
  p.DrawWorldRect(hit.x - d, hit.y - d, hit.x + d, hit.y + d);
}

// The square's half size and its pen's width, and a pixel to spare.
PixelBox PenTool::SnapMarkPixels(const exchange::SnapHit &hit) const {
  const auto x = static_cast<std::int32_t>(
      std::clamp(std::floor(c_.view.PixelX(hit.x)), -1e9, 1e9));
  const auto y = static_cast<std::int32_t>(
      std::clamp(std::floor(c_.view.PixelY(hit.y)), -1e9, 1e9));
  return {x - 8, y - 8, x + 9, y + 9};
}

// An element point within 5 pixels (marked by a 10-pixel square), else the
// nearest grid node when the grid is on, else the point itself.
Point2 PenTool::PickPoint(Point2 p) {
  const exchange::SnapHit hit = SnapNear(p);
  if (hit.found) {
    c_.surface.Draw([&](render::Canvas &canvas) { DrawSnapMark(canvas, hit); });
    picture_.Marked(SnapMarkPixels(hit));
    return {hit.x, hit.y};
  }
  return c_.grid.on ? GridNode(p) : p;
}

void PenTool::ShowPreview(std::int32_t x, std::int32_t y) {
  if (mode_ == kScreenMode) {
    c_.surface.ClearOverlay();
    return;
  }
  const Point2 p{c_.view.WorldX(x), c_.view.WorldY(y)};
  const exchange::SnapHit hit = SnapNear(p);
  if (hit.found)
    c_.surface.ShowOverlay(SnapMarkPixels(hit), [&](render::Canvas &canvas) {
      DrawSnapMark(canvas, hit);
    });
  else if (c_.grid.on)
    PreviewGridNode(GridNode(p));
  else
    c_.surface.ClearOverlay();
}

// A small cross in the new elements' colour, one pixel wide.
void PenTool::PreviewGridNode(Point2 node) {
  const std::int32_t x = NearestPixel(c_.view.PixelX(node.x));
  const std::int32_t y = NearestPixel(c_.view.PixelY(node.y));
  const std::int32_t r = kNodeMarkReach;
  c_.surface.ShowOverlay(
      {x - r, y - r, x + r + 1, y + r + 1}, [&](render::Canvas &canvas) {
        render::Primitives d(canvas, c_.view, c_.pens);
        d.SetPen(NewElementColour(), render::PenStyle::Solid, 0);
        d.PixelLine(x - r, y, x + r, y);
        d.PixelLine(x, y - r, x, y + r);
      });
}

} // namespace orvik::session
