#include "orvik/render/text_substitutions.h"

#include "orvik/util/lenient_number.h"
#include "orvik/util/real_format.h"
#include "orvik/util/sjis_text.h"

#include <array>
#include <cmath>

namespace orvik::render {
namespace {

constexpr char kBefore[] = "\x91\x4F"; // 前
constexpr char kAfter[] = "\x8C\xE3";  // 後
constexpr char kYear[] = "\x94\x4E";   // 年
constexpr char kMonth[] = "\x8C\x8E";  // 月
constexpr char kDay[] = "\x93\xFA";    // 日
constexpr char kHalfDot[] = "\xA5";    // ･
constexpr std::array<const char *, 7> kWeekdaysEnglish = {
    "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
constexpr std::array<const char *, 12> kMonthsEnglish = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

std::string Number(int n) {
  std::string s;
  AppendInt(s, n);
  return s;
}

// A number with the fill its prefix asks for when it has one character:
// "$" none, "&" and "_" a space, "%" and "=" a zero.
std::string Filled(char prefix, int n) {
  const std::string digits = Number(n);
  if (digits.size() != 1 || prefix == '$')
    return digits;
  return (prefix == '%' || prefix == '=' ? "0" : " ") + digits;
}

std::string SpacePadded(int n) {
  return (n >= 0 && n < 10 ? " " : "") + Number(n);
}
std::string TwoDigits(int n) {
  return (n >= 0 && n < 10 ? "0" : "") + Number(n);
}

// yyyy/m/d with a space before a one-digit month or day.
std::string SlashDate(const LocalDateTime &t) {
  return Number(t.year) + "/" + SpacePadded(t.month) + "/" + SpacePadded(t.day);
}

std::string Time(const LocalDateTime &t) {
  return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
         TwoDigits(t.second);
}

std::string ZeroDate(const LocalDateTime &t) {
  return Number(t.year) + "/" + TwoDigits(t.month) + "/" + TwoDigits(t.day);
}

} // namespace

bool SpecialCodes::ExpandSpecialCode(std::string_view text,
                                     std::string &value) const {
  if (text.substr(0, 2) == "%%") {
    value = text;
    for (const auto &[name, variable] : info_.Variables)
      if (name == text) {
        value = variable;
        break;
      }
    return true;
  }
  if (text.size() >= 2 && text.size() <= 3 &&
      std::string_view("$&%_=").find(text[0]) != std::string_view::npos &&
      ExpandDateField(text[0], text.substr(1), value))
    return true;
  return ExpandOther(text, value);
}

// Prefix and field letter(s): "$" "&" "%" read now, "_" "=" the file time.
bool SpecialCodes::ExpandDateField(char prefix, std::string_view field,
                                   std::string &value) const {
  const bool file_time = prefix == '_' || prefix == '=';
  const LocalDateTime t = file_time ? info_.FileTime : clock_.Now();
  if (field.size() == 1) {
    switch (field[0]) {
    case 'y':
      value = Filled(prefix, t.year % 100);
      return true;
    case 'Y':
      value = Filled(prefix, calendar_.EraOf(t.year, t.month, t.day).year);
      return true;
    case 'm':
      value = Filled(prefix, t.month);
      return true;
    case 'd':
      value = Filled(prefix, t.day);
      return true;
    case 'H':
      value = Filled(prefix, t.hour);
      return true;
    case 'h':
      value = Filled(prefix, t.hour % 12);
      return true;
    case 'M':
      value = Filled(prefix, t.minute);
      return true;
    case 'S':
      value = Filled(prefix, t.second);
      return true;
    case 'n':
      value = t.hour < 12 ? "AM" : "PM";
      return true;
    case 'N':
      value = t.hour < 12 ? kBefore : kAfter;
      return true;
    case 'w':
    case 'W':
      value = JapaneseCalendar::WeekdayName(
          JapaneseCalendar::Weekday(t.year, t.month, t.day));
      return true;
    default:
      return false;
    }
  }
  if (field == "wa") {
    value = kWeekdaysEnglish[static_cast<std::size_t>(
        JapaneseCalendar::Weekday(t.year, t.month, t.day))];
    return true;
  }
  if (field == "ma" && t.month >= 1 && t.month <= 12) {
    value = kMonthsEnglish[static_cast<std::size_t>(t.month - 1)];
    return true;
  }
  return false;
}

bool SpecialCodes::ExpandOther(std::string_view code,
                               std::string &value) const {
  const LocalDateTime &file = info_.FileTime;
  if (code == "$j" || code == "&j" || code == "%j") {
    value = SlashDate(clock_.Now());
  } else if (code == "$J" || code == "&J" || code == "%J") {
    const LocalDateTime now = clock_.Now();
    const JapaneseCalendar::Era era =
        calendar_.EraOf(now.year, now.month, now.day);
    value = era.name + Number(era.year) + kYear + SpacePadded(now.month) +
            kMonth + SpacePadded(now.day) + kDay;
  } else if (code == "_f") {
    value = SlashDate(file);
  } else if (code == "=f") {
    value = ZeroDate(file);
  } else if (code == "_F") {
    value = SlashDate(file) + " " + Time(file);
  } else if (code == "=F") {
    value = ZeroDate(file) + " " + Time(file);
  } else if (code == "$F" || code == "&F" || code == "%F") {
    value = info_.FilePath;
  } else if (code == "%f") {
    value = FileName();
  } else if (code == "$f" || code == "&f") {
    value = FileNameWithoutExtension();
  } else if (code.size() == 3 && code.substr(0, 2) == "%f" &&
             ((code[2] >= '1' && code[2] <= '9') ||
              (code[2] >= 'a' && code[2] <= 'f'))) {
    long copied = 0;
    value = ByteRangeCopy(FileNameWithoutExtension(), 1, HexDigitValue(code[2]),
                          copied);
    if (code[2] == '1' && copied == 0)
      value = kHalfDot;
  } else if (code == "$T" || code == "&T" || code == "%T" || code == "=T" ||
             code == "_T") {
    value = info_.TText;
  } else if (code == "%mm") {
    value = info_.MText1 + kHalfDot + kHalfDot + info_.MText2;
  } else if (code == "%m1") {
    value = info_.MText1;
  } else if (code == "%m2") {
    value = info_.MText2;
  } else {
    return ExpandScale(code, value);
  }
  return true;
}

// "%SS" 1/s or r/1 for the drawing scale s, "%SP" the same for s divided by
// the scale factor; "%ss" and "%sp" the number alone. A scale of 0 (or one
// whose value cannot be computed) leaves the code as its own text.
bool SpecialCodes::ExpandScale(std::string_view code,
                               std::string &value) const {
  const bool paper = code == "%SP" || code == "%sp";
  const bool number_only = code == "%ss" || code == "%sp";
  if (!(code == "%SS" || paper || number_only))
    return false;
  double s = info_.Scale;
  if (paper)
    s = info_.ScaleFactor != 0 ? s / info_.ScaleFactor : 0;
  value = code;
  if (s == 0 || !std::isfinite(s) || !std::isfinite(10 / s))
    return true;
  if (s >= 1) {
    value = number_only ? FormatReal(s) : "1/" + FormatReal(s);
  } else {
    const double r = std::trunc(10 / s + 0.5) / 10;
    value = number_only ? FormatReal(r) : FormatReal(r) + "/1";
  }
  return true;
}

// What follows the last backslash or colon of the path.
std::string SpecialCodes::FileName() const {
  const std::string &path = info_.FilePath;
  std::size_t start = 0;
  for (std::size_t i = 0, n = 0; i < path.size(); i += n) {
    n = CharLengthAt(path, i);
    if (n == 1 && (path[i] == '\\' || path[i] == ':'))
      start = i + 1;
  }
  return path.substr(start);
}

std::string SpecialCodes::FileNameWithoutExtension() const {
  const std::string name = FileName();
  std::size_t dot = std::string::npos;
  for (std::size_t i = 0, n = 0; i < name.size(); i += n) {
    n = CharLengthAt(name, i);
    if (n == 1 && name[i] == '.')
      dot = i;
  }
  return name.substr(0, dot);
}

} // namespace orvik::render
