#pragma once
// Snapping a picked point to the drawing: the end points of lines, points,
// text start points, solid corners and what the geometry offers on circles,
// arcs and arc-shaped solids.
//
// The search is first-hit, not nearest: kinds are visited in a fixed order
// (points, extended points, lines, circles, arcs, texts, dimensions, the
// three polygon solids, then "sc", "se", "so", "sg"), each list from its
// first record to its last, and the first candidate whose square window of
// half-side `tol` holds the point wins. Block insertions are never searched.
//
// Units: the point and `tol` are paper millimetres; every model coordinate
// and length is divided by the scale of the element's own layer group
// (1 under sheet coordinates). Flatness and angles are used as stored.

#include "orvik/exchange/model.h"

#include <cstddef>

namespace orvik::exchange {

struct SnapHit {
  bool found = false;
  EntKind kind{0};       // 0 when nothing was found
  std::size_t index = 0; // position in the kind's list
  double x = 0, y = 0;   // the snapped point, paper millimetres; (0, 0) if none
};

// Searches every list afresh, so elements added or removed a moment ago are
// seen at once. A NaN anywhere makes that candidate miss.
SnapHit SnapToElement(const DrawingModel &model, double px, double py,
                      double tol);

// The records of `kind` from `first` to `last` (exclusive) in list order:
// the first one that offers a point within the window. The building block of
// SnapToElement, shared with the indexed search so both test a record the
// same way. `kind` must be one of the searched kinds.
SnapHit SnapInRange(const DrawingModel &model, EntKind kind, std::size_t first,
                    std::size_t last, double px, double py, double tol);

// The kinds in search order.
inline constexpr EntKind kSnapOrder[] = {
    EntKind::Point,   EntKind::PointEx, EntKind::Line,    EntKind::Circle,
    EntKind::Arc,     EntKind::Text,    EntKind::Dim,     EntKind::Solid2,
    EntKind::Solid3,  EntKind::Solid4,  EntKind::SolidSc, EntKind::SolidSe,
    EntKind::SolidSo, EntKind::SolidSg};

} // namespace orvik::exchange
