// Code page 932 as every platform must decode it: the same byte strings
// give the same text on Linux (ICU's table) and on Windows (the system's).
// The expected code points are those of the windows-31j mapping table.

#include "orvik/platform/cp932.h"

#include <gtest/gtest.h>

namespace orvik::platform {
namespace {

TEST(Cp932, DecodesAsWindowsDoes) {
  const std::pair<const char *, std::u16string> rows[] = {
      {"A\xB1\xA1\xDF", u"A\uFF71\uFF61\uFF9F"}, // ASCII, half-width ｱ｡ﾟ
      {"\x8A\xBF\x8E\x9A", u"\u6F22\u5B57"},     // 漢字
      {"\x87\x40\x87\x75", u"\u2460\u33A1"},     // ① ㎡ (NEC row 13)
      {"\xFB\xFC\xEE\xE0", u"\u9AD9\u9AD9"},     // 髙 (IBM, NEC-selected IBM)
      {"\xED\x95\xEE\xEF", u"\uFA11\u2170"},     // 﨑 ⅰ
      {"\xF0\x40", u"\uE000"},                   // user-defined area
      // Lead bytes at the ends of their ranges: 0x9F, 0xE0 and 0xFC.
      {"\x9F\x40\xE0\x40\xFC\x40", u"\u6A97\u6F3E\u9ADC"}, // 檗漾髜
      // Second bytes at each end of their two ranges: 0x40, 0x7E, 0x80, 0xFC.
      {"\x81\x40\x81\x7E\x81\x80\x81\xFC", u"\u3000\u00D7\u00F7\u25EF"},
      // Not characters: an unmapped pair, a lone lead byte at the end, a
      // lead byte whose next byte cannot follow it (read on its own), and
      // the bytes 0x7F, 0x80, 0xA0, 0xFD..0xFF.
      {"\xEB\x40", u"\uFFFD"},
      {"B\x82", u"B\uFFFD"},
      {"\x81 C", u"\uFFFD C"},
      {"\x81\x7F", u"\uFFFD\uFFFD"},
      {"\x7F\x80\xA0\xFD\xFE\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const auto &[sjis, text] : rows)
    EXPECT_EQ(DecodeCp932(sjis), text) << sjis;
  // One, two and three UTF-8 bytes; the replacement character is three.
  EXPECT_EQ(Cp932ToUtf8("\x87\x40\xFB\xFC\x41\xB1\x81\x8B\xFF"),
            "①髙Aｱ°\uFFFD");
}

TEST(Cp932, EncodesWhatItDecodes) {
  EXPECT_EQ(EncodeCp932(u'A'), "A");
  EXPECT_EQ(EncodeCp932(u'\uFF71'), "\xB1");
  // Duplicates take the first pair in byte order: ￢ is 0x81CA, and also
  // 0xEEF9 (NEC-selected IBM) and 0xFA54 (IBM).
  EXPECT_EQ(EncodeCp932(u'\uFFE2'), "\x81\xCA");
  EXPECT_EQ(EncodeCp932(u'\u00E9'), ""); // é has no Shift-JIS form
  // Every pair that decodes to a character encodes back to a pair that
  // decodes to it again (令 to 0x97DF, the only pair that decodes to it).
  for (int lead = 0x81; lead <= 0xFC; ++lead)
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string c = DecodeCp932(std::string_view(pair, 2));
      if (c.size() == 1 && c[0] != 0xFFFD) {
        EXPECT_EQ(DecodeCp932(EncodeCp932(c[0])), c) << lead << " " << trail;
      }
    }
}

} // namespace
} // namespace orvik::platform
