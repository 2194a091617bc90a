// The real program from exec to its first picture on a virtual X display
// (Xvfb), as Jw_cad starts it: no arguments, the drawing in JWC_TEMP.TXT
// beside a copy of build/bin/orvik in a folder of its own. Its window is
// grabbed over and over until it shows the picture it settles on (taken
// once beforehand, after a start left to settle for three seconds); the
// time to that grab is the iteration's. A grab takes a few milliseconds,
// which bounds the resolution.
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 100,000) and
// ORVIK_BENCH_SHAPE its shapes (generated_drawing.h). Needs Xvfb.

#include "generated_drawing.h"
#include "virtual_display.h"
#include "x_session.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using orvik::bench::Shape;
using Clock = std::chrono::steady_clock;

struct Program {
  std::unique_ptr<orvik::tools::VirtualDisplay> display;
  std::unique_ptr<orvik::tools::XSession> x;
  fs::path folder;
};

std::unique_ptr<orvik::tools::ChildProcess> Start(const Program &p) {
  std::vector<std::string> env =
      orvik::tools::KeptEnvironment({"PATH", "HOME"});
  env.insert(env.end(),
             {"DISPLAY=" + p.display->Name(), "QT_QPA_PLATFORM=xcb"});
  return std::make_unique<orvik::tools::ChildProcess>(
      std::vector<std::string>{(p.folder / "orvik").string()}, env, true);
}

// The picture of the window once it has one equal to `wanted` (any picture
// when `wanted` is null), or a null image after 20 seconds.
QImage FirstPicture(const Program &p, const QImage *wanted) {
  const auto until = Clock::now() + std::chrono::seconds(20);
  unsigned long window = 0;
  while (Clock::now() < until) {
    if (window == 0)
      window = p.x->WaitForWindow("Orvik", std::chrono::milliseconds(0));
    if (window != 0) {
      QImage image = p.x->Grab(window);
      if (!image.isNull() && (wanted == nullptr || image == *wanted))
        return image;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return {};
}

void ExecToFirstPicture(benchmark::State &state, Shape shape) {
  if (!orvik::tools::VirtualDisplay::Installed("Xvfb")) {
    state.SkipWithError("Xvfb is not installed");
    return;
  }
  Program p;
  p.display = std::make_unique<orvik::tools::VirtualDisplay>("1920x1200x24");
  p.x = std::make_unique<orvik::tools::XSession>(p.display->Name());
  p.folder = fs::temp_directory_path() /
             ("orvik-exec-bench-" + std::string(ShapeName(shape)));
  fs::remove_all(p.folder);
  fs::create_directories(p.folder);
  const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
  fs::copy_file(bin / "orvik", p.folder / "orvik");
  fs::copy_file(orvik::bench::GeneratedDrawing(
                    orvik::bench::BenchElements(100'000), shape),
                p.folder / "JWC_TEMP.TXT");
  QImage settled;
  {
    auto program = Start(p);
    FirstPicture(p, nullptr);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    settled = FirstPicture(p, nullptr);
  }
  for (auto _ : state) {
    const auto start = Clock::now();
    auto program = Start(p);
    const bool shown = !FirstPicture(p, &settled).isNull();
    state.SetIterationTime(
        std::chrono::duration<double>(Clock::now() - start).count());
    if (!shown) {
      state.SkipWithError("the window never showed its settled picture");
      break;
    }
  }
  fs::remove_all(p.folder);
}

bool Register() {
  orvik::bench::PerShape(
      "BM_ExecToFirstPicture", ExecToFirstPicture,
      [](benchmark::internal::Benchmark *b) {
        b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(8);
      });
  return true;
}

[[maybe_unused]] const bool kRegistered = Register();

} // namespace

BENCHMARK_MAIN();
