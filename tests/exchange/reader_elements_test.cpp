// The element records: each kind in its list with its stamped header, the
// arrival order, dimensions, polylines and the degenerate solids.

#include "exchange_support.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

using test::CrLf;
using test::Read;

TEST(ReaderElements, EveryKindInArrivalOrder) {
  const DrawingModel m = Read(CrLf({
      " 0 0 10 0",
      "ci 1 2 3",
      "ci 1 2 3 0 90 0.5 30",
      "ch 0 0 5 0 \"abc",
      "pt 4 5",
      "pt 4 5 2 45 3",
      "msg",
      " 0 0 100 0",
      "cs 50 5 10 0 \"100",
      "BL 7 8 door",
      "sl 0 0 1 0",
      "sl 0 0 1 0 1 1",
      "sl 0 0 1 0 1 1 0 1",
      "sc 0 0 5 1 0 0 3.14 100",
      "se 0 0 5 1 0 0 3.14 0",
      "so 0 0 5 1 0 0 3.14 2",
      "sg 0 0 5 1 0 0 3.14 2",
  }));
  ASSERT_EQ(m.ElementCount(), 15u);
  for (std::size_t i = 0; i < 15; ++i) {
    EXPECT_EQ(static_cast<int>(m.EntOrder[i].Kind), static_cast<int>(i) + 1);
    EXPECT_EQ(m.EntOrder[i].Index, 0);
  }
  EXPECT_EQ(m.Arcs[0].Flatness, 0.5);
  EXPECT_EQ(m.Arcs[0].Tilt, 30);
  EXPECT_EQ(m.PointsEx[0].Value2, 45);
  EXPECT_EQ(m.PointsEx[0].Code, 3);
  EXPECT_EQ(m.Dims[0].Line.X2, 100);
  EXPECT_EQ(m.Dims[0].Text.TextClass, 2);
  EXPECT_EQ(m.Dims[0].Text.Text, "100");
  EXPECT_EQ(m.Blocks[0].Name, "door");
  EXPECT_EQ(m.SolidsSc[0].Code, 100);
  EXPECT_EQ(m.SolidsSo[0].InnerRadius, 2);
  EXPECT_EQ(m.Lines.Count(), 1u); // the dimension's line is not a line
}

TEST(ReaderElements, HeadersAreStampedFromTheRunningState) {
  const DrawingModel m = Read(
      CrLf({"lg2", "ly5", "lc3", "lt4", "lw6", "pn8", "0 0 1 1", "pt 1 1"}));
  const TJwwEntAttr &line = m.Lines[0].Attr;
  EXPECT_EQ(line.Group, 2);
  EXPECT_EQ(line.Layer, 5);
  EXPECT_EQ(line.Colour, 3);
  EXPECT_EQ(line.LineType, 4);
  EXPECT_EQ(line.LineWidth, 6);
  EXPECT_EQ(m.Points[0].Attr.Colour, 8); // the point colour, not "lc"
}

TEST(ReaderElements, TextsTakeSizeAndColourFromTheirKind) {
  const DrawingModel m = Read(CrLf({
      "hcw 1 2 3 4 5 6 7 8 9 10",
      "hcc 1 2 3 4 5 6 7 8 9 10",
      "cn4",
      "cc6",
      "cv 1 2 0 -5 \"\x82\xA0\x82\xA2",
      "cn0 2.5 3.5 0.25 7",
      "c2 1 2 3 4 \" spaced  ",
  }));
  ASSERT_EQ(m.Texts.Count(), 2u);
  const TJwwEntText &t = m.Texts[0];
  EXPECT_EQ(t.TextClass, 1);
  EXPECT_EQ(t.TextKind, 4);
  EXPECT_EQ(t.Width, 4);
  EXPECT_EQ(t.Attr.Colour, 4);
  EXPECT_EQ(t.Cc, 6);
  EXPECT_EQ(t.DY, -5);
  EXPECT_EQ(t.Text, "\x82\xA0\x82\xA2");
  const TJwwEntText &c = m.Texts[1];
  EXPECT_EQ(c.TextClass, 9);
  EXPECT_EQ(c.Width, 2.5);
  EXPECT_EQ(c.Spacing, 0.25);
  EXPECT_EQ(c.Attr.Colour, 7);
  EXPECT_EQ(c.Text, " spaced  ");
}

