// The program folder as a hostile user or a broken disk leaves it: one row
// per surrounding. Each row opens a session there (which must not hang),
// draws a line and presses OK, then closes; it says whether the drawing can
// be handed back and what must be kept whole when it cannot.

#include "session_fixture.h"

#include "orvik/session/ui_texts.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <tuple>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik::test {
namespace {

namespace fs = std::filesystem;

// The two points, and many host lines, so that the file handed back is
// far larger than the full disk below allows.
std::string HostDrawing() {
  std::string image = kTwoPoints;
  for (int i = 0; i < 200; ++i)
    image += "10 10 20 20\r\n";
  return image;
}

// The host's drawing as the exchange file.
bool PutHostDrawing(const fs::path &dir) {
  std::ofstream(dir / "JWC_TEMP.TXT", std::ios::binary) << HostDrawing();
  return true;
}

void HostDrawingKept(const fs::path &dir) {
  EXPECT_EQ(ReadBytes(dir / "JWC_TEMP.TXT"), HostDrawing());
}

// A disk that takes only 1 KiB more of any file: writes beyond fail with
// EFBIG, as on a full disk, instead of killing the process.
class FullDisk {
public:
  FullDisk() {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
  rlimit saved_{};
};

struct Row {
  const char *name; // the test's name
  // Makes the surrounding in the folder; false when this machine cannot
  // (the row is then skipped).
  std::function<bool(const fs::path &dir)> make;
  bool handed_back; // OK can write the exchange file
  // What must be kept whole: checked after a failed OK, or at the end.
  std::function<void(const fs::path &dir)> kept;
  bool hq_written = true; // closing afterwards can hand back "hq"
  friend void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }
};

const Row kRows[] = {
    {"ExchangeFileIsAFifo",
     [](const fs::path &d) {
       return mkfifo((d / "JWC_TEMP.TXT").c_str(), 0600) == 0;
     },
     true, nullptr},
    {"SettingsFileIsAFifo",
     [](const fs::path &d) {
       return PutHostDrawing(d) && mkfifo((d / "orvik.dat").c_str(), 0600) == 0;
     },
     true, nullptr},
    {"ExchangeFileIsADirectory",
     [](const fs::path &d) { return fs::create_directory(d / "JWC_TEMP.TXT"); },
     false,
     [](const fs::path &d) {
       EXPECT_TRUE(fs::is_directory(d / "JWC_TEMP.TXT"));
     },
     false},
    {"SettingsFileIsADirectory",
     [](const fs::path &d) {
       return PutHostDrawing(d) && fs::create_directory(d / "orvik.dat");
     },
     true,
     [](const fs::path &d) { EXPECT_TRUE(fs::is_directory(d / "orvik.dat")); }},
    {"ExchangeFileLinksToADrawingElsewhere",
     [](const fs::path &d) {
       fs::create_directory(d / "elsewhere");
       std::ofstream(d / "elsewhere" / "drawing.txt", std::ios::binary)
           << HostDrawing();
       fs::create_symlink(d / "elsewhere" / "drawing.txt", d / "JWC_TEMP.TXT");
       return true;
     },
     true,
     [](const fs::path &d) {
       EXPECT_EQ(ReadBytes(d / "elsewhere" / "drawing.txt"), HostDrawing());
     }},
    {"ExchangeFileIsReadOnly",
     [](const fs::path &d) {
       PutHostDrawing(d);
       fs::permissions(d / "JWC_TEMP.TXT", fs::perms::owner_read);
       return true;
     },
     true, nullptr},
    {"FolderIsReadOnly",
     [](const fs::path &d) {
       PutHostDrawing(d);
       std::ofstream(d / "orvik.dat", std::ios::binary) << "1\r\n2\r\n";
       fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec);
       // The superuser writes into read-only folders all the same.
       return geteuid() != 0;
     },
     false, HostDrawingKept, false},
    {"DiskIsFull", PutHostDrawing, false, HostDrawingKept},
};

class Hostile : public SessionTest,
                public ::testing::WithParamInterface<Row> {};

