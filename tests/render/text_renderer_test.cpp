// Texts on the recording canvas: which characters reach the canvas, at
// which pixels, in which font and colour. A view of 10 px per mm with the
// origin at the bottom-left pixel (0, 200).

#include "orvik/render/recording_canvas.h"
#include "orvik/render/text_renderer.h"
#include "orvik/util/plane.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvik::render {
namespace {

struct Placed {
  std::string text;
  std::int32_t x, y;
  FontSpec font;
  Colour32 colour;
};

class TextRendererTest : public ::testing::Test {
protected:
  TextRendererTest()
      : canvas_(400, 200), p_(canvas_, view_, pens_), clock_({2005, 5, 9}),
        codes_(info_, clock_), text_(p_, &codes_) {
    view_.ViewWidth = 400;
    view_.ViewHeight = 200;
    view_.CentreWindow(20, 10, 10); // (0, 0)..(40, 20) mm
    p_.SetPen(0, PenStyle::Solid, 0);
  }
  // Horizontal text from (x, y) with width 2 and height 3 mm.
  void Draw(std::string_view text, double spacing = 0.4, double x = 1,
            double y = 1) {
    text_.DrawTextElement(0, "<font>", x, y, x + 10, y, 3, 2, spacing, text);
  }
  // The characters drawn, with their pixel and the font and colour then.
  std::vector<Placed> Placements() const {
    std::vector<Placed> out;
    FontSpec font;
    Colour32 colour = 0;
    for (const CanvasCall &c : canvas_.Calls()) {
      if (c.op == CanvasOp::SetFont)
        font = c.font;
      else if (c.op == CanvasOp::SetTextColour)
        colour = c.colour;
      else if (c.op == CanvasOp::TextOut)
        out.push_back({c.text, c.a, c.b, font, colour});
    }
    return out;
  }
  std::string Drawn() const {
    std::string s;
    for (const Placed &p : Placements())
      s += p.text;
    return s;
  }

  attributes::TgraAttribute pens_;
  ViewState view_;
  RecordingCanvas canvas_;
  Primitives p_;
  DrawingInfo info_;
  FixedClock clock_;
  SpecialCodes codes_;
  TextRenderer text_;
};

// Height 3 mm puts the cell's top 3 mm above the start point: pixel row
// 200 - 40 = 160 for a start at y = 1.
TEST_F(TextRendererTest, CharactersOnTheHostsGrid) {
  Draw("a\x82\xA0"
       "b"); // aあb
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].x, 10);
  EXPECT_EQ(p[0].y, 160);
  EXPECT_EQ(p[1].x, 10 + 12); // (2 + 0.4) / 2 mm later
  EXPECT_EQ(p[2].x, 22 + 24); // then 2 + 0.4 mm
  EXPECT_EQ(p[0].font.Height, 30);
  EXPECT_EQ(p[0].font.Width, 10);
  EXPECT_EQ(p[0].font.Escapement, 0);
  EXPECT_EQ(p[0].font.Weight, 400);
  EXPECT_EQ(p[0].font.FaceName, "<font>");
}

TEST_F(TextRendererTest, SizeThresholds) {
  auto line_drawn = [this](double height, double width, double length) {
    canvas_.Clear();
    text_.DrawTextElement(0, "f", 1, 1, 1 + length, 1, height, width, 0, "A");
    return canvas_.Count(CanvasOp::TextOut) == 0 &&
           canvas_.Count(CanvasOp::LineTo) == 1;
  };
  EXPECT_TRUE(line_drawn(0.5, 2, 10));   // 5 px high
  EXPECT_FALSE(line_drawn(0.6, 2, 10));  // 6 px: text
  EXPECT_FALSE(line_drawn(100, 2, 10));  // 1000 px: text
  EXPECT_TRUE(line_drawn(100.1, 2, 10)); // 1001 px
  EXPECT_FALSE(line_drawn(3, 100, 10));  // 1000 px wide
  EXPECT_TRUE(line_drawn(3, 100.1, 10)); // 1001 px wide
  EXPECT_TRUE(line_drawn(3, 2, 0.5));    // 5 px long
  EXPECT_TRUE(line_drawn(3, 2, 0));      // start and end coincide
  EXPECT_FALSE(line_drawn(3, 2, 0.6));
  // The line has pen width 3.
  line_drawn(0.5, 2, 10);
  EXPECT_EQ(canvas_.Calls()[1].op, CanvasOp::SetPen);
  EXPECT_EQ(canvas_.Calls()[1].width, 3);
}

// "ABC･": the three letters spread over the length of four.
TEST_F(TextRendererTest, FinalHalfWidthDotSpreadsTheText) {
  Draw("ABC\xA5");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(Drawn(), "ABC");
  EXPECT_EQ(p[1].x - p[0].x, 18); // spacing 1.6: (2 + 1.6) / 2 mm
  EXPECT_EQ(p[2].x - p[0].x, 36);
}

// "あい・・": the two characters spread over the length of four.
TEST_F(TextRendererTest, FinalFullWidthDotsSpreadTheText) {
  Draw("\x82\xA0\x82\xA2\x81\x45\x81\x45", 0);
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(Drawn(), "\x82\xA0\x82\xA2");
  EXPECT_EQ(p[1].x - p[0].x, 60); // 2 + 4 mm: the end at 4 * 2 mm
}

TEST_F(TextRendererTest, FinalCaretDigitSqueezes) {
  Draw("abcdef^2", 0.4);
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(Drawn(), "abcdef");
  EXPECT_EQ(p[0].font.Width, 7); // 2 * 4/6 mm = 13.3 px, half: 6.67
  EXPECT_EQ(p[1].x - p[0].x, 8); // (4/3 + 0.8/3) / 2 mm
}

