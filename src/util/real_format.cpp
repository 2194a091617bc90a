#include "orvik/util/real_format.h"

#include <algorithm>
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

// Parses to_chars' scientific output "[-]d[.ddd]e[+-]xx" into d.
void ParseScientific(const char *p, const char *end, Decimal &d) {
  d = Decimal{};
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  d.digits[d.count++] = *p++;
  if (*p == '.')
    ++p;
  while (p < end && *p != 'e' && d.count < kDigits)
    d.digits[d.count++] = *p++;
  while (p < end && *p != 'e')
    ++p;
  ++p; // 'e'
  std::from_chars(p[0] == '+' ? p + 1 : p, end, d.exponent);
  while (d.count > 1 && d.digits[d.count - 1] == '0')
    --d.count;
  d.digits[d.count] = '\0';
}

// The value rounded to 15 significant digits. The shortest digits that
// read back as the value are those digits whenever there are at most 15 of
// them: the 15-digit grid is coarser than the spacing of doubles, so the
// nearest 15-digit decimal is that shortest one. Values that need 16 or 17
// digits to read back, and subnormals (whose spacing is coarser than the
// grid), take the slower rounding conversion.
Decimal ToDecimal(double value) {
  std::array<char, 40> buf{};
  char *const first = buf.data();
  char *const last = buf.data() + buf.size();
  auto result =
      std::to_chars(first, last, value, std::chars_format::scientific);
  // The mantissa is "d" or "d.ddd", after an optional minus sign.
  const char *e = std::find(first, result.ptr, 'e');
  const auto mantissa = static_cast<int>(e - first) - (value < 0 ? 1 : 0);
  const int digits = mantissa > 1 ? mantissa - 1 : 1;
  if (digits > kDigits || std::fabs(value) < std::numeric_limits<double>::min())
    result = std::to_chars(first, last, value, std::chars_format::scientific,
                           kDigits - 1);
  Decimal d;
  ParseScientific(first, result.ptr, d);
  return d;
}

void ClampToLargest(Decimal &d) {
  d.count = kDigits;
  std::memcpy(d.digits, kLargestDigits, sizeof kLargestDigits);
  d.exponent = kLargestExponent;
}

char *Put(char *out, const char *text, std::size_t n) {
  std::memcpy(out, text, n);
  return out + n;
}

char *WriteExponentForm(char *out, const Decimal &d) {
  *out++ = d.digits[0];
  if (d.count > 1) {
    *out++ = '.';
    out = Put(out, d.digits + 1, static_cast<std::size_t>(d.count - 1));
  }
  *out++ = 'E';
  return std::to_chars(out, out + 8, d.exponent).ptr;
}

char *WritePlainForm(char *out, const Decimal &d) {
  if (d.exponent < 0) {
    out = Put(out, "0.", 2);
    const auto zeros = static_cast<std::size_t>(-d.exponent - 1);
    std::memset(out, '0', zeros);
    return Put(out + zeros, d.digits, static_cast<std::size_t>(d.count));
  }
  const int integer_digits = d.exponent + 1;
  if (d.count <= integer_digits) {
    out = Put(out, d.digits, static_cast<std::size_t>(d.count));
    const auto zeros = static_cast<std::size_t>(integer_digits - d.count);
    std::memset(out, '0', zeros);
    return out + zeros;
  }
  out = Put(out, d.digits, static_cast<std::size_t>(integer_digits));
  *out++ = '.';
  return Put(out, d.digits + integer_digits,
             static_cast<std::size_t>(d.count - integer_digits));
}

// Values from 1E-4 up to 1E9 that are a whole number of millionths, as
// drawing coordinates are (the host writes at most six decimals), print
// straight from that integer. n / 1e6 == v holds exactly when v is the
// double nearest to the decimal n * 10^-6, and that decimal has at most 15
// digits, so it is what the rounding gives; from 1E-4 up it is written
// plain. Returns nullptr for any other value.
char *WriteMillionths(char *out, double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < 1e9) || magnitude < 1e-4)
    return nullptr;
  // Any nearby integer will do as a candidate: the test below decides.
  const auto m = static_cast<std::uint64_t>(magnitude * 1e6 + 0.5);
  if (static_cast<double>(m) / 1e6 != magnitude)
    return nullptr;
  if (value < 0)
    *out++ = '-';
  out = std::to_chars(out, out + 16, m / 1000000).ptr;
  auto fraction = static_cast<unsigned>(m % 1000000);
  if (fraction == 0)
    return out;
  int length = 6;
  for (; fraction % 10 == 0; fraction /= 10)
    --length;
  *out++ = '.';
  for (int i = length - 1; i >= 0; --i, fraction /= 10)
    out[i] = static_cast<char>('0' + fraction % 10);
  return out + length;
}

} // namespace

char *WriteReal(char *out, double value) {
  if (std::isnan(value) || value == 0.0) {
    *out = '0';
    return out + 1;
  }
  if (char *end = WriteMillionths(out, value))
    return end;
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
    *out++ = '-';
  // Plain from 1E-4 up to, not including, 1E15, after rounding.
  if (d.exponent < -4 || d.exponent >= kDigits)
    return WriteExponentForm(out, d);
  return WritePlainForm(out, d);
}

void AppendReal(std::string &out, double value) {
  char buf[kMaxRealChars];
  out.append(buf, WriteReal(buf, value));
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
