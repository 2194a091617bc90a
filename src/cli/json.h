#pragma once
// Minimal JSON text helpers for the tool's machine-readable output.

#include <string>
#include <string_view>

namespace orvik::cli {

// A JSON string literal (with quotes) of UTF-8 text.
std::string JsonString(std::string_view utf8);

} // namespace orvik::cli