TEST_F(TextRendererTest, CaretDigitAfterOneLetter) {
  Draw("a^2");
  EXPECT_EQ(Drawn(), "a");
  EXPECT_EQ(Placements()[0].font.Width, 10); // full size
  canvas_.Clear();
  Draw("a^2b");
  EXPECT_EQ(Drawn(), "a^2b");
}

TEST_F(TextRendererTest, BoldFromTheCodeOn) {
  Draw("a^!b");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(Drawn(), "ab");
  EXPECT_EQ(p[0].font.Weight, 400);
  EXPECT_EQ(p[1].font.Weight, 700);
  EXPECT_EQ(p[1].x - p[0].x, 12); // no gap for the code
}

TEST_F(TextRendererTest, StylesAddUpAndReset) {
  Draw("^/a^_b^#c");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_TRUE(p[0].font.Italic);
  EXPECT_TRUE(p[1].font.Italic && p[1].font.Underline);
  EXPECT_FALSE(p[2].font.Italic || p[2].font.Underline);
}

TEST_F(TextRendererTest, ColourCodesSetThePen) {
  Draw("a^$6b^$xc");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(Drawn(), "ab^$xc");
  EXPECT_EQ(p[0].colour, 0u);                    // the element's pen
  EXPECT_EQ(p[1].colour, MakeColour(0, 0, 255)); // pen 6
  EXPECT_EQ(p[2].colour, MakeColour(0, 0, 255));
  EXPECT_EQ(p_.PenColour(), MakeColour(0, 0, 255)); // it stays set
}

TEST_F(TextRendererTest, DisabledCodesAreText) {
  Draw("^*^!x^^y");
  EXPECT_EQ(Drawn(), "^!xy");
  for (const Placed &p : Placements())
    EXPECT_EQ(p.font.Weight, 400);
}

TEST_F(TextRendererTest, UnknownVariableIsDrawnAsItIs) {
  Draw("%%a^!b");
  EXPECT_EQ(Drawn(), "%%a^!b");
  canvas_.Clear();
  info_.Variables = {{"%%a^!b", "v"}};
  Draw("%%a^!b");
  EXPECT_EQ(Drawn(), "v");
}

TEST_F(TextRendererTest, SpecialCodeIsDrawnAsItsValue) {
  Draw("%y");
  EXPECT_EQ(Drawn(), "05");
}

// "m^u2": the 2 raised by half the height, at half size, after the m.
TEST_F(TextRendererTest, RaisedCharacter) {
  Draw("m^u2");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(Drawn(), "m2");
  EXPECT_EQ(p[1].font.Height, 15);
  EXPECT_EQ(p[1].font.Width, 10); // a half-width character keeps W
  EXPECT_EQ(p[1].x - p[0].x, 12);
  // Raised by 1.5 mm, its cell 1.5 mm high: top 3 mm above the baseline,
  // like the m's.
  EXPECT_EQ(p[1].y, p[0].y);
}

TEST_F(TextRendererTest, ModeCodeWithoutACharacterIsText) {
  Draw("a^u");
  EXPECT_EQ(Drawn(), "a^u");
  canvas_.Clear();
  Draw("a^u^b");
  EXPECT_EQ(Drawn(), "a^u^b");
}

// A face already vertical arrives as "@@": the plain face, turned by half a
// turn, starting a character width and the height further on.
TEST_F(TextRendererTest, DoubleAtFaceTurnsHalfATurn) {
  text_.DrawTextRun(0, "@@<f>", 5, 5, 0, 3, 2, 0, "\x82\xA0");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].font.FaceName, "<f>");
  EXPECT_EQ(p[0].font.Escapement, 1800);
}

TEST_F(TextRendererTest, LongFaceNamesAreCutOnACharacter) {
  std::string face = "<";
  for (int i = 0; i < 20; ++i)
    face += "\x82\xA0"; // 41 bytes
  text_.DrawTextRun(0, face, 5, 5, 0, 3, 2, 0, "a");
  const std::string cut = Placements()[0].font.FaceName;
  EXPECT_EQ(cut.size(), 31u);
  EXPECT_EQ(cut, face.substr(0, 31));
  face = "<<" + face.substr(1); // now byte 31 splits a character
  canvas_.Clear();
  text_.DrawTextRun(0, face, 5, 5, 0, 3, 2, 0, "a");
  EXPECT_EQ(Placements()[0].font.FaceName, face.substr(0, 30));
}

// Characters whose cell has no corner in the view are not drawn.
TEST_F(TextRendererTest, CharactersOutsideTheViewAreSkipped) {
  // 45 characters of 1 mm from x = 1: the cell from 40 to 41 mm has no
  // corner inside (the edge counts as outside), nor any later one.
  Draw(std::string(45, 'x'), 0, 1, 1);
  EXPECT_EQ(Placements().size(), 39u);
}

TEST_F(TextRendererTest, RotatedTextEscapement) {
  text_.DrawTextElement(0, "f", 10, 10, 10, 20, 3, 2, 0, "ab");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].font.Escapement, 900);
  // Upwards, the cell's reference corner lies 3 mm to the left.
  EXPECT_EQ(p[0].x, 70);
  EXPECT_EQ(p[0].y, 100);
  EXPECT_EQ(p[1].y, 90);
}

TEST_F(TextRendererTest, NegativeWidthReadsFromTheOtherEnd) {
  text_.DrawTextElement(0, "f", 1, 1, 11, 1, 3, -2, 0, "ab");
  const std::vector<Placed> p = Placements();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].font.Escapement, 1800);
  EXPECT_LT(p[1].x, p[0].x);
}

} // namespace
} // namespace orvik::render
