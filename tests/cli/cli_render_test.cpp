// orvik-cli render: a PNG of the fitted drawing, or a clear error; the
// pixels themselves are the render tests' concern.

#include "run_cli.h"
#include "scratch_dir.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using CliRender = ScratchDir;

// The sample at the size asked for, the blue frame up to its last column
// but one. Exit code 2 for bad options or input, 1 for an output that
// cannot be written.
TEST_F(CliRender, WritesThePictureOrSaysWhyNot) {
  const std::string sample = (SourceDir() / "examples/JWC_TEMP.TXT").string();
  const std::string png = (dir_ / "x.png").string();
  ASSERT_EQ(RunCli({"render", sample, png, "--size", "400x300"}, dir_).code, 0);
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  EXPECT_EQ(image.size(), QSize(400, 300));
  EXPECT_EQ(image.pixel(398, 150), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(399, 150), qRgb(255, 255, 255));
  for (const std::vector<std::string> &bad :
       {std::vector<std::string>{"render", sample},
        {"render", sample, png, "--size", "0x10"},
        {"render", (dir_ / "none.txt").string(), png}})
    EXPECT_EQ(RunCli(bad, dir_).code, 2);
  EXPECT_EQ(RunCli({"render", sample, (dir_ / "no/x.png").string()}, dir_).code,
            1);
}

} // namespace
} // namespace orvik::test
