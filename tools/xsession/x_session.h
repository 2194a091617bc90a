#pragma once
// A client of an X display for driving the real window from outside, as a
// user would: find it by its title, take its picture, press keys through
// the XTEST extension. For the window test and for scripts/run on a
// machine without a screen of its own.

#include <QImage>

#include <chrono>
#include <string>

struct _XDisplay;

namespace orvik::tools {

class XSession {
public:
  // Connects to `display_name` (":1"); Connected() tells whether it did.
  explicit XSession(const std::string &display_name);
  ~XSession();
  XSession(const XSession &) = delete;
  XSession &operator=(const XSession &) = delete;

  bool Connected() const { return display_ != nullptr; }

  // The viewable top-level window whose name is `title`, or 0 when there
  // is none by the time `timeout` has passed.
  unsigned long WaitForWindow(const std::string &title,
                              std::chrono::milliseconds timeout);
  QImage Grab(unsigned long window);
  // Gives `window` the keyboard focus.
  void Focus(unsigned long window);
  // Presses (down) or releases one key, by its X key name ("Escape",
  // "Alt_L", "n"). False for an unknown name.
  bool Key(const std::string &name, bool down);
  // Presses a chord such as "alt+n": modifiers down, the key down and up,
  // modifiers up.
  bool Chord(const std::string &chord);

private:
  unsigned long FindWindow(const std::string &title);

  _XDisplay *display_ = nullptr;
};

} // namespace orvik::tools
