#pragma once
// Text helpers that respect the Shift-JIS (code page 932) double-byte
// encoding. Texts stay bytes here; decoding to Unicode happens only where
// the window shows or draws them.
//
// Rule: a byte in 0x80..0x9F or 0xE0..0xFD starts a two-byte (full-width)
// character and takes the next byte with it. Every other byte, including
// half-width katakana 0xA0..0xDF and 0xFE, 0xFF, is a one-byte character.
// A lead byte in the last position counts as a one-byte character.
// Byte positions of ByteRangeCopy are 1-based, those of the others 0-based.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvik {

constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD);
}

// Byte length, 1 or 2, of the character that starts at byte i: the step
// from one character to the next. At the end (i equal to the size) it is 1
// and reads nothing, so a look one character ahead needs no guard.
constexpr std::size_t CharLengthAt(std::string_view text, std::size_t i) {
  return i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i]))
             ? 2
             : 1;
}

// The text without half-width spaces, full-width spaces (0x81 0x40) and
// control bytes (below 0x20).
std::string StripBlanks(std::string_view text);

// The whole characters lying inside bytes first .. first + count - 1;
// a two-byte character cut by either end of the range is left out.
// `copied` receives the number of bytes copied.
std::string ByteRangeCopy(std::string_view text, long first, long count,
                          long &copied);

// Byte position (0-based) of the first one-byte character equal to `c`,
// from byte `from` on, skipping the second bytes of two-byte characters;
// npos when there is none.
std::size_t FindCharacter(std::string_view text, char c, std::size_t from = 0);

// True when the last byte is a lead byte without its second byte.
bool EndsInLoneLeadByte(std::string_view text);

// The longest prefix of at most `max_bytes` bytes that does not split a
// two-byte character. A text that already fits is returned whole.
std::string_view CutToBytes(std::string_view text, std::size_t max_bytes);

// Run length of the text: a full-width character counts `width`, a
// printable one-byte character width / 2, a control byte nothing; after
// every character but the last, `spacing` (full-width) or spacing / 2.
double TextWidth(std::string_view text, double width, double spacing);

} // namespace orvik
