// The files beside the program: the exchange file in its folder and the
// settings file named after it, whatever the working folder is.

#include "orvik/session/program_files.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using session::ProgramFiles;

TEST(ProgramFiles, AreNamedAfterTheProgramsPath) {
  // Program, folder, exchange file, settings file. Only the last extension
  // goes; a leading dot belongs to the name.
  const char *const rows[][4] = {
      {"/opt/jw/orvik", "/opt/jw", "/opt/jw/JWC_TEMP.TXT", "/opt/jw/orvik.dat"},
      {"/a/kx52.orvik.exe", "/a", "/a/JWC_TEMP.TXT", "/a/kx52.orvik.dat"},
      {"/a.b/orvik", "/a.b", "/a.b/JWC_TEMP.TXT", "/a.b/orvik.dat"},
      {"/a/.orvik", "/a", "/a/JWC_TEMP.TXT", "/a/.orvik.dat"},
  };
  for (const auto &[program, folder, exchange, settings] : rows) {
    const ProgramFiles f = ProgramFiles::ForProgram(program);
    EXPECT_EQ(f.folder, folder) << program;
    EXPECT_EQ(f.exchange_path, exchange) << program;
    EXPECT_EQ(f.settings_path, settings) << program;
  }
  EXPECT_EQ(ProgramFiles::InFolder("/tmp/run", "orvik").settings_path,
            "/tmp/run/orvik.dat");
}

} // namespace
} // namespace orvik::test
