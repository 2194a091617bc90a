#pragma once
// The attribute and element writers behind WriteDrawing. Each attribute
// writer compares its value with the one last written (the model's current
// value) and emits a record only when it differs or its Pending flag is
// set. Internal to the exchange library.

#include "orvik/exchange/model.h"
#include "orvik/exchange/output_buffer.h"
#include "orvik/exchange/writer.h"

#include <initializer_list>
#include <string>

namespace orvik::exchange {

class RecordWriter {
public:
  // Starts as nothing were written yet: every attribute's first record is
  // written whatever its value. The model's first values stand in for
  // values out of range.
  RecordWriter(const DrawingModel &model, OutputBuffer &output,
               ElementShift shift = {});

  void WriteGroup(std::int32_t group);
  void WriteLayer(std::int32_t layer);
  void WriteColour(std::int32_t colour);
  void WriteSolidColour(std::int32_t rgb);
  void WriteLineType(std::int32_t line_type);
  void WriteLineWidth(std::int32_t width);
  void WriteTextKind(std::int32_t kind, std::int32_t colour, double width,
                     double height, double spacing);
  void WriteCc(std::int32_t cc);
  void WriteFont(std::string_view name);
  void WritePointColour(std::int32_t colour);
  void WriteZFlags(std::int32_t flags);

  void WriteElement(const TJwwEntOrder &entry);

private:
  // One element writer per record type: its attribute records, then its
  // element record.
  void Write(const TJwwEntLine &e);
  void Write(const TJwwEntCircle &e);
  void Write(const TJwwEntArc &e);
  void Write(const TJwwEntText &e);
  void Write(const TJwwEntPoint &e);
  void Write(const TJwwEntPointEx &e);
  void Write(const TJwwEntDim &e);
  void Write(const TJwwEntBlk &e);
  void Write(const TJwwEntSolid2 &e);
  void Write(const TJwwEntSolid3 &e);
  void Write(const TJwwEntSolid4 &e);
  void Write(const TJwwEntSolidSc &e);
  void Write(const TJwwEntSolidSe &e);
  void Write(const TJwwEntSolidSo &e);
  void Write(const TJwwEntSolidSg &e);
  void WriteSolidArc(const TJwwEntSolidArc &e, bool is_se);
  void WriteSolidRing(const TJwwEntSolidRing &e, bool is_sg);

  void WriteLineAttributes(const TJwwEntAttr &a);
  void WriteSolidAttributes(const TJwwEntAttr &a, std::int32_t rgb,
                            bool with_width);
  void WriteTextAttributes(const TJwwEntText &t);
  void EmitSolid3Record(double x1, double y1, double x2, double y2, double x3,
                        double y3);
  void EmitTextRecord(const char *key, const TJwwEntText &t,
                      std::string_view text);
  // An element record: its key and the values, after its z flags.
  void EmitRecord(const char *key, std::initializer_list<double> values);
  // An arc-shaped solid's outline in the file's order, value by value.
  void RealOutline(const TJwwSolidOutline &outline);

  // Numeric records are written in place in the output buffer: Begin
  // starts one with its key, Real and Int add a value after one blank (no
  // blank before the first value of a record without key), End closes it.
  // BeginElement first writes the z flags of the element.
  void Begin(const char *key);
  void BeginElement(const char *key);
  void Real(double v);
  void Int(std::int32_t v);
  void End();
  // Closes a text head with its quote and adds the text on the same line.
  void EndTextHead(std::string_view text);
  // key + integer without a blank, as "lc5".
  void KeyedInt(const char *key, std::int32_t v);
  void FlushZFlags();

  const DrawingModel &m_;
  // What was written last, and which attributes must be written anyway.
  AttributeState a_;
  OutputBuffer &out_;
  char *end_ = nullptr;        // end of the record being written in place
  bool separate_ = false;      // a blank goes before the next value
  std::int32_t pending_z_ = 0; // z flags of the element being written
  ElementShift shift_;         // of lines, points, arcs and circles
};

} // namespace orvik::exchange
