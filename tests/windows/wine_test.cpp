// The Windows programs under wine, on a virtual X display, against the
// Linux ones: the tool writes and replays byte for byte what the Linux
// tool does, and the real window opens in a folder with a Japanese name,
// shows the drawing, draws a line with the mouse and hands it back on
// Alt+Y, or hands back "hq" on Alt+N.
//
// Needs the Windows build (scripts/build-windows) and wine; skipped
// without them. The window's picture is kept as wine-window.png beside
// the test binary.

#include "file_bytes.h"
#include "real_window.h"
#include "run_cli.h"
#include "virtual_display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

fs::path WindowsBinDir() {
  const char *dir = std::getenv("ORVIK_WINDOWS_BIN_DIR");
  return dir ? dir : "build-windows/bin";
}

class Wine : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!fs::exists(WindowsBinDir() / "orvik.exe") ||
        !tools::VirtualDisplay::Installed("wine") ||
        !tools::VirtualDisplay::Installed("Xvfb"))
      return;
    display_ = new tools::VirtualDisplay("1024x768x24");
    // A new wine prefix takes a minute to set up; later runs reuse it.
    const char *prefix = std::getenv("WINEPREFIX");
    if (prefix && !fs::exists(fs::path(prefix) / "system.reg"))
      RunProgram("wine", {"wineboot", "-i"}, Environment());
  }
  static void TearDownTestSuite() {
    delete display_;
    display_ = nullptr;
  }
  void SetUp() override {
    if (display_ == nullptr || display_->Name().empty())
      GTEST_SKIP() << "needs wine, Xvfb and the Windows build";
    folder_ = fs::temp_directory_path() / "orvik-wine" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  // wine runs a program in a process of its own, which killing the
  // launcher does not end: the prefix's server ends them all.
  void TearDown() override {
    RunProgram("wineserver", {"-k"}, Environment());
    fs::remove_all(folder_);
  }

  // What every wine run needs: the display, a UTF-8 locale (so that wine
  // reads the Japanese folder names in its arguments), and no dialogs about
  // the .NET and HTML runtimes the programs never use.
  static std::vector<std::string> Environment() {
    std::vector<std::string> env = {"WINEDEBUG=-all", "LC_ALL=C.UTF-8",
                                    "WINEDLLOVERRIDES=mscoree,mshtml="};
    if (display_ != nullptr)
      env.push_back("DISPLAY=" + display_->Name());
    return env;
  }
  static CliResult WineCli(const std::vector<std::string> &args) {
    std::vector<std::string> all = {
        fs::absolute(WindowsBinDir() / "orvik-cli.exe").string()};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram("wine", all, Environment());
  }

  static inline tools::VirtualDisplay *display_ = nullptr;
  fs::path folder_;
};

TEST_F(Wine, ToolWritesAndReplaysAsOnLinux) {
  const fs::path session = SourceDir() / "tests" / "windows" / "session.txt";
  // The sample, and texts with the code page's extension characters.
  for (const char *name : {"JWC_TEMP.TXT", "TEXTS.TXT"}) {
    SCOPED_TRACE(name);
    const fs::path drawing = SourceDir() / "examples" / name;
    ASSERT_EQ(
        RunCli({"write", drawing.string(), (folder_ / "l.txt").string()}).code,
        0);
    const CliResult w =
        WineCli({"write", drawing.string(), (folder_ / "w.txt").string()});
    ASSERT_EQ(w.code, 0) << w.err;
    EXPECT_EQ(ReadBytes(folder_ / "w.txt"), ReadBytes(folder_ / "l.txt"));

    for (const char *side : {"linux", "windows"}) {
      fs::create_directories(folder_ / side);
      fs::copy_file(drawing, folder_ / side / "JWC_TEMP.TXT",
                    fs::copy_options::overwrite_existing);
    }
    const CliResult l =
        RunCli({"replay", (folder_ / "linux").string(), session.string()});
    const CliResult r =
        WineCli({"replay", (folder_ / "windows").string(), session.string()});
    ASSERT_EQ(l.code, 0) << l.err;
    ASSERT_EQ(r.code, 0) << r.err;
    // Windows writes its console lines with CR LF.
    EXPECT_EQ(QString::fromStdString(r.out).replace("\r\n", "\n").toStdString(),
              l.out);
    for (const char *file : {"JWC_TEMP.TXT", "orvik.dat"})
      EXPECT_EQ(ReadBytes(folder_ / "windows" / file),
                ReadBytes(folder_ / "linux" / file))
          << file;
  }
}

