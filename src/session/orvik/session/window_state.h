#pragma once
// What the window takes from the editing session at start-up and hands it
// at shut-down: its frame and the panel's state.

#include "orvik/session/session_input.h"

#include <cstdint>
#include <string>

namespace orvik::session {

// The window's frame position and client size, in screen pixels.
struct WindowRect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// What the panel shows.
struct PanelState {
  int mode = kScreenMode;
  int colour_item = 0, line_type_item = 0; // -1: no item selected
  bool grid_on = false;
  std::string spacing_text; // as the spacing field holds it
  bool sheet_units = false; // the unit label: sheet mm, else real mm
};

// The panel's list positions are what the new elements' attributes came
// from; its items are what the lists show (-1 when a position lies outside
// the list), and what the settings file keeps.
struct PanelChoices {
  std::int32_t colour_index = 0, line_type_index = 0;
  int colour_item = 0, line_type_item = 0;
  std::string spacing_text; // as the spacing field holds it
};

struct StartState {
  WindowRect window; // from the settings file, floored at the minimum
  PanelState panel;
};

} // namespace orvik::session
