// The real program on a virtual X display: it opens on the sample drawing
// in its own folder, shows it, and Alt+N closes it handing "hq" back. The
// X server's key map is what the window reads to stop long work on Esc.
//
// The screenshot is kept as xvfb-window.png beside the test binary.

#include "orvik/app/desktop_services.h"

#include "run_cli.h"
#include "x_session.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace orvik::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

bool FindOnPath(const std::string &name) {
  const char *path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    if (fs::exists(fs::path(dirs.substr(start, end - start)) / name))
      return true;
    start = end + 1;
  }
  return false;
}

pid_t Spawn(const std::vector<std::string> &argv,
            const std::vector<std::string> &env,
            posix_spawn_file_actions_t *actions = nullptr) {
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

// Exit status, or -1 when the process is still running after `timeout`.
int WaitExit(pid_t pid, std::chrono::milliseconds timeout) {
  const auto until = Clock::now() + timeout;
  while (Clock::now() < until) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

// A virtual X server on a free display, stopped with the fixture.
class XvfbSession : public ::testing::Test {
protected:
  void SetUp() override {
    if (!FindOnPath("Xvfb"))
      GTEST_SKIP() << "Xvfb is not installed (scripts/setup installs it)";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    server_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen",
                     "0", "1280x800x24", "-nolisten", "tcp"},
                    {}, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    ASSERT_GT(server_, 0);
    // The server writes its display number once it accepts connections.
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
      number += c;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    display_name_ = ":" + number;
    x_ = std::make_unique<tools::XSession>(display_name_);
    ASSERT_TRUE(x_->Connected());
  }
  void TearDown() override {
    x_.reset();
    if (program_ > 0 && WaitExit(program_, std::chrono::milliseconds(0)) < 0) {
      kill(program_, SIGKILL);
      waitpid(program_, nullptr, 0);
    }
    if (server_ > 0) {
      kill(server_, SIGTERM);
      waitpid(server_, nullptr, 0);
    }
    if (!folder_.empty())
      fs::remove_all(folder_);
  }

  // The program copied into a folder of its own with the sample drawing,
  // started as the host starts it: no arguments.
  void StartProgram() {
    folder_ =
        fs::temp_directory_path() / ("orvik-xvfb-" + display_name_.substr(1));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(BinDir() / "orvik", folder_ / "orvik");
    fs::copy_file(SourceDir() / "examples" / "JWC_TEMP.TXT",
                  folder_ / "JWC_TEMP.TXT");
    // In a sanitizer build the system's session-bus library leaks a buffer
    // at exit, which would turn the exit status into a failure; the
    // program's own memory is checked by the in-process tests.
    std::vector<std::string> env = {"DISPLAY=" + display_name_,
                                    "QT_QPA_PLATFORM=xcb",
                                    "ASAN_OPTIONS=detect_leaks=0"};
    for (const char *keep : {"PATH", "HOME", "LANG"})
      if (const char *v = std::getenv(keep))
        env.push_back(std::string(keep) + "=" + v);
    program_ = Spawn({(folder_ / "orvik").string()}, env);
    ASSERT_GT(program_, 0);
  }

  // The window's picture once the drawing is on screen: the drawing area's
  // blue frame at its top-left corner and the drawing inside it. Null when
  // that does not happen within 20 s.
  QImage WaitForPicture(unsigned long window) {
    const auto until = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const QImage shot = x_->Grab(window);
      int inked = 0;
      for (int y = 10; y < shot.height() - 40; ++y)
        for (int x = 10; x < shot.width() - 190; ++x)
          inked += shot.pixel(x, y) != qRgb(255, 255, 255);
      if (shot.pixel(0, 0) == qRgb(0, 0, 255) && inked > 500)
        return shot;
    }
    return {};
  }

  pid_t server_ = -1, program_ = -1;
  std::string display_name_;
  std::unique_ptr<tools::XSession> x_;
  fs::path folder_;
};

TEST_F(XvfbSession, OpensOnTheSampleAndAltNHandsBackHq) {
  StartProgram();
  const unsigned long window =
      x_->WaitForWindow("Orvik", std::chrono::seconds(20));
  ASSERT_NE(window, 0u) << "no window named Orvik appeared";
  const QImage shot = WaitForPicture(window);
  ASSERT_FALSE(shot.isNull()) << "the drawing never appeared";
  shot.save(QString::fromStdString((BinDir() / "xvfb-window.png").string()));
  // Window 475 x 475 without a settings file; the status line is grey
  // along the bottom and the panel cream along the right.
  EXPECT_EQ(shot.size(), QSize(475, 475));
  EXPECT_EQ(shot.pixel(5, 470), qRgb(0xE7, 0xE7, 0xE7));
  EXPECT_EQ(shot.pixel(475 - 5, 440), qRgb(0xFF, 0xFB, 0xF0));

  x_->Focus(window);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_TRUE(x_->Chord("alt+n"));
  const int status = WaitExit(program_, std::chrono::seconds(10));
  program_ = -1;
  ASSERT_EQ(status, 0) << "the window did not close on Alt+N";
  EXPECT_EQ(ReadBytes(folder_ / "JWC_TEMP.TXT"), "hq\r\n");
  const std::string settings = ReadBytes(folder_ / "orvik.dat");
  EXPECT_EQ(std::count(settings.begin(), settings.end(), '\n'), 9);
  EXPECT_EQ(settings.substr(0, 16), "0\r\n0\r\n475\r\n475\r\n");
}

