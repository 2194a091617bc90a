// Lenient number reading, the 15-digit real format and rounding (the long
// suite compares them with the C library), Shift-JIS text helpers and plane
// primitives: tables of hand-checked rows and seeded invariants.

#include "orvik/util/lenient_number.h"
#include "orvik/util/plane.h"
#include "orvik/util/real_format.h"
#include "orvik/util/rounding.h"
#include "orvik/util/sjis_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace orvik {
namespace {

// Decimal or "$" hexadecimal after optional blanks and a sign; anything
// else, or a value beyond int32, is 0; "$FFFFFFFF" wraps to -1.
TEST(StrToIntZ, Table) {
  const std::pair<const char *, std::int32_t> rows[] = {
      {"-7", -7},  {"+7", 7},     {"  12", 12},
      {"$1f", 31}, {"-$10", -16}, {"$FFFFFFFF", -1}};
  for (const auto &[text, value] : rows)
    EXPECT_EQ(StrToIntZ(text), value) << '"' << text << '"';
  EXPECT_EQ(StrToIntZ("2147483647"), INT32_MAX);
  EXPECT_EQ(StrToIntZ("-2147483648"), INT32_MIN);
  for (const char *zero : {"2147483648", "$100000000", "", "12a", "1 ", "1.5",
                           "$G", "$", "+-1", "0x10", "\x82\xA0"})
    EXPECT_EQ(StrToIntZ(zero), 0) << '"' << zero << '"';
}

// Decimals with "." and an exponent; anything malformed, not decimal
// (nan, inf, hexadecimal, a comma) or beyond a double is 0. ':' and ';'
// follow '9' in ASCII: the four-digits-at-once reader must stop at them.
TEST(StrToFloatZ, Table) {
  const std::pair<const char *, double> rows[] = {
      {"1.5E3", 1500},   {"1e+06", 1e6},     {"2.5e-3", 0.0025},
      {"+12.25", 12.25}, {"-12.25", -12.25}, {".5", 0.5},
      {"5.", 5},         {" 3.25 ", 3.25},   {"1e308", 1e308}};
  for (const auto &[text, value] : rows)
    EXPECT_EQ(StrToFloatZ(text), value) << '"' << text << '"';
  for (const char *zero :
       {"-0", "", ".", "-", "1,5", "nan", "-inf", "infinity", "0x1p3", "1e999",
        "1e+", "-+1", "1.5.2", "1 2", "\x82\x4F", "1:", "1;<=", "1234:678"})
    EXPECT_EQ(StrToFloatZ(zero), 0) << '"' << zero << '"';
}

// The C library's "%.15G" spelled without "+" and leading zeros in the
// exponent: 15 digits, plain from 1E-4 up to (not including) 1E15 after
// rounding. The largest double would round to 1.79769313486232E308, which
// does not read back: the largest that does stands for it and infinity.
TEST(FormatReal, Table) {
  const std::pair<const char *, double> rows[] = {
      {"10", 10.0},       {"1E-5", 1E-5}, {"-1E-5", -1e-5}, {"0.0001", 0.0001},
      {"1.5E20", 1.5E20}, {"-2.5", -2.5}, {"0", -0.0},      {"1E-300", 1e-300}};
  for (const auto &[text, value] : rows)
    EXPECT_EQ(FormatReal(value), text) << value;
  EXPECT_EQ(FormatReal(0.00012345), "0.00012345");
  EXPECT_EQ(FormatReal(12345.6789), "12345.6789");
  EXPECT_EQ(FormatReal(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatReal(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(FormatReal(999999999999999.9), "1E15");
  EXPECT_EQ(FormatReal(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatReal(1234567890123456.0), "1.23456789012346E15");
  for (const double huge : {DBL_MAX, std::numeric_limits<double>::infinity()})
    EXPECT_EQ(FormatReal(huge), "1.79769313486231E308");
  EXPECT_EQ(FormatReal(-DBL_MAX), "-1.79769313486231E308");
  EXPECT_EQ(FormatReal(std::nan("")), "0");
  EXPECT_EQ(StrToFloatZ(FormatReal(DBL_MAX)), 1.79769313486231E308);
  std::string s = "lc";
  AppendInt(s, -12);
  EXPECT_EQ(s, "lc-12");
}

// Nearest multiple, halves away from zero, in doubles.
TEST(Rounding, Table) {
  const double rows[][3] = {
      {-7.5, 5, -10}, {7.4, 5, 5},   {12.4, 10, 10},     {27.6, 10, 30},
      {2.5, 1, 3},    {-2.5, 1, -3}, {1e300, 10, 1e300}, {-1e-11, 1e-10, 0}};
  for (const auto &[x, step, rounded] : rows)
    EXPECT_DOUBLE_EQ(RoundToStep(x, step), rounded) << x;
  EXPECT_DOUBLE_EQ(RoundTo1e10(89.99999999999999), 90.0);
}

// 0x80..0x9F and 0xE0..0xFD lead two-byte characters, unless last; あ is
// 0x82 0xA0, ｱ the one byte 0xB1.
TEST(SjisText, Helpers) {
  const std::pair<const char *, std::size_t> lengths[] = {
      {"ab", 1},    {"\x80@", 2}, {"\x9F@", 2}, {"\xE0@", 2}, {"\xFD@", 2},
      {"\xA0@", 1}, {"\xFE@", 1}, {"\x7F@", 1}, {"\x82 ", 2}, {"\x82", 1}};
  for (const auto &[text, length] : lengths)
    EXPECT_EQ(CharLengthAt(text, 0), length) << text;
  const std::string a = "\x82\xA0", i = "\x82\xA2"; // あ, い
  EXPECT_EQ(StripBlanks("\x81\x40 \t" + a + "\x01x "), a + "x");
  EXPECT_EQ(StripBlanks("\x82\x81\x40"), "\x82\x81@"); // no wide space
  long n = -1;
  EXPECT_EQ(ByteRangeCopy(a + i + "abc", 2, 10, n), i + "abc");
  EXPECT_EQ(n, 5);
  EXPECT_EQ(ByteRangeCopy(a + i + "abc", 1, 3, n), a);
  EXPECT_EQ(ByteRangeCopy("abc", 2, 1, n), "b");
  EXPECT_EQ(ByteRangeCopy("ab", 3, 1, n) + ByteRangeCopy("ab", 0, 1, n), "");
  EXPECT_EQ(n, 0);
  EXPECT_EQ(FindCharacter("\x82,a,", ','), 3u); // not the second byte
  EXPECT_EQ(FindCharacter("a,b,", ',', 2), 3u);
  EXPECT_TRUE(EndsInLoneLeadByte("ab\x82") && EndsInLoneLeadByte(a + "\x82"));
  EXPECT_FALSE(EndsInLoneLeadByte("\x82\x82") || EndsInLoneLeadByte(""));
  // A cut never splits a character (the output buffer's records show more).
  EXPECT_EQ(CutToBytes(std::string(254, 'x') + a, 255), std::string(254, 'x'));
  // Width 4, spacing 1: a full-width character 4 and a gap of 1 after
  // it, a half-width one 2 and 0.5, a control byte only its gap.
  EXPECT_DOUBLE_EQ(TextWidth(a + "a", 4, 1), 4 + 1 + 2);
  EXPECT_DOUBLE_EQ(TextWidth(std::string("\x01") + "a", 4, 1), 0.5 + 2);
}

TEST(Plane, Primitives) {
  EXPECT_DOUBLE_EQ(DirectionAngle(0, -1), 3 * kPi / 2);
  EXPECT_DOUBLE_EQ(DirectionAngle(-1, 1), 3 * kPi / 4);
  EXPECT_EQ(DirectionAngle(1e-11, -1e-11), 0); // no direction
  EXPECT_LT(DirectionAngle(1, -1e-15), kTwoPi);
  EXPECT_TRUE(SamePoint(0, 0, 1e-8, -1e-8) && !SamePoint(0, 0, 2e-8, 0));
  // Start, through, end: the counter-clockwise half, the same clockwise,
  // and one through the zero direction; collinear or coincident points,
  // or an end less than 1e-8 off the line through the others, give no arc.
  const double arcs[][9] = {{10, 0, 0, 10, -10, 0, 0, 180, 1},
                            {-10, 0, 0, 10, 10, 0, 0, 180, 0},
                            {5, 0, 10, 5, 5, 10, 270, 90, 1}};
  for (const auto &a : arcs) {
    ThreePointArc arc;
    ASSERT_TRUE(ArcThroughThreePoints(a[0], a[1], a[2], a[3], a[4], a[5], arc));
    EXPECT_DOUBLE_EQ(arc.start_deg, a[6]);
    EXPECT_DOUBLE_EQ(arc.end_deg, a[7]);
    EXPECT_EQ(arc.counter_clockwise, a[8] != 0);
  }
  ThreePointArc arc;
  EXPECT_FALSE(ArcThroughThreePoints(0, 0, 1, 1, 2, 2, arc) ||
               ArcThroughThreePoints(0, 0, 5, 0, 5, 0, arc) ||
               ArcThroughThreePoints(0, 0, 100, 0, 200, 5e-9, arc));
  EXPECT_EQ(arc.radius, 0);
  // Random triples: the circle passes through all three points.
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> coord(-1000, 1000);
  for (int i = 0; i < 2000; ++i) {
    double v[6];
    for (double &x : v)
      x = coord(rng);
    if (!ArcThroughThreePoints(v[0], v[1], v[2], v[3], v[4], v[5], arc))
      continue; // nearly in line
    for (int p = 0; p < 6; p += 2)
      EXPECT_NEAR(std::hypot(v[p] - arc.cx, v[p + 1] - arc.cy), arc.radius,
                  1e-9 * std::max(1.0, arc.radius));
  }
}

} // namespace
} // namespace orvik
