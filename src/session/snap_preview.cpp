// The snap preview: in the drawing modes, a mark in the overlay where a
// stroke starting under the pointer would land, or where a stroke of the
// line and arc modes would end. It never touches the picture.

#include "orvik/session/edit_session.h"

#include "session_limits.h"

#include "orvik/render/primitives.h"

#include <algorithm>
#include <cmath>

namespace orvik::session {
namespace {

// The grid node's mark: a cross this many pixels from its centre to each
// end.
constexpr std::int32_t kNodeMarkReach = 3;

std::int32_t NearestPixel(double v) {
  return static_cast<std::int32_t>(std::lround(std::clamp(v, -1e9, 1e9)));
}

} // namespace

// The snap square of PickPoint on an element point within 5 pixels, else
// the grid node's cross with the grid on, else nothing; never in the
// screen-operation mode, nor while fingers move the picture.
void EditSession::ShowPreview() {
  if (state_ != State::Open || !pointer_in_ || mode_ == kScreenMode ||
      touch_.Active()) {
    surface_.ClearOverlay();
    return;
  }
  const geometry::Point2 p{view_.WorldX(pointer_x_), view_.WorldY(pointer_y_)};
  const exchange::SnapHit hit =
      snap_index_.Find(model_, p.x, p.y, kSnapPixels / view_.ViewScale());
  if (hit.found)
    surface_.ShowOverlay(SnapMarkPixels(hit), [&](render::Canvas &canvas) {
      DrawSnapMark(canvas, hit);
    });
  else if (grid_on_)
    PreviewGridNode(GridNode(p));
  else
    surface_.ClearOverlay();
}

// A small cross in the new elements' colour, one pixel wide.
void EditSession::PreviewGridNode(geometry::Point2 node) {
  const std::int32_t x = NearestPixel(view_.PixelX(node.x));
  const std::int32_t y = NearestPixel(view_.PixelY(node.y));
  const std::int32_t r = kNodeMarkReach;
  surface_.ShowOverlay(
      {x - r, y - r, x + r + 1, y + r + 1}, [&](render::Canvas &canvas) {
        render::Primitives d(canvas, view_, pens_);
        d.SetPen(NewElementColour(), render::PenStyle::Solid, 0);
        d.PixelLine(x - r, y, x + r, y);
        d.PixelLine(x, y - r, x, y + r);
      });
}

void EditSession::PointerLeft() {
  pointer_in_ = false;
  surface_.ClearOverlay();
}

} // namespace orvik::session
