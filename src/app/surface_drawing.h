#pragma once
// Drawing straight onto the drawing area, outside a full redraw: traces,
// snap marks, rubber boxes. What is drawn shows at the next paint and stays
// until the next redraw or paint-handler call puts the picture back.

#include "orvik/app/paint_box.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/primitives.h"

namespace orvik::app {

class SurfaceDrawing {
public:
  SurfaceDrawing(PaintBox &box, const geometry::ViewState &view,
                 const attributes::TgraAttribute &pens)
      : box_(box), canvas_(box.Surface()), primitives_(canvas_, view, pens) {}
  ~SurfaceDrawing() {
    canvas_.Flush();
    box_.Show();
  }
  SurfaceDrawing(const SurfaceDrawing &) = delete;
  SurfaceDrawing &operator=(const SurfaceDrawing &) = delete;

  render::Primitives &p() { return primitives_; }

private:
  PaintBox &box_;
  render::ImageCanvas canvas_;
  render::Primitives primitives_;
};

} // namespace orvik::app
