#pragma once
// The keyboard as long work needs it: whether Esc is held at this very
// moment, read from the system rather than from queued key events (which
// long work, handling no events, never sees), and the system's beep.

#include <memory>

namespace orvik::platform {

class EscapeKeyReader {
public:
  EscapeKeyReader();
  ~EscapeKeyReader();
  EscapeKeyReader(const EscapeKeyReader &) = delete;
  EscapeKeyReader &operator=(const EscapeKeyReader &) = delete;
  // True while Esc is physically held down. Where the system cannot tell
  // (no display, another windowing system) it never is.
  bool IsDown();

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The system's short warning sound; false when the system offers none
// here, and the caller then uses the toolkit's.
bool SystemBeep();

} // namespace orvik::platform
