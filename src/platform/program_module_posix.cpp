#include "orvik/platform/program_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace orvik::platform {

// The module stays loaded for the rest of the process: its code runs until
// the command ends, and Qt's own clean-up at exit may still call into it.
ModuleMain LoadModuleMain(const std::string &file, const char *name,
                          std::string &error) {
  std::error_code ec;
  const std::filesystem::path self =
      std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) {
    error = "cannot find the program's folder: " + ec.message();
    return nullptr;
  }
  const std::string path = (self.parent_path() / file).string();
  void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    const char *why = dlerror();
    error = why != nullptr ? why : "cannot load " + path;
    return nullptr;
  }
  void *entry = dlsym(module, name);
  if (entry == nullptr) {
    error = path + " has no " + name;
    return nullptr;
  }
  return reinterpret_cast<ModuleMain>(entry);
}

} // namespace orvik::platform
