#pragma once
// The user session that `orvik-cli replay` plays into the window: one
// command a line, "#" starting a comment, blank lines ignored.
//
//   area W H                      drawing area size (first command only)
//   mode N | colour N | linetype N
//   grid on|off | spacing TEXT
//   press X Y [left|right|middle] [shift] [ctrl] [alt]
//   move X Y [left] [right] [middle]
//   release X Y [left|right|middle]
//   stroke X1 Y1 X2 Y2 | click X Y
//   path X1 Y1 X2 Y2 ... Xn Yn    a pen stroke through every point: pressed
//                                 at the first, released at the last
//   key NAME [shift]              Esc PageUp PageDown Home End Insert
//                                 Left Right Up Down
//   wheel up|down X Y
//   hover X Y                     the pointer at X Y with no button
//   pen press|move|release|hover X Y | pen leave
//   eraser press|release X Y      the pen's other end
//   touch down|move|up ID X Y     one event in which touch point ID
//                                 changes; the other points held stay
//   png FILE
//   overlay FILE                  the area as shown, the preview included
//   view                          prints "view LEFT BOTTOM RIGHT TOP"
//   status                        prints "status TEXT" and "counter TEXT"
//   panel                         prints what the panel shows
//   ok | cancel                   ends the session; nothing may follow
//
// The whole script is checked before anything runs, so a bad line stops
// the tool before the window has read or written any file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::cli {

enum class Button { Left, Right, Middle };
// What a pen, eraser or touch command does: press (touch down), move,
// release (touch up), hover, leave.
enum class Phase { Press, Move, Release, Hover, Leave };

struct ReplayCommand {
  enum class Kind {
    Area,
    Mode,
    Colour,
    LineType,
    Grid,
    Spacing,
    Press,
    Move,
    Release,
    Stroke,
    Click,
    Path,
    Key,
    Wheel,
    Hover,
    Pen,
    Eraser,
    Touch,
    Png,
    Overlay,
    View,
    Status,
    Panel,
    Ok,
    Cancel,
  };
  Kind kind = Kind::Ok;
  int line = 0;             // 1-based line of the script
  std::vector<int> numbers; // in the order written
  Button button = Button::Left;
  Phase phase = Phase::Move;
  std::vector<Button> buttons; // move: the buttons held
  bool shift = false, ctrl = false, alt = false;
  bool on = false;  // grid on, wheel down
  std::string text; // spacing text, key name, PNG file
  // Touch: numbers are ID X Y.
};

struct ReplayScript {
  std::vector<ReplayCommand> commands;
  int width = 800, height = 600; // the drawing area
};

// The parsed script, or nothing with `error` naming the offending line.
std::optional<ReplayScript> ParseReplayScript(std::string_view text,
                                              std::string &error);

} // namespace orvik::cli
