#pragma once
// Texts that stand for a value: dates and times (now, or the drawing
// file's), the file's name and path, title texts, scale texts, and user
// variables ("%%name"). A text is such a code only when it equals the code
// exactly.

#include "orvik/render/drawing_info.h"
#include "orvik/render/japanese_calendar.h"

#include <string>
#include <string_view>

namespace orvik::render {

class SpecialCodes {
public:
  // Both must outlive this object.
  SpecialCodes(const DrawingInfo &info, const Clock &clock)
      : info_(info), clock_(clock) {}

  // True when `text` is a code or begins with "%%"; `value` is then the
  // Shift-JIS text to draw. A "%%" text with no such variable stays as it
  // is. Scale codes whose scale is 0 (what the host leaves them) show their
  // own text, since they cannot be computed.
  bool ExpandSpecialCode(std::string_view text, std::string &value) const;

private:
  bool ExpandDateField(char prefix, std::string_view field,
                       std::string &value) const;
  bool ExpandOther(std::string_view text, std::string &value) const;
  bool ExpandScale(std::string_view code, std::string &value) const;
  std::string FileName() const;
  std::string FileNameWithoutExtension() const;

  const DrawingInfo &info_;
  const Clock &clock_;
  JapaneseCalendar calendar_;
};

} // namespace orvik::render
