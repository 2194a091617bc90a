#include "orvik/util/sjis_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orvik {
namespace {

// "あい" + "abc": two full-width, three half-width characters.
const std::string kMixed = "\x82\xA0\x82\xA2"
                           "abc";
const std::string kA = "\x82\xA0"; // あ
const std::string kI = "\x82\xA2"; // い
const std::string kWideSpace = "\x81\x40";

TEST(SjisText, ByteRangeCopyLeavesCutCharactersOut) {
  long copied = -1;
  EXPECT_EQ(ByteRangeCopy(kMixed, 2, 10, copied), kI + "abc");
  EXPECT_EQ(copied, 5);
  EXPECT_EQ(ByteRangeCopy(kMixed, 1, 3, copied), kA);
  EXPECT_EQ(copied, 2);
  EXPECT_EQ(ByteRangeCopy(kMixed, 5, 2, copied), "ab");
  EXPECT_EQ(ByteRangeCopy(kMixed, 8, 1, copied), "");
  EXPECT_EQ(copied, 0);
  EXPECT_EQ(ByteRangeCopy("", 1, 1, copied), "");
  EXPECT_EQ(ByteRangeCopy(kMixed, 0, 3, copied), "");
}

TEST(SjisText, StripBlanksRemovesSpacesAndControlBytes) {
  EXPECT_EQ(StripBlanks(kWideSpace + " \t" + kA + "\x01x "), kA + "x");
  EXPECT_EQ(StripBlanks(kWideSpace + " "), "");
  // 0x81 0x40 is a wide space only as a character of its own; here the
  // 0x81 is the second byte of the pair before it.
  EXPECT_EQ(StripBlanks("\x82\x81\x40"), "\x82\x81"
                                         "@");
  EXPECT_EQ(StripBlanks("a\x82"), "a\x82");
}

TEST(SjisText, TextWidthOfMixedRuns) {
  EXPECT_DOUBLE_EQ(TextWidth(kA + "a", 4, 1), 4 + 1 + 2);
  EXPECT_DOUBLE_EQ(TextWidth("ab", 4, 1), 2 + 0.5 + 2);
  EXPECT_DOUBLE_EQ(TextWidth("", 4, 1), 0);
  EXPECT_DOUBLE_EQ(TextWidth("\x01"
                             "a",
                             4, 0),
                   2); // control bytes add nothing
}

TEST(SjisText, LoneLeadByteAtTheEnd) {
  EXPECT_TRUE(EndsInLoneLeadByte("ab\x82"));
  EXPECT_FALSE(EndsInLoneLeadByte("ab\x82\xA0"));
  EXPECT_TRUE(EndsInLoneLeadByte("\x82\xA0\x82"));
  EXPECT_FALSE(EndsInLoneLeadByte("\x82\x82")); // one character
  EXPECT_FALSE(EndsInLoneLeadByte(""));
}

TEST(CutToBytes, KeepsFittingTextWhole) {
  EXPECT_EQ(CutToBytes("abc", 3), "abc");
  EXPECT_EQ(CutToBytes("abcd", 3), "abc");
}

TEST(CutToBytes, CutsBeforeATwoByteCharacter) {
  EXPECT_EQ(CutToBytes("ab" + kA, 3), "ab");
  EXPECT_EQ(CutToBytes(std::string(254, 'x') + kA, 255), std::string(254, 'x'));
}

// For random Shift-JIS texts: the cut is a prefix, fits, ends on a
// character boundary, and stops only where the next character would not fit.
TEST(CutToBytes, NeverSplitsACharacter) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 2000; ++round) {
    std::string s;
    const int n = 1 + round % 40;
    for (int i = 0; i < n; ++i)
      s.push_back(static_cast<char>(byte(rng)));
    for (std::size_t max = 0; max <= s.size() + 1; ++max) {
      const std::string_view cut = CutToBytes(s, max);
      ASSERT_LE(cut.size(), max < s.size() ? max : s.size());
      ASSERT_EQ(s.compare(0, cut.size(), cut), 0);
      // Walk characters of s: the cut must end at a character start.
      std::size_t i = 0;
      while (i < cut.size())
        i += (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size())
                 ? 2
                 : 1;
      ASSERT_EQ(i, cut.size());
      if (cut.size() < s.size() && max >= s.size())
        FAIL() << "a fitting text was cut";
      if (cut.size() < s.size()) {
        const std::size_t next =
            (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size())
                ? 2
                : 1;
        ASSERT_GT(cut.size() + next, max);
      }
    }
  }
}

} // namespace
} // namespace orvik
