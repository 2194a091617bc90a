#include "orvik/util/lenient_number.h"

#include <charconv>
#include <system_error>

namespace orvik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::string_view SkipLeadingSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  return s;
}

} // namespace

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
      const int digit = HexValue(c);
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

  double value = 0.0;
  const char *end = s.data() + s.size();
  const auto [ptr, ec] =
      std::from_chars(s.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end)
    return 0.0;
  return value;
}

} // namespace orvik
