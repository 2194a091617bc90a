// The Japanese era of a date, as the system's calendar gives it; the same
// names and years on every platform.

#include "orvik/platform/japanese_era.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orvik::platform {
namespace {

TEST(JapaneseEras, NameAndYearOfADate) {
  // Year, month, day; the era's name and year.
  const std::tuple<int, int, int, std::u16string, int> rows[] = {
      {1989, 1, 7, u"昭和", 64}, {1989, 1, 8, u"平成", 1},
      {2005, 5, 9, u"平成", 17}, {2019, 4, 30, u"平成", 31},
      {2019, 5, 1, u"令和", 1},  {2026, 1, 1, u"令和", 8},
  };
  const JapaneseEras eras;
  for (const auto &[year, month, day, era, era_year] : rows) {
    const JapaneseEras::Era e = eras.Of(year, month, day);
    EXPECT_TRUE(e.name == era) << year << "-" << month << "-" << day;
    EXPECT_EQ(e.year, era_year) << year << "-" << month << "-" << day;
  }
}

} // namespace
} // namespace orvik::platform
