// The model's own operations and the attribute choice lists.

#include "exchange_support.h"

#include "orvik/exchange/choice_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace orvik::exchange {
namespace {

// New elements take the current attributes, degenerate ones are not
// added; the newest are taken back first; a slot used again starts fresh;
// InitModel empties the model and the output.
TEST(DrawingModel, AddsTakesBackAndStartsAfresh) {
  BlockArena arena;
  GrowableList<TJwwEntPoint> list(arena);
  list.Append().X = 5;
  list.RemoveLast();
  EXPECT_EQ(list.Append().X, 0);
  DrawingModel m;
  PenAttributes pen;
  m.AddLine(pen, 5, 5, 5 + 1e-9, 5 - 1e-9); // shorter than 1e-8: nothing
  m.AddArc(pen, 0, 0, 1e-8, 0, 90, 1, 0);   // radius 1e-8: nothing
  pen.Colour = 6;
  pen.PointColour = 3;
  pen.LineType = 5;
  SetCurrentGroup(pen, 4);
  SetCurrentLayer(pen, 9);
  m.AddArc(pen, 0, 0, 1, 0, 90, 1e-8, 0); // flatness 1e-8 stored as 1
  m.AddLine(pen, 0, 0, 1, 0);
  m.AddPoint(pen, 1, 2);
  ASSERT_EQ(m.ElementCount(), 3u);
  const TJwwEntAttr &a = m.Lines[0].Attr;
  EXPECT_EQ((std::array<int, 5>{a.Colour, a.LineType, a.Group, a.Layer,
                                m.Points[0].Attr.Colour}),
            (std::array{6, 5, 4, 9, 3})); // points take the point colour
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
  m.AddLine(pen, 0, 0, 1, 1);
  m.GroupScale[3] = 50;
  InitModel(m, out);
  EXPECT_EQ(m.ElementCount(), 0u);
  EXPECT_EQ(m.GroupScale[3], 1.0);
  EXPECT_TRUE(out.Empty());
  // What the user draws is never part of a curve object, even when the
  // file ended inside one.
  DrawingModel c = test::Read("pl\r\n 0 0 1 0\r\n");
  c.AddLine(PenAttributes{}, 0, 0, 5, 5);
  EXPECT_EQ(
      std::pair(c.Lines[0].Attr.InCurveGroup, c.Lines[1].Attr.InCurveGroup),
      std::pair(true, false));
}

// The divisor of a layer group: its scale, but 1 for a group outside
// 0..15 (the header's 255 among them) and for a scale nothing can divide
// by, and 1 for every group under sheet coordinates.
TEST(DrawingModel, ScaleOfGroup) {
  DrawingModel m;
  for (std::size_t g = 0; g < 16; ++g)
    m.GroupScale[g] = 10.0 + static_cast<double>(g);
  m.GroupScale[2] = 0;
  m.GroupScale[3] = -1e-101;
  m.GroupScale[4] = std::numeric_limits<double>::infinity();
  m.GroupScale[5] = -50;
  m.GroupScale[6] = 1e-100;
  const std::pair<std::int32_t, double> rows[] = {
      {0, 10},     {1, 11},  {2, 1},  {3, 1},   {4, 1}, {5, -50},
      {6, 1e-100}, {15, 25}, {16, 1}, {255, 1}, {-1, 1}};
  for (const auto &[group, scale] : rows)
    EXPECT_EQ(m.ScaleOfGroup(group), scale) << "group " << group;
  m.Attr.FirstGroup = 1;
  EXPECT_EQ(m.DrawingScale(), 11);
  m.SheetCoords = true;
  EXPECT_EQ(m.ScaleOfGroup(1), 1);
}

// Blocks from regions of every size, the large ones populated by the
// helper thread, keep what is written into them until the arena is
// released, and an arena serves again after a release.
TEST(BlockArena, BlocksStayApartAndWhole) {
  BlockArena arena;
  for (int round = 0; round < 2; ++round) {
    std::vector<std::uint32_t *> blocks;
    for (std::uint32_t b = 0; b < 400; ++b) { // 400 * 100 KiB: 39 MiB
      auto *block = static_cast<std::uint32_t *>(arena.Allocate(100 << 10));
      ASSERT_EQ(reinterpret_cast<std::uintptr_t>(block) % 64, 0u);
      std::fill_n(block, (100 << 10) / 4, b);
      blocks.push_back(block);
    }
    for (std::uint32_t b = 0; b < blocks.size(); ++b)
      ASSERT_TRUE(std::all_of(blocks[b], blocks[b] + (100 << 10) / 4,
                              [b](std::uint32_t v) { return v == b; }))
          << b;
    arena.Release();
  }
}

// Texts keep their bytes (at most 255), equal ones among the last few
// share them, and pool chunks filled to the end lose nothing.
TEST(TextPool, KeepsEveryTextWhole) {
  BlockArena arena;
  TextPool pool(arena);
  EXPECT_TRUE(pool.Keep("").empty());
  EXPECT_EQ(pool.Keep(std::string(300, 'x')).View(), std::string(255, 'x'));
  const PooledText font = pool.Keep("<\x82\x6C\x82\x72>");
  std::vector<std::pair<PooledText, std::string>> kept;
  for (int i = 0; i < 2000; ++i) { // 2000 * ~200 bytes: several chunks
    const std::string text(static_cast<std::size_t>(i % 255) + 1,
                           static_cast<char>('A' + i % 26));
    kept.emplace_back(pool.Keep(text), text);
    EXPECT_EQ(pool.Keep("<\x82\x6C\x82\x72>").View().data(),
              font.View().data());
  }
  for (const auto &[pooled, text] : kept)
    ASSERT_EQ(pooled, text);
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
  // Pens 1..9 and SXF 101..116 as red, green, blue.
  const int rgb[][4] = {
      {1, 0, 192, 192},    {2, 0, 0, 0},        {3, 0, 192, 0},
      {4, 192, 192, 0},    {5, 192, 0, 192},    {6, 0, 0, 255},
      {7, 0, 128, 128},    {8, 255, 0, 128},    {9, 255, 128, 255},
      {101, 0, 0, 0},      {102, 255, 0, 0},    {103, 0, 255, 0},
      {104, 0, 0, 255},    {105, 255, 255, 0},  {106, 255, 0, 255},
      {107, 0, 255, 255},  {108, 0, 0, 0},      {109, 192, 0, 128},
      {110, 192, 128, 64}, {111, 255, 128, 0},  {112, 128, 192, 128},
      {113, 0, 128, 255},  {114, 128, 64, 255}, {115, 192, 192, 192},
      {116, 128, 128, 128}};
  for (const auto &[pen, r, g, b] : rgb)
    EXPECT_EQ(ScreenColourOf(pen), MakeColour(r, g, b)) << pen;
  // Pens without a screen colour of their own are shown black.
  for (const int pen : {0, 10, 100, -1, 117, 357})
    EXPECT_EQ(ScreenColourOf(pen), 0u) << pen;
  const DrawingModel five = test::Read("lc5\r\n");
  PenAttributes pen;
  SelectColour(pen, five, 3, 1); // list positions
  SelectPointColour(pen, five, 3, 1);
  SelectLineType(pen, five, 15, 1);
  EXPECT_EQ((std::array{pen.Colour, pen.PointColour, pen.LineType}),
            (std::array{3, 3, 16}));
  SelectColour(pen, five, 104, 0); // an attribute number
  EXPECT_EQ(pen.Colour, 104);
}

} // namespace
} // namespace orvik::exchange
