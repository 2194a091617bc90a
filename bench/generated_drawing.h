#pragma once
// The generated drawing a benchmark runs on: its size from
// ORVIK_BENCH_ELEMENTS (or the benchmark's default), written once into the
// temporary folder and reused by later runs.

#include "drawing_generator.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvik::bench {

inline std::size_t BenchElements(std::size_t fallback) {
  const char *v = std::getenv("ORVIK_BENCH_ELEMENTS");
  return v != nullptr ? std::strtoull(v, nullptr, 10) : fallback;
}

// The path of the drawing of `elements` elements (seed 1).
inline std::string GeneratedDrawing(std::size_t elements) {
  const std::filesystem::path p =
      std::filesystem::temp_directory_path() /
      ("orvik-bench-" + std::to_string(elements) + ".txt");
  if (!std::filesystem::exists(p))
    WriteDrawingFile({elements, 1}, p.string());
  return p.string();
}

} // namespace orvik::bench
