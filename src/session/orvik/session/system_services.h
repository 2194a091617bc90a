#pragma once
// What the editing session needs from the operating system beyond its
// input: the Esc key's state at this very moment (not a queued key press,
// which long work cannot see because it handles no events), a beep, and a
// pause that handles no events. The window passes the desktop's; tests and
// the replay tool pass their own.

namespace orvik::session {

class SystemServices {
public:
  virtual ~SystemServices() = default;
  // True while Esc is physically held down.
  virtual bool IsEscapeHeld() = 0;
  virtual void Beep() = 0;
  // Blocks for `ms` milliseconds; input arriving meanwhile stays queued.
  virtual void Pause(int ms) = 0;
};

} // namespace orvik::session
