// orvik-cli info: what the reader made of a file, as text and as JSON (the
// reader itself is checked by the exchange cases).

#include "run_cli.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvik::test {
namespace {

using CliInfo = ScratchDir;

// Two elements in group 1, and indicated point 1 of kind 1 ("hp1-").
TEST_F(CliInfo, ReportsTheModelAsTextAndJson) {
  const auto file = (dir_ / "JWC_TEMP.TXT").string();
  std::ofstream(file, std::ios::binary)
      << "hp1-  1000 2000\r\nlg1\r\n 0 0 1000 0\r\nci 0 0 5\r\n";
  const CliResult text = RunCli({"info", file}, dir_);
  EXPECT_EQ(text.code, 0);
  for (const char *line : {"elements           2\n", "first group        1\n",
                           "indicated point 1  1000 2000 (kind 1)\n"})
    EXPECT_NE(text.out.find(line), std::string::npos) << line << text.out;
  const CliResult json = RunCli({"info", file, "--json"}, dir_);
  EXPECT_EQ(json.code, 0);
  EXPECT_NE(json.out.find("{\"number\": 1, \"x\": 1000, \"y\": 2000"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(RunCli({"info", (dir_ / "none").string()}, dir_).code, 2);
}

} // namespace
} // namespace orvik::test
