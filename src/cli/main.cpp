// orvik-cli: the headless tool. It runs the same code as the window, without
// a window, for scripts and tests.

#include "commands.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "usage: orvik-cli info FILE [--json]\n"
                                    "       orvik-cli write IN OUT\n";

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string_view command = argv[1];
  const orvik::cli::Args args(argv + 2, argv + argc);
  if (command == "info")
    return orvik::cli::RunInfo(args, std::cout, std::cerr);
  if (command == "write")
    return orvik::cli::RunWrite(args, std::cout, std::cerr);
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  std::cerr << "orvik-cli: unknown command '" << command << "'\n" << kUsage;
  return 2;
}
