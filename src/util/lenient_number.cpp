#include "orvik/util/lenient_number.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace orvik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of decimal digits into `mantissa`, four at a time while it
// can: drawing coordinates have runs of three to six digits.
const char *ReadDigits(const char *p, const char *end,
                       std::uint64_t &mantissa) {
  while (end - p >= 4) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    // All four bytes in '0'..'9': high nibbles 3, and adding 6 keeps them 3.
    if ((v & 0xF0F0F0F0u) != 0x30303030u ||
        ((v + 0x06060606u) & 0xF0F0F0F0u) != 0x30303030u)
      break;
    v -= 0x30303030u;
    // Bytes d0..d3 (d0 first): pairs 10*d0+d1 and 10*d2+d3, then both.
    v = v * 10 + (v >> 8);
    v = ((v & 0x00FF00FFu) * (1 + (100u << 16))) >> 16;
    mantissa = mantissa * 10000 + (v & 0xFFFFu);
    p += 4;
  }
  while (p < end && static_cast<unsigned>(*p - '0') < 10)
    mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
  return p;
}

// Plain decimals ("-1234.5678") with at most 19 digits convert exactly by
// one division when the digits fit in 53 bits and the fraction has at most
// 22 digits: both operands are then exact doubles and the division is
// correctly rounded, the same result as the general conversion. Returns
// false, leaving `value` alone, for anything else.
bool PlainDecimal(std::string_view s, double &value) {
  static constexpr double kPowersOfTen[] = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char *p = s.data();
  const char *const end = p + s.size();
  const bool negative = p < end && *p == '-';
  p += negative ? 1 : 0;
  // Up to 19 digits cannot overflow; longer runs may wrap and are refused.
  std::uint64_t mantissa = 0;
  const char *const whole_start = p;
  p = ReadDigits(p, end, mantissa);
  const auto whole_digits = p - whole_start;
  std::ptrdiff_t fraction_digits = 0;
  if (p < end && *p == '.') {
    const char *const fraction_start = ++p;
    p = ReadDigits(p, end, mantissa);
    fraction_digits = p - fraction_start;
  }
  const auto digits = whole_digits + fraction_digits;
  if (p != end || digits == 0 || digits > 19 ||
      mantissa > (std::uint64_t{1} << 53) || fraction_digits > 22)
    return false;
  const double v =
      static_cast<double>(mantissa) / kPowersOfTen[fraction_digits];
  value = negative ? -v : v;
  return true;
}

std::string_view SkipLeadingSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  return s;
}

} // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::int32_t StrToIntZ(std::string_view text) {
  std::string_view s = SkipLeadingSpaces(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty())
    return 0;

  std::uint64_t value = 0;
  if (s.front() == '$') {
    s.remove_prefix(1);
    if (s.empty())
      return 0;
    for (char c : s) {
      const int digit = HexDigitValue(c);
      if (digit < 0)
        return 0;
      value = value * 16 + static_cast<unsigned>(digit);
      if (value > 0xFFFFFFFFu)
        return 0;
    }
    // Wrap into int32 as the host's own parser does ("$FFFFFFFF" is -1).
    const auto wrapped = static_cast<std::uint32_t>(value);
    const auto magnitude =
        static_cast<std::int64_t>(static_cast<std::int32_t>(wrapped));
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  }

  for (char c : s) {
    if (!IsDigit(c))
      return 0;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 2147483648u)
      return 0;
  }
  if (!negative && value > 2147483647u)
    return 0;
  const auto signed_value = static_cast<std::int64_t>(value);
  return static_cast<std::int32_t>(negative ? -signed_value : signed_value);
}

double StrToFloatZ(std::string_view text) {
  double value = 0.0;
  if (PlainDecimal(text, value))
    return value;
  std::string_view s = SkipLeadingSpaces(text);
  while (!s.empty() && s.back() == ' ')
    s.remove_suffix(1);
  // from_chars takes a minus sign but no plus sign, and it also accepts
  // "inf", "nan" and "infinity": the first character after the sign must
  // start a decimal number.
  std::size_t first = 0;
  if (!s.empty() && s.front() == '+')
    s.remove_prefix(1);
  else if (!s.empty() && s.front() == '-')
    first = 1;
  if (s.size() <= first || !(IsDigit(s[first]) || s[first] == '.'))
    return 0.0;

  if (PlainDecimal(s, value))
    return value;
  const char *end = s.data() + s.size();
  const auto [ptr, ec] =
      std::from_chars(s.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end)
    return 0.0;
  return value;
}

} // namespace orvik
