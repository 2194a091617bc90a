#pragma once
// Positions, lengths and directions of the elements, drawn at random on the
// sheet that holds the element being written.

#include "generator_vocabulary.h"
#include "sheet_layout.h"
#include "split_mix.h"

#include <cstddef>
#include <cstdint>

namespace orvik::bench {

inline constexpr double kPi = 3.14159265358979323846;

// `written` counts the elements written so far and so picks the sheet; both
// it and `rng` must outlive this object.
class SheetCoordinates {
public:
  SheetCoordinates(Random &rng, const std::size_t &written)
      : rng_(rng), written_(written) {}

  int SheetIndex() const {
    return static_cast<int>((written_ / kElementsPerSheet) %
                            (kSheetColumns * kSheetRows));
  }
  int SheetGroup() const { return SheetIndex() % 4; }
  double OriginX() const {
    return (SheetIndex() % kSheetColumns - 1) * kSheetWidth;
  }
  double OriginY() const {
    return (SheetIndex() / kSheetColumns - 1) * kSheetHeight;
  }

  // A grid line position inside the current sheet.
  double GridX() { return OriginX() + kGrid * rng_.Between(0, 40); }
  double GridY() { return OriginY() + kGrid * rng_.Between(0, 32); }
  double WallX() { return GridX() + rng_.Pick(kWallOffsets); }
  double WallY() { return GridY() + rng_.Pick(kWallOffsets); }
  // A measured position with up to three decimals, sometimes four.
  double FineX() { return OriginX() + Fine(18'200); }
  double FineY() { return OriginY() + Fine(14'560); }
  double Fine(double range) {
    if (rng_.Chance(0.8))
      return static_cast<double>(
                 rng_.Below(static_cast<std::int64_t>(range * 1000))) /
             1000.0;
    return static_cast<double>(
               rng_.Below(static_cast<std::int64_t>(range * 10000))) /
           10000.0;
  }
  double FineLength(double low, double high) {
    return low + static_cast<double>(rng_.Below(
                     static_cast<std::int64_t>((high - low) * 1000))) /
                     1000.0;
  }
  // A direction that makes full-precision coordinates.
  double Angle() { return rng_.Unit() * 2 * kPi; }

private:
  Random &rng_;
  const std::size_t &written_;
};

} // namespace orvik::bench
