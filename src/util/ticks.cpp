#include "orvik/util/ticks.h"

#include <chrono>
#include <thread>

namespace orvik {

std::uint64_t TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void WaitMilliseconds(int ms) {
  if (ms <= 0)
    return;
  // Sleeping rather than spinning: the effect (no events handled until the
  // time is up) is the same, without burning a core.
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace orvik
