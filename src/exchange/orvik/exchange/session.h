#pragma once
// The exchange steps of start-up, shared by the window and the headless
// tool so that both load a drawing the same way.

#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvik::exchange {

// InitModel, ReadExchangeFile(path), ResetWriterState. Returns what
// ReadExchangeFile returned; the window ignores it (a missing file is an
// empty drawing), the headless tool reports it.
bool LoadExchangeFile(DrawingModel &model, OutputBuffer &output,
                      const std::filesystem::path &path);

// The attributes of the first new elements: the host's first layer group
// and layer, the colour (also as point colour) and line type at the given
// list positions, line width 0, and the z flags and pick number the reader
// left.
[[nodiscard]] PenAttributes PrepareNewElements(const DrawingModel &model,
                                               std::int32_t colour_index,
                                               std::int32_t line_type_index);

} // namespace orvik::exchange
