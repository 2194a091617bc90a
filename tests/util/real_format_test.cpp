#include "orvik/util/lenient_number.h"
#include "orvik/util/real_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace orvik {
namespace {

struct FormatCase {
  double value;
  const char *text;
};

// The general 15-digit format, byte for byte.
TEST(FormatReal, GeneralFormatTable) {
  const FormatCase cases[] = {
      {10, "10"},
      {2.5, "2.5"},
      {0.1 + 0.2, "0.3"},
      {1E-5, "1E-5"},
      {0.0001, "0.0001"},
      {1.5E20, "1.5E20"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E15"},
      {-2.5, "-2.5"},
      {0.0, "0"},
      {-0.0, "0"},
      {1e15, "1E15"},
      {999999999999999.9, "1E15"}, // rounds up into exponent form
      {0.00012345, "0.00012345"},
      {-1e-5, "-1E-5"},
      {1e-300, "1E-300"},
      {1e6, "1000000"},
      {123.456, "123.456"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {1e308, "1E308"},
      {12345.6789, "12345.6789"},
      {-0.5, "-0.5"},
  };
  for (const FormatCase &c : cases)
    EXPECT_EQ(FormatReal(c.value), c.text) << "value " << c.value;
}

// The largest double would round to 1.79769313486232E308, which no longer
// reads back as a number; the writer must stay readable.
TEST(FormatReal, ExtremesStayReadable) {
  EXPECT_EQ(FormatReal(DBL_MAX), "1.79769313486231E308");
  EXPECT_EQ(FormatReal(-DBL_MAX), "-1.79769313486231E308");
  EXPECT_EQ(FormatReal(std::numeric_limits<double>::infinity()),
            "1.79769313486231E308");
  EXPECT_EQ(FormatReal(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_NE(StrToFloatZ(FormatReal(DBL_MAX)), 0.0);
}

// Formatting is stable: what is written reads back as a value that formats
// to the same text, and lies within 15-digit rounding of the original.
TEST(FormatReal, RoundTripsThroughTheReader) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 22);
  for (int i = 0; i < 20000; ++i) {
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    const std::string text = FormatReal(v);
    const double back = StrToFloatZ(text);
    EXPECT_EQ(FormatReal(back), text);
    EXPECT_LE(std::fabs(back - v), std::fabs(v) * 5e-15) << text;
  }
}

// The C library's "%.15G" in the C locale is the same format, spelled with
// a "+" and at least two digits in the exponent.
std::string ReferenceFormat(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  std::string s = buf;
  const std::size_t e = s.find('E');
  if (e == std::string::npos)
    return s == "-0" ? "0" : s;
  std::string exponent = s.substr(e + 1);
  const bool negative = exponent[0] == '-';
  exponent.erase(0, 1);
  exponent.erase(0, exponent.find_first_not_of('0'));
  return s.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

// Coordinates with a few decimals take a fast path; everything else the
// general one. Both must agree with the reference on every kind of value.
TEST(FormatReal, MatchesTheCGeneralFormat) {
  std::mt19937_64 rng(31337);
  std::uniform_int_distribution<std::int64_t> ten_thousandths(
      -1'000'000'000'000'000, 1'000'000'000'000'000);
  std::uniform_int_distribution<int> decimals(0, 6),
      binary_exponent(-1074, 1023);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 200000; ++i) {
    double v = 0;
    switch (i % 4) {
    case 0: // drawing coordinates
      v = static_cast<double>(ten_thousandths(rng) % 100'000'000'000) / 1e4;
      break;
    case 1: // decimals of any count
      v = static_cast<double>(ten_thousandths(rng)) /
          std::pow(10.0, decimals(rng) + 3);
      break;
    case 2: // any magnitude
      v = std::ldexp(1.0 + static_cast<double>(bits(rng) >> 12) * 0x1p-52,
                     binary_exponent(rng)) *
          ((i & 8) ? -1 : 1);
      break;
    default: // any bit pattern that is finite
      do {
        const std::uint64_t b = bits(rng);
        std::memcpy(&v, &b, sizeof v);
      } while (!std::isfinite(v));
    }
    if (std::fabs(v) > 1.7976931348623e308)
      continue; // clamped on purpose, see ExtremesStayReadable
    ASSERT_EQ(FormatReal(v), ReferenceFormat(v)) << "bits of " << v;
  }
}

TEST(AppendInt, PlainDecimal) {
  std::string s = "lc";
  AppendInt(s, -12);
  AppendInt(s, 0);
  AppendInt(s, 2147483647);
  EXPECT_EQ(s, "lc-1202147483647");
}

} // namespace
} // namespace orvik
