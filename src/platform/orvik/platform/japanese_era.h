#pragma once
// The Japanese era of a date (令和8年) as the system's Japanese calendar
// knows it, so that a new era arrives with the system's data rather than
// with this program: ICU's calendar on POSIX systems, the era list Windows
// keeps in its registry on Windows.

#include <memory>
#include <string>

namespace orvik::platform {

class JapaneseEras {
public:
  JapaneseEras();
  ~JapaneseEras();
  JapaneseEras(const JapaneseEras &) = delete;
  JapaneseEras &operator=(const JapaneseEras &) = delete;

  struct Era {
    std::u16string name; // as 令和; empty when the system cannot tell
    int year = 0;        // 1 in the era's first year
  };
  // The era of a Gregorian calendar date. Safe to ask from several threads
  // at once.
  Era Of(int year, int month, int day) const;

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

} // namespace orvik::platform