TEST(ReaderElements, TextRecordsNeedSixFields) {
  const DrawingModel m = Read(CrLf({"ch 1 2 3 4", "ch 1 2 3"}));
  EXPECT_EQ(m.Texts.Count(), 0u);
  ASSERT_EQ(m.Lines.Count(), 1u); // the five-field one is ignored
  EXPECT_EQ(m.Lines[0].X1, 0);
  EXPECT_EQ(m.Lines[0].Y2, 3);
}

TEST(ReaderElements, QuotesStayAndTabsGoInsideTexts) {
  const DrawingModel m = Read("ch 0 0 1 0 \"say \"hi\"\tnow\r\n");
  EXPECT_EQ(m.Texts[0].Text, "say \"hi\"now");
}

TEST(ReaderElements, TextsAndFontsAreCutAt255BytesOnACharacter) {
  const std::string wide = "\x82\xA0";
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += wide; // 400 bytes; bytes 254 and 255 form one character
  const DrawingModel m =
      Read("cn\"$" + text + "\r\nch 0 0 1 0 \"" + text + "\r\n");
  EXPECT_EQ(m.Texts[0].Text.size(), 254u);
  EXPECT_EQ(m.Texts[0].Text, text.substr(0, 254));
  EXPECT_EQ(m.Texts[0].FontName, text.substr(0, 254));
}

TEST(ReaderElements, DimensionNeedsMsgAndTakesTheLastBareLine) {
  const DrawingModel with =
      Read(CrLf({"msg", "0 0 120 0", "lc4", "5 5 50 5", "cs 60 2 10 0 \"L"}));
  ASSERT_EQ(with.Dims.Count(), 1u);
  EXPECT_EQ(with.Lines.Count(), 0u);
  EXPECT_EQ(with.Dims[0].Line.X1, 5);
  EXPECT_EQ(with.Dims[0].Line.Attr.Colour, 4);

  const DrawingModel without = Read(CrLf({"0 0 120 0", "cs 60 2 10 0 \"L"}));
  EXPECT_EQ(without.Dims.Count(), 0u);
  EXPECT_EQ(without.Lines.Count(), 1u);
  EXPECT_EQ(without.Texts[0].TextClass, 2);
}

TEST(ReaderElements, DimensionWithoutLineReusesThePreviousOne) {
  const DrawingModel m =
      Read(CrLf({"msg", "cs 0 0 1 0 \"a", "msg", "3 3 9 3", "cs 0 0 1 0 \"b",
                 "msg", "cs 0 0 1 0 \"c"}));
  ASSERT_EQ(m.Dims.Count(), 3u);
  EXPECT_EQ(m.Dims[0].Line.X1, 0); // the default line (0,0)-(1,0)
  EXPECT_EQ(m.Dims[0].Line.X2, 1);
  EXPECT_EQ(m.Dims[0].Line.Attr.Colour, 1);
  EXPECT_EQ(m.Dims[2].Line.X1, 3);
  EXPECT_EQ(m.Dims[2].Line.X2, 9);
}

TEST(ReaderElements, PendingDimensionEndsAtElementsAndMarkers) {
  const DrawingModel m = Read(CrLf({"msg", "#", "0 0 1 1", "msg", "pl",
                                    "0 0 2 2", "msg", "pt 0 0", "0 0 3 3"}));
  EXPECT_EQ(m.Dims.Count(), 0u);
  EXPECT_EQ(m.Lines.Count(), 3u);
}

TEST(ReaderElements, PolylineNumbersRunUntilAnotherRecord) {
  const DrawingModel m =
      Read(CrLf({"0 0 1 0", "pl", "1 0 1 1", "1 1 0 1", "z1", "0 1 0 0", "lc2",
                 "5 5 6 6", "pl", "0 0 9 9", "ci 0 0 1", "9 9 8 8"}));
  ASSERT_EQ(m.Lines.Count(), 7u);
  const int expected[] = {0, 1, 1, 1, 0, 2, 0};
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(m.Lines[i].PolylineNo, expected[i]) << "line " << i;
}

