// The editing session on a large generated drawing, as the window drives it
// but without the window: EditSession drawing onto a 1600 x 1000 image, with
// services that never pause (the 200 ms a new element's marks stay is not
// counted) and events that go nowhere. Measured:
// - BM_Read: reading the same file (exchange::ReadExchangeFile) as
//   start-up does, the yardstick of the others;
// - BM_Stroke: one pen stroke in the line mode at the fitted view (press, a
//   few moves, release: both ends snapped, the line added, the whole
//   picture redrawn), each in a new place; Esc then takes the line back
//   (and redraws), timed apart as esc_ms, so the drawing does not grow;
// - BM_ArrowStep: Left and Right in turn, 64 times zoomed in (six Page Up
//   from the fitted view);
// - BM_FitAll: Home, the extents and a full render of the fitted view;
// - BM_Hover: one step of a hovering pen in the line mode with the grid on,
//   at the fitted view and 64 times zoomed in: the snap (or the grid node)
//   under the pointer and its mark drawn into the overlay, each step at
//   another pixel.
// The others report read_ms, the best of three reads of the file measured
// before any session started, and per_read, their own time over that. (A read
// while a session of a million elements is alive is markedly slower; start-up
// never reads so, and neither does BM_Read.)
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 1,000,000) and
// ORVIK_BENCH_SHAPE its shapes (generated_drawing.h). The session starts as
// the window's does, from a temporary program folder holding the drawing as
// JWC_TEMP.TXT; the folder goes once the session has read it.

#include "generated_drawing.h"

#include "orvik/app/image_surface.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/reader.h"
#include "orvik/session/edit_session.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
namespace ex = orvik::exchange;
namespace se = orvik::session;
using orvik::bench::Shape;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1600, kHeight = 1000;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

class QuietEvents final : public se::SessionEvents {
public:
  void ShowStatus(std::string_view) override {}
  void ShowCounter(std::string_view) override {}
  void ShowGridSwitch(bool) override {}
  void IdleWorkPending() override {}
  void HandBackFailed(const se::HandBackFailure &) override {}
  void ShowProgress(std::string_view) override {}
};

class QuietServices final : public se::SystemServices {
public:
  bool IsEscapeHeld() override { return false; }
  void Beep() override {}
  void Pause(int) override {}
};

// The best of three reads of `file` into a fresh model, in milliseconds.
double ReadMilliseconds(const std::string &file) {
  double best = 0;
  for (int i = 0; i < 3; ++i) {
    auto model = std::make_unique<ex::DrawingModel>();
    const auto start = Clock::now();
    ex::ReadExchangeFile(*model, file);
    const double ms = Seconds(start) * 1000;
    best = i == 0 ? ms : std::min(best, ms);
  }
  return best;
}

std::string DrawingFile(Shape shape) {
  return orvik::bench::GeneratedDrawing(orvik::bench::BenchElements(1'000'000),
                                        shape);
}

// The yardstick of a shape: the best of three reads of its file, measured
// before any session is alive (TheSession sees to it).
double ReadMs(Shape shape) {
  if (shape == Shape::Realistic) {
    static const double realistic = ReadMilliseconds(DrawingFile(shape));
    return realistic;
  }
  static const double plain = ReadMilliseconds(DrawingFile(shape));
  return plain;
}

// A session on the drawing of a shape, started as the window starts it:
// loaded, opened, its first picture painted, its snap index built (the
// window's idle work).
struct Session {
  explicit Session(Shape shape)
      : file(DrawingFile(shape)), read_ms(ReadMs(shape)) {
    const fs::path dir =
        fs::temp_directory_path() /
        ("orvik-session-bench-" + std::string(ShapeName(shape)));
    fs::create_directories(dir);
    fs::copy_file(file, dir / "JWC_TEMP.TXT",
                  fs::copy_options::overwrite_existing);
    fs::remove(dir / "orvik.dat");
    session = std::make_unique<se::EditSession>(
        se::ProgramFiles::InFolder(dir, "orvik"), surface, events, services);
    session->Load();
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    session->Begin();
    session->Paint();
    session->RunIdleWork();
    loaded = session->Model().ElementCount();
  }

  std::string file;
  double read_ms;
  QImage area{kWidth, kHeight, QImage::Format_RGB32};
  orvik::app::ImageSurface surface{area};
  QuietEvents events;
  QuietServices services;
  std::unique_ptr<se::EditSession> session;
  std::size_t loaded = 0;
};

// Each shape's session, started on first use and kept to the end; every
// shape's yardstick is measured before the first one starts.
Session &TheSession(Shape shape) {
  for (Shape s : orvik::bench::BenchShapes())
    ReadMs(s);
  if (shape == Shape::Realistic) {
    static Session *const realistic = new Session(shape);
    return *realistic;
  }
  static Session *const plain = new Session(shape);
  return *plain;
}

// The counters every benchmark here reports; `seconds` is its own time
// summed over its iterations.
void Report(benchmark::State &state, const Session &s, double seconds) {
  state.counters["read_ms"] = s.read_ms;
  if (state.iterations() > 0)
    state.counters["per_read"] =
        seconds * 1000 / static_cast<double>(state.iterations()) / s.read_ms;
  state.counters["elements"] = static_cast<double>(s.loaded);
}

