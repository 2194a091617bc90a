#pragma once
// Runs the built orvik-cli and captures its exit code, output and errors.
// QProcess passes the arguments as they are on every platform; no shell
// sees them.

#include "file_bytes.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace orvik::test {

struct CliResult {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::filesystem::path BinDir() {
  const char *dir = std::getenv("ORVIK_BIN_DIR");
  return dir ? dir : "build/bin";
}

inline std::filesystem::path SourceDir() {
  const char *dir = std::getenv("ORVIK_SOURCE_DIR");
  return dir ? dir : ".";
}

// Runs `program` with `args` (UTF-8) in `folder` (empty: the test's
// working folder), with `env` ("NAME=value") added to the environment. A
// run that does not end within two minutes, or crashes, gives code -1.
inline CliResult RunProgram(const std::filesystem::path &program,
                            const std::vector<std::string> &args,
                            const std::vector<std::string> &env = {},
                            const std::filesystem::path &folder = {}) {
  QStringList list;
  for (const std::string &a : args)
    list << QString::fromStdString(a);
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const std::string &e : env) {
    const QString entry = QString::fromStdString(e);
    const auto eq = entry.indexOf('=');
    environment.insert(entry.left(eq), entry.mid(eq + 1));
  }
  process.setProcessEnvironment(environment);
  if (!folder.empty())
    process.setWorkingDirectory(QString::fromStdU16String(folder.u16string()));
  process.start(QString::fromStdU16String(program.u16string()), list);
  CliResult r;
  if (!process.waitForFinished(120'000))
    process.kill();
  process.waitForFinished();
  r.out = process.readAllStandardOutput().toStdString();
  r.err = process.readAllStandardError().toStdString();
  if (process.exitStatus() == QProcess::NormalExit)
    r.code = process.exitCode();
  return r;
}

// The built orvik-cli.
inline CliResult RunCli(const std::vector<std::string> &args,
                        const std::filesystem::path &folder = {}) {
  return RunProgram(std::filesystem::absolute(BinDir() / "orvik-cli"), args, {},
                    folder);
}

} // namespace orvik::test
