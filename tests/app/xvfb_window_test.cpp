// The real program on a virtual X display, driven as a user drives it: it
// opens on the sample drawing in a folder of its own, two lines are dragged
// with the mouse in the line mode, Esc takes the second back and Alt+Y
// hands the drawing back; Alt+N closes a second run with "hq". The X
// server's key map is what the window reads to stop long work on Esc.
//
// The screenshot is kept as xvfb-window.png beside the test binary.

#include "orvik/app/desktop_services.h"

#include "file_bytes.h"
#include "real_window.h"
#include "run_cli.h"
#include "virtual_display.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

class XvfbWindow : public ::testing::Test {
protected:
  void SetUp() override {
    if (!tools::VirtualDisplay::Installed("Xvfb"))
      GTEST_SKIP() << "Xvfb is not installed (scripts/setup installs it)";
    display_ = std::make_unique<tools::VirtualDisplay>();
    ASSERT_FALSE(display_->Name().empty()) << "Xvfb did not start";
    x_ = std::make_unique<tools::XSession>(display_->Name());
    ASSERT_TRUE(x_->Connected());
    folder_ = fs::temp_directory_path() /
              ("orvik-xvfb-" + display_->Name().substr(1));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(BinDir() / "orvik", folder_ / "orvik");
  }
  void TearDown() override {
    program_.reset();
    x_.reset();
    display_.reset();
    fs::remove_all(folder_);
  }

  // The program with the sample drawing, started as the host starts it:
  // no arguments. Returns its window.
  unsigned long Start() {
    fs::copy_file(SourceDir() / "examples" / "JWC_TEMP.TXT",
                  folder_ / "JWC_TEMP.TXT",
                  fs::copy_options::overwrite_existing);
    // In a sanitizer build the system's session-bus library leaks a buffer
    // at exit, which would turn the exit status into a failure; the
    // program's own memory is checked by the in-process tests.
    std::vector<std::string> env = tools::KeptEnvironment({"PATH", "HOME"});
    env.insert(env.end(), {"DISPLAY=" + display_->Name(), "QT_QPA_PLATFORM=xcb",
                           "ASAN_OPTIONS=detect_leaks=0"});
    program_ = std::make_unique<tools::ChildProcess>(
        std::vector<std::string>{(folder_ / "orvik").string()}, env);
    return x_->WaitForWindow("Orvik", seconds(20));
  }
  // Closes by `chord`; false when the window does not go.
  bool CloseWith(unsigned long window, const char *chord) {
    x_->Focus(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return x_->Chord(chord) && program_->Wait(seconds(10)) == 0;
  }

  std::unique_ptr<tools::VirtualDisplay> display_;
  std::unique_ptr<tools::XSession> x_;
  std::unique_ptr<tools::ChildProcess> program_;
  fs::path folder_;
};

TEST_F(XvfbWindow, MouseDrawnLineReachesTheFileAndEscTakesBackTheNewest) {
  // The line records OK writes for the sample alone.
  ASSERT_EQ(
      RunCli({"write", (SourceDir() / "examples" / "JWC_TEMP.TXT").string(),
              (folder_ / "base.txt").string()})
          .code,
      0);
  const std::size_t host_lines =
      LineRecords(ReadBytes(folder_ / "base.txt")).size();
  unsigned long window = Start();
  ASSERT_NE(window, 0u) << "no window named Orvik appeared";
  const QImage before = WaitForPicture(*x_, window, seconds(20));
  ASSERT_FALSE(before.isNull()) << "the drawing never appeared";
  before.save(QString::fromStdString((BinDir() / "xvfb-window.png").string()));
  // Window 475 x 475 without a settings file; the status line is grey
  // along the bottom and the panel cream along the right.
  EXPECT_EQ(before.size(), QSize(475, 475));
  EXPECT_EQ(before.pixel(5, 470), qRgb(0xE7, 0xE7, 0xE7));
  EXPECT_EQ(before.pixel(475 - 5, 440), qRgb(0xFF, 0xFB, 0xF0));
  x_->Focus(window);

  // "線の作図" is the second column of the mode group's first row.
  const int panel = before.width() - 178;
  x_->Drag(window, {panel + 115, 31}, {panel + 115, 31});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  // Below the sample's texts the area is empty and the grid is off, so
  // the ends are where the pointer was.
  x_->Drag(window, {60, 380}, {260, 380});
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  x_->Drag(window, {60, 400}, {200, 410});
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  x_->Key("Escape", true);
  x_->Key("Escape", false);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  ASSERT_TRUE(CloseWith(window, "alt+y")) << "Alt+Y did not close it";

  const std::string result = ReadBytes(folder_ / "JWC_TEMP.TXT");
  ASSERT_TRUE(result.starts_with("hd\r\n"));
  const auto lines = LineRecords(result);
  ASSERT_EQ(lines.size(), host_lines + 1);
  // The newest line is the level one, left to right, below the drawing's
  // origin (the room's lower-left corner).
  const std::vector<double> &drawn = lines.back();
  EXPECT_EQ(drawn[1], drawn[3]);
  EXPECT_LT(drawn[0], drawn[2]);
  EXPECT_LT(drawn[1], 0);

  window = Start();
  ASSERT_NE(window, 0u);
  ASSERT_FALSE(WaitForPicture(*x_, window, seconds(20)).isNull());
  ASSERT_TRUE(CloseWith(window, "alt+n")) << "Alt+N did not close it";
  EXPECT_EQ(ReadBytes(folder_ / "JWC_TEMP.TXT"), "hq\r\n");
  EXPECT_TRUE(
      ReadBytes(folder_ / "orvik.dat").starts_with("0\r\n0\r\n475\r\n475\r\n"));
}

TEST_F(XvfbWindow, EscapeStateComesFromTheKeyboard) {
  setenv("DISPLAY", display_->Name().c_str(), 1);
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
  const auto until =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
  while (!seen && std::chrono::steady_clock::now() < until)
    seen = services->IsEscapeHeld();
  EXPECT_TRUE(seen);
  x_->Key("Escape", false);
}

} // namespace
} // namespace orvik::test
