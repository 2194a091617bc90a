// Reads any bytes as an exchange file and writes the drawing back as OK
// does. Beyond the sanitizers' checks, it aborts when the writer produces
// a file the host could misread: a line longer than a text head and its
// text, a control byte inside a record, a record ending inside a two-byte
// character, or a file that does not end in CR LF.

#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/reader.h"
#include "orvik/exchange/writer.h"
#include "orvik/util/sjis_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace orvik;
using namespace orvik::exchange;

void Require(bool ok) {
  if (!ok)
    std::abort();
}

// Every line ends in CR LF and holds at most a text head and its text.
void CheckOutput(const OutputBuffer &out) {
  const std::string image = out.FileImage();
  Require(image.size() >= 4 && image.compare(image.size() - 2, 2, "\r\n") == 0);
  std::size_t start = 0;
  while (start < image.size()) {
    const std::size_t end = image.find("\r\n", start);
    Require(end != std::string::npos);
    const std::string_view line(image.data() + start, end - start);
    Require(line.size() <= 2 * OutputBuffer::kMaxEntryBytes);
    for (char c : line)
      Require(static_cast<unsigned char>(c) >= 0x20);
    Require(!EndsInLoneLeadByte(line));
    start = end + 2;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data,
                                      std::size_t size) {
  DrawingModel model;
  OutputBuffer out;
  InitModel(model, out);
  ReadExchangeBytes(
      model, std::string_view(reinterpret_cast<const char *>(data), size));
  ResetWriterState(model);
  out.EmitLine("hd");
  WriteDrawing(model, out, nullptr, nullptr);
  CheckOutput(out);

  // What was written reads back and writes again without trouble.
  const std::string image = out.FileImage();
  DrawingModel again;
  OutputBuffer out2;
  InitModel(again, out2);
  ReadExchangeBytes(again, image);
  ResetWriterState(again);
  WriteDrawing(again, out2, nullptr, nullptr);
  CheckOutput(out2);
  return 0;
}