TEST_P(Hostile, NothingHangsAndNothingIsLost) {
  const Row &row = GetParam();
  if (!row.make(dir_))
    GTEST_SKIP() << "cannot make this surrounding here";
  std::optional<FullDisk> full;
  if (std::string(row.name) == "DiskIsFull")
    full.emplace();
  session::EditSession &s = Start();
  s.ChooseMode(session::kLineMode);
  Drag({300, 300}, {500, 400});
  const exchange::TJwwEntLine drawn =
      s.Model().Lines[s.Model().Lines.Count() - 1];
  EXPECT_EQ(s.Commit(), row.handed_back);
  if (!row.handed_back) {
    // The user was told, and every stroke is still there, unmoved, to hand
    // back once the cause is gone.
    ASSERT_EQ(events_.failures.size(), 1u);
    EXPECT_TRUE(events_.failures[0].after_ok);
    EXPECT_TRUE(events_.failures[0].error);
    EXPECT_TRUE(s.IsOpen());
    EXPECT_EQ(s.CounterText(), "線:1　点:0　円弧:0");
    const exchange::TJwwEntLine &kept =
        s.Model().Lines[s.Model().Lines.Count() - 1];
    EXPECT_EQ(std::tie(kept.X1, kept.Y1, kept.X2, kept.Y2),
              std::tie(drawn.X1, drawn.Y1, drawn.X2, drawn.Y2));
    if (row.kept)
      row.kept(dir_);
  }
  s.Close({0, 0, 500, 500});
  full.reset();
  fs::permissions(dir_, fs::perms::owner_all);
  // Closing after a failed OK hands back "hq", or tells the user again.
  const std::string back = fs::is_regular_file(dir_ / "JWC_TEMP.TXT")
                               ? Get("JWC_TEMP.TXT")
                               : std::string();
  if (row.handed_back) {
    EXPECT_TRUE(back.starts_with("hd\r\n"));
    if (row.kept)
      row.kept(dir_);
  } else if (row.hq_written) {
    EXPECT_EQ(back, "hq\r\n");
  }
  EXPECT_EQ(events_.failures.size(), row.handed_back  ? 0u
                                     : row.hq_written ? 1u
                                                      : 2u);
  for (const auto &entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().string().find(".orvik-"), std::string::npos)
        << "a temporary file was left: " << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Rows, Hostile, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return info.param.name; });

// A killed write leaves its temporary file; the next start removes it,
// unless a running writer holds it (which names are a writer's is the
// platform's test).
TEST_F(SessionTest, LeftoversOfKilledWritesGoAtTheNextStart) {
  Put("JWC_TEMP.TXT.orvik-0badf00d.tmp", "half a drawing");
  Put("orvik.dat.orvik-12345678.tmp", "half the settings");
  Put("JWC_TEMP.TXT.orvik-feedface.tmp", "being written");
  const int held =
      ::open((dir_ / "JWC_TEMP.TXT.orvik-feedface.tmp").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  Start(kTwoPoints);
  EXPECT_FALSE(fs::exists(dir_ / "JWC_TEMP.TXT.orvik-0badf00d.tmp"));
  EXPECT_FALSE(fs::exists(dir_ / "orvik.dat.orvik-12345678.tmp"));
  EXPECT_TRUE(fs::exists(dir_ / "JWC_TEMP.TXT.orvik-feedface.tmp"));
  ::close(held);
}

// Without host elements the line goes back moved by indicated point 1,
// (0, 0)-(10, 0) mm as "100 50 110 50": once, even after a failed OK, which
// leaves the line where it was drawn.
TEST_F(SessionTest, RetriedOkMovesTheNewElementsOnce) {
  session::EditSession &s = Start("hp1-  100 50\r\n");
  s.SpacingEdited("10");
  s.SetGridOn(true); // an empty drawing at 4.5 px per mm about pixel 500
  s.ChooseMode(session::kLineMode);
  Drag({500, 500}, {545, 500});
  fs::remove(dir_ / "JWC_TEMP.TXT");
  fs::create_directory(dir_ / "JWC_TEMP.TXT"); // refuses the drawing
  EXPECT_FALSE(s.Commit());
  fs::remove(dir_ / "JWC_TEMP.TXT");
  const exchange::TJwwEntLine &l = s.Model().Lines[0];
  EXPECT_EQ((std::array{l.X1, l.Y1, l.X2, l.Y2}),
            (std::array{0., 0., 10., 0.}));
  EXPECT_TRUE(s.Commit());
  EXPECT_EQ(Get("JWC_TEMP.TXT"),
            "hd\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\n100 50 110 50\r\n");
  s.Close({0, 0, 500, 500});
}

// The message of a failed hand-back names the cause a drafter can mend:
// one row per error, and the advice only while the strokes are kept.
TEST(HandBackMessage, NamesTheCause) {
  using session::text::kDiskFull, session::text::kNotWritable;
  const std::string head = std::string(session::text::kHandBackFailed) + "\n";
  const std::string advice = std::string("\n") + session::text::kTryAgain;
  const std::error_code io = std::make_error_code(std::errc::io_error);
  const std::pair<std::errc, std::string> rows[] = {
      {std::errc::no_space_on_device, kDiskFull},
      {std::errc::file_too_large, kDiskFull},
      {std::errc::permission_denied, kNotWritable},
      {std::errc::operation_not_permitted, kNotWritable},
      {std::errc::read_only_file_system, kNotWritable},
      {std::errc::io_error, session::text::kOtherCause + io.message()}};
  for (const auto &[error, cause] : rows) {
    const session::HandBackFailure f{"JWC_TEMP.TXT",
                                     std::make_error_code(error), true};
    EXPECT_EQ(session::HandBackMessage(f), head + cause + advice) << cause;
  }
  const session::HandBackFailure closing{"JWC_TEMP.TXT", io, false};
  EXPECT_EQ(session::HandBackMessage(closing),
            head + session::text::kOtherCause + io.message());
}

} // namespace
} // namespace orvik::test
