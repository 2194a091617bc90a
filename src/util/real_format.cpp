#include "orvik/util/real_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace orvik {
namespace {

constexpr int kDigits = 15;
// The largest 15-digit decimal that still reads back as a finite double.
constexpr char kLargestDigits[] = "179769313486231";
constexpr int kLargestExponent = 308;

struct Decimal {
  bool negative = false;
  char digits[kDigits + 1] = {}; // significant digits, no trailing zeros
  int count = 0;                 // number of significant digits kept
  int exponent = 0;              // value = d.ddd * 10^exponent
};

Decimal ToDecimal(double value) {
  Decimal d;
  std::array<char, 40> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                    std::chars_format::scientific, kDigits - 1);
  const char *p = buf.data();
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  // "d.dddddddddddddde[+-]xx"
  d.digits[d.count++] = *p++;
  if (*p == '.')
    ++p;
  while (*p != 'e' && p < result.ptr)
    d.digits[d.count++] = *p++;
  ++p; // 'e'
  std::from_chars(p[0] == '+' ? p + 1 : p, result.ptr, d.exponent);
  while (d.count > 1 && d.digits[d.count - 1] == '0')
    --d.count;
  d.digits[d.count] = '\0';
  return d;
}

void ClampToLargest(Decimal &d) {
  d.count = kDigits;
  std::memcpy(d.digits, kLargestDigits, sizeof kLargestDigits);
  d.exponent = kLargestExponent;
}

void AppendExponentForm(std::string &out, const Decimal &d) {
  out.push_back(d.digits[0]);
  if (d.count > 1) {
    out.push_back('.');
    out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
  }
  out.push_back('E');
  AppendInt(out, d.exponent);
}

void AppendPlainForm(std::string &out, const Decimal &d) {
  if (d.exponent < 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out.append(d.digits, static_cast<std::size_t>(d.count));
    return;
  }
  const int integer_digits = d.exponent + 1;
  if (d.count <= integer_digits) {
    out.append(d.digits, static_cast<std::size_t>(d.count));
    out.append(static_cast<std::size_t>(integer_digits - d.count), '0');
    return;
  }
  out.append(d.digits, static_cast<std::size_t>(integer_digits));
  out.push_back('.');
  out.append(d.digits + integer_digits,
             static_cast<std::size_t>(d.count - integer_digits));
}

} // namespace

void AppendReal(std::string &out, double value) {
  if (std::isnan(value) || value == 0.0) {
    out.push_back('0');
    return;
  }
  Decimal d;
  if (std::isinf(value)) {
    d.negative = value < 0;
    ClampToLargest(d);
  } else {
    d = ToDecimal(value);
    if (d.exponent == kLargestExponent && d.count == kDigits &&
        std::memcmp(d.digits, kLargestDigits, kDigits) > 0)
      ClampToLargest(d);
  }
  if (d.negative)
    out.push_back('-');
  // Plain between 1E-4 (inclusive) and 1E15 (exclusive), after rounding.
  if (d.exponent < -4 || d.exponent >= kDigits)
    AppendExponentForm(out, d);
  else
    AppendPlainForm(out, d);
}

std::string FormatReal(double value) {
  std::string s;
  AppendReal(s, value);
  return s;
}

void AppendInt(std::string &out, std::int64_t value) {
  std::array<char, 24> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  out.append(buf.data(), result.ptr);
}

} // namespace orvik
