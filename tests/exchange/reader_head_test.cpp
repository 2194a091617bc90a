// The head and attribute records: group scales, text kinds, indicated
// points, and the running attribute state with its first values.

#include "exchange_support.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

using test::CrLf;
using test::Read;

TEST(ReaderHead, DefaultsWithoutRecords) {
  const DrawingModel m = Read("");
  for (double s : m.GroupScale)
    EXPECT_EQ(s, 1.0);
  for (const TJwwTextKind &k : m.TextKinds) {
    EXPECT_EQ(k.Width, 3.0);
    EXPECT_EQ(k.Height, 3.0);
    EXPECT_EQ(k.Spacing, 0.0);
    EXPECT_EQ(k.Colour, 2);
  }
  EXPECT_EQ(m.Attr.CurFont,
            "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>");
  EXPECT_EQ(m.Attr.FirstFont, "");
  EXPECT_FALSE(m.SheetCoords);
  EXPECT_EQ(m.ElementCount(), 0u);
}

TEST(ReaderHead, ScalesAndTextKindsAsTheHostWritesThem) {
  const DrawingModel m = Read(CrLf({
      "hq",
      "hk 0",
      "hs 500 1e+06 1e+06 1 1 1 1 1 1 1 1 1 1 1 1 2.5",
      "hcw 1 2 3 4 5 6 7 8 9 10",
      "hch 1.5 2 3 4 5 6 7 8 9 10.5",
      "hcd 0 0.5 0 0 0 0 0 0 0 1",
      "hcc      1      1      2      3      4      5      6      7      8      "
      "9",
      "hn 0 0 0 0",
  }));
  EXPECT_EQ(m.GroupScale[0], 500);
  EXPECT_EQ(m.GroupScale[1], 1e6);
  EXPECT_EQ(m.GroupScale[15], 2.5);
  EXPECT_EQ(m.TextKinds[0].Width, 1);
  EXPECT_EQ(m.TextKinds[9].Height, 10.5);
  EXPECT_EQ(m.TextKinds[1].Spacing, 0.5);
  EXPECT_EQ(m.TextKinds[9].Colour, 9);
  EXPECT_EQ(m.ElementCount(), 0u);
}

// A head record with too few fields is no head record; with four fields it
// becomes a line whose non-numbers read as 0.
TEST(ReaderHead, ShortHeadRecordsFallThrough) {
  const DrawingModel m = Read(CrLf({"hs 5 6 7", "hcw 1 2"}));
  EXPECT_EQ(m.GroupScale[0], 1.0);
  ASSERT_EQ(m.Lines.Count(), 1u);
  EXPECT_EQ(m.Lines[0].X1, 0);
  EXPECT_EQ(m.Lines[0].Y1, 5);
  EXPECT_EQ(m.Lines[0].Y2, 7);
}

TEST(ReaderHead, SheetCoordinatesAndIgnoredRecords) {
  const DrawingModel m =
      Read(CrLf({"bz", "hzs 420 297", "hn 1 2 3 4", "lgn0 Plan A B",
                 "lyn3 walls x y", "file=C:\\jww\\a b c.jww"}));
  EXPECT_TRUE(m.SheetCoords);
  EXPECT_EQ(m.ElementCount(), 0u);
}

TEST(ReaderHead, IndicatedPoints) {
  const DrawingModel m =
      Read(CrLf({"hp1-  100 200", "hp2   300 400", "hp10- 1 2", "hp3ln 5 6",
                 "hp4ci 7 8", "hp5ch 9 10", "hp100 1 1", "hp0 1 1", "hp6 1"}));
  EXPECT_TRUE(m.HpPoints[1].Valid);
  EXPECT_EQ(m.HpPoints[1].X, 100);
  EXPECT_EQ(m.HpPoints[1].Y, 200);
  EXPECT_EQ(m.HpPoints[1].PickKind, 1);
  EXPECT_TRUE(m.HpPoints[2].Valid);
  EXPECT_EQ(m.HpPoints[2].PickKind, 0);
  EXPECT_EQ(m.HpPoints[2].Y, 400);
  EXPECT_TRUE(m.HpPoints[10].Valid);
  EXPECT_EQ(m.HpPoints[3].PickKind, 2);
  EXPECT_EQ(m.HpPoints[4].PickKind, 3);
  EXPECT_EQ(m.HpPoints[5].PickKind, 4);
  EXPECT_FALSE(m.HpPoints[0].Valid);
  EXPECT_FALSE(m.HpPoints[6].Valid); // too few fields
  int valid = 0;
  for (const TJwwHpPoint &hp : m.HpPoints)
    valid += hp.Valid;
  EXPECT_EQ(valid, 6);
}

