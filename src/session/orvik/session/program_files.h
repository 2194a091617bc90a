#pragma once
// The files the program keeps beside itself: the exchange file the host
// writes and reads back, and the settings file named after the program.

#include <filesystem>
#include <string>

namespace orvik::session {

struct ProgramFiles {
  std::string folder;                  // with its trailing separator
  std::filesystem::path exchange_path; // folder + "JWC_TEMP.TXT"
  std::filesystem::path settings_path; // the program's path, ".dat"

  // For the program file at `program_path` (absolute): "X.exe" or "X" in
  // folder F gives F/JWC_TEMP.TXT and F/X.dat.
  static ProgramFiles ForProgram(const std::string &program_path);
  // As if the program `program_name` lived in `folder`.
  static ProgramFiles InFolder(std::string folder,
                               const std::string &program_name);
};

} // namespace orvik::session
