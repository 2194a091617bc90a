#include "orvik/exchange/field_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvik::exchange {
namespace {

std::vector<std::string> Fields(std::string_view line) {
  FieldScanner scanner;
  const int n = scanner.Split(line);
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i)
    out.emplace_back(scanner.Field(i));
  return out;
}

using V = std::vector<std::string>;

TEST(FieldScanner, BlanksSeparateAndCollapse) {
  EXPECT_EQ(Fields("ci 1 2 3"), (V{"ci", "1", "2", "3"}));
  EXPECT_EQ(Fields("  1  2\t3 4"), (V{"1", "2", "3", "4"}));
  EXPECT_EQ(Fields("hp1-  10 20"), (V{"hp1-", "10", "20"}));
  EXPECT_EQ(Fields("hcc      1      1"), (V{"hcc", "1", "1"}));
}

TEST(FieldScanner, TrailingBlankMakesAnEmptyField) {
  EXPECT_EQ(Fields("1 2 3 4 "), (V{"1", "2", "3", "4", ""}));
  EXPECT_EQ(Fields("1 2 3 4   "), (V{"1", "2", "3", "4", ""}));
}

TEST(FieldScanner, BlankLinesAreBlank) {
  FieldScanner s;
  for (std::string_view line : {"", "   ", "\t", "\"", "\x01\x02"}) {
    s.Split(line);
    EXPECT_TRUE(s.IsBlank()) << "line of " << line.size() << " bytes";
  }
  s.Split("=");
  EXPECT_FALSE(s.IsBlank());
}

TEST(FieldScanner, QuoteMakesTheRestOneField) {
  EXPECT_EQ(Fields("ch 1 2 3 0 \"a \"b\"\tc "),
            (V{"ch", "1", "2", "3", "0", "a \"b\"c "}));
  EXPECT_EQ(Fields("ch 1 2 3 0 \""), (V{"ch", "1", "2", "3", "0", ""}));
  EXPECT_EQ(Fields("cn\"$<x y>"), (V{"cn$<x y>"}));
}

TEST(FieldScanner, EqualsSignMakesTheRestOneField) {
  EXPECT_EQ(Fields("file=C:\\My Drawings\\a b.jww"),
            (V{"file=C:\\My Drawings\\a b.jww"}));
  EXPECT_EQ(Fields("a b=c d"), (V{"a", "b=c d"}));
}

TEST(FieldScanner, TwoByteCharactersStayWhole) {
  // Second bytes 0x20 and 0x22 are not blanks or quotes.
  EXPECT_EQ(Fields("\x82\x20x y"), (V{"\x82\x20x", "y"}));
  EXPECT_EQ(Fields("\x82\x22 1"), (V{"\x82\x22", "1"}));
  // A lead byte at the end of the line is dropped.
  EXPECT_EQ(Fields("ab\x82"), (V{"ab"}));
}

TEST(FieldScanner, ControlBytesAndFeFfAreDropped) {
  EXPECT_EQ(Fields("a\x01"
                   "b\xFE\xFF"
                   "c"),
            (V{"abc"}));
  EXPECT_EQ(Fields("ch 1 2 3 0 \"x\r\ny\x7F"),
            (V{"ch", "1", "2", "3", "0", "xy\x7F"}));
}

// A lead byte followed by a control byte would carry that byte (a CR, say)
// into a text and on into the rewritten file; the broken pair is dropped.
TEST(FieldScanner, BrokenPairWithControlByteIsDropped) {
  EXPECT_EQ(Fields("ch 1 2 3 0 \"a\x82\rb"),
            (V{"ch", "1", "2", "3", "0", "ab"}));
  EXPECT_EQ(Fields("a\x82\tb c"), (V{"ab", "c"}));
}

TEST(FieldScanner, AtMost32Fields) {
  std::string line;
  for (int i = 0; i < 100000; ++i)
    line += std::to_string(i) + " ";
  FieldScanner s;
  EXPECT_EQ(s.Split(line), 32);
  EXPECT_EQ(s.Field(31), "31");
  EXPECT_EQ(s.Field(32), "");
}

} // namespace
} // namespace orvik::exchange
