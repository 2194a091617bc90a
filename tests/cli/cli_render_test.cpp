// orvik-cli render: a PNG of the fitted drawing, or a clear error.

#include "run_cli.h"
#include "scratch_dir.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using CliRender = ScratchDir;

std::string Sample() {
  return (SourceDir() / "examples" / "JWC_TEMP.TXT").string();
}

TEST_F(CliRender, WritesThePictureOfTheSample) {
  const auto png = dir_ / "sample.png";
  const CliResult r =
      RunCli({"render", Sample(), png.string(), "--size", "400x300"}, dir_);
  ASSERT_EQ(r.code, 0) << r.err;
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png.string())));
  EXPECT_EQ(image.width(), 400);
  EXPECT_EQ(image.height(), 300);
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));     // the frame
  EXPECT_EQ(image.pixel(398, 150), qRgb(0, 0, 255)); // its right side
  EXPECT_EQ(image.pixel(399, 150), qRgb(255, 255, 255));
  int inked = 0;
  for (int y = 1; y < 298; ++y)
    for (int x = 1; x < 398; ++x)
      inked += image.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_GT(inked, 1000);
}

TEST_F(CliRender, GridAddsGreyLines) {
  const auto plain = dir_ / "plain.png", grid = dir_ / "grid.png";
  ASSERT_EQ(RunCli({"render", Sample(), plain.string()}, dir_).code, 0);
  // 500 real mm at 1:50 is 10 paper mm: a few dozen intervals.
  ASSERT_EQ(
      RunCli({"render", Sample(), grid.string(), "--grid", "500"}, dir_).code,
      0);
  QImage a, b;
  ASSERT_TRUE(a.load(QString::fromStdString(plain.string())));
  ASSERT_TRUE(b.load(QString::fromStdString(grid.string())));
  int grey = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      grey += b.pixel(x, y) == qRgb(192, 192, 192) &&
              a.pixel(x, y) != qRgb(192, 192, 192);
  EXPECT_GT(grey, 2000);
}

TEST_F(CliRender, BadArgumentsAndInputs) {
  const std::string out = (dir_ / "x.png").string();
  EXPECT_EQ(RunCli({"render", Sample()}, dir_).code, 2);
  EXPECT_EQ(RunCli({"render", Sample(), out, "--size", "0x10"}, dir_).code, 2);
  EXPECT_EQ(RunCli({"render", Sample(), out, "--size", "10"}, dir_).code, 2);
  EXPECT_EQ(RunCli({"render", Sample(), out, "--grid", "-1"}, dir_).code, 2);
  EXPECT_EQ(RunCli({"render", Sample(), out, "--colour", "1"}, dir_).code, 2);
  const CliResult missing =
      RunCli({"render", (dir_ / "none.txt").string(), out}, dir_);
  EXPECT_EQ(missing.code, 2);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
  EXPECT_EQ(
      RunCli({"render", Sample(), (dir_ / "no" / "x.png").string()}, dir_).code,
      1);
}

} // namespace
} // namespace orvik::test
