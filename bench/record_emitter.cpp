#include "record_emitter.h"

#include "generator_vocabulary.h"
#include "sheet_layout.h"

namespace orvik::bench {

RecordEmitter::RecordEmitter(const DrawingSink &sink, bool host_exponents)
    : sink_(sink), host_exponents_(host_exponents) {
  out_.reserve(kPieceBytes + 4096);
}

std::size_t RecordEmitter::HostExponent(char *buf, std::size_t size) {
  std::size_t e = 0;
  while (e < size && buf[e] != 'e')
    ++e;
  if (e == size)
    return size;
  std::size_t digits = e + 1, out = e;
  buf[out++] = 'E';
  if (buf[digits] == '-')
    buf[out++] = '-';
  if (buf[digits] == '-' || buf[digits] == '+')
    ++digits;
  while (digits + 1 < size && buf[digits] == '0')
    ++digits;
  while (digits < size)
    buf[out++] = buf[digits++];
  return out;
}

void RecordEmitter::FlushFullPiece() {
  if (out_.size() >= kPieceBytes) {
    sink_(out_);
    out_.clear();
  }
}

void RecordEmitter::FlushRest() {
  if (!out_.empty())
    sink_(out_);
}

void RecordEmitter::Head() {
  Head({kGroupScales,
        {-1820, -910, kSheetColumns * kSheetWidth, kSheetRows * kSheetHeight},
        {3640, 2730},
        {12740, 2730}});
}

void RecordEmitter::Head(const HeadValues &values) {
  Put("hq\r\nhk 0\r\nhs");
  for (double s : values.group_scales) {
    Blank();
    ShortReal(s);
  }
  End();
  HeadRow("hcw", kTextWidths);
  HeadRow("hch", kTextHeights);
  HeadRow("hcd", kTextSpacings);
  Put("hcc");
  for (int c : kTextColours) {
    char buf[8];
    const auto r = std::to_chars(buf, buf + sizeof buf, c);
    out_.append(7 - static_cast<std::size_t>(r.ptr - buf), ' ');
    out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
  }
  End();
  Put("hn");
  for (double v : values.extent) {
    Blank();
    Real(v);
  }
  End();
  Put("hp1-  ");
  Real(values.point1[0]);
  Blank();
  Real(values.point1[1]);
  End();
  Put("hp2   ");
  Real(values.point2[0]);
  Blank();
  Real(values.point2[1]);
  End();
  Put("lg0\r\nly0\r\nlc1\r\nlt1\r\ncn1\r\ncn\"$");
  Put(kFonts[0]);
  Put("\r\n#\r\n");
}

void RecordEmitter::HeadRow(std::string_view key,
                            const std::array<double, 10> &values) {
  Put(key);
  for (double v : values) {
    Blank();
    Real(v);
  }
  End();
}

void RecordEmitter::UseLayer(int group, int layer) {
  if (group != group_) {
    Put("lg");
    out_.push_back("0123456789ABCDEF"[group]);
    End();
    group_ = group;
    layer_ = -1;
  }
  if (layer != layer_) {
    Put("ly");
    out_.push_back("0123456789ABCDEF"[layer]);
    End();
    layer_ = layer;
  }
}

void RecordEmitter::UseColour(int colour) {
  if (colour == colour_)
    return;
  Put("lc");
  Int(colour);
  End();
  colour_ = colour;
}

void RecordEmitter::UseSolidColour(std::int64_t rgb) {
  if (colour_ == 10 && rgb == solid_rgb_)
    return;
  Put("lc10 ");
  Int(rgb);
  End();
  colour_ = 10;
  solid_rgb_ = rgb;
}

void RecordEmitter::UseLineType(int line_type) {
  if (line_type == line_type_)
    return;
  Put("lt");
  Int(line_type);
  End();
  line_type_ = line_type;
}

void RecordEmitter::UseTextKind(int kind, double custom_width) {
  if (kind == text_kind_ && (kind != 0 || custom_width == written_width_))
    return;
  if (kind != 0) {
    Put("cn");
    Int(kind);
    End();
  } else {
    Put("cn0");
    Reals({custom_width, custom_width, 0.5});
    Blank();
    Int(3);
    End();
    written_width_ = custom_width;
  }
  text_kind_ = kind;
}

void RecordEmitter::UseCc(int cc) {
  if (cc == cc_)
    return;
  Put("cc");
  Int(cc);
  End();
  cc_ = cc;
}

void RecordEmitter::UseFont(std::size_t font) {
  if (font == font_)
    return;
  Put("cn\"$");
  Put(kFonts[font]);
  End();
  font_ = font;
}

void RecordEmitter::UsePointColour(int colour) {
  if (colour == point_colour_)
    return;
  Put("pn");
  Int(colour);
  End();
  point_colour_ = colour;
}

} // namespace orvik::bench
