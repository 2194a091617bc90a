#include "orvik/session/drawing_surface.h"

#include <algorithm>

namespace orvik::session {

PixelBox PixelBox::United(const PixelBox &b) const {
  if (Empty())
    return b;
  if (b.Empty())
    return *this;
  return {std::min(left, b.left), std::min(top, b.top),
          std::max(right, b.right), std::max(bottom, b.bottom)};
}

bool DrawingSurface::PaintScene(const render::SceneJob &job,
                                render::AbortCheck *abort) {
  bool complete = true;
  Draw([&](render::Canvas &canvas) {
    render::ElementFilter filter;
    filter.boxes = job.boxes;
    filter.window = {job.view.ViewLeft(), job.view.ViewBottom(),
                     job.view.ViewRight(), job.view.ViewTop()};
    complete = render::PaintScene(canvas, job.model, job.pens, job.view,
                                  job.grid, abort, job.codes, filter);
  });
  return complete;
}

} // namespace orvik::session
