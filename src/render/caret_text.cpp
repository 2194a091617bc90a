// Inline caret codes of texts: "^!" bold, "^/" italic, "^_" underline, "^-"
// strike-out, "^#" back to the element's style, "^$" + digit a pen colour,
// "^*" ... "^^" literal text, and the modes "^u" "^d" "^c" "^o" "^n" "^b"
// "^B" "^w" that place the next character raised, lowered, small or over
// the previous one.

#include "orvik/render/text_renderer.h"
#include "orvik/util/sjis_text.h"

#include <cmath>

namespace orvik::render {
namespace {

bool IsModeCode(char c) {
  return c == 'u' || c == 'd' || c == 'c' || c == 'o' || c == 'n' || c == 'b' ||
         c == 'B' || c == 'w';
}

} // namespace

// The scan of one text: the pen point P, where the plain text collected in
// the buffer goes when it is flushed, moves along the text's direction u;
// v is u turned a quarter turn counter-clockwise. Each step returns the
// bytes it used.
class TextRenderer::CaretScan {
public:
  CaretScan(TextRenderer &renderer, const Element &e, std::string_view text)
      : r_(renderer), e_(e), text_(text), ux_(std::cos(e.angle)),
        uy_(std::sin(e.angle)), px_(e.x), py_(e.y), style_(e.style),
        pending_style_(e.style) {}

  void Draw() {
    for (std::size_t i = 0; i < text_.size();) {
      const std::string_view ch = CharAt(i);
      if (mode_ != 0) {
        i += DrawModeCharacter(ch, i);
      } else if (ch.size() == 2 || ch[0] != '^') {
        Append(ch, ch.size());
        i += ch.size();
      } else if (i + 1 >= text_.size()) { // "^" at the very end
        Append("^", 1);
        ++i;
      } else {
        i += codes_ ? ReadCode(i) : ReadWhileDisabled(i);
      }
    }
    if (!buffer_.empty())
      r_.DrawTextRun(style_, e_.font, px_, py_, e_.angle, e_.height, e_.width,
                     e_.spacing, buffer_);
  }

private:
  std::string_view CharAt(std::size_t i) const {
    return text_.substr(i, CharLengthAt(text_, i));
  }

  // Plain text for the buffer, whose last character is `units` half-width
  // units wide.
  void Append(std::string_view text, std::size_t units) {
    buffer_.append(text);
    k_ = static_cast<int>(units);
  }

  // Draws the buffer at P, moves P past it, and makes the pending style
  // and colour current.
  void Flush() {
    if (!buffer_.empty())
      r_.DrawTextRun(style_, e_.font, px_, py_, e_.angle, e_.height, e_.width,
                     e_.spacing, buffer_);
    const double advance =
        static_cast<double>(buffer_.size()) * (e_.width + e_.spacing) / 2;
    px_ += advance * ux_;
    py_ += advance * uy_;
    buffer_.clear();
    style_ = pending_style_;
    if (pending_colour_ != 0) {
      r_.p_.SetPen(r_.p_.pens().PenColour(pending_colour_), PenStyle::Solid, 0);
      pending_colour_ = 0;
    }
  }

  // Draws characters by themselves at P + a*u + b*v.
  void Place(std::string_view ch, double a, double b, double h, double w,
             double spacing) {
    r_.DrawTextRun(style_, e_.font, px_ + a * ux_ + b * -uy_,
                   py_ + a * uy_ + b * ux_, e_.angle, h, w, spacing, ch);
  }

