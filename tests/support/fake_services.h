#pragma once
// The system services as tests want them: beeps, pauses and Esc queries
// counted, Esc held when the test says so, and a hook into the pause.

#include "orvik/session/system_services.h"

#include <functional>
#include <utility>

namespace orvik::test {

// A pause runs `during_pause` once: a test looks at the area, or queues
// input, while the session waits.
class FakeServices final : public session::SystemServices {
public:
  bool IsEscapeHeld() override {
    ++escape_queries;
    return escape_held;
  }
  void Beep() override { ++beeps; }
  void Pause(int ms) override {
    paused_ms += ms;
    if (during_pause)
      std::exchange(during_pause, nullptr)();
  }
  bool escape_held = false;
  int escape_queries = 0, beeps = 0, paused_ms = 0;
  std::function<void()> during_pause;
};

} // namespace orvik::test
