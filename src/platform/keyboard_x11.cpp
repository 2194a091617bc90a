// The X server's key map, read over a connection of its own so that the
// toolkit's event queue is never touched. Opened on first use.

#include "orvik/platform/keyboard.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace orvik::platform {

struct EscapeKeyReader::Impl {
  ~Impl() {
    if (display)
      XCloseDisplay(display);
  }
  bool opened = false;
  Display *display = nullptr;
  KeyCode escape = 0;
};

EscapeKeyReader::EscapeKeyReader() : impl_(std::make_unique<Impl>()) {}
EscapeKeyReader::~EscapeKeyReader() = default;

bool EscapeKeyReader::IsDown() {
  Impl &x = *impl_;
  if (!x.opened) {
    x.opened = true;
    x.display = XOpenDisplay(nullptr);
    if (x.display)
      x.escape = XKeysymToKeycode(x.display, XK_Escape);
  }
  if (!x.display || x.escape == 0)
    return false;
  char keys[32];
  XQueryKeymap(x.display, keys);
  return (keys[x.escape / 8] >> (x.escape % 8)) & 1;
}

bool SystemBeep() { return false; }

} // namespace orvik::platform
