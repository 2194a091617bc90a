#include "orvik/exchange/field_scanner.h"

#include "orvik/util/sjis_text.h"

namespace orvik::exchange {

int FieldScanner::Split(std::string_view line) {
  if (buffer_.size() < line.size())
    buffer_.resize(line.size());
  char *out = buffer_.data();
  std::size_t w = 0;
  int field = 0;
  start_[0] = 0;
  bool separating = true;

  const std::size_t n = line.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (IsLeadByte(c)) {
      if (i + 1 == n)
        break;
      if (static_cast<unsigned char>(line[i + 1]) >= 0x20) {
        out[w++] = line[i];
        out[w++] = line[i + 1];
      }
      ++i;
      continue;
    }
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
