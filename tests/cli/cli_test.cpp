// orvik-cli write, info and render: the wiring around the exchange core and
// the renderer, whose bytes and pixels the golden cases in
// tests/exchange/cases and the render tests check in-process. (How write
// answers, file by file, is a replay case.)

#include "run_cli.h"
#include "scratch_dir.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace orvik::test {
namespace {

using Cli = ScratchDir;

// A FIFO is no file: the tool says so at once instead of waiting for a
// writer.
TEST_F(Cli, FifoIsNoFileAndDoesNotWait) {
  const std::string fifo = (dir_ / "JWC_TEMP.TXT").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"info", fifo},
        std::vector<std::string>{"write", fifo, fifo}}) {
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.code, 2) << args[0];
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
  }
}

// The file's name, two elements in group 1, indicated point 1 of kind 1
// ("hp1-"), and the sixteen group scales.
TEST_F(Cli, InfoReportsTheModelAsTextAndJson) {
  const auto file = (dir_ / "JWC_TEMP.TXT").string();
  Put("JWC_TEMP.TXT", "hs 2 0.5 1 1 1 1 1 1 1 1 1 1 1 1 1 7\r\nhp1-  1000 "
                      "2000\r\nlg1\r\n 0 0 1000 0\r\nci 0 0 5\r\n");
  const CliResult text = RunCli({"info", file});
  EXPECT_EQ(text.code, 0);
  // Only the kinds the file holds are counted.
  for (const char *line :
       {"elements           2\n  lines            1\n"
        "  circles          1\nsheet coordinates  no\n",
        "first group        1\n", "indicated point 1  1000 2000 (kind 1)\n",
        "group scales       2 0.5 1 1 1 1 1 1 1 1 1 1 1 1 1 7\n"})
    EXPECT_NE(text.out.find(line), std::string::npos) << line << text.out;
  EXPECT_TRUE(text.out.starts_with(file + "\n")) << text.out;
  const CliResult json = RunCli({"info", file, "--json"});
  EXPECT_EQ(json.code, 0);
  EXPECT_TRUE(json.out.starts_with("{\n  \"file\": \"" + file + "\",\n"));
  for (const char *part :
       {"{\"number\": 1, \"x\": 1000, \"y\": 2000",
        "\"group_scales\": [2, 0.5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 7]"})
    EXPECT_NE(json.out.find(part), std::string::npos) << part << json.out;
  // A missing file's path of 101 bytes is cut in the middle to 100.
  const std::string folder = (dir_ / "").string();
  ASSERT_LT(folder.size(), 100u);
  const CliResult none =
      RunCli({"info", folder + std::string(101 - folder.size(), 'n')});
  EXPECT_EQ(none.code, 2);
  EXPECT_NE(none.err.find("..."), std::string::npos) << none.err;
}

// The sample at the size asked for: the window's picture of it, pixel for
// pixel, and with a grid. A date code shows the date, as in the window.
// Exit code 2 for bad options (a side outside 1..16384) or input, 1 for
// an output that cannot be written.
TEST_F(Cli, RenderWritesThePictureOrSaysWhyNot) {
  const std::string sample = (SourceDir() / "examples/JWC_TEMP.TXT").string();
  const std::string png = (dir_ / "x.png").string();
  ASSERT_EQ(RunCli({"render", sample, png, "--size", "640x480"}).code, 0);
  QImage image, window;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  ASSERT_TRUE(window.load(QString::fromStdString(
      (SourceDir() / "tests/render/golden/sample.png").string())));
  EXPECT_TRUE(image.convertToFormat(QImage::Format_RGB32) ==
              window.convertToFormat(QImage::Format_RGB32));
  // "%j" is 4 mm wide, between two points 20 mm apart fitted to 400
  // pixels; its date, ten characters, reaches past the middle.
  Put("date.txt", "pt 0 -5\npt 20 5\ncn0 4 5 0 2\nch 0 0 20 0 \"%j\n");
  ASSERT_EQ(
      RunCli({"render", (dir_ / "date.txt").string(), png, "--size", "400x200"})
          .code,
      0);
  QImage date;
  ASSERT_TRUE(date.load(QString::fromStdString(png)));
  int right = 0;
  for (int y = 1; y < 199; ++y)
    for (int x = 1; x < 399; ++x)
      if (date.pixel(x, y) == qRgb(0, 0, 0))
        right = std::max(right, x);
  EXPECT_GT(right, 250);
  // With a grid the picture gains its grey lines.
  const std::string with_grid = (dir_ / "grid.png").string();
  ASSERT_EQ(RunCli({"render", sample, with_grid, "--grid", "1000", "--size",
                    "640x480"})
                .code,
            0);
  QImage grid;
  ASSERT_TRUE(grid.load(QString::fromStdString(with_grid)));
  EXPECT_NE(grid, image);
  const std::pair<std::vector<std::string>, const char *> bad[] = {
      {{"render", sample}, "usage: orvik-cli render"},
      {{"render", sample, png, "--size", "0x10"}, "usage: orvik-cli render"},
      {{"render", sample, png, "--size", "16385x9"}, "usage: orvik-cli render"},
      {{"render", sample, png, "--size", "9x16385"}, "usage: orvik-cli render"},
      {{"render", (dir_ / "none.txt").string(), png}, "none.txt"}};
  for (const auto &[args, says] : bad) {
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunCli({"render", sample, (dir_ / "no/x.png").string()}).code, 1);
}

} // namespace
} // namespace orvik::test
