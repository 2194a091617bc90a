// Runs a fuzz target without libFuzzer, on inputs drawn from fixed seeds,
// so that the ordinary test suite checks what the target checks on every
// build: `snap_index_seeded [COUNT]`. Each input's seed is printed before
// it runs; a failure aborts, as under the fuzzer.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size);

int main(int argc, char **argv) {
  unsigned count = 300;
  if (argc > 1) {
    const char *end = argv[1] + std::strlen(argv[1]);
    if (std::from_chars(argv[1], end, count).ptr != end) {
      std::fprintf(stderr, "usage: %s [COUNT]\n", argv[0]);
      return 2;
    }
  }
  std::vector<std::uint8_t> input;
  for (unsigned seed = 0; seed < count; ++seed) {
    std::mt19937 bytes(seed);
    // Lengths from a few draws of the generator to more than it takes.
    input.resize(8 + (seed * 97) % 2048);
    for (std::uint8_t &b : input)
      b = static_cast<std::uint8_t>(bytes());
    std::fprintf(stderr, "seed %u\n", seed);
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  return 0;
}
