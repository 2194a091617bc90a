// The settings file below what the replay cases show: line ends, numbers
// the lenient conversion still takes, a round trip of every field, and a
// file that cannot be written.

#include "orvik/session/settings_file.h"

#include "file_bytes.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvik::test {
namespace {

using session::ReadSettingsFile;
using session::WindowSettings;
using session::WriteSettingsFile;

using SettingsFile = ScratchDir;

TEST_F(SettingsFile, BareLineFeedsAndLenientNumbers) {
  // Bare LF endings, no final line end, a hexadecimal "$10", an exponent.
  const auto path = dir_ / "orvik.dat";
  std::ofstream(path, std::ios::binary) << "5\n6\n300\n100\nx\n$10\n0\n1\n1e-3";
  WindowSettings s;
  ASSERT_TRUE(ReadSettingsFile(path.string(), {true, 1}, s));
  EXPECT_EQ(s.SavedLeft, 5);
  EXPECT_EQ(s.SavedTop, 6);
  EXPECT_EQ(s.SavedWidth, 475);
  EXPECT_EQ(s.SavedHeight, 200);
  EXPECT_EQ(s.ColourIndex, 0);
  EXPECT_EQ(s.LineTypeIndex, 16);
  EXPECT_EQ(s.GridOn, 1);
  EXPECT_DOUBLE_EQ(s.GridSpacing, 0.001);
  EXPECT_TRUE(s.OneStroke); // no tenth line
  // The tenth line: only "0" switches one-stroke arcs off.
  for (const auto &[line, on] : {std::pair{"0", false}, std::pair{"1", true},
                                 std::pair{"x", true}, std::pair{"", true}}) {
    std::ofstream(path, std::ios::binary)
        << "0\r\n0\r\n475\r\n475\r\n0\r\n0\r\n0\r\n0\r\n10\r\n"
        << line << "\r\n";
    ASSERT_TRUE(ReadSettingsFile(path.string(), {true, 1}, s));
    EXPECT_EQ(s.OneStroke, on) << line;
  }
}

TEST_F(SettingsFile, EveryFieldRoundTripsThroughTheScale) {
  // At 1:30 the file holds paper millimetres: 75 real mm are 2.5.
  const auto path = (dir_ / "orvik.dat").string();
  const WindowSettings s{-300, 2000, 1024, 768, 12, 34, 1, 75};
  ASSERT_TRUE(WriteSettingsFile(path, {false, 30}, s));
  EXPECT_EQ(
      ReadBytes(path),
      "-300\r\n2000\r\n1024\r\n768\r\n12\r\n34\r\n0\r\n1\r\n2.5\r\n1\r\n");
  WindowSettings back;
  ASSERT_TRUE(ReadSettingsFile(path, {false, 30}, back));
  EXPECT_EQ(back.SavedLeft, s.SavedLeft);
  EXPECT_EQ(back.SavedTop, s.SavedTop);
  EXPECT_EQ(back.SavedWidth, s.SavedWidth);
  EXPECT_EQ(back.SavedHeight, s.SavedHeight);
  EXPECT_EQ(back.ColourIndex, s.ColourIndex);
  EXPECT_EQ(back.LineTypeIndex, s.LineTypeIndex);
  EXPECT_EQ(back.GridOn, s.GridOn);
  EXPECT_DOUBLE_EQ(back.GridSpacing, s.GridSpacing);
}

TEST_F(SettingsFile, UnwritableFileIsReportedAndNotCreated) {
  const auto path = dir_ / "missing" / "orvik.dat";
  EXPECT_FALSE(WriteSettingsFile(path.string(), {true, 1}, {}));
  EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace orvik::test
