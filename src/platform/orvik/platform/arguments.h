#pragma once
// Command-line arguments and paths as text. Arguments are UTF-8 on every
// platform (on Windows they come from the wide command line, so a file
// name in any script survives); paths convert from and to that text
// without passing through a narrow code page.

#include <filesystem>
#include <string>
#include <vector>

namespace orvik::platform {

// argv[1..], UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char **argv);

// A path named by UTF-8 text (an argument, a script line). On POSIX
// systems the bytes are the name, whatever they are.
std::filesystem::path PathFromUtf8(const std::string &utf8);

// A path as UTF-8 text, for messages and for the toolkit.
std::string PathToUtf8(const std::filesystem::path &path);

} // namespace orvik::platform
