// Replacing a file whole or not at all, and the leftovers of killed
// writers, on every platform.

#include "orvik/platform/file_access.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <iterator>

namespace orvik::platform {
namespace {

namespace fs = std::filesystem;

Contents Text(std::string text) {
  return [text](const Sink &sink) { return sink(text.data(), text.size()); };
}

std::size_t FilesIn(const fs::path &dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

using FileAccess = test::ScratchDir;

TEST_F(FileAccess, ReplacesWholeOrNotAtAll) {
  // A folder name outside any narrow code page.
  const fs::path dir = dir_ / fs::path(u"図面 ①");
  fs::create_directories(dir);
  const fs::path target = dir / "JWC_TEMP.TXT";
  EXPECT_FALSE(ReplaceFile(target, Text("hq\r\n")));
  EXPECT_FALSE(ReplaceFile(target, [](const Sink &sink) { // a byte alone too
    return sink("h", 1) && sink("d\r\n", 3);
  }));
  EXPECT_EQ(test::ReadBytes(target), "hd\r\n");
  EXPECT_EQ(fs::status(target).permissions() &
                (fs::perms::owner_all | fs::perms::others_exec),
            fs::perms::owner_read | fs::perms::owner_write);
  // Contents that stop part-way leave the old file, and nothing else.
  const std::error_code stopped = ReplaceFile(
      target, [](const Sink &sink) { return sink("half", 4) && false; });
  EXPECT_TRUE(stopped);
  EXPECT_EQ(test::ReadBytes(target), "hd\r\n");
  EXPECT_EQ(FilesIn(dir), 1u);
  // A folder standing where the file should be stays a folder.
  fs::create_directory(dir / "orvik.dat");
  EXPECT_TRUE(ReplaceFile(dir / "orvik.dat", Text("1\r\n")));
  EXPECT_TRUE(fs::is_directory(dir / "orvik.dat"));
  EXPECT_EQ(FilesIn(dir), 2u);
}

TEST_F(FileAccess, ReadsRegularFilesOnly) {
  Put("a.txt", "abc");
  std::FILE *f = OpenRegularFile(dir_ / "a.txt");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_EQ(OpenRegularFile(dir_), nullptr);
  EXPECT_EQ(OpenRegularFile(dir_ / "missing.txt"), nullptr);
}

TEST_F(FileAccess, LeftoversAreOursAndOldOnly) {
  const std::pair<const char *, bool> rows[] = {
      {"JWC_TEMP.TXT.orvik-0badf00d.tmp", true},
      {"JWC_TEMP.TXT.orvik-123.tmp", true},
      {"JWC_TEMP.TXT.orvik-.tmp", false},
      {"JWC_TEMP.TXT.orvik-note.tmp", false},
      {"JWC_TEMP.TXT.orvik-0badf00d.tmp.bak", false},
      {"OTHER.TXT.orvik-0badf00d.tmp", false},
      {"JWC_TEMP.TXU.orvik-0badf00d.tmp", false},
      {"JWC_TEMP.TXT.other-0badf00d.tmp", false},
      {"JWC_TEMP.TXT", false},
  };
  for (const auto &[name, ours] : rows)
    EXPECT_EQ(IsLeftoverName(name, "JWC_TEMP.TXT"), ours) << name;
  // A killed writer's file, last written a while ago, goes; others stay.
  for (const auto &[name, ours] : rows) {
    Put(name, "x");
    fs::last_write_time(dir_ / name, fs::file_time_type::clock::now() -
                                         std::chrono::hours(1));
  }
  RemoveLeftovers(dir_ / "JWC_TEMP.TXT");
  for (const auto &[name, ours] : rows)
    EXPECT_EQ(fs::exists(dir_ / name), !ours) << name;
}

} // namespace
} // namespace orvik::platform
