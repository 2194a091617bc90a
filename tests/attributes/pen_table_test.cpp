#include "orvik/attributes/pen_table.h"

#include <gtest/gtest.h>

namespace orvik::attributes {
namespace {

TEST(PenTable, WhiteBackgroundScheme) {
  const TgraAttribute a;
  EXPECT_EQ(a.GetColourScheme(), 0);
  EXPECT_EQ(a.GetBackgroundColour(), 0xFFFFFFu);
  EXPECT_EQ(a.GetForegroundColour(), 0x000000u);
}

TEST(PenTable, PenNumbersWithoutPositionDrawWhiteOnWhite) {
  const TgraAttribute a;
  for (int pen : {0, 10, 100, 357, -1})
    EXPECT_EQ(a.PenColour(pen), 0xFFFFFFu) << pen;
}

TEST(PenTable, PenColours) {
  const TgraAttribute a;
  EXPECT_EQ(a.PenColour(1), MakeColour(0, 192, 192));
  EXPECT_EQ(a.PenColour(6), MakeColour(0, 0, 255));
  EXPECT_EQ(a.PenColour(9), MakeColour(255, 128, 255));
  EXPECT_EQ(a.PenColour(102), MakeColour(255, 0, 0));
  EXPECT_EQ(a.PenColour(108), MakeColour(0, 0, 0)); // white shown black
  EXPECT_EQ(a.PenColour(114), MakeColour(128, 64, 255));
  EXPECT_EQ(a.PenColour(116), MakeColour(128, 128, 128));
  EXPECT_EQ(a.PenColour(117), MakeColour(0, 0, 0));
  EXPECT_EQ(a.PenColour(200), MakeColour(0, 0, 0));
  EXPECT_EQ(a.PenColour(356), MakeColour(0, 0, 0));
}

TEST(PenTable, PenWidths) {
  const TgraAttribute a;
  EXPECT_DOUBLE_EQ(a.PenWidth(1), 0.1);
  EXPECT_DOUBLE_EQ(a.PenWidth(8), 0.5);
  EXPECT_DOUBLE_EQ(a.PenWidth(9), 0.01);
  EXPECT_DOUBLE_EQ(a.PenWidth(150), 0.18);
  EXPECT_DOUBLE_EQ(a.PenWidth(50), 0.0);
  EXPECT_DOUBLE_EQ(a.PenWidth2(2), 0.3);
  EXPECT_DOUBLE_EQ(a.PenWidth2(9), 0.2);
  EXPECT_DOUBLE_EQ(a.PenWidth2(300), 0.2);
  EXPECT_DOUBLE_EQ(a.PenWidth2(50), 0.1);
}

TEST(PenTable, PenIndex) {
  EXPECT_EQ(TgraAttribute::PenIndex(1), 0);
  EXPECT_EQ(TgraAttribute::PenIndex(9), 8);
  EXPECT_EQ(TgraAttribute::PenIndex(101), 9);
  EXPECT_EQ(TgraAttribute::PenIndex(356), 264);
  EXPECT_EQ(TgraAttribute::PenIndex(10), -1);
}

} // namespace
} // namespace orvik::attributes
