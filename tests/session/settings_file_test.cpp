// The settings file below what the replay cases show: line ends, numbers
// the lenient conversion still takes, a round trip of every field, and a
// file that cannot be written.

#include "orvik/session/settings_file.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using session::ReadSettingsFile;
using session::WindowSettings;
using session::WriteSettingsFile;

using SettingsFile = ScratchDir;

// Bare LF endings, no final line end, a hexadecimal "$10", an exponent:
// read and written again (as the round trip below shows it writes), the
// size floored, "x" as 0 and no tenth line as one-stroke arcs on.
TEST_F(SettingsFile, BareLineFeedsAndLenientNumbers) {
  const auto path = dir_ / "orvik.dat";
  Put("orvik.dat", "5\n6\n300\n100\nx\n$10\n0\n1\n1e-3");
  WindowSettings s;
  ASSERT_TRUE(ReadSettingsFile(path.string(), {true, 1}, s));
  ASSERT_TRUE(WriteSettingsFile(dir_ / "again", {true, 1}, s));
  EXPECT_EQ(Get("again"),
            "5\r\n6\r\n475\r\n200\r\n0\r\n16\r\n0\r\n1\r\n0.001\r\n1\r\n");
  // The tenth line: only "0" switches one-stroke arcs off.
  for (const auto &[line, on] : {std::pair{"0", false}, std::pair{"1", true},
                                 std::pair{"x", true}, std::pair{"", true}}) {
    Put("orvik.dat",
        std::string("0\r\n0\r\n475\r\n475\r\n0\r\n0\r\n0\r\n0\r\n10\r\n") +
            line + "\r\n");
    ASSERT_TRUE(ReadSettingsFile(path.string(), {true, 1}, s));
    EXPECT_EQ(s.OneStroke, on) << line;
  }
}

TEST_F(SettingsFile, EveryFieldRoundTripsThroughTheScale) {
  // At 1:30 the file holds paper millimetres: 75 real mm are 2.5. Read
  // back, every field writes the same line again.
  const auto path = (dir_ / "orvik.dat").string();
  const std::string bytes =
      "-300\r\n2000\r\n1024\r\n768\r\n12\r\n34\r\n0\r\n1\r\n2.5\r\n1\r\n";
  ASSERT_TRUE(WriteSettingsFile(path, {false, 30},
                                {-300, 2000, 1024, 768, 12, 34, 1, 75}));
  EXPECT_EQ(Get("orvik.dat"), bytes);
  WindowSettings back;
  ASSERT_TRUE(ReadSettingsFile(path, {false, 30}, back));
  ASSERT_TRUE(WriteSettingsFile(path + "2", {false, 30}, back));
  EXPECT_EQ(Get("orvik.dat2"), bytes);
}

TEST_F(SettingsFile, UnwritableFileIsReportedAndNotCreated) {
  const auto path = dir_ / "missing" / "orvik.dat";
  EXPECT_FALSE(WriteSettingsFile(path.string(), {true, 1}, {}));
  EXPECT_FALSE(std::filesystem::exists(path));
  WindowSettings none;
  EXPECT_FALSE(ReadSettingsFile(path, {true, 1}, none)); // nor read
}

} // namespace
} // namespace orvik::test
