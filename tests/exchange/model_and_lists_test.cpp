// The model's own operations and the attribute choice lists.

#include "exchange_support.h"

#include "orvik/exchange/choice_lists.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

// New elements take the current attributes, degenerate ones are not
// added; the newest are taken back first; a slot used again starts fresh;
// InitModel empties the model and the output.
TEST(DrawingModel, AddsTakesBackAndStartsAfresh) {
  GrowableList<TJwwEntPoint> list;
  list.Append().X = 5;
  list.RemoveLast();
  EXPECT_EQ(list.Append().X, 0);
  DrawingModel m;
  m.AddLine(5, 5, 5 + 1e-9, 5 - 1e-9); // shorter than 1e-8: nothing
  m.AddArc(0, 0, 1e-8, 0, 90, 1, 0);   // radius 1e-8: nothing
  m.Attr.CurColour = 6;
  m.Attr.CurPointColour = 3;
  m.SetCurrentGroup(4);
  m.SetCurrentLayer(9);
  m.AddArc(0, 0, 1, 0, 90, 1e-8, 0); // flatness 1e-8 stored as 1
  m.AddLine(0, 0, 1, 0);
  m.AddPoint(1, 2);
  ASSERT_EQ(m.ElementCount(), 3u);
  const TJwwEntAttr &a = m.Lines[0].Attr;
  EXPECT_EQ((std::array{a.Colour, a.Group, a.Layer, m.Points[0].Attr.Colour}),
            (std::array{6, 4, 9, 3})); // points take the point colour
  EXPECT_EQ(m.Arcs[0].Flatness, 1.0);
  m.RemoveLastElement();
  m.RemoveLastElement();
  EXPECT_EQ(m.Points.Count() + m.Lines.Count(), 0u);
  EXPECT_EQ(m.Arcs.Count(), 1u);
  m.RemoveLastElement();
  m.RemoveLastElement(); // nothing left: no effect
  EXPECT_EQ(m.ElementCount(), 0u);
  OutputBuffer out;
  out.EmitLine("hd");
  m.AddLine(0, 0, 1, 1);
  m.GroupScale[3] = 50;
  InitModel(m, out);
  EXPECT_EQ(m.ElementCount(), 0u);
  EXPECT_EQ(m.GroupScale[3], 1.0);
  EXPECT_TRUE(out.Empty());
}

// Position 0 (or below) is the file's first value; colours 1..9 are pens
// 1..9, then the SXF pens from 101; line types 1..9, 10..18 are 11..19,
// then the SXF types from 31.
TEST(ChoiceLists, PositionsAndScreenColours) {
  const DrawingModel m = test::Read("lc5\r\nlt3\r\n");
  const int colours[][2] = {{0, 5},    {-1, 5},    {1, 1},
                            {9, 9},    {10, 101},  {11, 102},
                            {26, 117}, {265, 356}, {INT32_MAX, INT32_MAX}};
  for (const auto &[index, pen] : colours)
    EXPECT_EQ(ColourFromIndex(m, index), pen) << index;
  const int types[][2] = {{0, 3},   {9, 9},   {10, 11}, {15, 16},
                          {18, 19}, {19, 31}, {50, 62}};
  for (const auto &[index, type] : types)
    EXPECT_EQ(LineTypeFromIndex(m, index), type) << index;
  EXPECT_EQ(ColourFromIndex(test::Read(""), 0), 1);
  // Pens without a screen colour of their own are shown black.
  for (const int pen : {0, 10, 100, -1, 117, 357})
    EXPECT_EQ(ScreenColourOf(pen), 0u) << pen;
  DrawingModel selected = test::Read("lc5\r\n");
  SelectColour(selected, 3, 1); // list positions
  SelectPointColour(selected, 3, 1);
  SelectLineType(selected, 15, 1);
  const AttributeState &a = selected.Attr;
  EXPECT_EQ((std::array{a.CurColour, a.CurPointColour, a.CurLineType}),
            (std::array{3, 3, 16}));
  EXPECT_EQ(selected.NewElementScreenColour, ScreenColourOf(3));
  SelectColour(selected, 104, 0); // an attribute number
  EXPECT_EQ(selected.Attr.CurColour, 104);
  EXPECT_EQ(selected.NewElementScreenColour, ScreenColourOf(104));
}

} // namespace
} // namespace orvik::exchange
