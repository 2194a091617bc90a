// Lines far longer than any record, read from a file in chunks. (Whether
// any bytes at all read without harm and write back well formed is the
// exchange fuzzer's check: fuzz/exchange_fuzzer.cpp.)

#include "exchange_support.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace orvik::exchange {
namespace {

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
