#include "orvik/attributes/pen_table.h"

#include "orvik/exchange/choice_lists.h"

#include <gtest/gtest.h>

namespace orvik::attributes {
namespace {

// Pens 1..9 and the SXF pens 101..356 have a place in the table: those
// the colour list shows take its colours, the other SXF pens the
// foreground (black). A pen without a place is drawn in the background
// colour (white on white), width 0 and second width 0.1.
TEST(PenTable, ColoursAndFallbacks) {
  const TgraAttribute a;
  for (int pen = -1; pen <= 360; ++pen) {
    const bool placed = (pen >= 1 && pen <= 9) || (pen >= 101 && pen <= 356);
    const Colour32 expected = !placed      ? 0xFFFFFFu
                              : pen <= 116 ? exchange::ScreenColourOf(pen)
                                           : 0x000000u;
    EXPECT_EQ(a.PenColour(pen), expected) << pen;
  }
  EXPECT_EQ(a.PenWidth(50), 0.0);
  EXPECT_EQ(a.PenWidth2(50), 0.1);
}

} // namespace
} // namespace orvik::attributes
