// Bad input never crashes the reader or makes the writer emit a record the
// host would misread: every output line ends in CR LF, holds no control
// byte, and never ends inside a two-byte character.

#include "exchange_support.h"

#include "orvik/util/sjis_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orvik::exchange {
namespace {

void ExpectWellFormed(const std::string &image) {
  ASSERT_GE(image.size(), 4u);
  ASSERT_EQ(image.substr(image.size() - 2), "\r\n");
  std::size_t start = 0;
  while (start < image.size()) {
    const std::size_t end = image.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string_view line(image.data() + start, end - start);
    for (char c : line)
      ASSERT_GE(static_cast<unsigned char>(c), 0x20u)
          << "control byte in line: " << line;
    // Two entries at most make a line: a text head and its text.
    ASSERT_LE(line.size(), 2 * OutputBuffer::kMaxEntryBytes);
    ASSERT_FALSE(EndsInLoneLeadByte(line))
        << "line ends in a lone lead byte: " << line;
    start = end + 2;
  }
}

TEST(HostileInput, EmptyAndBlankFiles) {
  for (const std::string &image :
       {std::string(), std::string(1000, '\r'), std::string(1000, '\n'),
        std::string(1000, ' '), std::string("\0\0\0", 3)}) {
    const DrawingModel m = test::Read(image);
    EXPECT_EQ(m.ElementCount(), 0u);
    ExpectWellFormed(test::Rewrite(image));
  }
}

TEST(HostileInput, RandomBytes) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    std::string image;
    for (int i = 0; i < 4000; ++i)
      image.push_back(static_cast<char>(byte(rng)));
    ExpectWellFormed(test::Rewrite(image));
  }
}

// Random lines of real keys with random fields, control bytes, quotes and
// half characters: the records the writer cares about most.
TEST(HostileInput, RandomRecords) {
  static const char *const kKeys[] = {
      "ch", "cs", "msg", "cn\"$", "cn0", "lc10", "sl", "sc", "so", "pt",
      "ci", "lg", "ly",  "z5",    "pl",  "hp1-", "BL", "",   "cv", "\x82"};
  static const char *const kFields[] = {
      "0",  "1",        "-0",   "1e999",    "1e308", "-1e308",    "nan",
      "\"", "=",        "\x81", "\x82\xA0", "\r",    "\t",        "\x81\x40",
      " ",  "\x82\x22", "5",    "100",      "-1",    "\x82\r\x41"};
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> key(0, 19), field(0, 19), count(0, 12);
  for (int round = 0; round < 200; ++round) {
    std::string image;
    for (int line = 0; line < 200; ++line) {
      image += kKeys[key(rng)];
      for (int i = count(rng); i > 0; --i) {
        image += ' ';
        image += kFields[field(rng)];
      }
      image += (line % 3 == 0) ? "\n" : "\r\n";
    }
    ExpectWellFormed(test::Rewrite(image));
  }
}

TEST(HostileInput, HugeValuesStayReadable) {
  const std::string out = test::Rewrite(test::CrLf(
      {"msg", " -1e308 0 1e308 0", "cs 0 0 1 0 \"", " 1e308 -1e308 1e999 -0",
       "ci 1e308 1e308 1e308", "pt -0 -0"}));
  ExpectWellFormed(out);
  EXPECT_NE(out.find("cs 0 0 1 0 \"1.79769313486231E308\r\n"),
            std::string::npos);
  EXPECT_NE(out.find("\r\n1E308 -1E308 0 0\r\n"), std::string::npos);
  EXPECT_NE(out.find("\r\npt 0 0\r\n"), std::string::npos);
}

TEST(HostileInput, VeryLongLines) {
  std::string text_line = "ch 0 0 1 0 \"";
  text_line.append(50u << 20, 'x');
  std::string fields_line;
  for (int i = 0; i < 100000; ++i)
    fields_line += "1 ";
  const std::string image = text_line + "\r\n" + fields_line + "\r\n 0 0 1 1";
  const DrawingModel m = test::Read(image);
  ASSERT_EQ(m.Texts.Count(), 1u);
  EXPECT_EQ(m.Texts[0].Text, std::string(255, 'x'));
  EXPECT_EQ(m.Lines.Count(), 1u);
  ExpectWellFormed(test::Rewrite(image));
}

} // namespace
} // namespace orvik::exchange
