#include "virtual_display.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvik::tools {
namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string> &argv,
            const std::vector<std::string> &env,
            posix_spawn_file_actions_t *actions) {
  std::vector<char *> args, envp;
  for (const std::string &a : argv)
    args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string &e : env)
    envp.push_back(const_cast<char *>(e.c_str()));
  envp.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0].c_str(), actions, nullptr, args.data(),
                   envp.data()) != 0)
    return -1;
  return pid;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string> &argv,
                           const std::vector<std::string> &env, bool quiet) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Never the caller's standard output: a program outliving a crashed
  // test would keep the test runner waiting for the end of that output.
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (quiet)
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_ = Spawn(argv, env, &actions);
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0 && Wait(std::chrono::milliseconds(0)) < 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
  if (pid_ <= 0)
    return 128;
  const auto until = Clock::now() + timeout;
  do {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  } while (Clock::now() < until);
  return -1;
}

VirtualDisplay::VirtualDisplay(const std::string &geometry) {
  int fds[2];
  if (pipe(fds) != 0)
    return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  server_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                   geometry, "-nolisten", "tcp"},
                  KeptEnvironment({"PATH"}), &actions);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  // The server writes its display number once it accepts connections.
  std::string number;
  char c;
  while (server_ > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
    number += c;
  close(fds[0]);
  if (!number.empty())
    name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
}

bool VirtualDisplay::Installed(const std::string &program) {
  const char *path = std::getenv("PATH");
  const std::string dirs = path ? path : "/usr/bin:/bin";
  for (std::size_t start = 0; start <= dirs.size();) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    if (std::filesystem::exists(
            std::filesystem::path(dirs.substr(start, end - start)) / program))
      return true;
    start = end + 1;
  }
  return false;
}

std::vector<std::string>
KeptEnvironment(const std::vector<std::string> &names) {
  std::vector<std::string> env;
  for (const std::string &n : names)
    if (const char *v = std::getenv(n.c_str()))
      env.push_back(n + "=" + v);
  return env;
}

} // namespace orvik::tools
