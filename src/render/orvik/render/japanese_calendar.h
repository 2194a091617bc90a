#pragma once
// The Japanese era of a date and the Shift-JIS weekday names, as a Japanese
// locale shows them on every machine. The era comes from the system's
// Japanese calendar (the platform layer), so new eras arrive with the
// system's data rather than with this code.

#include "orvik/render/drawing_info.h"

#include <memory>
#include <string>

namespace orvik::render {

class JapaneseCalendar {
public:
  JapaneseCalendar();
  ~JapaneseCalendar();
  JapaneseCalendar(const JapaneseCalendar &) = delete;
  JapaneseCalendar &operator=(const JapaneseCalendar &) = delete;

  struct Era {
    std::string name; // Shift-JIS, as 令和
    int year = 0;     // 1 in the era's first year
  };
  // The era of the Gregorian date; an empty name when the system cannot
  // tell.
  Era EraOf(int year, int month, int day) const;

  // 0 Sunday .. 6 Saturday, proleptic Gregorian.
  static int Weekday(int year, int month, int day);
  // 日 月 火 水 木 金 土 in Shift-JIS.
  static const char *WeekdayName(int weekday);

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

} // namespace orvik::render
