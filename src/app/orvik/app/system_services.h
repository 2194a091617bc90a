#pragma once
// What the window needs from the operating system beyond Qt's events: the
// Esc key's state at this very moment (not a queued key press, which long
// work cannot see because it handles no events), a beep, and a pause that
// handles no events. The window owns a reference to one implementation;
// tests and the replay tool pass their own.

#include <memory>

namespace orvik::app {

class SystemServices {
public:
  virtual ~SystemServices() = default;
  // True while Esc is physically held down.
  virtual bool IsEscapeHeld() = 0;
  virtual void Beep() = 0;
  // Blocks for `ms` milliseconds; input arriving meanwhile stays queued.
  virtual void Pause(int ms) = 0;
};

// The desktop's: the keyboard state from the X server (a connection of its
// own) or from Windows; Qt's beep; a sleep. Where neither keyboard source
// is available (no display, another windowing system) Esc never reads as
// held, so long work simply runs to its end.
std::unique_ptr<SystemServices> MakeDesktopServices();

} // namespace orvik::app
