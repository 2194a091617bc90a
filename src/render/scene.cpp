#include "orvik/render/scene.h"

#include "orvik/render/element_renderer.h"
#include "orvik/render/primitives.h"

#include <algorithm>
#include <cmath>

namespace orvik::render {
namespace {

// Grid lines in paper millimetres, spaced `s` from the origin, drawn only
// when at most 100 intervals fit across the window each way.
void PaintGrid(Primitives &p, const geometry::ViewState &v,
               const GridSettings &grid, double s) {
  if (!(s > 0) || !std::isfinite(s))
    return;
  if (!((v.ViewRight() - v.ViewLeft()) / s <= 100) ||
      !((v.ViewTop() - v.ViewBottom()) / s <= 100))
    return;
  p.SetPen(0xC0C0C0, PenStyle::Solid, 0);
  const double x0 =
      std::trunc((v.ViewLeft() - grid.origin_x) / s) * s + grid.origin_x;
  const double y0 =
      std::trunc((v.ViewBottom() - grid.origin_y) / s) * s + grid.origin_y;
  // At most about 102 lines each way by the test above; the cap guards
  // against rounding at magnitudes where adding s barely moves.
  constexpr int kMaxLines = 1000;
  for (int k = 0; k < kMaxLines && x0 + k * s < v.ViewRight(); ++k)
    p.DrawWorldLine(x0 + k * s, v.ViewBottom(), x0 + k * s, v.ViewTop());
  for (int k = 0; k < kMaxLines && y0 + k * s < v.ViewTop(); ++k)
    p.DrawWorldLine(v.ViewLeft(), y0 + k * s, v.ViewRight(), y0 + k * s);
}

} // namespace

bool PaintScene(Canvas &canvas, const exchange::DrawingModel &model,
                const attributes::TgraAttribute &pens,
                const geometry::ViewState &view, const GridSettings &grid,
                AbortCheck *abort, const SpecialCodes *codes,
                const ElementFilter &filter) {
  Primitives p(canvas, view, pens);
  const std::int32_t w = canvas.Width(), h = canvas.Height();
  p.ClearBackground(w, h);
  p.SetPen(0xFF0000, PenStyle::Solid, 0); // blue
  p.PixelRectangle(0, 0, w - 1, h - 1);
  if (grid.on)
    PaintGrid(p, view, grid,
              model.SheetCoords ? grid.spacing
                                : grid.spacing / model.DrawingScale());
  p.SetPen(0x0000FF, PenStyle::Solid, 2); // red
  const double d = 5 / view.ViewScale();
  p.DrawWorldLine(-d, 0, d, 0);
  p.DrawWorldLine(0, -d, 0, d);
  const bool complete =
      ElementRenderer(p, model, abort, codes, filter).DrawAll();
  canvas.Flush();
  return complete;
}

bool PaintElements(Canvas &canvas, const exchange::DrawingModel &model,
                   const attributes::TgraAttribute &pens,
                   const geometry::ViewState &view, AbortCheck *abort,
                   const SpecialCodes *codes, const ElementFilter &filter) {
  Primitives p(canvas, view, pens);
  const bool complete =
      ElementRenderer(p, model, abort, codes, filter).DrawAll();
  canvas.Flush();
  return complete;
}

void FitView(geometry::ViewState &view, const DrawingExtents &e,
             std::int32_t width, std::int32_t height) {
  // An area of no pixels would give a scale of 0; fit it as one pixel.
  width = std::max(width, std::int32_t{1});
  height = std::max(height, std::int32_t{1});
  view.SetSize(width, height);
  double w = std::fabs(e.MaxX - e.MinX);
  double h = std::fabs(e.MaxY - e.MinY);
  if (!(w > 1e-10))
    w = 1e-10;
  if (!(h > 1e-10))
    h = 1e-10;
  const double scale = std::min(width / w * 0.9, height / h * 0.9);
  view.CentreWindow((e.MinX + e.MaxX) / 2, (e.MinY + e.MaxY) / 2, scale);
}

} // namespace orvik::render
