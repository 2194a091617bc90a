// The Japanese era of a date, as the system's calendar gives it; the same
// names and years on every platform.

#include "orvik/platform/japanese_era.h"

#include <gtest/gtest.h>

namespace orvik::platform {
namespace {

TEST(JapaneseEras, NameAndYearOfADate) {
  struct Row {
    int year, month, day;
    std::u16string era;
    int era_year;
  };
  const Row rows[] = {
      {1989, 1, 7, u"昭和", 64}, {1989, 1, 8, u"平成", 1},
      {2005, 5, 9, u"平成", 17}, {2019, 4, 30, u"平成", 31},
      {2019, 5, 1, u"令和", 1},  {2026, 1, 1, u"令和", 8},
  };
  const JapaneseEras eras;
  for (const Row &r : rows) {
    const JapaneseEras::Era e = eras.Of(r.year, r.month, r.day);
    EXPECT_TRUE(e.name == r.era) << r.year << "-" << r.month << "-" << r.day;
    EXPECT_EQ(e.year, r.era_year) << r.year << "-" << r.month << "-" << r.day;
  }
}

} // namespace
} // namespace orvik::platform
