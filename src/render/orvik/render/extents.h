#pragma once
// The box that holds the whole drawing, in paper millimetres, for fitting
// the view to it.

#include "orvik/exchange/model.h"

namespace orvik::render {

struct DrawingExtents {
  double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};

// The box of every element but block insertions, each coordinate divided by
// its group's scale. An empty drawing gives (-100, -100)-(100, 100); a
// single element gets a margin of 100 on every side. Every bound is kept
// within +-1e8. When the model holds only block insertions the box is
// `previous`, unchanged.
DrawingExtents ComputeExtents(const exchange::DrawingModel &model,
                              const DrawingExtents &previous);

} // namespace orvik::render
