#pragma once
// Everything a painting of the whole scene needs, for the code that paints
// it (ScenePainter, or a canvas through PaintScene).

#include "orvik/render/element_boxes.h"
#include "orvik/render/scene.h"

namespace orvik::render {

struct SceneJob {
  const exchange::DrawingModel &model;
  const attributes::TgraAttribute &pens;
  const geometry::ViewState &view;
  GridSettings grid;
  const SpecialCodes *codes = nullptr; // null: no text is a special code
  // Null: every element is considered; else those whose box misses the
  // part being painted are passed over. Must match the model's lists.
  const ElementBoxes *boxes = nullptr;
};

} // namespace orvik::render
