#include "orvik/app/desktop_services.h"

#include "orvik/platform/keyboard.h"
#include "orvik/util/ticks.h"

#include <QApplication>

#include <chrono>

namespace orvik::app {
namespace {

class DesktopServices final : public session::SystemServices {
public:
  // Long work asks after every tenth element; a round trip to the X server
  // each time would cost more than the drawing, and on some virtual
  // machines even reading the clock is a system call. So the clock is read
  // every 16th question only, and the key state when 8 ms have passed: far
  // below what a person can notice. After a pause the next question always
  // reads both, so a loop that waits for Esc to come up sees it at once.
  bool IsEscapeHeld() override {
    if (++questions_ % 16 != 0)
      return held_;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_query_ >= std::chrono::milliseconds(8)) {
      last_query_ = now;
      held_ = escape_.IsDown();
    }
    return held_;
  }
  void Beep() override {
    if (!platform::SystemBeep())
      QApplication::beep();
  }
  void Pause(int ms) override {
    WaitMilliseconds(ms);
    questions_ = 15;
    last_query_ = {};
  }

private:
  platform::EscapeKeyReader escape_;
  std::chrono::steady_clock::time_point last_query_{};
  unsigned questions_ = 15; // the first question reads the key state
  bool held_ = false;
};

} // namespace

std::unique_ptr<session::SystemServices> MakeDesktopServices() {
  return std::make_unique<DesktopServices>();
}

} // namespace orvik::app
