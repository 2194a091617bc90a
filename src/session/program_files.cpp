#include "orvik/session/program_files.h"

namespace orvik::session {
namespace {

bool IsSeparator(char c) {
#if defined(_WIN32)
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

} // namespace

ProgramFiles ProgramFiles::ForProgram(const std::string &program_path) {
  std::size_t cut = program_path.size();
  while (cut > 0 && !IsSeparator(program_path[cut - 1]))
    --cut;
  return InFolder(program_path.substr(0, cut), program_path.substr(cut));
}

ProgramFiles ProgramFiles::InFolder(std::string folder,
                                    const std::string &program_name) {
  if (!folder.empty() && !IsSeparator(folder.back()))
    folder += '/';
  // Only the last extension goes: "orvik.exe" -> "orvik.dat", "orvik" ->
  // "orvik.dat". A leading dot is part of the name, not an extension.
  std::string stem = program_name;
  const std::size_t dot = stem.rfind('.');
  if (dot != std::string::npos && dot > 0)
    stem.resize(dot);
  ProgramFiles files;
  files.folder = folder;
  files.exchange_path = folder + "JWC_TEMP.TXT";
  files.settings_path = folder + stem + ".dat";
  return files;
}

} // namespace orvik::session