TEST_F(Wine, WindowInAJapaneseFolderDrawsAndHandsBack) {
  const fs::path program = folder_ / fs::path(u"図面/外部変形/Orvik");
  fs::create_directories(program);
  fs::copy_file(WindowsBinDir() / "orvik.exe", program / "orvik.exe");
  tools::XSession x(display_->Name());
  ASSERT_TRUE(x.Connected());
  const auto start = [&] {
    fs::copy_file(SourceDir() / "examples" / "JWC_TEMP.TXT",
                  program / "JWC_TEMP.TXT",
                  fs::copy_options::overwrite_existing);
    std::vector<std::string> env = tools::KeptEnvironment(
        {"PATH", "HOME", "WINEPREFIX", "XDG_RUNTIME_DIR"});
    const std::vector<std::string> wine = Environment();
    env.insert(env.end(), wine.begin(), wine.end());
    return std::make_unique<tools::ChildProcess>(
        std::vector<std::string>{"wine", (program / "orvik.exe").string()}, env,
        true);
  };
  const auto close_with = [&](unsigned long window, tools::ChildProcess &p,
                              const char *chord) {
    x.Focus(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return x.Chord(chord) && p.Wait(seconds(20)) == 0;
  };

  auto run = start();
  unsigned long window = x.WaitForWindow("Orvik", seconds(60));
  ASSERT_NE(window, 0u) << "no window named Orvik appeared";
  const QImage shot = WaitForPicture(x, window, seconds(30));
  ASSERT_FALSE(shot.isNull()) << "the drawing never appeared";
  shot.save(QString::fromStdString((BinDir() / "wine-window.png").string()));
  const QPoint o = ClientOrigin(shot).value_or(QPoint());
  // The panel is cream along the right, the status line grey below.
  EXPECT_EQ(shot.pixel(o.x() + 475 - 5, o.y() + 440), qRgb(0xFF, 0xFB, 0xF0));
  EXPECT_EQ(shot.pixel(o.x() + 5, o.y() + 470), qRgb(0xE7, 0xE7, 0xE7));

  // "線の作図", then a level line below the sample's texts.
  x.Focus(window);
  const int panel = o.x() + 475 - 178;
  x.Drag(window, {panel + 115, o.y() + 31}, {panel + 115, o.y() + 31});
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  x.Drag(window, {o.x() + 60, o.y() + 380}, {o.x() + 260, o.y() + 380});
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  ASSERT_TRUE(close_with(window, *run, "alt+y")) << "Alt+Y did not close it";
  const std::string result = ReadBytes(program / "JWC_TEMP.TXT");
  ASSERT_TRUE(result.starts_with("hd\r\n"));
  const auto lines = LineRecords(result);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back()[1], lines.back()[3]); // level
  EXPECT_LT(lines.back()[0], lines.back()[2]); // left to right

  run = start();
  window = x.WaitForWindow("Orvik", seconds(60));
  ASSERT_NE(window, 0u);
  ASSERT_FALSE(WaitForPicture(x, window, seconds(30)).isNull());
  ASSERT_TRUE(close_with(window, *run, "alt+n")) << "Alt+N did not close it";
  EXPECT_EQ(ReadBytes(program / "JWC_TEMP.TXT"), "hq\r\n");
}

} // namespace
} // namespace orvik::test
