// Bad input never crashes the reader or makes the writer emit a record the
// host would misread: every output line ends in CR LF, holds no control
// byte, and never ends inside a two-byte character.

#include "exchange_support.h"
#include "scratch_dir.h"

#include "orvik/util/sjis_text.h"

#include <gtest/gtest.h>

#include <random>

namespace orvik::exchange {
namespace {

void ExpectWellFormed(const std::string &image) {
  ASSERT_GE(image.size(), 4u);
  ASSERT_EQ(image.substr(image.size() - 2), "\r\n");
  for (std::size_t start = 0, end; start < image.size(); start = end + 2) {
    end = image.find("\r\n", start);
    const std::string_view line(image.data() + start, end - start);
    for (const char c : line)
      ASSERT_GE(static_cast<unsigned char>(c), 0x20u) << line;
    // A text record is two entries on one line: its head and its text.
    ASSERT_LE(line.size(), 2 * OutputBuffer::kMaxEntryBytes);
    ASSERT_FALSE(EndsInLoneLeadByte(line)) << line;
  }
}

// Blank files; random bytes; random lines of real keys with random fields,
// control bytes, quotes and half characters, the records the writer cares
// about most.
TEST(HostileInput, BlankFilesRandomBytesAndRandomRecords) {
  for (const std::string &image :
       {std::string(), std::string(1000, '\r'), std::string(1000, '\n'),
        std::string(1000, ' '), std::string("\0\0\0", 3)}) {
    EXPECT_EQ(test::Read(image).ElementCount(), 0u);
    ExpectWellFormed(test::Rewrite(image));
  }
  static const char *const kKeys[] = {
      "ch", "cs", "msg", "cn\"$", "cn0", "lc10", "sl", "sc", "so", "pt",
      "ci", "lg", "ly",  "z5",    "pl",  "hp1-", "BL", "",   "cv", "\x82"};
  static const char *const kFields[] = {
      "0",  "1",        "-0",   "1e999",    "1e308", "-1e308",    "nan",
      "\"", "=",        "\x81", "\x82\xA0", "\r",    "\t",        "\x81\x40",
      " ",  "\x82\x22", "5",    "100",      "-1",    "\x82\r\x41"};
  std::mt19937 rng(5);
  for (int round = 0; round < 400; ++round) {
    std::string image;
    for (int line = 0; line < 200; ++line) {
      if (round % 2 == 0) {
        for (int i = 0; i < 20; ++i)
          image.push_back(static_cast<char>(rng() & 0xFF));
        continue;
      }
      image += kKeys[rng() % 20];
      for (int i = static_cast<int>(rng() % 13); i > 0; --i)
        image += std::string(" ") + kFields[rng() % 20];
      image += (line % 3 == 0) ? "\n" : "\r\n";
    }
    ExpectWellFormed(test::Rewrite(image));
  }
}

using HostileFile = test::ScratchDir;

// A 50 MB text line and a line of 100,000 fields, read from a file in
// chunks: the text is cut to 255 bytes, the fields stop at 32, and the
// line after them is read.
TEST_F(HostileFile, VeryLongLines) {
  std::string image = "ch 0 0 1 0 \"" + std::string(50u << 20, 'x') + "\r\n";
  for (int i = 0; i < 100000; ++i)
    image += "1 ";
  Put("long.txt", image + "\r\n 0 0 1 1");
  DrawingModel m;
  OutputBuffer out;
  InitModel(m, out);
  EXPECT_TRUE(ReadExchangeFile(m, (dir_ / "long.txt").string()));
  ASSERT_EQ(m.Texts.Count(), 1u);
  EXPECT_EQ(m.Texts[0].Text, std::string(255, 'x'));
  EXPECT_EQ(m.Lines.Count(), 1u);
}

} // namespace
} // namespace orvik::exchange
