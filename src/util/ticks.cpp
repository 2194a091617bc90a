#include "orvik/util/ticks.h"

#include <chrono>
#include <thread>

namespace orvik {

void WaitMilliseconds(int ms) {
  if (ms <= 0)
    return;
  // Sleeping rather than spinning: the effect (no events handled until the
  // time is up) is the same, without burning a core.
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace orvik
