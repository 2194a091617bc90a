#pragma once
// A virtual X display (Xvfb on a free display number) and programs started
// on it, for driving real windows where there is no screen: the window
// tests, on Linux and under wine.

#include <chrono>
#include <string>
#include <vector>

#include <sys/types.h>

namespace orvik::tools {

// A program started with its own environment, killed with the object
// unless it has ended. Its standard output goes nowhere, and its standard
// error too when `quiet`.
class ChildProcess {
public:
  ChildProcess(const std::vector<std::string> &argv,
               const std::vector<std::string> &env, bool quiet = false);
  ~ChildProcess();
  ChildProcess(const ChildProcess &) = delete;
  ChildProcess &operator=(const ChildProcess &) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit status; 128 when killed by a signal; -1 while it still runs
  // after `timeout`.
  int Wait(std::chrono::milliseconds timeout);

private:
  pid_t pid_ = -1;
};

class VirtualDisplay {
public:
  // Starts Xvfb with one screen of `geometry` ("1280x800x24").
  explicit VirtualDisplay(const std::string &geometry = "1280x800x24");
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay &) = delete;
  VirtualDisplay &operator=(const VirtualDisplay &) = delete;

  // ":N" once the server accepts connections; empty when it did not start.
  const std::string &Name() const { return name_; }

  // Whether `program` is on the PATH (Xvfb, wine).
  static bool Installed(const std::string &program);

private:
  pid_t server_ = -1;
  std::string name_;
};

// NAME=value for each of `names` that the environment has.
std::vector<std::string> KeptEnvironment(const std::vector<std::string> &names);

} // namespace orvik::tools
