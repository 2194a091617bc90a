#pragma once
// A file's bytes, for comparing what the program wrote.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvik::test {

inline std::string ReadBytes(const std::filesystem::path &p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace orvik::test
