// orvik-make-drawing N OUT [--seed S] [--shape plain|realistic]: writes a
// synthetic exchange file of N elements for benchmarks and manual tests.

#include "drawing_generator.h"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: orvik-make-drawing N OUT [--seed S] [--shape plain|realistic]\n";

template <class T> bool ParseCount(std::string_view text, T &value) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

} // namespace

int main(int argc, char **argv) {
  orvik::bench::DrawingOptions options;
  std::string out;
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      if (!ParseCount(argv[++i], options.seed)) {
        std::cerr << "orvik-make-drawing: bad seed '" << argv[i] << "'\n";
        return 2;
      }
    } else if (arg == "--shape" && i + 1 < argc) {
      if (!orvik::bench::ParseShape(argv[++i], options.shape)) {
        std::cerr << "orvik-make-drawing: bad shape '" << argv[i] << "'\n";
        return 2;
      }
    } else if (positional == 0 && ParseCount(arg, options.elements)) {
      ++positional;
    } else if (positional == 1) {
      out = arg;
      ++positional;
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (positional != 2) {
    std::cerr << kUsage;
    return 2;
  }
  if (!orvik::bench::WriteDrawingFile(options, out)) {
    std::cerr << "orvik-make-drawing: cannot write " << out << "\n";
    return 1;
  }
  return 0;
}
