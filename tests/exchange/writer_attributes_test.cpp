// Attribute records: written when they change, or when their Pending flag
// is set, in each kind's fixed order. Expected files worked out by hand.

#include "exchange_support.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

using test::CrLf;
using test::kGothic;
using test::kMincho;
using test::Rewrite;

TEST(WriterAttributes, UnchangedAttributesAreWrittenOnce) {
  EXPECT_EQ(Rewrite(CrLf({"lg0", "ly0", "lc2", "lt1", " 0 0 1 0", " 0 0 2 0"})),
            CrLf({"hd", "lg0", "ly0", "lc2", "lt1", "0 0 1 0", "0 0 2 0"}));
}

TEST(WriterAttributes, LineWidthsOnlyWhenTheHostSentThem) {
  EXPECT_EQ(Rewrite(CrLf({"lw3", " 0 0 1 0", "lw5", " 0 0 2 0"})),
            CrLf({"hd", "lg0", "ly0", "lc1", "lt1", "lw3", "0 0 1 0", "lw5",
                  "0 0 2 0"}));
}

TEST(WriterAttributes, NewGroupForcesTheLayerRecord) {
  EXPECT_EQ(Rewrite(CrLf({"lg3", "ly1", " 0 0 1 0", "ly2", " 0 0 2 0", "lg4",
                          " 0 0 3 0"})),
            CrLf({"hd", "lg3", "ly1", "lc1", "lt1", "0 0 1 0", "ly2", "0 0 2 0",
                  "lg4", "ly2", "0 0 3 0",
                  // the host's first layer group and layer restored
                  "lg3", "ly1"}));
}

TEST(WriterAttributes, HexLayerDigits) {
  EXPECT_EQ(Rewrite(CrLf({"lgF", "lyA", " 0 0 1 0"})),
            CrLf({"hd", "lgF", "lyA", "lc1", "lt1", "0 0 1 0"}));
}

TEST(WriterAttributes, ZFlagsFiveImpliesFour) {
  EXPECT_EQ(Rewrite(CrLf({"z4", "z5", " 0 0 1 0", "z4", " 0 0 2 0", "z1", "z3",
                          " 0 0 3 0"})),
            CrLf({"hd", "lg0", "ly0", "lc1", "lt1", "z5", "0 0 1 0", "z4",
                  "0 0 2 0", "z1", "z3", "0 0 3 0"}));
}

TEST(WriterAttributes, TextKindsCcAndFonts) {
  const std::string font_record = std::string("cn\"$") + kGothic;
  EXPECT_EQ(Rewrite(CrLf({"cn3", "ch 0 0 10 0 \"abc", "cn0 2 2 0 1",
                          "ch 0 5 10 0 \"def", "cn0 2.5 2 0 1", "cc4",
                          "ch 0 9 10 0 \"ghi"})),
            CrLf({"hd", "lg0", "ly0", "cn3", "cc0", font_record,
                  "ch 0 0 10 0 \"abc", "cn0 2 2 0 1", "ch 0 5 10 0 \"def",
                  "cn0 2.5 2 0 1", "cc4", "ch 0 9 10 0 \"ghi"}));
}

TEST(WriterAttributes, FontChangesAreWritten) {
  EXPECT_EQ(
      Rewrite(CrLf({std::string("cn\"$") + kMincho, "ch 0 0 1 0 \"a",
                    "cn\"$<ABC>", "ch 0 0 1 0 \"b"})),
      CrLf({"hd", "lg0", "ly0", "cn1", "cc0", std::string("cn\"$") + kMincho,
            "ch 0 0 1 0 \"a", "cn\"$<ABC>", "ch 0 0 1 0 \"b"}));
}

TEST(WriterAttributes, PointColourReplacesTheLineColour) {
  EXPECT_EQ(
      Rewrite(CrLf({"lc5", "pn3", "pt 1 2", " 0 0 1 1"})),
      CrLf({"hd", "lg0", "ly0", "pn3", "pt 1 2", "lc5", "lt1", "0 0 1 1"}));
}

