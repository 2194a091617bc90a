// POSIX: arguments and file names are bytes, UTF-8 by convention.

#include "orvik/platform/arguments.h"

namespace orvik::platform {

std::vector<std::string> Utf8Arguments(int argc, char **argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path PathFromUtf8(const std::string &utf8) { return utf8; }

std::string PathToUtf8(const std::filesystem::path &path) {
  return path.string();
}

} // namespace orvik::platform
