#pragma once
// Splits one exchange-file line into its fields.
//
// The scan goes byte by byte with one flag, "blanks still separate fields",
// on at the start of the line:
//  1. A Shift-JIS lead byte takes the next byte with it, unchanged, so a
//     second byte that looks like a blank or a quote never acts as one. A
//     lead byte in the last position is dropped. A lead byte followed by a
//     control byte is a broken character and both bytes are dropped, so
//     that no control byte (a stray CR above all) can reach a field.
//  2. A double quote while the flag is on turns the flag off and is
//     dropped.
//  3. An equals sign while the flag is on is kept and turns the flag off.
//  4. A space or tab while the flag is on ends a non-empty field; blanks
//     before a field's first byte are skipped.
//  5. Any other byte, and blanks and quotes once the flag is off, is kept
//     when it lies in 0x20..0xFD and dropped otherwise.
// So a quote or equals sign makes the rest of the line one field. A line
// ending in blanks has a trailing empty field. At most 32 fields are kept;
// the scan stops where a 33rd would begin.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvik::exchange {

class FieldScanner {
public:
  static constexpr int kMaxFields = 32;

  // Splits `line` (without its line end) and returns the field count.
  // The fields stay valid until the next call and as long as `line` does.
  int Split(std::string_view line);

  int Count() const { return count_; }
  // Field i (0-based); empty for a field past the count.
  std::string_view Field(int i) const {
    if (i < 0 || i >= count_)
      return {};
    return line_.substr(start_[i], end_[i] - start_[i]);
  }
  // True for an empty or blank line: one field, and it is empty.
  bool IsBlank() const { return count_ == 1 && end_[0] == start_[0]; }

private:
  int SplitCopying(std::string_view line);

  std::string_view line_; // the line itself, or buffer_ after copying
  std::string buffer_;
  std::array<std::size_t, kMaxFields> start_{};
  std::array<std::size_t, kMaxFields> end_{};
  int count_ = 0;
};

} // namespace orvik::exchange
