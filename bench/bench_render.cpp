// Full renders of generated drawings: the FitAll view at 1600 x 1000, as
// the window paints it, against the time to read the same file.
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 1,000,000); the
// file is generated once into the temporary folder.

#include "generated_drawing.h"

#include "orvik/attributes/pen_table.h"
#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/reader.h"
#include "orvik/render/extents.h"
#include "orvik/render/image_canvas.h"
#include "orvik/render/scene.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace ex = orvik::exchange;

const std::string &DrawingFile() {
  static const std::string path =
      orvik::bench::GeneratedDrawing(orvik::bench::BenchElements(1'000'000));
  return path;
}

void BM_ReadDrawing(benchmark::State &state) {
  for (auto _ : state) {
    auto model = std::make_unique<ex::DrawingModel>();
    ex::ReadExchangeFile(*model, DrawingFile());
    benchmark::DoNotOptimize(model->ElementCount());
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
}

void Render(benchmark::State &state, bool batched) {
  ex::DrawingModel model;
  ex::ReadExchangeFile(model, DrawingFile());
  const orvik::attributes::TgraAttribute pens;
  orvik::geometry::ViewState view;
  QImage image(1600, 1000, QImage::Format_RGB32);
  for (auto _ : state) {
    // FitAll: extents, view, and the picture.
    orvik::render::FitView(view, orvik::render::ComputeExtents(model, {}), 1600,
                           1000);
    orvik::render::ImageCanvas canvas(image, batched);
    orvik::render::PaintScene(canvas, model, pens, view, {}, nullptr);
  }
  state.counters["elements"] = static_cast<double>(model.ElementCount());
}

void BM_RenderFitAll(benchmark::State &state) { Render(state, true); }
void BM_RenderFitAllUnbatched(benchmark::State &state) { Render(state, false); }

BENCHMARK(BM_ReadDrawing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderFitAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RenderFitAllUnbatched)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