TEST(WriterAttributes, SolidColourRecords) {
  EXPECT_EQ(Rewrite(CrLf({"lc10 255", "sl 0 0 1 0 1 1", "sl 0 0 2 0 2 2", "lc2",
                          " 0 0 5 5", "lc10 255", "sl 0 0 3 0 3 3",
                          "lc10 65280", "sl 0 0 4 0 4 4"})),
            CrLf({"hd", "lg0", "ly0", "lc10 255", "sl 0 0 1 0 1 1",
                  "sl 0 0 2 0 2 2", "lc2", "lt1", "0 0 5 5", "lc10 255",
                  "sl 0 0 3 0 3 3", "lc10 65280", "sl 0 0 4 0 4 4"}));
}

// State the reader cannot produce, built on the model directly.
class WriterState : public ::testing::Test {
protected:
  void SetUp() override {
    InitModel(model_, out_);
    ResetWriterState(model_);
  }
  std::string Written() {
    WriteDrawing(model_, out_, nullptr, nullptr);
    return out_.FileImage();
  }
  DrawingModel model_;
  OutputBuffer out_;
};

TEST_F(WriterState, SolidColourOutsideRgbRangeBecomesZero) {
  TJwwEntSolid2 &s = model_.AppendElement(model_.Solids2, EntKind::Solid2);
  s.Attr.Colour = 10;
  s.Rgb = 0x1000000;
  s.X2 = 1;
  EXPECT_EQ(Written(), CrLf({"lg0", "ly0", "lc10 0", "sl 0 0 1 0"}));
}

TEST_F(WriterState, LineWidthFallbacks) {
  model_.LineWidthSeen = true;
  model_.Attr.FirstLineWidth = 7;
  for (int width : {-1, 40000, -5}) {
    TJwwEntLine &l = model_.AppendElement(model_.Lines, EntKind::Line);
    l.Attr.Colour = 1;
    l.Attr.LineType = 1;
    l.Attr.LineWidth = width;
    l.X2 = 1;
  }
  EXPECT_EQ(Written(), CrLf({"lg0", "ly0", "lc1", "lt1", "lw7", "0 0 1 0",
                             "lw0", "0 0 1 0", "0 0 1 0"}));
}

// A kind outside 0..10 falls back to the file's first text kind; a custom
// first kind brings its custom values along.
TEST_F(WriterState, TextKindOutOfRangeUsesTheFirstKind) {
  model_.Attr.FirstTextKind = 0;
  model_.Attr.FirstTextCustom = {4, 5, 0.5, 6};
  TJwwEntText &t = model_.AppendElement(model_.Texts, EntKind::Text);
  t.TextKind = 42;
  t.Width = 99;
  t.DX = 1;
  t.FontName = "<F>";
  t.Text = "x";
  EXPECT_EQ(Written(), CrLf({"lg0", "ly0", "cn0 4 5 0.5 6", "cc0", "cn\"$<F>",
                             "ch 0 0 1 0 \"x"}));
}

// An empty font name, or "<>", stands for the file's first font.
TEST_F(WriterState, EmptyFontNameUsesTheFirstFont) {
  model_.Attr.FirstFont = "<G>";
  for (const char *name : {"", "<>"}) {
    TJwwEntText &t = model_.AppendElement(model_.Texts, EntKind::Text);
    t.TextKind = 1;
    t.DX = 1;
    t.FontName = name;
    t.Text = "x";
  }
  EXPECT_EQ(Written(), CrLf({"lg0", "ly0", "cn1", "cc0", "cn\"$<G>",
                             "ch 0 0 1 0 \"x", "ch 0 0 1 0 \"x"}));
}

TEST_F(WriterState, OutOfRangeCcAndLayersBecomeZero) {
  TJwwEntText &t = model_.AppendElement(model_.Texts, EntKind::Text);
  t.Attr.Group = 16;
  t.Attr.Layer = -1;
  t.TextKind = 2;
  t.Cc = 9;
  t.DY = 1;
  t.FontName = "<F>";
  t.Text = "x";
  EXPECT_EQ(Written(),
            CrLf({"lg0", "ly0", "cn2", "cc0", "cn\"$<F>", "ch 0 0 0 1 \"x"}));
}

} // namespace
} // namespace orvik::exchange
