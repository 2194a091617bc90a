#pragma once
// Where the synthetic floor plans lie: the planning grid and the sheets
// that the elements fill one after another.

#include <cstddef>

namespace orvik::bench {

// Planning grid of Japanese houses (half of the 910 mm module).
inline constexpr double kGrid = 455.0;
// Each floor plan sheet holds this many elements before the next one
// starts; sheets are tiled so coordinates stay in the tens of thousands.
inline constexpr std::size_t kElementsPerSheet = 25'000;
inline constexpr int kSheetColumns = 4;
inline constexpr int kSheetRows = 4;
inline constexpr double kSheetWidth = 22 * 910.0;
inline constexpr double kSheetHeight = 18 * 910.0;

} // namespace orvik::bench
