#include "orvik/exchange/field_scanner.h"

#include "orvik/util/sjis_text.h"

#include <array>

namespace orvik::exchange {
namespace {

enum ByteClass : unsigned char { kPlain, kSpace, kSpecial };

// The plain split handles spaces and printable ASCII; everything else
// (lead bytes and all above 0x7E, quotes, equals signs, tabs and control
// bytes) needs the full rules.
constexpr std::array<ByteClass, 256> MakeByteClasses() {
  std::array<ByteClass, 256> classes{};
  for (int c = 0; c < 256; ++c)
    classes[static_cast<std::size_t>(c)] =
        c == ' '                                         ? kSpace
        : (c < 0x20 || c > 0x7E || c == '"' || c == '=') ? kSpecial
                                                         : kPlain;
  return classes;
}
constexpr std::array<ByteClass, 256> kByteClasses = MakeByteClasses();

} // namespace

int FieldScanner::Split(std::string_view line) {
  // Most lines are ASCII numbers and keys separated by spaces: split those
  // in place, as views into the line, and fall back to the copying scan at
  // the first byte that needs the full rules.
  line_ = line;
  int field = 0;
  start_[0] = 0;
  std::size_t i = 0;
  const std::size_t n = line.size();
  for (; i != n; ++i) {
    const ByteClass c = kByteClasses[static_cast<unsigned char>(line[i])];
    if (c == kPlain)
      continue;
    if (c == kSpace) {
      if (i > start_[field]) {
        end_[field] = i;
        if (field + 1 == kMaxFields) {
          count_ = kMaxFields;
          return count_;
        }
        ++field;
      }
      start_[field] = i + 1;
    } else {
      return SplitCopying(line);
    }
  }
  end_[field] = n;
  count_ = field + 1;
  return count_;
}

int FieldScanner::SplitCopying(std::string_view line) {
  if (buffer_.size() < line.size())
    buffer_.resize(line.size());
  line_ = buffer_;
  char *out = buffer_.data();
  std::size_t w = 0;
  int field = 0;
  start_[0] = 0;
  bool separating = true;

  for (std::size_t i = 0, length = 0; i < line.size(); i += length) {
    length = CharLengthAt(line, i);
    const auto c = static_cast<unsigned char>(line[i]);
    if (length == 2) {
      if (static_cast<unsigned char>(line[i + 1]) >= 0x20) {
        out[w++] = line[i];
        out[w++] = line[i + 1];
      }
      continue;
    }
    if (IsLeadByte(c)) // the last byte, without its second byte
      break;
    if (separating) {
      if (c == '"') {
        separating = false;
        continue;
      }
      if (c == '=') {
        out[w++] = '=';
        separating = false;
        continue;
      }
      if (c == ' ' || c == '\t') {
        if (w > start_[field]) {
          end_[field] = w;
          if (field + 1 == kMaxFields) {
            count_ = kMaxFields;
            return count_;
          }
          start_[++field] = w;
        }
        continue;
      }
    }
    if (c >= 0x20 && c <= 0xFD)
      out[w++] = line[i];
  }
  end_[field] = w;
  count_ = field + 1;
  return count_;
}

} // namespace orvik::exchange
