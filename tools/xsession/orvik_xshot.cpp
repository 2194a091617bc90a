// orvik-xshot DISPLAY TITLE OUT.png [--keys CHORD]: waits for the window
// named TITLE on DISPLAY, waits for it to settle, saves its picture, and
// then optionally presses a key chord in it ("alt+n"). Exit 1 when the
// window never appears or the picture cannot be saved.

#include "x_session.h"

#include <QString>

#include <cstdio>
#include <string>
#include <thread>

int main(int argc, char **argv) {
  if (argc != 4 && !(argc == 6 && std::string(argv[4]) == "--keys")) {
    std::fprintf(stderr,
                 "usage: orvik-xshot DISPLAY TITLE OUT.png [--keys CHORD]\n");
    return 2;
  }
  orvik::tools::XSession x(argv[1]);
  if (!x.Connected()) {
    std::fprintf(stderr, "orvik-xshot: cannot open display %s\n", argv[1]);
    return 1;
  }
  const unsigned long window =
      x.WaitForWindow(argv[2], std::chrono::seconds(30));
  if (!window) {
    std::fprintf(stderr, "orvik-xshot: no window named %s\n", argv[2]);
    return 1;
  }
  // The first picture follows the window's mapping closely; a large
  // drawing may take a moment longer.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  if (!x.Grab(window).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "orvik-xshot: cannot write %s\n", argv[3]);
    return 1;
  }
  if (argc == 6) {
    x.Focus(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    if (!x.Chord(argv[5])) {
      std::fprintf(stderr, "orvik-xshot: unknown keys %s\n", argv[5]);
      return 1;
    }
  }
  return 0;
}
