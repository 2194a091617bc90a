#pragma once
// Writes the records of an exchange file in the host's layout and passes
// them on in pieces. It remembers the attributes the file has stated last,
// as the head leaves them, so that each attribute record is written only
// when its value changes.

#include "drawing_generator.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orvik::bench {

inline constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

class RecordEmitter {
public:
  // `host_exponents`: numbers too small or large for plain notation are
  // written as the host writes them ("4E-6", "1.5E20"); otherwise in the
  // C library's form ("4e-06"), as the plain drawings always were.
  explicit RecordEmitter(const DrawingSink &sink, bool host_exponents = false);

  // Passes the records on once they fill a piece of kPieceBytes.
  void FlushFullPiece();
  // Passes on whatever has not been passed on yet.
  void FlushRest();

  // ---- output ----

  void Put(std::string_view s) { out_.append(s); }
  void Blank() { out_.push_back(' '); }
  void End() { out_.append("\r\n"); }

  // The host's number format: 15 significant digits, no trailing zeros.
  // Adding 0.0 turns a negative zero into 0, which the host never writes.
  void Real(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v + 0.0,
                                 std::chars_format::general, 15);
    std::size_t size = static_cast<std::size_t>(r.ptr - buf);
    if (host_exponents_)
      size = HostExponent(buf, size);
    out_.append(buf, size);
  }
  // The short general format the host uses for scales ("1e+06").
  void ShortReal(double v) {
    char buf[32];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
  }
  void Int(std::int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, static_cast<std::size_t>(r.ptr - buf));
  }
  void Reals(std::initializer_list<double> values) {
    for (double v : values) {
      Blank();
      Real(v);
    }
  }

  // ---- head ----

  // What a head states besides the host's text defaults.
  struct HeadValues {
    std::array<double, 16> group_scales;
    std::array<double, 4> extent; // "hn"
    std::array<double, 2> point1; // "hp1-"
    std::array<double, 2> point2; // "hp2"
  };
  // The plain drawings' head.
  void Head();
  void Head(const HeadValues &values);

  // ---- attribute records, written only when they change ----

  // `group` is the layer group of the sheet being drawn.
  void UseLayer(int group, int layer);
  void UseColour(int colour);
  void UseSolidColour(std::int64_t rgb);
  void UseLineType(int line_type);
  // `custom_width` is the character width that text kind 0 stands for.
  void UseTextKind(int kind, double custom_width);
  void UseCc(int cc);
  void UseFont(std::size_t font);
  void UsePointColour(int colour);

  // The text kind the file has stated last.
  int text_kind() const { return text_kind_; }

private:
  // Rewrites the exponent of the number in buf[0, size) in the host's form:
  // "E", a minus sign only when negative, no leading zeros. Returns the
  // new size.
  static std::size_t HostExponent(char *buf, std::size_t size);
  void HeadRow(std::string_view key, const std::array<double, 10> &values);

  const DrawingSink &sink_;
  const bool host_exponents_;
  std::string out_;

  // What the file has said last, as the head leaves it.
  int group_ = 0, layer_ = 0, colour_ = 1, line_type_ = 1, text_kind_ = 1;
  int cc_ = 0, point_colour_ = 1;
  std::int64_t solid_rgb_ = -1;
  std::size_t font_ = 0;
  double written_width_ = 0;
};

} // namespace orvik::bench
