#include "orvik/util/lenient_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace orvik {
namespace {

TEST(StrToIntZ, ReadsDecimalAndDollarHex) {
  EXPECT_EQ(StrToIntZ("42"), 42);
  EXPECT_EQ(StrToIntZ("-7"), -7);
  EXPECT_EQ(StrToIntZ("+7"), 7);
  EXPECT_EQ(StrToIntZ("  12"), 12);
  EXPECT_EQ(StrToIntZ("$1F"), 31);
  EXPECT_EQ(StrToIntZ("$1f"), 31);
  EXPECT_EQ(StrToIntZ("-$10"), -16);
}

TEST(StrToIntZ, RangeLimitsAndHexWrap) {
  EXPECT_EQ(StrToIntZ("2147483647"), 2147483647);
  EXPECT_EQ(StrToIntZ("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToIntZ("2147483648"), 0);
  EXPECT_EQ(StrToIntZ("99999999999999999999999"), 0);
  EXPECT_EQ(StrToIntZ("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToIntZ("$100000000"), 0);
}

TEST(StrToIntZ, MalformedTextIsZero) {
  for (const char *bad : {"", " ", "12a", "1 ", "1.5", "$", "$G", "-", "+-1",
                          "--1", "0x10", "1e3", "\x82\xA0"})
    EXPECT_EQ(StrToIntZ(bad), 0) << "text: " << bad;
}

TEST(StrToFloatZ, ReadsDecimalForms) {
  EXPECT_EQ(StrToFloatZ("1.5e3"), 1500.0);
  EXPECT_EQ(StrToFloatZ("1.5E3"), 1500.0);
  EXPECT_EQ(StrToFloatZ("1e+06"), 1e6);
  EXPECT_EQ(StrToFloatZ("2.5E-3"), 0.0025);
  EXPECT_EQ(StrToFloatZ("-12.25"), -12.25);
  EXPECT_EQ(StrToFloatZ("+12.25"), 12.25);
  EXPECT_EQ(StrToFloatZ(".5"), 0.5);
  EXPECT_EQ(StrToFloatZ("5."), 5.0);
  EXPECT_EQ(StrToFloatZ(" 3.25 "), 3.25);
  EXPECT_EQ(StrToFloatZ("1e308"), 1e308);
}

TEST(StrToFloatZ, MinusZeroReadsAsZero) { EXPECT_EQ(StrToFloatZ("-0"), 0.0); }

TEST(StrToFloatZ, NonDecimalAndOverflowAreZero) {
  for (const char *bad :
       {"",      ".",      "-",    "+",        "1,5",     "nan",
        "NaN",   "inf",    "-inf", "infinity", "0x1p3",   "0x10",
        "1e999", "-1e999", "1e",   "1e+",      "+-1",     "-+1",
        "1.5.2", "12a",    "a12",  "1 2",      "\x82\x4F"})
    EXPECT_EQ(StrToFloatZ(bad), 0.0) << "text: " << bad;
}

// Plain decimals take a short path; it must give what the general
// conversion (the C library's, in the C locale) gives, to the last bit.
TEST(StrToFloatZ, PlainDecimalsMatchTheGeneralConversion) {
  std::mt19937_64 rng(2024);
  std::uniform_int_distribution<int> length(1, 22), digit(0, 9), coin(0, 1);
  for (int i = 0; i < 100000; ++i) {
    std::string text = coin(rng) ? "-" : "";
    const int n = length(rng);
    const int point = std::uniform_int_distribution<int>(0, n)(rng);
    for (int d = 0; d < n; ++d) {
      if (d == point)
        text += '.';
      text += static_cast<char>('0' + digit(rng));
    }
    const double expected = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(StrToFloatZ(text), expected) << text;
  }
}

// A comma-decimal C locale must not change how "." or "," read.
TEST(StrToFloatZ, IgnoresTheCLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  bool switched = false;
  for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      switched = true;
      break;
    }
  const double dot = StrToFloatZ("1.5");
  const double comma = StrToFloatZ("1,5");
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(dot, 1.5);
  EXPECT_EQ(comma, 0.0);
  if (!switched)
    GTEST_SKIP() << "no comma-decimal locale installed; checked under C only";
}

} // namespace
} // namespace orvik
