#include "orvik/render/japanese_calendar.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <array>

namespace orvik::render {

struct JapaneseCalendar::Impl {
  std::unique_ptr<icu::Calendar> gregorian;
  std::unique_ptr<icu::Calendar> japanese;
  std::unique_ptr<icu::SimpleDateFormat> era_format; // "G": the era's name
  UConverter *sjis = nullptr;

  ~Impl() {
    if (sjis != nullptr)
      ucnv_close(sjis);
  }

  std::string ToSjis(const icu::UnicodeString &text) const {
    UErrorCode status = U_ZERO_ERROR;
    char buffer[64];
    const int32_t n = text.extract(buffer, sizeof buffer, sjis, status);
    if (U_FAILURE(status) || n < 0 || n >= static_cast<int32_t>(sizeof buffer))
      return {};
    return std::string(buffer, static_cast<std::size_t>(n));
  }
};

JapaneseCalendar::JapaneseCalendar() : impl_(std::make_unique<Impl>()) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale japanese("ja_JP@calendar=japanese");
  // Dates are calendar dates: both calendars work in UTC so that no time
  // zone moves a date across midnight.
  impl_->gregorian.reset(new icu::GregorianCalendar(
      icu::TimeZone::getGMT()->clone(), icu::Locale("ja_JP"), status));
  impl_->japanese.reset(icu::Calendar::createInstance(
      icu::TimeZone::getGMT()->clone(), japanese, status));
  impl_->era_format.reset(
      new icu::SimpleDateFormat(icu::UnicodeString("G"), japanese, status));
  if (U_SUCCESS(status))
    impl_->era_format->setTimeZone(*icu::TimeZone::getGMT());
  impl_->sjis = ucnv_open("windows-31j", &status);
  if (U_FAILURE(status)) {
    impl_->gregorian.reset();
    impl_->japanese.reset();
  }
}

JapaneseCalendar::~JapaneseCalendar() = default;

JapaneseCalendar::Era JapaneseCalendar::EraOf(int year, int month,
                                              int day) const {
  Era era;
  if (!impl_->gregorian || !impl_->japanese)
    return era;
  UErrorCode status = U_ZERO_ERROR;
  impl_->gregorian->clear();
  impl_->gregorian->set(year, month - 1, day, 12, 0, 0);
  const UDate moment = impl_->gregorian->getTime(status);
  impl_->japanese->setTime(moment, status);
  era.year = impl_->japanese->get(UCAL_YEAR, status);
  icu::UnicodeString name;
  impl_->era_format->format(moment, name);
  if (U_FAILURE(status))
    return Era{};
  era.name = impl_->ToSjis(name);
  return era;
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
                 kOffsets[static_cast<std::size_t>(month - 1)] + day) %
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
