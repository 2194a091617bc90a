// The era from ICU's Japanese calendar ("ja_JP@calendar=japanese"); its
// name from a "G" date pattern.

#include "orvik/platform/japanese_era.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <mutex>

namespace orvik::platform {

// ICU's calendars change as they compute, and a picture may be painted on
// two threads at once: one computation at a time.
struct JapaneseEras::Impl {
  std::mutex mutex;
  std::unique_ptr<icu::Calendar> gregorian;
  std::unique_ptr<icu::Calendar> japanese;
  std::unique_ptr<icu::SimpleDateFormat> era_format;
};

JapaneseEras::JapaneseEras() : impl_(std::make_unique<Impl>()) {
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
  else
    impl_->japanese.reset();
}

JapaneseEras::~JapaneseEras() = default;

JapaneseEras::Era JapaneseEras::Of(int year, int month, int day) const {
  Era era;
  const std::lock_guard<std::mutex> lock(impl_->mutex);
  if (!impl_->gregorian || !impl_->japanese)
    return era;
  UErrorCode status = U_ZERO_ERROR;
  impl_->gregorian->clear();
  impl_->gregorian->set(year, month - 1, day, 12, 0, 0);
  const UDate moment = impl_->gregorian->getTime(status);
  impl_->japanese->setTime(moment, status);
  const int era_year = impl_->japanese->get(UCAL_YEAR, status);
  icu::UnicodeString name;
  impl_->era_format->format(moment, name);
  if (U_FAILURE(status))
    return era;
  era.name.assign(reinterpret_cast<const char16_t *>(name.getBuffer()),
                  static_cast<std::size_t>(name.length()));
  era.year = era_year;
  return era;
}

} // namespace orvik::platform
