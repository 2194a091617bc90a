#include "orvik/render/text_renderer.h"

#include "orvik/render/clipping.h"
#include "orvik/render/trailing_marks.h"
#include "orvik/util/plane.h"
#include "orvik/util/sjis_text.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace orvik::render {

void TextRenderer::DrawTextElement(int style, std::string_view font_name,
                                   double x1, double y1, double x2, double y2,
                                   double height, double width, double spacing,
                                   std::string_view text) {
  if (text.empty())
    return;
  const double s = p_.view().ViewScale();
  const double length = TwoPointDistance(x1, y1, x2, y2);
  const double h = std::fabs(height) * s;
  if (!(std::fabs(height) >= 1e-10 && h >= 6 && h <= 1000 &&
        std::fabs(length) >= 1e-10 && std::fabs(length) * s >= 6 &&
        std::fabs(width) * s <= 1000)) {
    p_.SetPen(p_.PenColour(), PenStyle::Solid, 3);
    p_.DrawWorldLine(x1, y1, x2, y2);
    return;
  }
  double angle = DirectionAngle(x2 - x1, y2 - y1);
  if (width < 0) {
    width = -width;
    spacing = -spacing;
    angle += kPi;
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  std::string rest(text);
  ApplyTrailingMarks(rest, width, spacing);
  std::string value;
  if (codes_ != nullptr && codes_->ExpandSpecialCode(rest, value)) {
    DrawTextRun(style, font_name, x1, y1, angle, height, width, spacing, value);
    return;
  }
  if (FindCharacter(rest, '^') != std::string::npos) {
    DrawCaretText(
        Element{style, font_name, x1, y1, angle, height, width, spacing}, rest);
    return;
  }
  DrawTextRun(style, font_name, x1, y1, angle, height, width, spacing, rest);
}

void TextRenderer::DrawTextRun(int style, std::string_view font_name, double x,
                               double y, double angle, double height,
                               double width, double spacing,
                               std::string_view text) {
  const double s = p_.view().ViewScale();
  FontSpec font;
  font.Height = RoundHalfEven(std::fabs(height) * s);
  font.Width = RoundHalfEven(std::fabs(width) * s / 2);
  font.Escapement = RoundHalfEven(angle / kPi * 1800);
  font.Weight = (style & kBold) ? 700 : 400;
  font.Italic = (style & kItalic) != 0;
  font.Underline = (style & kUnderline) != 0;
  font.StrikeOut = (style & kStrikeOut) != 0;
  font.CharSet = 1;
  if (font_name.substr(0, 2) == "@@") {
    font_name.remove_prefix(2);
    font.Escapement += 1800;
    if (font.Escapement >= 3600)
      font.Escapement -= 3600;
    x += std::fabs(width) * std::cos(angle) +
         std::fabs(height) * std::cos(angle - kPi / 2);
    y += std::fabs(width) * std::sin(angle) +
         std::fabs(height) * std::sin(angle - kPi / 2);
  }
  // The platform's face names hold at most 31 bytes.
  font.FaceName = CutToBytes(font_name, 31);
  Canvas &canvas = p_.canvas();
  canvas.SetFont(font);
  canvas.SetTextColour(p_.PenColour());
  p_.SetBrush(p_.BrushColour(), BrushStyle::Clear);
  const double ux = std::cos(angle), uy = std::sin(angle);
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    n = CharLengthAt(text, i);
    DrawTextChar(x, y, height, width, angle, text.substr(i, n));
    const double advance = n == 2 ? width + spacing : (width + spacing) / 2;
    x += advance * ux;
    y += advance * uy;
  }
}

void TextRenderer::DrawTextChar(double x, double y, double height, double width,
                                double angle, std::string_view character) {
  const double w =
      character.size() == 2 ? std::fabs(width) : std::fabs(width) / 2;
  const double ux = std::cos(angle), uy = std::sin(angle);
  // (cos(a + pi/2), sin(a + pi/2)) = (-uy, ux): "up" from the baseline.
  double tx = x, ty = y;
  if (height >= 0) {
    tx -= height * uy;
    ty += height * ux;
  }
  const double h = std::fabs(height);
  const ViewState &v = p_.view();
  const bool visible =
      OutCode(tx, ty, v) == 0 || OutCode(tx + w * ux, ty + w * uy, v) == 0 ||
      OutCode(tx + h * uy, ty - h * ux, v) == 0 ||
      OutCode(tx + w * ux + h * uy, ty + w * uy - h * ux, v) == 0;
  if (!visible)
    return;
  p_.canvas().TextOut(RoundHalfEven((tx - v.ViewLeft()) * v.ViewScale()),
                      v.ViewHeight() -
                          RoundHalfEven((ty - v.ViewBottom()) * v.ViewScale()),
                      character);
}

} // namespace orvik::render