// Line records of an exchange file: four numbers, the first not a record
// name.
std::vector<std::vector<double>> LineRecords(const std::string &file) {
  std::vector<std::vector<double>> lines;
  std::size_t start = 0;
  while (start < file.size()) {
    const std::size_t end = std::min(file.find("\r\n", start), file.size());
    const QStringList fields =
        QString::fromLatin1(file.substr(start, end - start))
            .split(' ', Qt::SkipEmptyParts);
    std::vector<double> numbers;
    bool all = fields.size() == 4;
    for (const QString &f : fields) {
      bool ok = false;
      numbers.push_back(f.toDouble(&ok));
      all = all && ok;
    }
    if (all)
      lines.push_back(numbers);
    start = end + 2;
  }
  return lines;
}

// Drawing with the real mouse: two lines dragged in the line mode, Esc takes
// the second back, Alt+Y (OK) hands the drawing back with the first added.
TEST_F(XvfbSession, MouseDrawnLineReachesTheFileAndEscTakesBackTheNewest) {
  const fs::path scratch = fs::temp_directory_path() /
                           ("orvik-xvfb-base-" + display_name_.substr(1));
  fs::create_directories(scratch);
  const fs::path base = scratch / "base.txt";
  ASSERT_EQ(
      RunCli({"write", (SourceDir() / "examples" / "JWC_TEMP.TXT").string(),
              base.string()},
             scratch)
          .code,
      0);
  const std::size_t host_lines = LineRecords(ReadBytes(base)).size();
  fs::remove_all(scratch);
  ASSERT_GT(host_lines, 0u);

  StartProgram();
  const unsigned long window =
      x_->WaitForWindow("Orvik", std::chrono::seconds(20));
  ASSERT_NE(window, 0u);
  const QImage before = WaitForPicture(window);
  ASSERT_FALSE(before.isNull()) << "the drawing never appeared";
  x_->Focus(window);

  // The mode group fills the panel's top; "線の作図" is the second column
  // of its first row. Choosing it changes the status line.
  const int panel = before.width() - 178;
  x_->Drag(window, {panel + 115, 31}, {panel + 115, 31});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const QImage chosen = x_->Grab(window);
  EXPECT_NE(chosen.copy(0, chosen.height() - 24, chosen.width(), 24),
            before.copy(0, before.height() - 24, before.width(), 24))
      << "the line mode was not chosen";

  // Below the sample's texts the area is empty and the grid is off, so
  // the ends are where the pointer was.
  x_->Drag(window, {60, 380}, {260, 380});
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  x_->Drag(window, {60, 400}, {200, 410});
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  x_->Key("Escape", true);
  x_->Key("Escape", false);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  ASSERT_TRUE(x_->Chord("alt+y"));
  const int status = WaitExit(program_, std::chrono::seconds(10));
  program_ = -1;
  ASSERT_EQ(status, 0) << "the window did not close on Alt+Y";

  const std::string result = ReadBytes(folder_ / "JWC_TEMP.TXT");
  ASSERT_EQ(result.substr(0, 4), "hd\r\n");
  const auto lines = LineRecords(result);
  ASSERT_EQ(lines.size(), host_lines + 1);
  // The newest line is the level one, left to right, below the drawing's
  // origin (the room's lower-left corner).
  const std::vector<double> &drawn = lines.back();
  EXPECT_EQ(drawn[1], drawn[3]);
  EXPECT_LT(drawn[0], drawn[2]);
  EXPECT_LT(drawn[1], 0);
}

TEST_F(XvfbSession, EscapeStateComesFromTheKeyboard) {
  setenv("DISPLAY", display_name_.c_str(), 1);
  const auto services = app::MakeDesktopServices();
  EXPECT_FALSE(services->IsEscapeHeld());
  x_->Key("Escape", true);
  // Answers are reused between pauses; after one the key map is read.
  services->Pause(1);
  EXPECT_TRUE(services->IsEscapeHeld());
  x_->Key("Escape", false);
  services->Pause(1);
  EXPECT_FALSE(services->IsEscapeHeld());
  // Long work asks over and over without pausing: it sees the key within
  // a few milliseconds.
  x_->Key("Escape", true);
  bool seen = false;
  const auto until = Clock::now() + std::chrono::milliseconds(200);
  while (!seen && Clock::now() < until)
    seen = services->IsEscapeHeld();
  EXPECT_TRUE(seen);
  x_->Key("Escape", false);
}

} // namespace
} // namespace orvik::test
