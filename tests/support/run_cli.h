#pragma once
// Runs the built orvik-cli and captures its exit code, output and errors.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace orvik::test {

struct CliResult {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string ReadBytes(const std::filesystem::path &p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline std::filesystem::path BinDir() {
  const char *dir = std::getenv("ORVIK_BIN_DIR");
  return dir ? dir : "build/bin";
}

inline std::filesystem::path SourceDir() {
  const char *dir = std::getenv("ORVIK_SOURCE_DIR");
  return dir ? dir : ".";
}

// Arguments are quoted for the shell; they must not contain single quotes.
inline CliResult RunCli(const std::vector<std::string> &args,
                        const std::filesystem::path &scratch) {
  std::string command = "'" + (BinDir() / "orvik-cli").string() + "'";
  for (const std::string &a : args)
    command += " '" + a + "'";
  const auto out = scratch / "stdout.txt";
  const auto err = scratch / "stderr.txt";
  command += " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  CliResult r;
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadBytes(out);
  r.err = ReadBytes(err);
  return r;
}

} // namespace orvik::test
