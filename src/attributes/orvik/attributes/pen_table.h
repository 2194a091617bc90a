#pragma once
// The attribute set: screen colour and two line widths (millimetres) for
// every pen number, plus the background and foreground colours of the
// drawing area. Pens 1..9 sit at positions 0..8, SXF colours 101..356 at
// 9..264; any other pen number has no position.
//
// The window owns one instance from its creation to its close and passes
// it to the drawing code.

#include "orvik/util/colour.h"

#include <array>
#include <cstdint>

namespace orvik::attributes {

struct PenRecord {
  Colour32 Colour = 0;
  double Width = 0.0;  // first line width, mm
  double Width2 = 0.0; // second line width, mm
};

class TgraAttribute {
public:
  static constexpr int kPenCount = 265;

  // White-background scheme, pen colours and both widths filled.
  TgraAttribute();

  // Scheme 0, white background and black foreground, is the only scheme
  // the drawing area uses; other numbers change nothing.
  void SetColourScheme(std::int32_t scheme);
  void InitPenColours();
  void InitPenWidths();
  void InitPenWidths2();

  std::int32_t GetColourScheme() const { return ColourScheme; }
  Colour32 GetBackgroundColour() const { return BackgroundColour; }
  Colour32 GetForegroundColour() const { return ForegroundColour; }

  // A pen number without a position gives the background colour (so such
  // an element is drawn white on white), width 0.0 and second width 0.1.
  Colour32 PenColour(std::int32_t pen) const;
  double PenWidth(std::int32_t pen) const;
  double PenWidth2(std::int32_t pen) const;

  // Array position of a pen number, or -1.
  static int PenIndex(std::int32_t pen);

private:
  std::int32_t ColourScheme = 0;
  Colour32 BackgroundColour = MakeColour(255, 255, 255);
  Colour32 ForegroundColour = MakeColour(0, 0, 0);
  std::array<PenRecord, kPenCount> Pens{};
};

} // namespace orvik::attributes
