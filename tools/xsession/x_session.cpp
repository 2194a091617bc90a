#include "x_session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <thread>
#include <vector>

namespace orvik::tools {

namespace {

// A window may go between finding it and asking about it (a toolkit
// replacing its first window, a program closing): the request then fails
// and the caller sees the failure, instead of Xlib's default handler
// ending the process.
int IgnoreErrors(Display *, XErrorEvent *) { return 0; }

} // namespace

XSession::XSession(const std::string &display_name)
    : display_(XOpenDisplay(display_name.c_str())) {
  XSetErrorHandler(IgnoreErrors);
}

XSession::~XSession() {
  if (display_)
    XCloseDisplay(display_);
}

unsigned long XSession::FindWindow(const std::string &title) {
  Window root = DefaultRootWindow(display_), parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display_, root, &root, &parent, &children, &count))
    return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    char *name = nullptr;
    if (XGetWindowAttributes(display_, children[i], &attributes) &&
        attributes.map_state == IsViewable &&
        XFetchName(display_, children[i], &name) && name && title == name)
      found = children[i];
    if (name)
      XFree(name);
  }
  if (children)
    XFree(children);
  return found;
}

unsigned long XSession::WaitForWindow(const std::string &title,
                                      std::chrono::milliseconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (const unsigned long w = FindWindow(title))
      return w;
    if (std::chrono::steady_clock::now() >= until)
      return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

QImage XSession::Grab(unsigned long window) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(display_, window, &a))
    return {};
  XImage *x =
      XGetImage(display_, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!x)
    return {};
  QImage image(a.width, a.height, QImage::Format_RGB32);
  for (int y = 0; y < a.height; ++y)
    for (int px = 0; px < a.width; ++px)
      image.setPixel(px, y, 0xFF000000u | XGetPixel(x, px, y));
  XDestroyImage(x);
  return image;
}

void XSession::Focus(unsigned long window) {
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  XSync(display_, False);
}

bool XSession::Key(const std::string &name, bool down) {
  const KeySym symbol = XStringToKeysym(name.c_str());
  if (symbol == NoSymbol)
    return false;
  const KeyCode code = XKeysymToKeycode(display_, symbol);
  if (code == 0)
    return false;
  XTestFakeKeyEvent(display_, code, down, 0);
  XSync(display_, False);
  return true;
}

bool XSession::Chord(const std::string &chord) {
  std::vector<std::string> keys;
  std::size_t start = 0;
  while (start <= chord.size()) {
    const std::size_t end = std::min(chord.find('+', start), chord.size());
    std::string key = chord.substr(start, end - start);
    if (key == "alt")
      key = "Alt_L";
    else if (key == "ctrl")
      key = "Control_L";
    else if (key == "shift")
      key = "Shift_L";
    keys.push_back(key);
    start = end + 1;
  }
  for (const std::string &k : keys)
    if (!Key(k, true))
      return false;
  for (auto k = keys.rbegin(); k != keys.rend(); ++k)
    Key(*k, false);
  return true;
}

void XSession::PointerTo(unsigned long window, int x, int y) {
  int rx = 0, ry = 0;
  Window child;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y,
                        &rx, &ry, &child);
  XTestFakeMotionEvent(display_, DefaultScreen(display_), rx, ry, 0);
  XSync(display_, False);
}

void XSession::Button(int button, bool down) {
  XTestFakeButtonEvent(display_, button, down, 0);
  XSync(display_, False);
}

void XSession::Drag(unsigned long window, QPoint from, QPoint to, int steps) {
  PointerTo(window, from.x(), from.y());
  Button(1, true);
  for (int i = 1; i <= steps && from != to; ++i)
    PointerTo(window, from.x() + (to.x() - from.x()) * i / steps,
              from.y() + (to.y() - from.y()) * i / steps);
  Button(1, false);
}

} // namespace orvik::tools
