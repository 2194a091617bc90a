// Outside Windows: the Qt commands are loaded from orvik-cli-gui.so, beside
// the executable, only when one of them runs.

#include "gui_commands.h"

#include "orvik/platform/program_module.h"

#include <iostream>
#include <string>

namespace orvik::cli {

int RunGuiCommand(int argc, char **argv) {
  std::string error;
  const platform::ModuleMain entry =
      platform::LoadModuleMain("orvik-cli-gui.so", "OrvikCliGuiMain", error);
  if (entry == nullptr) {
    std::cerr << "orvik-cli: cannot load the render and replay commands: "
              << error << "\n";
    return 2;
  }
  return entry(argc, argv);
}

} // namespace orvik::cli
