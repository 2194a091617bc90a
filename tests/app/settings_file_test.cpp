// The settings file: nine CR LF lines, lenient reading, floors, the
// spacing's unit, and removal when it cannot be written.

#include "orvik/app/settings_file.h"

#include "exchange_support.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orvik::test {
namespace {

using app::ReadSettingsFile;
using app::SpacingUnit;
using app::WindowSettings;
using app::WriteSettingsFile;

class SettingsFile : public ::testing::Test {
protected:
  void SetUp() override {
    path_ =
        (std::filesystem::temp_directory_path() /
         ("orvik-settings-" +
          std::string(
              ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
          ".dat"))
            .string();
    std::filesystem::remove(path_);
  }
  void TearDown() override { std::filesystem::remove_all(path_); }
  void Write(const std::string &bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  std::string path_;
};

TEST_F(SettingsFile, MissingFileGivesTheDefaults) {
  WindowSettings s;
  s.SavedLeft = 99;
  EXPECT_FALSE(ReadSettingsFile(path_, {false, 100}, s));
  EXPECT_EQ(s.SavedLeft, 0);
  EXPECT_EQ(s.SavedTop, 0);
  EXPECT_EQ(s.SavedWidth, 475);
  EXPECT_EQ(s.SavedHeight, 475);
  EXPECT_EQ(s.ColourIndex, 0);
  EXPECT_EQ(s.LineTypeIndex, 0);
  EXPECT_EQ(s.GridOn, 0);
  EXPECT_DOUBLE_EQ(s.GridSpacing, 10.0); // not scaled
}

TEST_F(SettingsFile, ReadsEveryLine) {
  Write(CrLf({"-12", "34", "800", "600", "5", "7", "0", "1", "2.5"}));
  WindowSettings s;
  ASSERT_TRUE(ReadSettingsFile(path_, {true, 50}, s));
  EXPECT_EQ(s.SavedLeft, -12);
  EXPECT_EQ(s.SavedTop, 34);
  EXPECT_EQ(s.SavedWidth, 800);
  EXPECT_EQ(s.SavedHeight, 600);
  EXPECT_EQ(s.ColourIndex, 5);
  EXPECT_EQ(s.LineTypeIndex, 7);
  EXPECT_EQ(s.GridOn, 1);
  EXPECT_DOUBLE_EQ(s.GridSpacing, 2.5); // sheet coordinates: as stored
}

TEST_F(SettingsFile, RealSizeSpacingIsMultipliedByTheScale) {
  Write(CrLf({"0", "0", "475", "475", "0", "0", "0", "0", "10"}));
  WindowSettings s;
  ReadSettingsFile(path_, {false, 100}, s);
  EXPECT_DOUBLE_EQ(s.GridSpacing, 1000);
}

TEST_F(SettingsFile, FloorsAndLenientLines) {
  // Bare LF endings, a missing final newline, malformed numbers.
  Write("5\n6\n300\n100\nx\n$10\n0\n1\n1e-3");
  WindowSettings s;
  ReadSettingsFile(path_, {true, 1}, s);
  EXPECT_EQ(s.SavedWidth, 475);
  EXPECT_EQ(s.SavedHeight, 200);
  EXPECT_EQ(s.ColourIndex, 0);
  EXPECT_EQ(s.LineTypeIndex, 16); // "$10" is hexadecimal
  EXPECT_DOUBLE_EQ(s.GridSpacing, 0.001);
}

TEST_F(SettingsFile, ShortFileReadsTheRestAsZero) {
  Write(CrLf({"10", "20"}));
  WindowSettings s;
  ReadSettingsFile(path_, {false, 100}, s);
  EXPECT_EQ(s.SavedLeft, 10);
  EXPECT_EQ(s.SavedTop, 20);
  EXPECT_EQ(s.SavedWidth, 475);
  EXPECT_EQ(s.SavedHeight, 200);
  EXPECT_DOUBLE_EQ(s.GridSpacing, 0);
}

TEST_F(SettingsFile, WritesNineLinesInTheGeneralFormat) {
  const WindowSettings s{1, -2, 300, 150, 265, 50, 1, 0.00001};
  ASSERT_TRUE(WriteSettingsFile(path_, {true, 100}, s));
  // Width and height floored; line 7 always 0; 0.00001 as 1E-5.
  EXPECT_EQ(ReadBytes(path_),
            CrLf({"1", "-2", "475", "200", "265", "50", "0", "1", "1E-5"}));
}

TEST_F(SettingsFile, RealSizeSpacingIsStoredInPaperMillimetres) {
  const WindowSettings s{0, 0, 475, 475, 0, 0, 0, 1000};
  ASSERT_TRUE(WriteSettingsFile(path_, {false, 100}, s));
  EXPECT_EQ(ReadBytes(path_),
            CrLf({"0", "0", "475", "475", "0", "0", "0", "0", "10"}));
  WindowSettings back;
  ReadSettingsFile(path_, {false, 100}, back);
  EXPECT_DOUBLE_EQ(back.GridSpacing, 1000);
}

TEST_F(SettingsFile, RoundTripsEveryField) {
  const WindowSettings s{-300, 2000, 1024, 768, 12, 34, 1, 2.5};
  ASSERT_TRUE(WriteSettingsFile(path_, {false, 30}, s));
  WindowSettings back;
  ASSERT_TRUE(ReadSettingsFile(path_, {false, 30}, back));
  EXPECT_EQ(back.SavedLeft, s.SavedLeft);
  EXPECT_EQ(back.SavedTop, s.SavedTop);
  EXPECT_EQ(back.SavedWidth, s.SavedWidth);
  EXPECT_EQ(back.SavedHeight, s.SavedHeight);
  EXPECT_EQ(back.ColourIndex, s.ColourIndex);
  EXPECT_EQ(back.LineTypeIndex, s.LineTypeIndex);
  EXPECT_EQ(back.GridOn, s.GridOn);
  EXPECT_NEAR(back.GridSpacing, s.GridSpacing, 1e-12);
}

TEST_F(SettingsFile, UnwritableFileIsReportedAndNotCreated) {
  const std::string in_missing_folder = path_ + "/missing/orvik.dat";
  EXPECT_FALSE(WriteSettingsFile(in_missing_folder, {true, 1}, {}));
  EXPECT_FALSE(std::filesystem::exists(in_missing_folder));
}

} // namespace
} // namespace orvik::test
