#pragma once
// Reads an exchange file into the drawing model.
//
// Every line is one record, recognised by its first field; attribute
// records change the running state that the following element records are
// stamped with. Nothing is ever reported: unknown keys are ignored, a
// recognised key with the wrong number of fields is treated as unknown, a
// bad number reads as 0, and a line of exactly four fields whose key is
// none of the known ones is a line element.

#include "orvik/exchange/field_scanner.h"
#include "orvik/exchange/model.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orvik::exchange {

class ExchangeReader {
public:
  explicit ExchangeReader(DrawingModel &model) : m_(model) {}

  // Splits one line (without its line end) and applies its record.
  void ParseLine(std::string_view line);

private:
  bool ParseKeyedRecord(std::string_view key, int n);
  bool ParseHeaderRecord(std::string_view key, int n);
  bool ParseAttributeRecord(std::string_view key, int n);
  bool ParseMarkerRecord(std::string_view key, int n);
  bool ParseElementRecord(std::string_view key, int n);
  void ParseBareLine();

  void ReadIndicatedPoint(std::string_view key);
  void ReadPickNumber(std::string_view key);
  void ReadPoint(int n);
  void ReadOutline(TJwwSolidOutline &outline);
  void ReadText(std::int32_t text_class);
  void FillText(TJwwEntText &text, std::int32_t text_class);
  void ReadSolid(int n);
  template <class T> T &AppendSolid(GrowableList<T> &list, EntKind kind);
  void AddSolid2(double x1, double y1, double x2, double y2);
  void AddSolid3(double x1, double y1, double x2, double y2, double x3,
                 double y3);
  void EndElementRecord();

  double Real(int i) const;
  std::int32_t Int(int i) const;

  DrawingModel &m_;
  FieldScanner fields_;

  // The running state between records.
  // "pl" records met so far; a line after one carries its number while
  // the polyline lasts (an attribute record, a marker or another element
  // ends it).
  std::int32_t polyline_no_ = 0;
  bool in_polyline_ = false;
  // Inside a curve group: from "pl" to the next attribute record that ends
  // a polyline, a lone "#", "msg", another "pl" or an element that is
  // neither a line nor a solid. Unlike a polyline it runs on through the
  // solids of a curve solid.
  bool in_curve_group_ = false;
  // After "msg": the next bare line is a dimension's line, which waits
  // here for its "cs" text. Never cleared: a "cs" without a line of its
  // own takes the last one, or this default.
  bool dim_pending_ = false;
  // Its default: colour 1, line type 1, from (0, 0) to (1, 0).
  TJwwEntLine pending_dim_line_ = {{0, 1, 1, 0, 0, 0, 0, false}, 0, 0, 0, 1, 0};
};

// One line, as ExchangeReader::ParseLine does it.
void ParseExchangeLine(DrawingModel &model, std::string_view line);

// Reads a whole file image: lines end with LF, a CR before the LF is part
// of the line end, and a last line needs no line end.
void ReadExchangeBytes(DrawingModel &model, std::string_view bytes);

// Reads the file at `path` into the model. Returns false, with the model
// as it was, when the file cannot be opened or is no regular file (a FIFO,
// a directory or a device reads as missing, without waiting), and false,
// keeping whatever
// was read, when reading fails part-way; true when read to its end.
// Memory use does not depend on the file size beyond the longest line.
bool ReadExchangeFile(DrawingModel &model, const std::filesystem::path &path);

} // namespace orvik::exchange
