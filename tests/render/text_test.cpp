// Texts on the recording canvas: which characters reach the canvas, at
// which pixels and in which font; the special codes against a fixed clock;
// the host's faces. (What the texts look like, glyph by glyph, the golden
// pictures show.)

#include "pixel_support.h"

#include "orvik/render/font_mapping.h"
#include "orvik/render/japanese_calendar.h"
#include "orvik/render/recording_canvas.h"
#include "orvik/render/text_renderer.h"

#include <gtest/gtest.h>

#include <ctime>

namespace orvik::render {
namespace {

// 10 px per mm over (0, 0)..(40, 20) mm: the point (x, y) mm is the pixel
// (10 x, 200 - 10 y). A character's cell hangs from its top-left corner,
// its height above the point the character is placed at.
class Texts : public ::testing::Test {
protected:
  Texts()
      : canvas_(400, 200), p_(canvas_, view_, pens_), clock_({2005, 5, 9}),
        codes_(info_, clock_), text_(p_, &codes_) {
    view_ = test::ViewOf(400, 200, 20, 10, 10);
    p_.SetPen(0, PenStyle::Solid, 0);
  }
  // From (x, y) towards (x + dx, y + dy), height 3 and width 2 mm: the
  // characters drawn, each "text x,y", with "height/width" of the font
  // where it changes.
  std::string Draw(std::string_view text, double spacing = 0.4, double x = 1,
                   double y = 1, double width = 2, double dx = 10,
                   double dy = 0) {
    canvas_.Clear();
    text_.DrawTextElement(0, "<font>", x, y, x + dx, y + dy, 3, width, spacing,
                          text);
    std::string s, font;
    for (const CanvasCall &c : canvas_.Calls()) {
      if (c.op == CanvasOp::SetFont)
        font = " " + std::to_string(c.font.Height) + "/" +
               std::to_string(c.font.Width);
      else if (c.op == CanvasOp::TextOut)
        s += (s.empty() ? "" : " | ") + c.text + " " + std::to_string(c.a) +
             "," + std::to_string(c.b) + std::exchange(font, "");
    }
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

// The character after a mode code, drawn by itself. H = 3, W = 2 and
// spacing 0.5 mm: after "m" (1 unit) at (1, 1) mm the pen point P is at
// 2.25 mm (22.5 px: 22), and the middle of the "m" is B = 0.25 + 0.5 =
// 0.75 mm back; after "あ" (2 units) P is at 3.5 mm, B = 1.5.
TEST_F(Texts, ModeCodesPlaceTheNextCharacter) {
  const std::pair<const char *, const char *> rows[] = {
      // u: raised by H/2 at half height, its top 3 mm up; P moves on by
      // (W + spacing) / 2 = 1.25 mm. d: on the baseline, top 2.5 mm up.
      // c: raised by H/4, top 3.25 mm up (32.5 px: 32).
      {"m^u2x", "2 22,160 15/10 | x 35,160 30/10"},
      {"m^d2x", "2 22,175 15/10 | x 35,160 30/10"},
      {"m^c2x", "2 22,168 15/10 | x 35,160 30/10"},
      {"m^u\x82\xA0", "\x82\xA0 22,160 15/5"}, // width W/2
      // o: back by B + W/8 to 1.25 mm (12.5 px: 12), raised by H/4, half
      // size; P stays. n: back by B + W/4; b: B + W/8; B: B + 0.15 W.
      {"m^o2x", "2 12,168 15/5 | x 22,160 30/10"},
      {"m^n2", "2 10,160 30/10"},
      {"m^b2", "2 12,160 30/10"},
      {"m^B2", "2 12,160 30/10"},
      // Full-width: o back by B + W/4, n by B + W/2, B by B + 0.3 W.
      {"\x82\xA0^o\x82\xA2", "\x82\xA2 15,168 15/5"},
      {"\x82\xA0^n\x82\xA2", "\x82\xA2 10,160 30/10"},
      {"\x82\xA0^B\x82\xA2", "\x82\xA2 14,160 30/10"},
      // w: two half-width characters together, back by B + 2 W/8 to 1 mm,
      // raised by H/4, half size, no spacing; only one when a full-width
      // one follows (back by B + W/8); a full-width one stays text with
      // its code, from 2.25 mm in steps of 1.25 (47.5 px: 48).
      {"m^w23x", "2 10,168 15/5 | 3 15,168 | x 22,160 30/10"},
      {"m^w2\x82\xA0", "2 12,168 15/5 | \x82\xA0 22,160 30/10"},
      {"m^w\x82\xA0", "^ 22,160 30/10 | w 35,160 | \x82\xA0 48,160"}};
  for (const auto &[text, drawn] : rows) {
    const std::string trace = Draw(text, 0.5); // after the first character
    EXPECT_EQ(trace.substr(trace.find(" | ") + 3), drawn) << text;
  }
}

TEST_F(Texts, CodesFacesDirectionsAndTheView) {
  // A special code, or a "%%" text, is drawn as its value, carets unread.
  EXPECT_EQ(Draw("%y", 0), "0 10,160 30/10 | 5 20,160");
  EXPECT_EQ(Draw("%%b^!", 0),
            "% 10,160 30/10 | % 20,160 | b 30,160 | ^ 40,160 | ! 50,160");
  info_.Variables = {{"%%a^!b", "v"}};
  EXPECT_EQ(Draw("%%a^!b"), "v 10,160 30/10");
  // A face already vertical arrives as "@@": the plain face, turned half a
  // turn. Face names are cut to 31 bytes, here "<<" and 14 characters
  // (0x82 is a lead byte and a second byte).
  const std::string face = "@@<<" + std::string(40, '\x82');
  canvas_.Clear();
  text_.DrawTextRun(0, face, 5, 5, 0, 3, 2, 0, "a");
  EXPECT_EQ(canvas_.Calls()[0].font.FaceName, face.substr(2, 30));
  EXPECT_EQ(canvas_.Calls()[0].font.Escapement, 1800);
  // 45 characters of 1 mm from x = 1: the cell from 40 to 41 mm has no
  // corner inside the view (its edge is outside), nor any later one.
  Draw(std::string(45, 'x'), 0);
  EXPECT_EQ(canvas_.Count(CanvasOp::TextOut), 39u);
  // A 1 x 3 mm cell over a corner of the view shows by one corner of its
  // own: over the top right by its bottom left, and so on round.
  for (const auto &[x, y] :
       {std::pair{39.5, 18.0}, {-0.5, 18.0}, {-0.5, -2.0}, {39.5, -2.0}}) {
    Draw("x", 0, x, y);
    EXPECT_EQ(canvas_.Count(CanvasOp::TextOut), 1u) << x << " " << y;
  }
  // From 1.5 mm left of the view a half-width cell (1 mm) stays outside,
  // a full-width one (2 mm) reaches in.
  for (const auto &[text, count] : {std::pair{"x", 0u}, {"\x82\xA0", 1u}}) {
    Draw(text, 0, -1.5, 5);
    EXPECT_EQ(canvas_.Count(CanvasOp::TextOut), count) << text;
  }
  // Turned upwards the cell's top-left corner lies 3 mm to the left of
  // the baseline; turned half a turn (a negative width reads from the
  // other end, from (11, 1)) 3 mm below it.
  EXPECT_EQ(Draw("ab", 0, 10, 10, 2, 0, 10), "a 70,100 30/10 | b 70,90");
  EXPECT_EQ(canvas_.Calls()[0].font.Escapement, 900);
  EXPECT_EQ(Draw("ab", 0, 1, 1, -2), "a 110,220 30/10 | b 100,220");
  EXPECT_EQ(canvas_.Calls()[0].font.Escapement, 1800);
}

// Each code and its value at 2005-05-09 13:30:05 (a Monday), at
// 2026-01-01 00:00 (a Thursday) and 12:30, and with a drawing file of
// 2007-03-04 05:06:07 named C:\jww\あbc.jww; separated by "|", "=" between code
// and value, "-" for no code. Until it is set the file's time is the host's
// zero date 1899-12-30, a Saturday; a scale of 0 leaves the scale codes
// as they are. Values are Shift-JIS: 後, 前; 平成17年 5月 9日 and 令和8年
// 1月 1日; 月, 木 and 土; ･ for a name of which not even one character
// fits the bytes asked for.
TEST(SpecialCodes, Table) {
  const char *const at2005 =
      "%y=05|$y=5|&y= 5|$m=5|%m=05|%d=09|$S=5|%M=30|$h=1|%h=01|$H=13|$n=PM|"
      "$N=\x8C\xE3|%Y=17|_Y=32|$w=\x8C\x8E|_w=\x93\x79|$wa=MON|=wa=SAT|"
      "%ma=MAY|$j=2005/ 5/ 9|%J=\x95\xBD\x90\xAC\x31\x37\x94\x4E 5\x8C\x8E "
      "9\x93\xFA|=F=1899/12/30 00:00:00|_F=1899/12/30 00:00:00|=f=1899/12/30|"
      "%F=|%f1=\xA5|%SS=%SS|%sp=%sp|%%x=%%x|$Y =-| $Y=-|$y2=-|$=-|%ff3=-|"
      "$mm=-|%SSx=-|_j=-|%Fx=-|%fA=-";
  const char *const at2026 =
      "%y=26|%n=AM|$N=\x91\x4F|$Y=8|$J=\x97\xDF\x98\x61\x38\x94\x4E 1\x8C\x8E "
      "1\x93\xFA|%W=\x96\xD8|&wa=THU|$ma=JAN|%j=2026/ 1/ 1";
  const char *const of_file =
      "_f=2007/ 3/ 4|=F=2007/03/04 05:06:07|_d= 4|$F=C:\\jww\\\x82\xA0\x62"
      "c.jww|%f=\x82\xA0\x62\x63.jww|$f=\x82\xA0\x62\x63|%f3=\x82\xA0\x62|"
      "%f1=\xA5|%f2=\x82\xA0|%fa=\x82\xA0\x62\x63|=T=T|%mm=one\xA5\xA5two|"
      "%m2=two|%%a=first|%SS=1/100|%ss=100|%SP=%SP";
  DrawingInfo info;
  const auto check = [&info](std::string_view table, const LocalDateTime &now) {
    const FixedClock clock(now);
    for (std::size_t at = 0, bar; at < table.size(); at = bar + 1) {
      bar = std::min(table.find('|', at), table.size());
      const std::string_view row = table.substr(at, bar - at);
      const std::size_t eq = row.find('=', 1);
      std::string value;
      const SpecialCodes codes(info, clock);
      const bool known = codes.ExpandSpecialCode(row.substr(0, eq), value);
      EXPECT_EQ(known ? value : "-", row.substr(eq + 1)) << row;
    }
  };
  check(at2005, {2005, 5, 9, 13, 30, 5});
  check(at2026, {2026, 1, 1});
  check("$h=0|%n=PM|$N=\x8C\xE3", {2026, 1, 1, 12, 30}); // noon
  info.FileTime = {2007, 3, 4, 5, 6, 7};
  info.FilePath = "C:\\jww\\\x82\xA0\x62\x63.jww";
  info.TText = "T", info.MText1 = "one", info.MText2 = "two";
  info.Variables = {{"%%a", "first"}, {"%%a", "second"}};
  info.Scale = 100;
  check(of_file, {2005, 5, 9});
  info.ScaleFactor = 2;
  check("%SP=1/50", {2005, 5, 9});
  info.Scale = 0.5;
  check("%SS=2/1|%ss=2", {2005, 5, 9});
  info.Scale = 1e-320; // 10 / s overflows
  check("%SS=%SS", {2005, 5, 9});
  info.FilePath = "\\x.jww"; // a separator first
  check("%f=x.jww|$f=x", {2005, 5, 9});
}

// The first of each month of 2025, from Wednesday 1 January on, each
// month's length later (0 is Sunday, and the answer for months 0 and 13);
// the host's clock in local time, the month as strftime spells it.
TEST(Calendar, WeekdaysAndTheHostsClock) {
  std::string days;
  for (int month = 0; month <= 13; ++month)
    days += std::to_string(JapaneseCalendar::Weekday(2025, month, 1));
  EXPECT_EQ(days, "03662402513610");
  const std::time_t t = std::time(nullptr);
  char month[8];
  std::strftime(month, sizeof month, "%m", std::localtime(&t));
  EXPECT_EQ(SystemClock().Now().month, std::stoi(month));
}

// The host's faces map onto IPA faces, an installed family is itself, and
// a leading "@" inside or outside the brackets makes them vertical. Texts
// reach Qt decoded as CP932 (the code page itself is tested in
// tests/platform).
TEST(TextPixels, HostFacesAndCodePage932) {
  const char *const faces[][2] = {
      {"<ＭＳ ゴシック>", "IPAGothic"},    {"ＭＳ　明朝", "IPAMincho"},
      {"<ＭＳ Ｐゴシック>", "IPAPGothic"}, {"ＭＳ Ｐ明朝", "IPAPMincho"},
      {"MS Gothic", "IPAGothic"},          {"no such face", "IPAGothic"},
      {"@<ＭＳ 明朝>", "IPAMincho"},       {"@@ＭＳ 明朝", "IPAMincho"},
      {"DejaVu Sans", "DejaVu Sans"},      {"", "IPAGothic"}};
  for (const auto &[face, family] : faces)
    EXPECT_EQ(MapFace(QString::fromUtf8(face)).family, family) << face;
  EXPECT_TRUE(MapFace(QString::fromUtf8("@<ＭＳ 明朝>")).vertical);
  EXPECT_TRUE(MapFace(QString::fromUtf8("<@ＭＳ 明朝>")).vertical);
  EXPECT_FALSE(MapFace(QString::fromUtf8("<ＭＳ 明朝>")).vertical);
}

} // namespace
} // namespace orvik::render
