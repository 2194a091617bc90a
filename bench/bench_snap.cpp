// Snapping a stroke's two ends on a large generated drawing: the plain
// first-hit search over every list against the indexed one, which must give
// the same answers; and building the index, as the window does at start-up.
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 1,000,000).

#include "generated_drawing.h"

#include "orvik/exchange/model.h"
#include "orvik/exchange/point_snap.h"
#include "orvik/exchange/reader.h"
#include "orvik/exchange/snap_index.h"
#include "orvik/geometry/view_state.h"
#include "orvik/render/extents.h"
#include "orvik/render/scene.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

namespace ex = orvik::exchange;

struct Drawing {
  ex::DrawingModel model;
  orvik::render::DrawingExtents extents;
  double tol = 0; // 5 pixels of the FitAll view of a 1600 x 1000 area
  ex::SnapIndex index;
  double first_build_ms = 0; // the process's first Build, memory still cold
};

Drawing &TheDrawing() {
  static Drawing *d = [] {
    const std::string p =
        orvik::bench::GeneratedDrawing(orvik::bench::BenchElements(1'000'000));
    auto *drawing = new Drawing;
    ex::ReadExchangeFile(drawing->model, p);
    drawing->extents = orvik::render::ComputeExtents(drawing->model, {});
    orvik::geometry::ViewState view;
    orvik::render::FitView(view, drawing->extents, 1600, 1000);
    drawing->tol = 5 / view.ViewScale;
    const auto start = std::chrono::steady_clock::now();
    drawing->index.Build(drawing->model);
    drawing->first_build_ms = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - start)
                                  .count();
    return drawing;
  }();
  return *d;
}

// Stroke ends: `zoom` 1 is the FitAll view, where 5 pixels cover much of the
// drawing; larger zooms shrink the window as a user zooming in would.
template <class Find>
void Strokes(benchmark::State &state, double zoom, Find &&find) {
  Drawing &d = TheDrawing();
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> x(d.extents.MinX, d.extents.MaxX);
  std::uniform_real_distribution<double> y(d.extents.MinY, d.extents.MaxY);
  const double tol = d.tol / zoom;
  std::size_t hits = 0;
  for (auto _ : state) {
    hits += find(d, x(rng), y(rng), tol).found;
    hits += find(d, x(rng), y(rng), tol).found;
  }
  state.counters["hit_rate"] =
      static_cast<double>(hits) / (2.0 * state.iterations());
}

ex::SnapHit Plain(Drawing &d, double px, double py, double tol) {
  return ex::SnapToElement(d.model, px, py, tol);
}
ex::SnapHit Indexed(Drawing &d, double px, double py, double tol) {
  return d.index.Find(d.model, px, py, tol);
}

void BM_StrokePlain(benchmark::State &state) {
  Strokes(state, static_cast<double>(state.range(0)), Plain);
}
void BM_StrokeIndexed(benchmark::State &state) {
  Strokes(state, static_cast<double>(state.range(0)), Indexed);
}
// Both ends off the drawing: every list is searched to its end.
void BM_StrokeMissPlain(benchmark::State &state) {
  Drawing &d = TheDrawing();
  for (auto _ : state) {
    benchmark::DoNotOptimize(Plain(d, d.extents.MaxX * 10, 0, d.tol));
    benchmark::DoNotOptimize(Plain(d, d.extents.MinX * 10, 0, d.tol));
  }
}
void BM_StrokeMissIndexed(benchmark::State &state) {
  Drawing &d = TheDrawing();
  for (auto _ : state) {
    benchmark::DoNotOptimize(Indexed(d, d.extents.MaxX * 10, 0, d.tol));
    benchmark::DoNotOptimize(Indexed(d, d.extents.MinX * 10, 0, d.tol));
  }
}

// A fresh index over the whole drawing each time.
void BM_Build(benchmark::State &state) {
  Drawing &d = TheDrawing();
  std::size_t bytes = 0;
  for (auto _ : state) {
    ex::SnapIndex index;
    index.Build(d.model);
    bytes = index.MemoryBytes();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["index_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["first_build_ms"] = d.first_build_ms;
}

BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokePlain)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeIndexed)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeMissPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeMissIndexed)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
