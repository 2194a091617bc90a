#pragma once
// Point snapping over a large drawing without walking every record.
//
// Build files each searched kind's records in a uniform grid over paper
// millimetres: a record is filed under every cell that one of its boxes
// meets, the boxes together holding every pointer position at which
// SnapInRange can report the record, widened by the kind's growth times the
// tolerance (1 for every kind but "sc", whose tangent zones reach further as
// the tolerance grows). Find tests, kind by kind in search order, the
// records filed under the cells its window meets plus those tested always,
// in list order, then the records appended since Build. Records that cannot
// be boxed safely (non-finite values, regions that are unbounded, too wide
// or too large for the grid) are tested always.

#include "orvik/exchange/point_snap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace orvik::exchange {

// The records of one kind as filed by SnapIndex::Build.
struct SnapKindIndex {
  std::size_t indexed = 0; // records the list held at Build
  double growth = 1;       // window half-side per unit of tolerance
  // What the filed boxes cover; empty when max < min.
  double min_x = 0, min_y = 0, max_x = -1, max_y = -1;
  // A coordinate v falls in cell floor((v - origin) * inv), clamped.
  double origin_x = 0, origin_y = 0, inv_x = 0, inv_y = 0;
  std::int32_t nx = 0, ny = 0;
  std::vector<std::uint32_t> cell_start; // nx * ny + 1 offsets into filed
  std::vector<std::uint32_t> filed;      // positions, ascending per cell
  std::vector<std::uint32_t> always;     // tested on every query, ascending
};

class SnapIndex {
public:
  // Takes in the records the model holds now. Records added later are
  // searched plainly; the indexed ones must not change while the index is
  // in use. Positions at or beyond a list's current count are ignored.
  void Build(const DrawingModel &model);
  void Clear();

  // The same answer as SnapToElement(model, px, py, tol).
  SnapHit Find(const DrawingModel &model, double px, double py,
               double tol) const;

  // Heap bytes the index holds.
  std::size_t MemoryBytes() const;

private:
  std::array<SnapKindIndex, std::size(kSnapOrder)> kinds_{};
};

} // namespace orvik::exchange
