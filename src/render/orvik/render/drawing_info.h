#pragma once
// What the special codes of texts read besides the clock: the drawing
// file's path and time, title texts, scales and user variables. The host
// does not hand these over, so they keep their initial values; the window
// or the tool owns one instance and passes it to the text renderer.

#include <string>
#include <utility>
#include <vector>

namespace orvik::render {

// A local calendar date and time of day.
struct LocalDateTime {
  int year = 1899, month = 12, day = 30; // the zero date of the host's clock
  int hour = 0, minute = 0, second = 0;
};

struct DrawingInfo {
  std::string FilePath; // Shift-JIS
  LocalDateTime FileTime;
  std::string TText, MText1, MText2; // Shift-JIS
  double Scale = 0.0;
  double ScaleFactor = 0.0;
  std::vector<std::pair<std::string, std::string>> Variables; // name, value
};

// The time now; tests set their own.
class Clock {
public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
public:
  LocalDateTime Now() const override;
};

// A clock that always shows one moment.
class FixedClock final : public Clock {
public:
  explicit FixedClock(const LocalDateTime &t) : t_(t) {}
  LocalDateTime Now() const override { return t_; }

private:
  LocalDateTime t_;
};

} // namespace orvik::render
