#pragma once
// Writes the drawing model back as exchange-file records into the output
// buffer: the host's elements and the user's, in arrival order, each behind
// the attribute records that changed since the last one written.

#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"

#include <string_view>

namespace orvik::exchange {

// Shows the writer's progress; the window repaints its status line at once.
class ProgressLabel {
public:
  virtual ~ProgressLabel() = default;
  virtual void ShowProgress(std::string_view sjis_text) = 0;
};

// Tells whether the Esc key is held at this moment (not a queued press).
class EscapeKey {
public:
  virtual ~EscapeKey() = default;
  virtual bool IsHeld() = 0;
};

// Sets the model's current attribute values back to their defaults once the
// file is read, so that new elements start from them: all Pending flags
// set, the current values the defaults. The first values, the line-width
// switch, the z flags and the pick number keep what the reader left. The
// writer keeps its own record of what it wrote, starting the same way.
void ResetWriterState(DrawingModel &model);

// EmitLine("h#" followed by the Shift-JIS message).
void EmitMessage(OutputBuffer &output, std::string_view message);

// Added to the coordinates of the lines, points, arcs and circles written.
// When the host sent none of its own elements it reads the ones handed back
// relative to its indicated point 1, so the user's elements go back moved
// by it; the model itself is not changed. Other kinds are written as read.
struct ElementShift {
  double dx = 0, dy = 0;
};

// Writes the whole model: "bz" under sheet coordinates, every element in
// arrival order, then the first layer group and layer so the host's
// current layer is restored. Every 100 elements the label (if any) shows
// "処理中(ESC:中断)：i／n" and, if Esc is held, the buffer is emptied (the
// "hd" included) and writing stops. Either interface may be null.
void WriteDrawing(const DrawingModel &model, OutputBuffer &output,
                  ProgressLabel *label, EscapeKey *escape,
                  ElementShift shift = {});

} // namespace orvik::exchange
