// orvik-cli info: what the reader made of a file, as text and as JSON.

#include "run_cli.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;

using CliInfo = ScratchDir;

std::string DataPath(const std::string &name) {
  return (SourceDir() / "tests" / "cli" / "data" / name).string();
}

TEST_F(CliInfo, TextReport) {
  const CliResult r = RunCli({"info", DataPath("head_and_layers.in")}, dir_);
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char *line :
       {"elements           4\n", "  lines            4\n",
        "sheet coordinates  no\n",
        "group scales       100 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n",
        "first group        1\n", "first layer        2\n",
        "first colour       3\n", "first line type    4\n",
        "first text kind    1\n",
        "first font         <\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7"
        "\xE3\x83\x83\xE3\x82\xAF>\n",
        "indicated point 1  1000 2000 (kind 1)\n",
        "indicated point 2  3000 4000 (kind 0)\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "in:\n" << r.out;
  EXPECT_EQ(r.out.find("indicated point 100"), std::string::npos);
}

TEST_F(CliInfo, JsonReport) {
  const CliResult r = RunCli({"info", DataPath("texts.in"), "--json"}, dir_);
  ASSERT_EQ(r.code, 0) << r.err;
  for (const char *part :
       {"\"total\": 9", "\"texts\": 7", "\"dimensions\": 2",
        "\"sheet_coords\": false",
        "\"group_scales\": [1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1]",
        "\"group\": 0, \"layer\": 1, \"colour\": 2, \"line_type\": 1, "
        "\"text_kind\": 3",
        "\"indicated_points\": []"})
    EXPECT_NE(r.out.find(part), std::string::npos) << part << "\nin:\n"
                                                   << r.out;
}

TEST_F(CliInfo, MissingFile) {
  const CliResult r = RunCli({"info", (dir_ / "none.txt").string()}, dir_);
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("cannot read"), std::string::npos);
}

} // namespace
} // namespace orvik::test
