#pragma once
// Code a program keeps in a module beside its executable and loads only
// when it needs it. orvik-cli does so outside Windows: its commands that
// need Qt (render, replay) live in orvik-cli-gui.so, so that info and
// write start without loading the toolkit (some 14 MB of a million-element
// write's peak memory, and its start-up). On Windows orvik-cli.exe is one
// static file, with nothing to load.

#include <string>

namespace orvik::platform {

// The entry point of a module: a main function.
using ModuleMain = int (*)(int argc, char **argv);

// Loads `file` from the folder of the running executable and returns its
// function `name`; null, with `error` saying why, when either is missing.
ModuleMain LoadModuleMain(const std::string &file, const char *name,
                          std::string &error);

} // namespace orvik::platform
