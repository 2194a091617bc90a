#pragma once
// The plain input the editing session takes: pointer, pen and touch events
// in pixels of the drawing area, the window's keys, and the panel's modes.

#include <cstdint>

namespace orvik::session {

// Buttons and modifiers of a press, as ButtonFlags keeps them.
enum ButtonBit : std::int32_t {
  kLeftButton = 1,
  kRightButton = 2,
  kMiddleButton = 4,
  kDoubleClick = 8,
  kShiftKey = 16,
  kAltKey = 32,
  kCtrlKey = 64,
};
inline constexpr std::int32_t kAnyButton =
    kLeftButton | kRightButton | kMiddleButton;

// The mode group's items, in their order.
enum Mode : int {
  kScreenMode = 0, // navigation
  kGridOriginMode = 1,
  kLineMode = 2,
  kArcMode = 3,
};
inline constexpr int kModeCount = 4;

// The keys the window handles itself, wherever the focus is.
enum class Key {
  PageUp,
  PageDown,
  Home,
  End,
  Insert,
  Left,
  Right,
  Up,
  Down,
  Esc
};

// The end of the pen that touches the tablet.
enum class PenEnd { Tip, Eraser };

// A button going down, in drawing-area pixels (y down).
struct PointerPress {
  std::int32_t x = 0, y = 0;
  std::int32_t button = kLeftButton; // the one pressed: a ButtonBit
  // Every button held now, the pressed one included, plus kShiftKey,
  // kAltKey and kCtrlKey for the modifiers held; kDoubleClick for the
  // second press of a double click.
  std::int32_t flags = kLeftButton;
};

// The pointer as the session follows it: the press (ButtonFlags, PressX,
// PressY), the pointer over the drawing area (for the preview), and the
// pen (`erasing`: its eraser end touches).
struct PointerState {
  std::int32_t flags = 0, press_x = 0, press_y = 0;
  bool in = false;
  std::int32_t x = 0, y = 0;
  bool pen_in_range = false, erasing = false;
};

} // namespace orvik::session
