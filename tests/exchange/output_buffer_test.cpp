#include "orvik/exchange/output_buffer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>

namespace orvik::exchange {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path &p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Put(const fs::path &p, const std::string &bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class TempDir : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("orvik-ob-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

TEST(OutputBuffer, EmptyBufferIsTheCancelRecord) {
  OutputBuffer out;
  EXPECT_EQ(out.FileImage(), "hq\r\n");
}

TEST(OutputBuffer, EntriesEndInCrLfAndTextsJoinTheirHead) {
  OutputBuffer out;
  out.EmitLine("hd");
  out.EmitTextRecord("ch 0 0 1 0 \"", "abc\"");
  out.EmitLine("lg0");
  EXPECT_EQ(out.FileImage(), "hd\r\nch 0 0 1 0 \"abc\"\r\nlg0\r\n");
  EXPECT_EQ(out.Count(), 4u);
}

TEST(OutputBuffer, EntriesAreCutTo255BytesOnACharacter) {
  OutputBuffer out;
  std::string wide;
  for (int i = 0; i < 200; ++i)
    wide += "\x82\xA0";
  out.EmitLine(std::string(300, 'a'));
  out.EmitLine(wide);
  out.EmitLine("a" + wide);
  EXPECT_EQ(out.FileImage(), std::string(255, 'a') + "\r\n" +
                                 wide.substr(0, 254) + "\r\n" +
                                 ("a" + wide).substr(0, 255) + "\r\n");
}

TEST(OutputBuffer, ControlBytesNeverReachTheFile) {
  OutputBuffer out;
  out.EmitLine(std::string("a\rb\nc\0d", 7));
  out.EmitLine(std::string("x\x82\ny", 4)); // broken pair dropped whole
  EXPECT_EQ(out.FileImage(), "abcd\r\nxy\r\n");
}

TEST(OutputBuffer, ClearForgetsEverything) {
  OutputBuffer out;
  out.EmitLine("hd");
  out.Clear();
  EXPECT_TRUE(out.Empty());
  EXPECT_EQ(out.FileImage(), "hq\r\n");
}

// Eight MiB of records: most of them go through the temporary file, and
// the image comes back whole and in order.
TEST(OutputBuffer, LargeOutputsComeBackWhole) {
  OutputBuffer out;
  std::string expected;
  for (int i = 0; i < 40000; ++i) {
    std::string record = std::to_string(i) + " " + std::string(190, 'r');
    out.EmitLine(record);
    expected += record + "\r\n";
  }
  out.EmitTextRecord("ch 0 0 1 0 \"", "end");
  expected += "ch 0 0 1 0 \"end\r\n";
  EXPECT_EQ(out.Count(), 40002u);
  EXPECT_TRUE(out.FileImage() == expected);
  // Reading the image back does not disturb what follows.
  out.EmitLine("more");
  EXPECT_TRUE(out.FileImage() == expected + "more\r\n");
  out.Clear();
  out.EmitLine("hd");
  EXPECT_EQ(out.FileImage(), "hd\r\n");
}

using FlushExchangeFileTest = TempDir;

TEST_F(FlushExchangeFileTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
  const fs::path file = dir_ / "JWC_TEMP.TXT";
  Put(file, "old contents\r\n");
  OutputBuffer out;
  out.EmitLine("hd");
  out.EmitLine("0 0 1 1");
  ASSERT_TRUE(FlushExchangeFile(out, file.string()));
  EXPECT_EQ(Slurp(file), "hd\r\n0 0 1 1\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

TEST_F(FlushExchangeFileTest, EmptyBufferWritesHq) {
  const fs::path file = dir_ / "JWC_TEMP.TXT";
  ASSERT_TRUE(FlushExchangeFile(OutputBuffer{}, file.string()));
  EXPECT_EQ(Slurp(file), "hq\r\n");
}

// A full disk, imitated by a file-size limit: the write fails part-way,
// the old file stays whole, and no temporary file is left behind.
TEST_F(FlushExchangeFileTest, FullDiskKeepsTheOldFileWhole) {
  const fs::path file = dir_ / "JWC_TEMP.TXT";
  Put(file, "hq\r\n");
  OutputBuffer out;
  for (int i = 0; i < 100000; ++i)
    out.EmitLine("0 0 1 1");

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool flushed = FlushExchangeFile(out, file.string());
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(flushed);
  EXPECT_EQ(Slurp(file), "hq\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

} // namespace
} // namespace orvik::exchange
