#pragma once
// Shift-JIS as Windows has it (code page 932, windows-31j): the JIS X 0208
// characters plus the NEC and IBM extensions (①, ㎡, 髙), which a strict
// Shift_JIS decoder garbles. The table comes from the system (the Windows
// API, or ICU elsewhere), read once per process; decoding is then a table
// lookup and gives the same text on every platform.

#include <string>
#include <string_view>

namespace orvik::platform {

// Decodes a Shift-JIS text. Never fails: a byte pair the code page does
// not map, a lead byte whose next byte cannot follow it (that byte is then
// read on its own), a lone lead byte at the end, and the bytes 0x7F, 0x80,
// 0xA0 and 0xFD..0xFF each become U+FFFD. Other bytes below 0x80 stand for
// themselves; 0xA1..0xDF are the half-width katakana.
std::u16string DecodeCp932(std::string_view sjis);

// The same text as UTF-8, for terminals and JSON.
std::string Cp932ToUtf8(std::string_view sjis);

// The Shift-JIS bytes of one character, or empty when the code page has
// none (where two byte pairs map to it, the first in byte order).
std::string EncodeCp932(char16_t c);

} // namespace orvik::platform
