#include "record_writer.h"

#include "orvik/util/real_format.h"

#include <charconv>
#include <cstring>
#include <string>

namespace orvik::exchange {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Layer groups and layers are one hexadecimal digit; a value that cannot be
// one is written as 0, as the reader would read it.
std::int32_t LayerDigit(std::int32_t v) { return (v >= 0 && v <= 15) ? v : 0; }

} // namespace

void RecordWriter::WriteGroup(std::int32_t group) {
  group = LayerDigit(group);
  if (!a_.Pending.Group && group == a_.CurGroup)
    return;
  out_.EmitLine(std::string{'l', 'g', kHexDigits[group]});
  a_.CurGroup = group;
  a_.Pending.Group = false;
  a_.Pending.Layer = true; // a new group always forces the layer record
}

void RecordWriter::WriteLayer(std::int32_t layer) {
  layer = LayerDigit(layer);
  if (!a_.Pending.Layer && layer == a_.CurLayer)
    return;
  out_.EmitLine(std::string{'l', 'y', kHexDigits[layer]});
  a_.CurLayer = layer;
  a_.Pending.Layer = false;
}

void RecordWriter::WriteColour(std::int32_t colour) {
  if (!a_.Pending.Colour && colour == a_.CurColour)
    return;
  KeyedInt("lc", colour);
  a_.CurColour = colour;
  a_.Pending.Colour = false;
  a_.Pending.SolidColour = false;
}

void RecordWriter::WriteSolidColour(std::int32_t rgb) {
  if (rgb < 0 || rgb > 0xFFFFFF)
    rgb = 0;
  if (!a_.Pending.Colour && a_.CurColour == 10 && !a_.Pending.SolidColour &&
      rgb == a_.CurSolidRgb)
    return;
  Begin("lc10");
  Int(rgb);
  End();
  a_.CurSolidRgb = rgb;
  a_.CurColour = 10;
  a_.Pending.Colour = false;
  a_.Pending.SolidColour = false;
}

void RecordWriter::WriteLineType(std::int32_t line_type) {
  if (!a_.Pending.LineType && line_type == a_.CurLineType)
    return;
  KeyedInt("lt", line_type);
  a_.CurLineType = line_type;
  a_.Pending.LineType = false;
}

// Line widths are written only when the host's file had any.
void RecordWriter::WriteLineWidth(std::int32_t width) {
  if (!m_.LineWidthSeen)
    return;
  if (width == -1)
    width = a_.FirstLineWidth;
  if (width < 0 || width > 30000)
    width = 0;
  if (!a_.Pending.LineWidth && width == a_.CurLineWidth)
    return;
  KeyedInt("lw", width);
  a_.CurLineWidth = width;
  a_.Pending.LineWidth = false;
}

// Kind 0 is a custom size written with its four values; kinds outside
// 0..10 fall back to the file's first text kind.
void RecordWriter::WriteTextKind(std::int32_t kind, std::int32_t colour,
                                 double width, double height, double spacing) {
  if (kind < 0 || kind > 10) {
    kind = a_.FirstTextKind;
    if (kind == 0) {
      width = a_.FirstTextCustom.Width;
      height = a_.FirstTextCustom.Height;
      spacing = a_.FirstTextCustom.Spacing;
      colour = a_.FirstTextCustom.Colour;
    }
  }
  const TJwwTextKind &custom = a_.CurTextCustom;
  const bool same_custom = width == custom.Width && height == custom.Height &&
                           spacing == custom.Spacing && colour == custom.Colour;
  if (!a_.Pending.TextKind && kind == a_.CurTextKind &&
      (kind != 0 || same_custom))
    return;
  if (kind != 0) {
    KeyedInt("cn", kind);
  } else {
    Begin("cn0");
    Real(width);
    Real(height);
    Real(spacing);
    Real(colour);
    End();
  }
  a_.CurTextKind = kind;
  if (kind == 0)
    a_.CurTextCustom = {width, height, spacing, colour};
  a_.Pending.TextKind = false;
}

void RecordWriter::WriteCc(std::int32_t cc) {
  if (cc < 0 || cc > 8)
    cc = 0;
  if (!a_.Pending.Cc && cc == a_.CurTextCc)
    return;
  KeyedInt("cc", cc);
  a_.CurTextCc = cc;
  a_.Pending.Cc = false;
}

void RecordWriter::WriteFont(std::string_view name) {
  if (name.empty() || name == "<>")
    name = a_.FirstFont;
  if (!a_.Pending.Font && name == a_.CurFont)
    return;
  // The name is text from the file: it takes the checked path.
  std::string record = "cn\"$";
  record.append(name);
  out_.EmitLine(record);
  a_.CurFont = name;
  a_.Pending.Font = false;
}

void RecordWriter::WritePointColour(std::int32_t colour) {
  if (!a_.Pending.PointColour && colour == a_.CurPointColour)
    return;
  KeyedInt("pn", colour);
  a_.CurPointColour = colour;
  a_.Pending.PointColour = false;
}

// One record per set bit; "z4" is implied by "z5" and left out with it.
void RecordWriter::WriteZFlags(std::int32_t flags) {
  static constexpr const char *kRecords[] = {"z1", "z2", "z3", "z4", "z5"};
  for (int bit = 0; bit < 5; ++bit) {
    if ((flags & (1 << bit)) == 0)
      continue;
    if (bit == 3 && (flags & (1 << 4)) != 0)
      continue;
    out_.EmitLine(kRecords[bit]);
  }
}

void RecordWriter::Begin(const char *key) {
  const std::size_t n = std::strlen(key);
  char *start = out_.BeginRecord();
  std::memcpy(start, key, n);
  end_ = start + n;
  separate_ = n > 0;
}

void RecordWriter::BeginElement(const char *key) {
  FlushZFlags();
  Begin(key);
}

void RecordWriter::Real(double v) {
  if (separate_)
    *end_++ = ' ';
  separate_ = true;
  end_ = WriteReal(end_, v);
}

void RecordWriter::Int(std::int32_t v) {
  if (separate_)
    *end_++ = ' ';
  separate_ = true;
  end_ = std::to_chars(end_, end_ + 12, v).ptr;
}

void RecordWriter::KeyedInt(const char *key, std::int32_t v) {
  Begin(key);
  end_ = std::to_chars(end_, end_ + 12, v).ptr;
  End();
}

void RecordWriter::End() { out_.EndRecord(end_, false); }

void RecordWriter::EndTextHead(std::string_view text) {
  *end_++ = ' ';
  *end_++ = '"';
  out_.EndRecord(end_, true);
  out_.EmitLine(text);
}

void RecordWriter::FlushZFlags() {
  WriteZFlags(pending_z_);
  pending_z_ = 0;
}

} // namespace orvik::exchange
