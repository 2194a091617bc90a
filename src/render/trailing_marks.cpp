#include "orvik/render/trailing_marks.h"

#include "orvik/util/sjis_text.h"

namespace orvik::render {
namespace {

constexpr char kHalfDot = '\xA5';       // ･
constexpr char kFullDot[] = "\x81\x45"; // ・

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Half-width units (2 per full-width character, 1 per other) of the text
// without its last character.
int UnitsBeforeLast(const std::string &s) {
  int units = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = CharLengthAt(s, i);
    if (i + n < s.size())
      units += static_cast<int>(n);
    i += n;
  }
  return units;
}

struct Marks {
  double gaps = 0;       // after every character but the last
  bool half_dot = false; // the last character is "･"
  int full_dots = 0;     // "・" at the end, before a final "^" + digit
  int squeeze = 0;       // d of a final "^" + digit
};

Marks FindMarks(const std::string &s, double spacing) {
  Marks m;
  bool after_caret = false;
  std::size_t last = 0, before_last = std::string::npos;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = CharLengthAt(s, i);
    if (i + n < s.size())
      m.gaps += n == 2 ? spacing : spacing / 2;
    if (n == 2 && s.compare(i, 2, kFullDot) == 0)
      ++m.full_dots;
    else if (!(n == 1 && s[i] == '^') &&
             !(n == 1 && after_caret && IsDigit(s[i])))
      m.full_dots = 0;
    after_caret = n == 1 && s[i] == '^';
    before_last = last;
    last = i;
    i += n;
  }
  if (s.empty())
    return m;
  m.half_dot = last == s.size() - 1 && s[last] == kHalfDot;
  if (last == s.size() - 1 && before_last != std::string::npos &&
      before_last == last - 1 && s[before_last] == '^' && s[last] >= '1' &&
      s[last] <= '9')
    m.squeeze = s[last] - '0';
  return m;
}

} // namespace

void ApplyTrailingMarks(std::string &text, double &width, double &spacing) {
  Marks m = FindMarks(text, spacing);
  if (m.half_dot) {
    text.pop_back();
    const int u = UnitsBeforeLast(text);
    if (u > 0) {
      spacing = 2 * (width / 2 + m.gaps) / u;
      m.gaps = width / 2 + m.gaps;
    }
  }
  if (m.full_dots > 0) {
    const std::size_t bytes = 2 * static_cast<std::size_t>(m.full_dots);
    text.resize(text.size() >= bytes ? text.size() - bytes : 0);
    const int u = UnitsBeforeLast(text);
    if (u > 0)
      spacing = 2 * (m.full_dots * width + m.gaps) / u;
  }
  if (m.squeeze > 0) {
    text.resize(text.size() >= 2 ? text.size() - 2 : 0);
    const double n = static_cast<double>(text.size());
    if (n - m.squeeze >= 2) {
      width *= (n - m.squeeze) / n;
      spacing *= (n - m.squeeze) / n;
    }
  }
}

} // namespace orvik::render