  // The character after a mode code. B is the distance from P back to the
  // middle of the previous character.
  std::size_t DrawModeCharacter(std::string_view ch, std::size_t i) {
    const bool full = ch.size() == 2;
    const double H = e_.height, W = e_.width, h4 = std::fabs(H) / 4;
    const double B = k_ * e_.spacing / 2 + k_ * W / 4;
    const double hw = full ? W / 2 : W; // width passed for u, d and c
    std::size_t used = ch.size();
    switch (mode_) {
    case 'u':
      Place(ch, 0, std::fabs(H) / 2, H / 2, hw, e_.spacing);
      break;
    case 'd':
      Place(ch, 0, 0, H / 2, hw, e_.spacing);
      break;
    case 'c':
      Place(ch, 0, h4, H / 2, hw, e_.spacing);
      break;
    case 'o':
      Place(ch, -(B + (full ? W / 4 : W / 8)), h4, H / 2, W / 2, e_.spacing);
      break;
    case 'n':
      Place(ch, -(B + (full ? W / 2 : W / 4)), 0, H, W, e_.spacing);
      break;
    case 'b':
      Place(ch, -(B + (full ? W / 4 : W / 8)), 0, H, W, e_.spacing);
      break;
    case 'B':
      Place(ch, -(B + (full ? 0.3 * W : 0.15 * W)), 0, H, W, e_.spacing);
      break;
    default: // 'w'
      used = DrawOverPrevious(ch, i, B, h4);
      break;
    }
    if (mode_ == 'u' || mode_ == 'd' || mode_ == 'c') {
      const double step = (W + e_.spacing) / 2;
      px_ += step * ux_;
      py_ += step * uy_;
    }
    k_ = full ? 2 : 1;
    mode_ = 0;
    return used;
  }

  // "^w": a full-width character stays text with its code; one or two
  // half-width characters are drawn small over the previous character.
  std::size_t DrawOverPrevious(std::string_view ch, std::size_t i, double B,
                               double h4) {
    if (ch.size() == 2) {
      buffer_.append("^w");
      buffer_.append(ch);
      return 2;
    }
    std::size_t count = 1;
    std::string pair(ch);
    if (CharAt(i + 1).size() == 1) {
      pair.append(CharAt(i + 1));
      count = 2;
    }
    const double W = e_.width;
    Place(pair, -(B + static_cast<double>(count) * W / 8), h4, e_.height / 2,
          W / 2, 0);
    return count;
  }

  // A "^" with a character after it while codes are read.
  std::size_t ReadCode(std::size_t i) {
    const std::string_view next = CharAt(i + 1);
    const char x = next.size() == 1 ? next[0] : '\0';
    switch (x) {
    case '!':
      pending_style_ |= kBold;
      break;
    case '/':
      pending_style_ |= kItalic;
      break;
    case '_':
      pending_style_ |= kUnderline;
      break;
    case '-':
      pending_style_ |= kStrikeOut;
      break;
    case '#':
      pending_style_ = e_.style;
      break;
    case '*':
      break;
    case '$':
      return ReadColourCode(i);
    default:
      if (IsModeCode(x))
        return ReadModeCode(i, x);
      Append("^", 1); // no code: "^" and the character are text
      Append(next, next.size());
      return 1 + next.size();
    }
    Flush();
    codes_ = x != '*';
    return 2;
  }

  std::size_t ReadColourCode(std::size_t i) {
    if (i + 2 >= text_.size()) { // "^$" at the end
      Append("^$", 1);
      return 2;
    }
    if (text_[i + 2] >= '1' && text_[i + 2] <= '9') {
      pending_colour_ = text_[i + 2] - '0';
      Flush();
      return 3;
    }
    const std::string_view after = CharAt(i + 2); // "^$" and it, as text
    Append("^$", 1);
    Append(after, after.size());
    return 2 + after.size();
  }

  // A mode code takes effect only when a character other than "^" follows.
  std::size_t ReadModeCode(std::size_t i, char x) {
    if (i + 2 >= text_.size() || text_[i + 2] == '^') {
      Append("^", 1);
      Append({&x, 1}, 1);
    } else {
      Flush();
      mode_ = x;
    }
    return 2;
  }

  // Codes are off until "^^"; any other "^" and its character are text.
  std::size_t ReadWhileDisabled(std::size_t i) {
    const std::string_view next = CharAt(i + 1);
    if (next == "^") {
      Flush();
      codes_ = true;
    } else {
      Append("^", 1);
      Append(next, next.size());
    }
    return 1 + next.size();
  }

  TextRenderer &r_;
  const Element &e_;
  const std::string_view text_;
  const double ux_, uy_;
  double px_, py_;
  int style_, pending_style_;
  int pending_colour_ = 0; // pen number 1..9, 0 for none
  bool codes_ = true;      // caret codes are read
  char mode_ = 0;          // mode for the next character
  int k_ = 0;              // half-width units of the previous character
  std::string buffer_;     // plain text not yet drawn
};

void TextRenderer::DrawCaretText(const Element &e, std::string_view text) {
  CaretScan(*this, e, text).Draw();
}

} // namespace orvik::render
