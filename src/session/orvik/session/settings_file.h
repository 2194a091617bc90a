#pragma once
// The settings file beside the program: text lines ended by CR LF holding
// the window rectangle, the two list positions, a constant 0, the grid
// switch, the grid spacing, and a tenth line: whether one pen stroke may
// make a whole arc or circle. It is read once at start-up and written
// once at shut-down; a missing, short or malformed file gives defaults and
// never a message, and one that cannot be rewritten stays as it was.

#include <cstdint>
#include <filesystem>

namespace orvik::session {

inline constexpr std::int32_t kMinWindowWidth = 475;
inline constexpr std::int32_t kMinWindowHeight = 200;
// The smallest grid spacing the panel accepts.
inline constexpr double kMinGridSpacing = 0.00001;

struct WindowSettings {
  std::int32_t SavedLeft = 0, SavedTop = 0;
  std::int32_t SavedWidth = kMinWindowWidth, SavedHeight = 475;
  std::int32_t ColourIndex = 0, LineTypeIndex = 0;
  std::int32_t GridOn = 0;
  // In the unit the panel shows: real millimetres, or sheet millimetres
  // when the drawing has sheet coordinates.
  double GridSpacing = 10.0;
  // Line 10: "0" switches one-stroke arcs and circles off; "1", anything
  // else or no tenth line leaves them on.
  bool OneStroke = true;
};

// How the stored spacing (always paper millimetres) relates to the panel's
// unit: with real-size coordinates it is multiplied by the drawing scale on
// reading and divided by it on writing.
struct SpacingUnit {
  bool sheet_coords = false;
  double drawing_scale = 1.0; // finite and non-zero
};

// Lines convert leniently (bad text reads as 0); lines missing at the end
// read as empty; the width and height are then floored at 475 and 200. A
// missing file, one that cannot be read, or anything but a regular file (a
// FIFO is not waited for) gives the defaults above for every field not yet
// read. Returns whether the file was there.
bool ReadSettingsFile(const std::filesystem::path &path,
                      const SpacingUnit &unit, WindowSettings &settings);

// Creates or replaces the file as the exchange file is replaced: a synced
// temporary file renamed over it. On failure whatever was there before
// stays (the old settings, or a directory of that name) and false is
// returned.
bool WriteSettingsFile(const std::filesystem::path &path,
                       const SpacingUnit &unit, const WindowSettings &settings);

} // namespace orvik::session
