#include "orvik/app/desktop_services.h"

#include "orvik/util/ticks.h"

#include <QApplication>

#include <chrono>

#if defined(_WIN32)
#include <windows.h>
#elif defined(ORVIK_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/keysym.h>
#endif

namespace orvik::app {
namespace {

#if defined(_WIN32)

bool QueryEscape() { return (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0; }

#elif defined(ORVIK_HAVE_X11)

// The X server's key map, read over a connection of our own so that Qt's
// event queue is never touched. Opened on first use; if there is no display
// Esc never reads as held.
class XKeyboard {
public:
  ~XKeyboard() {
    if (display_)
      XCloseDisplay(display_);
  }
  bool EscapeDown() {
    if (!opened_) {
      opened_ = true;
      display_ = XOpenDisplay(nullptr);
      if (display_)
        escape_ = XKeysymToKeycode(display_, XK_Escape);
    }
    if (!display_ || escape_ == 0)
      return false;
    char keys[32];
    XQueryKeymap(display_, keys);
    return (keys[escape_ / 8] >> (escape_ % 8)) & 1;
  }

private:
  bool opened_ = false;
  Display *display_ = nullptr;
  KeyCode escape_ = 0;
};

#endif

class DesktopServices final : public session::SystemServices {
public:
  // Long work asks after every tenth element; a round trip to the X server
  // each time would cost more than the drawing, and on some virtual
  // machines even reading the clock is a system call. So the clock is read
  // every 16th question only, and the key map when 8 ms have passed: far
  // below what a person can notice. After a pause the next question always
  // reads both, so a loop that waits for Esc to come up sees it at once.
  bool IsEscapeHeld() override {
    if (++questions_ % 16 != 0)
      return held_;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_query_ >= std::chrono::milliseconds(8)) {
      last_query_ = now;
      held_ = Query();
    }
    return held_;
  }
  void Beep() override { QApplication::beep(); }
  void Pause(int ms) override {
    WaitMilliseconds(ms);
    questions_ = 15;
    last_query_ = {};
  }

private:
  bool Query() {
#if defined(_WIN32)
    return QueryEscape();
#elif defined(ORVIK_HAVE_X11)
    return keyboard_.EscapeDown();
#else
    return false;
#endif
  }

#if defined(ORVIK_HAVE_X11) && !defined(_WIN32)
  XKeyboard keyboard_;
#endif
  std::chrono::steady_clock::time_point last_query_{};
  unsigned questions_ = 15; // the first question reads the key map
  bool held_ = false;
};

} // namespace

std::unique_ptr<session::SystemServices> MakeDesktopServices() {
  return std::make_unique<DesktopServices>();
}

} // namespace orvik::app
