// The number reader and writer against the C library over seeded random
// values, at length (label "long"); the tables of util_test.cpp hold the
// hand-checked cases.

#include "orvik/util/lenient_number.h"
#include "orvik/util/real_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace orvik {
namespace {

// Plain decimals take a short path; it must give what strtod (in the C
// locale) gives, to the last bit.
TEST(NumbersLong, PlainDecimalsMatchStrtod) {
  std::mt19937_64 rng(2024);
  std::uniform_int_distribution<int> length(1, 22), digit(0, 9), coin(0, 1);
  for (int i = 0; i < 100000; ++i) {
    std::string text = coin(rng) ? "-" : "";
    const int n = length(rng);
    const int point = std::uniform_int_distribution<int>(0, n)(rng);
    for (int d = 0; d < n; ++d)
      text += std::string(d == point ? "." : "") +
              static_cast<char>('0' + digit(rng));
    ASSERT_EQ(StrToFloatZ(text), std::strtod(text.c_str(), nullptr)) << text;
  }
}

// "%.15G" is the same format, spelled with a "+" and at least two exponent
// digits.
std::string PrintfFormat(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  std::string s = buf;
  const std::size_t e = s.find('E');
  if (e == std::string::npos)
    return s == "-0" ? "0" : s;
  const bool negative = s[e + 1] == '-';
  const std::size_t digits = s.find_first_not_of('0', e + 2);
  return s.substr(0, e + 1) + (negative ? "-" : "") + s.substr(digits);
}

// Drawing coordinates (the fast path), decimals of any count and any
// finite bit pattern (any magnitude); each also reads back to a value that
// formats the same.
TEST(NumbersLong, FormatMatchesTheCGeneralFormat) {
  std::mt19937_64 rng(31337);
  std::uniform_int_distribution<std::int64_t> ten_thousandths(-1e18, 1e18);
  std::uniform_int_distribution<int> decimals(3, 9), digits(0, 16);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 200000; ++i) {
    double v = 0;
    switch (i % 4) {
    case 0:
      v = static_cast<double>(ten_thousandths(rng) % 100'000'000'000) / 1e4;
      break;
    case 3: // millionths of every magnitude, about 1E-4 and 1E9 included
      v = static_cast<double>(
              ten_thousandths(rng) %
              static_cast<std::int64_t>(std::pow(10.0, digits(rng)))) /
          1e6;
      break;
    case 1:
      v = static_cast<double>(ten_thousandths(rng)) /
          std::pow(10.0, decimals(rng));
      break;
    default:
      do {
        const std::uint64_t b = bits(rng);
        std::memcpy(&v, &b, sizeof v);
      } while (!std::isfinite(v));
    }
    if (std::fabs(v) > 1.7976931348623e308)
      continue; // the largest values are clamped on purpose
    const std::string text = FormatReal(v);
    ASSERT_EQ(text, PrintfFormat(v)) << "bits of " << v;
    ASSERT_EQ(FormatReal(StrToFloatZ(text)), text);
  }
}

} // namespace
} // namespace orvik
