#pragma once
// Helpers for exchange tests: build file images from lines, read them into
// a model, and write a model back the way OK does.

#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/reader.h"
#include "orvik/exchange/writer.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace orvik::test {

// <ＭＳ ゴシック> and <ＭＳ 明朝> in Shift-JIS.
inline constexpr char kGothic[] =
    "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>";
inline constexpr char kMincho[] = "<\x82\x6C\x82\x72 \x96\xBE\x92\xA9>";

// The lines joined, each ended by CR LF as the host writes them.
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view line : lines)
    out.append(line).append("\r\n");
  return out;
}

// A model loaded from a file image as start-up loads it.
inline exchange::DrawingModel Read(std::string_view image) {
  exchange::DrawingModel model;
  exchange::OutputBuffer output;
  exchange::InitModel(model, output);
  exchange::ReadExchangeBytes(model, image);
  return model;
}

// What OK writes after loading `image` and drawing nothing more: start-up's
// writer reset, "hd", the drawing.
inline std::string Rewrite(std::string_view image) {
  exchange::DrawingModel model = Read(image);
  exchange::OutputBuffer output;
  exchange::ResetWriterState(model);
  output.EmitLine("hd");
  exchange::WriteDrawing(model, output, nullptr, nullptr);
  return output.FileImage();
}

} // namespace orvik::test
