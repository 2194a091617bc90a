#include "orvik/exchange/writer.h"

#include "orvik/exchange/host_texts.h"
#include "orvik/util/real_format.h"
#include "record_writer.h"

#include <string>

namespace orvik::exchange {

namespace {

// The current values and Pending flags as the writer starts: every
// attribute's first record is written, the values are the defaults.
void ResetCurrentValues(AttributeState &a) {
  a.Pending = PendingFlags{};
  a.CurGroup = 0;
  a.CurLayer = 0;
  a.CurColour = 1;
  a.CurLineType = 1;
  a.CurLineWidth = 0;
  a.CurTextKind = 1;
  a.CurTextCustom = {2.0, 2.0, 0.0, 1};
  a.CurTextCc = 0;
  a.CurFont = kDefaultFont;
  a.CurPointColour = 1;
  a.CurSolidRgb = 0;
}

} // namespace

void ResetWriterState(DrawingModel &model) { ResetCurrentValues(model.Attr); }

RecordWriter::RecordWriter(const DrawingModel &model, OutputBuffer &output,
                           ElementShift shift)
    : m_(model), a_(model.Attr), out_(output), shift_(shift) {
  ResetCurrentValues(a_);
}

void EmitMessage(OutputBuffer &output, std::string_view message) {
  std::string record = "h#";
  record.append(message);
  output.EmitLine(record);
}

void WriteDrawing(const DrawingModel &model, OutputBuffer &output,
                  ProgressLabel *label, EscapeKey *escape, ElementShift shift) {
  if (model.SheetCoords)
    output.EmitLine("bz");
  RecordWriter writer(model, output, shift);
  const std::size_t total = model.EntOrder.Count();
  std::string progress;
  ArrivalOrder::Walk order(model.EntOrder);
  for (std::size_t i = 0; i < total; ++i) {
    if (i % 100 == 0) {
      if (label != nullptr) {
        progress.assign(kProgressPrefix);
        AppendInt(progress, static_cast<std::int64_t>(i + 1));
        progress.append(kProgressSlash);
        AppendInt(progress, static_cast<std::int64_t>(total));
        label->ShowProgress(progress);
      }
      if (escape != nullptr && escape->IsHeld()) {
        output.Clear();
        break;
      }
    }
    writer.WriteElement(order.Next());
  }
  writer.WriteGroup(model.Attr.FirstGroup);
  writer.WriteLayer(model.Attr.FirstLayer);
}

} // namespace orvik::exchange
