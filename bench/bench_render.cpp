// Full renders of generated drawings: the FitAll view at 1600 x 1000, as
// the window paints it, against the time to read the same file.
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 1,000,000) and
// ORVIK_BENCH_SHAPE its shapes (generated_drawing.h); each file is
// generated once into the temporary folder.

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

using orvik::bench::Shape;

std::string DrawingFile(Shape shape) {
  return orvik::bench::GeneratedDrawing(orvik::bench::BenchElements(1'000'000),
                                        shape);
}

void ReadDrawing(benchmark::State &state, Shape shape) {
  const std::string file = DrawingFile(shape);
  for (auto _ : state) {
    auto model = std::make_unique<ex::DrawingModel>();
    ex::ReadExchangeFile(*model, file);
    benchmark::DoNotOptimize(model->ElementCount());
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
}

void Render(benchmark::State &state, Shape shape, bool batched) {
  ex::DrawingModel model;
  ex::ReadExchangeFile(model, DrawingFile(shape));
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

bool Register() {
  using orvik::bench::Milliseconds;
  using orvik::bench::PerShape;
  PerShape("BM_ReadDrawing", ReadDrawing, Milliseconds);
  PerShape(
      "BM_RenderFitAll",
      [](benchmark::State &state, Shape shape) { Render(state, shape, true); },
      Milliseconds);
  PerShape(
      "BM_RenderFitAllUnbatched",
      [](benchmark::State &state, Shape shape) { Render(state, shape, false); },
      Milliseconds);
  return true;
}

[[maybe_unused]] const bool kRegistered = Register();

} // namespace
