#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

TEST(GrowableList, CapacityGrowsInStepsOfAThousand) {
  GrowableList<TJwwEntPoint> list;
  EXPECT_EQ(list.Capacity(), 0u);
  list.Append();
  EXPECT_EQ(list.Capacity(), 1000u);
  for (int i = 1; i < 1000; ++i)
    list.Append();
  EXPECT_EQ(list.Capacity(), 1000u);
  list.Append().X = 1001;
  EXPECT_EQ(list.Count(), 1001u);
  EXPECT_EQ(list.Capacity(), 2000u);
  list.RemoveLast();
  EXPECT_EQ(list.Count(), 1000u);
  EXPECT_EQ(list.Capacity(), 2000u);
  // A re-used slot starts fresh.
  EXPECT_EQ(list.Append().X, 0);
  EXPECT_EQ(list.Count(), 1001u);
  EXPECT_EQ(list.Capacity(), 2000u);
}

TEST(DrawingModel, InitModelRestoresDefaultsAndEmptiesTheOutput) {
  DrawingModel m;
  OutputBuffer out;
  m.AddLine(0, 0, 1, 1);
  m.GroupScale[3] = 50;
  m.Attr.CurFont = "x";
  out.EmitLine("hd");
  InitModel(m, out);
  EXPECT_EQ(m.ElementCount(), 0u);
  EXPECT_EQ(m.Lines.Capacity(), 0u);
  EXPECT_EQ(m.GroupScale[3], 1.0);
  EXPECT_EQ(m.Attr.CurFont,
            "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>");
  EXPECT_TRUE(out.Empty());
  EXPECT_TRUE(m.Attr.Pending.Group && m.Attr.Pending.SolidColour);
  EXPECT_EQ(m.HpPoints.size(), 100u);
}

TEST(DrawingModel, AddLineSkipsZeroLength) {
  DrawingModel m;
  m.AddLine(5, 5, 5 + 1e-9, 5 - 1e-9);
  EXPECT_EQ(m.ElementCount(), 0u);
  m.AddLine(5, 5, 5, 6);
  EXPECT_EQ(m.Lines.Count(), 1u);
  EXPECT_EQ(m.EntOrder.Count(), 1u);
}

TEST(DrawingModel, AddArcChecksRadiusAndFlatness) {
  DrawingModel m;
  m.AddArc(0, 0, 0, 0, 90, 1, 0);
  EXPECT_EQ(m.ElementCount(), 0u);
  m.AddArc(0, 0, 5, 0, 90, 0, 0);
  ASSERT_EQ(m.Arcs.Count(), 1u);
  EXPECT_EQ(m.Arcs[0].Flatness, 1.0);
}

TEST(DrawingModel, NewElementsCarryTheCurrentAttributes) {
  DrawingModel m;
  m.Attr.CurColour = 6;
  m.Attr.CurPointColour = 3;
  m.SetCurrentGroup(4);
  m.SetCurrentLayer(9);
  m.AddPoint(1, 2);
  m.AddLine(0, 0, 1, 0);
  EXPECT_EQ(m.Points[0].Attr.Colour, 3);
  EXPECT_EQ(m.Points[0].Attr.Group, 4);
  EXPECT_EQ(m.Lines[0].Attr.Colour, 6);
  EXPECT_EQ(m.Lines[0].Attr.Layer, 9);
  EXPECT_EQ(m.Lines[0].PolylineNo, 0);
}

TEST(DrawingModel, RemoveLastElementTakesTheNewestFirst) {
  DrawingModel m;
  m.AddArc(0, 0, 1, 0, 90, 1, 0);
  m.AddLine(0, 0, 1, 0);
  m.AddArc(0, 0, 2, 0, 90, 1, 0);
  m.RemoveLastElement();
  EXPECT_EQ(m.Arcs.Count(), 1u);
  EXPECT_EQ(m.Arcs[0].Radius, 1);
  EXPECT_EQ(m.Lines.Count(), 1u);
  m.RemoveLastElement();
  EXPECT_EQ(m.Lines.Count(), 0u);
  EXPECT_EQ(m.ElementCount(), 1u);
  m.RemoveLastElement();
  m.RemoveLastElement(); // nothing left: no effect
  EXPECT_EQ(m.ElementCount(), 0u);
  EXPECT_EQ(m.Arcs.Count(), 0u);
}

} // namespace
} // namespace orvik::exchange
