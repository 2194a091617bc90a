#include "orvik/exchange/session.h"

#include "orvik/exchange/choice_lists.h"
#include "orvik/exchange/reader.h"
#include "orvik/exchange/writer.h"

namespace orvik::exchange {

bool LoadExchangeFile(DrawingModel &model, OutputBuffer &output,
                      const std::filesystem::path &path) {
  InitModel(model, output);
  const bool read = ReadExchangeFile(model, path);
  ResetWriterState(model);
  return read;
}

PenAttributes PrepareNewElements(const DrawingModel &model,
                                 std::int32_t colour_index,
                                 std::int32_t line_type_index) {
  PenAttributes pen;
  pen.ZFlags = model.Attr.CurZFlags;
  pen.PickNo = model.Attr.CurPickNo;
  SetCurrentGroup(pen, model.Attr.FirstGroup);
  SetCurrentLayer(pen, model.Attr.FirstLayer);
  SelectColour(pen, model, colour_index, 1);
  SelectPointColour(pen, model, colour_index, 1);
  SelectLineType(pen, model, line_type_index, 1);
  return pen;
}

} // namespace orvik::exchange
