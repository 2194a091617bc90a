#include "orvik/exchange/reader.h"

#include "orvik/exchange/line_splitter.h"
#include "orvik/platform/file_access.h"
#include "orvik/util/lenient_number.h"

#include <array>
#include <cstdio>
#include <memory>
#include <utility>

namespace orvik::exchange {
namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// Value of the hexadecimal digit at index i, or 0 when there is none.
std::int32_t HexDigitAt(std::string_view s, std::size_t i) {
  const int value = i < s.size() ? HexDigitValue(s[i]) : -1;
  return value < 0 ? 0 : value;
}

} // namespace

double ExchangeReader::Real(int i) const {
  return StrToFloatZ(fields_.Field(i));
}

std::int32_t ExchangeReader::Int(int i) const {
  return StrToIntZ(fields_.Field(i));
}

void ExchangeReader::ParseLine(std::string_view line) {
  const int n = fields_.Split(line);
  if (fields_.IsBlank())
    return;
  const std::string_view key = fields_.Field(0);
  // Every key begins with a letter or "#"; a first field that does not,
  // such as the coordinate of a bare line, can only hold "file=".
  const char first = key.empty() ? ' ' : key[0];
  const bool may_be_key = (first >= 'a' && first <= 'z') ||
                          (first >= 'A' && first <= 'Z') || first == '#';
  if (!may_be_key && key.find("file=") == std::string_view::npos) {
    if (n == 4)
      ParseBareLine();
    return;
  }
  if (ParseKeyedRecord(key, n))
    return;
  if (n == 4)
    ParseBareLine();
}

// The record groups a key can belong to, by its first character; within
// each group the records are tried in their fixed order. "file=" may stand
// anywhere in the first field and is tried first.
bool ExchangeReader::ParseKeyedRecord(std::string_view key, int n) {
  if (key.find("file=") != std::string_view::npos)
    return true;
  switch (key[0]) {
  case 'h':
    return ParseHeaderRecord(key, n) || ParseMarkerRecord(key, n);
  case 'b':
    return ParseHeaderRecord(key, n);
  case 'l':
    return ParseHeaderRecord(key, n) || ParseAttributeRecord(key, n);
  case 'c':
  case 'z':
    return ParseAttributeRecord(key, n) || ParseElementRecord(key, n);
  case 'p':
    return ParseAttributeRecord(key, n) || ParseMarkerRecord(key, n) ||
           ParseElementRecord(key, n);
  case 'm':
  case '#':
    return ParseMarkerRecord(key, n);
  case 'B':
  case 's':
    return ParseElementRecord(key, n);
  default:
    return false;
  }
}

// Records of the file's head: the file name, the group scales, the text
// kinds, sheet coordinates and the values nothing uses.
bool ExchangeReader::ParseHeaderRecord(std::string_view key, int n) {
  if (key == "hk" && n >= 2)
    return true;
  if (key == "hs" && n >= 17) {
    // Checked: a wrong bound throws rather than writes past the table.
    for (int g = 0; g < 16; ++g)
      m_.GroupScale.at(static_cast<std::size_t>(g)) = Real(g + 1);
    return true;
  }
  if (key == "hzs" && n >= 3)
    return true;
  if (n >= 11 &&
      (key == "hcw" || key == "hch" || key == "hcd" || key == "hcc")) {
    for (int k = 0; k < 10; ++k) {
      TJwwTextKind &kind = m_.TextKinds[k];
      switch (key[2]) {
      case 'w':
        kind.Width = Real(k + 1);
        break;
      case 'h':
        kind.Height = Real(k + 1);
        break;
      case 'd':
        kind.Spacing = Real(k + 1);
        break;
      default:
        kind.Colour = Int(k + 1);
        break;
      }
    }
    return true;
  }
  if (key == "bz") {
    m_.SheetCoords = true;
    return true;
  }
  return (key == "hn" && n >= 5) || StartsWith(key, "lgn") ||
         StartsWith(key, "lyn");
}

