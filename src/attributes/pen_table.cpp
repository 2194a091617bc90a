#include "orvik/attributes/pen_table.h"

#include "orvik/exchange/choice_lists.h"

#include <array>

namespace orvik::attributes {

TgraAttribute::TgraAttribute() {
  SetColourScheme(0);
  InitPenColours();
  InitPenWidths();
  InitPenWidths2();
}

void TgraAttribute::SetColourScheme(std::int32_t scheme) {
  if (scheme != 0)
    return;
  ColourScheme = 0;
  BackgroundColour = MakeColour(255, 255, 255);
  ForegroundColour = MakeColour(0, 0, 0);
}

int TgraAttribute::PenIndex(std::int32_t pen) {
  if (pen >= 1 && pen <= 9)
    return pen - 1;
  if (pen >= 101 && pen <= 356)
    return pen - 92;
  return -1;
}

// Pens 1..9 and SXF 101..116 have the colours the colour list shows; the
// remaining SXF pens take the foreground colour.
void TgraAttribute::InitPenColours() {
  for (PenRecord &pen : Pens)
    pen.Colour = ForegroundColour;
  for (std::int32_t pen = 1; pen <= 116; ++pen)
    if (const int i = PenIndex(pen); i >= 0)
      Pens[static_cast<std::size_t>(i)].Colour = exchange::ScreenColourOf(pen);
}

void TgraAttribute::InitPenWidths() {
  static constexpr std::array<double, 9> kWidths = {0.1,  0.15, 0.2, 0.25, 0.3,
                                                    0.35, 0.4,  0.5, 0.01};
  for (PenRecord &pen : Pens)
    pen.Width = 0.18;
  for (std::size_t i = 0; i < kWidths.size(); ++i)
    Pens[i].Width = kWidths.at(i);
}

void TgraAttribute::InitPenWidths2() {
  static constexpr std::array<double, 9> kWidths = {0.2, 0.3, 0.4, 0.5, 0.5,
                                                    0.5, 0.5, 0.5, 0.2};
  for (PenRecord &pen : Pens)
    pen.Width2 = 0.2;
  for (std::size_t i = 0; i < kWidths.size(); ++i)
    Pens[i].Width2 = kWidths.at(i);
}

Colour32 TgraAttribute::PenColour(std::int32_t pen) const {
  const int i = PenIndex(pen);
  return i < 0 ? BackgroundColour : Pens[static_cast<std::size_t>(i)].Colour;
}

double TgraAttribute::PenWidth(std::int32_t pen) const {
  const int i = PenIndex(pen);
  return i < 0 ? 0.0 : Pens[static_cast<std::size_t>(i)].Width;
}

double TgraAttribute::PenWidth2(std::int32_t pen) const {
  const int i = PenIndex(pen);
  return i < 0 ? 0.1 : Pens[static_cast<std::size_t>(i)].Width2;
}

} // namespace orvik::attributes
