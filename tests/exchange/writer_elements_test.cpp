// Element records: each kind's record text, the skip rules, dimensions,
// sheet coordinates, and the progress and Esc interruption of the writer.

#include "exchange_support.h"

#include "orvik/exchange/host_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvik::exchange {
namespace {

using test::CrLf;
using test::kGothic;
using test::Rewrite;

const std::string kFont = std::string("cn\"$") + kGothic;

TEST(WriterElements, CirclesArcsAndTheirSkipRules) {
  EXPECT_EQ(Rewrite(CrLf({"ci 1 2 3", "ci 1 2 0", "ci 1 2 3 10 350.5 0.5 -30",
                          "ci 1 2 3 0 90 0 0", "ci 1 2 1e-9 0 90 1 0"})),
            CrLf({"hd", "lg0", "ly0", "lc1", "lt1", "ci 1 2 3",
                  "ci 1 2 3 10 350.5 0.5 -30"}));
}

// A skipped element still writes its attribute records, but not its z
// flags: the host would give those to the next element.
TEST(WriterElements, SkippedElementKeepsAttributesButNotZFlags) {
  EXPECT_EQ(Rewrite(CrLf({"lc4", "z1", " 5 5 5 5", "lc6", " 0 0 1 1", "z2",
                          "ci 0 0 0", "z3", "ci 0 0 1"})),
            CrLf({"hd", "lg0", "ly0", "lc4", "lt1", "lc6", "0 0 1 1", "z3",
                  "ci 0 0 1"}));
}

TEST(WriterElements, PointsAndExtendedPoints) {
  EXPECT_EQ(Rewrite(CrLf({"pt 1.5 -2", "pt 1 2 0 45 12", "pt 1 2 2.5 0 -7",
                          "pt 1 2 1e-9 0 -8"})),
            CrLf({"hd", "lg0", "ly0", "pn1", "pt 1.5 -2", "pt 1 2 1 45 -3",
                  "pt 1 2 2.5 0 -7", "pt 1 2 1 0 -3"}));
}

TEST(WriterElements, TextKeysAndBlankTexts) {
  EXPECT_EQ(Rewrite(CrLf({"cv 0 0 0 -1 \"v", "c2 0 0 1 0 \"z",
                          "ch 0 0 1 0 \"\x81\x40 ", "ch 0 0 0 0 \"nodir",
                          "ch 1 1 1 0 \"^@BMpic.bmp"})),
            CrLf({"hd", "lg0", "ly0", "cn1", "cc0", kFont, "cv 0 0 0 -1 \"v",
                  "c2 0 0 1 0 \"z", "ch 1 1 1 0 \"^@BMpic.bmp"}));
}

TEST(WriterElements, TextEndingInAQuoteDoesNotSwallowTheNextRecord) {
  EXPECT_EQ(Rewrite(CrLf({"ch 0 0 1 0 \"say \"hi\"", "pt 1 1"})),
            CrLf({"hd", "lg0", "ly0", "cn1", "cc0", kFont,
                  "ch 0 0 1 0 \"say \"hi\"", "pn1", "pt 1 1"}));
}

TEST(WriterElements, UnknownTextClassIsWrittenAsCh) {
  DrawingModel m;
  OutputBuffer out;
  ResetWriterState(m);
  TJwwEntText &t = m.AppendElement(m.Texts, EntKind::Text);
  t.TextClass = 12;
  t.TextKind = 1;
  t.DX = 2;
  t.FontName = kGothic;
  t.Text = "q";
  WriteDrawing(m, out, nullptr, nullptr);
  EXPECT_NE(out.FileImage().find("\r\nch 0 0 2 0 \"q\r\n"), std::string::npos);
}

TEST(WriterElements, DimensionsWithTextAndWithMeasuredLength) {
  EXPECT_EQ(Rewrite(CrLf({"lc3", "msg", " 0 0 120 0", "cs 60 2 10 0 \"1,200",
                          "msg", " 0 0 120 0", "cs 60 2 10 0 \" \x81\x40",
                          "msg", " 0 0 0 0", "cs 60 2 10 0 \"skipped"})),
            CrLf({"hd", "lg0", "ly0", "lc3", "lt1", "cn1", "cc0", kFont, "msg",
                  "0 0 120 0", "cs 60 2 10 0 \"1,200", "msg", "0 0 120 0",
                  "cs 60 2 10 0 \"120"}));
}

TEST(WriterElements, MeasuredLengthIsRoundedTo1e8) {
  EXPECT_EQ(Rewrite(CrLf({"msg", " 0 0 3 4", "cs 0 0 1 0 \"", "msg", " 0 0 1 1",
                          "cs 0 0 1 0 \""})),
            CrLf({"hd", "lg0", "ly0", "lc1", "lt1", "cn1", "cc0", kFont, "msg",
                  "0 0 3 4", "cs 0 0 1 0 \"5", "msg", "0 0 1 1",
                  "cs 0 0 1 0 \"1.41421356"}));
}

TEST(WriterElements, BlocksAreNeverWritten) {
  EXPECT_EQ(Rewrite(CrLf({"BL 1 2 door", " 0 0 1 1"})),
            CrLf({"hd", "lg0", "ly0", "lc1", "lt1", "0 0 1 1"}));
}

TEST(WriterElements, SheetCoordinatesComeFirst) {
  EXPECT_EQ(Rewrite(CrLf({"bz", " 0 0 1 1"})),
            CrLf({"hd", "bz", "lg0", "ly0", "lc1", "lt1", "0 0 1 1"}));
}

// Four-point solids with coinciding corners, built directly: the reader
// would already have reduced them.
TEST(WriterElements, FourPointSolidReductions) {
  struct Case {
    std::vector<double> corners;
    const char *record; // nullptr: nothing written
  } cases[] = {
      {{0, 0, 0, 0, 1, 0, 1, 1}, "sl 0 0 1 0 1 1"}, // p1=p2: (p1,p3,p4)
      {{0, 0, 1, 0, 0, 0, 1, 1}, nullptr},          // p1=p3
      {{0, 0, 1, 0, 1, 1, 0, 0}, "sl 0 0 1 0 1 1"}, // p1=p4: (p1,p2,p3)
      {{0, 0, 1, 0, 1, 0, 0, 1}, "sl 0 0 1 0 0 1"}, // p2=p3: (p1,p2,p4)
      {{0, 0, 1, 0, 0, 1, 1, 0}, nullptr},          // p2=p4
      {{0, 0, 1, 0, 1, 1, 1, 1}, "sl 0 0 1 0 1 1"}, // p3=p4: (p1,p2,p3)
      {{0, 0, 0, 0, 1, 1, 1, 1}, nullptr},          // p1=p2, then p3=p4
      {{0, 0, 2, 0, 2, 2, 0, 2}, "sl 0 0 2 0 2 2 0 2"},
  };
  for (const Case &c : cases) {
    DrawingModel m;
    OutputBuffer out;
    ResetWriterState(m);
    TJwwEntSolid4 &s = m.AppendElement(m.Solids4, EntKind::Solid4); // pen 1
    s.X1 = c.corners[0], s.Y1 = c.corners[1], s.X2 = c.corners[2];
    s.Y2 = c.corners[3], s.X3 = c.corners[4], s.Y3 = c.corners[5];
    s.X4 = c.corners[6], s.Y4 = c.corners[7];
    WriteDrawing(m, out, nullptr, nullptr);
    const std::string expected = c.record
                                     ? CrLf({"lg0", "ly0", "lc1", c.record})
                                     : CrLf({"lg0", "ly0", "lc1"});
    EXPECT_EQ(out.FileImage(), expected) << (c.record ? c.record : "none");
  }
}

TEST(WriterElements, ArcSolidsNeedAValidShape) {
  EXPECT_EQ(Rewrite(CrLf({"sc 0 0 5 1 0 0 3 100", "sc 0 0 5 1 0 0 3 -1",
                          "sc 0 0 5 1 0 0 3 7", "se 0 0 5 1 0 0 3 5",
                          "se 0 0 5 1 0 0 3 0", "sc 0 0 0 1 0 0 3 0",
                          "sc 0 0 5 0 0 0 3 0", "so 0 0 5 1 0 0 3 2",
                          "sg 0 0 5 1 0 0 3 5", "so 0 0 5 1 0 0 3 0"})),
            CrLf({"hd", "lg0", "ly0", "lc1", "sc 0 0 5 1 0 0 3 100",
                  "sc 0 0 5 1 0 0 3 -1", "se 0 0 5 1 0 0 3 0",
                  "so 0 0 5 1 0 0 3 2"}));
}

class RecordingLabel : public ProgressLabel {
public:
  void ShowProgress(std::string_view text) override {
    shown.emplace_back(text);
  }
  std::vector<std::string> shown;
};

class EscAfter : public EscapeKey {
public:
  explicit EscAfter(int polls) : polls_left(polls) {}
  bool IsHeld() override { return polls_left-- <= 0; }
  int polls_left;
};

DrawingModel LinesModel(int count) {
  DrawingModel m;
  for (int i = 0; i < count; ++i)
    m.AddLine(0, 0, i + 1, 0);
  ResetWriterState(m);
  return m;
}

TEST(WriterProgress, LabelEveryHundredElements) {
  DrawingModel m = LinesModel(250);
  OutputBuffer out;
  RecordingLabel label;
  WriteDrawing(m, out, &label, nullptr);
  const std::string p = kProgressPrefix, slash = kProgressSlash;
  EXPECT_EQ(label.shown, (std::vector<std::string>{p + "1" + slash + "250",
                                                   p + "101" + slash + "250",
                                                   p + "201" + slash + "250"}));
}

TEST(WriterProgress, EscBeforeTheFirstElementLeavesOnlyTheLayerRecords) {
  DrawingModel m = LinesModel(250);
  OutputBuffer out;
  out.EmitLine("hd");
  EscAfter esc(0);
  WriteDrawing(m, out, nullptr, &esc);
  EXPECT_EQ(out.FileImage(), CrLf({"lg0", "ly0"}));
}

TEST(WriterProgress, EscLaterDropsEverythingWrittenSoFar) {
  DrawingModel m = LinesModel(250);
  m.Attr.FirstGroup = 2;
  OutputBuffer out;
  out.EmitLine("hd");
  EscAfter esc(2); // held at the third poll, before element 200
  WriteDrawing(m, out, nullptr, &esc);
  EXPECT_EQ(out.FileImage(), CrLf({"lg2", "ly0"}));
}

TEST(WriterMessages, NothingDrawnMessage) {
  OutputBuffer out;
  EmitMessage(out, kNoPenDrawingMessage);
  EXPECT_EQ(out.FileImage(), std::string("h#") + kNoPenDrawingMessage + "\r\n");
}

} // namespace
} // namespace orvik::exchange
