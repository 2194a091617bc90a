#include "messages.h"

#include "orvik/platform/arguments.h"
#include "orvik/util/message_text.h"

#include <filesystem>

namespace orvik::cli {

std::string Message(std::string_view what) {
  return "orvik-cli: " + std::string(what) + "\n";
}

std::string Echo(std::string_view input) { return EchoForMessage(input); }

std::string EchoPath(std::string_view path) {
  return EchoForMessage(path, 100, Cut::Middle);
}

std::string CannotRead(const std::string &path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(platform::PathFromUtf8(path), ec);
  std::string why;
  if (!fs::exists(status))
    why = " (no such file)";
  else if (!fs::is_regular_file(status))
    why = " (not a regular file)";
  return Message("cannot read " + EchoPath(path) + why);
}

std::string CannotWrite(const std::string &path, std::error_code error) {
  return Message("cannot write " + EchoPath(path) +
                 (error ? ": " + error.message() : std::string()));
}

} // namespace orvik::cli
