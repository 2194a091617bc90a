#pragma once
// Lenient number conversion for everything read from the exchange file, the
// settings file or a panel control. Bad text never raises an error: it reads
// as zero, which is what the host and the rest of the program expect.

#include <cstdint>
#include <string_view>

namespace orvik {

// Value 0..15 of a hexadecimal digit (either case), or -1.
int HexDigitValue(char c);

// Whole-text integer parse: optional leading spaces, an optional sign, then
// decimal digits or hexadecimal digits after "$". Anything else (trailing
// characters, an empty text, a value outside int32) gives 0. Hexadecimal
// values up to $FFFFFFFF wrap into int32, so "$FFFFFFFF" is -1.
std::int32_t StrToIntZ(std::string_view text);

// Whole-text real parse with "." as the only decimal point: optional
// leading and trailing spaces, optional sign, digits with an optional
// fraction and an optional exponent ("1e+06", "1.5E3", ".5", "5.").
// Returns 0.0 for empty or malformed text and for anything the host would
// not write as a number: "nan", "inf", hexadecimal floats, a comma as the
// decimal point, and values that overflow (or underflow) a double.
// Independent of the C locale.
double StrToFloatZ(std::string_view text);

} // namespace orvik
