// orvik-cli: the headless tool. It runs the same code as the window, without
// a window, for scripts and tests.

#include "commands.h"
#include "gui_commands.h"

#include "orvik/platform/arguments.h"
#include "orvik/util/message_text.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: orvik-cli info FILE [--json]\n"
    "       orvik-cli write IN OUT\n"
    "       orvik-cli render IN OUT.png [--size WxH] [--grid SPACING]\n"
    "       orvik-cli replay DIR SCRIPT\n";

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::vector<std::string> all =
      orvik::platform::Utf8Arguments(argc, argv);
  const std::string_view command = all.at(0);
  const orvik::cli::Args args(all.begin() + 1, all.end());
  if (command == "info")
    return orvik::cli::RunInfo(args, std::cout, std::cerr);
  if (command == "write")
    return orvik::cli::RunWrite(args, std::cout, std::cerr);
  if (command == "render" || command == "replay")
    return orvik::cli::RunGuiCommand(argc, argv);
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  std::cerr << "orvik-cli: unknown command '" << orvik::EchoForMessage(command)
            << "'\n"
            << kUsage;
  return 2;
}
