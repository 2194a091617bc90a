// Where the program keeps its files: beside itself, named after itself.

#include "orvik/app/program_files.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using app::ProgramFiles;

TEST(ProgramFiles, FilesLiveBesideTheProgram) {
  const ProgramFiles f = ProgramFiles::ForProgram("/opt/jw/orvik");
  EXPECT_EQ(f.folder, "/opt/jw/");
  EXPECT_EQ(f.exchange_path, "/opt/jw/JWC_TEMP.TXT");
  EXPECT_EQ(f.settings_path, "/opt/jw/orvik.dat");
}

TEST(ProgramFiles, OnlyTheLastExtensionIsReplaced) {
  EXPECT_EQ(ProgramFiles::ForProgram("/a/kx52.orvik.exe").settings_path,
            "/a/kx52.orvik.dat");
  // A dot in a folder name is not an extension of the program.
  EXPECT_EQ(ProgramFiles::ForProgram("/a.b/orvik").settings_path,
            "/a.b/orvik.dat");
  // A leading dot is part of the name.
  EXPECT_EQ(ProgramFiles::ForProgram("/a/.orvik").settings_path,
            "/a/.orvik.dat");
}

TEST(ProgramFiles, FolderGetsItsSeparator) {
  const ProgramFiles f = ProgramFiles::InFolder("/tmp/run", "orvik");
  EXPECT_EQ(f.folder, "/tmp/run/");
  EXPECT_EQ(f.exchange_path, "/tmp/run/JWC_TEMP.TXT");
  EXPECT_EQ(f.settings_path, "/tmp/run/orvik.dat");
  EXPECT_EQ(ProgramFiles::InFolder("/tmp/run/", "orvik").folder, "/tmp/run/");
}

} // namespace
} // namespace orvik::test