TEST(ReaderElements, ExactFieldCountsMatter) {
  // A trailing blank adds an empty field: none of these is its record.
  const DrawingModel m =
      Read(CrLf({"0 0 1 1 ", "ci 0 0 1 ", "sl 0 0 1 1 ", "sl 0 0 1 0 1 1 ",
                 "ci 0 0 1 2 3", "pt 1 2 3 4"}));
  EXPECT_EQ(m.ElementCount(), 0u);
  // "pt" with two values and a blank has four fields: a line, as any
  // four-field record whose key does not fit is.
  const DrawingModel p = Read("pt 1 2 \r\n");
  EXPECT_EQ(p.Points.Count(), 0u);
  ASSERT_EQ(p.Lines.Count(), 1u);
  EXPECT_EQ(p.Lines[0].Y1, 1);
  EXPECT_EQ(p.Lines[0].X2, 2);
}

TEST(ReaderElements, ThreePointSolidsLoseCoincidentCorners) {
  const DrawingModel m = Read(
      CrLf({"lc10 255", "sl 0 0 5 0 5 5", "sl 1 1 1 1 4 4", "sl 0 0 2 2 2 2"}));
  ASSERT_EQ(m.Solids3.Count(), 1u);
  EXPECT_EQ(m.Solids3[0].Attr.Colour, 10);
  EXPECT_EQ(m.Solids3[0].Rgb, 255);
  ASSERT_EQ(m.Solids2.Count(), 2u);
  EXPECT_EQ(m.Solids2[0].X2, 4); // p1 = p2: (p1, p3)
  EXPECT_EQ(m.Solids2[1].X2, 2); // p2 = p3: (p1, p2)
}

TEST(ReaderElements, FourPointSolidsLoseCoincidentCorners) {
  const DrawingModel m = Read(CrLf({
      "sl 0 0 0 0 0 0 9 9",     // p1=p2=p3: 2-point (p1, p4)
      "sl 0 0 3 3 3 3 3 3",     // p2=p3=p4: 2-point (p1, p2)
      "sl 0 0 0 0 7 7 7 7",     // p1=p2, p3=p4: 2-point (p1, p3)
      "sl 0 0 1 0 1 1 1 0",     // p4=p2: 3-point (p1, p2, p3)
      "sl 0 0 1 0 0 0 2 2",     // p3=p1: 3-point (p1, p2, p4)
      "sl 0 0 0 0 1 0 1 1",     // p2=p1 (after p3, p4 rules): (p1, p3, p4)
      "sl 0 0 1 0 1 1 0 1",     // a true quadrilateral
      "sl 0 0 1e-11 0 1 0 1 1", // 1e-11 apart counts as equal
  }));
  ASSERT_EQ(m.Solids2.Count(), 3u);
  EXPECT_EQ(m.Solids2[0].X2, 9);
  EXPECT_EQ(m.Solids2[1].X2, 3);
  EXPECT_EQ(m.Solids2[2].X2, 7);
  ASSERT_EQ(m.Solids3.Count(), 4u);
  EXPECT_EQ(m.Solids3[0].Y3, 1);
  EXPECT_EQ(m.Solids3[1].X3, 2);
  EXPECT_EQ(m.Solids3[2].X2, 1);
  EXPECT_EQ(m.Solids3[2].Y3, 1);
  EXPECT_EQ(m.Solids3[3].X2, 1);
  ASSERT_EQ(m.Solids4.Count(), 1u);
  EXPECT_EQ(m.Solids4[0].Y4, 1);
}

TEST(ReaderElements, UnknownKeysWithFourFieldsAreLines) {
  const DrawingModel m = Read(CrLf({"xx 1 2 3", "xx 1 2", "hd", "hq"}));
  ASSERT_EQ(m.Lines.Count(), 1u);
  EXPECT_EQ(m.Lines[0].X1, 0);
  EXPECT_EQ(m.Lines[0].Y1, 1);
}

} // namespace
} // namespace orvik::exchange
