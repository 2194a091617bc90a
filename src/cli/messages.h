#pragma once
// The tool's one-line error messages. Whatever they echo of the input (a
// path, a script line) is cut short and has its control bytes escaped.

#include <string>
#include <string_view>
#include <system_error>

namespace orvik::cli {

// "orvik-cli: " and `what`, ended by a line feed.
std::string Message(std::string_view what);
// The input as it may appear in a message: a script line, or a path
// (which keeps its beginning and its file name).
std::string Echo(std::string_view input);
std::string EchoPath(std::string_view path);
// "cannot read PATH", and why when the path names no file or no regular
// file (a FIFO or a directory reads as no file at all).
std::string CannotRead(const std::string &path);
// "cannot write PATH", and the system's reason when there is one.
std::string CannotWrite(const std::string &path, std::error_code error = {});

} // namespace orvik::cli
