#pragma once
// The one number format of the exchange and settings files: the general
// format with 15 significant digits that the host reads back.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvik {

// Appends `value` in the general 15-significant-digit format:
//  - rounded to 15 significant digits, trailing zeros removed, a "." only
//    when a fraction remains ("10", "2.5", "0.3" for 0.1+0.2);
//  - plain notation when the magnitude is at least 0.0001 and the integer
//    part has at most 15 digits ("0.0001", "123456789012345");
//  - otherwise the digits with a point after the first one, "E", a minus
//    sign only for a negative exponent, and the exponent without leading
//    zeros ("1E-5", "1.5E20", "1.23456789012346E15").
// Zero, including -0, is "0". Non-finite values never come from the reader
// (which reads them as 0); should a computation produce one, NaN is written
// as "0" and an infinity as the largest magnitude that still reads back as
// a finite double, so no record can carry a token the host cannot parse.
// Values that would round up past the largest double are handled the same
// way.
void AppendReal(std::string &out, double value);
std::string FormatReal(double value);

// The same text written at `out`, which must have room for kMaxRealChars
// bytes; returns the end of what was written.
inline constexpr std::size_t kMaxRealChars = 24;
char *WriteReal(char *out, double value);

// Plain decimal integer, "-" for negatives.
void AppendInt(std::string &out, std::int64_t value);

} // namespace orvik
