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

void PrepareNewElements(DrawingModel &model, std::int32_t colour_index,
                        std::int32_t line_type_index) {
  model.SetCurrentGroup(model.Attr.FirstGroup);
  model.SetCurrentLayer(model.Attr.FirstLayer);
  SelectColour(model, colour_index, 1);
  SelectPointColour(model, colour_index, 1);
  SelectLineType(model, line_type_index, 1);
}

} // namespace orvik::exchange