// Reading as the window's start-up does, no other drawing in memory: it
// runs before any session starts.
void Read(benchmark::State &state, Shape shape) {
  const std::string file = DrawingFile(shape);
  std::size_t elements = 0;
  for (auto _ : state) {
    auto model = std::make_unique<ex::DrawingModel>();
    const auto start = Clock::now();
    ex::ReadExchangeFile(*model, file);
    state.SetIterationTime(Seconds(start));
    elements = model->ElementCount();
    model.reset(); // the program's exit, not reading
  }
  state.counters["elements"] = static_cast<double>(elements);
}

void Stroke(benchmark::State &state, Shape shape) {
  Session &s = TheSession(shape);
  se::EditSession &session = *s.session;
  session.KeyPressed(se::Key::Home, false);
  session.ChooseMode(se::kLineMode);
  double total = 0, esc = 0;
  std::int32_t i = 0;
  for (auto _ : state) {
    // A short stroke somewhere else every time.
    const std::int32_t x1 = 80 + (i * 577) % 1300, y1 = 60 + (i * 331) % 850;
    const std::int32_t x2 = x1 + 30 + (i * 97) % 120;
    const std::int32_t y2 = y1 + 20 + (i * 61) % 100;
    ++i;
    const auto start = Clock::now();
    session.PointerPressed({x1, y1, se::kLeftButton, se::kLeftButton});
    for (std::int32_t k = 1; k <= 4; ++k)
      session.PointerMoved(x1 + (x2 - x1) * k / 5, y1 + (y2 - y1) * k / 5);
    session.PointerReleased(x2, y2);
    const double seconds = Seconds(start);
    const bool added = session.Model().ElementCount() == s.loaded + 1;
    const auto back = Clock::now();
    session.KeyPressed(se::Key::Esc, false);
    esc += Seconds(back);
    state.SetIterationTime(seconds);
    total += seconds;
    if (!added || session.Model().ElementCount() != s.loaded) {
      state.SkipWithError("the stroke was not added and taken back");
      break;
    }
  }
  session.ChooseMode(se::kScreenMode);
  Report(state, s, total);
  if (state.iterations() > 0)
    state.counters["esc_ms"] =
        esc * 1000 / static_cast<double>(state.iterations());
}

void ArrowStep(benchmark::State &state, Shape shape) {
  Session &s = TheSession(shape);
  se::EditSession &session = *s.session;
  session.KeyPressed(se::Key::Home, false);
  for (int k = 0; k < 6; ++k)
    session.KeyPressed(se::Key::PageUp, false);
  double total = 0;
  bool left = true;
  for (auto _ : state) {
    const auto start = Clock::now();
    session.KeyPressed(left ? se::Key::Left : se::Key::Right, false);
    const double seconds = Seconds(start);
    left = !left;
    state.SetIterationTime(seconds);
    total += seconds;
  }
  session.KeyPressed(se::Key::Home, false);
  Report(state, s, total);
}

void FitAll(benchmark::State &state, Shape shape) {
  Session &s = TheSession(shape);
  double total = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    s.session->KeyPressed(se::Key::Home, false);
    const double seconds = Seconds(start);
    state.SetIterationTime(seconds);
    total += seconds;
  }
  Report(state, s, total);
}

void Hover(benchmark::State &state, Shape shape) {
  Session &s = TheSession(shape);
  se::EditSession &session = *s.session;
  session.KeyPressed(se::Key::Home, false);
  for (int k = 0; k < state.range(0); ++k)
    session.KeyPressed(se::Key::PageUp, false);
  session.ChooseMode(se::kLineMode);
  session.SetGridOn(true);
  double total = 0;
  std::int32_t i = 0;
  for (auto _ : state) {
    const std::int32_t x = 5 + (i * 577) % (kWidth - 10);
    const std::int32_t y = 5 + (i * 331) % (kHeight - 10);
    ++i;
    const auto start = Clock::now();
    session.PointerMoved(x, y);
    const double seconds = Seconds(start);
    state.SetIterationTime(seconds);
    total += seconds;
  }
  session.PointerLeft();
  session.SetGridOn(false);
  session.ChooseMode(se::kScreenMode);
  session.KeyPressed(se::Key::Home, false);
  Report(state, s, total);
}

bool Register() {
  using orvik::bench::PerShape;
  const auto manual = [](benchmark::internal::Benchmark *b) {
    b->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2);
  };
  PerShape("BM_Read", Read, manual);
  PerShape("BM_Stroke", Stroke, manual);
  PerShape("BM_ArrowStep", ArrowStep, manual);
  PerShape("BM_FitAll", FitAll, manual);
  PerShape("BM_Hover", Hover, [&manual](benchmark::internal::Benchmark *b) {
    manual(b);
    b->Arg(0)->Arg(6); // Page Up steps from the fitted view
  });
  return true;
}

[[maybe_unused]] const bool kRegistered = Register();

} // namespace