TEST(ReaderHead, LayerDigitIsTheThirdCharacterOnly) {
  DrawingModel m = Read("lgA\r\n");
  EXPECT_EQ(m.Attr.CurGroup, 10);
  m = Read("lg10\r\n");
  EXPECT_EQ(m.Attr.CurGroup, 1);
  m = Read("lgZ\r\nlyf\r\n");
  EXPECT_EQ(m.Attr.CurGroup, 0);
  EXPECT_EQ(m.Attr.CurLayer, 15);
  m = Read("lg\r\n");
  EXPECT_EQ(m.Attr.CurGroup, 0);
}

TEST(ReaderHead, FirstValuesComeFromTheFirstRecordOfEachKey) {
  const DrawingModel m = Read(CrLf({"lg2", "ly3", "lc5", "lt4", "lw7", "cn3",
                                    "lg4", "ly5", "lc6", "lt2", "lw9", "cn5"}));
  const AttributeState &a = m.Attr;
  EXPECT_EQ(a.FirstGroup, 2);
  EXPECT_EQ(a.FirstLayer, 3);
  EXPECT_EQ(a.FirstColour, 5);
  EXPECT_EQ(a.FirstLineType, 4);
  EXPECT_EQ(a.FirstLineWidth, 7);
  EXPECT_EQ(a.FirstTextKind, 3);
  EXPECT_EQ(a.CurGroup, 4);
  EXPECT_EQ(a.CurLayer, 5);
  EXPECT_EQ(a.CurColour, 6);
  EXPECT_EQ(a.CurLineType, 2);
  EXPECT_EQ(a.CurLineWidth, 9);
  EXPECT_EQ(a.CurTextKind, 5);
  EXPECT_TRUE(m.LineWidthSeen);
}

TEST(ReaderHead, SolidColourAndCustomTextKind) {
  const DrawingModel m =
      Read(CrLf({"lc10 255", "cn0 2.5 3 0.5 4", "cn0 9 9", "cn7"}));
  EXPECT_EQ(m.Attr.CurColour, 10);
  EXPECT_EQ(m.Attr.FirstColour, 10);
  EXPECT_EQ(m.Attr.CurSolidRgb, 255);
  EXPECT_EQ(m.Attr.FirstTextKind, 0);
  EXPECT_EQ(m.Attr.FirstTextCustom.Width, 2.5);
  EXPECT_EQ(m.Attr.FirstTextCustom.Colour, 4);
  // "cn0" with too few values keeps the custom values.
  EXPECT_EQ(m.Attr.CurTextCustom.Height, 3);
  EXPECT_EQ(m.Attr.CurTextKind, 7);
}

TEST(ReaderHead, FontsCcAndPointColour) {
  const DrawingModel m = Read(CrLf(
      {"cn\"$<\x82\x6C\x82\x72 \x96\xBE\x92\xA9>", "cn\"$@ABC", "cc5", "pn7"}));
  EXPECT_EQ(m.Attr.FirstFont, "<\x82\x6C\x82\x72 \x96\xBE\x92\xA9>");
  EXPECT_EQ(m.Attr.CurFont, "@ABC");
  EXPECT_EQ(m.Attr.CurTextCc, 5);
  EXPECT_EQ(m.Attr.CurPointColour, 7);
  EXPECT_EQ(Read("cc9\r\n").Attr.CurTextCc, 0);
  EXPECT_EQ(Read("cc7x\r\n").Attr.CurTextCc, 7);
}

TEST(ReaderHead, ZFlagsApplyToTheNextElementOnly) {
  const DrawingModel m = Read(CrLf({"z2", "z2", "z1", "0 0 1 1", "0 0 2 2"}));
  ASSERT_EQ(m.Lines.Count(), 2u);
  EXPECT_EQ(m.Lines[0].Attr.ZFlags, 3);
  EXPECT_EQ(m.Lines[1].Attr.ZFlags, 0);
}

TEST(ReaderHead, PickNumbers) {
  const DrawingModel m =
      Read(CrLf({"hhp12ln", "0 0 1 1", "hhp7", "ci 0 0 1", "hhp", "pt 1 1"}));
  EXPECT_EQ(m.Lines[0].Attr.PickNo, 12);
  EXPECT_EQ(m.Circles[0].Attr.PickNo, 7);
  EXPECT_EQ(m.Points[0].Attr.PickNo, 0);
}

TEST(ReaderHead, LoneLfAndMissingLastLineEnd) {
  const DrawingModel m = Read("lg3\nly4\r\n0 0 5 5\n1 1 2 2");
  EXPECT_EQ(m.Attr.CurGroup, 3);
  EXPECT_EQ(m.Attr.CurLayer, 4);
  EXPECT_EQ(m.Lines.Count(), 2u);
}

} // namespace
} // namespace orvik::exchange
