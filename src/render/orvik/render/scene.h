#pragma once
// One full picture of the drawing area: background, frame, grid, origin
// mark and every element. The window's redraw and `orvik-cli render` both
// paint through this, so they give the same pixels.

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/model.h"
#include "orvik/geometry/view_state.h"
#include "orvik/render/abort_check.h"
#include "orvik/render/canvas.h"
#include "orvik/render/element_renderer.h"
#include "orvik/render/extents.h"
#include "orvik/render/text_substitutions.h"

namespace orvik::render {

struct GridSettings {
  bool on = false;
  // In the unit the window shows: real millimetres, or sheet millimetres
  // when the drawing has sheet coordinates.
  double spacing = 10.0;
  double origin_x = 0, origin_y = 0; // paper millimetres
};

// Paints the canvas for `view`: background, the blue frame, the grid (only
// when on and at most 100 intervals across the window), the red origin
// cross of 5 pixels' half size, then the elements `filter` lets through.
// Returns false when `abort` stopped the elements early.
// `codes` may be null: no text is then a special code.
bool PaintScene(Canvas &canvas, const exchange::DrawingModel &model,
                const attributes::TgraAttribute &pens,
                const geometry::ViewState &view, const GridSettings &grid,
                AbortCheck *abort, const SpecialCodes *codes = nullptr,
                const ElementFilter &filter = {});

// The elements from position `first` on (see ElementFilter), drawn onto a
// canvas that already holds the picture up to them, or onto a transparent
// layer that is then laid over it: a later part of the scene.
bool PaintElements(Canvas &canvas, const exchange::DrawingModel &model,
                   const attributes::TgraAttribute &pens,
                   const geometry::ViewState &view, AbortCheck *abort,
                   const SpecialCodes *codes, const ElementFilter &filter);

// The view that shows `extents` in a width x height area: the drawing fills
// 90 % of the tighter direction, centred. Extents narrower than 1e-10 count
// as 1e-10 wide.
void FitView(geometry::ViewState &view, const DrawingExtents &extents,
             std::int32_t width, std::int32_t height);

} // namespace orvik::render
