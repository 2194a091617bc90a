// OK: the user's work goes into the writer's output buffer, and the window
// closes; shut-down then writes the buffer into the exchange file.

#include "orvik/app/tform1.h"

#include "escape_watch.h"

#include "orvik/app/ui_texts.h"
#include "orvik/exchange/host_texts.h"
#include "orvik/exchange/writer.h"
#include "orvik/render/sjis_codec.h"

#include <QLabel>

namespace orvik::app {
namespace {

class StatusProgress final : public exchange::ProgressLabel {
public:
  explicit StatusProgress(QLabel &label) : label_(label) {}
  void ShowProgress(std::string_view sjis_text) override {
    label_.setText(render::DecodeSjis(sjis_text));
    label_.repaint();
  }

private:
  QLabel &label_;
};

// Moves the last `count` records of `list` by (dx, dy) with `move`,
// newest first.
template <class List, class Move>
void MoveLast(List &list, std::int32_t count, Move &&move) {
  std::size_t n = list.Count();
  for (std::int32_t k = 0; k < count && n > 0; ++k)
    move(list[--n]);
}

} // namespace

// Without host elements the host reads coordinates relative to its
// indicated point 1, so the new elements move by it.
void TForm1::ShiftNewElements(double dx, double dy) {
  MoveLast(model_.Lines, NewLineCount, [dx, dy](exchange::TJwwEntLine &l) {
    l.X1 += dx;
    l.Y1 += dy;
    l.X2 += dx;
    l.Y2 += dy;
  });
  MoveLast(model_.Points, NewPointCount, [dx, dy](exchange::TJwwEntPoint &p) {
    p.X += dx;
    p.Y += dy;
  });
  MoveLast(model_.Arcs, NewArcCount, [dx, dy](exchange::TJwwEntArc &a) {
    a.X += dx;
    a.Y += dy;
  });
}

void TForm1::Button1Click() {
  if (closed_)
    return;
  const std::int32_t total = NewLineCount + NewPointCount + NewArcCount;
  if (total <= 0) {
    exchange::EmitMessage(output_, exchange::kNoPenDrawingMessage);
  } else {
    ShowStatus(QString::fromUtf8(text::kWorking));
    output_.EmitLine("hd");
    if (LoadedElementCount == 0)
      ShiftNewElements(model_.HpPoints[1].X, model_.HpPoints[1].Y);
    StatusProgress progress(*LabelA1);
    EscapeWatch escape(services_);
    exchange::WriteDrawing(model_, output_, &progress, &escape);
  }
  ShowStatus(QString::fromUtf8(text::kWritingFile));
  close();
}

} // namespace orvik::app
