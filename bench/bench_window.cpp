// The window's start-up to its first picture, and a paint that only puts
// the last picture back, on a generated drawing in a 1600 x 1000 area.
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 100,000) and
// ORVIK_BENCH_SHAPE its shapes (generated_drawing.h).

#include "generated_drawing.h"

#include "orvik/app/tform1.h"
#include "orvik/session/program_files.h"
#include "orvik/session/system_services.h"

#include <QApplication>
#include <QResizeEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using orvik::app::TForm1;

class QuietServices final : public orvik::session::SystemServices {
public:
  bool IsEscapeHeld() override { return false; }
  void Beep() override {}
  void Pause(int) override {}
};

using orvik::bench::Shape;

// A program folder holding the generated drawing of a shape.
struct Folder {
  explicit Folder(Shape shape) {
    drawing = orvik::bench::GeneratedDrawing(
        orvik::bench::BenchElements(100'000), shape);
    dir = fs::temp_directory_path() /
          ("orvik-window-bench-" + std::string(ShapeName(shape)));
    fs::create_directories(dir);
  }
  // The host writes the file afresh before every start.
  void Refill() const {
    fs::copy_file(drawing, dir / "JWC_TEMP.TXT",
                  fs::copy_options::overwrite_existing);
    fs::remove(dir / "orvik.dat");
  }
  fs::path drawing, dir;
};

const Folder &TheFolder(Shape shape) {
  if (shape == Shape::Realistic) {
    static const Folder realistic(shape);
    return realistic;
  }
  static const Folder plain(shape);
  return plain;
}

std::unique_ptr<TForm1> Start(QuietServices &services, const Folder &folder) {
  auto form = std::make_unique<TForm1>(
      orvik::session::ProgramFiles::InFolder(folder.dir.string(), "orvik"),
      services);
  form->FixDrawingArea(QSize(1600, 1000));
  form->show();
  while (form->ViewImage().isNull())
    QApplication::processEvents();
  return form;
}

void StartToFirstPicture(benchmark::State &state, Shape shape) {
  QuietServices services;
  const Folder &folder = TheFolder(shape);
  std::size_t elements = 0;
  for (auto _ : state) {
    state.PauseTiming();
    folder.Refill();
    state.ResumeTiming();
    auto form = Start(services, folder);
    state.PauseTiming();
    elements = form->Session().Model().ElementCount();
    form->close();
    form.reset();
    state.ResumeTiming();
  }
  state.counters["elements"] = static_cast<double>(elements);
}

// A paint request (the area was covered, say): the paint handler copies
// the kept picture back and the widget shows it.
void PaintCopy(benchmark::State &state, Shape shape) {
  QuietServices services;
  const Folder &folder = TheFolder(shape);
  folder.Refill();
  auto form = Start(services, folder);
  QWidget &area = form->DrawingArea();
  for (auto _ : state) {
    QResizeEvent exposed(area.size(), area.size());
    QApplication::sendEvent(&area, &exposed);
    area.repaint();
  }
  form->close();
}

bool Register() {
  using orvik::bench::Milliseconds;
  using orvik::bench::PerShape;
  PerShape("BM_StartToFirstPicture", StartToFirstPicture, Milliseconds);
  PerShape("BM_PaintCopy", PaintCopy, Milliseconds);
  return true;
}

[[maybe_unused]] const bool kRegistered = Register();

} // namespace

int main(int argc, char **argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    qputenv("QT_QPA_PLATFORM", "offscreen");
  const auto begin = std::chrono::steady_clock::now();
  QApplication app(argc, argv);
  const double startup_ms = std::chrono::duration<double, std::milli>(
                                std::chrono::steady_clock::now() - begin)
                                .count();
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("qt_application_ms", std::to_string(startup_ms));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
