// bench_exchange: throughput of reading and rewriting a large exchange file.
//
// The file is the one named by ORVIK_BENCH_FILE; when that is unset, a
// drawing of 1,000,000 elements is generated into the temporary folder for
// the run and removed at its end. Bytes per second count the exchange file:
// the input for reading, the rewritten file for writing.

#include "drawing_generator.h"

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

namespace {

namespace ex = orvik::exchange;
namespace fs = std::filesystem;

constexpr std::size_t kDefaultElements = 1'000'000;

// A path in the temporary folder unique to this process.
std::string TempPath(std::string_view suffix) {
  char pid[24];
  const auto r = std::to_chars(pid, pid + sizeof pid, ::getpid());
  std::string name = "orvik-bench-";
  name.append(pid, static_cast<std::size_t>(r.ptr - pid));
  name.append(suffix);
  return (fs::temp_directory_path() / name).string();
}

// The input file and a scratch output path; files this object created are
// removed when it is destroyed.
class BenchFiles {
public:
  BenchFiles() : output_(TempPath("-out.txt")) {
    const char *named = std::getenv("ORVIK_BENCH_FILE");
    if (named != nullptr && *named != '\0') {
      input_ = named;
    } else {
      input_ = TempPath("-in.txt");
      generated_ = true;
      orvik::bench::DrawingOptions options;
      options.elements = kDefaultElements;
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

const BenchFiles &Files() {
  static const BenchFiles files;
  return files;
}

bool Usable(benchmark::State &state) {
  if (Files().InputSize() > 0)
    return true;
  state.SkipWithError("no readable exchange file (ORVIK_BENCH_FILE)");
  return false;
}

// The drawing as start-up leaves it, ready to be written.
void LoadModel(ex::DrawingModel &model) {
  ex::OutputBuffer unused;
  ex::LoadExchangeFile(model, unused, Files().Input());
}

std::int64_t WrittenSize() {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(Files().Output(), ec);
  return ec ? 0 : static_cast<std::int64_t>(size);
}

void SetThroughput(benchmark::State &state, std::int64_t bytes,
                   std::size_t elements) {
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetItemsProcessed(state.iterations() *
                          static_cast<std::int64_t>(elements));
}

// Start-up's reading: a fresh model filled from the file.
void BM_ReadExchangeFile(benchmark::State &state) {
  if (!Usable(state))
    return;
  std::size_t elements = 0;
  for (auto _ : state) {
    auto model = std::make_unique<ex::DrawingModel>();
    ex::OutputBuffer output;
    ex::InitModel(*model, output);
    if (!ex::ReadExchangeFile(*model, Files().Input())) {
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
  SetThroughput(state, static_cast<std::int64_t>(Files().InputSize()),
                elements);
}

// Parsing alone, from a file image already in memory.
void BM_ReadExchangeBytes(benchmark::State &state) {
  if (!Usable(state))
    return;
  std::string image;
  {
    std::FILE *file = std::fopen(Files().Input().c_str(), "rb");
    if (file == nullptr) {
      state.SkipWithError("cannot open the exchange file");
      return;
    }
    image.resize(Files().InputSize());
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
void BM_WriteExchangeFile(benchmark::State &state) {
  if (!Usable(state))
    return;
  ex::DrawingModel model;
  LoadModel(model);
  for (auto _ : state) {
    ex::ResetWriterState(model);
    auto output = std::make_unique<ex::OutputBuffer>();
    output->EmitLine("hd");
    ex::WriteDrawing(model, *output, nullptr, nullptr);
    if (!ex::FlushExchangeFile(*output, Files().Output())) {
      state.SkipWithError("FlushExchangeFile failed");
      return;
    }
    state.PauseTiming();
    output.reset();
    state.ResumeTiming();
  }
  SetThroughput(state, WrittenSize(), model.ElementCount());
}

// The records alone, without the file.
void BM_WriteDrawingToBuffer(benchmark::State &state) {
  if (!Usable(state))
    return;
  ex::DrawingModel model;
  LoadModel(model);
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
void BM_FlushExchangeFile(benchmark::State &state) {
  if (!Usable(state))
    return;
  ex::DrawingModel model;
  LoadModel(model);
  ex::OutputBuffer output;
  output.EmitLine("hd");
  ex::WriteDrawing(model, output, nullptr, nullptr);
  for (auto _ : state) {
    if (!ex::FlushExchangeFile(output, Files().Output())) {
      state.SkipWithError("FlushExchangeFile failed");
      return;
    }
  }
  SetThroughput(state, WrittenSize(), model.ElementCount());
}

BENCHMARK(BM_ReadExchangeFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadExchangeBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteExchangeFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteDrawingToBuffer)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_FlushExchangeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
