#include "exchange_support.h"

#include "orvik/exchange/choice_lists.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

using test::Read;

TEST(ChoiceLists, ItemTextsAndCounts) {
  const auto colours = ColourListItems();
  ASSERT_EQ(colours.size(), 266u);
  EXPECT_EQ(colours[0], "\x8C\xBB\x8D\xDD\x90\xFC\x90\x46"); // 現在線色
  EXPECT_EQ(colours[1], "\x90\xFC\x90\x46"
                        "1"); // 線色1
  EXPECT_EQ(colours[9], "\x90\xFC\x90\x46"
                        "9");
  EXPECT_EQ(colours[10], "SXF-1");
  EXPECT_EQ(colours[265], "SXF-256");

  const auto types = LineTypeListItems();
  ASSERT_EQ(types.size(), 51u);
  EXPECT_EQ(types[0], "\x8C\xBB\x8D\xDD\x90\xFC\x8E\xED"); // 現在線種
  EXPECT_EQ(types[10], "\x83\x89\x83\x93\x83\x5F\x83\x80\x90\xFC"
                       "1");
  EXPECT_EQ(types[15], "\x94\x7B\x92\xB7\x90\xFC\x8E\xED"
                       "1"); // 倍長線種1
  EXPECT_EQ(types[19], "SXF-1");
  EXPECT_EQ(types[50], "SXF-32");
}

TEST(ChoiceLists, PositionZeroIsTheHostsFirstValue) {
  const DrawingModel with = Read("lc5\r\nlt3\r\n");
  EXPECT_EQ(ColourFromIndex(with, 0), 5);
  EXPECT_EQ(LineTypeFromIndex(with, 0), 3);
  EXPECT_EQ(ColourFromIndex(with, -1), 5); // no selection
  const DrawingModel without = Read("");
  EXPECT_EQ(ColourFromIndex(without, 0), 1);
  EXPECT_EQ(LineTypeFromIndex(without, 0), 1);
}

TEST(ChoiceLists, PositionsMapToAttributeNumbers) {
  const DrawingModel m = Read("");
  EXPECT_EQ(ColourFromIndex(m, 9), 9);
  EXPECT_EQ(ColourFromIndex(m, 10), 101);
  EXPECT_EQ(ColourFromIndex(m, 11), 102);
  EXPECT_EQ(ColourFromIndex(m, 26), 117);
  EXPECT_EQ(ColourFromIndex(m, 265), 356);
  EXPECT_EQ(ColourFromIndex(m, INT32_MAX), INT32_MAX);
  EXPECT_EQ(LineTypeFromIndex(m, 9), 9);
  EXPECT_EQ(LineTypeFromIndex(m, 10), 11);
  EXPECT_EQ(LineTypeFromIndex(m, 15), 16);
  EXPECT_EQ(LineTypeFromIndex(m, 18), 19);
  EXPECT_EQ(LineTypeFromIndex(m, 19), 31);
  EXPECT_EQ(LineTypeFromIndex(m, 50), 62);
}

TEST(ChoiceLists, ScreenColours) {
  EXPECT_EQ(ScreenColourOf(101), MakeColour(0, 0, 0));
  EXPECT_EQ(ScreenColourOf(102), MakeColour(255, 0, 0));
  EXPECT_EQ(ScreenColourOf(117), MakeColour(0, 0, 0));
  EXPECT_EQ(ScreenColourOf(3), MakeColour(0, 192, 0));
  EXPECT_EQ(ScreenColourOf(6), 0xFF0000u); // blue, red in the low byte
  EXPECT_EQ(ScreenColourOf(116), MakeColour(128, 128, 128));
  for (int other : {0, 10, 100, -1, 357})
    EXPECT_EQ(ScreenColourOf(other), 0u) << other;
}

TEST(ChoiceLists, SelectorsSetTheNewElementAttributes) {
  DrawingModel m = Read("lc5\r\n");
  SelectColour(m, 3, 1);
  SelectPointColour(m, 3, 1);
  SelectLineType(m, 15, 1);
  EXPECT_EQ(m.Attr.CurColour, 3);
  EXPECT_EQ(m.Attr.CurLineType, 16);
  EXPECT_EQ(m.NewElementScreenColour, MakeColour(0, 192, 0));
  m.Attr.CurColour = 7;
  m.AddPoint(1, 1);
  EXPECT_EQ(m.Points.Last().Attr.Colour, 3);
  SelectColour(m, 104, 0); // mode 0: an attribute number
  EXPECT_EQ(m.Attr.CurColour, 104);
  EXPECT_EQ(m.NewElementScreenColour, MakeColour(0, 0, 255));
}

} // namespace
} // namespace orvik::exchange
