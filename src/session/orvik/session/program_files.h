#pragma once
// The files the program keeps beside itself: the exchange file the host
// writes and reads back, and the settings file named after the program.

#include <filesystem>

namespace orvik::session {

struct ProgramFiles {
  std::filesystem::path folder;
  std::filesystem::path exchange_path; // folder / "JWC_TEMP.TXT"
  std::filesystem::path settings_path; // the program's path, ".dat"

  // For the program file at `program` (absolute): "X.exe" or "X" in
  // folder F gives F/JWC_TEMP.TXT and F/X.dat. Only the last extension
  // goes; a leading dot belongs to the name.
  static ProgramFiles ForProgram(const std::filesystem::path &program);
  // As if the program `program_name` lived in `folder`.
  static ProgramFiles InFolder(const std::filesystem::path &folder,
                               const std::filesystem::path &program_name);
};

} // namespace orvik::session
