#pragma once
// SplitMix64: its sequence is fixed by its definition, unlike the standard
// distributions, so a seed gives the same drawing with any library.

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvik::bench {

class Random {
public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, n) for n > 0.
  std::int64_t Below(std::int64_t n) {
    return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(n));
  }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + Below(high - low + 1);
  }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return Unit() < p; }
  template <class T, std::size_t N> const T &Pick(const std::array<T, N> &a) {
    return a[static_cast<std::size_t>(Below(N))];
  }

private:
  std::uint64_t state_;
};

} // namespace orvik::bench
