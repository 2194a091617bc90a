// orvik-cli write: byte-exact output for small files that cover every
// record of the reader and every rule of the writer. The expected files
// were worked out by hand from the input files beside them.

#include "run_cli.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;

fs::path Data(const std::string &name) {
  return SourceDir() / "tests" / "cli" / "data" / name;
}

class CliWrite : public ScratchDir,
                 public ::testing::WithParamInterface<const char *> {};

TEST_P(CliWrite, MatchesTheHandWorkedFile) {
  const std::string name = GetParam();
  const fs::path out = dir_ / "JWC_TEMP.TXT";
  const CliResult r =
      RunCli({"write", Data(name + ".in").string(), out.string()}, dir_);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadBytes(out), ReadBytes(Data(name + ".expected")));
}

INSTANTIATE_TEST_SUITE_P(Files, CliWrite,
                         ::testing::Values("head_and_layers", "elements",
                                           "texts", "solids", "sheet_lf",
                                           "empty"));

using CliWriteInPlace = ScratchDir;

TEST_F(CliWriteInPlace, OutMayBeIn) {
  const fs::path file = dir_ / "JWC_TEMP.TXT";
  fs::copy_file(Data("texts.in"), file);
  const CliResult r = RunCli({"write", file.string(), file.string()}, dir_);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadBytes(file), ReadBytes(Data("texts.expected")));
}

TEST_F(CliWriteInPlace, MissingInputIsReportedAndNothingIsWritten) {
  const fs::path out = dir_ / "out.txt";
  const CliResult r =
      RunCli({"write", (dir_ / "nope.txt").string(), out.string()}, dir_);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("cannot read"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliWriteInPlace, UnreadableInputIsReported) {
  const CliResult r =
      RunCli({"write", dir_.string(), (dir_ / "out.txt").string()}, dir_);
  EXPECT_EQ(r.code, 2);
  EXPECT_FALSE(fs::exists(dir_ / "out.txt"));
}

TEST_F(CliWriteInPlace, UnwritableOutputKeepsWhatWasThere) {
  const fs::path out = dir_ / "missing-folder" / "JWC_TEMP.TXT";
  const CliResult r =
      RunCli({"write", Data("elements.in").string(), out.string()}, dir_);
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

TEST_F(CliWriteInPlace, BadUsage) {
  EXPECT_EQ(RunCli({"write", "only-one"}, dir_).code, 2);
  EXPECT_EQ(RunCli({"frobnicate"}, dir_).code, 2);
  EXPECT_EQ(RunCli({}, dir_).code, 2);
}

} // namespace
} // namespace orvik::test
