// OK: the user's work goes into the writer's output buffer and from there
// into the exchange file. Should the file refuse it, everything stays as
// it was before OK, so the user can free the disk and press OK again.

#include "orvik/session/edit_session.h"

#include "escape_watch.h"

#include "orvik/session/ui_texts.h"

#include "orvik/exchange/host_texts.h"
#include "orvik/exchange/writer.h"

#include <vector>

namespace orvik::session {
namespace {

// The last `count` records of `list`, oldest first.
template <class List> auto LastRecords(const List &list, std::int32_t count) {
  std::vector<std::remove_cvref_t<decltype(list[0])>> records;
  const std::size_t n = list.Count();
  const std::size_t k = std::min<std::size_t>(n, count > 0 ? count : 0);
  for (std::size_t i = n - k; i < n; ++i)
    records.push_back(list[i]);
  return records;
}

template <class List, class Records>
void PutBack(List &list, const Records &records) {
  std::size_t i = list.Count() - records.size();
  for (const auto &r : records)
    list[i++] = r;
}

// Moves the last `count` records of `list` with `move`, newest first.
template <class List, class Move>
void MoveLast(List &list, std::int32_t count, Move &&move) {
  std::size_t n = list.Count();
  for (std::int32_t k = 0; k < count && n > 0; ++k)
    move(list[--n]);
}

} // namespace

// What OK may change in the model: the new elements, moved by indicated
// point 1.
struct EditSession::BeforeOk {
  std::vector<exchange::TJwwEntLine> lines;
  std::vector<exchange::TJwwEntPoint> points;
  std::vector<exchange::TJwwEntArc> arcs;
  std::vector<exchange::TJwwEntCircle> circles;
  std::string status;
};

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
  MoveLast(model_.Circles, new_circles_, [dx, dy](exchange::TJwwEntCircle &c) {
    c.X += dx;
    c.Y += dy;
  });
}

bool EditSession::Commit() {
  if (state_ != State::Open)
    return false;
  const BeforeOk before{LastRecords(model_.Lines, new_lines_),
                        LastRecords(model_.Points, new_points_),
                        LastRecords(model_.Arcs, new_arcs_),
                        LastRecords(model_.Circles, new_circles_), status_};
  if (new_lines_ + new_points_ + new_arcs_ + new_circles_ <= 0) {
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
  std::error_code error;
  if (exchange::FlushExchangeFile(output_, files_.exchange_path, &error)) {
    handed_back_ = true;
    return true;
  }
  output_.Clear();
  PutBack(model_.Lines, before.lines);
  PutBack(model_.Points, before.points);
  PutBack(model_.Arcs, before.arcs);
  PutBack(model_.Circles, before.circles);
  SetStatus(before.status);
  events_.HandBackFailed({files_.exchange_path, error, true});
  return false;
}

std::string HandBackMessage(const HandBackFailure &failure) {
  std::string message = text::kHandBackFailed;
  message += '\n';
  const std::error_code &e = failure.error;
  if (e == std::errc::no_space_on_device || e == std::errc::file_too_large)
    message += text::kDiskFull;
  else if (e == std::errc::permission_denied ||
           e == std::errc::operation_not_permitted ||
           e == std::errc::read_only_file_system)
    message += text::kNotWritable;
  else
    message += std::string(text::kOtherCause) + e.message();
  if (failure.after_ok)
    message += std::string("\n") + text::kTryAgain;
  return message;
}

} // namespace orvik::session
