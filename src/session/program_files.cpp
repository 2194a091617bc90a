#include "orvik/session/program_files.h"

namespace orvik::session {

ProgramFiles ProgramFiles::ForProgram(const std::filesystem::path &program) {
  return InFolder(program.parent_path(), program.filename());
}

ProgramFiles ProgramFiles::InFolder(const std::filesystem::path &folder,
                                    const std::filesystem::path &program_name) {
  std::filesystem::path settings = program_name.stem();
  settings += ".dat";
  return {folder, folder / "JWC_TEMP.TXT", folder / settings};
}

} // namespace orvik::session
