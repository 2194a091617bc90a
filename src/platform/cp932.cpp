// The parts of the code page that need no system table: the byte
// structure, the one-byte characters, and the table built once from the
// system's two-byte characters.

#include "orvik/platform/cp932.h"

#include "cp932_impl.h"

#include <array>
#include <memory>

namespace orvik::platform {
namespace {

constexpr char16_t kInvalid = 0xFFFD;

constexpr bool IsLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool IsTrail(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}
// Position in the table of a lead and a trail byte.
constexpr int kLeads = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr int kTrails = 0xFC - 0x40 + 1;
constexpr std::size_t Cell(unsigned char lead, unsigned char trail) {
  const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
  return static_cast<std::size_t>(row * kTrails + (trail - 0x40));
}

using Table = std::array<char16_t, kLeads * kTrails>;

// Built on first use, then only read (safe from any thread).
const Table &DoubleBytes() {
  static const std::unique_ptr<const Table> table = [] {
    auto t = std::make_unique<Table>();
    t->fill(kInvalid);
    const SystemCodePage system;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLead(static_cast<unsigned char>(lead)))
        continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
        if (IsTrail(static_cast<unsigned char>(trail)))
          (*t)[Cell(static_cast<unsigned char>(lead),
                    static_cast<unsigned char>(trail))] =
              system.Decode(static_cast<unsigned char>(lead),
                            static_cast<unsigned char>(trail));
    }
    return t;
  }();
  return *table;
}

char16_t SingleByte(unsigned char c) {
  if (c < 0x7F)
    return c;
  if (c >= 0xA1 && c <= 0xDF)
    return static_cast<char16_t>(0xFF61 + (c - 0xA1));
  return kInvalid;
}

} // namespace

std::u16string DecodeCp932(std::string_view sjis) {
  std::u16string text;
  text.reserve(sjis.size());
  for (std::size_t i = 0; i < sjis.size(); ++i) {
    const auto c = static_cast<unsigned char>(sjis[i]);
    if (!IsLead(c)) {
      text += SingleByte(c);
    } else if (i + 1 < sjis.size() &&
               IsTrail(static_cast<unsigned char>(sjis[i + 1]))) {
      text += DoubleBytes()[Cell(c, static_cast<unsigned char>(sjis[++i]))];
    } else {
      text += kInvalid; // the next byte, if any, is read on its own
    }
  }
  return text;
}

std::string EncodeCp932(char16_t c) {
  if (c == kInvalid)
    return {};
  for (unsigned b = 0; b < 0x100; ++b)
    if (!IsLead(static_cast<unsigned char>(b)) &&
        SingleByte(static_cast<unsigned char>(b)) == c)
      return std::string(1, static_cast<char>(b));
  const Table &table = DoubleBytes();
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i] == c) {
      const std::size_t row = i / kTrails;
      const unsigned lead =
          row <= 0x9F - 0x81 ? 0x81 + row : 0xE0 + row - (0x9F - 0x81 + 1);
      return {static_cast<char>(lead), static_cast<char>(0x40 + i % kTrails)};
    }
  return {};
}

// Every character of the code page is in the Basic Multilingual Plane, so
// each UTF-16 unit is one character of one to three bytes.
std::string Cp932ToUtf8(std::string_view sjis) {
  std::string utf8;
  for (const char16_t c : DecodeCp932(sjis)) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

} // namespace orvik::platform
