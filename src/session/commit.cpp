// OK and the message of a failed hand-back.

#include "orvik/session/hand_back.h"

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
struct HandBack::BeforeOk {
  std::vector<exchange::TJwwEntLine> lines;
  std::vector<exchange::TJwwEntPoint> points;
  std::vector<exchange::TJwwEntArc> arcs;
  std::vector<exchange::TJwwEntCircle> circles;
  std::string status;
};

// Without host elements the host reads coordinates relative to its
// indicated point 1, so the new elements move by it.
void HandBack::ShiftNewElements(const NewElementCounts &drawn, double dx,
                                double dy) {
  exchange::DrawingModel &m = c_.model;
  MoveLast(m.Lines, drawn.lines, [dx, dy](exchange::TJwwEntLine &l) {
    l.X1 += dx;
    l.Y1 += dy;
    l.X2 += dx;
    l.Y2 += dy;
  });
  MoveLast(m.Points, drawn.points, [dx, dy](exchange::TJwwEntPoint &p) {
    p.X += dx;
    p.Y += dy;
  });
  MoveLast(m.Arcs, drawn.arcs, [dx, dy](exchange::TJwwEntArc &a) {
    a.X += dx;
    a.Y += dy;
  });
  MoveLast(m.Circles, drawn.circles, [dx, dy](exchange::TJwwEntCircle &c) {
    c.X += dx;
    c.Y += dy;
  });
}

bool HandBack::Commit(const NewElementCounts &drawn) {
  exchange::DrawingModel &m = c_.model;
  const BeforeOk before{LastRecords(m.Lines, drawn.lines),
                        LastRecords(m.Points, drawn.points),
                        LastRecords(m.Arcs, drawn.arcs),
                        LastRecords(m.Circles, drawn.circles), c_.status};
  if (drawn.Total() <= 0) {
    exchange::EmitMessage(c_.output, exchange::kNoPenDrawingMessage);
  } else {
    SetStatus(c_, text::kWorking);
    c_.output.EmitLine("hd");
    if (c_.loaded_count == 0)
      ShiftNewElements(drawn, m.HpPoints[1].X, m.HpPoints[1].Y);
    EscapeWatch escape(c_.services);
    exchange::WriteDrawing(m, c_.output, &c_.events, &escape);
  }
  SetStatus(c_, text::kWritingFile);
  std::error_code error;
  if (exchange::FlushExchangeFile(c_.output, exchange_path_, &error)) {
    handed_back_ = true;
    return true;
  }
  c_.output.Clear();
  PutBack(m.Lines, before.lines);
  PutBack(m.Points, before.points);
  PutBack(m.Arcs, before.arcs);
  PutBack(m.Circles, before.circles);
  SetStatus(c_, before.status);
  c_.events.HandBackFailed({exchange_path_, error, true});
  return false;
}

void HandBack::Close() {
  std::error_code error;
  if (!handed_back_ &&
      !exchange::FlushExchangeFile(c_.output, exchange_path_, &error))
    c_.events.HandBackFailed({exchange_path_, error, false});
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
