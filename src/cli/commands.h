#pragma once
// Subcommands of orvik-cli. Each takes the arguments after its name,
// writes its result to `out` and its one-line error messages to `err`, and
// returns the process exit code: 0 success, 1 a failed write, 2 bad usage
// or an input that cannot be read.

#include <ostream>
#include <string>
#include <vector>

namespace orvik::cli {

using Args = std::vector<std::string>;

int RunInfo(const Args &args, std::ostream &out, std::ostream &err);
int RunWrite(const Args &args, std::ostream &out, std::ostream &err);
// Needs a QGuiApplication (fonts).
int RunRender(const Args &args, std::ostream &out, std::ostream &err);
// Needs a QApplication (the window).
int RunReplay(const Args &args, std::ostream &out, std::ostream &err);

} // namespace orvik::cli
