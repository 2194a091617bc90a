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

// The scan state of one text.
struct CaretScan {
  double px = 0, py = 0;  // P, the current pen point
  int style = 0;          // current style
  int pending_style = 0;  // style from the next flush on
  int pending_colour = 0; // pen number 1..9, 0 for none
  bool codes = true;      // caret codes are read
  char mode = 0;          // mode for the next character
  int k = 0;              // half-width units of the previous character
  std::string buffer;     // plain text not yet drawn
};

} // namespace

void TextRenderer::DrawCaretText(const Element &e, std::string_view text) {
  const double ux = std::cos(e.angle), uy = std::sin(e.angle);
  const double vx = -uy, vy = ux; // along angle + 90 degrees
  const double H = e.height, W = e.width, h4 = std::fabs(H) / 4;
  CaretScan st;
  st.px = e.x;
  st.py = e.y;
  st.style = st.pending_style = e.style;

  auto flush = [&] {
    if (!st.buffer.empty())
      DrawTextRun(st.style, e.font, st.px, st.py, e.angle, H, W, e.spacing,
                  st.buffer);
    const double advance =
        static_cast<double>(st.buffer.size()) * (W + e.spacing) / 2;
    st.px += advance * ux;
    st.py += advance * uy;
    st.buffer.clear();
    st.style = st.pending_style;
    if (st.pending_colour != 0) {
      p_.SetPen(p_.pens().PenColour(st.pending_colour), PenStyle::Solid, 0);
      st.pending_colour = 0;
    }
  };
  // Draws one character by itself at P + a*u + b*v.
  auto place = [&](std::string_view ch, double a, double b, double h, double w,
                   double spacing) {
    DrawTextRun(st.style, e.font, st.px + a * ux + b * vx,
                st.py + a * uy + b * vy, e.angle, h, w, spacing, ch);
  };
  auto char_at = [&](std::size_t i) {
    const std::size_t n =
        (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ? 2
            : 1;
    return text.substr(i, n);
  };

  for (std::size_t i = 0; i < text.size();) {
    const std::string_view ch = char_at(i);
    const bool full = ch.size() == 2;
    if (st.mode != 0) {
      const double B = st.k * e.spacing / 2 + st.k * W / 4;
      const double step = (W + e.spacing) / 2;
      const double hw = full ? W / 2 : W; // width passed for u, d and c
      std::size_t consumed = ch.size();
      switch (st.mode) {
      case 'u':
        place(ch, 0, std::fabs(H) / 2, H / 2, hw, e.spacing);
        break;
      case 'd':
        place(ch, 0, 0, H / 2, hw, e.spacing);
        break;
      case 'c':
        place(ch, 0, h4, H / 2, hw, e.spacing);
        break;
      case 'o':
        place(ch, -(B + (full ? W / 4 : W / 8)), h4, H / 2, W / 2, e.spacing);
        break;
      case 'n':
        place(ch, -(B + (full ? W / 2 : W / 4)), 0, H, W, e.spacing);
        break;
      case 'b':
        place(ch, -(B + (full ? W / 4 : W / 8)), 0, H, W, e.spacing);
        break;
      case 'B':
        place(ch, -(B + (full ? 0.3 * W : 0.15 * W)), 0, H, W, e.spacing);
        break;
      default: // 'w'
        if (full) {
          st.buffer.append("^w");
          st.buffer.append(ch);
        } else {
          std::size_t m = 1;
          std::string two(ch);
          if (i + 1 < text.size() && char_at(i + 1).size() == 1) {
            two.append(char_at(i + 1));
            m = 2;
          }
          place(two, -(B + static_cast<double>(m) * W / 8), h4, H / 2, W / 2,
                0);
          consumed = m;
        }
        break;
      }
      if (st.mode == 'u' || st.mode == 'd' || st.mode == 'c') {
        st.px += step * ux;
        st.py += step * uy;
      }
      st.k = full ? 2 : 1;
      st.mode = 0;
      i += consumed;
      continue;
    }
    if (full || ch[0] != '^') {
      st.buffer.append(ch);
      st.k = full ? 2 : 1;
      i += ch.size();
      continue;
    }
    if (i + 1 >= text.size()) { // "^" at the very end
      st.buffer.push_back('^');
      st.k = 1;
      ++i;
      continue;
    }
    const std::string_view next = char_at(i + 1);
    const char x = next.size() == 1 ? next[0] : '\0';
    if (!st.codes) {
      if (x == '^') {
        flush();
        st.codes = true;
      } else {
        st.buffer.push_back('^');
        st.buffer.append(next);
        st.k = static_cast<int>(next.size());
      }
      i += 1 + next.size();
      continue;
    }
    if (x == '!' || x == '/' || x == '_' || x == '-' || x == '#' || x == '*') {
      if (x == '!')
        st.pending_style |= kBold;
      else if (x == '/')
        st.pending_style |= kItalic;
      else if (x == '_')
        st.pending_style |= kUnderline;
      else if (x == '-')
        st.pending_style |= kStrikeOut;
      else if (x == '#')
        st.pending_style = e.style;
      flush();
      if (x == '*')
        st.codes = false;
      i += 2;
    } else if (x == '$') {
      if (i + 2 >= text.size()) { // "^$" at the end
        st.buffer.append("^$");
        st.k = 1;
        i += 2;
      } else if (text[i + 2] >= '1' && text[i + 2] <= '9') {
        st.pending_colour = text[i + 2] - '0';
        flush();
        i += 3;
      } else { // "^$" and the next character, as text
        const std::string_view after = char_at(i + 2);
        st.buffer.append("^$");
        st.buffer.append(after);
        st.k = static_cast<int>(after.size());
        i += 2 + after.size();
      }
    } else if (IsModeCode(x)) {
      if (i + 2 >= text.size() || text[i + 2] == '^') {
        st.buffer.push_back('^');
        st.buffer.push_back(x);
        st.k = 1;
      } else {
        flush();
        st.mode = x;
      }
      i += 2;
    } else { // no code: "^" and the character as text
      st.buffer.push_back('^');
      st.buffer.append(next);
      st.k = static_cast<int>(next.size());
      i += 1 + next.size();
    }
  }
  if (!st.buffer.empty())
    DrawTextRun(st.style, e.font, st.px, st.py, e.angle, H, W, e.spacing,
                st.buffer);
}

} // namespace orvik::render
