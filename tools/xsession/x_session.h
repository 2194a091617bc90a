#pragma once
// A client of an X display for driving the real window from outside, as a
// user would: find it by its title, take its picture, press keys through
// the XTEST extension, move and press the mouse. For the window test and for
// scripts/run on a machine without a screen of its own.

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
  // Moves the pointer to (x, y) of `window`, in its own pixels.
  void PointerTo(unsigned long window, int x, int y);
  // Presses (down) or releases mouse button 1, 2 or 3 where the pointer is.
  void Button(int button, bool down);
  // Button 1 down at `from`, moved in `steps` even steps to `to`, up there;
  // a click when the two are the same.
  void Drag(unsigned long window, QPoint from, QPoint to, int steps = 8);

private:
  unsigned long FindWindow(const std::string &title);

  _XDisplay *display_ = nullptr;
};

} // namespace orvik::tools
