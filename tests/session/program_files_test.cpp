// The files beside the program: the exchange file in its folder and the
// settings file named after it, whatever the working folder is.

#include "orvik/session/program_files.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using session::ProgramFiles;

TEST(ProgramFiles, AreNamedAfterTheProgramsPath) {
  struct Row {
    const char *program, *folder, *exchange, *settings;
  };
  // Only the last extension goes; a leading dot belongs to the name.
  const Row rows[] = {
      {"/opt/jw/orvik", "/opt/jw", "/opt/jw/JWC_TEMP.TXT", "/opt/jw/orvik.dat"},
      {"/a/kx52.orvik.exe", "/a", "/a/JWC_TEMP.TXT", "/a/kx52.orvik.dat"},
      {"/a.b/orvik", "/a.b", "/a.b/JWC_TEMP.TXT", "/a.b/orvik.dat"},
      {"/a/.orvik", "/a", "/a/JWC_TEMP.TXT", "/a/.orvik.dat"},
  };
  for (const Row &r : rows) {
    const ProgramFiles f = ProgramFiles::ForProgram(r.program);
    EXPECT_EQ(f.folder, r.folder) << r.program;
    EXPECT_EQ(f.exchange_path, r.exchange) << r.program;
    EXPECT_EQ(f.settings_path, r.settings) << r.program;
  }
  EXPECT_EQ(ProgramFiles::InFolder("/tmp/run", "orvik").settings_path,
            "/tmp/run/orvik.dat");
}

} // namespace
} // namespace orvik::test
