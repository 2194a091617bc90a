#pragma once
// The generated drawings benchmarks run on: their size from
// ORVIK_BENCH_ELEMENTS (or the benchmark's default), their shapes from
// ORVIK_BENCH_SHAPE ("plain", the default; "realistic"; or "both"), each
// written once into the temporary folder and reused by later runs.
//
// A benchmark registered through PerShape runs once for each shape asked
// for, named "BM_Name/plain" and "BM_Name/realistic", so that one run with
// ORVIK_BENCH_SHAPE=both gives both figures side by side.

#include "drawing_generator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::bench {

inline std::size_t BenchElements(std::size_t fallback) {
  const char *v = std::getenv("ORVIK_BENCH_ELEMENTS");
  return v != nullptr ? std::strtoull(v, nullptr, 10) : fallback;
}

// The shapes ORVIK_BENCH_SHAPE asks for, plain first. An unknown value is
// reported (once) and measures the plain shape.
inline const std::vector<Shape> &BenchShapes() {
  static const std::vector<Shape> shapes = [] {
    const char *v = std::getenv("ORVIK_BENCH_SHAPE");
    const std::string_view name = v != nullptr ? v : "";
    if (name == "both")
      return std::vector<Shape>{Shape::Plain, Shape::Realistic};
    Shape shape = Shape::Plain;
    if (!name.empty() && !ParseShape(name, shape))
      std::fprintf(stderr,
                   "ORVIK_BENCH_SHAPE: '%s' is none of plain, realistic, "
                   "both; measuring plain\n",
                   v);
    return std::vector<Shape>{shape};
  }();
  return shapes;
}

// The path of the drawing of `elements` elements (seed 1) of `shape`.
inline std::string GeneratedDrawing(std::size_t elements,
                                    Shape shape = Shape::Plain) {
  std::string name = "orvik-bench-";
  if (shape != Shape::Plain) {
    name.append(ShapeName(shape));
    name.push_back('-');
  }
  name.append(std::to_string(elements)).append(".txt");
  const std::filesystem::path p = std::filesystem::temp_directory_path() / name;
  if (!std::filesystem::exists(p))
    WriteDrawingFile({elements, 1, shape}, p.string());
  return p.string();
}

// Registers `run(state, shape)` as "name/shape" for each shape of
// BenchShapes(); `setup` configures each registered benchmark.
template <class Run, class Setup>
void PerShape(const std::string &name, Run run, Setup setup) {
  for (Shape shape : BenchShapes()) {
    const std::string full = name + "/" + std::string(ShapeName(shape));
    setup(benchmark::RegisterBenchmark(
        full.c_str(),
        [run, shape](benchmark::State &state) { run(state, shape); }));
  }
}

// The setup of most benchmarks here: milliseconds of wall-clock time.
inline void Milliseconds(benchmark::internal::Benchmark *b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace orvik::bench
