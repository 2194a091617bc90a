// Snapping a stroke's two ends on a large generated drawing: the plain
// first-hit search over every list against the indexed one, which must give
// the same answers; and building the index, as the window does at start-up.
//
// ORVIK_BENCH_ELEMENTS picks the drawing size (default 1,000,000) and
// ORVIK_BENCH_SHAPE its shapes (generated_drawing.h).

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

using orvik::bench::Shape;

Drawing *LoadDrawing(Shape shape) {
  const std::string p = orvik::bench::GeneratedDrawing(
      orvik::bench::BenchElements(1'000'000), shape);
  auto *drawing = new Drawing;
  ex::ReadExchangeFile(drawing->model, p);
  drawing->extents = orvik::render::ComputeExtents(drawing->model, {});
  orvik::geometry::ViewState view;
  orvik::render::FitView(view, drawing->extents, 1600, 1000);
  drawing->tol = 5 / view.ViewScale();
  const auto start = std::chrono::steady_clock::now();
  drawing->index.Build(drawing->model);
  drawing->first_build_ms = std::chrono::duration<double, std::milli>(
                                std::chrono::steady_clock::now() - start)
                                .count();
  return drawing;
}

// Each shape's drawing, loaded on first use and kept to the end.
Drawing &TheDrawing(Shape shape) {
  if (shape == Shape::Realistic) {
    static Drawing *const realistic = LoadDrawing(shape);
    return *realistic;
  }
  static Drawing *const plain = LoadDrawing(shape);
  return *plain;
}

// Stroke ends: `zoom` 1 is the FitAll view, where 5 pixels cover much of the
// drawing; larger zooms shrink the window as a user zooming in would.
template <class Find>
void Strokes(benchmark::State &state, Shape shape, double zoom, Find &&find) {
  Drawing &d = TheDrawing(shape);
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

void StrokePlain(benchmark::State &state, Shape shape) {
  Strokes(state, shape, static_cast<double>(state.range(0)), Plain);
}
void StrokeIndexed(benchmark::State &state, Shape shape) {
  Strokes(state, shape, static_cast<double>(state.range(0)), Indexed);
}
// Both ends off the drawing: every list is searched to its end.
void StrokeMissPlain(benchmark::State &state, Shape shape) {
  Drawing &d = TheDrawing(shape);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Plain(d, d.extents.MaxX * 10, 0, d.tol));
    benchmark::DoNotOptimize(Plain(d, d.extents.MinX * 10, 0, d.tol));
  }
}
void StrokeMissIndexed(benchmark::State &state, Shape shape) {
  Drawing &d = TheDrawing(shape);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Indexed(d, d.extents.MaxX * 10, 0, d.tol));
    benchmark::DoNotOptimize(Indexed(d, d.extents.MinX * 10, 0, d.tol));
  }
}

// A fresh index over the whole drawing each time.
void Build(benchmark::State &state, Shape shape) {
  Drawing &d = TheDrawing(shape);
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

bool Register() {
  using orvik::bench::PerShape;
  const auto ms = [](benchmark::internal::Benchmark *b) {
    b->Unit(benchmark::kMillisecond);
  };
  const auto zooms = [](benchmark::internal::Benchmark *b) {
    b->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
  };
  PerShape("BM_Build", Build, ms);
  PerShape("BM_StrokePlain", StrokePlain, zooms);
  PerShape("BM_StrokeIndexed", StrokeIndexed, zooms);
  PerShape("BM_StrokeMissPlain", StrokeMissPlain, ms);
  PerShape("BM_StrokeMissIndexed", StrokeMissIndexed, ms);
  return true;
}

[[maybe_unused]] const bool kRegistered = Register();

} // namespace

BENCHMARK_MAIN();
