// orvik-cli write: the wiring around the exchange core, whose bytes the
// golden cases in tests/exchange/cases check in-process.

#include "run_cli.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvik::test {
namespace {

using CliWrite = ScratchDir;

// Bare LF in, CR LF out: "hd", the line's attributes (all pending), the
// line; nothing after it, the first group and layer being current. Exit
// code 2 and one line for a bad use or an input that cannot be read,
// nothing written; 1 for an output that cannot be written.
TEST_F(CliWrite, RewritesInPlaceOrSaysWhyNot) {
  const std::string file = (dir_ / "JWC_TEMP.TXT").string();
  const std::string out = (dir_ / "out.txt").string();
  std::ofstream(file, std::ios::binary) << "lc2\n 0 0 1 1\n";
  const CliResult r = RunCli({"write", file, file}, dir_);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadBytes(file), "hd\r\nlg0\r\nly0\r\nlc2\r\nlt1\r\n0 0 1 1\r\n");
  const CliResult missing = RunCli({"write", file + "x", out}, dir_);
  EXPECT_EQ(missing.code, 2);
  EXPECT_EQ(missing.err.rfind("orvik-cli: cannot read ", 0), 0u) << missing.err;
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
  EXPECT_EQ(RunCli({"write", dir_.string(), out}, dir_).code, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
  const CliResult unwritable = RunCli({"write", file, out + "/x"}, dir_);
  EXPECT_EQ(unwritable.code, 1);
  EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
  EXPECT_EQ(RunCli({"write", "only-one"}, dir_).code, 2);
}

} // namespace
} // namespace orvik::test
