#pragma once
// The pen a generated drawing drifts to now and then: mostly one of the
// nine standard colours and line types, sometimes one of the extended
// colours (101..356) or the extended line types (11..19, 31..62).

#include "split_mix.h"

namespace orvik::bench {

inline void DriftPen(Random &rng, int &colour, int &line_type) {
  colour = rng.Chance(0.9) ? static_cast<int>(rng.Between(1, 9))
                           : static_cast<int>(rng.Between(101, 356));
  const std::int64_t t = rng.Below(20);
  line_type = t < 16   ? static_cast<int>(t % 9 + 1)
              : t < 18 ? static_cast<int>(rng.Between(11, 19))
                       : static_cast<int>(rng.Between(31, 62));
}

} // namespace orvik::bench
