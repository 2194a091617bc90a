// Special codes against a fixed clock: 2005-05-09 13:30:05 (a Monday) and
// 2026-01-01 00:00:00 (a Thursday). Expected texts are Shift-JIS.

#include "orvik/render/text_substitutions.h"

#include <gtest/gtest.h>

namespace orvik::render {
namespace {

class SpecialCodesTest : public ::testing::Test {
protected:
  std::string Expand(std::string_view code, const LocalDateTime &now) {
    const FixedClock clock(now);
    const SpecialCodes codes(info_, clock);
    std::string value = "(no code)";
    if (!codes.ExpandSpecialCode(code, value))
      return "(no code)";
    return value;
  }
  std::string At2005(std::string_view code) {
    return Expand(code, {2005, 5, 9, 13, 30, 5});
  }
  std::string At2026(std::string_view code) {
    return Expand(code, {2026, 1, 1, 0, 0, 0});
  }

  DrawingInfo info_;
};

TEST_F(SpecialCodesTest, YearsAndFills) {
  EXPECT_EQ(At2005("%y"), "05");
  EXPECT_EQ(At2005("$y"), "5");
  EXPECT_EQ(At2005("&y"), " 5");
  EXPECT_EQ(At2026("%y"), "26");
  EXPECT_EQ(At2005("$m"), "5");
  EXPECT_EQ(At2005("&m"), " 5");
  EXPECT_EQ(At2005("%m"), "05");
  EXPECT_EQ(At2005("%d"), "09");
  EXPECT_EQ(At2005("$S"), "5");
  EXPECT_EQ(At2005("%M"), "30");
}

TEST_F(SpecialCodesTest, TwelveHourClock) {
  EXPECT_EQ(Expand("$h", {2005, 5, 9, 12, 30, 0}), "0");
  EXPECT_EQ(At2005("$h"), "1");
  EXPECT_EQ(At2005("%h"), "01");
  EXPECT_EQ(At2005("$H"), "13");
  EXPECT_EQ(At2005("$n"), "PM");
  EXPECT_EQ(At2026("%n"), "AM");
  EXPECT_EQ(At2005("$N"), "\x8C\xE3"); // 後
  EXPECT_EQ(At2026("$N"), "\x91\x4F"); // 前
}

TEST_F(SpecialCodesTest, JapaneseEraFromTheCalendar) {
  EXPECT_EQ(At2026("$Y"), "8");  // 令和8
  EXPECT_EQ(At2005("%Y"), "17"); // 平成17
  // 令和8年 1月 1日
  EXPECT_EQ(At2026("$J"), "\x97\xDF\x98\x61"
                          "8\x94\x4E 1\x8C\x8E 1\x93\xFA");
  // 平成17年 5月 9日
  EXPECT_EQ(At2005("%J"), "\x95\xBD\x90\xAC"
                          "17\x94\x4E 5\x8C\x8E 9\x93\xFA");
  EXPECT_EQ(At2005("_Y"), "32"); // the zero date is in Meiji 32
}

TEST_F(SpecialCodesTest, WeekdaysAndMonths) {
  EXPECT_EQ(At2005("$w"), "\x8C\x8E"); // 月 (Monday)
  EXPECT_EQ(At2026("%W"), "\x96\xD8"); // 木 (Thursday)
  EXPECT_EQ(At2005("$wa"), "MON");
  EXPECT_EQ(At2026("&wa"), "THU");
  EXPECT_EQ(At2026("$ma"), "JAN");
  EXPECT_EQ(At2005("%ma"), "MAY");
  EXPECT_EQ(At2005("_w"), "\x93\x79"); // 土: 1899-12-30 was a Saturday
  EXPECT_EQ(At2005("=wa"), "SAT");
}

TEST_F(SpecialCodesTest, DatesOfNowAndOfTheFile) {
  EXPECT_EQ(At2005("$j"), "2005/ 5/ 9");
  EXPECT_EQ(At2026("%j"), "2026/ 1/ 1");
  EXPECT_EQ(At2005("=F"), "1899/12/30 00:00:00");
  EXPECT_EQ(At2005("_F"), "1899/12/30 00:00:00");
  EXPECT_EQ(At2005("=f"), "1899/12/30");
  info_.FileTime = {2007, 3, 4, 5, 6, 7};
  EXPECT_EQ(At2005("_f"), "2007/ 3/ 4");
  EXPECT_EQ(At2005("=F"), "2007/03/04 05:06:07");
  EXPECT_EQ(At2005("_d"), " 4");
}

TEST_F(SpecialCodesTest, FileNames) {
  EXPECT_EQ(At2005("%F"), "");
  EXPECT_EQ(At2005("%f1"), "\xA5"); // ･ for an empty name
  info_.FilePath = "C:\\jww\\\x82\xA0"
                   "bc.jww"; // C:\jww\あbc.jww
  EXPECT_EQ(At2005("$F"), info_.FilePath);
  EXPECT_EQ(At2005("%f"), "\x82\xA0"
                          "bc.jww");
  EXPECT_EQ(At2005("$f"), "\x82\xA0"
                          "bc");
  EXPECT_EQ(At2005("%f3"), "\x82\xA0"
                           "b");
  EXPECT_EQ(At2005("%f1"), "\xA5"); // the full-width あ does not fit
  EXPECT_EQ(At2005("%f2"), "\x82\xA0");
  EXPECT_EQ(At2005("%fa"), "\x82\xA0"
                           "bc");
  EXPECT_EQ(At2005("%fA"), "(no code)");
}

TEST_F(SpecialCodesTest, ScaleCodes) {
  EXPECT_EQ(At2005("%SS"), "%SS"); // scale 0: shown as it is
  EXPECT_EQ(At2005("%sp"), "%sp");
  info_.Scale = 100;
  EXPECT_EQ(At2005("%SS"), "1/100");
  EXPECT_EQ(At2005("%ss"), "100");
  EXPECT_EQ(At2005("%SP"), "%SP"); // scale factor 0
  info_.ScaleFactor = 2;
  EXPECT_EQ(At2005("%SP"), "1/50");
  info_.Scale = 0.5;
  EXPECT_EQ(At2005("%SS"), "2/1");
  EXPECT_EQ(At2005("%ss"), "2");
  info_.Scale = 1e-320; // 10 / s overflows
  EXPECT_EQ(At2005("%SS"), "%SS");
}

TEST_F(SpecialCodesTest, TextsAndVariables) {
  info_.TText = "T";
  info_.MText1 = "one";
  info_.MText2 = "two";
  info_.Variables = {{"%%a", "first"}, {"%%a", "second"}};
  EXPECT_EQ(At2005("=T"), "T");
  EXPECT_EQ(At2005("%mm"), "one\xA5\xA5two");
  EXPECT_EQ(At2005("%m2"), "two");
  EXPECT_EQ(At2005("%%a"), "first");
  EXPECT_EQ(At2005("%%nobody"), "%%nobody");
}

TEST_F(SpecialCodesTest, OnlyExactCodesMatch) {
  for (const char *text : {"$Y ", " $Y", "$y2", "$", "%", "y", "%ff3", "$mm",
                           "%SSx", "_j", "%Fx", ""})
    EXPECT_EQ(At2005(text), "(no code)") << text;
}

} // namespace
} // namespace orvik::render
