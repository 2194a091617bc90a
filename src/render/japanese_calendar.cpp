#include "orvik/render/japanese_calendar.h"

#include "orvik/platform/cp932.h"
#include "orvik/platform/japanese_era.h"

#include <array>

namespace orvik::render {

struct JapaneseCalendar::Impl {
  platform::JapaneseEras eras;
};

JapaneseCalendar::JapaneseCalendar() : impl_(std::make_unique<Impl>()) {}

JapaneseCalendar::~JapaneseCalendar() = default;

// The name in Shift-JIS; empty when a character has no Shift-JIS form.
JapaneseCalendar::Era JapaneseCalendar::EraOf(int year, int month,
                                              int day) const {
  const platform::JapaneseEras::Era era = impl_->eras.Of(year, month, day);
  Era sjis;
  for (const char16_t c : era.name) {
    const std::string bytes = platform::EncodeCp932(c);
    if (bytes.empty())
      return Era{};
    sjis.name += bytes;
  }
  sjis.year = sjis.name.empty() ? 0 : era.year;
  return sjis;
}

// Sakamoto's method on the proleptic Gregorian calendar.
int JapaneseCalendar::Weekday(int year, int month, int day) {
  static constexpr std::array<int, 12> kOffsets = {0, 3, 2, 5, 0, 3,
                                                   5, 1, 4, 6, 2, 4};
  if (month < 1 || month > 12)
    return 0;
  if (month < 3)
    --year;
  const int w = (year + year / 4 - year / 100 + year / 400 +
                 kOffsets.at(static_cast<std::size_t>(month - 1)) + day) %
                7;
  return w < 0 ? w + 7 : w;
}

const char *JapaneseCalendar::WeekdayName(int weekday) {
  static constexpr const char *kNames[] = {"\x93\xFA", "\x8C\x8E", "\x89\xCE",
                                           "\x90\x85", "\x96\xD8", "\x8B\xE0",
                                           "\x93\x79"}; // 日 月 火 水 木 金 土
  return kNames[(weekday % 7 + 7) % 7];
}

} // namespace orvik::render
