#pragma once
// Point elements: a plain point is a small circle whose size follows its
// pen; a coded point is one of a fixed set of symbols (crosses, circles,
// squares, triangles, arrowheads, a wave), scaled and turned.

#include "orvik/render/primitives.h"

#include <cstdint>

namespace orvik::render {

// Draws one point at (x, y) in paper millimetres. `line_width` 0 means the
// pen's first table width, else line_width * 0.01 mm (it sizes plain points
// only). `scale` <= 1e-8 counts as 1; `angle` turns the marker
// counter-clockwise (radians). Codes outside the table draw a circle of
// radius 1.25 * scale.
void DrawPointMarker(Primitives &p, std::int32_t code, std::int32_t line_width,
                     std::int32_t pen, double scale, double angle, double x,
                     double y);

} // namespace orvik::render
