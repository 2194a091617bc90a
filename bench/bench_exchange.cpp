// bench_exchange: throughput of reading and rewriting a large exchange file.
//
// The file is the one named by ORVIK_BENCH_FILE; when that is unset, a
// drawing of 1,000,000 elements of each shape ORVIK_BENCH_SHAPE asks for
// (generated_drawing.h) is generated into the temporary folder for the run
// and removed at its end, and each benchmark runs once per shape, named
// "BM_Name/plain" or "BM_Name/realistic". Bytes per second count the
// exchange file: the input for reading, the rewritten file for writing.

#include "generated_drawing.h"

#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/reader.h"
#include "orvik/exchange/session.h"
#include "orvik/exchange/writer.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace {

namespace ex = orvik::exchange;
namespace fs = std::filesystem;

constexpr std::size_t kDefaultElements = 1'000'000;
using orvik::bench::Shape;

// A path in the temporary folder unique to this process.
std::string TempPath(const std::string &suffix) {
  char pid[24];
  const auto r = std::to_chars(pid, pid + sizeof pid, ::getpid());
  std::string name = "orvik-bench-";
  name.append(pid, static_cast<std::size_t>(r.ptr - pid));
  name.append(suffix);
  return (fs::temp_directory_path() / name).string();
}

const char *NamedFile() {
  const char *named = std::getenv("ORVIK_BENCH_FILE");
  return named != nullptr && *named != '\0' ? named : nullptr;
}

// The input file (the named one, or a drawing of `shape`) and a scratch
// output path; files this object created are removed when it is destroyed.
class BenchFiles {
public:
  explicit BenchFiles(Shape shape)
      : output_(TempPath("-" + std::string(ShapeName(shape)) + "-out.txt")) {
    if (const char *named = NamedFile()) {
      input_ = named;
    } else {
      input_ = TempPath("-" + std::string(ShapeName(shape)) + "-in.txt");
      generated_ = true;
      orvik::bench::DrawingOptions options;
      options.elements = kDefaultElements;
      options.shape = shape;
      if (!orvik::bench::WriteDrawingFile(options, input_))
        std::fprintf(stderr, "bench_exchange: cannot write %s\n",
                     input_.c_str());
    }
    std::error_code ec;
    size_ = fs::file_size(input_, ec);
    if (ec)
      size_ = 0;
  }
  ~BenchFiles() {
    std::error_code ignored;
    if (generated_)
      fs::remove(input_, ignored);
    fs::remove(output_, ignored);
  }
  BenchFiles(const BenchFiles &) = delete;
  BenchFiles &operator=(const BenchFiles &) = delete;

  const std::string &Input() const { return input_; }
  const std::string &Output() const { return output_; }
  std::uint64_t InputSize() const { return size_; }

private:
  std::string input_, output_;
  std::uint64_t size_ = 0;
  bool generated_ = false;
};

const BenchFiles &Files(Shape shape) {
  if (shape == Shape::Realistic) {
    static const BenchFiles realistic(shape);
    return realistic;
  }
  static const BenchFiles plain(shape);
  return plain;
}

bool Usable(benchmark::State &state, const BenchFiles &files) {
  if (files.InputSize() > 0)
    return true;
  state.SkipWithError("no readable exchange file (ORVIK_BENCH_FILE)");
  return false;
}

// The drawing as start-up leaves it, ready to be written.
void LoadModel(ex::DrawingModel &model, const BenchFiles &files) {
  ex::OutputBuffer unused;
  ex::LoadExchangeFile(model, unused, files.Input());
}

std::int64_t WrittenSize(const BenchFiles &files) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(files.Output(), ec);
  return ec ? 0 : static_cast<std::int64_t>(size);
}

void SetThroughput(benchmark::State &state, std::int64_t bytes,
                   std::size_t elements) {
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetItemsProcessed(state.iterations() *
                          static_cast<std::int64_t>(elements));
}

