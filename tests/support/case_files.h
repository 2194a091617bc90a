#pragma once
// What the golden case files of tests/exchange/cases and tests/cli/replay
// share: their names in a folder, and the escapes in their lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace orvik::test {

// The names of the folder's *.case files without the extension, sorted.
inline std::vector<std::string> CaseNames(const std::filesystem::path &dir) {
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(dir))
    if (entry.path().extension() == ".case")
      names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The line with \xNN as the byte NN and \\ as a backslash.
inline std::string Unescape(const std::string &line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      out += line[i];
    } else if (line.compare(i, 2, "\\\\") == 0) {
      out += '\\';
      ++i;
    } else if (line.compare(i, 2, "\\x") == 0 && i + 3 < line.size()) {
      out += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      ADD_FAILURE() << "bad escape in: " << line;
    }
  }
  return out;
}

} // namespace orvik::test