// Attribute records: each sets a current value (and the first value when
// it is the first record of its key) and ends a polyline.
bool ExchangeReader::ParseAttributeRecord(std::string_view key, int n) {
  AttributeState &a = m_.Attr;
  PendingFlags &first = a.Pending;
  if (StartsWith(key, "lg")) {
    a.CurGroup = HexDigitAt(key, 2);
    if (std::exchange(first.Group, false))
      a.FirstGroup = a.CurGroup;
  } else if (StartsWith(key, "ly")) {
    a.CurLayer = HexDigitAt(key, 2);
    if (std::exchange(first.Layer, false))
      a.FirstLayer = a.CurLayer;
  } else if (StartsWith(key, "lc")) {
    a.CurColour = StrToIntZ(key.substr(2));
    if (std::exchange(first.Colour, false))
      a.FirstColour = a.CurColour;
    if (a.CurColour == 10 && n >= 2)
      a.CurSolidRgb = Int(1);
  } else if (StartsWith(key, "lt")) {
    a.CurLineType = StrToIntZ(key.substr(2));
    if (std::exchange(first.LineType, false))
      a.FirstLineType = a.CurLineType;
  } else if (StartsWith(key, "lw")) {
    a.CurLineWidth = StrToIntZ(key.substr(2));
    if (std::exchange(first.LineWidth, false))
      a.FirstLineWidth = a.CurLineWidth;
    m_.LineWidthSeen = true;
  } else if (StartsWith(key, "cn$")) {
    a.CurFont = key.substr(3);
    if (a.FirstFont.empty())
      a.FirstFont = a.CurFont;
  } else if (StartsWith(key, "cn")) {
    // The first text kind record fixes both the first kind and, for a
    // custom kind, the custom values that go with it.
    const bool is_first = std::exchange(first.TextKind, false);
    a.CurTextKind = StrToIntZ(key.substr(2));
    if (is_first)
      a.FirstTextKind = a.CurTextKind;
    if (a.CurTextKind == 0 && n >= 5) {
      a.CurTextCustom = {Real(1), Real(2), Real(3), Int(4)};
      if (is_first)
        a.FirstTextCustom = a.CurTextCustom;
    }
  } else if (StartsWith(key, "cc")) {
    const char c = key.size() > 2 ? key.at(2) : ' ';
    a.CurTextCc = (c >= '0' && c <= '8') ? c - '0' : 0;
  } else if (key.size() == 2 && key[0] == 'z' && key[1] >= '1' &&
             key[1] <= '5') {
    a.CurZFlags |= 1 << (key[1] - '1');
    return true; // z flags leave a polyline open
  } else if (StartsWith(key, "pn")) {
    a.CurPointColour = StrToIntZ(key.substr(2));
  } else {
    return false;
  }
  in_polyline_ = false;
  in_curve_group_ = false;
  return true;
}

// Structure markers, indicated points and pick numbers.
bool ExchangeReader::ParseMarkerRecord(std::string_view key, int n) {
  if (key == "pl") {
    ++polyline_no_;
    in_polyline_ = true;
    in_curve_group_ = true;
    dim_pending_ = false;
  } else if (key == "msg") {
    dim_pending_ = true;
    in_polyline_ = false;
    in_curve_group_ = false;
  } else if (key == "#") {
    in_polyline_ = false;
    in_curve_group_ = false;
    dim_pending_ = false;
  } else if (StartsWith(key, "hp") && n >= 3) {
    ReadIndicatedPoint(key);
  } else if (StartsWith(key, "hhp")) {
    ReadPickNumber(key);
  } else {
    return false;
  }
  return true;
}

// "hp" + number 1..99 + an optional kind suffix, then X and Y. The number
// ends at the first "-", "ln", "ci" or "ch"; when several occur, the last
// of these four that occurs at all decides.
void ExchangeReader::ReadIndicatedPoint(std::string_view key) {
  static constexpr std::array<std::string_view, 4> kSuffixes = {"-", "ln", "ci",
                                                                "ch"};
  std::string_view number = key.substr(2);
  std::int32_t kind = 0;
  for (std::size_t s = 0; s < kSuffixes.size(); ++s) {
    const std::size_t at = key.find(kSuffixes[s]);
    if (at == std::string_view::npos)
      continue;
    number = at >= 2 ? key.substr(2, at - 2) : std::string_view{};
    kind = static_cast<std::int32_t>(s) + 1;
  }
  const std::int32_t index = StrToIntZ(number);
  if (index < 1 || index > 99)
    return;
  TJwwHpPoint &hp = m_.HpPoints.at(static_cast<std::size_t>(index)); // checked
  hp.Valid = true;
  hp.X = Real(1);
  hp.Y = Real(2);
  hp.PickKind = kind;
}

// "hhp" + number + an optional "ln", "ci" or "ch" suffix found after the
// number's first character.
void ExchangeReader::ReadPickNumber(std::string_view key) {
  std::size_t length = key.size();
  for (std::string_view suffix : {"ln", "ci", "ch"}) {
    const std::size_t at = key.find(suffix);
    if (at != std::string_view::npos && at > 3)
      length = at - 3;
  }
  m_.Attr.CurPickNo = StrToIntZ(key.substr(3, length));
}

void ParseExchangeLine(DrawingModel &model, std::string_view line) {
  ExchangeReader(model).ParseLine(line);
}

void ReadExchangeBytes(DrawingModel &model, std::string_view bytes) {
  ExchangeReader reader(model);
  LineSplitter lines;
  auto parse = [&reader](std::string_view line) { reader.ParseLine(line); };
  lines.Feed(bytes, parse);
  lines.Finish(parse);
}

bool ReadExchangeFile(DrawingModel &model, const std::filesystem::path &path) {
  std::FILE *file = platform::OpenRegularFile(path);
  if (file == nullptr)
    return false;
  constexpr std::size_t kChunk = 1 << 20;
  const auto chunk = std::make_unique<char[]>(kChunk);
  ExchangeReader reader(model);
  LineSplitter lines;
  auto parse = [&reader](std::string_view line) { reader.ParseLine(line); };
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(chunk.get(), 1, kChunk, file);
    lines.Feed(std::string_view(chunk.get(), got), parse);
    if (got < kChunk) {
      ok = std::ferror(file) == 0;
      break;
    }
  }
  if (ok)
    lines.Finish(parse);
  std::fclose(file);
  return ok;
}

} // namespace orvik::exchange