// Start-up's reading: a fresh model filled from the file.
void ReadExchangeFile(benchmark::State &state, Shape shape) {
  const BenchFiles &files = Files(shape);
  if (!Usable(state, files))
    return;
  std::size_t elements = 0;
  for (auto _ : state) {
    auto model = std::make_unique<ex::DrawingModel>();
    ex::OutputBuffer output;
    ex::InitModel(*model, output);
    if (!ex::ReadExchangeFile(*model, files.Input())) {
      state.SkipWithError("ReadExchangeFile failed");
      return;
    }
    elements = model->ElementCount();
    benchmark::DoNotOptimize(elements);
    // Releasing the model is the program's exit, not reading.
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
  SetThroughput(state, static_cast<std::int64_t>(files.InputSize()), elements);
}

// Parsing alone, from a file image already in memory.
void ReadExchangeBytes(benchmark::State &state, Shape shape) {
  const BenchFiles &files = Files(shape);
  if (!Usable(state, files))
    return;
  std::string image;
  {
    std::FILE *file = std::fopen(files.Input().c_str(), "rb");
    if (file == nullptr) {
      state.SkipWithError("cannot open the exchange file");
      return;
    }
    image.resize(files.InputSize());
    image.resize(std::fread(image.data(), 1, image.size(), file));
    std::fclose(file);
  }
  std::size_t elements = 0;
  for (auto _ : state) {
    auto model = std::make_unique<ex::DrawingModel>();
    ex::OutputBuffer output;
    ex::InitModel(*model, output);
    ex::ReadExchangeBytes(*model, image);
    elements = model->ElementCount();
    benchmark::DoNotOptimize(elements);
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
  SetThroughput(state, static_cast<std::int64_t>(image.size()), elements);
}

// The commit and the close: "hd" and the whole drawing into a fresh buffer,
// then the file rewritten.
void WriteExchangeFile(benchmark::State &state, Shape shape) {
  const BenchFiles &files = Files(shape);
  if (!Usable(state, files))
    return;
  ex::DrawingModel model;
  LoadModel(model, files);
  for (auto _ : state) {
    ex::ResetWriterState(model);
    auto output = std::make_unique<ex::OutputBuffer>();
    output->EmitLine("hd");
    ex::WriteDrawing(model, *output, nullptr, nullptr);
    if (!ex::FlushExchangeFile(*output, files.Output())) {
      state.SkipWithError("FlushExchangeFile failed");
      return;
    }
    state.PauseTiming();
    output.reset();
    state.ResumeTiming();
  }
  SetThroughput(state, WrittenSize(files), model.ElementCount());
}

// The records alone, without the file.
void WriteDrawingToBuffer(benchmark::State &state, Shape shape) {
  const BenchFiles &files = Files(shape);
  if (!Usable(state, files))
    return;
  ex::DrawingModel model;
  LoadModel(model, files);
  std::int64_t bytes = 0;
  for (auto _ : state) {
    ex::ResetWriterState(model);
    auto output = std::make_unique<ex::OutputBuffer>();
    output->EmitLine("hd");
    ex::WriteDrawing(model, *output, nullptr, nullptr);
    state.PauseTiming();
    bytes = 0;
    output->WriteTo([&bytes](const char *, std::size_t size) {
      bytes += static_cast<std::int64_t>(size);
      return true;
    });
    output.reset();
    state.ResumeTiming();
  }
  SetThroughput(state, bytes, model.ElementCount());
}

// The file alone, from a buffer already filled.
void FlushExchangeFile(benchmark::State &state, Shape shape) {
  const BenchFiles &files = Files(shape);
  if (!Usable(state, files))
    return;
  ex::DrawingModel model;
  LoadModel(model, files);
  ex::OutputBuffer output;
  output.EmitLine("hd");
  ex::WriteDrawing(model, output, nullptr, nullptr);
  for (auto _ : state) {
    if (!ex::FlushExchangeFile(output, files.Output())) {
      state.SkipWithError("FlushExchangeFile failed");
      return;
    }
  }
  SetThroughput(state, WrittenSize(files), model.ElementCount());
}

// With ORVIK_BENCH_FILE, each benchmark runs once under its bare name;
// otherwise once per shape.
bool Register() {
  const std::pair<const char *, void (*)(benchmark::State &, Shape)>
      kBenchmarks[] = {{"BM_ReadExchangeFile", ReadExchangeFile},
                       {"BM_ReadExchangeBytes", ReadExchangeBytes},
                       {"BM_WriteExchangeFile", WriteExchangeFile},
                       {"BM_WriteDrawingToBuffer", WriteDrawingToBuffer},
                       {"BM_FlushExchangeFile", FlushExchangeFile}};
  for (const auto &[name, run] : kBenchmarks) {
    if (NamedFile() != nullptr)
      orvik::bench::Milliseconds(benchmark::RegisterBenchmark(
          name,
          [run = run](benchmark::State &state) { run(state, Shape::Plain); }));
    else
      orvik::bench::PerShape(name, run, orvik::bench::Milliseconds);
  }
  return true;
}

[[maybe_unused]] const bool kRegistered = Register();

} // namespace

BENCHMARK_MAIN();
