// OK: the user's work goes into the writer's output buffer; Close then
// writes the buffer into the exchange file.

#include "orvik/session/edit_session.h"

#include "escape_watch.h"

#include "orvik/session/ui_texts.h"

#include "orvik/exchange/host_texts.h"
#include "orvik/exchange/writer.h"

namespace orvik::session {
namespace {

// Moves the last `count` records of `list` with `move`, newest first.
template <class List, class Move>
void MoveLast(List &list, std::int32_t count, Move &&move) {
  std::size_t n = list.Count();
  for (std::int32_t k = 0; k < count && n > 0; ++k)
    move(list[--n]);
}

} // namespace

// Without host elements the host reads coordinates relative to its
// indicated point 1, so the new elements move by it.
void EditSession::ShiftNewElements(double dx, double dy) {
  MoveLast(model_.Lines, new_lines_, [dx, dy](exchange::TJwwEntLine &l) {
    l.X1 += dx;
    l.Y1 += dy;
    l.X2 += dx;
    l.Y2 += dy;
  });
  MoveLast(model_.Points, new_points_, [dx, dy](exchange::TJwwEntPoint &p) {
    p.X += dx;
    p.Y += dy;
  });
  MoveLast(model_.Arcs, new_arcs_, [dx, dy](exchange::TJwwEntArc &a) {
    a.X += dx;
    a.Y += dy;
  });
}

bool EditSession::Commit() {
  if (state_ != State::Open)
    return false;
  if (new_lines_ + new_points_ + new_arcs_ <= 0) {
    exchange::EmitMessage(output_, exchange::kNoPenDrawingMessage);
  } else {
    SetStatus(text::kWorking);
    output_.EmitLine("hd");
    if (loaded_count_ == 0)
      ShiftNewElements(model_.HpPoints[1].X, model_.HpPoints[1].Y);
    EscapeWatch escape(services_);
    exchange::WriteDrawing(model_, output_, &events_, &escape);
  }
  SetStatus(text::kWritingFile);
  return true;
}

} // namespace orvik::session
